// SPDX-License-Identifier: GPL-3.0-or-later
// The player's ten slots: the list's buttons with their questions, the slot
// a game belongs to (which セーブ(S) and the resume point follow), and the
// list's rows whatever the files hold.
#include "data/quit.h"
#include "data/save_game.h"
#include "data/save_slots.h"
#include "tests/game_driver.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace vermona {
namespace {

namespace fs = std::filesystem;
using test::readFile;
using test::writeFile;

constexpr int kAsk = kYesNo | kQuestion | kDefaultNo;

struct SlotsTest : ::testing::Test, test::GameDriver {
    // One of the list's buttons, answered from the queue.
    bool press(bool (*button)(Game &, int), int slot, std::deque<int> answers = {}) {
        ports.answers = std::move(answers);
        bool done = false;
        game.dispatch([&] { done = button(game, slot); });
        return done;
    }
    void restAWeek() {
        click("Form3", "Command1");
        click("Form4", "Command1");
    }
    [[nodiscard]] const test::QueuePorts::Box &lastBox() const { return ports.boxes.back(); }
    [[nodiscard]] std::string saved() { return encodeSave(saveValuesOf(s)).text; }
};

TEST_F(SlotsTest, SavingGoesToTheGamesSlotAndAsksBeforeOverwritingAnotherGame) {
    writeFile(kSaveFileName, encodeSave(SaveValues{}).text); // an older hero
    newGame();
    const std::string older = readFile(kSaveFileName);
    EXPECT_FALSE(press(&saveToSlot, 1, {kNo}));
    EXPECT_EQ(lastBox().prompt, "スロット1には別のゲームがセーブされています。上書きしますか？");
    EXPECT_EQ(lastBox().style, kAsk);
    EXPECT_EQ(readFile(kSaveFileName), older);

    const std::size_t boxes = ports.boxes.size();
    EXPECT_TRUE(press(&saveToSlot, 3)); // empty: no question
    EXPECT_EQ(ports.boxes.size(), boxes + 1);
    EXPECT_EQ(lastBox().prompt, "セーブを完了しました");
    EXPECT_EQ(readFile("savedate3.sav"), saved());
    // From now on セーブ(S) saves there, and the list saves there without asking.
    restAWeek();
    choose("Form3", "save");
    EXPECT_EQ(readFile("savedate3.sav"), saved());
    restAWeek();
    EXPECT_TRUE(press(&saveToSlot, 3));
    EXPECT_EQ(readFile("savedate3.sav"), saved());
    EXPECT_EQ(readFile(kSaveFileName), older);
    // The record goes with it and names its slot; slot 1's never does.
    const auto record = parseRecordFile(readFile("growth_record3.csv"));
    ASSERT_TRUE(record && record->link);
    EXPECT_EQ(record->record, game.store<GrowthRecord>());
    EXPECT_EQ(record->link->playerSlot, 3);
    EXPECT_TRUE(press(&saveToSlot, 1, {kYes}));
    const std::string text = readFile(kRecordFileName);
    const std::size_t from = text.find('\n') + 1;
    const std::string link = text.substr(from, text.find('\n', from) - from);
    EXPECT_TRUE(link.ends_with(std::string(10, ','))) << link;
}

// A slot loads as "ロード" loads slot 1; during a game it starts afresh,
// after asking when progress is unsaved.
TEST_F(SlotsTest, LoadingASlotIsLoadingAsDesigned) {
    SaveValues v{};
    v[0] = 11;  // strength
    v[31] = 20; // daysToTournament
    writeFile("savedate4.sav", encodeSave(v).text);
    std::string edited = encodeSave(v).text;
    edited.insert(edited.find('\n', edited.find('\n') + 1), "1"); // line 2 no longer whole
    writeFile("savedate6.sav", edited);
    start();
    EXPECT_TRUE(press(&loadFromSlot, 4));
    EXPECT_EQ(prompts(), std::vector<std::string>{"ロード終了"});
    EXPECT_EQ(screens(), std::vector<std::string>{"Form3"});
    restAWeek();
    choose("Form3", "save");
    EXPECT_EQ(readFile("savedate4.sav"), saved());
    EXPECT_FALSE(fs::exists(kSaveFileName));

    const GameState atSave = s;
    const GrowthRecord recordAtSave = game.store<GrowthRecord>();
    restAWeek();
    s.heroAttack = 99; // a battle's value, never saved
    const auto playing = test::allVars(s);
    EXPECT_FALSE(press(&loadFromSlot, 4, {kNo}));
    EXPECT_EQ(test::allVars(s), playing);
    ports.fractions = {0.9}; // no new entrant
    EXPECT_TRUE(press(&loadFromSlot, 4, {kYes}));
    EXPECT_EQ(lastBox().prompt, "ロード終了");
    EXPECT_EQ(screens(), std::vector<std::string>{"Form3"});
    EXPECT_TRUE(s.heroAttack.empty());
    EXPECT_EQ(saveValuesOf(s), saveValuesOf(atSave));
    EXPECT_EQ(game.store<GrowthRecord>(), recordAtSave);

    test::GameDriver again(dir.path());
    again.start();
    again.game.dispatch([&] { loadFromSlot(again.game, 6); });
    EXPECT_EQ(again.ports.boxes.back().title, "ロード2");
    EXPECT_EQ(again.ports.boxes.back().prompt, "データの変更はしないようにして下さい！");
    EXPECT_TRUE(again.game.ended());
}

TEST_F(SlotsTest, DeletingTakesTheSaveWithItsRecordAndTheResumePointKeepsTheSlot) {
    newGame();
    press(&saveToSlot, 8);
    EXPECT_FALSE(press(&deleteSlot, 8, {kNo}));
    EXPECT_TRUE(fs::exists("savedate8.sav"));
    EXPECT_TRUE(press(&deleteSlot, 8, {kYes}));
    EXPECT_FALSE(fs::exists("savedate8.sav"));
    EXPECT_FALSE(fs::exists("growth_record8.csv"));
    EXPECT_TRUE(hasUnsavedProgress(game)) << "what the game had saved is gone";

    // A game cut short right after saving into a slot goes on in that slot.
    press(&saveToSlot, 6);
    test::GameDriver next(dir.path());
    next.ports.answers = {kYes};
    next.start();
    next.click("Form1", "Command1");
    EXPECT_EQ(next.game.store<SaveRecord>().slot, 6);
    EXPECT_FALSE(hasUnsavedProgress(next.game));
    next.click("Form3", "Command1");
    next.click("Form4", "Command1");
    next.choose("Form3", "save");
    EXPECT_EQ(readFile("savedate6.sav"), encodeSave(saveValuesOf(next.s)).text);
    EXPECT_FALSE(fs::exists(kSaveFileName));
}

// Each row tells what loading the slot would show, or why it cannot; a
// slot that does not load never ends the program by being listed.
TEST_F(SlotsTest, TheListShowsWhatTheMenuWouldAndWhatCannotBeLoaded) {
    SaveValues v{};
    v[0] = 7;     // strength
    v[3] = 4;     // stamina: HP 40
    v[13] = 2500; // money
    v[14] = 5;    // week 5 of month 12: the menu shows the next year's first week
    v[15] = 12;   // month
    v[16] = 1;    // year
    v[17] = 3;    // element
    writeFile("savedate2.sav", encodeSave(v).text);
    writeFile("savedate3.sav", "1" + encodeSave(v).text); // line 1 no longer whole
    fs::create_directory("savedate4.sav");
    start();
    const std::vector<SlotSummary> rows = readSlots();
    ASSERT_EQ(rows.size(), 10U);
    for (const auto &[number, text] : std::vector<std::pair<int, std::string>>{
             {1, "空き"}, {3, "変更されたデータ"}, {4, "読み込めないデータ"}}) {
        EXPECT_EQ(slotCell(rows[number - 1], kSlotDate).japanese(), text) << number;
        EXPECT_TRUE(slotCell(rows[number - 1], kSlotAttack).empty());
    }
    EXPECT_FALSE(game.ended());
    EXPECT_TRUE(ports.boxes.empty());

    press(&loadFromSlot, 2);
    const auto cell = [&](int column) { return slotCell(rows[1], column).japanese(); };
    EXPECT_EQ(cell(kSlotDate), "2年目 1月1週目");
    EXPECT_EQ(cell(kSlotDate), caption("Form3", "Label11") + " " + caption("Form3", "Label12"));
    const std::vector<std::pair<int, const char *>> shown = {
        {kSlotElement, "Label14"}, {kSlotAttack, "Label18"}, {kSlotDefense, "Label19"},
        {kSlotSpeed, "Label20"},   {kSlotHp, "Label21"},     {kSlotIntellect, "Label22"},
        {kSlotMp, "Label23"},      {kSlotMoney, "Label10"}};
    for (const auto &[column, label] : shown) {
        EXPECT_EQ(cell(column), caption("Form3", label)) << label;
    }
}

} // namespace
} // namespace vermona
