// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/game_screen.h"
#include "start/start_screens.h"

#include <string>
#include <utility>

namespace vermona {

namespace {

// An ability's label, the wording it shows the ability's value with, and
// the ability.
struct Shown {
    Control &label;
    const char *wording;
    Var GameState::*ability;
};

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
    Shown Label3 = shown("Label3", "力：%1", &GameState::strength, 240, 2280);
    Shown Label4 = shown("Label4", "防御：%1", &GameState::defense, 2280, 2280);
    Shown Label5 = shown("Label5", "体力：%1", &GameState::stamina, 4200, 2280);
    Shown Label6 = shown("Label6", "早さ：%1", &GameState::speed, 360, 3240);
    Shown Label7 = shown("Label7", "知力：%1", &GameState::intellect, 2280, 3240);
    Shown Label8 = shown("Label8", "魔力：%1", &GameState::magicPower, 4200, 3240);
    // clang-format on

    void Form_Load() override {
        for (const Shown *row : {&Label3, &Label4, &Label5, &Label6, &Label7, &Label8}) {
            s.*row->ability = 1;
        }
        s.money = 1000;
    }

    void Command1_Click() { raise(Label3); }
    void Command2_Click() { raise(Label4); }
    void Command3_Click() { raise(Label5); }
    void Command4_Click() { raise(Label6); }
    void Command5_Click() { raise(Label8); }
    void Command6_Click() { raise(Label7); }

private:
    Shown shown(std::string name, const char *wording, Var GameState::*ability, int left, int top) {
        return {label(std::move(name), Text(wording).arg(1), left, top, 1575, 375).points(15.75).announce(),
                wording, ability};
    }

    // Every ability button works alike: one point, the label with the new
    // value, and the element screen after the tenth point.
    void raise(const Shown &row) {
        Var &ability = s.*row.ability;
        s.setupPoints += 1;
        ability += 1;
        row.label.setCaption(Text(row.wording).arg(ability.get()));
        if (s.setupPoints == 10) {
            changeTo(ids::kElement);
        }
    }
};

} // namespace

std::unique_ptr<Screen> makeHeroSetupScreen(Game &game) { return std::make_unique<HeroSetupScreen>(game); }

} // namespace vermona
