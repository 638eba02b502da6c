// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/game_codes.h"
#include "data/game_screen.h"
#include "town/town_screens.h"

namespace vermona {

namespace {

class ItemShopScreen : public GameScreen {
public:
    explicit ItemShopScreen(Game &g) : GameScreen(g, ids::kItemShop, "アイテム屋", 4965, 3615, 0xFFFF00) {
        setReaderDescription(kShopFront);
    }

    // clang-format off
    Control &Label1 = label("Label1", "何のご用です？", 1200, 360, 2055, 375).background(0x00FF00).points(14.25);
    Control &Label2 = label("Label2", "購入", 1080, 1200, 975, 375).background(0x00FFFF).points(14.25)
        .onClick([this] { Label2_Click(); });
    Control &Label3 = label("Label3", "売却", 3120, 1200, 975, 375).background(0x0000FF).foreground(0xFFFFFF).points(14.25)
        .onClick([this] { Label3_Click(); });
    Control &Label4 = label("Label4", "戻る", 2160, 2280, 615, 375).background(0x000000).foreground(0xFFFFFF).points(14.25)
        .onClick([this] { Label4_Click(); });
    // clang-format on

    void Label2_Click() {
        setShopMode(s, ShopMode::Buying);
        changeTo(ids::kHerbList);
    }
    void Label3_Click() {
        setShopMode(s, ShopMode::Selling);
        changeTo(ids::kHerbList);
    }
    // The item shop lets out onto the main menu; its load does not spend a week.
    void Label4_Click() { changeTo(ids::kMainMenu); }
};

} // namespace

std::unique_ptr<Screen> makeItemShopScreen(Game &game) { return std::make_unique<ItemShopScreen>(game); }

} // namespace vermona
