// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/game_state.h"

#include "runtime/game.h"

#include <array>
#include <utility>

namespace vermona {

namespace {

struct NumberField {
    std::string_view name;
    Var GameState::*member;
};

// Keep in declaration order; the script host and tests address variables by
// these names.
constexpr std::array kNumbers{
    NumberField{"strength", &GameState::strength},
    NumberField{"defense", &GameState::defense},
    NumberField{"speed", &GameState::speed},
    NumberField{"stamina", &GameState::stamina},
    NumberField{"intellect", &GameState::intellect},
    NumberField{"magicPower", &GameState::magicPower},
    NumberField{"setupPoints", &GameState::setupPoints},
    NumberField{"fatigue", &GameState::fatigue},
    NumberField{"money", &GameState::money},
    NumberField{"week", &GameState::week},
    NumberField{"month", &GameState::month},
    NumberField{"year", &GameState::year},
    NumberField{"weekRoll", &GameState::weekRoll},
    NumberField{"fireMagicLevel", &GameState::fireMagicLevel},
    NumberField{"waterMagicLevel", &GameState::waterMagicLevel},
    NumberField{"thunderMagicLevel", &GameState::thunderMagicLevel},
    NumberField{"neutralMagicLevel", &GameState::neutralMagicLevel},
    NumberField{"healMagicLevel", &GameState::healMagicLevel},
    NumberField{"cureMagicLevel", &GameState::cureMagicLevel},
    NumberField{"powerMagicLevel", &GameState::powerMagicLevel},
    NumberField{"guardMagicLevel", &GameState::guardMagicLevel},
    NumberField{"speedMagicLevel", &GameState::speedMagicLevel},
    NumberField{"element", &GameState::element},
    NumberField{"answer", &GameState::answer},
    NumberField{"shopMode", &GameState::shopMode},
    NumberField{"ownsWoodShield", &GameState::ownsWoodShield},
    NumberField{"ownsIronShield", &GameState::ownsIronShield},
    NumberField{"ownsSteelShield", &GameState::ownsSteelShield},
    NumberField{"equipKind", &GameState::equipKind},
    NumberField{"equipStep", &GameState::equipStep},
    NumberField{"equipChoice", &GameState::equipChoice},
    NumberField{"ownsKnife", &GameState::ownsKnife},
    NumberField{"ownsSword", &GameState::ownsSword},
    NumberField{"herbs", &GameState::herbs},
    NumberField{"msgStyle", &GameState::msgStyle},
    NumberField{"itemListFromEntry", &GameState::itemListFromEntry},
    NumberField{"weaponAttack", &GameState::weaponAttack},
    NumberField{"shieldDefense", &GameState::shieldDefense},
    NumberField{"daysToTournament", &GameState::daysToTournament},
    NumberField{"entrants", &GameState::entrants},
    NumberField{"matchRound", &GameState::matchRound},
    NumberField{"heroAttack", &GameState::heroAttack},
    NumberField{"heroDefense", &GameState::heroDefense},
    NumberField{"heroHP", &GameState::heroHP},
    NumberField{"heroSpellPower", &GameState::heroSpellPower},
    NumberField{"heroMP", &GameState::heroMP},
    NumberField{"enemyTurnTaken", &GameState::enemyTurnTaken},
    NumberField{"castKind", &GameState::castKind},
    NumberField{"spellAmount", &GameState::spellAmount},
    NumberField{"matchAttack", &GameState::matchAttack},
    NumberField{"matchDefense", &GameState::matchDefense},
    NumberField{"matchEnemyAttack", &GameState::matchEnemyAttack},
    NumberField{"matchEnemyDefense", &GameState::matchEnemyDefense},
    NumberField{"saveSpare1", &GameState::saveSpare1},
    NumberField{"saveSpare2", &GameState::saveSpare2},
};

struct TextField {
    std::string_view name;
    TextVar GameState::*member;
};

constexpr std::array kTexts{
    TextField{"msgText", &GameState::msgText},
    TextField{"msgTitle", &GameState::msgTitle},
};

template <class Fields> std::vector<std::string_view> namesOf(const Fields &fields) {
    std::vector<std::string_view> names;
    names.reserve(std::size(fields));
    for (const auto &f : fields) {
        names.push_back(f.name);
    }
    return names;
}

} // namespace

Var *GameState::number(std::string_view name, int index) {
    if (index >= 0) {
        if (name == "entrantTypes") {
            return entrantTypes.slot(index);
        }
        if (name == "enemyAttack") {
            return enemyAttack.slot(index);
        }
        if (name == "enemyDefense") {
            return enemyDefense.slot(index);
        }
        if (name == "enemyStamina") {
            return enemyStamina.slot(index);
        }
        return nullptr;
    }
    for (const auto &f : kNumbers) {
        if (f.name == name) {
            return &(this->*f.member);
        }
    }
    return nullptr;
}

TextVar *GameState::text(std::string_view name, int index) {
    if (index >= 0) {
        return name == "entrantNames" ? entrantNames.slot(index) : nullptr;
    }
    for (const auto &f : kTexts) {
        if (f.name == name) {
            return &(this->*f.member);
        }
    }
    return nullptr;
}

std::vector<std::string_view> GameState::numberNames() { return namesOf(kNumbers); }

std::vector<std::string_view> GameState::textNames() { return namesOf(kTexts); }

GameState &stateOf(Game &game) { return game.store<GameState>(); }

} // namespace vermona
