// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/quit.h"

#include "data/game_state.h"
#include "data/save_file.h"
#include "runtime/game.h"

namespace vermona {

// A game is under way once the menu's first tick or a load has set the year
// (nothing else writes it); its progress is unsaved while the saved values
// differ from what the save file last held for it.
bool hasUnsavedProgress(Game &game) {
    if (game.ended() || stateOf(game).year.empty()) {
        return false;
    }
    const auto &last = game.store<SaveRecord>().lastWritten;
    return !last || *last != saveValuesOf(stateOf(game));
}

bool confirmQuit(Game &game) {
    if (!hasUnsavedProgress(game)) {
        return true;
    }
    // Enter, Escape or closing the box keeps the game running.
    return game.msgBox("セーブしていません。終了しますか？", kYesNo | kDefaultNo, "ヴェルモナ") == kYes;
}

} // namespace vermona
