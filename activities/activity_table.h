// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/game_state.h"
#include "runtime/text.h"

#include <array>
#include <vector>

namespace vermona {

// One change an activity makes to an ability.
struct AbilityChange {
    Var GameState::*ability;
    int amount;
};

// One of the schedule's eleven weekly activities: its button, the box it
// shows, and what a week of it gives and costs. The schedule's buttons are
// built from it, its handler applies exactly this, and the tooltips show
// exactly this.
struct Activity {
    const char *control; // the schedule's button
    const char *caption;
    const char *message; // shown when the week goes as planned
    std::vector<AbilityChange> gains;
    int fatigue; // added when the week goes as planned
    int pay;
    bool canBeTooTired; // rest alone cannot fail
};

inline constexpr std::size_t kActivityCount = 11;
const std::array<Activity, kActivityCount> &activities();

// Whether a week's roll (1 to 100) at this fatigue leaves the hero too
// tired, so that he only rests: a roll at or below fatigue - 10.
bool tooTired(Var::Int roll, Var::Int fatigue);
// The chance of that, in whole percent.
int tooTiredPercent(Var::Int fatigue);

// The tooltip of an activity at the hero's fatigue now: the abilities in
// the set-up's order, fatigue and pay, and the chance of losing the week.
Text activityTip(const Activity &activity, Var::Int fatigue);

} // namespace vermona
