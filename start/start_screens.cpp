#include "start/start_screens.h"

#include "core/game.h"

namespace vermona {

void registerStartScreens(Game &game) {
    game.registerScreen("Form1", makeTitleScreen);
    game.registerScreen("Form2", makeHeroSetupScreen);
    game.registerScreen("Form3", makeMainMenuScreen);
    game.registerScreen("Form10", makeElementScreen);
}

} // namespace vermona
