#include "activities/activity_screens.h"

#include "core/game.h"

namespace vermona {

void registerActivityScreens(Game & /*game*/) {}

} // namespace vermona
