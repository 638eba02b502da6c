// SPDX-License-Identifier: GPL-3.0-or-later
#include "start/start_screens.h"

#include "data/game_screen.h"

namespace vermona {

void registerStartScreens(Game &game) {
    game.registerScreen(ids::kTitle, makeTitleScreen);
    game.registerScreen(ids::kHeroSetup, makeHeroSetupScreen);
    game.registerScreen(ids::kMainMenu, makeMainMenuScreen);
    game.registerScreen(ids::kElement, makeElementScreen);
}

} // namespace vermona
