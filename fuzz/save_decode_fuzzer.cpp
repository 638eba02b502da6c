// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: arbitrary bytes as the text of a save file. Besides what
// the sanitizers catch, a file that loads must save again and load back to
// the same values, and every refusal must name a line where it has one.
#include "data/save_file.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    using namespace vermona;
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const LoadResult r = decodeSave(text);
    switch (r.fault) {
    case LoadFault::None: {
        const SaveText again = encodeSave(r.values);
        if (!again.ok()) {
            __builtin_trap();
        }
        const LoadResult back = decodeSave(again.text);
        if (!back.ok() || back.values != r.values) {
            __builtin_trap();
        }
        break;
    }
    case LoadFault::Short:
    case LoadFault::NotANumber:
    case LoadFault::OutOfRange:
    case LoadFault::NotWhole:
        if (r.line < 1 || r.line > kSaveLines) {
            __builtin_trap();
        }
        break;
    default:
        break;
    }
    return 0;
}
