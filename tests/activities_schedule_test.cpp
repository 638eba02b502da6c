// SPDX-License-Identifier: GPL-3.0-or-later
// The weekly schedule: what each activity changes, the too-tired roll, and
// how the menu's tick finishes the week.
#include "activities/activity_table.h"
#include "data/calendar.h"
#include "tests/activities_test_support.h"
#include "tests/game_driver.h"

#include <gtest/gtest.h>
#include <limits>

namespace vermona {
namespace {

constexpr const char *kTitle = "ヴェルモナ結果";
constexpr const char *kTired = "疲れがたまりすぎて休んだ！";

struct ScheduleTest : ::testing::Test, test::GameDriver {
    void SetUp() override { test::prepareHero(s); }
};

struct Activity {
    const char *button;
    const char *message;
    int strength, stamina, speed, intellect, magicPower, fatigue, money;
};

// Deltas per activity, as the player would read them off the schedule.
const Activity kActivities[] = {
    {"Command1", "疲労が回復した", 0, 0, 0, 0, 0, -30, 0},
    {"Command2", "知力がアップ！", 0, 0, 0, 2, 0, 10, 0},
    {"Command3", "力が２ポイントアップ！", 2, 0, 0, 0, 0, 10, 0},
    {"Command4", "体力が２ポイントアップ！力が１ポイント１アップ！", 1, 2, 0, 0, 0, 10, 0},
    {"Command5", "魔力が２ポイントアップ！", 0, 0, 0, 0, 2, 10, 0},
    {"Command6", "早さが２ポイントアップ！", 0, 0, 2, 0, 0, 10, 0},
    {"Command7", "力が２ポイントアップ！体力が１ポイントアップ！早さが１ダウン! ", 2, 1, -1, 0, 0, 20, 200},
    {"Command8", "体力が２ポイントアップ！知力が１ポイントアップ！", 0, 2, 0, 1, 0, 30, 200},
    {"Command9", "知力が２ポイントアップ！魔力が１ポイントアップ！", 0, 0, 0, 2, 1, 30, 200},
    {"Command10", "早さが２アップ！知力が１アップ！", 0, 0, 2, 1, 0, 30, 200},
    {"Command11", "魔力が２ポイントアップ！知識が１ポイントアップ！力が１ポイントダウン！", -1, 0, 0, 1, 2,
     20, 200},
};

TEST_F(ScheduleTest, EachActivityReportsThenAppliesItsChangesAndSpendsOneWeek) {
    probeTheMenu();
    for (const Activity &a : kActivities) {
        SCOPED_TRACE(a.button);
        test::prepareHero(s);
        s.fatigue = 50;
        ports.boxes.clear();
        ports.seen.clear();
        ports.reseeds = 0;
        auto before = test::allVars(s);
        ports.fractions = {0.995}; // weekRoll 100: never too tired
        open("Form4");
        click("Form4", a.button);

        ASSERT_EQ(ports.boxes.size(), 1U);
        EXPECT_EQ(ports.boxes[0].prompt, a.message);
        EXPECT_EQ(ports.boxes[0].title, kTitle);
        EXPECT_EQ(ports.boxes[0].style, kOkOnly);
        // Nothing changes while the box is up but the roll.
        bool rest = std::string(a.button) == "Command1";
        if (!rest) {
            before["weekRoll"] = "100";
        }
        EXPECT_EQ(test::allVars(ports.seen[0]), before);
        EXPECT_EQ(ports.reseeds, rest ? 0 : 1) << "rest draws nothing";
        if (!rest) {
            EXPECT_EQ(s.weekRoll, 100);
        }
        ASSERT_TRUE(atMenu.has_value());
        const GameState &m = *atMenu;
        EXPECT_EQ(m.strength, 5 + a.strength);
        EXPECT_EQ(m.stamina, 5 + a.stamina);
        EXPECT_EQ(m.speed, 5 + a.speed);
        EXPECT_EQ(m.intellect, 5 + a.intellect);
        EXPECT_EQ(m.magicPower, 5 + a.magicPower);
        EXPECT_EQ(m.defense, 5);
        EXPECT_EQ(m.fatigue, 50 + a.fatigue);
        EXPECT_EQ(m.money, 1000 + a.money);
        EXPECT_EQ(m.week, 2);
        EXPECT_EQ(m.daysToTournament, 9);
        EXPECT_EQ(screens(), std::vector<std::string>{"Form3"});
    }
}

// A tired activity pays nothing and raises nothing, but the week still goes.
TEST_F(ScheduleTest, TiredOnlyWhenTheRollIsAtMostFatigueLessTen) {
    probeTheMenu();
    const Activity &training = kActivities[2];
    const Activity &job = kActivities[7];
    struct Case {
        int fatigue;
        double fraction;
        int roll;
        const Activity &activity;
        bool tired;
    };
    const Case cases[] = {
        // Training from rested to half tired; a roll of 1 is never at most 0.
        {10, 0.0, 1, training, false},
        {0, 0.0, 1, training, false},
        {11, 0.0, 1, training, true},
        {11, 0.015, 2, training, false},
        {50, 0.395, 40, training, true},
        {50, 0.405, 41, training, false},
        // The job at full fatigue: rolls up to 90 are too tired.
        {100, 0.895, 90, job, true},
        {100, 0.905, 91, job, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.activity.button << " fatigue " << c.fatigue << " r " << c.fraction);
        test::prepareHero(s);
        s.fatigue = c.fatigue;
        ports.boxes.clear();
        ports.seen.clear();
        ports.fractions = {c.fraction};
        open("Form4");
        click("Form4", c.activity.button);
        EXPECT_EQ(s.weekRoll, c.roll);
        ASSERT_EQ(ports.boxes.size(), 1U);
        EXPECT_EQ(ports.boxes[0].title, kTitle);
        ASSERT_TRUE(atMenu.has_value());
        if (c.tired) {
            EXPECT_EQ(ports.boxes[0].prompt, kTired);
            auto expected = test::allVars(ports.seen[0]);
            expected["fatigue"] = std::to_string(c.fatigue - 10);
            expected["week"] = "2";
            expected["daysToTournament"] = "9";
            EXPECT_EQ(test::allVars(*atMenu), expected);
        } else {
            EXPECT_EQ(ports.boxes[0].prompt, c.activity.message);
            EXPECT_EQ(atMenu->fatigue, c.fatigue + c.activity.fatigue); // the menu caps it, not the job
            EXPECT_EQ(atMenu->money, 1000 + c.activity.money);
        }
    }
}

TEST_F(ScheduleTest, WaysOutChangeNothingAndLetNoTimePass) {
    probeTheMenu();
    auto before = test::allVars(s);

    open("Form4");
    click("Form4", "Command14");
    EXPECT_EQ(screens(), std::vector<std::string>{"Form3"});
    EXPECT_EQ(test::allVars(*atMenu), before);

    open("Form4");
    click("Form4", "Command12");
    EXPECT_EQ(screens(), std::vector<std::string>{"Form5"});

    open("Form4");
    click("Form4", "Command13");
    EXPECT_EQ(screens(), std::vector<std::string>{"Form12"});
    EXPECT_EQ(test::allVars(s), before);
    EXPECT_TRUE(ports.boxes.empty());
}

// With the real menu: the tick finishes what the activity started.
TEST_F(ScheduleTest, TheMenuFoldsWeekFiveAndClampsFatigue) {
    s.week = 4;
    s.month = 12;
    s.fatigue = 20;
    open("Form4");
    click("Form4", "Command1"); // rest: fatigue -10, week 5
    EXPECT_EQ(caption("Form3", "Label12"), "1月1週目");
    EXPECT_EQ(caption("Form3", "Label11"), "2年目");
    EXPECT_EQ(s.fatigue, 0);
    EXPECT_EQ(caption("Form3", "Label24"), "0");

    s.fatigue = 90;
    ports.fractions = {0.995, 0.5};
    open("Form4");
    click("Form4", "Command9"); // tutor: +30
    EXPECT_EQ(s.fatigue, 100);
    EXPECT_EQ(caption("Form3", "Label24"), "100");
    EXPECT_EQ(caption("Form3", "Label12"), "1月2週目");
}

TEST_F(ScheduleTest, AnActivityOnTournamentDayLeadsToANewCountdown) {
    s.daysToTournament = 0;
    ports.fractions = {0.995, 0.5, 0.0}; // activity, tick's weekRoll, new countdown
    open("Form4");
    click("Form4", "Command2");
    EXPECT_EQ(s.daysToTournament, 15);
}

// The week's rules at the ends of the numbers an edited save can hold: the
// calendar's roll-over and the too-tired draw saturate instead of
// overflowing (the sanitizer build would stop on an overflow).
TEST(WeekLimits, RollOverAndTooTiredSaturate) {
    constexpr Var::Int kMax = std::numeric_limits<Var::Int>::max();
    constexpr Var::Int kMin = std::numeric_limits<Var::Int>::min();
    struct Case {
        Var::Int year, month, week, wantYear, wantMonth, wantWeek;
    };
    for (const Case &c : {Case{0, 0, 0, 1, 1, 1}, Case{1, 12, 5, 2, 1, 1}, Case{kMax, 12, 5, kMax, 1, 1}}) {
        Var year = c.year, month = c.month, week = c.week;
        rollOverWeek(year, month, week);
        EXPECT_EQ(WeekDate({year, month, week}), WeekDate({c.wantYear, c.wantMonth, c.wantWeek})) << c.year;
    }
    EXPECT_FALSE(tooTired(1, kMin));
    EXPECT_TRUE(tooTired(100, kMax));
}

} // namespace
} // namespace vermona
