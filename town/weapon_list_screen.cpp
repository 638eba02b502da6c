#include "data/game_screen.h"
#include "town/shop_list.h"
#include "town/shop_pictures.h"
#include "town/town_screens.h"

namespace vermona {

namespace {

class WeaponListScreen : public ShopListScreen {
public:
    explicit WeaponListScreen(Game &g)
        : ShopListScreen(g, ids::kWeaponList, "武器屋", 4680, 3600, 0x00FFFF, ids::kWeaponShop) {
        setPicture(kWeaponSignLarge);
        Label1.background = 0xFFFF00;
        Label1.font.points = 12;
        Label4.background = 0xFF00FF;
        Label7.background = 0xFF0000;
        for (Control *c : {&Label4, &Label7}) {
            c->font.points = 11.25;
        }
        for (const RowLabels &row : {Label2, Label3}) {
            row[0]->background = 0x00FF00;
            row[1]->background = 0xFF00FF;
            row[2]->background = 0xFF0000;
            for (Control *c : row) {
                c->font.points = 12;
            }
        }
        Command1.background = 0xFF8000;
        onRowClick(Label2, [this](int index) { Label2_Click(index); });
        onRowClick(Label3, [this](int index) { Label3_Click(index); });
        Command1.onClick = [this] { Command1_Click(); };
    }

    Control &Label1 = label("Label1", "何が欲しいんだい？", 1200, 0, 2055, 375);
    Control &Label4 = label("Label4", "攻撃力", 2280, 480, 735, 375);
    Control &Label7 = label("Label7", "値段", 3360, 480, 615, 375);
    // The prices go without "Ｇ" here.
    RowLabels Label2 = row("Label2", "ナイフ", "３", "３００", 960);
    RowLabels Label3 = row("Label3", "ソード", "５", "６００", 1440);
    Control &Command1 = button("Command1", "戻る", 1920, 2880, 735, 375);

    void Form_Load() override { hideFirstNotOwned({{kKnife, Label2}, {kSword, Label3}}); }

    void Label2_Click(int /*index*/) { trade(kKnife); }
    void Label3_Click(int /*index*/) { trade(kSword); }
    void Command1_Click() { back(); }

private:
    // Name, attack and price of one weapon.
    RowLabels row(const char *name, const char *item, const char *attack, const char *price, int top) {
        return {&label(name, 0, item, 600, top, 1455, 255), &label(name, 1, attack, 2400, top, 615, 255),
                &label(name, 2, price, 3360, top, 855, 255)};
    }
};

} // namespace

std::unique_ptr<Screen> makeWeaponListScreen(Game &game) { return std::make_unique<WeaponListScreen>(game); }

} // namespace vermona
