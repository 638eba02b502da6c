// SPDX-License-Identifier: GPL-3.0-or-later
// The save file's encoding on its own: exact round trips over the whole
// range, the text form with the signed offsets, the wholeness check of
// edited lines and every other way a file is refused.
#include "data/save_file.h"

#include <gtest/gtest.h>
#include <sstream>
#include <vector>

namespace vermona {
namespace {

SaveValues sampleValues() {
    SaveValues v{};
    for (std::size_t i = 0; i < v.size(); ++i) {
        v[i] = static_cast<Var::Int>(i * 37 % 101) - 20; // small, mixed signs
    }
    v[13] = 1000; // money
    return v;
}

std::vector<std::string> splitLines(const std::string &text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) {
        out.push_back(l);
    }
    return out;
}

std::string joinLines(const std::vector<std::string> &lines, const std::string &eol = "\n") {
    std::string out;
    for (const auto &l : lines) {
        out += l + eol;
    }
    return out;
}

// The sample file with line n (1-based) replaced.
std::string withLine(int n, const std::string &content) {
    auto lines = splitLines(encodeSave(sampleValues()).text);
    lines[static_cast<std::size_t>(n - 1)] = content;
    return joinLines(lines);
}

TEST(SaveCodec, EveryLineRoundTripsFromLargeNegativeToLargePositive) {
    const Var::Int probes[] = {kSaveMin, kSaveMin + 1, -1'000'000'007, -65536,       -1000,   -1, 0, 1, 2, 7,
                               100,      1000,         123'456'789,    kSaveMax - 1, kSaveMax};
    for (int line = 1; line <= kSaveLines; ++line) {
        for (Var::Int v : probes) {
            auto text = encodeLine(line, v);
            ASSERT_TRUE(text) << "line " << line << " value " << v;
            LineResult r = decodeLine(line, *text);
            ASSERT_EQ(r.fault, LoadFault::None) << "line " << line << " text " << *text;
            ASSERT_EQ(r.value, v) << "line " << line << " text " << *text;
        }
    }
    // A spread over the whole 32-bit range, every line in turn.
    std::uint64_t x = 1;
    for (int i = 0; i < 300'000; ++i) {
        x = x * 6364136223846793005ULL + 1442695040888963407ULL;
        Var::Int v = kSaveMin + static_cast<Var::Int>(x >> 32U);
        int line = i % kSaveLines + 1;
        LineResult r = decodeLine(line, *encodeLine(line, v));
        ASSERT_EQ(r.fault, LoadFault::None) << "line " << line << " value " << v;
        ASSERT_EQ(r.value, v) << "line " << line;
    }
    // And a whole file.
    SaveValues v = sampleValues();
    v[0] = kSaveMax;
    v[16] = kSaveMin;
    LoadResult r = decodeSave(encodeSave(v).text);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.values, v);
}

TEST(SaveCodec, TextFormIsShortestDecimalWithTheSignedOffset) {
    EXPECT_EQ(encodeLine(1, 0), "12");                     // + 12
    EXPECT_EQ(encodeLine(1, 1), "15.17");                  // 3.17 + 12
    EXPECT_EQ(encodeLine(2, 5), "23.1");                   // 15.85 + 7.25: no trailing zero
    EXPECT_EQ(encodeLine(4, 0), "4.56");                   // a two-decimal offset
    EXPECT_EQ(encodeLine(13, 0), "-16");                   // - 16
    EXPECT_EQ(encodeLine(14, 1000), "3092.23");            // 3170 - 77.77
    EXPECT_EQ(encodeLine(18, 1), "-7.07");                 // 3.17 - 10.24
    EXPECT_EQ(encodeLine(1, kSaveMax), "6807523172.99");   // no exponent at the ends
    EXPECT_EQ(encodeLine(14, kSaveMin), "-6807523241.93"); // of the range
    // Beyond the range nothing is written at all.
    EXPECT_FALSE(encodeLine(1, kSaveMax + 1));
    EXPECT_FALSE(encodeLine(36, kSaveMin - 1));
    SaveValues v = sampleValues();
    v[6] = kSaveMin - 1;
    SaveText t = encodeSave(v);
    EXPECT_EQ(t.outOfRangeLine, 7);
    EXPECT_TRUE(t.text.empty());
    // The same values give the same file.
    EXPECT_EQ(encodeSave(sampleValues()).text, encodeSave(sampleValues()).text);
    EXPECT_EQ(splitLines(encodeSave(sampleValues()).text).size(), 36U);
}

TEST(SaveCodec, FourDecimalRoundingAbsorbsNoiseButNotEdits) {
    // Line 1 holds 3.17 v + 12.
    EXPECT_EQ(decodeLine(1, "12.00004999").value, 0);
    EXPECT_EQ(decodeLine(1, "12.0001").fault, LoadFault::None);      // 0.0001 / 3.17 rounds to 0
    EXPECT_EQ(decodeLine(1, "12.00015").fault, LoadFault::NotWhole); // rounds to 12.0002
    EXPECT_EQ(decodeLine(1, "12.0002").fault, LoadFault::NotWhole);
    EXPECT_EQ(decodeLine(1, "12.01").fault, LoadFault::NotWhole);
    // The check only tests wholeness: another value of the right form loads.
    EXPECT_EQ(decodeLine(1, "18.34").value, 2);
    EXPECT_EQ(decodeLine(14, "-80.94").value, -1);
}

TEST(SaveCodec, OneEditedDigitOnAnyLineIsCaughtWithThatLinesTitle) {
    const std::string good = encodeSave(sampleValues()).text;
    for (int n = 1; n <= kSaveLines; ++n) {
        const std::string original = splitLines(good)[static_cast<std::size_t>(n - 1)];
        int edits = 0;
        for (std::size_t i = 0; i < original.size(); ++i) {
            if (original[i] < '0' || original[i] > '9') {
                continue;
            }
            std::string edited = original;
            edited[i] = static_cast<char>('0' + (original[i] - '0' + 1) % 10);
            LoadResult r = decodeSave(withLine(n, edited));
            EXPECT_EQ(r.fault, LoadFault::NotWhole) << "line " << n << ": " << edited;
            EXPECT_EQ(r.line, n) << edited;
            ++edits;
        }
        EXPECT_GT(edits, 0);
    }
    EXPECT_EQ(fieldCheckTitle(1), "ロード1");
    EXPECT_EQ(fieldCheckTitle(5), "ロード5");
    EXPECT_EQ(fieldCheckTitle(21), "ロード21");
    EXPECT_EQ(fieldCheckTitle(22), "ロード21");
    EXPECT_EQ(fieldCheckTitle(30), "ロード21");
    EXPECT_EQ(fieldCheckTitle(36), "ロード21");
}

TEST(SaveCodec, TheFirstFaultyLineDecides) {
    auto lines = splitLines(encodeSave(sampleValues()).text);
    auto file = [&](std::initializer_list<std::pair<int, std::string>> edits, std::size_t keep = 36) {
        auto l = lines;
        for (const auto &[n, text] : edits) {
            l[static_cast<std::size_t>(n - 1)] = text;
        }
        l.resize(keep);
        return joinLines(l);
    };
    // An edited line ends the load even when a later line is garbage or missing...
    LoadResult r = decodeSave(file({{5, "12.34"}, {9, "garbage"}}));
    EXPECT_EQ(r.fault, LoadFault::NotWhole);
    EXPECT_EQ(r.line, 5);
    r = decodeSave(file({{30, "1.01"}}, 31));
    EXPECT_EQ(r.fault, LoadFault::NotWhole);
    EXPECT_EQ(r.line, 30);
    r = decodeSave(file({{36, "1.01"}}) + "extra\n");
    EXPECT_EQ(r.fault, LoadFault::NotWhole);
    // ...but a reader never gets past an earlier line it cannot read.
    r = decodeSave(file({{3, "x"}, {5, "12.34"}}));
    EXPECT_EQ(r.fault, LoadFault::NotANumber);
    EXPECT_EQ(r.line, 3);
}

TEST(SaveCodec, LayoutVariantsThatStillLoad) {
    const SaveValues v = sampleValues();
    auto lines = splitLines(encodeSave(v).text);
    std::vector<std::string> padded;
    for (const auto &l : lines) {
        padded.push_back(" \t " + l + "\t  ");
    }
    std::string noFinalBreak = joinLines(lines);
    noFinalBreak.pop_back();
    std::vector<std::string> variants = {
        joinLines(padded), joinLines(lines, "\r\n"), noFinalBreak,
        joinLines(lines) + "\n \n\t\n", // trailing blank lines
    };
    auto written = lines;
    ASSERT_EQ(lines[1], "61.14");
    written[1] = "+061.1400"; // sign, leading zero, trailing zeros
    ASSERT_EQ(lines[6], "27");
    written[6] = "27.";
    variants.push_back(joinLines(written));
    for (const auto &text : variants) {
        LoadResult r = decodeSave(text);
        EXPECT_TRUE(r.ok()) << static_cast<int>(r.fault) << " at line " << r.line;
        EXPECT_EQ(r.values, v);
    }
    EXPECT_EQ(decodeLine(9, "5.").value, 0);                   // 0 * 3.17 + 5
    EXPECT_EQ(decodeLine(9, ".5").fault, LoadFault::NotWhole); // a number, but not of this line
}

TEST(SaveCodec, FilesThatCannotBeReadAreRefusedWithTheirLine) {
    struct Case {
        std::string line7;
        LoadFault fault;
    };
    const Case cases[] = {
        {"", LoadFault::NotANumber},
        {"   ", LoadFault::NotANumber},
        {"abc", LoadFault::NotANumber},
        {"1e3", LoadFault::NotANumber},
        {"1,000", LoadFault::NotANumber},
        {"12 34", LoadFault::NotANumber},
        {"--1", LoadFault::NotANumber},
        {"+-1", LoadFault::NotANumber},
        {".", LoadFault::NotANumber},
        {"-", LoadFault::NotANumber},
        {"0x1b", LoadFault::NotANumber},
        {"１２", LoadFault::NotANumber}, // full-width digits
        {std::string("27\0", 3), LoadFault::NotANumber},
        {"27\r\r", LoadFault::NotANumber}, // one CR belongs to the line break, two do not
        {"nan", LoadFault::NotANumber},
        {"inf", LoadFault::NotANumber},
        {"1.2.3", LoadFault::NotANumber},
        {"999999999999999999999999999999", LoadFault::OutOfRange},
        {"-9000000001", LoadFault::OutOfRange},
        {"6807523191.16", LoadFault::OutOfRange}, // whole, but 2^31
    };
    for (const auto &c : cases) {
        LoadResult r = decodeSave(withLine(7, c.line7));
        EXPECT_EQ(r.fault, c.fault) << "\"" << c.line7 << "\"";
        EXPECT_EQ(r.line, 7) << "\"" << c.line7 << "\"";
    }
    const std::string good = encodeSave(sampleValues()).text;
    auto lines = splitLines(good);
    EXPECT_EQ(decodeSave("").fault, LoadFault::Empty);
    EXPECT_EQ(decodeSave(" \n\r\n\t").fault, LoadFault::Empty);
    lines.pop_back();
    LoadResult r = decodeSave(joinLines(lines) + "\n\n");
    EXPECT_EQ(r.fault, LoadFault::Short);
    EXPECT_EQ(r.line, 36);
    r = decodeSave(lines[0]);
    EXPECT_EQ(r.fault, LoadFault::Short);
    EXPECT_EQ(r.line, 2);
    EXPECT_EQ(decodeSave(good + "12\n").fault, LoadFault::ExtraData);
    EXPECT_EQ(decodeSave(good + "\n\nx").fault, LoadFault::ExtraData);
    // Each refusal names its reason and line for the player.
    EXPECT_EQ(loadFailureMessage(r),
              "セーブデータを読み込めませんでした。\n2行目がありません（36行必要です）。");
}

} // namespace
} // namespace vermona
