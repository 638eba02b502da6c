// SPDX-License-Identifier: GPL-3.0-or-later
#include "town/shop_list.h"

#include "data/game_screen.h"

#include <utility>

namespace vermona {

ShopListScreen::ShopListScreen(Game &game, std::string_view id, std::string caption, int clientWidth,
                               int clientHeight, Rgb background, std::string_view front)
    : GameScreen(game, id, std::move(caption), clientWidth, clientHeight, background), front_(front) {
    // The front set the mode before opening the list.
    setReaderDescription(shopMode(s) == ShopMode::Selling ? "売る品物の一覧" : "買う品物の一覧");
}

ControlRow ShopListScreen::equipmentRow(const std::string &name, int top, const Equipment &item,
                                        const std::array<Column, 3> &columns) {
    const auto [nameColumn, bonusColumn, priceColumn] = columns;
    ControlRow row = labelRow(name, top,
                              {{item.name, nameColumn.left, nameColumn.width, nameColumn.height},
                               {item.shownValue, bonusColumn.left, bonusColumn.width, bonusColumn.height},
                               {item.shownPrice, priceColumn.left, priceColumn.width, priceColumn.height}});
    row.onClick([this, &item] { trade(item); });
    return row;
}

void ShopListScreen::hideFirstNotOwned(std::initializer_list<Row> rows) {
    if (shopMode(s) != ShopMode::Selling) {
        return;
    }
    for (const Row &row : rows) {
        if (s.*row.item.owned == 0) {
            for (Control *c : row.labels) {
                c->setVisible(false);
            }
            return;
        }
    }
}

void ShopListScreen::trade(const Equipment &item) {
    Var &owned = s.*item.owned;
    Var &bonus = s.*item.bonus;
    if (shopMode(s) == ShopMode::Buying) {
        // Money is asked about before possession.
        if (s.money < item.price) {
            refuse("お金が足りないよ");
        } else if (owned != 0) {
            refuse("もう持ってるよ");
        } else if (confirm("これでいいのかい？")) {
            owned = 1;
            s.money -= item.price;
            bonus = item.value;
        }
        return;
    }
    if (shopMode(s) == ShopMode::Selling && owned == 1 && confirm(item.salePrompt)) {
        owned = 0;
        s.money += item.price / 2;
        // A sold item cannot stay equipped. Each item of a kind has its own
        // bonus, so the bonus tells whether it was the one in use; the item
        // screen's label cannot, since it is reset whenever that screen is
        // made anew.
        if (bonus == item.value) {
            bonus = 0;
        }
    }
}

bool ShopListScreen::confirm(const char *prompt) {
    s.msgText = prompt;
    s.msgStyle = kYesNo;
    s.msgTitle = caption();
    // Enter, Escape or closing the box keeps the money and the goods.
    s.answer = game_.msgBox(*s.msgText, static_cast<int>(s.msgStyle.get()) | kDefaultNo, *s.msgTitle);
    return s.answer == kYes;
}

void ShopListScreen::refuse(const char *prompt) { game_.msgBox(prompt, kOkOnly, caption()); }

void ShopListScreen::back() {
    setShopMode(s, ShopMode::Buying);
    changeTo(front_);
}

} // namespace vermona
