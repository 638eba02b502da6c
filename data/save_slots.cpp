// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/save_slots.h"

#include "data/calendar.h"
#include "data/element.h"
#include "data/game_state.h"
#include "data/quit.h"
#include "data/save_game.h"
#include "data/screen_ids.h"
#include "runtime/game.h"

#include <filesystem>
#include <sys/stat.h>
#include <system_error>

namespace vermona {

namespace {

Text number(Var::Int value) { return Text::verbatim(std::to_string(value)); }

bool visible(Game &game, std::string_view id) {
    const Screen *screen = game.find(id);
    return screen != nullptr && screen->visible();
}

constexpr int kAsk = kYesNo | kQuestion | kDefaultNo;

} // namespace

SlotSummary readSlot(int slotNumber) {
    const SaveSlot &slot = saveSlot(slotNumber);
    SlotSummary out;
    out.number = slotNumber;
    const LoadResult loaded = loadSaveFile(slot.save);
    switch (loaded.fault) {
    case LoadFault::None:
        out.state = SlotState::Saved;
        break;
    case LoadFault::Missing:
        return out;
    case LoadFault::NotWhole:
        out.state = SlotState::Edited;
        break;
    default:
        out.state = SlotState::Unreadable;
        break;
    }
    if (struct stat st{}; ::stat(slot.save, &st) == 0) {
        out.savedAt = static_cast<std::int64_t>(st.st_mtime);
    }
    if (out.state == SlotState::Saved) {
        GameState s;
        assignSaveValues(s, loaded.values);
        // The date the menu shows once it has loaded the save.
        rollOverWeek(s.year, s.month, s.week);
        out.shown = shownStatus(s);
        out.element = s.element;
        out.money = s.money;
        out.digest = saveDigest(loaded.values);
    }
    return out;
}

std::vector<SlotSummary> readSlots() {
    std::vector<SlotSummary> out;
    for (int n = 1; n <= kSaveSlots; ++n) {
        out.push_back(readSlot(n));
    }
    return out;
}

Text slotColumnName(int column) {
    switch (column) {
    case kSlotNumber:
        return "番号";
    case kSlotDate:
        return "日付";
    case kSlotElement:
        return "属性";
    case kSlotAttack:
        return "攻撃力";
    case kSlotDefense:
        return "防御力";
    case kSlotSpeed:
        return "早さ";
    case kSlotHp:
        return "HP";
    case kSlotIntellect:
        return "知力";
    case kSlotMp:
        return "MP";
    case kSlotMoney:
        return "所持金";
    case kSlotSavedAt:
        return "セーブした日時";
    default:
        return {};
    }
}

Text slotCell(const SlotSummary &slot, int column) {
    if (column == kSlotNumber) {
        return number(slot.number);
    }
    if (slot.state != SlotState::Saved) {
        if (column != kSlotDate) {
            return {};
        }
        switch (slot.state) {
        case SlotState::Empty:
            return "空き";
        case SlotState::Edited:
            return "変更されたデータ";
        default:
            return "読み込めないデータ";
        }
    }
    const GrowthPoint &p = slot.shown;
    switch (column) {
    case kSlotDate:
        return yearText(p.date.year) + Text::verbatim(" ") + weekOfYearText(p.date.month, p.date.week);
    case kSlotElement:
        return elementName(slot.element);
    case kSlotAttack:
        return number(p.attack);
    case kSlotDefense:
        return number(p.defense);
    case kSlotSpeed:
        return number(p.speed);
    case kSlotHp:
        return number(p.hp);
    case kSlotIntellect:
        return number(p.intellect);
    case kSlotMp:
        return number(p.mp);
    case kSlotMoney:
        return number(slot.money);
    default:
        return {};
    }
}

bool slotListReachable(Game &game) {
    return !game.ended() && (visible(game, ids::kTitle) || visible(game, ids::kMainMenu));
}

bool canSaveToSlots(Game &game) { return !game.ended() && visible(game, ids::kMainMenu); }

bool holdsAnotherGame(Game &game, const SlotSummary &slot) {
    const SaveRecord &book = game.store<SaveRecord>();
    const bool ours = slot.state == SlotState::Saved && slot.number == book.slot &&
                      !book.saveDigest.empty() && slot.digest == book.saveDigest;
    return slot.state != SlotState::Empty && !ours;
}

bool saveToSlot(Game &game, int slotNumber) {
    if (holdsAnotherGame(game, readSlot(slotNumber)) &&
        game.msgBox(Text("スロット%1には別のゲームがセーブされています。上書きしますか？").arg(slotNumber),
                    kAsk, "ヴェルモナ") != kYes) {
        return false;
    }
    const SaveOutcome outcome = saveGameTo(game, slotNumber);
    game.msgBox(outcome.message, kOkOnly, "ヴェルモナ");
    return outcome.saved;
}

bool loadFromSlot(Game &game, int slotNumber) {
    const SaveSlot &slot = saveSlot(slotNumber);
    // A save that cannot be read is refused before anything is asked; an
    // edited one is for the load itself to tell, as designed.
    if (const LoadResult peek = loadSaveFile(slot.save); !peek.ok() && peek.fault != LoadFault::NotWhole) {
        game.msgBox(loadFailureMessage(peek, slot.save), kOkOnly, "ヴェルモナ");
        return false;
    }
    if (hasUnsavedProgress(game) &&
        game.msgBox("セーブしていません。ロードしますか？", kAsk, "ヴェルモナ") != kYes) {
        return false;
    }
    return loadAndGoOn(game, slot);
}

bool deleteSlot(Game &game, int slotNumber) {
    const SaveSlot &slot = saveSlot(slotNumber);
    if (game.msgBox(Text("スロット%1のセーブデータと成長の記録を削除しますか？").arg(slotNumber), kAsk,
                    "ヴェルモナ") != kYes) {
        return false;
    }
    // The save first: without it the slot is empty, whatever an
    // interruption leaves of the record.
    std::error_code error;
    if (!std::filesystem::remove(slot.save, error) && error) {
        game.msgBox(Text("スロット%1を削除できませんでした。").arg(slotNumber), kOkOnly, "ヴェルモナ");
        return false;
    }
    std::filesystem::remove(slot.record, error);
    SaveRecord &book = game.store<SaveRecord>();
    if (book.slot == slotNumber) {
        // What the game had saved is gone: its progress is unsaved again.
        book.lastWritten.reset();
        book.saveDigest.clear();
    }
    game.notifyDataChanged();
    return true;
}

} // namespace vermona
