// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/calendar.h"
#include "data/element.h"
#include "data/game_screen.h"
#include "data/growth_record.h"
#include "data/save_game.h"
#include "data/save_slots.h"
#include "start/start_screens.h"
#include "start/tournament_countdown.h"

namespace vermona {

namespace {

class MainMenuScreen : public GameScreen {
public:
    explicit MainMenuScreen(Game &g) : GameScreen(g, ids::kMainMenu, "メニュー", 5400, 6450, 0x00FF00) {
        // Ctrl+S saves, as in any desktop program.
        menuEntry("fail", "ファイル")
            .child("save", "セーブ(S)", "Ctrl+S", [this] { save_Click(); })
            // Every slot, to save into or load any of them.
            .child("slots", "セーブデータ一覧", [this] { game_.openView(kSlotsView); });
        // The growth record opens in a window of its own beside the screens.
        menuEntry("record", "記録").child("growth", "成長グラフ", [this] { game_.openView(kGrowthView); });
    }

    // clang-format off
    Control &Label1 = label("Label1", "今週の予定を決定して下さい", 360, 360, 4455, 495)
        .background(0x80FF80).foreground(0x0000FF).centred().points(14.25);
    Control &Label17 = label("Label17", "行動をクリックすると一覧がでます。そこから選んで下さい。", 120, 1320, 3015, 975)
        .background(0xFFC0C0).points(12);
    Control &Command1 = button("Command1", "行動", 960, 2520, 1215, 615)
        .background(0xFFFF00).onClick([this] { Command1_Click(); });
    Control &Label11 = label("Label11", "１年目", 1200, 3840, 975, 285).transparent().autoSize().points(14.25);
    Control &Label12 = label("Label12", "１月１週目", 960, 4320, 1455, 285).transparent().autoSize().points(14.25);
    Control &Command2 = button("Command2", "アイテム一覧", 960, 4800, 1455, 495)
        .background(0x00FFFF).onClick([this] { Command2_Click(); });
    Control &Command3 = button("Command3", "魔法一覧", 960, 5280, 1455, 495)
        .background(0x0000FF).onClick([this] { Command3_Click(); });
    Control &Command4 = button("Command4", "次の大会", 960, 5760, 1455, 495)
        .background(0xFF00FF).onClick([this] { Command4_Click(); });

    Control &Label8 = label("Label8", "現在の状態", 3480, 1080, 1335, 375).centred().points(11.25);
    // What the menu calls 攻撃力 is the hero's strength, not his attack in
    // battle, which his weapon adds to.
    Control &Label2 = label("Label2", Text::meaning("攻撃力", "menu"), 3360, 1680, 735, 375).transparent().points(12);
    Control &Label3 = label("Label3", "防御力", 3360, 2160, 735, 375).transparent().points(12);
    Control &Label4 = label("Label4", "早さ", 3360, 2640, 615, 375).transparent().points(12);
    Control &Label5 = label("Label5", "HP", 3360, 3120, 615, 375).transparent().points(12);
    Control &Label6 = label("Label6", "知力", 3360, 3600, 615, 375).transparent().points(12);
    Control &Label7 = label("Label7", "MP", 3360, 4080, 615, 375).transparent().points(12);
    Control &Label16 = label("Label16", "疲労", 3360, 4560, 615, 375).transparent().points(12);
    Control &Label9 = label("Label9", "Ｇ", 3360, 5040, 495, 375).transparent().points(14.25);
    Control &Label13 = label("Label13", "属性", 3360, 5520, 615, 375).transparent().points(12);

    Control &Label18 = value("Label18", "0", 1680, 195).readWith(Label2);
    Control &Label19 = value("Label19", "0", 2160, 195).readWith(Label3);
    Control &Label20 = value("Label20", "0", 2640, 195).readWith(Label4);
    Control &Label21 = value("Label21", "10", 3120, 390).readWith(Label5);
    Control &Label22 = value("Label22", "0", 3600, 195).readWith(Label6);
    Control &Label23 = value("Label23", "0", 4080, 195).readWith(Label7);
    Control &Label24 = value("Label24", "0", 4560, 195).readWith(Label16);
    Control &Label10 = value("Label10", "", 5040, 195).readWith(Label9);
    Control &Label14 = label("Label14", "炎", 4200, 5520, 495, 495).transparent().points(14.25).readWith(Label13);

    Control &Line1 = line("Line1", 3240, 1200, 3240, 6000);
    Control &Line2 = line("Line2", 5160, 1200, 5160, 6000);
    Control &Line3 = line("Line3", 3240, 6000, 5160, 6000);
    // clang-format on

    // The weekly tick: every arrival at the menu runs it.
    void Form_Load() override {
        s.weekRoll = game_.roll(100, 1);
        if (s.weekRoll < 30 && s.entrants < 7) {
            s.entrants += 1;
        }
        if (s.daysToTournament <= -1) {
            drawTournamentCountdown(game_);
        }
        rollOverWeek(s.year, s.month, s.week);
        if (s.fatigue >= 100) {
            s.fatigue = 100;
        }
        if (s.fatigue <= 0) {
            s.fatigue = 0;
        }
        // The status panel shows what the growth record keeps.
        const GrowthPoint shown = shownStatus(s);
        Label18.setCaption(std::to_string(shown.attack));
        Label19.setCaption(std::to_string(shown.defense));
        Label20.setCaption(std::to_string(shown.speed));
        Label21.setCaption(std::to_string(shown.hp));
        Label22.setCaption(std::to_string(shown.intellect));
        Label23.setCaption(std::to_string(shown.mp));
        Label24.setCaption(std::to_string(shown.fatigue));
        Label11.setCaption(yearText(shown.date.year));
        Label12.setCaption(weekOfYearText(shown.date.month, shown.date.week));
        Label10.setCaption(s.money.text());
        s.matchRound = 0;
        Label14.setCaption(elementName(element(s)));
        noteWeek(game_, shown);
        writeResumePoint(game_);
    }

    void Command1_Click() { changeTo(ids::kSchedule); }
    void Command2_Click() { changeTo(ids::kItemList); }
    void Command3_Click() { changeTo(ids::kSpellList); }
    void Command4_Click() { changeTo(ids::kNotice); }
    // Stays on the menu without a tick; the box tells how it went.
    void save_Click() { game_.msgBox(saveGame(game_), kOkOnly, "ヴェルモナ"); }

private:
    // A status value: grows with its text, in the panel's right column.
    Control &value(std::string name, std::string caption, int top, int width) {
        return label(std::move(name), std::move(caption), 4200, top, width, 315)
            .transparent()
            .autoSize()
            .points(15.75);
    }
};

} // namespace

std::unique_ptr<Screen> makeMainMenuScreen(Game &game) { return std::make_unique<MainMenuScreen>(game); }

} // namespace vermona
