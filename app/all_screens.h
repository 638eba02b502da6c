// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vermona {

class Game;

// Every screen the game has, registered by id.
void registerAllScreens(Game &game);

} // namespace vermona
