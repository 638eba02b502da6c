#include "core/quit.h"

#include "core/game.h"
#include "core/save_file.h"

namespace vermona {

namespace {

// A game is under way once the menu's first tick or a load has set the year
// (nothing else writes it); its progress is unsaved while the saved values
// differ from what the save file last held for it.
bool hasUnsavedProgress(Game &game) {
    if (game.ended() || game.state.year.empty()) {
        return false;
    }
    const auto &last = game.record<SaveRecord>().lastWritten;
    return !last || *last != saveValuesOf(game.state);
}

} // namespace

bool confirmQuit(Game &game) {
    if (!hasUnsavedProgress(game)) {
        return true;
    }
    return game.msgBox("セーブしていません。終了しますか？", kYesNo, "ヴェルモナ") == kYes;
}

} // namespace vermona
