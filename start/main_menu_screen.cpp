#include "start/main_menu_screen.h"

#include "data/game_screen.h"
#include "data/growth_record.h"
#include "data/save_file.h"
#include "runtime/files.h"
#include "start/start_screens.h"

#include <cstdio>

namespace vermona {

std::string elementName(Var::Int element) {
    switch (element) {
    case 1:
        return "炎";
    case 2:
        return "水";
    case 3:
        return "雷";
    default:
        return {};
    }
}

namespace {

// An ability as the status panel shows it: 1 or less reads "1".
std::string atLeastOne(const Var &v) { return v <= 1 ? std::string("1") : v.text(); }

class MainMenuScreen : public GameScreen {
public:
    explicit MainMenuScreen(Game &g) : GameScreen(g, ids::kMainMenu, "メニュー", 5400, 6450, 0x00FF00) {
        Label1.background = 0x80FF80;
        Label1.foreground = 0x0000FF;
        Label1.align = Align::Center;
        Label1.font.points = 14.25;
        Label17.background = 0xFFC0C0;
        Label17.font.points = 12;
        Label8.align = Align::Center;
        Label8.font.points = 11.25;
        for (Control *c : {&Label2, &Label3, &Label4, &Label5, &Label6, &Label7, &Label16, &Label13}) {
            c->transparent = true;
            c->font.points = 12;
        }
        Label9.transparent = true;
        Label9.font.points = 14.25;
        for (Control *c : {&Label18, &Label19, &Label20, &Label21, &Label22, &Label23, &Label24, &Label10}) {
            c->transparent = true;
            c->autoSize = true;
            c->font.points = 15.75;
        }
        for (Control *c : {&Label11, &Label12}) {
            c->transparent = true;
            c->autoSize = true;
            c->font.points = 14.25;
        }
        Label14.transparent = true;
        Label14.font.points = 14.25;
        Command1.background = 0xFFFF00;
        Command2.background = 0x00FFFF;
        Command3.background = 0x0000FF;
        Command4.background = 0xFF00FF;

        Command1.onClick = [this] { Command1_Click(); };
        Command2.onClick = [this] { Command2_Click(); };
        Command3.onClick = [this] { Command3_Click(); };
        Command4.onClick = [this] { Command4_Click(); };
        MenuEntry &fail = menuEntry("fail", "ファイル");
        // Ctrl+S saves, as in any desktop program.
        fail.children.push_back(MenuEntry{"save", "セーブ(S)", [this] { save_Click(); }, {}, "Ctrl+S"});
        // The growth record opens in a window of its own beside the screens.
        MenuEntry &record = menuEntry("record", "記録");
        record.children.push_back(
            MenuEntry{"growth", "成長グラフ", [this] { game_.openView(kGrowthView); }, {}, {}});
    }

    Control &Label1 = label("Label1", "今週の予定を決定して下さい", 360, 360, 4455, 495);
    Control &Label17 =
        label("Label17", "行動をクリックすると一覧がでます。そこから選んで下さい。", 120, 1320, 3015, 975);
    Control &Command1 = button("Command1", "行動", 960, 2520, 1215, 615);
    Control &Label11 = label("Label11", "１年目", 1200, 3840, 975, 285);
    Control &Label12 = label("Label12", "１月１週目", 960, 4320, 1455, 285);
    Control &Command2 = button("Command2", "アイテム一覧", 960, 4800, 1455, 495);
    Control &Command3 = button("Command3", "魔法一覧", 960, 5280, 1455, 495);
    Control &Command4 = button("Command4", "次の大会", 960, 5760, 1455, 495);

    Control &Label8 = label("Label8", "現在の状態", 3480, 1080, 1335, 375);
    Control &Label2 = label("Label2", "攻撃力", 3360, 1680, 735, 375);
    Control &Label3 = label("Label3", "防御力", 3360, 2160, 735, 375);
    Control &Label4 = label("Label4", "早さ", 3360, 2640, 615, 375);
    Control &Label5 = label("Label5", "HP", 3360, 3120, 615, 375);
    Control &Label6 = label("Label6", "知力", 3360, 3600, 615, 375);
    Control &Label7 = label("Label7", "MP", 3360, 4080, 615, 375);
    Control &Label16 = label("Label16", "疲労", 3360, 4560, 615, 375);
    Control &Label9 = label("Label9", "Ｇ", 3360, 5040, 495, 375);
    Control &Label13 = label("Label13", "属性", 3360, 5520, 615, 375);

    Control &Label18 = label("Label18", "0", 4200, 1680, 195, 315);
    Control &Label19 = label("Label19", "0", 4200, 2160, 195, 315);
    Control &Label20 = label("Label20", "0", 4200, 2640, 195, 315);
    Control &Label21 = label("Label21", "10", 4200, 3120, 390, 315);
    Control &Label22 = label("Label22", "0", 4200, 3600, 195, 315);
    Control &Label23 = label("Label23", "0", 4200, 4080, 195, 315);
    Control &Label24 = label("Label24", "0", 4200, 4560, 195, 315);
    Control &Label10 = label("Label10", "", 4200, 5040, 195, 315);
    Control &Label14 = label("Label14", "炎", 4200, 5520, 495, 495);

    Control &Line1 = line("Line1", 3240, 1200, 3240, 6000);
    Control &Line2 = line("Line2", 5160, 1200, 5160, 6000);
    Control &Line3 = line("Line3", 3240, 6000, 5160, 6000);

    // The weekly tick: every arrival at the menu runs it.
    void Form_Load() override {
        s.weekRoll = game_.roll(100, 1);
        if (s.weekRoll < 30 && s.entrants < 7) {
            s.entrants += 1;
        }
        if (s.daysToTournament <= -1) {
            s.daysToTournament = game_.roll(15, 15);
        }
        if (s.month == 0) {
            s.month = 1;
        }
        if (s.week == 0) {
            s.week = 1;
        }
        if (s.year == 0) {
            s.year = 1;
        }
        if (s.week >= 5) {
            s.week = 1;
            s.month += 1;
        }
        if (s.month >= 13) {
            s.month = 1;
            s.year += 1;
        }
        if (s.fatigue >= 100) {
            s.fatigue = 100;
        }
        Label18.setCaption(atLeastOne(s.strength));
        Label19.setCaption(atLeastOne(s.defense));
        Label20.setCaption(atLeastOne(s.speed));
        Label21.setCaption(s.stamina <= 1 ? std::string("10") : Var(Var::mulSaturated(10, s.stamina)).text());
        Label22.setCaption(atLeastOne(s.intellect));
        Label23.setCaption(atLeastOne(s.magicPower));
        if (s.fatigue <= 0) {
            s.fatigue = 0;
            Label24.setCaption("0");
        } else {
            Label24.setCaption(s.fatigue.text());
        }
        Label11.setCaption(s.year.text() + "年目");
        Label12.setCaption(s.month.text() + "月" + s.week.text() + "週目");
        Label10.setCaption(s.money.text());
        s.matchRound = 0;
        Label14.setCaption(elementName(s.element));
        noteWeek(game_, shownStatus(s));
    }

    void Command1_Click() { changeTo(ids::kSchedule); }
    void Command2_Click() { changeTo(ids::kItemList); }
    void Command3_Click() { changeTo(ids::kSpellList); }
    void Command4_Click() { changeTo(ids::kNotice); }
    // Stays on the menu without a tick. A value the file cannot hold or a
    // failed write is reported and the previous save is kept. The growth
    // record goes beside it; when it cannot be written, the old one is
    // removed too, since it no longer belongs to this save.
    void save_Click() {
        SaveValues values = saveValuesOf(s);
        SaveText text = encodeSave(values);
        int error = text.ok() ? writeFileAtomically(kSaveFileName, text.text) : 0;
        if (!text.ok() || error != 0) {
            game_.msgBox(saveFailureMessage(error), kOkOnly, "ヴェルモナ");
            return;
        }
        game_.store<SaveRecord>().lastWritten = values;
        if (writeRecordFile(kRecordFileName, game_.store<GrowthRecord>()) != 0) {
            std::remove(kRecordFileName);
            game_.msgBox("セーブを完了しました\n（成長の記録は書き込めませんでした）", kOkOnly, "ヴェルモナ");
            return;
        }
        game_.msgBox("セーブを完了しました", kOkOnly, "ヴェルモナ");
    }
};

} // namespace

std::unique_ptr<Screen> makeMainMenuScreen(Game &game) { return std::make_unique<MainMenuScreen>(game); }

} // namespace vermona
