#include "data/game_screen.h"
#include "start/start_screens.h"

namespace vermona {

namespace {

class HeroSetupScreen : public GameScreen {
public:
    explicit HeroSetupScreen(Game &g) : GameScreen(g, ids::kHeroSetup, "主人公設定", 6420, 4560, 0xFFFF00) {
        Label1.background = 0xC0C000;
        Label1.foreground = 0xFF0000;
        Label1.font = {kReisho, 12};
        Label1.align = Align::Center;
        Label2.font.points = 9.75;
        Label2.align = Align::Center;
        for (Control *l : {&Label3, &Label4, &Label5, &Label6, &Label7, &Label8}) {
            l->font.points = 15.75;
        }
        Command1.onClick = [this] { Command1_Click(); };
        Command2.onClick = [this] { Command2_Click(); };
        Command3.onClick = [this] { Command3_Click(); };
        Command4.onClick = [this] { Command4_Click(); };
        Command5.onClick = [this] { Command5_Click(); };
        Command6.onClick = [this] { Command6_Click(); };
    }

    Control &Label1 = label("Label1", "初期ステータスを決定して下さい", 1080, 240, 3735, 375);
    Control &Label2 = label("Label2", "あげたい能力をクリックして下さい。１０ポイントを振り分けます。", 360,
                            720, 5175, 255);
    Control &Command1 = button("Command1", "力", 600, 1200, 615, 375);
    Control &Command2 = button("Command2", "防御", 1320, 1200, 615, 375);
    Control &Command3 = button("Command3", "体力", 2040, 1200, 615, 375);
    Control &Command4 = button("Command4", "早さ", 2760, 1200, 615, 375);
    Control &Command6 = button("Command6", "知力", 3480, 1200, 615, 375);
    Control &Command5 = button("Command5", "魔力", 4200, 1200, 615, 375);
    Control &Label3 = label("Label3", "力：1", 240, 2280, 1575, 375);
    Control &Label4 = label("Label4", "防御：1", 2280, 2280, 1575, 375);
    Control &Label5 = label("Label5", "体力：1", 4200, 2280, 1575, 375);
    Control &Label6 = label("Label6", "早さ：1", 360, 3240, 1575, 375);
    Control &Label7 = label("Label7", "知力：1", 2280, 3240, 1575, 375);
    Control &Label8 = label("Label8", "魔力：1", 4200, 3240, 1575, 375);

    void Form_Load() override {
        s.strength = 1;
        s.defense = 1;
        s.speed = 1;
        s.stamina = 1;
        s.intellect = 1;
        s.magicPower = 1;
        s.money = 1000;
    }

    void Command1_Click() { raise(s.strength, Label3, "力："); }
    void Command2_Click() { raise(s.defense, Label4, "防御："); }
    void Command3_Click() { raise(s.stamina, Label5, "体力："); }
    void Command4_Click() { raise(s.speed, Label6, "早さ："); }
    void Command5_Click() { raise(s.magicPower, Label8, "魔力："); }
    void Command6_Click() { raise(s.intellect, Label7, "知力："); }

private:
    // Every ability button works alike: one point, the label, and the element
    // screen after the tenth point.
    void raise(Var &ability, Control &shown, const char *prefix) {
        s.setupPoints += 1;
        ability += 1;
        shown.setCaption(prefix + ability.text());
        if (s.setupPoints == 10) {
            changeTo(ids::kElement);
        }
    }
};

} // namespace

std::unique_ptr<Screen> makeHeroSetupScreen(Game &game) { return std::make_unique<HeroSetupScreen>(game); }

} // namespace vermona
