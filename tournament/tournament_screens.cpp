#include "tournament/tournament_screens.h"

#include "core/game.h"

namespace vermona {

void registerTournamentScreens(Game &game) {
    game.registerScreen("Form7", makeSpellListScreen);
    game.registerScreen("Form19", makeMovieScreen);
    game.registerScreen("Form20", makeNoticeScreen);
    game.registerScreen("Form21", makeEntryScreen);
    game.registerScreen("Form22", makeTableScreen);
    game.registerScreen("Form25", makeBattleScreen);
    game.registerScreen("Form26", makeBattleMessageScreen);
    game.registerScreen("Form27", makeResultScreen);
}

} // namespace vermona
