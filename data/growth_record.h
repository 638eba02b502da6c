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

std::string recordCsv(const GrowthRecord &record);
// Nothing when the text is not a record this game wrote: a wrong header, a
// row that does not parse, dates out of order.
std::optional<GrowthRecord> parseRecordCsv(std::string_view text);

// Writes the record as safely as the save itself. Returns 0 or an errno.
int writeRecordFile(const std::string &path, const GrowthRecord &record);
// The record that belongs to a save of the given date, or nothing when the
// file is missing, unreadable, damaged or ends at another week.
std::optional<GrowthRecord> loadRecordFile(const std::string &path, const WeekDate &saveDate);

} // namespace vermona
