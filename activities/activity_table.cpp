// SPDX-License-Identifier: GPL-3.0-or-later
#include "activities/activity_table.h"

#include <algorithm>
#include <utility>

namespace vermona {

const std::array<Activity, 11> &activities() {
    // Rest first, then the trainings and the jobs in the order of the
    // schedule's buttons. The messages are the game's own, quirks included.
    static const std::array<Activity, 11> table = {{
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

int tooTiredPercent(Var::Int fatigue) { return static_cast<int>(std::clamp<Var::Int>(fatigue - 10, 0, 100)); }

namespace {

// The abilities in the order the hero set-up shows them, with their names.
constexpr std::array<std::pair<Var GameState::*, const char *>, 6> kAbilities = {{
    {&GameState::strength, "力"},
    {&GameState::defense, "防御"},
    {&GameState::stamina, "体力"},
    {&GameState::speed, "早さ"},
    {&GameState::intellect, "知力"},
    {&GameState::magicPower, "魔力"},
}};

} // namespace

namespace {

std::string signedNumber(int n) { return (n < 0 ? "-" : "+") + std::to_string(n < 0 ? -n : n); }

} // namespace

std::string activityTip(const Activity &activity, Var::Int fatigue) {
    std::string tip;
    for (auto [ability, name] : kAbilities) {
        for (const AbilityChange &g : activity.gains) {
            if (g.ability == ability) {
                tip += std::string(tip.empty() ? "" : "　") + name + " " + signedNumber(g.amount);
            }
        }
    }
    if (!tip.empty()) {
        tip += "\n";
    }
    tip += "疲労 " + signedNumber(activity.fatigue);
    if (activity.pay != 0) {
        tip += "　給料 " + std::to_string(activity.pay) + "G";
    }
    if (activity.canBeTooTired) {
        tip += "\n疲れて休む確率 " + std::to_string(tooTiredPercent(fatigue)) + "%";
    }
    return tip;
}

} // namespace vermona
