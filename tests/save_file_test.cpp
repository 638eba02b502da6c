// Saving and loading through the game and the file system: the menu's save
// entry, the title's load entry, refusals that leave the game as it was,
// the quit question, and writes that fail for real (full disk, file-size
// limit, read-only directory) without harming the previous save.
#include "app/all_screens.h"
#include "data/game_screen.h"
#include "data/growth_record.h"
#include "data/quit.h"
#include "data/save_file.h"
#include "runtime/files.h"
#include "tests/test_support.h"

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
#include <sstream>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace vermona {
namespace {

using test::WorkDir;

namespace fs = std::filesystem;

std::string readFile(const fs::path &p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeFile(const fs::path &p, const std::string &text) { std::ofstream(p, std::ios::binary) << text; }

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

MenuEntry &menu(Game &game, const char *screen, const char *entry) {
    return *game.find(screen)->findMenu(entry);
}

struct SaveGameTest : ::testing::Test {
    WorkDir dir;
    test::QueuePorts ports;
    Game game{ports};

    void SetUp() override {
        registerAllScreens(game);
        game.start(ids::kTitle);
    }
    void newGame() {
        game.click(*game.find("Form1")->find("Command1"));
        for (int i = 0; i < 10; ++i) {
            game.click(*game.find("Form2")->find("Command1"));
        }
        game.click(*game.find("Form10")->find("Command3"));
    }
    const test::QueuePorts::Box &lastBox() { return ports.boxes.back(); }
};

TEST_F(SaveGameTest, SaveWritesTheEncodedStateStaysOnTheMenuAndRepeatsExactly) {
    newGame();
    stateOf(game).money = 12345;
    stateOf(game).fatigue = -3;
    stateOf(game).herbs = 4;
    int reseeds = ports.reseeds;
    game.choose(menu(game, "Form3", "save"));
    EXPECT_EQ(lastBox().prompt, "セーブを完了しました");
    EXPECT_EQ(lastBox().title, "ヴェルモナ");
    EXPECT_EQ(lastBox().style, kOkOnly);
    EXPECT_EQ(ports.reseeds, reseeds); // no tick
    ASSERT_NE(game.find("Form3"), nullptr);
    EXPECT_TRUE(game.find("Form3")->visible());
    const std::string first = readFile(kSaveFileName);
    EXPECT_EQ(first, encodeSave(saveValuesOf(stateOf(game))).text);
    // The growth record beside the save, and no temporary left behind.
    EXPECT_EQ(listing(dir.path()), std::string(kRecordFileName) + " " + kSaveFileName);
    game.choose(menu(game, "Form3", "save"));
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
    game.choose(menu(game, "Form1", "help"));
    ASSERT_FALSE(ports.boxes.empty());
    EXPECT_EQ(lastBox().prompt, "ロード終了");
    EXPECT_EQ(lastBox().title, "ヴェルモナ");
    EXPECT_EQ(game.find("Form1"), nullptr);
    ASSERT_NE(game.find("Form3"), nullptr);
    const GameState &s = stateOf(game);
    EXPECT_EQ(s.strength, 11);
    EXPECT_EQ(s.money, 777);
    EXPECT_EQ(s.fatigue, 0);
    EXPECT_EQ(s.entrants, 7);
    EXPECT_EQ(s.daysToTournament, 0);
    EXPECT_EQ(s.saveSpare1, -9);
    EXPECT_EQ(s.weekRoll, 11);
    EXPECT_EQ(s.matchRound, 0);
    EXPECT_FALSE(s.fireMagicLevel.empty()); // loaded as 0, no longer empty
    EXPECT_EQ(game.find("Form3")->find("Label11")->caption(), "3年目");
    EXPECT_EQ(game.find("Form3")->find("Label12")->caption(), "12月4週目");
    EXPECT_EQ(game.find("Form3")->find("Label14")->caption(), "水");
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
        test::QueuePorts p;
        Game g{p};
        registerAllScreens(g);
        g.start(ids::kTitle);
        g.choose(menu(g, "Form1", "help"));
        ASSERT_EQ(p.boxes.size(), 1U);
        EXPECT_EQ(p.boxes[0].prompt, "データの変更はしないようにして下さい！");
        EXPECT_EQ(p.boxes[0].title, title);
        EXPECT_TRUE(g.ended());
        EXPECT_TRUE(g.screens().empty());
    }
}

TEST_F(SaveGameTest, UnreadableFilesAreRefusedAndTheGameIsUntouched) {
    stateOf(game).strength = 42; // anything: must survive the refused loads
    stateOf(game).answer.clear();
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
        game.choose(menu(game, "Form1", "help"));
        ASSERT_EQ(ports.boxes.size(), 1U) << c.reason;
        EXPECT_EQ(lastBox().title, "ヴェルモナ");
        EXPECT_EQ(lastBox().prompt.rfind("セーブデータを読み込めませんでした。\n", 0), 0U)
            << lastBox().prompt;
        EXPECT_NE(lastBox().prompt.find(c.reason), std::string::npos) << lastBox().prompt;
        EXPECT_FALSE(game.ended());
        ASSERT_NE(game.find("Form1"), nullptr);
        EXPECT_TRUE(game.find("Form1")->visible());
        EXPECT_EQ(stateOf(game).strength, 42);
        EXPECT_TRUE(stateOf(game).answer.empty());
        EXPECT_TRUE(stateOf(game).year.empty());
    }
    // The player can still try again with a good file, or start anew.
    fs::remove_all(kSaveFileName);
    writeFile(kSaveFileName, good);
    game.choose(menu(game, "Form1", "help"));
    EXPECT_EQ(lastBox().prompt, "ロード終了");
    EXPECT_EQ(stateOf(game).strength, 0);
}

TEST_F(SaveGameTest, NewGameStillStartsAfterARefusedLoad) {
    game.choose(menu(game, "Form1", "help"));
    newGame();
    ASSERT_NE(game.find("Form3"), nullptr);
    EXPECT_EQ(stateOf(game).strength, 11);
}

TEST_F(SaveGameTest, ValueBeyondTheSavedRangeIsRefusedAndTheOldSaveKept) {
    newGame();
    game.choose(menu(game, "Form3", "save"));
    const std::string old = readFile(kSaveFileName);
    stateOf(game).money = kSaveMax + 1;
    game.choose(menu(game, "Form3", "save"));
    EXPECT_EQ(lastBox().title, "ヴェルモナ");
    EXPECT_EQ(lastBox().prompt.rfind("セーブできませんでした。\n", 0), 0U);
    EXPECT_EQ(readFile(kSaveFileName), old);
    EXPECT_TRUE(game.find("Form3")->visible());
}

TEST_F(SaveGameTest, QuitAsksOnlyWhenProgressIsUnsaved) {
    // Nothing under way on the title or during set-up.
    EXPECT_TRUE(confirmQuit(game));
    game.click(*game.find("Form1")->find("Command1"));
    EXPECT_TRUE(confirmQuit(game));
    EXPECT_TRUE(ports.boxes.empty());
    for (int i = 0; i < 10; ++i) {
        game.click(*game.find("Form2")->find("Command1"));
    }
    game.click(*game.find("Form10")->find("Command3"));
    // A new game on the menu, never saved: asked; No keeps playing.
    ports.answers = {kNo, kYes};
    EXPECT_FALSE(confirmQuit(game));
    EXPECT_EQ(lastBox().prompt, "セーブしていません。終了しますか？");
    EXPECT_EQ(lastBox().title, "ヴェルモナ");
    EXPECT_EQ(lastBox().style, kYesNo);
    EXPECT_TRUE(confirmQuit(game));
    // Saved: no question until a saved value changes.
    game.choose(menu(game, "Form3", "save"));
    std::size_t boxes = ports.boxes.size();
    stateOf(game).weekRoll = 99; // not saved, so no progress lost
    EXPECT_TRUE(confirmQuit(game));
    EXPECT_EQ(ports.boxes.size(), boxes);
    stateOf(game).money += 10;
    ports.answers = {kYes};
    EXPECT_TRUE(confirmQuit(game));
    EXPECT_EQ(ports.boxes.size(), boxes + 1);
    // A failed save does not count as saved.
    stateOf(game).money = kSaveMax + 1;
    game.choose(menu(game, "Form3", "save"));
    ports.answers = {kNo};
    EXPECT_FALSE(confirmQuit(game));
}

TEST_F(SaveGameTest, QuitRightAfterALoadDoesNotAsk) {
    SaveValues v{};
    v[14] = v[15] = v[16] = 1; // a calendar the tick leaves alone
    v[31] = 20;
    writeFile(kSaveFileName, encodeSave(v).text);
    ports.fractions = {0.9}; // no new entrant
    game.choose(menu(game, "Form1", "help"));
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
    EXPECT_NE(report.find("box \"ヴェルモナ\" \"セーブできませんでした。\\nディスクの空きが足りません。"),
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
// weeks does not: the save is done, the player is told the record is not,
// and the old record, which no longer matches the save, is gone.
TEST(SaveFileWrite, ARecordThatCannotBeWrittenIsSaidAndTheOldOneRemoved) {
    WorkDir dir;
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
        report.find("box \"ヴェルモナ\" \"セーブを完了しました\\n（成長の記録は書き込めませんでした）\" 0"),
        std::string::npos)
        << report;
    EXPECT_NE(report.find("screens: Form3\n"), std::string::npos) << report;
    EXPECT_TRUE(loadSaveFile(kSaveFileName).ok());
    EXPECT_EQ(listing(dir.path()), kSaveFileName);
}

// A real full file system: a one-page tmpfs that the old save fills.
TEST(SaveFileWrite, FullDiskKeepsTheOldSave) {
    WorkDir dir;
    fs::create_directory("disk");
    const fs::path disk = dir.path() / "disk";
    std::string report = inChild([&] {
        if (std::string why = mountTmpfs(disk, "size=4k"); !why.empty()) {
            return why;
        }
        fs::current_path(disk);
        const std::string old = encodeSave(SaveValues{}).text;
        if (int err = writeFileAtomically(kSaveFileName, old); err != 0) {
            return "first save failed: " + std::to_string(err);
        }
        std::string out = test::runScript(test::newGameScript() + "menu Form3.save\nscreens\n");
        out += "errno " + std::to_string(writeFileAtomically(kSaveFileName, old)) + "\n";
        out += readFile(kSaveFileName) == old ? "old intact\n" : "old changed\n";
        out += "files " + listing(".") + "\n";
        return out;
    });
    if (report.rfind("skip:", 0) == 0) {
        GTEST_SKIP() << report;
    }
    EXPECT_NE(report.find("box \"ヴェルモナ\" \"セーブできませんでした。\\nディスクの空きが足りません。"),
              std::string::npos)
        << report;
    EXPECT_NE(report.find("screens: Form3\n"), std::string::npos) << report;
    EXPECT_NE(report.find("errno " + std::to_string(ENOSPC) + "\n"), std::string::npos) << report;
    EXPECT_NE(report.find("old intact\nfiles savedate.sav\n"), std::string::npos) << report;
}

// Root ignores permission bits, so the read-only directory is a read-only
// mount.
TEST(SaveFileWrite, ReadOnlyDirectoryKeepsTheOldSave) {
    WorkDir dir;
    fs::create_directory("ro");
    const fs::path ro = dir.path() / "ro";
    std::string report = inChild([&] {
        if (std::string why = mountTmpfs(ro, "size=64k"); !why.empty()) {
            return why;
        }
        const std::string old = encodeSave(SaveValues{}).text;
        fs::current_path(ro);
        if (int err = writeFileAtomically(kSaveFileName, old); err != 0) {
            return "first save failed: " + std::to_string(err);
        }
        if (::mount(nullptr, ro.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0) {
            return std::string("skip: cannot remount read-only: ") + std::strerror(errno);
        }
        std::string out = test::runScript(test::newGameScript() + "menu Form3.save\nscreens\n");
        out += readFile(kSaveFileName) == old ? "old intact\n" : "old changed\n";
        out += "files " + listing(".") + "\n";
        return out;
    });
    if (report.rfind("skip:", 0) == 0) {
        GTEST_SKIP() << report;
    }
    EXPECT_NE(report.find("box \"ヴェルモナ\" \"セーブできませんでした。\\n保存先に書き込めません。"),
              std::string::npos)
        << report;
    EXPECT_NE(report.find("screens: Form3\n"), std::string::npos) << report;
    EXPECT_NE(report.find("old intact\nfiles savedate.sav\n"), std::string::npos) << report;
}

} // namespace
} // namespace vermona
