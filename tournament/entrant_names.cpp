// SPDX-License-Identifier: GPL-3.0-or-later
#include "tournament/entrant_names.h"

#include "runtime/files.h"

#include <algorithm>
#include <iconv.h>

namespace vermona {

namespace {

constexpr const char *kReplacement = "\xEF\xBF\xBD"; // U+FFFD

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isBreak(char c) { return c == '\r' || c == '\n'; }

// Steps over one line break (CRLF counts as one).
std::size_t skipBreak(std::string_view b, std::size_t i) {
    if (b[i] == '\r' && i + 1 < b.size() && b[i + 1] == '\n') {
        return i + 2;
    }
    return i + 1;
}

// Cuts after kNameMaxChars characters of valid UTF-8.
std::string cut(std::string name) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if ((static_cast<unsigned char>(name[i]) & 0xC0U) != 0x80U && ++chars > kNameMaxChars) {
            name.resize(i);
            break;
        }
    }
    return name;
}

std::string decode(std::string_view raw) {
    return cut(isValidUtf8(raw) ? std::string(raw) : shiftJisToUtf8(raw));
}

class Iconv {
public:
    Iconv() {
        // Editors that save "Shift_JIS" on the desktop write its Windows
        // variant; plain Shift_JIS is the fallback where that is missing.
        cd_ = ::iconv_open("UTF-8", "CP932");
        if (!ok()) {
            cd_ = ::iconv_open("UTF-8", "SHIFT_JIS");
        }
    }
    ~Iconv() {
        if (ok()) {
            ::iconv_close(cd_);
        }
    }
    Iconv(const Iconv &) = delete;
    Iconv &operator=(const Iconv &) = delete;
    // NOLINTNEXTLINE(performance-no-int-to-ptr): iconv_open's failure value
    [[nodiscard]] bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    [[nodiscard]] iconv_t get() const { return cd_; }

private:
    iconv_t cd_;
};

} // namespace

bool isValidUtf8(std::string_view b) {
    std::size_t i = 0;
    while (i < b.size()) {
        const auto c = static_cast<unsigned char>(b[i]);
        std::size_t n = 0;
        unsigned min = 0;
        unsigned cp = 0;
        if (c < 0x80U) {
            ++i;
            continue;
        }
        if ((c & 0xE0U) == 0xC0U) {
            n = 1, min = 0x80, cp = c & 0x1FU;
        } else if ((c & 0xF0U) == 0xE0U) {
            n = 2, min = 0x800, cp = c & 0x0FU;
        } else if ((c & 0xF8U) == 0xF0U) {
            n = 3, min = 0x10000, cp = c & 0x07U;
        } else {
            return false;
        }
        if (i + n >= b.size()) {
            return false;
        }
        for (std::size_t k = 1; k <= n; ++k) {
            const auto t = static_cast<unsigned char>(b[i + k]);
            if ((t & 0xC0U) != 0x80U) {
                return false;
            }
            cp = (cp << 6U) | (t & 0x3FU);
        }
        if (cp < min || cp > 0x10FFFFU || (cp >= 0xD800U && cp <= 0xDFFFU)) {
            return false;
        }
        i += n + 1;
    }
    return true;
}

std::string shiftJisToUtf8(std::string_view bytes) {
    Iconv conv;
    if (!conv.ok()) {
        return kReplacement;
    }
    std::string out;
    std::string in(bytes);
    char *src = in.data();
    std::size_t srcLeft = in.size();
    char buf[256];
    while (srcLeft > 0) {
        char *dst = buf;
        std::size_t dstLeft = sizeof buf;
        const std::size_t r = ::iconv(conv.get(), &src, &srcLeft, &dst, &dstLeft);
        out.append(buf, static_cast<std::size_t>(dst - buf));
        if (r == static_cast<std::size_t>(-1) && errno != E2BIG) {
            // A byte that starts no character, or a lead byte at the end.
            out += kReplacement;
            ++src;
            --srcLeft;
            ::iconv(conv.get(), nullptr, nullptr, nullptr, nullptr);
        }
    }
    return out;
}

std::vector<std::string> parseEntrantNames(std::string_view b) {
    // A byte-order mark some editors put first is no part of the first name.
    if (b.substr(0, 3) == "\xEF\xBB\xBF") {
        b.remove_prefix(3);
    }
    // Commas, quotes, blanks and breaks are below 0x40, so they never occur
    // inside a Shift_JIS double-byte character: the fields can be split on
    // the bytes before either encoding is decided.
    std::vector<std::string> names;
    std::size_t i = 0;
    while (i < b.size() && names.size() < static_cast<std::size_t>(kNameCount)) {
        while (i < b.size() && isBlank(b[i])) {
            ++i;
        }
        if (i < b.size() && b[i] == '"') {
            const std::size_t close = b.find('"', i + 1);
            const std::size_t end = close == std::string_view::npos ? b.size() : close;
            names.push_back(decode(b.substr(i + 1, end - i - 1)));
            i = end == b.size() ? end : end + 1;
            // Anything between the closing quote and the separator is dropped.
            while (i < b.size() && b[i] != ',' && !isBreak(b[i])) {
                ++i;
            }
            if (i < b.size()) {
                i = b[i] == ',' ? i + 1 : skipBreak(b, i);
            }
            continue;
        }
        std::size_t end = i;
        while (end < b.size() && b[end] != ',' && !isBreak(b[end])) {
            ++end;
        }
        std::size_t last = end;
        while (last > i && isBlank(b[last - 1])) {
            --last;
        }
        const std::string_view field = b.substr(i, last - i);
        const bool byComma = end < b.size() && b[end] == ',';
        if (!field.empty() || byComma) {
            names.push_back(decode(field));
        }
        i = end < b.size() ? (byComma ? end + 1 : skipBreak(b, end)) : end;
    }
    return names;
}

std::optional<std::vector<std::string>> readEntrantNameFile(const std::string &path) {
    std::string bytes;
    if (readWholeFile(path, kNameFileReadLimit, bytes, Overflow::KeepHead) != ReadFault::None) {
        return std::nullopt;
    }
    return parseEntrantNames(bytes);
}

} // namespace vermona
