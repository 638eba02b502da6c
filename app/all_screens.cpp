#include "app/all_screens.h"

#include "activities/activity_screens.h"
#include "core/core_screens.h"

namespace vermona {

void registerAllScreens(Game &game) {
    registerCoreScreens(game);
    registerActivityScreens(game);
}

} // namespace vermona
