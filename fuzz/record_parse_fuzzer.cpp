// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: arbitrary bytes as the text of a growth record file.
// Besides what the sanitizers catch, a text that reads as a record must
// write again and read back to the same record.
#include "data/growth_record.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    using namespace vermona;
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const std::optional<GrowthRecord> r = parseRecordCsv(text);
    if (r) {
        const std::optional<GrowthRecord> back = parseRecordCsv(recordCsv(*r));
        if (!back || *back != *r) {
            __builtin_trap();
        }
    }
    return 0;
}
