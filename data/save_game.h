// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/growth_record.h"
#include "data/save_file.h"
#include "runtime/text.h"

#include <array>
#include <string>

namespace vermona {

class Game;

// A save and the growth record that goes with it.
struct SaveSlot {
    const char *save;
    const char *record;
    int number; // 1..kSaveSlots for the player's slots, 0 for the resume point
};
// The player's slots. Slot 1 is the save a new game makes with セーブ(S) and
// that "ロード" reads, as it always was; the others keep more heroes beside
// it, in the same form.
inline constexpr std::array<SaveSlot, kSaveSlots> kSlots{{
    {kSaveFileName, kRecordFileName, 1},
    {"savedate2.sav", "growth_record2.csv", 2},
    {"savedate3.sav", "growth_record3.csv", 3},
    {"savedate4.sav", "growth_record4.csv", 4},
    {"savedate5.sav", "growth_record5.csv", 5},
    {"savedate6.sav", "growth_record6.csv", 6},
    {"savedate7.sav", "growth_record7.csv", 7},
    {"savedate8.sav", "growth_record8.csv", 8},
    {"savedate9.sav", "growth_record9.csv", 9},
    {"savedate10.sav", "growth_record10.csv", 10},
}};
inline constexpr SaveSlot kPlayerSlot = kSlots[0];
// Where the game stands each time the menu shows, so that a game that ends
// unexpectedly can go on from there; gone after a normal end.
inline constexpr SaveSlot kResumeSlot{"resume.sav", "resume_record.csv", 0};

// Slot 1..kSaveSlots.
const SaveSlot &saveSlot(int number);

// Saves into the slot the game belongs to, which it then belongs to: the
// record first, then the save, so that at any moment of an interruption the
// record on disk belongs to the save on disk. When the record cannot be
// written the save is not written either. Returns the prompt of the box that
// tells how it went.
Text saveGame(Game &game);
// The same into any of the player's slots; the game belongs to it afterwards.
struct SaveOutcome {
    bool saved = false;
    Text message;
};
SaveOutcome saveGameTo(Game &game, int slot);

// Reads a slot into the game, afresh: every variable as at the program's
// start, then the saved ones, and the record that belongs to the save (an
// empty one when none does). A fault changes nothing of the game.
LoadResult loadGame(Game &game, const SaveSlot &slot);
// What "ロード" does with a slot: loads it and goes on from the menu, in
// place of every screen; false, with the reason told, when it cannot be
// loaded. An edited save ends the program, as designed; an edited resume
// point only gives way.
bool loadAndGoOn(Game &game, const SaveSlot &slot);

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
