// SPDX-License-Identifier: GPL-3.0-or-later
#include "activities/activity_screens.h"
#include "activities/activity_table.h"
#include "activities/magic_lesson.h"
#include "data/game_screen.h"

#include <array>
#include <cstddef>
#include <string>
#include <utility>

namespace vermona {

namespace {

constexpr const char *kResultTitle = "ヴェルモナ結果";

// The grid of buttons: its columns from the left and its rows from the top;
// each row has its own colour.
constexpr std::array<int, 5> kColumns{360, 1680, 3000, 4200, 5400};
constexpr std::array<int, 3> kRows{1200, 1920, 2640};
constexpr std::array<Rgb, 3> kRowColours{0xFFFF00, 0x0000FF, 0x00FF00};

class ScheduleScreen : public GameScreen {
public:
    explicit ScheduleScreen(Game &g) : GameScreen(g, ids::kSchedule, "予定", 6990, 3780, 0x00FFFF) {}

    // clang-format off
    Control &Label1 = label("Label1", "この中から選んで下さい", 360, 240, 4575, 495).points(18);
    // Command1 to Command11: rest, the trainings and the jobs, down the
    // grid's columns in the activity table's order.
    std::array<Control *, kActivityCount> activityButtons = buildActivityButtons();
    Control &Command12 = choice("Command12", "修行の旅", 3, 2).onClick([this] { Command12_Click(); });
    Control &Command13 = choice("Command13", "町へ", 4, 0).onClick([this] { Command13_Click(); });
    Control &Command14 = choice("Command14", "戻る", 4, 1).onClick([this] { Command14_Click(); });
    // clang-format on

    // What each activity gives and costs, and how likely a week of it is lost
    // at the hero's fatigue now; the journey's cost and time.
    void Form_Load() override {
        for (std::size_t k = 0; k < kActivityCount; ++k) {
            activityButtons[k]->setTip(activityTip(activities()[k], s.fatigue.get()));
        }
        Command12.setTip(journeyTip());
    }

    // The ways out let no time pass.
    void Command12_Click() { changeTo(ids::kJourney); }
    void Command13_Click() { changeTo(ids::kTown); }
    void Command14_Click() { changeTo(ids::kMainMenu); }

private:
    // The button in a column and row of the grid.
    Control &choice(std::string name, const Text &caption, std::size_t column, std::size_t row) {
        return button(std::move(name), caption, kColumns.at(column), kRows.at(row), 975, 495)
            .background(kRowColours.at(row));
    }

    // Rest and the ten activities that a tired hero may fail at, each as the
    // activity table has it.
    std::array<Control *, kActivityCount> buildActivityButtons() {
        std::array<Control *, kActivityCount> out{};
        for (std::size_t k = 0; k < kActivityCount; ++k) {
            const Activity &a = activities()[k];
            out[k] = &choice(a.control, a.caption, k / kRows.size(), k % kRows.size()).onClick([this, &a] {
                spendWeek(a);
            });
        }
        return out;
    }

    // Every training and job: a fresh roll against fatigue decides whether the
    // week is spent on the activity or lost to rest. Rest itself draws
    // nothing. The box comes first so that the menu shown afterwards sees the
    // changes.
    void spendWeek(const Activity &a) {
        if (!a.canBeTooTired) {
            game_.msgBox(a.message, kOkOnly, kResultTitle);
            s.fatigue += a.fatigue;
        } else if (s.weekRoll = game_.roll(100, 1); tooTired(s.weekRoll, s.fatigue)) {
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
