// SPDX-License-Identifier: GPL-3.0-or-later
// Rules of the screen runtime, the new game and the weekly tick, exercised
// through the runtime with queued random fractions.
#include "data/game_screen.h"
#include "runtime/clock_random.h"
#include "tests/game_driver.h"

#include <gtest/gtest.h>
#include <set>
#include <stdexcept>

namespace vermona {
namespace {

class ProbeScreen : public Screen {
public:
    ProbeScreen(Game &g, std::string id, int *loads)
        : Screen(g, id, "probe", 1500, 1500, 0xFFFFFF), loads_(loads) {
        Command1.onClick([this] {
            game_.show("Probe2");
            game_.close(this->id());
        });
    }
    Control &Label1 = label("Label1", "design", 0, 0, 100, 100);
    Control &Command1 = button("Command1", "go", 0, 0, 100, 100);
    void Form_Load() override { ++*loads_; }

private:
    int *loads_;
};

struct RuntimeTest : ::testing::Test {
    test::QueuePorts ports;
    Game game{ports};
    int loads1 = 0;
    int loads2 = 0;
    void SetUp() override {
        game.registerScreen("Probe1",
                            [this](Game &g) { return std::make_unique<ProbeScreen>(g, "Probe1", &loads1); });
        game.registerScreen("Probe2",
                            [this](Game &g) { return std::make_unique<ProbeScreen>(g, "Probe2", &loads2); });
    }
};

TEST_F(RuntimeTest, ShowTouchHideCloseFollowTheScreenModel) {
    // Touching creates invisibly and loads once; a later show only reveals.
    Control &l = game.control("Probe1", "Label1");
    EXPECT_EQ(loads1, 1);
    EXPECT_FALSE(game.find("Probe1")->visible());
    l.setCaption("run time");
    game.show("Probe1");
    EXPECT_EQ(loads1, 1);
    EXPECT_TRUE(game.find("Probe1")->visible());
    // Hide and show keep the run-time caption.
    game.hide("Probe1");
    game.show("Probe1");
    EXPECT_EQ(game.find("Probe1")->find("Label1")->caption(), "run time");
    // Close loses it; the next show loads again.
    game.close("Probe1");
    EXPECT_EQ(game.find("Probe1"), nullptr);
    game.show("Probe1");
    EXPECT_EQ(loads1, 2);
    EXPECT_EQ(game.find("Probe1")->find("Label1")->caption(), "design");
}

TEST_F(RuntimeTest, HandlerThatClosesItsOwnScreenIsSafe) {
    game.show("Probe1");
    game.click(*game.find("Probe1")->find("Command1"));
    ASSERT_EQ(game.screens().size(), 1U);
    EXPECT_EQ(game.screens()[0]->id(), "Probe2");
}

// The port hears of the mistyped id (a test or a script fails on it); the
// click itself does nothing, as in the shipped game.
TEST_F(RuntimeTest, UnknownScreenIsReportedAndTheClickDoesNothing) {
    ports.expectUnknownScreens = true;
    game.registerScreen("Probe3", [](Game &g) {
        struct Leaver : Screen {
            explicit Leaver(Game &gg) : Screen(gg, "Probe3", "", 10, 10, 0) {
                Command1.onClick([this] {
                    game_.show("Form99");
                    game_.close("Probe3");
                });
            }
            Control &Command1 = button("Command1", "", 0, 0, 1, 1);
        };
        return std::make_unique<Leaver>(g);
    });
    game.show("Probe3");
    game.click(*game.find("Probe3")->find("Command1"));
    ASSERT_NE(game.find("Probe3"), nullptr);
    EXPECT_TRUE(game.find("Probe3")->visible());
    EXPECT_EQ(ports.unknownScreens, std::vector<std::string>{"Form99"});
}

// Another screen's control is reached on its own screen only, and no other
// screen can build it.
TEST_F(RuntimeTest, AReachedControlBelongsToItsOwnScreen) {
    constexpr ControlRef label1{"Probe1", "Label1"};
    Control &reached = game.control(label1);
    EXPECT_EQ(&reached, game.find("Probe1")->find("Label1"));
    EXPECT_EQ(game.touch("Probe2").find(label1), nullptr);
    struct Stray : Screen {
        explicit Stray(Game &g) : Screen(g, "Probe3", "", 10, 10, 0) {}
        Control &Label1 = label(ControlRef{"Probe1", "Label1"}, "", 0, 0, 1, 1);
    };
    EXPECT_THROW(Stray{game}, std::logic_error);
}

TEST_F(RuntimeTest, EndStopsTheHandlerAndClosesEverything) {
    bool after = false;
    game.show("Probe1");
    game.show("Probe2");
    game.dispatch([&] {
        game.end();
        after = true; // NOLINT: must never run
    });
    EXPECT_FALSE(after);
    EXPECT_TRUE(game.ended());
    EXPECT_TRUE(game.screens().empty());
}

TEST_F(RuntimeTest, RollReseedsEveryDrawAndCoversItsWholeRange) {
    ports.fractions = {0.0, 0.999999999, 0.295, 0.2999};
    EXPECT_EQ(game.roll(100, 1), 1);
    EXPECT_EQ(game.roll(100, 1), 100);
    EXPECT_EQ(game.roll(100, 1), 30);
    EXPECT_EQ(game.roll(100, 1), 30);
    EXPECT_EQ(ports.reseeds, 4);
}

TEST(VarTest, EmptyCountsAsZeroAndShowsAsNothing) {
    Var v;
    EXPECT_TRUE(v.empty());
    EXPECT_EQ(v.text(), "");
    EXPECT_TRUE(v == 0);
    EXPECT_TRUE(v < 7);
    v += 1;
    EXPECT_EQ(v.text(), "1");
    Var neg = -2;
    EXPECT_EQ(neg.text(), "-2");
    Var big = std::numeric_limits<Var::Int>::max();
    big += 10; // saturates rather than overflowing
    EXPECT_EQ(big.get(), std::numeric_limits<Var::Int>::max());
}

// A real game with every screen, driven through the runtime.
struct NewGameTest : ::testing::Test, test::GameDriver {
    void SetUp() override { start(); }
};

TEST_F(NewGameTest, TenPointsOnOneAbilityThenTheElementScreen) {
    ports.fractions = {0.0}; // countdown 15
    click("Form1", "Command1");
    EXPECT_EQ(s.daysToTournament, 15);
    EXPECT_EQ(s.money, 1000);
    for (int i = 0; i < 9; ++i) {
        click("Form2", "Command1");
    }
    EXPECT_EQ(caption("Form2", "Label3"), "力：10");
    EXPECT_EQ(game.find("Form10"), nullptr);
    click("Form2", "Command1");
    EXPECT_EQ(s.strength, 11);
    EXPECT_EQ(game.find("Form2"), nullptr);
    ASSERT_NE(game.find("Form10"), nullptr);
    EXPECT_TRUE(game.find("Form10")->visible());
}

TEST_F(NewGameTest, EachButtonRaisesItsOwnAbilityAndLabel) {
    click("Form1", "Command1");
    const std::pair<const char *, const char *> buttons[] = {{"Command1", "Label3"}, {"Command2", "Label4"},
                                                             {"Command3", "Label5"}, {"Command4", "Label6"},
                                                             {"Command5", "Label8"}, {"Command6", "Label7"}};
    for (auto [button, lbl] : buttons) {
        click("Form2", button);
    }
    EXPECT_EQ(caption("Form2", "Label3"), "力：2");
    EXPECT_EQ(caption("Form2", "Label4"), "防御：2");
    EXPECT_EQ(caption("Form2", "Label5"), "体力：2");
    EXPECT_EQ(caption("Form2", "Label6"), "早さ：2");
    EXPECT_EQ(caption("Form2", "Label7"), "知力：2");
    EXPECT_EQ(caption("Form2", "Label8"), "魔力：2");
    EXPECT_EQ(s.strength + s.defense + s.stamina + s.speed + s.intellect + s.magicPower, 12);
    EXPECT_EQ(s.magicPower, 2);
    EXPECT_EQ(s.intellect, 2);
}

TEST_F(NewGameTest, CountdownSpansFifteenToTwentyNine) {
    ports.fractions = {0.9999999};
    click("Form1", "Command1");
    EXPECT_EQ(s.daysToTournament, 29);
}

TEST_F(NewGameTest, FirstMenuShowsDayOneAndTheChosenElement) {
    click("Form1", "Command1");
    for (int i = 0; i < 10; ++i) {
        click("Form2", "Command3");
    }
    ports.fractions = {0.5};
    click("Form10", "Command3");
    EXPECT_EQ(s.element, 2);
    EXPECT_EQ(caption("Form3", "Label11"), "1年目");
    EXPECT_EQ(caption("Form3", "Label12"), "1月1週目");
    EXPECT_EQ(caption("Form3", "Label14"), "水");
    EXPECT_EQ(caption("Form3", "Label21"), "110");
    EXPECT_EQ(caption("Form3", "Label24"), "0");
    EXPECT_EQ(caption("Form3", "Label10"), "1000");
    EXPECT_EQ(s.fatigue, 0); // the tick gives the empty fatigue a value
    EXPECT_EQ(screens(), std::vector<std::string>{"Form3"});
}

// The weekly tick on its own: a menu shown over a prepared state.
struct TickTest : ::testing::Test, test::GameDriver {
    std::string tick(double roll = 0.5) {
        game.close("Form3");
        ports.fractions.push_front(roll);
        game.dispatch([this] { game.show("Form3"); });
        return caption("Form3", "Label12");
    }
};

TEST_F(TickTest, CalendarRollsOverOneMonthAtMost) {
    s.year = 1;
    s.month = 3;
    s.week = 5;
    EXPECT_EQ(tick(), "4月1週目");
    s.week = 8;
    EXPECT_EQ(tick(), "5月1週目");
    s.month = 12;
    s.week = 5;
    EXPECT_EQ(tick(), "1月1週目");
    EXPECT_EQ(caption("Form3", "Label11"), "2年目");
    s.week = 4;
    EXPECT_EQ(tick(), "1月4週目");
    s.month = 0;
    s.week = 0;
    s.year = 0;
    EXPECT_EQ(tick(), "1月1週目");
    EXPECT_EQ(caption("Form3", "Label11"), "1年目");
}

TEST_F(TickTest, EntrantsGrowOnlyBelowThirtyAndBelowSeven) {
    tick(0.28); // weekRoll 29
    EXPECT_EQ(s.weekRoll, 29);
    EXPECT_EQ(s.entrants, 1);
    tick(0.295); // weekRoll 30
    EXPECT_EQ(s.entrants, 1);
    s.entrants = 7;
    tick(0.0);
    EXPECT_EQ(s.entrants, 7);
    s.entrants = 6;
    tick(0.0);
    EXPECT_EQ(s.entrants, 7);
}

TEST_F(TickTest, CountdownIsRedrawnOnlyBelowZero) {
    s.daysToTournament = 0;
    tick();
    EXPECT_EQ(s.daysToTournament, 0);
    s.daysToTournament = -1;
    game.close("Form3");
    ports.fractions = {0.5, 0.0};
    game.dispatch([this] { game.show("Form3"); });
    game.close("Form3");
    EXPECT_EQ(s.daysToTournament, 15);
    s.daysToTournament = -4;
    ports.fractions = {0.5, 0.9999};
    game.dispatch([this] { game.show("Form3"); });
    EXPECT_EQ(s.daysToTournament, 29);
}

TEST_F(TickTest, FatigueIsClampedAndLowValuesShowAsOne) {
    s.fatigue = 130;
    s.strength = 0;
    s.defense = -1;
    s.speed = 1;
    s.stamina = 0;
    s.intellect = 7;
    s.magicPower = -3;
    tick();
    EXPECT_EQ(s.fatigue, 100);
    EXPECT_EQ(caption("Form3", "Label24"), "100");
    EXPECT_EQ(caption("Form3", "Label18"), "1");
    EXPECT_EQ(caption("Form3", "Label19"), "1");
    EXPECT_EQ(caption("Form3", "Label20"), "1");
    EXPECT_EQ(caption("Form3", "Label21"), "10");
    EXPECT_EQ(caption("Form3", "Label22"), "7");
    EXPECT_EQ(caption("Form3", "Label23"), "1");
    EXPECT_EQ(s.strength, 0); // only the text is floored
    s.fatigue = -5;
    s.stamina = 12;
    tick();
    EXPECT_EQ(s.fatigue, 0);
    EXPECT_EQ(caption("Form3", "Label24"), "0");
    EXPECT_EQ(caption("Form3", "Label21"), "120");
}

TEST_F(TickTest, EveryLoadSetsMatchRoundAndRollsAgain) {
    s.matchRound = 3;
    tick(0.0);
    EXPECT_EQ(s.matchRound, 0);
    EXPECT_EQ(s.weekRoll, 1);
    tick(0.995);
    EXPECT_EQ(s.weekRoll, 100);
}

} // namespace
} // namespace vermona

namespace vermona {
namespace {

TEST(ClockRandomTest, ReseedingInOneClockTickDoesNotRepeatDraws) {
    ClockRandom r;
    std::set<double> seen;
    for (int i = 0; i < 1000; ++i) {
        r.reseedFromClock();
        double f = r.nextFraction();
        ASSERT_GE(f, 0.0);
        ASSERT_LT(f, 1.0);
        seen.insert(f);
    }
    EXPECT_EQ(seen.size(), 1000U);
}

} // namespace
} // namespace vermona
