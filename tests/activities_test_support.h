// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The hero the weekly activities, the journeys and the town's tests start
// from.
#include "data/game_state.h"

namespace vermona::test {

// A hero in week 1 of year 1 with the starting purse and no magic.
inline void prepareHero(GameState &s) {
    for (Var *v : {&s.strength, &s.defense, &s.speed, &s.stamina, &s.intellect, &s.magicPower}) {
        *v = 5;
    }
    s.fatigue = 0;
    s.money = 1000;
    s.year = 1;
    s.month = 1;
    s.week = 1;
    s.daysToTournament = 10;
    s.entrants = 7; // the tick leaves a full field alone
    for (Var *v :
         {&s.fireMagicLevel, &s.waterMagicLevel, &s.thunderMagicLevel, &s.neutralMagicLevel,
          &s.healMagicLevel, &s.cureMagicLevel, &s.powerMagicLevel, &s.guardMagicLevel, &s.speedMagicLevel}) {
        v->clear();
    }
}

} // namespace vermona::test
