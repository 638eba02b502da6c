// SPDX-License-Identifier: GPL-3.0-or-later
#include "activities/activity_screens.h"

#include "data/game_screen.h"

namespace vermona {

void registerActivityScreens(Game &game) {
    game.registerScreen(ids::kSchedule, makeScheduleScreen);
    game.registerScreen(ids::kJourney, makeJourneyScreen);
    game.registerScreen(ids::kAttackMagic, makeAttackMagicScreen);
    game.registerScreen(ids::kRecoveryMagic, makeRecoveryMagicScreen);
    game.registerScreen(ids::kSupportMagic, makeSupportMagicScreen);
}

} // namespace vermona
