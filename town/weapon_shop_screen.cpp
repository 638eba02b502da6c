// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/game_codes.h"
#include "data/game_screen.h"
#include "town/shop_pictures.h"
#include "town/town_screens.h"

namespace vermona {

namespace {

class WeaponShopScreen : public GameScreen {
public:
    explicit WeaponShopScreen(Game &g) : GameScreen(g, ids::kWeaponShop, "武器屋", 4005, 3585, 0x00FFFF) {
        setReaderDescription(kShopFront);
        // Wider than the window: the sign's right part is cut off.
        setPicture(kWeaponSignLarge);
    }

    // clang-format off
    Control &Label1 = label("Label1", "何の用だい？", 960, 360, 1680, 285).foreground(0x0000FF).transparent().points(14.25);
    Control &Label2 = label("Label2", "買いたい", 0, 1560, 1215, 375).transparent().points(14.25)
        .onClick([this] { Label2_Click(); });
    Control &Label3 = label("Label3", "売りたい", 2760, 1800, 1095, 375).transparent().points(14.25)
        .onClick([this] { Label3_Click(); });
    Control &Label4 = label("Label4", "戻る", 2040, 2760, 615, 375).transparent().points(14.25)
        .onClick([this] { Label4_Click(); });
    // clang-format on

    // Buying leaves shopMode alone: every way out of a list has reset it.
    void Label2_Click() { changeTo(ids::kWeaponList); }
    void Label3_Click() {
        setShopMode(s, ShopMode::Selling);
        changeTo(ids::kWeaponList);
    }
    void Label4_Click() { changeTo(ids::kTown); }
};

} // namespace

std::unique_ptr<Screen> makeWeaponShopScreen(Game &game) { return std::make_unique<WeaponShopScreen>(game); }

} // namespace vermona
