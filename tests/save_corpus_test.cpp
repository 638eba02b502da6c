// SPDX-License-Identifier: GPL-3.0-or-later
// Every file of the fuzzing corpus goes through the decoder on each test run.
// A name says what to expect: ok-*, notwhole-NN-* (edited line NN), fault-*
// (refused, game kept); any other file (a reproducer saved by the fuzzer)
// only has to decode without harm.
#include "data/save_file.h"
#include "tests/test_support.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace vermona {
namespace {

namespace fs = std::filesystem;

TEST(SaveCorpus, EveryFileDecodesAsItsNameSays) {
    int files = 0;
    for (const auto &[name, text] : test::corpusFiles("corpus")) {
        LoadResult r = decodeSave(text);
        ++files;
        if (r.ok()) {
            // Whatever loads saves again and loads back the same.
            SaveText again = encodeSave(r.values);
            ASSERT_TRUE(again.ok()) << name;
            LoadResult back = decodeSave(again.text);
            EXPECT_TRUE(back.ok() && back.values == r.values) << name;
        }
        if (name.rfind("ok-", 0) == 0) {
            EXPECT_TRUE(r.ok()) << name << ": fault " << static_cast<int>(r.fault) << " at line " << r.line;
        } else if (name.rfind("notwhole-", 0) == 0) {
            EXPECT_EQ(r.fault, LoadFault::NotWhole) << name;
            EXPECT_EQ(r.line, std::stoi(name.substr(9, 2))) << name;
        } else if (name.rfind("fault-", 0) == 0) {
            EXPECT_FALSE(r.ok()) << name;
            EXPECT_NE(r.fault, LoadFault::NotWhole) << name;
        }
    }
    EXPECT_GE(files, 10);
}

} // namespace
} // namespace vermona
