// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/save_game.h"

#include "data/game_state.h"
#include "data/growth_record.h"
#include "runtime/files.h"
#include "runtime/game.h"

#include <cstdio>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace vermona {

Text saveGame(Game &game) {
    const GameState &s = stateOf(game);
    SaveRecord &book = game.store<SaveRecord>();
    const SaveValues values = saveValuesOf(s);
    const SaveText text = encodeSave(values);
    if (!text.ok()) {
        return saveFailureMessage(0);
    }
    const std::string digest = saveDigest(values);
    if (int error = writeRecordFile(kPlayerSlot.record, game.store<GrowthRecord>(),
                                    SaveLink{digest, book.saveDigest, digest});
        error != 0) {
        return recordFailureMessage(error, kPlayerSlot.record);
    }
    if (int error = writeFileAtomically(kPlayerSlot.save, text.text); error != 0) {
        return saveFailureMessage(error);
    }
    book.lastWritten = values;
    book.saveDigest = digest;
    return "セーブを完了しました";
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
    assignSaveValues(s, loaded.values);
    const std::string digest = saveDigest(loaded.values);
    std::optional<RecordFile> record = loadRecordFile(slot.record, digest, currentDate(s));
    if (std::string_view(slot.save) == kPlayerSlot.save) {
        book.lastWritten = loaded.values;
        book.saveDigest = digest;
    } else {
        // A resume point is no save of the player's: what is unsaved is
        // measured against the player's own save, when it is still the one
        // this game last had.
        book.resumeDigest = digest;
        book.saveDigest = record && record->link ? record->link->playerSave : std::string();
        book.lastWritten.reset();
        if (LoadResult own = loadSaveFile(kPlayerSlot.save);
            own.ok() && !book.saveDigest.empty() && saveDigest(own.values) == book.saveDigest) {
            book.lastWritten = own.values;
        }
    }
    // The record is a bonus: without a usable one the load goes on and the
    // record starts at the loaded week.
    replaceRecord(game, record ? std::move(record->record) : GrowthRecord{});
    return loaded;
}

void writeResumePoint(Game &game) {
    SaveRecord &book = game.store<SaveRecord>();
    const SaveValues values = saveValuesOf(stateOf(game));
    const SaveText text = encodeSave(values);
    if (!text.ok()) {
        return;
    }
    const std::string digest = saveDigest(values);
    if (writeRecordFile(kResumeSlot.record, game.store<GrowthRecord>(),
                        SaveLink{digest, book.resumeDigest, book.saveDigest}) != 0 ||
        writeFileAtomically(kResumeSlot.save, text.text) != 0) {
        return;
    }
    book.resumeDigest = digest;
    book.wroteResume = true;
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
