// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/screen_ids.h"
#include "runtime/var.h"

#include <string>
#include <vector>

namespace vermona {

struct GameState;

// Players are numbered 0 for the hero and 1..7 for the computer entrants.
inline constexpr int kMaxEntrants = 7;

// The number of computer entrants a table is built for. A save can hold any
// number; the table has room for seven.
int fieldSize(const GameState &s);

// Rounds of a tournament with n entrants: every player meets every other
// once, one match per player and round, so an odd number of players needs a
// round in which one of them sits out.
int roundsFor(int entrants);
// The round in which the hero sits out (n even: the last one), or 0.
int heroByeRound(int entrants);

// One cell of the cross table: a label of the table screen.
using CellRef = ControlRef;
// The cell in player a's row and player b's column; a == b is the diagonal.
CellRef cellOf(int a, int b);

// The entrant types' battle values.
struct EntrantType {
    int attack, defense, stamina;
};
EntrantType entrantType(Var::Int type); // type 1..8; anything else gives zeros

struct ComputerMatch {
    int winner, loser;
};
// The matches between computer entrants in round r of an n-entrant field.
std::vector<ComputerMatch> computerMatches(int entrants, Var::Int round);

} // namespace vermona
