#include "data/game_screen.h"
#include "town/shop_list.h"
#include "town/town_screens.h"

namespace vermona {

namespace {

class ArmourListScreen : public ShopListScreen {
public:
    explicit ArmourListScreen(Game &g)
        : ShopListScreen(g, ids::kArmourList, "防具屋", 4680, 5520, 0x0000FF, ids::kArmourShop) {
        Label1.background = 0x00FF00;
        Label1.font.points = 15.75;
        Label2.background = 0xFF00FF;
        Label3_0.background = 0xFF0000;
        Label3_1.transparent = true;
        for (Control *c : {&Label2, &Label3_0, &Label3_1}) {
            c->font.points = 14.25;
        }
        for (const RowLabels &row : {Label4, Label5, Label6}) {
            row[0]->background = 0xFF00FF;
            row[1]->background = 0xFF0000;
            row[2]->transparent = true;
            for (Control *c : row) {
                c->font.points = 14.25;
            }
        }
        Command1.background = 0xFFFFFF;
        Command1.font.points = 14.25;
        onRowClick(Label4, [this](int index) { Label4_Click(index); });
        onRowClick(Label5, [this](int index) { Label5_Click(index); });
        onRowClick(Label6, [this](int index) { Label6_Click(index); });
        Command1.onClick = [this] { Command1_Click(); };
    }

    Control &Label1 =
        label("Label1", "何を買うんだい？買いたいアイテムをクリックしてくれ", 360, 120, 3855, 615);
    Control &Label2 = label("Label2", "アイテム", 600, 840, 1935, 375);
    Control &Label3_0 = label("Label3", 0, "防御力", 2520, 840, 855, 375);
    Control &Label3_1 = label("Label3", 1, "値段", 3360, 840, 1215, 375);
    RowLabels Label4 = row("Label4", "ウッドシールド", "２", "２００Ｇ", 1320);
    RowLabels Label5 = row("Label5", "鉄の盾", "４", "３００Ｇ", 1800);
    RowLabels Label6 = row("Label6", "鋼鉄の盾", "７", "４５０Ｇ", 2280);
    Control &Command1 = button("Command1", "戻る", 1560, 4920, 1095, 495);

    void Form_Load() override {
        hideFirstNotOwned({{kWoodShield, Label4}, {kIronShield, Label5}, {kSteelShield, Label6}});
    }

    void Label4_Click(int /*index*/) { trade(kWoodShield); }
    void Label5_Click(int /*index*/) { trade(kIronShield); }
    void Label6_Click(int /*index*/) { trade(kSteelShield); }
    void Command1_Click() { back(); }

private:
    // Name, defence and price of one shield.
    RowLabels row(const char *name, const char *item, const char *defence, const char *price, int top) {
        return {&label(name, 0, item, 600, top, 1935, 375), &label(name, 1, defence, 2520, top, 855, 375),
                &label(name, 2, price, 3360, top, 810, 285)};
    }
};

} // namespace

std::unique_ptr<Screen> makeArmourListScreen(Game &game) { return std::make_unique<ArmourListScreen>(game); }

} // namespace vermona
