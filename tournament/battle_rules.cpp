#include "tournament/battle_rules.h"

#include "core/game.h"

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
    return line.x2() >= scale.full;
}

void setBattleCommandsEnabled(Game &game, bool enabled) {
    Screen *battle = game.find("Form25");
    if (battle == nullptr) {
        return;
    }
    for (const char *name : {"Command1", "Command2", "Command3", "Command4"}) {
        if (Control *c = battle->find(name)) {
            c->setEnabled(enabled);
        }
    }
}

} // namespace vermona
