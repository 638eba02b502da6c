// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/var.h"

#include <string_view>
#include <vector>

namespace vermona {

class Game;

// The one set of shared game variables. Screens read and write the fields
// directly; there is no other store of game data.
struct GameState {
    // hero abilities
    Var strength, defense, speed, stamina, intellect, magicPower;
    Var setupPoints;
    Var fatigue;
    Var money;

    // calendar
    Var week, month, year;
    Var weekRoll;

    // learned levels of the nine schools of magic
    Var fireMagicLevel, waterMagicLevel, thunderMagicLevel, neutralMagicLevel;
    Var healMagicLevel, cureMagicLevel;
    Var powerMagicLevel, guardMagicLevel, speedMagicLevel;

    Var element;

    // shops and equipment
    Var answer, shopMode;
    Var ownsWoodShield, ownsIronShield, ownsSteelShield;
    Var equipKind, equipStep, equipChoice;
    Var ownsKnife, ownsSword;
    Var herbs;
    TextVar msgText, msgTitle;
    Var msgStyle;
    Var itemListFromEntry{0};
    Var weaponAttack, shieldDefense;

    // tournament
    Var daysToTournament;
    Var entrants;
    Var matchRound;
    Slots<TextVar, 8> entrantNames; // read from the name file for each table
    Slots<Var, 20> entrantTypes;    // entrant i's type 1..8 at position i
    // the opponent of round r at position r
    Slots<Var, 8> enemyAttack, enemyDefense, enemyStamina;

    // battle: the hero's values fixed when a match starts
    Var heroAttack, heroDefense, heroHP, heroSpellPower, heroMP;
    Var enemyTurnTaken; // 0: the next click on the message lets the opponent act
    Var castKind;       // 0 no spell; 1 list open from a battle or damage spell; 2..10 message kind
    Var spellAmount;
    // the values "試合" fixed, which a dispel restores; kept per match
    Var matchAttack, matchDefense, matchEnemyAttack, matchEnemyDefense;

    // kept only in the save file
    Var saveSpare1, saveSpare2;

    // Name lookup for tools and tests; index is the position in a row of
    // variables and must be -1 for plain ones. Returns nullptr for unknown
    // names and positions outside a row.
    Var *number(std::string_view name, int index = -1);
    TextVar *text(std::string_view name, int index = -1);
    // The names of the plain (not row) variables, numbers and texts, in
    // declaration order.
    static std::vector<std::string_view> numberNames();
    static std::vector<std::string_view> textNames();
};

// The variables of one game, kept with it.
GameState &stateOf(Game &game);

} // namespace vermona
