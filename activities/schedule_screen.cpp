#include "activities/activity_screens.h"
#include "activities/activity_table.h"
#include "activities/magic_lesson.h"
#include "data/game_screen.h"

namespace vermona {

namespace {

constexpr const char *kResultTitle = "ヴェルモナ結果";

class ScheduleScreen : public GameScreen {
public:
    explicit ScheduleScreen(Game &g) : GameScreen(g, ids::kSchedule, "予定", 6990, 3780, 0x00FFFF) {
        Label1.font.points = 18;
        // One colour per row of the grid.
        for (Control *b : {&Command1, &Command4, &Command7, &Command10, &Command13}) {
            b->background = 0xFFFF00;
        }
        for (Control *b : {&Command2, &Command5, &Command8, &Command11, &Command14}) {
            b->background = 0x0000FF;
        }
        for (Control *b : {&Command3, &Command6, &Command9, &Command12}) {
            b->background = 0x00FF00;
        }
        Command1.onClick = [this] { Command1_Click(); };
        Command2.onClick = [this] { Command2_Click(); };
        Command3.onClick = [this] { Command3_Click(); };
        Command4.onClick = [this] { Command4_Click(); };
        Command5.onClick = [this] { Command5_Click(); };
        Command6.onClick = [this] { Command6_Click(); };
        Command7.onClick = [this] { Command7_Click(); };
        Command8.onClick = [this] { Command8_Click(); };
        Command9.onClick = [this] { Command9_Click(); };
        Command10.onClick = [this] { Command10_Click(); };
        Command11.onClick = [this] { Command11_Click(); };
        Command12.onClick = [this] { Command12_Click(); };
        Command13.onClick = [this] { Command13_Click(); };
        Command14.onClick = [this] { Command14_Click(); };
    }

    // What each activity gives and costs, and how likely a week of it is lost
    // at the hero's fatigue now; the journey's cost and time.
    void Form_Load() override {
        for (const Activity &a : activities()) {
            find(a.control)->setTip(activityTip(a, s.fatigue.get()));
        }
        Command12.setTip(journeyTip());
    }

    Control &Label1 = label("Label1", "この中から選んで下さい", 360, 240, 4575, 495);
    Control &Command1 = button("Command1", "休む", 360, 1200, 975, 495);
    Control &Command2 = button("Command2", "勉強", 360, 1920, 975, 495);
    Control &Command3 = button("Command3", "筋トレ", 360, 2640, 975, 495);
    Control &Command4 = button("Command4", "マラソン", 1680, 1200, 975, 495);
    Control &Command5 = button("Command5", "精神統一", 1680, 1920, 975, 495);
    Control &Command6 = button("Command6", "ダッシュ", 1680, 2640, 975, 495);
    Control &Command7 = button("Command7", "土木作業", 3000, 1200, 975, 495);
    Control &Command8 = button("Command8", "郵便配達", 3000, 1920, 975, 495);
    Control &Command9 = button("Command9", "家庭教師", 3000, 2640, 975, 495);
    Control &Command10 = button("Command10", "警備", 4200, 1200, 975, 495);
    Control &Command11 = button("Command11", "時計修理", 4200, 1920, 975, 495);
    Control &Command12 = button("Command12", "修行の旅", 4200, 2640, 975, 495);
    Control &Command13 = button("Command13", "町へ", 5400, 1200, 975, 495);
    Control &Command14 = button("Command14", "戻る", 5400, 1920, 975, 495);

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
