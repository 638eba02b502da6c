// SPDX-License-Identifier: GPL-3.0-or-later
// Saving and loading through the game and the file system: the menu's save
// entry, the title's load entry, refusals that leave the game as it was,
// the quit question, and writes that fail for real (full disk, file-size
// limit, read-only directory) without harming the previous save.
#include "data/game_screen.h"
#include "data/growth_record.h"
#include "data/quit.h"
#include "data/save_file.h"
#include "runtime/files.h"
#include "tests/game_driver.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace vermona {
namespace {

using test::readFile;
using test::WorkDir;
using test::writeFile;

namespace fs = std::filesystem;

// The names in dir, sorted.
std::string listing(const fs::path &dir) {
    std::vector<std::string> names;
    for (const auto &e : fs::directory_iterator(dir)) {
        names.push_back(e.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    std::string out;
    for (const auto &n : names) {
        out += (out.empty() ? "" : " ") + n;
    }
    return out;
}

// Runs body in a forked child and returns what it reported; limits and
// mounts set up there die with it.
std::string inChild(const std::function<std::string()> &body) {
    int fds[2];
    if (::pipe(fds) != 0) {
        return "pipe failed";
    }
    pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        std::string report;
        try {
            report = body();
        } catch (const std::exception &e) {
            report = std::string("exception: ") + e.what();
        }
        ssize_t unused = ::write(fds[1], report.data(), report.size());
        (void)unused;
        ::_exit(0);
    }
    ::close(fds[1]);
    std::string report;
    char buf[512];
    for (ssize_t n; (n = ::read(fds[0], buf, sizeof buf)) > 0;) {
        report.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (!WIFEXITED(status)) {
        report += " (child died)";
    }
    return report;
}

// In the child: a private tmpfs of the given size at dir, or a reason why not.
std::string mountTmpfs(const fs::path &dir, const char *options) {
    if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount("tmpfs", dir.c_str(), "tmpfs", 0, options) != 0) {
        return std::string("skip: cannot mount a tmpfs here: ") + std::strerror(errno);
    }
    return {};
}

struct SaveGameTest : ::testing::Test, test::GameDriver {
    void SetUp() override { start(); }
    const test::QueuePorts::Box &lastBox() { return ports.boxes.back(); }
};

TEST_F(SaveGameTest, SaveWritesTheEncodedStateStaysOnTheMenuAndRepeatsExactly) {
    newGame("Command1", "Command3");
    s.money = 12345;
    s.fatigue = -3;
    s.herbs = 4;
    int reseeds = ports.reseeds;
    choose("Form3", "save");
    EXPECT_EQ(lastBox().prompt, "セーブを完了しました");
    EXPECT_EQ(lastBox().title, "ヴェルモナ");
    EXPECT_EQ(lastBox().style, kOkOnly);
    EXPECT_EQ(ports.reseeds, reseeds); // no tick
    ASSERT_NE(game.find("Form3"), nullptr);
    EXPECT_TRUE(game.find("Form3")->visible());
    const std::string first = readFile(kSaveFileName);
    EXPECT_EQ(first, encodeSave(saveValuesOf(s)).text);
    // The growth record beside the save, the menu's resume point, and no
    // temporary left behind.
    EXPECT_EQ(listing(dir.path()), "growth_record.csv resume.sav resume_record.csv savedate.sav");
    choose("Form3", "save");
    EXPECT_EQ(readFile(kSaveFileName), first);
}

TEST_F(SaveGameTest, LoadRestoresTheSavedGameAndTicksOnIt) {
    SaveValues v{};
    v[0] = 11;   // strength
    v[6] = -5;   // fatigue: the tick raises it to 0
    v[13] = 777; // money
    v[14] = 4;   // week
    v[15] = 12;  // month
    v[16] = 3;   // year
    v[17] = 2;   // element
    v[31] = 0;   // daysToTournament: left alone by the tick
    v[32] = 6;   // entrants
    v[34] = -9;  // saveSpare1
    writeFile(kSaveFileName, encodeSave(v).text);
    ports.fractions = {0.1}; // weekRoll 11: one more entrant
    choose("Form1", "help");
    ASSERT_FALSE(ports.boxes.empty());
    EXPECT_EQ(lastBox().prompt, "ロード終了");
    EXPECT_EQ(lastBox().title, "ヴェルモナ");
    EXPECT_EQ(game.find("Form1"), nullptr);
    ASSERT_NE(game.find("Form3"), nullptr);
    EXPECT_EQ(s.strength, 11);
    EXPECT_EQ(s.money, 777);
    EXPECT_EQ(s.fatigue, 0);
    EXPECT_EQ(s.entrants, 7);
    EXPECT_EQ(s.daysToTournament, 0);
    EXPECT_EQ(s.saveSpare1, -9);
    EXPECT_EQ(s.weekRoll, 11);
    EXPECT_EQ(s.matchRound, 0);
    EXPECT_FALSE(s.fireMagicLevel.empty()); // loaded as 0, no longer empty
    EXPECT_EQ(caption("Form3", "Label11"), "3年目");
    EXPECT_EQ(caption("Form3", "Label12"), "12月4週目");
    EXPECT_EQ(caption("Form3", "Label14"), "水");
}

TEST_F(SaveGameTest, EditedLineEndsTheProgramWithItsTitle) {
    auto text = encodeSave(SaveValues{}).text;
    for (auto [line, title] : {std::pair{5, "ロード5"}, std::pair{30, "ロード21"}}) {
        auto edited = text;
        std::size_t at = 0;
        for (int i = 1; i < line; ++i) {
            at = edited.find('\n', at) + 1;
        }
        edited[at] = edited[at] == '9' ? '8' : static_cast<char>(edited[at] + 1);
        writeFile(kSaveFileName, edited + "garbage after\n");
        test::GameDriver again(dir.path()); // the load ends its program
        again.start();
        again.choose("Form1", "help");
        ASSERT_EQ(again.ports.boxes.size(), 1U);
        EXPECT_EQ(again.ports.boxes[0].prompt, "データの変更はしないようにして下さい！");
        EXPECT_EQ(again.ports.boxes[0].title, title);
        EXPECT_TRUE(again.game.ended());
        EXPECT_TRUE(again.game.screens().empty());
    }
}

TEST_F(SaveGameTest, UnreadableFilesAreRefusedAndTheGameIsUntouched) {
    s.strength = 42; // anything: must survive the refused loads
    s.answer.clear();
    auto good = encodeSave(SaveValues{}).text;
    struct Case {
        std::function<void()> prepare;
        std::string reason;
    };
    const Case cases[] = {
        {[] {}, "savedate.sav がありません。"},
        {[] { fs::create_directory(kSaveFileName); }, "savedate.sav を開けません。"},
        {[] { ::mkfifo(kSaveFileName, 0600); }, "savedate.sav を開けません。"}, // must not hang
        {[] { writeFile(kSaveFileName, ""); }, "savedate.sav が空です。"},
        {[&] { writeFile(kSaveFileName, good.substr(0, good.find('\n', good.size() / 2) + 1)); },
         "行目がありません"},
        {[&] { writeFile(kSaveFileName, "x\n" + good); }, "1行目が数値ではありません。"},
        {[&] { writeFile(kSaveFileName, "1e999\n" + good); }, "1行目が数値ではありません。"},
        {[&] { writeFile(kSaveFileName, "99999999999999999999\n" + good); }, "1行目の数値が大きすぎます。"},
        {[&] { writeFile(kSaveFileName, std::string(2 << 20, ' ')); }, "savedate.sav が大きすぎます。"},
        {[&] { writeFile(kSaveFileName, good + good); }, "余分なデータ"},
    };
    for (const auto &c : cases) {
        std::error_code ec;
        fs::remove_all(kSaveFileName, ec);
        c.prepare();
        ports.boxes.clear();
        choose("Form1", "help");
        ASSERT_EQ(ports.boxes.size(), 1U) << c.reason;
        EXPECT_EQ(lastBox().title, "ヴェルモナ");
        EXPECT_EQ(lastBox().prompt.rfind("セーブデータを読み込めませんでした。\n", 0), 0U)
            << lastBox().prompt;
        EXPECT_NE(lastBox().prompt.find(c.reason), std::string::npos) << lastBox().prompt;
        EXPECT_FALSE(game.ended());
        ASSERT_NE(game.find("Form1"), nullptr);
        EXPECT_TRUE(game.find("Form1")->visible());
        EXPECT_EQ(s.strength, 42);
        EXPECT_TRUE(s.answer.empty());
        EXPECT_TRUE(s.year.empty());
    }
    // The player can still try again with a good file, or start anew.
    fs::remove_all(kSaveFileName);
    writeFile(kSaveFileName, good);
    choose("Form1", "help");
    EXPECT_EQ(lastBox().prompt, "ロード終了");
    EXPECT_EQ(s.strength, 0);
}

TEST_F(SaveGameTest, NewGameStillStartsAfterARefusedLoad) {
    choose("Form1", "help");
    newGame("Command1", "Command3");
    ASSERT_NE(game.find("Form3"), nullptr);
    EXPECT_EQ(s.strength, 11);
}

TEST_F(SaveGameTest, ValueBeyondTheSavedRangeIsRefusedAndTheOldSaveKept) {
    newGame("Command1", "Command3");
    choose("Form3", "save");
    const std::string old = readFile(kSaveFileName);
    s.money = kSaveMax + 1;
    choose("Form3", "save");
    EXPECT_EQ(lastBox().title, "ヴェルモナ");
    EXPECT_EQ(lastBox().prompt.rfind("セーブできませんでした。\n", 0), 0U);
    EXPECT_EQ(readFile(kSaveFileName), old);
    EXPECT_TRUE(game.find("Form3")->visible());
}

TEST_F(SaveGameTest, QuitAsksOnlyWhenProgressIsUnsaved) {
    // Nothing under way on the title or during set-up.
    EXPECT_TRUE(confirmQuit(game));
    click("Form1", "Command1");
    EXPECT_TRUE(confirmQuit(game));
    EXPECT_TRUE(ports.boxes.empty());
    for (int i = 0; i < 10; ++i) {
        click("Form2", "Command1");
    }
    click("Form10", "Command3");
    // A new game on the menu, never saved: asked; No keeps playing.
    ports.answers = {kNo, kYes};
    EXPECT_FALSE(confirmQuit(game));
    EXPECT_EQ(lastBox().prompt, "セーブしていません。終了しますか？");
    EXPECT_EQ(lastBox().title, "ヴェルモナ");
    EXPECT_EQ(lastBox().style, kYesNo | kDefaultNo) << "Enter keeps the game running";
    EXPECT_TRUE(confirmQuit(game));
    // Saved: no question until a saved value changes.
    choose("Form3", "save");
    std::size_t boxes = ports.boxes.size();
    s.weekRoll = 99; // not saved, so no progress lost
    EXPECT_TRUE(confirmQuit(game));
    EXPECT_EQ(ports.boxes.size(), boxes);
    s.money += 10;
    ports.answers = {kYes};
    EXPECT_TRUE(confirmQuit(game));
    EXPECT_EQ(ports.boxes.size(), boxes + 1);
    // A failed save does not count as saved.
    s.money = kSaveMax + 1;
    choose("Form3", "save");
    ports.answers = {kNo};
    EXPECT_FALSE(confirmQuit(game));
}

TEST_F(SaveGameTest, QuitRightAfterALoadDoesNotAsk) {
    SaveValues v{};
    v[14] = v[15] = v[16] = 1; // a calendar the tick leaves alone
    v[31] = 20;
    writeFile(kSaveFileName, encodeSave(v).text);
    ports.fractions = {0.9}; // no new entrant
    choose("Form1", "help");
    ASSERT_NE(game.find("Form3"), nullptr);
    std::size_t boxes = ports.boxes.size();
    EXPECT_TRUE(confirmQuit(game));
    EXPECT_EQ(ports.boxes.size(), boxes);
}

// ---- failing writes ---------------------------------------------------------

TEST(SaveFileWrite, ReplacesTheFileAndCleansUpAfterAFailedRename) {
    WorkDir dir;
    ASSERT_EQ(writeFileAtomically(kSaveFileName, "old\n"), 0);
    ASSERT_EQ(writeFileAtomically(kSaveFileName, "new\n"), 0);
    EXPECT_EQ(readFile(kSaveFileName), "new\n");
    EXPECT_EQ(listing(dir.path()), kSaveFileName);
    // A directory in the way: the rename fails and the temporary goes.
    fs::remove(kSaveFileName);
    fs::create_directories(fs::path(kSaveFileName) / "x");
    EXPECT_NE(writeFileAtomically(kSaveFileName, "new\n"), 0);
    EXPECT_EQ(listing(dir.path()), kSaveFileName);
}

// A save killed between writing and renaming leaves its temporary behind;
// the next save or load takes it away, but only a dead writer's, and nothing
// named otherwise.
TEST(SaveFileWrite, LeftoversOfDeadWritersGoOnTheNextSaveAndLoad) {
    WorkDir dir;
    pid_t dead = ::fork();
    if (dead == 0) {
        ::_exit(0);
    }
    ASSERT_GT(dead, 0);
    ::waitpid(dead, nullptr, 0);
    const std::string base = kSaveFileName;
    const std::string deadTmp = base + "." + std::to_string(dead) + "-0.tmp";
    const std::string liveTmp = base + "." + std::to_string(::getppid()) + "-3.tmp";
    const std::vector<std::string> others = {base + "." + std::to_string(dead) + "-x.tmp", base + ".bak",
                                             "other.sav." + std::to_string(dead) + "-0.tmp"};
    auto leave = [&] {
        for (const auto &name : others) {
            std::ofstream(name) << "keep";
        }
        std::ofstream(deadTmp) << "half";
        std::ofstream(liveTmp) << "busy";
    };
    leave();
    ASSERT_EQ(writeFileAtomically(base, "new\n"), 0);
    EXPECT_FALSE(fs::exists(deadTmp));
    EXPECT_TRUE(fs::exists(liveTmp));
    for (const auto &name : others) {
        EXPECT_TRUE(fs::exists(name)) << name;
    }
    leave();
    (void)loadSaveFile(base);
    EXPECT_FALSE(fs::exists(deadTmp));
    EXPECT_TRUE(fs::exists(liveTmp));
    EXPECT_EQ(readFile(base), "new\n");
}

// The file-size limit makes write() fail with EFBIG part-way, as a full
// disk would; the old save must come through unchanged.
TEST(SaveFileWrite, FileSizeLimitKeepsTheOldSave) {
    WorkDir dir;
    const std::string old = encodeSave(SaveValues{}).text;
    ASSERT_EQ(writeFileAtomically(kSaveFileName, old), 0);
    std::string report = inChild([] {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{64, 64};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        return test::runScript(test::newGameScript() + "set money 5\nmenu Form3.save\nscreens\n");
    });
    EXPECT_NE(report.find("box \"ヴェルモナ\" \"セーブできませんでした。\\n"), std::string::npos) << report;
    EXPECT_NE(report.find("ディスクの空きが足りません。\\n前のセーブデータは変更されていません。"),
              std::string::npos)
        << report;
    EXPECT_NE(report.find("screens: Form3\n"), std::string::npos) << report;
    EXPECT_EQ(readFile(kSaveFileName), old);
    EXPECT_EQ(listing(dir.path()), kSaveFileName);
    // And directly: the errno of the failed step comes back.
    report = inChild([] {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{16, 16};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        return std::to_string(writeFileAtomically(kSaveFileName, std::string(100, '1')));
    });
    EXPECT_EQ(report, std::to_string(EFBIG));
    EXPECT_EQ(readFile(kSaveFileName), old);
    EXPECT_EQ(listing(dir.path()), kSaveFileName);
}

// The save fits under the file-size limit but the growth record of twenty
// weeks does not: a save without its record would cost the record its
// weeks at the next load, so neither is written and the player is told.
TEST(SaveFileWrite, ARecordThatCannotBeWrittenKeepsTheOldSaveAndRecord) {
    WorkDir dir;
    const std::string old = encodeSave(SaveValues{}).text;
    writeFile(kSaveFileName, old);
    writeFile(kRecordFileName, "an older record");
    std::string script = test::newGameScript();
    for (int i = 0; i < 20; ++i) {
        script += "click Form3.Command1\nclick Form4.Command1\n";
    }
    std::string report = inChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{600, 600};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        return test::runScript(script + "menu Form3.save\nscreens\n");
    });
    EXPECT_NE(
        report.find("\"セーブできませんでした。\\n成長の記録（growth_record.csv）を書き込めませんでした。"
                    "ディスクの空きが足りません。\\n前のセーブデータは変更されていません。\" 0"),
        std::string::npos)
        << report;
    EXPECT_NE(report.find("screens: Form3\n"), std::string::npos) << report;
    EXPECT_EQ(readFile(kSaveFileName), old);
    EXPECT_EQ(readFile(kRecordFileName), "an older record");
    EXPECT_EQ(listing(dir.path()), "growth_record.csv savedate.sav");
}

// Real file systems that refuse the save: a one-page tmpfs that the old save
// fills, and a read-only mount (root ignores permission bits).
TEST(SaveFileWrite, AFullOrReadOnlyFileSystemKeepsTheOldSave) {
    struct Case {
        const char *what;
        const char *options;
        bool readOnly;
        const char *reason;
        int err; // of writing the old save once more
    };
    const Case cases[] = {
        {"full disk", "size=4k", false, "ディスクの空きが足りません。", ENOSPC},
        {"read-only", "size=64k", true, "保存先に書き込めません。", EROFS},
    };
    std::string skipped;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        WorkDir dir;
        fs::create_directory("mnt");
        const fs::path mnt = dir.path() / "mnt";
        std::string report = inChild([&] {
            if (std::string why = mountTmpfs(mnt, c.options); !why.empty()) {
                return why;
            }
            fs::current_path(mnt);
            const std::string old = encodeSave(SaveValues{}).text;
            if (int err = writeFileAtomically(kSaveFileName, old); err != 0) {
                return "first save failed: " + std::to_string(err);
            }
            if (c.readOnly && ::mount(nullptr, mnt.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0) {
                return std::string("skip: cannot remount read-only: ") + std::strerror(errno);
            }
            std::string out = test::runScript(test::newGameScript() + "menu Form3.save\nscreens\n");
            out += "errno " + std::to_string(writeFileAtomically(kSaveFileName, old)) + "\n";
            out += readFile(kSaveFileName) == old ? "old intact\n" : "old changed\n";
            out += "files " + listing(".") + "\n";
            return out;
        });
        if (report.rfind("skip:", 0) == 0) {
            skipped += std::string(c.what) + ": " + report + "\n";
            continue;
        }
        EXPECT_NE(report.find("box \"ヴェルモナ\" \"セーブできませんでした。\\n"), std::string::npos)
            << report;
        EXPECT_NE(report.find(c.reason), std::string::npos) << report;
        EXPECT_NE(report.find("screens: Form3\n"), std::string::npos) << report;
        EXPECT_NE(report.find("errno " + std::to_string(c.err) + "\n"), std::string::npos) << report;
        EXPECT_NE(report.find("old intact\nfiles savedate.sav\n"), std::string::npos) << report;
    }
    if (!skipped.empty()) {
        GTEST_SKIP() << skipped;
    }
}

} // namespace
} // namespace vermona
