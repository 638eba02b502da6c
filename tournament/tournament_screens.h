// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/game_screen.h"

#include <memory>

namespace vermona {

class Game;

// The window colour of the tournament screens that have none of their own.
inline constexpr Rgb kFormFace = 0xF0F0F0;
// The attack video: the battle holds its first frame, the movie screen plays it.
inline constexpr const char *kAttackVideo = "KOUGEKI.AVI";

std::unique_ptr<Screen> makeSpellListScreen(Game &game);     // Form7
std::unique_ptr<Screen> makeMovieScreen(Game &game);         // Form19
std::unique_ptr<Screen> makeNoticeScreen(Game &game);        // Form20
std::unique_ptr<Screen> makeEntryScreen(Game &game);         // Form21
std::unique_ptr<Screen> makeTableScreen(Game &game);         // Form22
std::unique_ptr<Screen> makeBattleScreen(Game &game);        // Form25
std::unique_ptr<Screen> makeBattleMessageScreen(Game &game); // Form26
std::unique_ptr<Screen> makeResultScreen(Game &game);        // Form27

} // namespace vermona
