// SPDX-License-Identifier: GPL-3.0-or-later
// What the schedule and the journey screens tell on hovering, checked against
// what their clicks then do.
#include "activities/activity_table.h"
#include "tests/activities_test_support.h"
#include "tests/game_driver.h"

#include <gtest/gtest.h>

namespace vermona {
namespace {

TEST(ActivityTips, TooTiredChanceIsFatigueLessTen) {
    const std::vector<std::pair<int, int>> cases = {{0, 0}, {10, 0}, {11, 1}, {50, 40}, {100, 90}, {-5, 0}};
    for (auto [fatigue, percent] : cases) {
        EXPECT_EQ(tooTiredPercent(fatigue), percent) << "fatigue " << fatigue;
    }
}

struct ScheduleTips : ::testing::Test, test::GameDriver {
    void SetUp() override { test::prepareHero(s); }
    std::string tip(const char *screen, const char *name) { return control(screen, name).tip(); }
};

// Each activity's tooltip names exactly the changes its click makes when the
// week goes as planned, and the chance that matches the roll.
TEST_F(ScheduleTips, EveryTipMatchesWhatItsClickDoes) {
    probeTheMenu();
    const std::vector<std::pair<const char *, Var GameState::*>> abilities = {
        {"力", &GameState::strength}, {"防御", &GameState::defense},   {"体力", &GameState::stamina},
        {"早さ", &GameState::speed},  {"知力", &GameState::intellect}, {"魔力", &GameState::magicPower}};
    for (const Activity &a : activities()) {
        test::prepareHero(s);
        s.fatigue = 50;
        open("Form4");
        const std::string shown = tip("Form4", a.control);
        const GameState before = s;
        ports.fractions = {0.99}; // a roll of 100: never too tired
        click("Form4", a.control);
        ASSERT_TRUE(atMenu.has_value()) << a.caption;
        std::string expected;
        for (auto [name, ability] : abilities) {
            const Var::Int change = (*atMenu).*ability - before.*ability;
            if (change != 0) {
                expected += std::string(expected.empty() ? "" : "　") + name + (change > 0 ? " +" : " -") +
                            std::to_string(change > 0 ? change : -change);
            }
        }
        const Var::Int fatigue = atMenu->fatigue - before.fatigue;
        expected += std::string(expected.empty() ? "" : "\n") + "疲労 " + (fatigue > 0 ? "+" : "-") +
                    std::to_string(fatigue > 0 ? fatigue : -fatigue);
        if (const Var::Int pay = atMenu->money - before.money; pay != 0) {
            expected += "　給料 " + std::to_string(pay) + "G";
        }
        if (a.canBeTooTired) {
            expected += "\n疲れて休む確率 40%";
        }
        EXPECT_EQ(shown, expected) << a.caption;
        EXPECT_EQ(ports.boxes.back().prompt, a.message);
    }
}

// At fatigue 60 a roll of 50 is too tired, as the 50 % the tooltip shows.
TEST_F(ScheduleTips, ChanceShownIsTheChanceRolled) {
    probeTheMenu();
    s.fatigue = 60;
    open("Form4");
    EXPECT_NE(tip("Form4", "Command3").find("疲れて休む確率 50%"), std::string::npos);
    ports.fractions = {0.49}; // roll 50
    click("Form4", "Command3");
    EXPECT_EQ(ports.boxes.back().prompt, "疲れがたまりすぎて休んだ！");
    open("Form4");
    ports.fractions = {0.50}; // roll 51
    click("Form4", "Command3");
    EXPECT_EQ(ports.boxes.back().prompt, "力が２ポイントアップ！");
}

TEST_F(ScheduleTips, JourneyAndSchoolsTellCostAndNeeds) {
    open("Form4");
    EXPECT_EQ(tip("Form4", "Command12"), "費用 1000G　期間 約1か月\n疲労 +40");
    s.fireMagicLevel = 1;
    s.waterMagicLevel = 2;
    s.thunderMagicLevel = 3;
    open("Form6");
    EXPECT_EQ(tip("Form6", "Command4"), "次のレベルに必要な知力 3");
    EXPECT_EQ(tip("Form6", "Command1"), "次のレベルに必要な知力 8");
    EXPECT_EQ(tip("Form6", "Command2"), "次のレベルに必要な知力 20");
    EXPECT_EQ(tip("Form6", "Command3"), "これ以上覚える魔法はありません");
    s.cureMagicLevel = 2;
    open("Form9");
    EXPECT_EQ(tip("Form9", "Command2"), "これ以上覚える魔法はありません");
    // The tip's need is the gate: one short is refused, exactly enough learns.
    s.intellect = 7;
    open("Form6");
    click("Form6", "Command1");
    EXPECT_EQ(ports.boxes.back().prompt, "ステータスが足りません");
    s.intellect = 8;
    open("Form6");
    click("Form6", "Command1");
    EXPECT_EQ(ports.boxes.back().prompt, "魔法を覚えた！！");
}

TEST(ScriptHostTip, PrintsTheTipLikeACaption) {
    test::WorkDir dir;
    std::string out = test::runScript("random 0.5 0.5\n" + test::newGameScript() +
                                      "click Form3.Command1\ntip Form4.Command3\ntip Form4.Command13\n");
    EXPECT_EQ(out, "Form4.Command3 tip = \"力 +2\\n疲労 +10\\n疲れて休む確率 0%\"\n"
                   "Form4.Command13 tip = \"\"\nexit 0\n");
}

} // namespace
} // namespace vermona
