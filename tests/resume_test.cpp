// SPDX-License-Identifier: GPL-3.0-or-later
// The resume point: written each time the menu shows, offered by "開始",
// and gone after a normal end.
#include "data/quit.h"
#include "data/save_game.h"
#include "tests/game_driver.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace vermona {
namespace {

namespace fs = std::filesystem;

struct ResumeTest : ::testing::Test, test::GameDriver {
    // A game three weeks on, as a program that then died would leave it.
    GameState played() {
        newGame();
        for (int i = 0; i < 2; ++i) {
            click("Form3", "Command1");
            click("Form4", "Command1"); // rest
        }
        return s;
    }
};

TEST_F(ResumeTest, TheMenuWritesWhereItStandsAndNeverThePlayersSave) {
    const GameState at = played();
    EXPECT_FALSE(fs::exists(kSaveFileName));
    const LoadResult resume = loadSaveFile(kResumeSlot.save);
    ASSERT_TRUE(resume.ok());
    EXPECT_EQ(resume.values, saveValuesOf(at));
    EXPECT_EQ(caption("Form3", "Label12"), "1月3週目");
}

// What "開始" does with a resume point, by the answer and the file.
TEST_F(ResumeTest, StartOffersTheResumePointAndGivesWayToANewGame) {
    const GameState at = played();
    const std::string resume = test::readFile(kResumeSlot.save);
    const std::string record = test::readFile(kResumeSlot.record);
    const std::string edited = "9.17" + resume.substr(resume.find('\n')); // line 1 no longer whole
    const std::string question = "ヴェルモナ: 前回の続きから再開しますか？";
    struct Case {
        const char *what;
        int answer;
        std::string file;
        std::vector<std::string> boxes; // after the question
        const char *screen;
    };
    const Case cases[] = {
        {"yes", kYes, resume, {"ヴェルモナ: ロード終了"}, "Form3"},
        {"no", kNo, resume, {}, "Form2"},
        {"damaged",
         kYes,
         "x\n" + resume,
         {"ヴェルモナ: セーブデータを読み込めませんでした。\n1行目が数値ではありません。"},
         "Form2"},
        {"edited", kYes, edited, {"ロード1: データの変更はしないようにして下さい！"}, "Form2"},
    };
    test::writeFile(kSaveFileName, "the player's own save");
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        test::writeFile(kResumeSlot.save, c.file);
        test::writeFile(kResumeSlot.record, record);
        test::GameDriver next(dir.path());
        next.ports.answers = {c.answer};
        next.start();
        next.click("Form1", "Command1");
        std::vector<std::string> boxes;
        for (const auto &b : next.ports.boxes) {
            boxes.push_back(b.title + ": " + b.prompt);
        }
        ASSERT_FALSE(boxes.empty());
        EXPECT_EQ(boxes.front(), question);
        EXPECT_EQ(next.ports.boxes.front().style, kYesNo | kQuestion);
        EXPECT_EQ(std::vector<std::string>(boxes.begin() + 1, boxes.end()), c.boxes);
        EXPECT_EQ(next.screens(), std::vector<std::string>{c.screen});
        EXPECT_FALSE(next.game.ended());
        EXPECT_EQ(test::readFile(kSaveFileName), "the player's own save");
        if (c.answer == kYes && std::string(c.screen) == "Form3") {
            // Exactly where the menu stood, its record included; the
            // player's save is not this game's, so leaving asks first.
            EXPECT_EQ(saveValuesOf(next.s), saveValuesOf(at));
            EXPECT_EQ(next.game.store<GrowthRecord>(), game.store<GrowthRecord>());
            next.ports.answers = {kNo};
            EXPECT_FALSE(confirmQuit(next.game));
        } else {
            EXPECT_FALSE(fs::exists(kResumeSlot.save)) << "a new game: nothing to resume";
        }
    }
}

// A normal end takes away the resume point the run wrote, and only that.
TEST_F(ResumeTest, ANormalEndRemovesOnlyTheResumePointItWrote) {
    test::writeFile(kResumeSlot.save, "from a run that died");
    EXPECT_EQ(test::runScript("screens\n"), "screens: Form1\nexit 0\n");
    EXPECT_TRUE(fs::exists(kResumeSlot.save));
    fs::remove(kResumeSlot.save);
    test::runScript(test::newGameScript());
    EXPECT_FALSE(fs::exists(kResumeSlot.save));
    EXPECT_FALSE(fs::exists(kResumeSlot.record));
}

} // namespace
} // namespace vermona
