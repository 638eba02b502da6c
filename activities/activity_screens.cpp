#include "activities/activity_screens.h"

#include "core/game.h"

namespace vermona {

void registerActivityScreens(Game &game) {
    game.registerScreen("Form4", makeScheduleScreen);
    game.registerScreen("Form5", makeJourneyScreen);
    game.registerScreen("Form6", makeAttackMagicScreen);
    game.registerScreen("Form9", makeRecoveryMagicScreen);
    game.registerScreen("Form11", makeSupportMagicScreen);
}

} // namespace vermona
