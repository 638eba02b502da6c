// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/growth_record.h"
#include "runtime/text.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vermona {

class Game;

// The window a front end opens for the list of slots (Game::openView).
inline constexpr const char *kSlotsView = "slots";

enum class SlotState {
    Empty,      // no save
    Saved,      // a save that loads
    Edited,     // a save changed by hand: loading it ends the program, as designed
    Unreadable, // anything else that does not load
};

// What one of the player's slots holds, as its row in the list tells it.
struct SlotSummary {
    int number = 0;
    SlotState state = SlotState::Empty;
    // The date and the values as the menu shows them once the slot is loaded.
    GrowthPoint shown;
    Var::Int element = 0, money = 0;
    // When the save was written, in seconds since 1970; none for an empty slot.
    std::optional<std::int64_t> savedAt;
    std::string digest; // of a save that loads
};

// Reading a slot never changes the game, whatever the files hold.
SlotSummary readSlot(int number);
std::vector<SlotSummary> readSlots();

// The list's columns, left to right.
enum SlotColumn {
    kSlotNumber,
    kSlotDate,
    kSlotElement,
    kSlotAttack,
    kSlotDefense,
    kSlotSpeed,
    kSlotHp,
    kSlotIntellect,
    kSlotMp,
    kSlotMoney,
    kSlotSavedAt,
    kSlotColumns
};
Text slotColumnName(int column);
// A cell of a slot's row. The time it was saved is left to whoever shows
// it, in its own way; a slot that holds no loadable save says so in its
// date's place.
Text slotCell(const SlotSummary &slot, int column);

// The list opens from the title screen, to load, and from the main menu,
// where it also saves.
[[nodiscard]] bool slotListReachable(Game &game);
[[nodiscard]] bool canSaveToSlots(Game &game);
[[nodiscard]] inline bool canLoadOrDelete(const SlotSummary &slot) { return slot.state != SlotState::Empty; }
// The slot holds something other than this game's last save there.
[[nodiscard]] bool holdsAnotherGame(Game &game, const SlotSummary &slot);

// The list's buttons. Each asks first where something could be lost (No the
// default), tells how it went, and returns true when it was done.
// Saving makes the game belong to the slot.
bool saveToSlot(Game &game, int number);
// As "ロード" loads slot 1, after asking when progress is unsaved.
bool loadFromSlot(Game &game, int number);
// The save and its record together.
bool deleteSlot(Game &game, int number);

} // namespace vermona
