// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/save_game.h"

#include "data/game_state.h"
#include "data/growth_record.h"
#include "data/screen_ids.h"
#include "runtime/files.h"
#include "runtime/game.h"

#include <cstdio>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

namespace vermona {

namespace {

// The resume point, naming the slot the game belongs to and the save it
// last had there.
void writeResume(Game &game, int slot, const std::string &playerSave) {
    SaveRecord &book = game.store<SaveRecord>();
    const SaveValues values = saveValuesOf(stateOf(game));
    const SaveText text = encodeSave(values);
    if (!text.ok()) {
        return;
    }
    const std::string digest = saveDigest(values);
    if (writeRecordFile(kResumeSlot.record, game.store<GrowthRecord>(),
                        SaveLink{digest, book.resumeDigest, playerSave, slot}) != 0 ||
        writeFileAtomically(kResumeSlot.save, text.text) != 0) {
        return;
    }
    book.resumeDigest = digest;
    book.wroteResume = true;
}

} // namespace

const SaveSlot &saveSlot(int number) { return kSlots.at(static_cast<std::size_t>(number - 1)); }

Text saveGame(Game &game) { return saveGameTo(game, game.store<SaveRecord>().slot).message; }

SaveOutcome saveGameTo(Game &game, int slotNumber) {
    const SaveSlot &slot = saveSlot(slotNumber);
    const GameState &s = stateOf(game);
    SaveRecord &book = game.store<SaveRecord>();
    const SaveValues values = saveValuesOf(s);
    const SaveText text = encodeSave(values);
    if (!text.ok()) {
        return {false, saveFailureMessage(0)};
    }
    const std::string digest = saveDigest(values);
    // The save this one replaces is this game's only in its own slot; a
    // record never claims another game's save.
    const bool moving = slotNumber != book.slot;
    const std::string previous = moving ? std::string() : book.saveDigest;
    if (moving) {
        // The game is to belong to another slot: the resume point says so
        // first, so that a game cut short right after this save goes on
        // saving there, never over the slot it leaves.
        writeResume(game, slotNumber, digest);
    }
    Text failure;
    if (int error = writeRecordFile(slot.record, game.store<GrowthRecord>(),
                                    SaveLink{digest, previous, digest, slotNumber});
        error != 0) {
        failure = recordFailureMessage(error, slot.record);
    } else if (error = writeFileAtomically(slot.save, text.text); error != 0) {
        failure = saveFailureMessage(error);
    }
    if (!failure.empty()) {
        if (moving) {
            writeResumePoint(game); // back to the slot it still belongs to
        }
        return {false, failure};
    }
    book.slot = slotNumber;
    book.lastWritten = values;
    book.saveDigest = digest;
    // A list of the slots on screen shows what they hold now.
    game.notifyDataChanged();
    return {true, "セーブを完了しました"};
}

LoadResult loadGame(Game &game, const SaveSlot &slot) {
    // Everything is decoded into a temporary first, so a file that cannot be
    // read leaves the game as it was.
    LoadResult loaded = loadSaveFile(slot.save);
    if (!loaded.ok()) {
        return loaded;
    }
    GameState &s = stateOf(game);
    SaveRecord &book = game.store<SaveRecord>();
    // Nothing of a game under way stays behind.
    s = GameState{};
    assignSaveValues(s, loaded.values);
    const std::string digest = saveDigest(loaded.values);
    std::optional<RecordFile> record = loadRecordFile(slot.record, digest, currentDate(s));
    if (slot.number != 0) {
        book.slot = slot.number;
        book.lastWritten = loaded.values;
        book.saveDigest = digest;
    } else {
        // A resume point is no save of the player's: what is unsaved is
        // measured against the save of the slot the game belongs to, when
        // it is still the one this game last had.
        const std::optional<SaveLink> link = record ? record->link : std::nullopt;
        book.resumeDigest = digest;
        book.slot = link ? link->playerSlot : 1;
        book.saveDigest = link ? link->playerSave : std::string();
        book.lastWritten.reset();
        if (LoadResult own = loadSaveFile(saveSlot(book.slot).save);
            own.ok() && !book.saveDigest.empty() && saveDigest(own.values) == book.saveDigest) {
            book.lastWritten = own.values;
        }
    }
    // The record is a bonus: without a usable one the load goes on and the
    // record starts at the loaded week.
    replaceRecord(game, record ? std::move(record->record) : GrowthRecord{});
    return loaded;
}

bool loadAndGoOn(Game &game, const SaveSlot &slot) {
    const LoadResult loaded = loadGame(game, slot);
    if (loaded.fault == LoadFault::NotWhole) {
        game.msgBox("データの変更はしないようにして下さい！", kOkOnly, fieldCheckTitle(loaded.line));
        if (slot.number != 0) {
            game.end();
        }
        return false;
    }
    if (!loaded.ok()) {
        game.msgBox(loadFailureMessage(loaded, slot.save), kOkOnly, "ヴェルモナ");
        return false;
    }
    game.msgBox("ロード終了", kOkOnly, "ヴェルモナ");
    // The menu anew in place of every screen: the title's, or those of a
    // game under way. It is shown before the others close, as a screen
    // change is made.
    std::vector<std::string> before;
    for (const Screen *screen : game.screens()) {
        if (screen->id() != ids::kMainMenu) {
            before.push_back(screen->id());
        }
    }
    game.close(ids::kMainMenu);
    game.show(ids::kMainMenu);
    for (const std::string &id : before) {
        game.close(id);
    }
    return true;
}

void writeResumePoint(Game &game) {
    const SaveRecord &book = game.store<SaveRecord>();
    writeResume(game, book.slot, book.saveDigest);
}

bool hasResumePoint() {
    std::error_code ec;
    return std::filesystem::is_regular_file(kResumeSlot.save, ec);
}

void removeResumePoint() {
    // The save first: without it there is nothing to resume, whatever else
    // an interruption leaves.
    std::remove(kResumeSlot.save);
    std::remove(kResumeSlot.record);
}

void endRun(Game &game) {
    if (game.store<SaveRecord>().wroteResume) {
        removeResumePoint();
    }
}

} // namespace vermona
