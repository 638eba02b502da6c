// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/game_screen.h"
#include "town/shop_list.h"
#include "town/shop_pictures.h"
#include "town/town_screens.h"

#include <array>

namespace vermona {

namespace {

// Name, bonus and price.
constexpr std::array<ShopListScreen::Column, 3> kColumns{
    {{600, 1455, 255}, {2400, 615, 255}, {3360, 855, 255}}};

class WeaponListScreen : public ShopListScreen {
public:
    explicit WeaponListScreen(Game &g)
        : ShopListScreen(g, ids::kWeaponList, "武器屋", 4680, 3600, 0x00FFFF, ids::kWeaponShop) {
        setPicture(kWeaponSignLarge);
    }

    // clang-format off
    Control &Label1 = label("Label1", heading("何が欲しいんだい？", Text::meaning("何が欲しいんだい？", "selling")),
        1200, 0, 2055, 375).background(0xFFFF00).points(12);
    Control &Label4 = label("Label4", "攻撃力", 2280, 480, 735, 375).background(0xFF00FF).points(11.25);
    Control &Label7 = label("Label7", "値段", 3360, 480, 615, 375).background(0xFF0000).points(11.25);
    ControlRow Label2 = equipmentRow("Label2", 960, kKnife, kColumns)
        .backgrounds({0x00FF00, 0xFF00FF, 0xFF0000}).points(12).readAs({nullptr, &Label4, &Label7});
    ControlRow Label3 = equipmentRow("Label3", 1440, kSword, kColumns)
        .backgrounds({0x00FF00, 0xFF00FF, 0xFF0000}).points(12).readAs({nullptr, &Label4, &Label7});
    Control &Command1 = button("Command1", "戻る", 1920, 2880, 735, 375).background(0xFF8000)
        .onClick([this] { Command1_Click(); });
    // clang-format on

    void Form_Load() override { hideFirstNotOwned({{kKnife, Label2}, {kSword, Label3}}); }

    void Command1_Click() { back(); }
};

} // namespace

std::unique_ptr<Screen> makeWeaponListScreen(Game &game) { return std::make_unique<WeaponListScreen>(game); }

} // namespace vermona
