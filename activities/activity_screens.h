// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

namespace vermona {

class Game;
class Screen;

std::unique_ptr<Screen> makeScheduleScreen(Game &game);      // Form4
std::unique_ptr<Screen> makeJourneyScreen(Game &game);       // Form5
std::unique_ptr<Screen> makeAttackMagicScreen(Game &game);   // Form6
std::unique_ptr<Screen> makeRecoveryMagicScreen(Game &game); // Form9
std::unique_ptr<Screen> makeSupportMagicScreen(Game &game);  // Form11

} // namespace vermona
