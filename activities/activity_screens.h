#pragma once

namespace vermona {

class Game;

void registerActivityScreens(Game &game);

} // namespace vermona
