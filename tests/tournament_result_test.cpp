// SPDX-License-Identifier: GPL-3.0-or-later
// Results: the computer matches form a complete round robin for every field,
// each round's marks go into the table, and the last round ends the
// tournament on the main menu.
#include "data/growth_record.h"
#include "tests/tournament_test_support.h"

#include <map>
#include <set>

namespace vermona {
namespace {

TEST(RoundRobin, EveryPairMeetsOnceAndNobodyPlaysTwiceInARound) {
    for (int n = 1; n <= kMaxEntrants; ++n) {
        SCOPED_TRACE(std::to_string(n) + " entrants");
        std::set<std::pair<int, int>> met;
        for (int r = 1; r <= roundsFor(n); ++r) {
            std::vector<ComputerMatch> matches = computerMatches(n, r);
            if (r <= n) {
                matches.push_back({0, r}); // the hero meets entrant r
            } else {
                EXPECT_EQ(r, heroByeRound(n));
            }
            std::set<int> playing;
            for (const ComputerMatch &m : matches) {
                EXPECT_TRUE(playing.insert(m.winner).second) << "round " << r << ": " << m.winner << " twice";
                EXPECT_TRUE(playing.insert(m.loser).second) << "round " << r << ": " << m.loser << " twice";
                EXPECT_LE(std::max(m.winner, m.loser), n);
                EXPECT_TRUE(met.insert(std::minmax(m.winner, m.loser)).second)
                    << m.winner << " and " << m.loser << " meet again in round " << r;
            }
        }
        EXPECT_EQ(met.size(), static_cast<std::size_t>(n * (n + 1) / 2));
        EXPECT_TRUE(computerMatches(n, roundsFor(n) + 1).empty());
    }
}

TEST(RoundRobin, SmallFieldsKeepTheirSchedule) {
    auto pairs = [](int n, int r) {
        std::vector<std::pair<int, int>> out;
        for (const ComputerMatch &m : computerMatches(n, r)) {
            out.emplace_back(m.winner, m.loser);
        }
        return out;
    };
    using P = std::vector<std::pair<int, int>>;
    EXPECT_EQ(pairs(1, 1), P{});
    EXPECT_EQ(pairs(2, 1), P{});
    EXPECT_EQ(pairs(2, 2), P{});
    EXPECT_EQ(pairs(2, 3), (P{{2, 1}}));
    EXPECT_EQ(pairs(3, 1), (P{{2, 3}}));
    EXPECT_EQ(pairs(3, 2), (P{{1, 3}}));
    EXPECT_EQ(pairs(3, 3), (P{{2, 1}}));
}

// Keeps the marks of the table as it was when the tournament closed it.
class TableKeeper : public ScreenObserver {
public:
    void screenClosed(Screen &screen) override {
        if (screen.id() != "Form22") {
            return;
        }
        for (const auto &c : screen.controls()) {
            if (c->kind() == ControlKind::Label) {
                marks[{c->name(), c->index()}] = c->caption();
            }
        }
    }
    std::string at(int a, int b) const {
        const CellRef ref = cellOf(a, b);
        return marks.at({std::string(ref.name), ref.index});
    }
    std::map<std::pair<std::string, int>, std::string> marks;
};

struct ResultTest : test::TournamentTest {};

TEST_F(ResultTest, EveryFieldEndsWithACompleteTable) {
    s.strength = 1000; // the hero wins every match at the first blow
    for (int n = 1; n <= kMaxEntrants; ++n) {
        SCOPED_TRACE(std::to_string(n) + " entrants");
        TableKeeper keeper;
        game.addObserver(&keeper);
        enterTable(std::vector<int>(static_cast<std::size_t>(n), 7));
        for (int r = 1; r <= roundsFor(n); ++r) {
            ASSERT_NE(game.find("Form22"), nullptr) << "round " << r;
            playRound();
        }
        game.removeObserver(&keeper);
        ASSERT_FALSE(keeper.marks.empty());
        for (int a = 0; a <= n; ++a) {
            EXPECT_EQ(keeper.at(a, a), "");
            for (int b = 0; b <= n; ++b) {
                if (a != b) {
                    const std::string both = keeper.at(a, b) + keeper.at(b, a);
                    EXPECT_TRUE(both == "○×" || both == "×○") << a << " against " << b << ": " << both;
                }
            }
        }
        for (int b = 1; b <= n; ++b) {
            EXPECT_EQ(keeper.at(0, b), "○");
        }
        // The growth record has the tournament as the table ended it.
        const auto &held = game.store<GrowthRecord>().tournaments;
        ASSERT_EQ(held.size(), static_cast<std::size_t>(n));
        EXPECT_EQ(held.back(), (TournamentResult{currentDate(s), n, 0, n}));
    }
}

TEST_F(ResultTest, ARoundThatIsNotTheLastBringsTheTableBackWithItsMarks) {
    s.strength = 1000;
    enterTable({6, 6, 6});
    playRound();
    EXPECT_EQ(screens(), std::vector<std::string>{"Form22"});
    EXPECT_TRUE(control("Form22", "Command1").enabled());
    EXPECT_EQ(cell(0, 1), "○");
    EXPECT_EQ(cell(1, 0), "×");
    EXPECT_EQ(cell(2, 3), "○") << "round 1 of three entrants: 2 beats 3";
    EXPECT_EQ(cell(3, 2), "×");
    EXPECT_EQ(cell(1, 2), "");
}

TEST_F(ResultTest, TheLastRoundEndsOnTheMenuWithANewCountdownToCome) {
    s.strength = 1000;
    s.entrants = 1;
    enterTable({4});
    ports.fractions.clear();
    playRound();
    EXPECT_EQ(screens(), std::vector<std::string>{"Form3"});
    EXPECT_EQ(s.daysToTournament, -1);
    EXPECT_EQ(s.entrants, 0);
    EXPECT_EQ(s.matchRound, 0);
    EXPECT_EQ(game.find("Form22"), nullptr);

    // The menu's next arrival draws the countdown anew.
    ports.fractions = {0.5, 0.0};
    click("Form3", "Command4");
    click("Form20", "Command1");
    EXPECT_EQ(s.daysToTournament, 15);
}

} // namespace
} // namespace vermona
