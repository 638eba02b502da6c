// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/all_screens.h"

#include "activities/activity_screens.h"
#include "start/start_screens.h"
#include "tournament/tournament_screens.h"
#include "town/town_screens.h"

namespace vermona {

void registerAllScreens(Game &game) {
    registerStartScreens(game);
    registerActivityScreens(game);
    registerTownScreens(game);
    registerTournamentScreens(game);
}

} // namespace vermona
