// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/game_codes.h"
#include "data/game_screen.h"
#include "town/shop_front.h"
#include "town/town_screens.h"

namespace vermona {

namespace {

class ItemShopScreen : public ShopFrontScreen {
public:
    // The item shop lets out onto the main menu; its load does not spend a week.
    explicit ItemShopScreen(Game &g)
        : ShopFrontScreen(g, ids::kItemShop, "アイテム屋", 4965, 3615, 0xFFFF00, ids::kHerbList,
                          ids::kMainMenu) {}

    // clang-format off
    Control &Label1 = label("Label1", "何のご用です？", 1200, 360, 2055, 375).background(0x00FF00).points(14.25);
    Control &Label2 = label("Label2", "購入", 1080, 1200, 975, 375).background(0x00FFFF).points(14.25)
        .onClick([this] { Label2_Click(); });
    Control &Label3 = label("Label3", "売却", 3120, 1200, 975, 375).background(0x0000FF).foreground(0xFFFFFF).points(14.25)
        .onClick([this] { sell(); });
    Control &Label4 = label("Label4", "戻る", 2160, 2280, 615, 375).background(0x000000).foreground(0xFFFFFF).points(14.25)
        .onClick([this] { leave(); });
    // clang-format on

    // Unlike the other fronts, this one sets the list to buying itself.
    void Label2_Click() {
        setShopMode(s, ShopMode::Buying);
        buy();
    }
};

} // namespace

std::unique_ptr<Screen> makeItemShopScreen(Game &game) { return std::make_unique<ItemShopScreen>(game); }

} // namespace vermona
