// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/game_codes.h"
#include "data/game_screen.h"
#include "town/town_screens.h"

#include <string>
#include <string_view>
#include <utility>

namespace vermona {

// What the three shop fronts share: their three choices, to buy or to sell
// from the shop's list and to leave the shop.
class ShopFrontScreen : public GameScreen {
protected:
    ShopFrontScreen(Game &game, std::string_view id, Text caption, int clientWidth, int clientHeight,
                    Rgb background, std::string_view list, std::string_view wayOut)
        : GameScreen(game, id, std::move(caption), clientWidth, clientHeight, background), list_(list),
          wayOut_(wayOut) {
        setReaderDescription(kShopFront);
    }

    // Buying leaves shopMode alone: every way out of a list has reset it.
    void buy() { changeTo(list_); }
    void sell() {
        setShopMode(s, ShopMode::Selling);
        changeTo(list_);
    }
    void leave() { changeTo(wayOut_); }

private:
    std::string list_;
    std::string wayOut_;
};

} // namespace vermona
