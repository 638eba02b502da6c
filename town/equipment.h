// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/game_state.h"

#include <array>

namespace vermona {

// A weapon or a shield: what it costs, what it gives, and where the game
// keeps whether the hero owns it and the bonus of what is equipped. The
// shops' lists and the equipment change show it as written here.
struct Equipment {
    const char *name;
    const char *shownValue; // the bonus as the lists print it
    int value;              // the bonus it gives
    int price;
    const char *shownPrice; // as its shop's list prints it: the weapons' without "Ｇ"
    const char *salePrompt; // asks for half the price
    Var GameState::*owned;
    Var GameState::*bonus;
};

// clang-format off
inline constexpr Equipment kKnife{"ナイフ", "３", 3, 300, "３００", "１５０Ｇだけどいいかい？",
                                  &GameState::ownsKnife, &GameState::weaponAttack};
inline constexpr Equipment kSword{"ソード", "５", 5, 600, "６００", "３００Ｇだけどいいかい？",
                                  &GameState::ownsSword, &GameState::weaponAttack};
inline constexpr Equipment kWoodShield{"ウッドシールド", "２", 2, 200, "２００Ｇ", "１００Ｇだけどいいかい？",
                                       &GameState::ownsWoodShield, &GameState::shieldDefense};
inline constexpr Equipment kIronShield{"鉄の盾", "４", 4, 300, "３００Ｇ", "１５０Ｇだけどいいかい？",
                                       &GameState::ownsIronShield, &GameState::shieldDefense};
inline constexpr Equipment kSteelShield{"鋼鉄の盾", "７", 7, 450, "４５０Ｇ", "２２５Ｇだけどいいかい？",
                                        &GameState::ownsSteelShield, &GameState::shieldDefense};
// clang-format on

// Each kind in the order the lists show it.
inline constexpr std::array<const Equipment *, 2> kWeapons{&kKnife, &kSword};
inline constexpr std::array<const Equipment *, 3> kShields{&kWoodShield, &kIronShield, &kSteelShield};

} // namespace vermona
