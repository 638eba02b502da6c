// SPDX-License-Identifier: GPL-3.0-or-later
// The journey to learn magic: the fare, the intellect gates, the lesson and
// its cost in time, and the refusal once a school has nothing left to teach.
#include "tests/activities_test_support.h"
#include "tests/game_driver.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace vermona {
namespace {

constexpr const char *kTitle = "修行";
const std::vector<std::string> kLesson = {"旅にでた・・・", "・・・・", "修行中・・・", "魔法を覚えた！！"};

struct JourneyTest : ::testing::Test, test::GameDriver {
    void SetUp() override { test::prepareHero(s); }
};

struct School {
    const char *screen;
    const char *button;
    Var GameState::*level;
    int top;
};

const School kSchools[] = {
    {"Form6", "Command1", &GameState::fireMagicLevel, 3},
    {"Form6", "Command2", &GameState::waterMagicLevel, 3},
    {"Form6", "Command3", &GameState::thunderMagicLevel, 3},
    {"Form6", "Command4", &GameState::neutralMagicLevel, 3},
    {"Form9", "Command1", &GameState::healMagicLevel, 3},
    {"Form9", "Command2", &GameState::cureMagicLevel, 2},
    {"Form11", "Command1", &GameState::powerMagicLevel, 2},
    {"Form11", "Command2", &GameState::guardMagicLevel, 2},
    {"Form11", "Command3", &GameState::speedMagicLevel, 2},
};

// Every variable but the two the menu's tick sets on each arrival.
std::map<std::string, std::string> varsButTheTick(const GameState &state) {
    auto vars = test::allVars(state);
    vars.erase("weekRoll");
    vars.erase("matchRound");
    return vars;
}

TEST_F(JourneyTest, TheFareIsCheckedOnTheJourneyScreenOnly) {
    const std::pair<const char *, const char *> families[] = {
        {"Command2", "Form6"}, {"Command3", "Form9"}, {"Command4", "Form11"}};
    for (auto [button, next] : families) {
        SCOPED_TRACE(button);
        s.money = 1000;
        open("Form5");
        click("Form5", button);
        EXPECT_EQ(screens(), std::vector<std::string>{next});
        EXPECT_EQ(s.money, 1000) << "not taken yet";

        s.money = 999;
        auto before = varsButTheTick(s);
        ports.boxes.clear();
        open("Form5");
        click("Form5", button);
        EXPECT_EQ(prompts(), std::vector<std::string>{"お金が足りません"});
        EXPECT_EQ(ports.boxes[0].title, kTitle);
        EXPECT_EQ(ports.boxes[0].style, kOkOnly);
        EXPECT_EQ(screens(), std::vector<std::string>{"Form3"});
        EXPECT_EQ(varsButTheTick(s), before);
    }
}

TEST_F(JourneyTest, ALessonRaisesTheSchoolAndCostsFareFatigueAndTime) {
    probeTheMenu();
    for (const School &school : kSchools) {
        SCOPED_TRACE(testing::Message() << school.screen << "." << school.button);
        test::prepareHero(s);
        s.intellect = 3;
        s.fatigue = 10;
        s.week = 2;
        s.month = 5;
        ports.boxes.clear();
        ports.seen.clear();
        auto before = test::allVars(s);
        open(school.screen);
        click(school.screen, school.button);

        EXPECT_EQ(prompts(), kLesson);
        for (const auto &b : ports.boxes) {
            EXPECT_EQ(b.title, kTitle);
            EXPECT_EQ(b.style, kOkOnly);
        }
        // Nothing changes until the last box is closed.
        for (const GameState &seen : ports.seen) {
            EXPECT_EQ(test::allVars(seen), before);
        }
        ASSERT_TRUE(atMenu.has_value());
        const GameState &m = *atMenu;
        EXPECT_EQ(m.*school.level, 1);
        EXPECT_EQ(m.fatigue, 50);
        EXPECT_EQ(m.money, 0);
        EXPECT_EQ(m.daysToTournament, 6);
        bool support = std::string(school.screen) == "Form11";
        EXPECT_EQ(m.week, support ? 2 : 6);
        EXPECT_EQ(m.month, support ? 6 : 5);
        EXPECT_EQ(screens(), std::vector<std::string>{"Form3"});
    }
}

TEST_F(JourneyTest, EachLevelAsksForMoreIntellect) {
    probeTheMenu();
    struct Gate {
        int level, refused, passes;
    };
    const Gate gates[] = {{0, 2, 3}, {1, 7, 8}, {2, 19, 20}};
    for (const School &school : kSchools) {
        for (const Gate &g : gates) {
            if (g.level >= school.top) {
                continue; // the top-level refusal has its own test
            }
            SCOPED_TRACE(testing::Message() << school.screen << "." << school.button << " level " << g.level);
            test::prepareHero(s);
            s.*school.level = g.level;
            s.intellect = g.refused;
            auto before = test::allVars(s);
            ports.boxes.clear();
            open(school.screen);
            click(school.screen, school.button);
            EXPECT_EQ(prompts(), std::vector<std::string>{"ステータスが足りません"});
            EXPECT_EQ(ports.boxes[0].title, kTitle);
            EXPECT_EQ(screens(), std::vector<std::string>{"Form3"});
            EXPECT_EQ(test::allVars(*atMenu), before);

            s.intellect = g.passes;
            ports.boxes.clear();
            open(school.screen);
            click(school.screen, school.button);
            EXPECT_EQ(prompts(), kLesson);
            EXPECT_EQ((*atMenu).*school.level, g.level + 1);
        }
    }
}

TEST_F(JourneyTest, ASchoolAtItsTopLevelRefusesBeforeAnythingIsSpent) {
    probeTheMenu();
    for (const School &school : kSchools) {
        for (int level : {school.top, 7}) { // 7: a level no journey can give
            SCOPED_TRACE(testing::Message() << school.screen << "." << school.button << " level " << level);
            test::prepareHero(s);
            s.*school.level = level;
            s.intellect = 99;
            s.money = 5000;
            auto before = test::allVars(s);
            ports.boxes.clear();
            open(school.screen);
            click(school.screen, school.button);
            ASSERT_EQ(ports.boxes.size(), 1U);
            EXPECT_EQ(ports.boxes[0].prompt, "これ以上覚える魔法はありません");
            EXPECT_EQ(ports.boxes[0].title, kTitle);
            EXPECT_EQ(ports.boxes[0].style, kOkOnly);
            EXPECT_EQ(screens(), std::vector<std::string>{"Form3"});
            EXPECT_EQ(test::allVars(*atMenu), before);
        }
    }
}

// With the real menu: how the calendar and fatigue come out.
TEST_F(JourneyTest, AttackAndRecoveryEndInWeekOneSupportKeepsTheWeekFatigueIsCapped) {
    const std::pair<const char *, const char *> ends[] = {
        {"Form6", "1月1週目"}, {"Form9", "1月1週目"}, {"Form11", "1月3週目"}};
    for (auto [screen, date] : ends) {
        SCOPED_TRACE(screen);
        test::prepareHero(s);
        s.month = 12;
        s.week = 3;
        s.fatigue = 70;
        open(screen);
        click(screen, "Command1");
        EXPECT_EQ(caption("Form3", "Label12"), date);
        EXPECT_EQ(caption("Form3", "Label11"), "2年目");
        EXPECT_EQ(s.fatigue, 100);
        EXPECT_EQ(caption("Form3", "Label24"), "100");
    }
}

TEST_F(JourneyTest, BackAndGiveUpLeadToTheScheduleWithNothingChanged) {
    s.fireMagicLevel = 1;
    auto before = test::allVars(s);
    const std::pair<const char *, const char *> backs[] = {
        {"Command2", "Form6"}, {"Command3", "Form9"}, {"Command4", "Form11"}};
    const std::map<std::string, const char *> backButton = {
        {"Form6", "Command5"}, {"Form9", "Command3"}, {"Form11", "Command4"}};
    for (auto [family, screen] : backs) {
        SCOPED_TRACE(screen);
        open("Form4");
        click("Form4", "Command12");
        click("Form5", family);
        click(screen, backButton.at(screen));
        EXPECT_EQ(screens(), std::vector<std::string>{"Form5"});
        click("Form5", "Command1");
        EXPECT_EQ(screens(), std::vector<std::string>{"Form4"});
    }
    EXPECT_EQ(test::allVars(s), before);
    EXPECT_TRUE(ports.boxes.empty());
    EXPECT_EQ(ports.reseeds, 0);
}

} // namespace
} // namespace vermona
