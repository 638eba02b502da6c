#include "app/all_screens.h"

#include "activities/activity_screens.h"
#include "start/start_screens.h"

namespace vermona {

void registerAllScreens(Game &game) {
    registerStartScreens(game);
    registerActivityScreens(game);
}

} // namespace vermona
