// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/game_screen.h"
#include "town/shop_list.h"
#include "town/town_screens.h"

#include <array>

namespace vermona {

namespace {

// Name, bonus and price.
constexpr std::array<ShopListScreen::Column, 3> kColumns{
    {{600, 1935, 375}, {2520, 855, 375}, {3360, 810, 285}}};

class ArmourListScreen : public ShopListScreen {
public:
    explicit ArmourListScreen(Game &g)
        : ShopListScreen(g, ids::kArmourList, "防具屋", 4680, 5520, 0x0000FF, ids::kArmourShop) {}

    // clang-format off
    Control &Label1 = label("Label1", heading("何を買うんだい？買いたいアイテムをクリックしてくれ",
        Text::meaning("何を買うんだい？買いたいアイテムをクリックしてくれ", "selling")), 360, 120, 3855, 615)
        .background(0x00FF00).points(15.75);
    Control &Label2 = label("Label2", "アイテム", 600, 840, 1935, 375).background(0xFF00FF).points(14.25);
    Control &Label3_0 = label("Label3", 0, "防御力", 2520, 840, 855, 375).background(0xFF0000).points(14.25);
    Control &Label3_1 = label("Label3", 1, "値段", 3360, 840, 1215, 375).transparent().points(14.25);
    ControlRow Label4 = clearPrice(equipmentRow("Label4", 1320, kWoodShield, kColumns))
        .backgrounds({0xFF00FF, 0xFF0000}).points(14.25).readAs({nullptr, &Label3_0, &Label3_1});
    ControlRow Label5 = clearPrice(equipmentRow("Label5", 1800, kIronShield, kColumns))
        .backgrounds({0xFF00FF, 0xFF0000}).points(14.25).readAs({nullptr, &Label3_0, &Label3_1});
    ControlRow Label6 = clearPrice(equipmentRow("Label6", 2280, kSteelShield, kColumns))
        .backgrounds({0xFF00FF, 0xFF0000}).points(14.25).readAs({nullptr, &Label3_0, &Label3_1});
    Control &Command1 = button("Command1", "戻る", 1560, 4920, 1095, 495)
        .background(0xFFFFFF).points(14.25).onClick([this] { Command1_Click(); });
    // clang-format on

    void Form_Load() override {
        hideFirstNotOwned({{kWoodShield, Label4}, {kIronShield, Label5}, {kSteelShield, Label6}});
    }

    void Command1_Click() { back(); }

private:
    // A shield's price, like the price heading, shows the screen's blue.
    static ControlRow clearPrice(ControlRow row) {
        row[2].transparent();
        return row;
    }
};

} // namespace

std::unique_ptr<Screen> makeArmourListScreen(Game &game) { return std::make_unique<ArmourListScreen>(game); }

} // namespace vermona
