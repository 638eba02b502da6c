// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/save_file.h"

#include "data/game_state.h"
#include "runtime/files.h"

#include <algorithm>
#include <cerrno>
#include <cmath>

namespace vermona {

namespace {

// saveMultiplier = 3.17, held in hundredths so that encoding is exact.
constexpr std::int64_t kMultiplierHundredths = 317;

struct Field {
    Var GameState::*member;
    int sign;                      // +1: stored = v*M + offset, -1: stored = v*M - offset
    std::int64_t offsetHundredths; // saveOffset(n)
};

// File order. The offsets are arbitrary small constants; changing any of them
// makes every existing save unreadable.
constexpr std::array<Field, kSaveLines> kFields{{
    {&GameState::strength, +1, 1200},          // 12
    {&GameState::defense, +1, 725},            // 7.25
    {&GameState::speed, +1, 3100},             // 31
    {&GameState::stamina, +1, 456},            // 4.56
    {&GameState::intellect, +1, 1900},         // 19
    {&GameState::magicPower, +1, 883},         // 8.83
    {&GameState::fatigue, +1, 2700},           // 27
    {&GameState::fireMagicLevel, +1, 1337},    // 13.37
    {&GameState::waterMagicLevel, +1, 500},    // 5
    {&GameState::thunderMagicLevel, +1, 2261}, // 22.61
    {&GameState::neutralMagicLevel, +1, 4100}, // 41
    {&GameState::healMagicLevel, +1, 918},     // 9.18
    {&GameState::cureMagicLevel, -1, 1600},    // 16
    {&GameState::money, -1, 7777},             // 77.77
    {&GameState::week, -1, 2300},              // 23
    {&GameState::month, -1, 349},              // 3.49
    {&GameState::year, -1, 5200},              // 52
    {&GameState::element, -1, 1024},           // 10.24
    {&GameState::powerMagicLevel, +1, 800},    // 8
    {&GameState::guardMagicLevel, +1, 3911},   // 39.11
    {&GameState::speedMagicLevel, +1, 1500},   // 15
    {&GameState::answer, +1, 642},             // 6.42
    {&GameState::shopMode, +1, 2900},          // 29
    {&GameState::ownsWoodShield, +1, 1179},    // 11.79
    {&GameState::ownsIronShield, +1, 600},     // 6
    {&GameState::ownsSteelShield, +1, 2588},   // 25.88
    {&GameState::equipKind, +1, 3300},         // 33
    {&GameState::equipStep, +1, 471},          // 4.71
    {&GameState::equipChoice, +1, 1800},       // 18
    {&GameState::ownsKnife, +1, 3626},         // 36.26
    {&GameState::ownsSword, +1, 900},          // 9
    {&GameState::daysToTournament, +1, 1295},  // 12.95
    {&GameState::entrants, +1, 4400},          // 44
    {&GameState::herbs, +1, 2037},             // 20.37
    {&GameState::saveSpare1, +1, 700},         // 7
    {&GameState::saveSpare2, +1, 1552},        // 15.52
}};

static_assert(std::all_of(kFields.begin(), kFields.end(), [](const Field &f) {
    return f.offsetHundredths > 0 && f.offsetHundredths <= 7777;
}));

// loadValue is fixed-point with four decimals, held in ten-thousandths. Its
// magnitude is capped so that (loadValue -/+ offset) * 100 stays within 2^53:
// then the division below divides exact integers and its only rounding is
// the division's own, and every saved whole value comes back exactly.
constexpr std::int64_t kLoadValueLimit = 9'000'000'000LL * 10000;
constexpr std::int64_t kMaxOffsetHundredths = 7777;
static_assert((kLoadValueLimit + kMaxOffsetHundredths * 100) * 100 <= (std::int64_t{1} << 53));
// Everything the save writes is within the cap.
static_assert(-kSaveMin * kMultiplierHundredths * 100 + kMaxOffsetHundredths * 100 <= kLoadValueLimit);

// A valid file is well under 2 KB; blanks around the numbers are allowed, but
// not without end.
constexpr std::size_t kMaxFileBytes = 1 << 20;

constexpr bool isBlank(char c) { return c == ' ' || c == '\t'; }
constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool onlyWhitespace(std::string_view text) {
    for (char c : text) {
        if (!isBlank(c) && c != '\r' && c != '\n') {
            return false;
        }
    }
    return true;
}

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && isBlank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

// Decimal text of a number of hundredths, shortest form: no point when whole,
// no trailing zero after it.
std::string hundredthsText(std::int64_t h) {
    std::string out = h < 0 ? "-" : "";
    std::uint64_t a = h < 0 ? 0 - static_cast<std::uint64_t>(h) : static_cast<std::uint64_t>(h);
    out += std::to_string(a / 100);
    if (std::uint64_t frac = a % 100; frac != 0) {
        out += '.';
        out += static_cast<char>('0' + frac / 10);
        if (frac % 10 != 0) {
            out += static_cast<char>('0' + frac % 10);
        }
    }
    return out;
}

// Reads a plain decimal number ([+|-] digits [. digits], at least one digit)
// into ten-thousandths, rounding the fifth decimal onward half to even.
LoadFault parseLoadValue(std::string_view s, std::int64_t &out) {
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    bool anyDigit = false;
    bool tooLarge = false;
    std::int64_t whole = 0;
    for (; i < s.size() && isDigit(s[i]); ++i) {
        anyDigit = true;
        if (!tooLarge) {
            whole = whole * 10 + (s[i] - '0');
            tooLarge = whole > kLoadValueLimit / 10000;
        }
    }
    std::int64_t frac = 0; // first four decimals
    int fracDigits = 0;
    int fifth = 0;       // the fifth decimal
    bool beyond = false; // any non-zero decimal after the fifth
    if (i < s.size() && s[i] == '.') {
        for (++i; i < s.size() && isDigit(s[i]); ++i, ++fracDigits) {
            anyDigit = true;
            int d = s[i] - '0';
            if (fracDigits < 4) {
                frac = frac * 10 + d;
            } else if (fracDigits == 4) {
                fifth = d;
            } else if (d != 0) {
                beyond = true;
            }
        }
    }
    if (!anyDigit || i != s.size()) {
        return LoadFault::NotANumber;
    }
    if (tooLarge) {
        return LoadFault::OutOfRange;
    }
    for (int k = fracDigits; k < 4; ++k) {
        frac *= 10;
    }
    std::int64_t v = whole * 10000 + frac;
    if (fifth > 5 || (fifth == 5 && (beyond || (v & 1) != 0))) {
        ++v;
    }
    if (v > kLoadValueLimit) {
        return LoadFault::OutOfRange;
    }
    out = negative ? -v : v;
    return LoadFault::None;
}

} // namespace

SaveValues saveValuesOf(const GameState &state) {
    SaveValues v{};
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        v[i] = (state.*kFields[i].member).get();
    }
    return v;
}

void assignSaveValues(GameState &state, const SaveValues &values) {
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        state.*kFields[i].member = values[i];
    }
}

std::optional<std::string> encodeLine(int line, Var::Int value) {
    if (line < 1 || line > kSaveLines || value < kSaveMin || value > kSaveMax) {
        return std::nullopt;
    }
    const Field &f = kFields[static_cast<std::size_t>(line - 1)];
    return hundredthsText(value * kMultiplierHundredths + f.sign * f.offsetHundredths);
}

SaveText encodeSave(const SaveValues &values) {
    SaveText out;
    for (int line = 1; line <= kSaveLines; ++line) {
        auto text = encodeLine(line, values[static_cast<std::size_t>(line - 1)]);
        if (!text) {
            return SaveText{{}, line};
        }
        out.text += *text;
        out.text += '\n';
    }
    return out;
}

LineResult decodeLine(int line, std::string_view content) {
    if (line < 1 || line > kSaveLines) { // there is no such line
        return {LoadFault::ExtraData, 0};
    }
    std::int64_t loadValue = 0;
    if (LoadFault f = parseLoadValue(trimBlanks(content), loadValue); f != LoadFault::None) {
        return {f, 0};
    }
    // Undo the offset in fixed point: subtract it for a + field, add it for a - one.
    const Field &field = kFields[static_cast<std::size_t>(line - 1)];
    std::int64_t unshifted = loadValue - field.sign * field.offsetHundredths * 100;
    // Divide by the multiplier in double precision. Both operands are exact
    // integers (see kLoadValueLimit) and the quotient comes out already in
    // ten-thousandths, so rounding it to a whole number gives four decimals.
    double quotient = static_cast<double>(unshifted * 100) / static_cast<double>(kMultiplierHundredths);
    auto decoded = static_cast<std::int64_t>(std::nearbyint(quotient));
    if (decoded % 10000 != 0) {
        return {LoadFault::NotWhole, 0};
    }
    Var::Int value = decoded / 10000;
    if (value < kSaveMin || value > kSaveMax) {
        return {LoadFault::OutOfRange, 0};
    }
    return {LoadFault::None, value};
}

LoadResult decodeSave(std::string_view text) {
    LoadResult r;
    if (onlyWhitespace(text)) {
        r.fault = LoadFault::Empty;
        return r;
    }
    std::size_t pos = 0;
    for (int line = 1; line <= kSaveLines; ++line) {
        if (onlyWhitespace(text.substr(pos))) {
            r.fault = LoadFault::Short;
            r.line = line;
            return r;
        }
        std::size_t eol = text.find('\n', pos);
        std::string_view content = text.substr(pos, eol == std::string_view::npos ? eol : eol - pos);
        if (!content.empty() && content.back() == '\r') {
            content.remove_suffix(1);
        }
        LineResult lr = decodeLine(line, content);
        if (lr.fault != LoadFault::None) {
            r.fault = lr.fault;
            r.line = line;
            return r;
        }
        r.values[static_cast<std::size_t>(line - 1)] = lr.value;
        pos = eol == std::string_view::npos ? text.size() : eol + 1;
    }
    if (!onlyWhitespace(text.substr(pos))) {
        r.fault = LoadFault::ExtraData;
    }
    return r;
}

Text fieldCheckTitle(int line) { return Text("ロード%1").arg(std::min(line, 21)); }

Text loadFailureMessage(const LoadResult &result, const std::string &file) {
    // The file's name is the same in every language.
    const Text name = Text::verbatim(file);
    Text reason;
    switch (result.fault) {
    case LoadFault::None:
        return {};
    case LoadFault::Missing:
        reason = Text("%1 がありません。").arg(name);
        break;
    case LoadFault::Unreadable:
        reason = Text("%1 を開けません。").arg(name);
        break;
    case LoadFault::FileTooLong:
        reason = Text("%1 が大きすぎます。").arg(name);
        break;
    case LoadFault::Empty:
        reason = Text("%1 が空です。").arg(name);
        break;
    case LoadFault::Short:
        reason = Text("%1行目がありません（36行必要です）。").arg(result.line);
        break;
    case LoadFault::NotANumber:
        reason = Text("%1行目が数値ではありません。").arg(result.line);
        break;
    case LoadFault::OutOfRange:
        reason = Text("%1行目の数値が大きすぎます。").arg(result.line);
        break;
    case LoadFault::ExtraData:
        reason = "36行目より後に余分なデータがあります。";
        break;
    case LoadFault::NotWhole:
        reason = Text("%1行目が変更されています。").arg(result.line);
        break;
    }
    return Text("セーブデータを読み込めませんでした。") + Text("\n") + reason;
}

LoadResult loadSaveFile(const std::string &path) {
    removeStaleTemporaries(path);
    LoadResult r;
    std::string text;
    switch (readWholeFile(path, kMaxFileBytes, text)) {
    case ReadFault::None:
        return decodeSave(text);
    case ReadFault::Missing:
        r.fault = LoadFault::Missing;
        break;
    case ReadFault::Unreadable:
        r.fault = LoadFault::Unreadable;
        break;
    case ReadFault::TooLarge:
        r.fault = LoadFault::FileTooLong;
        break;
    }
    return r;
}

namespace {

// Why a write failed, in the player's words.
Text writeFailureReason(int error) {
    switch (error) {
    case ENOSPC:
    case EFBIG:
    case EDQUOT:
        return "ディスクの空きが足りません。";
    case EROFS:
    case EACCES:
    case EPERM:
        return "保存先に書き込めません。";
    default:
        return Text("書き込み中にエラーが起きました（エラー番号 %1）。").arg(error);
    }
}

// The first and last lines of every failed save's box.
Text failedSave(const Text &why) {
    return Text("セーブできませんでした。") + Text("\n") + why + Text("\n") +
           Text("前のセーブデータは変更されていません。");
}

} // namespace

Text saveFailureMessage(int error) {
    return failedSave(error == 0
                          ? Text("保存できる範囲（%1～%2）を超えた値があります。").arg(kSaveMin).arg(kSaveMax)
                          : writeFailureReason(error));
}

Text recordFailureMessage(int error, const std::string &recordFile) {
    // One sentence with its reason, so that a language can join the two as it does.
    return failedSave(Text("成長の記録（%1）を書き込めませんでした。%2")
                          .arg(Text::verbatim(recordFile))
                          .arg(writeFailureReason(error)));
}

std::string saveDigest(const SaveValues &values) {
    // FNV-1a: enough to tell two saves apart, and the same on every machine.
    std::uint64_t h = 0xcbf29ce484222325ULL;
    for (char c : encodeSave(values).text) {
        h = (h ^ static_cast<unsigned char>(c)) * 0x100000001b3ULL;
    }
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out(16, '0');
    for (int i = 15; i >= 0; --i, h >>= 4U) {
        out[static_cast<std::size_t>(i)] = kHex[h & 0xFU];
    }
    return out;
}

} // namespace vermona
