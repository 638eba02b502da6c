// SPDX-License-Identifier: GPL-3.0-or-later
#include "activities/activity_screens.h"
#include "activities/activity_table.h"
#include "activities/magic_lesson.h"
#include "data/game_screen.h"

#include <string>
#include <utility>

namespace vermona {

namespace {

constexpr const char *kResultTitle = "ヴェルモナ結果";

class ScheduleScreen : public GameScreen {
public:
    explicit ScheduleScreen(Game &g) : GameScreen(g, ids::kSchedule, "予定", 6990, 3780, 0x00FFFF) {}

    // clang-format off
    Control &Label1 = label("Label1", "この中から選んで下さい", 360, 240, 4575, 495).points(18);
    Control &Command1 = choice("Command1", "休む", 360, 1200, 0xFFFF00).onClick([this] { Command1_Click(); });
    Control &Command2 = choice("Command2", "勉強", 360, 1920, 0x0000FF).onClick([this] { Command2_Click(); });
    Control &Command3 = choice("Command3", "筋トレ", 360, 2640, 0x00FF00).onClick([this] { Command3_Click(); });
    Control &Command4 = choice("Command4", "マラソン", 1680, 1200, 0xFFFF00).onClick([this] { Command4_Click(); });
    Control &Command5 = choice("Command5", "精神統一", 1680, 1920, 0x0000FF).onClick([this] { Command5_Click(); });
    Control &Command6 = choice("Command6", "ダッシュ", 1680, 2640, 0x00FF00).onClick([this] { Command6_Click(); });
    Control &Command7 = choice("Command7", "土木作業", 3000, 1200, 0xFFFF00).onClick([this] { Command7_Click(); });
    Control &Command8 = choice("Command8", "郵便配達", 3000, 1920, 0x0000FF).onClick([this] { Command8_Click(); });
    Control &Command9 = choice("Command9", "家庭教師", 3000, 2640, 0x00FF00).onClick([this] { Command9_Click(); });
    Control &Command10 = choice("Command10", "警備", 4200, 1200, 0xFFFF00).onClick([this] { Command10_Click(); });
    Control &Command11 = choice("Command11", "時計修理", 4200, 1920, 0x0000FF).onClick([this] { Command11_Click(); });
    Control &Command12 = choice("Command12", "修行の旅", 4200, 2640, 0x00FF00).onClick([this] { Command12_Click(); });
    Control &Command13 = choice("Command13", "町へ", 5400, 1200, 0xFFFF00).onClick([this] { Command13_Click(); });
    Control &Command14 = choice("Command14", "戻る", 5400, 1920, 0x0000FF).onClick([this] { Command14_Click(); });
    // clang-format on

    // What each activity gives and costs, and how likely a week of it is lost
    // at the hero's fatigue now; the journey's cost and time.
    void Form_Load() override {
        for (const Activity &a : activities()) {
            find(a.control)->setTip(activityTip(a, s.fatigue.get()));
        }
        Command12.setTip(journeyTip());
    }

    // Rest and the ten activities that a tired hero may fail at, each as the
    // activity table has it.
    void Command1_Click() { spendWeek(activities()[0]); }
    void Command2_Click() { spendWeek(activities()[1]); }
    void Command3_Click() { spendWeek(activities()[2]); }
    void Command4_Click() { spendWeek(activities()[3]); }
    void Command5_Click() { spendWeek(activities()[4]); }
    void Command6_Click() { spendWeek(activities()[5]); }
    void Command7_Click() { spendWeek(activities()[6]); }
    void Command8_Click() { spendWeek(activities()[7]); }
    void Command9_Click() { spendWeek(activities()[8]); }
    void Command10_Click() { spendWeek(activities()[9]); }
    void Command11_Click() { spendWeek(activities()[10]); }

    // The ways out let no time pass.
    void Command12_Click() { changeTo(ids::kJourney); }
    void Command13_Click() { changeTo(ids::kTown); }
    void Command14_Click() { changeTo(ids::kMainMenu); }

private:
    // One button of the grid; each row of the grid has its own colour.
    Control &choice(std::string name, const Text &caption, int left, int top, Rgb rgb) {
        return button(std::move(name), caption, left, top, 975, 495).background(rgb);
    }

    // Every training and job: a fresh roll against fatigue decides whether the
    // week is spent on the activity or lost to rest. Rest itself draws
    // nothing. The box comes first so that the menu shown afterwards sees the
    // changes.
    void spendWeek(const Activity &a) {
        if (!a.canBeTooTired) {
            game_.msgBox(a.message, kOkOnly, kResultTitle);
            s.fatigue += a.fatigue;
        } else if (s.weekRoll = game_.roll(100, 1); s.weekRoll <= s.fatigue - 10) {
            game_.msgBox("疲れがたまりすぎて休んだ！", kOkOnly, kResultTitle);
            s.fatigue -= 10;
        } else {
            game_.msgBox(a.message, kOkOnly, kResultTitle);
            for (const AbilityChange &g : a.gains) {
                s.*g.ability += g.amount;
            }
            s.fatigue += a.fatigue;
            s.money += a.pay;
        }
        s.week += 1;
        s.daysToTournament -= 1;
        // The menu's load folds the week, clamps fatigue and redraws the countdown.
        changeTo(ids::kMainMenu);
    }
};

} // namespace

std::unique_ptr<Screen> makeScheduleScreen(Game &game) { return std::make_unique<ScheduleScreen>(game); }

} // namespace vermona
