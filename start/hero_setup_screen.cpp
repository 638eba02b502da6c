// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/game_screen.h"
#include "start/start_screens.h"

namespace vermona {

namespace {

class HeroSetupScreen : public GameScreen {
public:
    explicit HeroSetupScreen(Game &g) : GameScreen(g, ids::kHeroSetup, "主人公設定", 6420, 4560, 0xFFFF00) {}

    // clang-format off
    Control &Label1 = label("Label1", "初期ステータスを決定して下さい", 1080, 240, 3735, 375)
        .background(0xC0C000).foreground(0xFF0000).font(kReisho, 12).centred();
    Control &Label2 = label("Label2", "あげたい能力をクリックして下さい。１０ポイントを振り分けます。", 360, 720, 5175, 255)
        .points(9.75).centred();
    Control &Command1 = button("Command1", "力", 600, 1200, 615, 375).onClick([this] { Command1_Click(); });
    Control &Command2 = button("Command2", "防御", 1320, 1200, 615, 375).onClick([this] { Command2_Click(); });
    Control &Command3 = button("Command3", "体力", 2040, 1200, 615, 375).onClick([this] { Command3_Click(); });
    Control &Command4 = button("Command4", "早さ", 2760, 1200, 615, 375).onClick([this] { Command4_Click(); });
    Control &Command6 = button("Command6", "知力", 3480, 1200, 615, 375).onClick([this] { Command6_Click(); });
    Control &Command5 = button("Command5", "魔力", 4200, 1200, 615, 375).onClick([this] { Command5_Click(); });
    Control &Label3 = label("Label3", Text("力：%1").arg(1), 240, 2280, 1575, 375).points(15.75).announce();
    Control &Label4 = label("Label4", Text("防御：%1").arg(1), 2280, 2280, 1575, 375).points(15.75).announce();
    Control &Label5 = label("Label5", Text("体力：%1").arg(1), 4200, 2280, 1575, 375).points(15.75).announce();
    Control &Label6 = label("Label6", Text("早さ：%1").arg(1), 360, 3240, 1575, 375).points(15.75).announce();
    Control &Label7 = label("Label7", Text("知力：%1").arg(1), 2280, 3240, 1575, 375).points(15.75).announce();
    Control &Label8 = label("Label8", Text("魔力：%1").arg(1), 4200, 3240, 1575, 375).points(15.75).announce();
    // clang-format on

    void Form_Load() override {
        s.strength = 1;
        s.defense = 1;
        s.speed = 1;
        s.stamina = 1;
        s.intellect = 1;
        s.magicPower = 1;
        s.money = 1000;
    }

    void Command1_Click() { raise(s.strength, Label3, "力：%1"); }
    void Command2_Click() { raise(s.defense, Label4, "防御：%1"); }
    void Command3_Click() { raise(s.stamina, Label5, "体力：%1"); }
    void Command4_Click() { raise(s.speed, Label6, "早さ：%1"); }
    void Command5_Click() { raise(s.magicPower, Label8, "魔力：%1"); }
    void Command6_Click() { raise(s.intellect, Label7, "知力：%1"); }

private:
    // Every ability button works alike: one point, the label (its wording
    // with the new value), and the element screen after the tenth point.
    void raise(Var &ability, Control &shown, const char *wording) {
        s.setupPoints += 1;
        ability += 1;
        shown.setCaption(Text(wording).arg(ability.get()));
        if (s.setupPoints == 10) {
            changeTo(ids::kElement);
        }
    }
};

} // namespace

std::unique_ptr<Screen> makeHeroSetupScreen(Game &game) { return std::make_unique<HeroSetupScreen>(game); }

} // namespace vermona
