// SPDX-License-Identifier: GPL-3.0-or-later
// The cross table: its layout, the rows and columns of the players taking
// part, the entrants' names and types, and what "試合" fixes for a match.
#include "tests/tournament_test_support.h"

#include <set>

namespace vermona {
namespace {

struct TableTest : test::TournamentTest {};

TEST_F(TableTest, EveryCellLiesInItsPlayersRowAndColumn) {
    enterTable({1, 2, 3, 4, 5, 6, 7});
    std::set<const Control *> seen;
    for (int a = 0; a <= 7; ++a) {
        for (int b = 0; b <= 7; ++b) {
            SCOPED_TRACE(std::to_string(a) + " against " + std::to_string(b));
            const CellRef ref = cellOf(a, b);
            const Control &c = control("Form22", ref.name, ref.index);
            EXPECT_EQ(c.design().left, 1440 + 600 * b);
            EXPECT_EQ(c.design().top, 1560 + 360 * a);
            EXPECT_EQ(c.design().width, 615);
            EXPECT_EQ(c.design().height, 375);
            EXPECT_TRUE(seen.insert(&c).second) << "one label for two cells";
        }
    }
    // Column headers and row headers.
    EXPECT_EQ(caption("Form22", "Label3"), "１");
    EXPECT_EQ(caption("Form22", "Label4"), "主人公");
    for (int j = 1; j <= 7; ++j) {
        const std::string name = "Label" + std::to_string(j + 4);
        const Control &column = control("Form22", name, 2 * j + 2);
        EXPECT_EQ(column.design().left, 1440 + 600 * j);
        EXPECT_EQ(column.design().top, 1200);
        const Control &row = control("Form22", name, 0);
        EXPECT_EQ(row.design().left, 360);
        EXPECT_EQ(row.design().top, 1560 + 360 * j);
        // Its line strikes through its diagonal cell.
        const Control &line = control("Form22", "Line" + std::to_string(j + 1));
        EXPECT_EQ(line.design().left, 1440 + 600 * j);
        EXPECT_EQ(line.design().top, 1560 + 360 * j);
    }
    EXPECT_EQ(caption("Form22", "Label11", 16), "８");
}

TEST_F(TableTest, OnlyThePlayersTakingPartHaveRowsAndColumns) {
    for (int n : {1, 2, 7}) {
        SCOPED_TRACE(std::to_string(n) + " entrants");
        enterTable(std::vector<int>(static_cast<std::size_t>(n), 3));
        for (int j = 1; j <= 7; ++j) {
            const std::string name = "Label" + std::to_string(j + 4);
            for (int e = 0; e <= 2 * j + 2; ++e) {
                EXPECT_EQ(control("Form22", name, e).visible(), j <= n) << name << "(" << e << ")";
            }
            EXPECT_EQ(control("Form22", "Line" + std::to_string(j + 1)).visible(), j <= n);
        }
        for (int a = 0; a <= n; ++a) {
            for (int b = 0; b <= n; ++b) {
                EXPECT_EQ(cell(a, b), "") << "cells start blank";
            }
        }
    }
}

TEST_F(TableTest, EntrantsAreNamedByTheirTypes) {
    test::writeFile("name.txt", "一,二,三,四,五,六,七,八");
    enterTable({8, 3, 3});
    EXPECT_EQ(s.entrantTypes.get(1), 8);
    EXPECT_EQ(s.entrantTypes.get(2), 3);
    EXPECT_EQ(caption("Form22", "Label5", 0), "八");
    EXPECT_EQ(caption("Form22", "Label6", 0), "三");
    EXPECT_EQ(caption("Form22", "Label7", 0), "三");
    EXPECT_EQ(ports.reseeds, 3) << "each entrant's type drawn after its own reseed";
    EXPECT_TRUE(ports.boxes.empty());

    // A second tournament draws its own field from a fresh table.
    enterTable({5});
    EXPECT_EQ(caption("Form22", "Label5", 0), "五");
    EXPECT_FALSE(control("Form22", "Label6", 0).visible());
}

TEST_F(TableTest, MatchFixesTheHerosValuesWithHisEquipmentAndTheOpponentsType) {
    s.strength = 6;
    s.defense = 4;
    s.stamina = 7;
    s.intellect = 3;
    s.magicPower = 9;
    s.weaponAttack = 5;
    s.shieldDefense = 4;
    enterTable({2, 8});
    click("Form22", "Command1");
    EXPECT_EQ(s.heroAttack, 11);
    EXPECT_EQ(s.heroDefense, 8);
    EXPECT_EQ(s.heroHP, 70);
    EXPECT_EQ(s.heroSpellPower, 3);
    EXPECT_EQ(s.heroMP, 9);
    EXPECT_EQ(s.matchRound, 1);
    EXPECT_EQ(s.enemyAttack.get(1), 3);
    EXPECT_EQ(s.enemyDefense.get(1), 7);
    EXPECT_EQ(s.enemyStamina.get(1), 4);
    EXPECT_EQ(screens(), (std::vector<std::string>{"Form22(hidden)", "Form25"}));

    // Nothing equipped counts as no bonus.
    s.weaponAttack.clear();
    s.shieldDefense.clear();
    enterTable({8});
    click("Form22", "Command1");
    EXPECT_EQ(s.heroAttack, 6);
    EXPECT_EQ(s.heroDefense, 4);
    EXPECT_EQ(s.enemyStamina.get(1), 10);
}

TEST_F(TableTest, EvenFieldsLetTheHeroSitOutTheirLastRound) {
    for (int n : {2, 4, 6}) {
        SCOPED_TRACE(std::to_string(n) + " entrants");
        s.strength = 1000; // every match won at the first blow
        enterTable(std::vector<int>(static_cast<std::size_t>(n), 5));
        for (int r = 1; r <= n; ++r) {
            playRound();
        }
        click("Form22", "Command1");
        EXPECT_EQ(s.matchRound, n + 1);
        EXPECT_EQ(screens(), (std::vector<std::string>{"Form22", "Form27"}));
        EXPECT_FALSE(control("Form27", "Label1").visible());
        EXPECT_EQ(caption("Form27", "Label2"), "COM戦終了");
        EXPECT_FALSE(control("Form22", "Command1").enabled()) << "no second match while the result is open";
        click("Form27", "Command1");
        EXPECT_EQ(screens(), std::vector<std::string>{"Form3"});
    }
}

TEST_F(TableTest, MissingOrShortNameFilesNameEntrantsByPlaceAndSaySoOnce) {
    constexpr const char *kShort = "name.txtの名前が8人分ないため、足りない名前は仮の名前になります";
    struct Case {
        const char *what;
        const char *file; // null: no file
        const char *prompt;
        std::vector<std::string> headers; // entrants of types 1, 2, 4 and 8
    };
    const Case cases[] = {
        {"missing",
         nullptr,
         "name.txtが読めないため、参加者の名前は仮の名前になります",
         {"参加者1", "参加者2", "参加者4", "参加者8"}},
        {"short", "一,二,三", kShort, {"一", "二", "参加者4", "参加者8"}},
        {"empty place", "一,,三,四,五,六,七,八", kShort, {"一", "参加者2", "四", "八"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove("name.txt");
        if (c.file != nullptr) {
            test::writeFile("name.txt", c.file);
        }
        ports.boxes.clear();
        enterTable({1, 2, 4, 8});
        ASSERT_EQ(ports.boxes.size(), 1U);
        EXPECT_EQ(ports.boxes[0].prompt, c.prompt);
        EXPECT_EQ(ports.boxes[0].title, "大会");
        for (int j = 1; j <= 4; ++j) {
            EXPECT_EQ(caption("Form22", "Label" + std::to_string(j + 4), 0),
                      c.headers[static_cast<std::size_t>(j - 1)]);
        }
        EXPECT_EQ(screens(), std::vector<std::string>{"Form22"}) << "the tournament goes on";
    }
}

} // namespace
} // namespace vermona
