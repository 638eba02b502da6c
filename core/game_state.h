#pragma once

#include "core/var.h"

#include <string_view>

namespace vermona {

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

    // kept only in the save file
    Var saveSpare1, saveSpare2;

    // Name lookup for tools and tests; index is for array variables and must
    // be -1 for plain ones. Returns nullptr for unknown names.
    Var *number(std::string_view name, int index = -1);
    TextVar *text(std::string_view name, int index = -1);
};

} // namespace vermona
