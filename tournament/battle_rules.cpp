// SPDX-License-Identifier: GPL-3.0-or-later
#include "tournament/battle_rules.h"

#include "data/game_screen.h"

#include <algorithm>
#include <cmath>

namespace vermona {

namespace {

float roundHalfEven(float x) {
    float r = std::floor(x);
    const float rest = x - r;
    if (rest > 0.5F || (rest == 0.5F && std::fmod(r, 2.0F) != 0.0F)) {
        r += 1.0F;
    }
    return r;
}

} // namespace

float gaugeStep(float end, const GaugeScale &scale, Var::Int damage, Var::Int hp) {
    const float p = roundHalfEven(end);
    if (hp <= 0) {
        return std::max(p, scale.full);
    }
    const float step = static_cast<float>(Var::mulSaturated(scale.k, damage)) / static_cast<float>(hp);
    return p + step;
}

bool hitGauge(Control &line, const GaugeScale &scale, Var::Int damage, Var::Int hp) {
    line.setEnd(gaugeStep(line.x2(), scale, damage, hp), line.y2());
    line.setVisible(true);
    readGauge(line.owner(), scale, hp);
    return line.x2() >= scale.full;
}

void readGauge(Screen &battle, const GaugeScale &scale, Var::Int hp) {
    Control *bar = battle.find(scale.bar);
    const Control *line = battle.find(scale.line);
    if (bar == nullptr || line == nullptr) {
        return;
    }
    const Var::Int all = Var::mulSaturated(10, std::max<Var::Int>(hp, 0));
    Var::Int left = all;
    if (line->visible() && line->x2() >= scale.full) {
        left = 0;
    } else if (line->visible() && hp > 0) {
        // The damage the line shows; a defender still standing has a point left.
        const double taken = std::max(double(line->x2() - scale.empty), 0.0) * double(hp) / scale.k;
        left = std::clamp(static_cast<Var::Int>(std::llround(double(all) - taken)), Var::Int{1}, all);
    }
    bar->setMeter(left, all);
}

float gaugeRecovery(float end, const GaugeScale &scale, Var::Int amount, Var::Int hp) {
    if (hp <= 0) {
        return end;
    }
    const float p = roundHalfEven(end);
    const float step = static_cast<float>(Var::mulSaturated(scale.k, amount)) / static_cast<float>(hp);
    return std::max(p - step, scale.empty);
}

void rememberMatchValues(GameState &s) {
    const Var::Int r = s.matchRound;
    s.matchAttack = s.heroAttack;
    s.matchDefense = s.heroDefense;
    s.matchEnemyAttack = s.enemyAttack.get(r);
    s.matchEnemyDefense = s.enemyDefense.get(r);
}

bool spellActs(Game &game, SpellKind kind, Var::Int amount) {
    Screen *battle = game.find(ids::kBattle);
    if (battle == nullptr) {
        return false;
    }
    GameState &s = stateOf(game);
    const Var::Int r = s.matchRound;
    // A spell never heals the opponent or hurts the hero, whatever an edited
    // save holds.
    const Var::Int x = std::max<Var::Int>(amount, 0);
    Var changed;
    switch (kind) {
    case SpellKind::Attack:
        return hitGauge(game.control(kEnemyGauge.line), kEnemyGauge, x, s.enemyStamina.get(r));
    case SpellKind::Heal: {
        Control &line = game.control(kHeroGauge.line);
        line.setEnd(gaugeRecovery(line.x2(), kHeroGauge, x, s.heroHP), line.y2());
        readGauge(*battle, kHeroGauge, s.heroHP);
        break;
    }
    case SpellKind::Dispel:
        s.heroAttack = s.matchAttack;
        s.heroDefense = s.matchDefense;
        s.enemyAttack.set(r, s.matchEnemyAttack);
        s.enemyDefense.set(r, s.matchEnemyDefense);
        break;
    case SpellKind::PowerUp:
        s.heroAttack += amount;
        break;
    case SpellKind::PowerDown:
        changed = s.enemyAttack.get(r);
        changed -= amount;
        s.enemyAttack.set(r, changed);
        break;
    case SpellKind::GuardUp:
        s.heroDefense += amount;
        break;
    case SpellKind::GuardDown:
        changed = s.enemyDefense.get(r);
        changed -= amount;
        s.enemyDefense.set(r, changed);
        break;
    default:
        // There is no poison, and speed plays no part in a battle.
        break;
    }
    return false;
}

void endMatch(Game &game, Winner winner) {
    game.show(ids::kResult);
    if (winner == Winner::Opponent) {
        game.control(ids::result::kHeadline).setCaption(kDefeatCaption);
        game.control(ids::result::kRemark).setCaption("残念！次は勝とう");
        game.close(ids::kBattleMessage);
    } else if (game.find(ids::kBattleMessage) != nullptr) {
        // Back in front of the result, so the winning blow is read (and
        // moved on with the keyboard) first.
        game.hide(ids::kBattleMessage);
        game.show(ids::kBattleMessage);
    }
    game.close(ids::kBattle);
}

void setBattleCommandsEnabled(Game &game, bool enabled) {
    Screen *battle = game.find(ids::kBattle);
    if (battle == nullptr) {
        return;
    }
    for (const ControlRef &command :
         {ids::battle::kAttack, ids::battle::kMagic, ids::battle::kItem, ids::battle::kSkill}) {
        if (Control *c = battle->find(command)) {
            c->setEnabled(enabled);
        }
    }
}

} // namespace vermona
