// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/game_state.h"
#include "runtime/var.h"

namespace vermona {

// What the numbers in some of the game's variables stand for. The variables
// (and so the save file) keep the numbers; screens read and write them
// through these names. Any number reads back as itself, named or not.

// Whether a shop's list buys or sells back (shopMode).
enum class ShopMode : Var::Int { Buying = 0, Selling = 1 };

inline ShopMode shopMode(const GameState &s) { return static_cast<ShopMode>(s.shopMode.get()); }
inline void setShopMode(GameState &s, ShopMode mode) { s.shopMode = static_cast<Var::Int>(mode); }

// What the equipment change lists (equipKind): the item list's four rows.
enum class EquipKind : Var::Int { None = 0, Weapon = 1, Armour = 2, Shield = 3, Accessory = 4 };

inline EquipKind equipKind(const GameState &s) { return static_cast<EquipKind>(s.equipKind.get()); }
inline void setEquipKind(GameState &s, EquipKind kind) { s.equipKind = static_cast<Var::Int>(kind); }

// What a spell does, which is also the message that tells it (castKind
// holds it from the spell list to the message window).
enum class SpellKind : Var::Int {
    None = 0, // no spell under way
    Attack = 1,
    Heal = 2,
    CurePoison = 3,
    Dispel = 4,
    PowerUp = 5,
    PowerDown = 6,
    GuardUp = 7,
    GuardDown = 8,
    SpeedUp = 9,
    SpeedDown = 10,
    // The spell list is open from a battle. An attack spell leaves it so,
    // as the kind of its message.
    ListFromBattle = Attack,
};

inline SpellKind castKind(const GameState &s) { return static_cast<SpellKind>(s.castKind.get()); }
inline void setCastKind(GameState &s, SpellKind kind) { s.castKind = static_cast<Var::Int>(kind); }

} // namespace vermona
