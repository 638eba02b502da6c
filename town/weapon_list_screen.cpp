// SPDX-License-Identifier: GPL-3.0-or-later
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
    }

    // clang-format off
    Control &Label1 = label("Label1", heading("何が欲しいんだい？", Text::meaning("何が欲しいんだい？", "selling")),
        1200, 0, 2055, 375).background(0xFFFF00).points(12);
    Control &Label4 = label("Label4", "攻撃力", 2280, 480, 735, 375).background(0xFF00FF).points(11.25);
    Control &Label7 = label("Label7", "値段", 3360, 480, 615, 375).background(0xFF0000).points(11.25);
    // The prices go without "Ｇ" here.
    ControlRow Label2 = labelRow("Label2", 960,
        {{"ナイフ", 600, 1455, 255}, {"３", 2400, 615, 255}, {"３００", 3360, 855, 255}})
        .backgrounds({0x00FF00, 0xFF00FF, 0xFF0000}).points(12).readAs({nullptr, &Label4, &Label7}).onClick([this](int index) { Label2_Click(index); });
    ControlRow Label3 = labelRow("Label3", 1440,
        {{"ソード", 600, 1455, 255}, {"５", 2400, 615, 255}, {"６００", 3360, 855, 255}})
        .backgrounds({0x00FF00, 0xFF00FF, 0xFF0000}).points(12).readAs({nullptr, &Label4, &Label7}).onClick([this](int index) { Label3_Click(index); });
    Control &Command1 = button("Command1", "戻る", 1920, 2880, 735, 375).background(0xFF8000)
        .onClick([this] { Command1_Click(); });
    // clang-format on

    void Form_Load() override { hideFirstNotOwned({{kKnife, Label2}, {kSword, Label3}}); }

    void Label2_Click(int /*index*/) { trade(kKnife); }
    void Label3_Click(int /*index*/) { trade(kSword); }
    void Command1_Click() { back(); }
};

} // namespace

std::unique_ptr<Screen> makeWeaponListScreen(Game &game) { return std::make_unique<WeaponListScreen>(game); }

} // namespace vermona
