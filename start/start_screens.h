// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

namespace vermona {

class Game;
class Screen;

std::unique_ptr<Screen> makeTitleScreen(Game &game);     // Form1
std::unique_ptr<Screen> makeHeroSetupScreen(Game &game); // Form2
std::unique_ptr<Screen> makeMainMenuScreen(Game &game);  // Form3
std::unique_ptr<Screen> makeElementScreen(Game &game);   // Form10

} // namespace vermona
