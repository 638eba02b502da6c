// SPDX-License-Identifier: GPL-3.0-or-later
#include "activities/activity_table.h"

#include <algorithm>

namespace vermona {

const std::array<Activity, kActivityCount> &activities() {
    // Rest first, then the trainings and the jobs in the order of the
    // schedule's buttons. The messages are the game's own, quirks included.
    static const std::array<Activity, kActivityCount> table = {{
        {"Command1", "休む", "疲労が回復した", {}, -30, 0, false},
        {"Command2", "勉強", "知力がアップ！", {{&GameState::intellect, 2}}, 10, 0, true},
        {"Command3", "筋トレ", "力が２ポイントアップ！", {{&GameState::strength, 2}}, 10, 0, true},
        {"Command4",
         "マラソン",
         "体力が２ポイントアップ！力が１ポイント１アップ！",
         {{&GameState::stamina, 2}, {&GameState::strength, 1}},
         10,
         0,
         true},
        {"Command5", "精神統一", "魔力が２ポイントアップ！", {{&GameState::magicPower, 2}}, 10, 0, true},
        {"Command6", "ダッシュ", "早さが２ポイントアップ！", {{&GameState::speed, 2}}, 10, 0, true},
        {"Command7",
         "土木作業",
         "力が２ポイントアップ！体力が１ポイントアップ！早さが１ダウン! ",
         {{&GameState::strength, 2}, {&GameState::stamina, 1}, {&GameState::speed, -1}},
         20,
         200,
         true},
        {"Command8",
         "郵便配達",
         "体力が２ポイントアップ！知力が１ポイントアップ！",
         {{&GameState::stamina, 2}, {&GameState::intellect, 1}},
         30,
         200,
         true},
        {"Command9",
         "家庭教師",
         "知力が２ポイントアップ！魔力が１ポイントアップ！",
         {{&GameState::intellect, 2}, {&GameState::magicPower, 1}},
         30,
         200,
         true},
        {"Command10",
         "警備",
         "早さが２アップ！知力が１アップ！",
         {{&GameState::speed, 2}, {&GameState::intellect, 1}},
         30,
         200,
         true},
        {"Command11",
         "時計修理",
         "魔力が２ポイントアップ！知識が１ポイントアップ！力が１ポイントダウン！",
         {{&GameState::magicPower, 2}, {&GameState::intellect, 1}, {&GameState::strength, -1}},
         20,
         200,
         true},
    }};
    return table;
}

namespace {

// The highest roll at which the hero is too tired; saturated, so that no
// fatigue a save holds can overflow it.
Var::Int highestTiredRoll(Var::Int fatigue) { return Var::addSaturated(fatigue, -10); }

} // namespace

bool tooTired(Var::Int roll, Var::Int fatigue) { return roll <= highestTiredRoll(fatigue); }

int tooTiredPercent(Var::Int fatigue) {
    return static_cast<int>(std::clamp<Var::Int>(highestTiredRoll(fatigue), 0, 100));
}

namespace {

// An ability that a week raises or lowers, with how the tooltip words each.
struct AbilityWording {
    Var GameState::*ability;
    const char *rise;
    const char *fall;
};

// The abilities in the order the hero set-up shows them.
constexpr std::array<AbilityWording, 6> kAbilities = {{
    {&GameState::strength, "力 +%1", "力 -%1"},
    {&GameState::defense, "防御 +%1", "防御 -%1"},
    {&GameState::stamina, "体力 +%1", "体力 -%1"},
    {&GameState::speed, "早さ +%1", "早さ -%1"},
    {&GameState::intellect, "知力 +%1", "知力 -%1"},
    {&GameState::magicPower, "魔力 +%1", "魔力 -%1"},
}};

// The sign is part of the wording, so a fall reads as a fall in any language.
Text change(const char *rise, const char *fall, int amount) {
    return amount < 0 ? Text(fall).arg(-amount) : Text(rise).arg(amount);
}

// Between two items on one line of a tooltip.
Text separator() { return Text("　"); }

} // namespace

Text activityTip(const Activity &activity, Var::Int fatigue) {
    Text tip;
    for (const AbilityWording &w : kAbilities) {
        for (const AbilityChange &g : activity.gains) {
            if (g.ability == w.ability) {
                if (!tip.empty()) {
                    tip += separator();
                }
                tip += change(w.rise, w.fall, g.amount);
            }
        }
    }
    if (!tip.empty()) {
        tip += Text("\n");
    }
    tip += change("疲労 +%1", "疲労 -%1", activity.fatigue);
    if (activity.pay != 0) {
        tip += separator() + Text("給料 %1G").arg(activity.pay);
    }
    if (activity.canBeTooTired) {
        tip += Text("\n") + Text("疲れて休む確率 %1%").arg(tooTiredPercent(fatigue));
    }
    return tip;
}

} // namespace vermona
