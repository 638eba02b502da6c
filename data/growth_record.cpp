// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/growth_record.h"

#include "data/game_state.h"
#include "data/hero_values.h"
#include "runtime/game.h"

#include <algorithm>

namespace vermona {

WeekDate currentDate(const GameState &state) { return {state.year, state.month, state.week}; }

GrowthPoint shownStatus(const GameState &s) {
    auto atLeastOne = [](const Var &v) { return std::max<Var::Int>(v, 1); };
    GrowthPoint p;
    p.date = currentDate(s);
    p.attack = atLeastOne(s.strength);
    p.defense = atLeastOne(s.defense);
    p.speed = atLeastOne(s.speed);
    p.hp = std::max<Var::Int>(heroFullHP(s), 10); // as stamina shows as 1 at least
    p.intellect = atLeastOne(s.intellect);
    p.mp = atLeastOne(s.magicPower);
    p.fatigue = s.fatigue;
    return p;
}

void noteWeek(Game &game, const GrowthPoint &point) {
    GrowthRecord &r = game.store<GrowthRecord>();
    cutAfter(r, point.date);
    if (!r.points.empty() && r.points.back().date == point.date) {
        r.points.back() = point;
    } else {
        r.points.push_back(point);
    }
    game.notifyDataChanged();
}

void noteTournament(Game &game, const TournamentResult &result) {
    GrowthRecord &r = game.store<GrowthRecord>();
    cutAfter(r, result.date);
    r.tournaments.push_back(result);
    game.notifyDataChanged();
}

void replaceRecord(Game &game, GrowthRecord record) {
    game.store<GrowthRecord>() = std::move(record);
    game.notifyDataChanged();
}

} // namespace vermona
