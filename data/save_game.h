// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/growth_record.h"
#include "data/save_file.h"
#include "runtime/text.h"

#include <string>

namespace vermona {

class Game;

// A save and the growth record that goes with it.
struct SaveSlot {
    const char *save;
    const char *record;
};
// The player's own save, written from the menu and read by "ロード".
inline constexpr SaveSlot kPlayerSlot{kSaveFileName, kRecordFileName};
// Where the game stands each time the menu shows, so that a game that ends
// unexpectedly can go on from there; gone after a normal end.
inline constexpr SaveSlot kResumeSlot{"resume.sav", "resume_record.csv"};

// The player's save: the record first, then the save, so that at any moment
// of an interruption the record on disk belongs to the save on disk. When
// the record cannot be written the save is not written either. Returns the
// prompt of the box that tells how it went.
Text saveGame(Game &game);

// Reads a slot into the game: its variables, and the record that belongs to
// it (an empty one when none does). A fault changes nothing of the game.
LoadResult loadGame(Game &game, const SaveSlot &slot);

// The menu has shown a week: it becomes the resume point, with its record.
// Quietly does nothing when the files cannot be written; the last resume
// point then stays.
void writeResumePoint(Game &game);
[[nodiscard]] bool hasResumePoint();
void removeResumePoint();
// The program ends normally: the resume point this run wrote is removed, so
// there is nothing to resume. One this run never touched stays.
void endRun(Game &game);

} // namespace vermona
