// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/game_screen.h"
#include "town/shop_front.h"
#include "town/shop_pictures.h"
#include "town/town_screens.h"

namespace vermona {

namespace {

class ArmourShopScreen : public ShopFrontScreen {
public:
    // The armour shop lets out onto the schedule, not the town.
    explicit ArmourShopScreen(Game &g)
        : ShopFrontScreen(g, ids::kArmourShop, "防具屋", 3105, 2355, 0x0000FF, ids::kArmourList,
                          ids::kSchedule) {
        setPicture(kArmourSign);
    }

    // clang-format off
    Control &Label1 = label("Label1", "何しにきた？", 840, 120, 1815, 495).foreground(0x00FFFF).transparent().points(15.75);
    Control &Label2 = label("Label2", "買う", 0, 1080, 1335, 495).foreground(0x00FF00).transparent().points(15.75).bold()
        .onClick([this] { buy(); });
    Control &Label3 = label("Label3", "売る", 1800, 1080, 1335, 495).foreground(0xFFFF00).transparent().points(15.75).bold()
        .onClick([this] { sell(); });
    Control &Label4 = label("Label4", "戻る", 1800, 1800, 1335, 495).foreground(0xFF0000).transparent().points(15.75).bold()
        .onClick([this] { leave(); });
    // clang-format on
};

} // namespace

std::unique_ptr<Screen> makeArmourShopScreen(Game &game) { return std::make_unique<ArmourShopScreen>(game); }

} // namespace vermona
