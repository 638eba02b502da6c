// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/growth_record.h"

#include <QString>
#include <cstddef>

namespace vermona::app {

// What the window hands the chart module: every text the chart shows, made
// by the window from the game's wordings in the player's language. The
// module, built without the game's libraries, words nothing of its own; it
// asks again when the language changes.
struct GrowthChartTexts {
    QString (*line)(std::size_t line);                 // the six values of the status panel, then fatigue
    QString (*tournament)();                           // the tournament marks' legend entry
    QString (*date)(const WeekDate &date);             // a week, at the head of its tooltip
    QString (*month)(Var::Int months);                 // the week axis's months since 1年目1月
    QString (*week)(Var::Int weeks);                   // ... and its weeks, in a short record
    QString (*result)(const TournamentResult &result); // a tournament's result above its mark
    QString (*heldAt)(const TournamentResult &result); // its mark's tooltip
};

} // namespace vermona::app
