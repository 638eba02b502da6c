// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/game_codes.h"
#include "data/screen_ids.h"
#include "runtime/var.h"

namespace vermona {

class Control;
class Game;
class Screen;
struct GameState;

// The damage gauges: a red line drawn over a green bar from the bar's left
// end; each hit lengthens it, and the side whose line reaches the bar's
// right end has lost.
struct GaugeScale {
    int k;           // length per point of damage, times the defender's HP
    float full;      // the bar's right end
    float empty;     // where the red line ends before the first hit
    ControlRef bar;  // the green bar on the battle screen
    ControlRef line; // the red damage line over it
};
inline constexpr GaugeScale kEnemyGauge{168, 4800, 3135, ids::battle::kEnemyBar, ids::battle::kEnemyDamage};
inline constexpr GaugeScale kHeroGauge{180, 4200, 2415, ids::battle::kHeroBar, ids::battle::kHeroDamage};

// Ends are kept unrounded in single precision; each hit starts from the end
// rounded to a whole number, halves to even. A defender without HP falls at
// the first hit.
float gaugeStep(float end, const GaugeScale &scale, Var::Int damage, Var::Int hp);
// One hit on a gauge's red line; true when the gauge is full.
bool hitGauge(Control &line, const GaugeScale &scale, Var::Int damage, Var::Int hp);
// A screen reader reads each gauge's bar as a meter: the damage it still
// takes before the red line reaches the end, of all it takes (ten times the
// defender's HP, as the bar is ten steps of its HP long). The line's first
// 15 units are no damage.
void readGauge(Screen &battle, const GaugeScale &scale, Var::Int hp);
// Recovery moves the red line back by as much as that damage would have
// moved it on, but never past where it started.
float gaugeRecovery(float end, const GaugeScale &scale, Var::Int amount, Var::Int hp);

// A spell of the given kind acting on the current match with its amount;
// true when it has won the match. Support spells change the values the next
// exchange uses, and a dispel puts back the values the match started with.
bool spellActs(Game &game, SpellKind kind, Var::Int amount);
// The values a dispel goes back to, taken when a match starts.
void rememberMatchValues(GameState &s);

// How the result screen heads a lost match; it reads the heading back to
// enter the match in the table.
inline constexpr const char *kDefeatCaption = "敗北";

enum class Winner { Hero, Opponent };
// The match is over: the result screen opens, telling a defeat when the
// opponent won, and the battle closes. After a win the message window stays
// open on the winning blow until the player moves it on (or the result's
// "次へ" closes it); after a defeat it goes with the battle.
void endMatch(Game &game, Winner winner);

// The battle screen's commands wait while the message window (or the spell
// list) is open over it, so the hero cannot act twice before the opponent
// answers. Nothing happens when there is no battle.
void setBattleCommandsEnabled(Game &game, bool enabled);

} // namespace vermona
