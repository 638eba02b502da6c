// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/game_codes.h"
#include "data/game_screen.h"
#include "town/shop_pictures.h"
#include "town/town_screens.h"

namespace vermona {

namespace {

class ArmourShopScreen : public GameScreen {
public:
    explicit ArmourShopScreen(Game &g) : GameScreen(g, ids::kArmourShop, "防具屋", 3105, 2355, 0x0000FF) {
        setReaderDescription(kShopFront);
        setPicture(kArmourSign);
    }

    // clang-format off
    Control &Label1 = label("Label1", "何しにきた？", 840, 120, 1815, 495).foreground(0x00FFFF).transparent().points(15.75);
    Control &Label2 = label("Label2", "買う", 0, 1080, 1335, 495).foreground(0x00FF00).transparent().points(15.75).bold()
        .onClick([this] { Label2_Click(); });
    Control &Label3 = label("Label3", "売る", 1800, 1080, 1335, 495).foreground(0xFFFF00).transparent().points(15.75).bold()
        .onClick([this] { Label3_Click(); });
    Control &Label4 = label("Label4", "戻る", 1800, 1800, 1335, 495).foreground(0xFF0000).transparent().points(15.75).bold()
        .onClick([this] { Label4_Click(); });
    // clang-format on

    // Buying leaves shopMode alone: every way out of a list has reset it.
    void Label2_Click() { changeTo(ids::kArmourList); }
    void Label3_Click() {
        setShopMode(s, ShopMode::Selling);
        changeTo(ids::kArmourList);
    }
    // The armour shop lets out onto the schedule, not the town.
    void Label4_Click() { changeTo(ids::kSchedule); }
};

} // namespace

std::unique_ptr<Screen> makeArmourShopScreen(Game &game) { return std::make_unique<ArmourShopScreen>(game); }

} // namespace vermona
