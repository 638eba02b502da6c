// SPDX-License-Identifier: GPL-3.0-or-later
// Random play: thousands of clicks on whatever the visible screen offers,
// checking after each that the game is still in one piece.
#include "app/all_screens.h"
#include "data/game_screen.h"
#include "tests/test_support.h"

#include <gtest/gtest.h>
#include <random>

namespace vermona {
namespace {

#ifndef VERMONA_SOAK_STEPS
#define VERMONA_SOAK_STEPS 3000
#endif
constexpr int kSteps = VERMONA_SOAK_STEPS; // per seed, four seeds

class RandomPorts : public test::QueuePorts {
public:
    explicit RandomPorts(std::uint64_t seed) : engine_(seed) {}
    double nextFraction() override { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }
    int messageBox(const Text &prompt, int style, const Text &title) override {
        if (asksYesNo(style)) {
            answers.push_back(engine_() % 2 == 0 ? kYes : kNo);
        }
        return QueuePorts::messageBox(prompt, style, title);
    }

private:
    std::mt19937_64 engine_;
};

TEST(SoakTest, RandomClicksKeepTheGameConsistent) {
    for (std::uint64_t seed = 1; seed <= 4; ++seed) {
        RandomPorts ports(seed);
        Game game(ports);
        app::registerAllScreens(game);
        game.start(ids::kTitle);
        std::mt19937_64 pick(seed * 7919);
        int menuVisits = 0;
        int step = 0;
        for (; step < kSteps && !game.ended(); ++step) {
            std::vector<Screen *> visible;
            for (Screen *sc : game.screens()) {
                if (sc->visible()) {
                    visible.push_back(sc);
                }
            }
            // One screen, or a battle with its message window, or the table
            // with the result of a round the hero sat out.
            ASSERT_GE(visible.size(), 1U) << "seed " << seed << " step " << step;
            ASSERT_LE(visible.size(), 2U) << "seed " << seed << " step " << step;
            std::vector<Control *> clickable;
            for (Screen *sc : visible) {
                for (const auto &c : sc->controls()) {
                    if (c->visible() && c->enabled() && c->handler() &&
                        (c->kind() == ControlKind::Button || c->kind() == ControlKind::Label)) {
                        clickable.push_back(c.get());
                    }
                }
            }
            ASSERT_FALSE(clickable.empty()) << visible[0]->id();
            game.click(*clickable[pick() % clickable.size()]);
            ASSERT_LE(stateOf(game).matchRound, 8) << "seed " << seed << " step " << step;

            if (Screen *menu = game.find("Form3"); menu != nullptr && menu->visible()) {
                ++menuVisits;
                const GameState &s = stateOf(game);
                ASSERT_GE(s.week, 1);
                ASSERT_LE(s.week, 4);
                ASSERT_GE(s.month, 1);
                ASSERT_LE(s.month, 12);
                ASSERT_GE(s.year, 1);
                ASSERT_GE(s.fatigue, 0);
                ASSERT_LE(s.fatigue, 100);
                ASSERT_GE(s.daysToTournament, -1); // -1 just after a tournament, until the next tick
                ASSERT_LE(s.entrants, 7);
                ASSERT_GE(s.money, 0); // only the journey costs money, and it checks first
                for (const Var *level : {&s.fireMagicLevel, &s.waterMagicLevel, &s.thunderMagicLevel,
                                         &s.neutralMagicLevel, &s.healMagicLevel}) {
                    ASSERT_LE(*level, 3);
                }
                for (const Var *level :
                     {&s.cureMagicLevel, &s.powerMagicLevel, &s.guardMagicLevel, &s.speedMagicLevel}) {
                    ASSERT_LE(*level, 2);
                }
                ASSERT_EQ(menu->find("Label12")->caption(), s.month.text() + "月" + s.week.text() + "週目");
            }
        }
        EXPECT_GT(menuVisits, 100) << "seed " << seed;
        EXPECT_EQ(step, kSteps) << "the game ended early, seed " << seed;
    }
}

} // namespace
} // namespace vermona
