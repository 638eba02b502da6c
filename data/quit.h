// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vermona {

class Game;

// A game is under way and what it would save differs from what the save of
// its slot last held for it.
bool hasUnsavedProgress(Game &game);

// Asked when the player closes the game's window: true when the program may
// end now. May ask the player through the game's message box.
bool confirmQuit(Game &game);

} // namespace vermona
