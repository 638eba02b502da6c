// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/game_codes.h"
#include "data/game_screen.h"
#include "town/equipment.h"

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>

namespace vermona {

// What the three buy lists share: the boxes under the shop's title (the
// window caption), the trade in a piece of equipment, and the way back.
class ShopListScreen : public GameScreen {
public:
    // Where a column of an equipment list lies across the row, and how tall
    // its labels are.
    struct Column {
        int left, width, height;
    };

protected:
    ShopListScreen(Game &game, std::string_view id, std::string caption, int clientWidth, int clientHeight,
                   Rgb background, std::string_view front);

    // An equipment list's row: the item's name, bonus and price as its table
    // has them, in the list's three columns; a click on any of them trades in
    // the item.
    ControlRow equipmentRow(const std::string &name, int top, const Equipment &item,
                            const std::array<Column, 3> &columns);

    // One row of an equipment list: name, bonus and price labels.
    struct Row {
        const Equipment &item;
        const ControlRow &labels;
    };

    // Selling mode: the row of the first item not owned goes, and only that one.
    void hideFirstNotOwned(std::initializer_list<Row> rows);
    // A click on an equipment row: buy it or sell it back, as shopMode says.
    void trade(const Equipment &item);
    // Asks through the message variables and keeps the button in answer.
    bool confirm(const char *prompt);
    void refuse(const char *prompt);
    // "戻る": back to the shop front, buying again.
    void back();
    // The list's heading: it asks what the player buys in either mode, as
    // designed, but a language may ask what he sells (the same heading in
    // its "selling" sense).
    [[nodiscard]] Text heading(const Text &buying, const Text &selling) const {
        return shopMode(s) == ShopMode::Selling ? selling : buying;
    }

private:
    std::string front_;
};

} // namespace vermona
