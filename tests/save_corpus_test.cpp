// Every file of the fuzzing corpus goes through the decoder on each test run.
// A name says what to expect: ok-*, notwhole-NN-* (edited line NN), fault-*
// (refused, game kept); any other file (a reproducer saved by the fuzzer)
// only has to decode without harm.
#include "core/save_file.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace vermona {
namespace {

namespace fs = std::filesystem;

TEST(SaveCorpus, EveryFileDecodesAsItsNameSays) {
    const fs::path corpus = fs::path(__FILE__).parent_path().parent_path() / "fuzz" / "corpus";
    ASSERT_TRUE(fs::is_directory(corpus)) << corpus;
    int files = 0;
    for (const auto &entry : fs::directory_iterator(corpus)) {
        const std::string name = entry.path().filename().string();
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        LoadResult r = decodeSave(text.str());
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
