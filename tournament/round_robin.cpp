// SPDX-License-Identifier: GPL-3.0-or-later
#include "tournament/round_robin.h"

#include "data/game_state.h"

#include <algorithm>
#include <array>
#include <initializer_list>

namespace vermona {

static_assert(ids::table::kEntrantArrays.size() == kMaxEntrants, "a control array for each entrant");

int fieldSize(const GameState &s) {
    return static_cast<int>(std::clamp<Var::Int>(s.entrants, 0, kMaxEntrants));
}

int roundsFor(int entrants) { return entrants % 2 == 1 ? entrants : entrants + 1; }

int heroByeRound(int entrants) { return entrants % 2 == 0 && entrants > 0 ? entrants + 1 : 0; }

CellRef cellOf(int a, int b) {
    if (a == 0 && b == 0) {
        return ids::table::kHeroDiagonal;
    }
    // Entrant j's array holds its row up to the diagonal, then its column
    // above the diagonal from the bottom up.
    if (a >= b) {
        return ids::table::entrantCell(a, b + 1);
    }
    return ids::table::entrantCell(b, 2 * b + 1 - a);
}

EntrantType entrantType(Var::Int type) {
    static constexpr std::array<EntrantType, 8> kTypes{{
        {10, 4, 5},
        {3, 7, 4},
        {4, 4, 4},
        {2, 3, 3},
        {1, 1, 1},
        {2, 2, 2},
        {3, 3, 3},
        {10, 10, 10},
    }};
    if (type < 1 || type > 8) {
        return {0, 0, 0};
    }
    return kTypes[static_cast<std::size_t>(type - 1)];
}

namespace {

struct Entry {
    int round;
    unsigned fields; // bit n set: applies with n entrants
    int winner, loser;
};

constexpr unsigned with(std::initializer_list<int> sizes) {
    unsigned bits = 0;
    for (int n : sizes) {
        bits |= 1U << static_cast<unsigned>(n);
    }
    return bits;
}

// Every entry applies where its field size is listed. The first block is
// the original schedule, complete for one to three entrants but with most
// pairs of the larger fields unplayed; the second completes those to full
// round robins. One entry a line: round, field sizes, winner, loser.
// clang-format off
constexpr std::array kSchedule{
    Entry{1, with({3, 6, 7}), 2, 3},
    Entry{1, with({6, 7}), 4, 5},
    Entry{1, with({7}), 6, 7},
    Entry{1, with({4, 5}), 2, 4},
    Entry{1, with({5}), 3, 5},
    Entry{2, with({3, 4, 5}), 1, 3},
    Entry{2, with({5}), 5, 4},
    Entry{2, with({6, 7}), 4, 3},
    Entry{2, with({6, 7}), 6, 5},
    Entry{2, with({7}), 7, 1},
    Entry{3, with({2, 3}), 2, 1},
    Entry{3, with({5}), 5, 2},
    Entry{3, with({7}), 7, 2},
    Entry{4, with({4, 5}), 3, 2},
    Entry{4, with({5}), 5, 1},
    Entry{4, with({6, 7}), 6, 1},
    Entry{4, with({6, 7}), 5, 2},
    Entry{4, with({7}), 7, 3},
    Entry{5, with({5}), 2, 1},
    Entry{5, with({5}), 4, 3},
    Entry{5, with({6, 7}), 2, 1},
    Entry{5, with({6, 7}), 3, 6},
    Entry{5, with({7}), 4, 7},
    Entry{6, with({6, 7}), 1, 3},
    Entry{6, with({6, 7}), 2, 4},
    Entry{6, with({7}), 5, 7},
    Entry{7, with({6, 7}), 1, 4},
    Entry{7, with({6, 7}), 2, 6},
    Entry{7, with({7}), 5, 3},

    Entry{3, with({4}), 1, 4},
    Entry{5, with({4}), 1, 2},
    Entry{5, with({4}), 3, 4},
    Entry{3, with({5}), 4, 1},
    Entry{3, with({6}), 1, 5},
    Entry{3, with({6}), 6, 4},
    Entry{7, with({6}), 5, 3},
    Entry{3, with({7}), 5, 1},
    Entry{3, with({7}), 4, 6},
};
// clang-format on

} // namespace

std::vector<ComputerMatch> computerMatches(int entrants, Var::Int round) {
    std::vector<ComputerMatch> out;
    if (entrants < 1 || entrants > kMaxEntrants) {
        return out;
    }
    for (const Entry &e : kSchedule) {
        if (e.round == round && (e.fields & (1U << static_cast<unsigned>(entrants))) != 0) {
            out.push_back({e.winner, e.loser});
        }
    }
    return out;
}

} // namespace vermona
