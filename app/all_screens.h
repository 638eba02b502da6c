// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vermona {
class Game;
} // namespace vermona

namespace vermona::app {

// Every screen the game has, registered by id.
void registerAllScreens(Game &game);

} // namespace vermona::app
