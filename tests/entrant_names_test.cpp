// SPDX-License-Identifier: GPL-3.0-or-later
// The entrant-name file: fields, quotes and blanks, line breaks of every
// kind, both encodings, and the fuzzing corpus.
#include "tests/test_support.h"
#include "tournament/entrant_names.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace vermona {
namespace {

using Names = std::vector<std::string>;

TEST(EntrantNames, FieldsAreSeparatedByCommasAndEveryKindOfLineBreak) {
    EXPECT_EQ(parseEntrantNames("一,二,三"), (Names{"一", "二", "三"}));
    EXPECT_EQ(parseEntrantNames("一\n二\r\n三\r四\n"), (Names{"一", "二", "三", "四"}));
    EXPECT_EQ(parseEntrantNames("一,二\r\n三,四\r\n"), (Names{"一", "二", "三", "四"}));
    // Only the first eight fields count.
    EXPECT_EQ(parseEntrantNames("1,2,3,4,5,6,7,8,9,10"), (Names{"1", "2", "3", "4", "5", "6", "7", "8"}));
    EXPECT_EQ(parseEntrantNames(""), Names{});
}

TEST(EntrantNames, QuotesKeepCommasAndBlanksAroundPlainFieldsGo) {
    EXPECT_EQ(parseEntrantNames("\"山田, 太郎\",  花子  ,\t次郎\t"), (Names{"山田, 太郎", "花子", "次郎"}));
    EXPECT_EQ(parseEntrantNames("\" 空白 \"\n\"\"\n"), (Names{" 空白 ", ""}));
    // What follows a closing quote up to the separator is dropped; a quote
    // that never closes runs to the end.
    EXPECT_EQ(parseEntrantNames("\"一\"余り,二,\"三"), (Names{"一", "二", "三"}));
    EXPECT_EQ(parseEntrantNames("\"一\r\n二\",三"), (Names{"一\r\n二", "三"}));
}

TEST(EntrantNames, EmptyPlacesCountBetweenCommasButNotAsBlankLines) {
    EXPECT_EQ(parseEntrantNames("一,,三"), (Names{"一", "", "三"}));
    EXPECT_EQ(parseEntrantNames("一\n\n  \n二,\n三"), (Names{"一", "二", "三"}));
}

TEST(EntrantNames, ShiftJisWhereTheBytesAreNotUtf8) {
    // 太郎,花子 and ソラ in Shift_JIS; the second byte of ソ is a
    // backslash in ASCII, and ends nothing.
    const std::string sjis = "\x91\xbe\x98\x59,\x89\xd4\x8e\x71\r\n\x83\x5c\x83\x89\r\n";
    EXPECT_FALSE(isValidUtf8(sjis));
    EXPECT_EQ(parseEntrantNames(sjis), (Names{"太郎", "花子", "ソラ"}));
    // Each field on its own: a file mixing both still reads.
    EXPECT_EQ(parseEntrantNames("太郎,\x89\xd4\x8e\x71"), (Names{"太郎", "花子"}));
    // Bytes that are neither become replacement characters.
    EXPECT_EQ(parseEntrantNames("\x81"), Names{"\xEF\xBF\xBD"});
}

TEST(EntrantNames, Utf8IsCheckedStrictly) {
    EXPECT_TRUE(isValidUtf8("ヴェルモナ abc"));
    EXPECT_FALSE(isValidUtf8("\xE3\x81"));         // cut short
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));         // overlong
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));     // surrogate
    EXPECT_FALSE(isValidUtf8("\xF4\x90\x80\x80")); // beyond U+10FFFF
    // A byte-order mark is no part of the first name.
    EXPECT_EQ(parseEntrantNames("\xEF\xBB\xBF一,二"), (Names{"一", "二"}));
}

TEST(EntrantNames, LongNamesAreCutToFitARow) {
    std::string longName;
    for (int i = 0; i < 100; ++i) {
        longName += "名";
    }
    const Names names = parseEntrantNames(longName + ",二");
    ASSERT_EQ(names.size(), 2U);
    EXPECT_EQ(names[0].size(), kNameMaxChars * 3);
    EXPECT_EQ(names[1], "二");
}

TEST(EntrantNames, TheFileIsReadUpToItsLimitAndOnlyWhenItIsARegularFile) {
    const test::WorkDir dir;
    const std::string file = (dir.path() / "name.txt").string();
    EXPECT_FALSE(readEntrantNameFile(file).has_value());
    std::filesystem::create_directory(file); // a directory in its place
    EXPECT_FALSE(readEntrantNameFile(file).has_value());
    std::filesystem::remove(file);
    {
        // Seven blank lines too many before the names: they are past the
        // limit and never read.
        std::ofstream out(file, std::ios::binary);
        out << "一,二\n" << std::string(kNameFileReadLimit, '\n') << "三\n";
    }
    EXPECT_EQ(readEntrantNameFile(file), (Names{"一", "二"}));
}

// Every file of the name corpus goes through the reader on each test run.
// ok-N-* must give N names, none empty; any other file (a reproducer saved
// by the fuzzer) only has to be read without harm.
TEST(EntrantNames, EveryCorpusFileReadsAsItsNameSays) {
    int files = 0;
    for (const auto &[name, bytes] : test::corpusFiles("name_corpus")) {
        const Names names = parseEntrantNames(bytes);
        ++files;
        EXPECT_LE(names.size(), 8U) << name;
        for (const std::string &n : names) {
            EXPECT_TRUE(isValidUtf8(n)) << name;
        }
        if (name.rfind("ok-", 0) == 0) {
            EXPECT_EQ(names.size(), static_cast<std::size_t>(std::stoi(name.substr(3, 1)))) << name;
            for (const std::string &n : names) {
                EXPECT_FALSE(n.empty()) << name;
            }
        }
    }
    EXPECT_GE(files, 5);
}

} // namespace
} // namespace vermona
