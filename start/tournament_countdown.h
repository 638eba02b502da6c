// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/game_state.h"
#include "runtime/game.h"

namespace vermona {

// The weeks until the next tournament (15 to 29), drawn for a new game and
// again once the last tournament's countdown has run out.
inline void drawTournamentCountdown(Game &game) { stateOf(game).daysToTournament = game.roll(15, 15); }

} // namespace vermona
