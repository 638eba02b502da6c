// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/calendar.h"
#include "runtime/var.h"

#include <compare>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vermona {

class Game;
struct GameState;

WeekDate currentDate(const GameState &state);

// The hero's status as the main menu shows it, for one week.
struct GrowthPoint {
    WeekDate date;
    Var::Int attack = 0, defense = 0, speed = 0, hp = 0, intellect = 0, mp = 0, fatigue = 0;
    bool operator==(const GrowthPoint &) const = default;
};

// The menu's status values: an ability of 1 or less shows as 1, HP is ten
// times stamina (10 when stamina is 1 or less), fatigue as the tick left it.
GrowthPoint shownStatus(const GameState &state);

// One finished tournament: the hero's wins and losses among `entrants`
// computer entrants.
struct TournamentResult {
    WeekDate date;
    Var::Int wins = 0, losses = 0, entrants = 0;
    bool operator==(const TournamentResult &) const = default;
};

// Bookkeeping of one game beside its variables: one point per week reached
// and one entry per finished tournament, both in date order.
struct GrowthRecord {
    std::vector<GrowthPoint> points;
    std::vector<TournamentResult> tournaments;
    bool operator==(const GrowthRecord &) const = default;
};

// Drops everything dated after `date`: it is from a timeline the game has
// left (a week loaded again, or a save that never reached the disk).
inline void cutAfter(GrowthRecord &r, const WeekDate &date) {
    std::erase_if(r.points, [&](const GrowthPoint &p) { return p.date > date; });
    std::erase_if(r.tournaments, [&](const TournamentResult &t) { return t.date > date; });
}

// Goes through the record in date order, each tournament right after the
// week it was held in.
template <class OnWeek, class OnTournament>
void forEachInDateOrder(const GrowthRecord &record, OnWeek week, OnTournament tournament) {
    std::size_t t = 0;
    for (const GrowthPoint &p : record.points) {
        for (; t < record.tournaments.size() && record.tournaments[t].date < p.date; ++t) {
            tournament(record.tournaments[t]);
        }
        week(p);
    }
    for (; t < record.tournaments.size(); ++t) {
        tournament(record.tournaments[t]);
    }
}

// The menu has shown this week's status: a week not seen before adds a
// point, the week of the last point updates it. The record always ends at
// the game's present, so anything dated later is dropped.
void noteWeek(Game &game, const GrowthPoint &point);
// A tournament has ended.
void noteTournament(Game &game, const TournamentResult &result);
// The whole record, as a load finds it.
void replaceRecord(Game &game, GrowthRecord record);

// The window a front end opens for the record (Game::openView).
inline constexpr const char *kGrowthView = "growth";

// ---- file -----------------------------------------------------------------

// Beside the save, as a table a player can open.
inline constexpr const char *kRecordFileName = "growth_record.csv";

// The save a record file was written with: the digest (saveDigest) of the
// save or resume point beside it, of the one this game had there before
// (empty for none), and of the player's save the game had last written or
// loaded (the same as the first for the player's own record), with the slot
// that save is in. A record is written before its save, so whichever of the
// two saves an interruption leaves on disk, the record names it.
struct SaveLink {
    std::string save, previous, playerSave;
    // Written only when it is not 1, so that slot 1's files read as they
    // always have.
    int playerSlot = 1;
    bool operator==(const SaveLink &) const = default;
};

struct RecordFile {
    GrowthRecord record;
    std::optional<SaveLink> link; // none in a record from before links
};

std::string recordCsv(const GrowthRecord &record, const std::optional<SaveLink> &link = std::nullopt);
// Nothing when the text is not a record this game wrote: a wrong header, a
// row that does not parse, dates out of order.
std::optional<RecordFile> parseRecordFile(std::string_view text);
std::optional<GrowthRecord> parseRecordCsv(std::string_view text);

// Writes the record as safely as the save itself. Returns 0 or an errno.
int writeRecordFile(const std::string &path, const GrowthRecord &record, const SaveLink &link);
// The record that belongs to the save with the given digest and date: one
// linked to it, or to the save it was about to replace (then without what
// came after the save's date). A record from before links belongs to a
// save of the week it ends at. Nothing when the file is missing,
// unreadable, damaged or belongs to another save.
std::optional<RecordFile> loadRecordFile(const std::string &path, const std::string &saveDigest,
                                         const WeekDate &saveDate);

} // namespace vermona
