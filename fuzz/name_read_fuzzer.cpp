// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: arbitrary bytes as the entrant-name file. Besides what
// the sanitizers catch, the reader must give at most eight names, each valid
// UTF-8 and short enough for a row of the table.
#include "tournament/entrant_names.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    using namespace vermona;
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const auto names = parseEntrantNames(bytes);
    if (names.size() > static_cast<std::size_t>(kNameCount)) {
        __builtin_trap();
    }
    for (const auto &name : names) {
        if (!isValidUtf8(name)) {
            __builtin_trap();
        }
        std::size_t chars = 0;
        for (const char c : name) {
            chars += (static_cast<unsigned char>(c) & 0xC0U) != 0x80U ? 1 : 0;
        }
        if (chars > kNameMaxChars) {
            __builtin_trap();
        }
    }
    return 0;
}
