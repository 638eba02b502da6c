// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/game_screen.h"
#include "town/shop_list.h"
#include "town/town_screens.h"

namespace vermona {

namespace {

constexpr int kHerbPrice = 50;

class HerbListScreen : public ShopListScreen {
public:
    explicit HerbListScreen(Game &g)
        : ShopListScreen(g, ids::kHerbList, "アイテム屋", 4680, 3195, 0xFF00FF, ids::kItemShop) {}

    // clang-format off
    Control &Label1 = label("Label1", heading("何が欲しいのですか？", Text::meaning("何が欲しいのですか？", "selling")),
        840, 240, 2775, 375).transparent().foreground(0xE0E0E0).points(14.25);
    Control &Label4 = label("Label4", "効果", 2040, 600, 495, 255).background(0xFFFFFF).foreground(0xFF00FF);
    Control &Label3 = label("Label3", "値段", 3600, 600, 495, 255).background(0xFFFFFF).foreground(0x0000FF);
    Control &Label2 = label("Label2", "薬草", 480, 960, 480, 240).transparent().points(12).onClick([this] { Label2_Click(); });
    Control &Label5 = label("Label5", "体力回復", 1560, 960, 1455, 255)
        .background(0xFFFFFF).foreground(0xFF00FF).points(9.75);
    Control &Label6 = label("Label6", "５０Ｇ", 3600, 960, 855, 255)
        .background(0xFFFFFF).foreground(0x0000FF).points(9.75);
    Control &Command1 = button("Command1", "戻る", 1800, 2760, 855, 375).background(0xFFFF00)
        .onClick([this] { Command1_Click(); });
    // clang-format on

    // Herbs are counted, not owned once: each purchase adds one.
    void Label2_Click() {
        if (shopMode(s) == ShopMode::Buying) {
            if (s.money < kHerbPrice) {
                refuse("お金が足りないよ");
            } else if (confirm("これでいいのかい？")) {
                s.herbs += 1;
                s.money -= kHerbPrice;
            }
        } else if (shopMode(s) == ShopMode::Selling && s.herbs >= 1 && confirm("２５Ｇだけどいいかい？")) {
            s.herbs -= 1;
            s.money += kHerbPrice / 2;
        }
    }
    void Command1_Click() { back(); }
};

} // namespace

std::unique_ptr<Screen> makeHerbListScreen(Game &game) { return std::make_unique<HerbListScreen>(game); }

} // namespace vermona
