// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/game_state.h"

namespace vermona {

// The hero's values in a match, as his abilities and his equipment give
// them: attack and defence with the bonus of what he has equipped, and ten
// HP for each point of stamina.
inline Var::Int heroAttackWithWeapon(const GameState &s) {
    return Var::addSaturated(s.strength, s.weaponAttack);
}
inline Var::Int heroDefenseWithShield(const GameState &s) {
    return Var::addSaturated(s.defense, s.shieldDefense);
}
inline Var::Int heroFullHP(const GameState &s) { return Var::mulSaturated(10, s.stamina); }

// Every match starts from them, with full HP and MP.
inline void setHeroMatchValues(GameState &s) {
    s.heroAttack = heroAttackWithWeapon(s);
    s.heroDefense = heroDefenseWithShield(s);
    s.heroSpellPower = s.intellect;
    s.heroMP = s.magicPower;
    s.heroHP = heroFullHP(s);
}

} // namespace vermona
