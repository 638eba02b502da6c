// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/text.h"
#include "runtime/var.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vermona {

struct GameState;

// The player's save in the working directory: slot 1 of kSaveSlots, the
// others beside it as savedate2.sav and on.
inline constexpr const char *kSaveFileName = "savedate.sav";
inline constexpr int kSaveSlots = 10;
inline constexpr int kSaveLines = 36;

// Every value in this range is written and read back exactly: it is the
// 32-bit range the game's numbers are meant to live in, and with the
// multiplier below its encoded values stay small enough for the load's
// double-precision division to be exact. Saving refuses anything outside it
// rather than write a file that would not load back.
inline constexpr Var::Int kSaveMin = -2147483648LL;
inline constexpr Var::Int kSaveMax = 2147483647LL;

// The saved variables in file order; an empty variable counts as 0.
using SaveValues = std::array<Var::Int, kSaveLines>;

SaveValues saveValuesOf(const GameState &state);
void assignSaveValues(GameState &state, const SaveValues &values);

// ---- encoding -------------------------------------------------------------

// One line's text (without its line break), or nothing when the value is
// outside kSaveMin..kSaveMax. line is 1..36.
std::optional<std::string> encodeLine(int line, Var::Int value);

// The whole file, or the first line (1..36) whose value cannot be saved.
struct SaveText {
    std::string text;
    int outOfRangeLine = 0;
    [[nodiscard]] bool ok() const { return outOfRangeLine == 0; }
};
SaveText encodeSave(const SaveValues &values);

// ---- decoding -------------------------------------------------------------

enum class LoadFault {
    None,
    Missing,     // no file
    Unreadable,  // cannot be opened or read
    FileTooLong, // far longer than any save could be
    Empty,       // no bytes at all
    Short,       // ends before line `line`
    NotANumber,  // line `line` is not a plain decimal number
    OutOfRange,  // line `line` holds a number beyond what a save can hold
    ExtraData,   // something other than blanks follows line 36
    NotWhole,    // line `line` does not decode to a whole number: the file was edited
};

struct LoadResult {
    LoadFault fault = LoadFault::None;
    int line = 0;        // 1..36 for the per-line faults
    SaveValues values{}; // complete only when fault is None
    [[nodiscard]] bool ok() const { return fault == LoadFault::None; }
};

// Pure: parses and decodes the text of a save file. Lines are checked in
// order and the first faulty line decides the result, as a reader going
// through the file line by line would find it.
LoadResult decodeSave(std::string_view text);

// One line's content (no line break). Exposed for tests.
struct LineResult {
    LoadFault fault = LoadFault::None;
    Var::Int value = 0;
};
LineResult decodeLine(int line, std::string_view content);

// Title of the box that refuses an edited file: "ロード1" .. "ロード21", and
// "ロード21" for every later line.
Text fieldCheckTitle(int line);

// Prompt for a load that failed for any reason other than NotWhole; the
// file is named when it is the cause.
Text loadFailureMessage(const LoadResult &result, const std::string &file = kSaveFileName);

// ---- files ----------------------------------------------------------------

// Reads and decodes a save file.
LoadResult loadSaveFile(const std::string &path);

// Prompt for a save that failed; error is writeFileAtomically's result, or 0 when
// a value was out of range. A save whose growth record could not be written
// is not written either, so that the two always belong together.
Text saveFailureMessage(int error);
Text recordFailureMessage(int error, const std::string &recordFile);

// Tells one set of saved values from another: 16 hex digits over the text
// the values are saved as. A record names the save it belongs to by it.
std::string saveDigest(const SaveValues &values);

// Bookkeeping of one game, kept beside (not in) the game variables.
struct SaveRecord {
    // The slot the game belongs to, where セーブ(S) saves it: 1 for a new
    // game, else the one it was loaded from or last saved into.
    int slot = 1;
    // What that slot's save file held when this game last saved or loaded it.
    std::optional<SaveValues> lastWritten;
    // The digest of that save, and of the resume point this game last
    // wrote or loaded; empty for none.
    std::string saveDigest;
    std::string resumeDigest;
    // This run has written a resume point, so its normal end removes it.
    bool wroteResume = false;
};

} // namespace vermona
