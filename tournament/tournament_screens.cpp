// SPDX-License-Identifier: GPL-3.0-or-later
#include "tournament/tournament_screens.h"

#include "data/game_screen.h"

namespace vermona {

void registerTournamentScreens(Game &game) {
    game.registerScreen(ids::kSpellList, makeSpellListScreen);
    game.registerScreen(ids::kMovie, makeMovieScreen);
    game.registerScreen(ids::kNotice, makeNoticeScreen);
    game.registerScreen(ids::kEntry, makeEntryScreen);
    game.registerScreen(ids::kTable, makeTableScreen);
    game.registerScreen(ids::kBattle, makeBattleScreen);
    game.registerScreen(ids::kBattleMessage, makeBattleMessageScreen);
    game.registerScreen(ids::kResult, makeResultScreen);
}

} // namespace vermona
