// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The tournament's tests: entering with a prepared field, playing its
// matches, reading the cross table and the battle's gauges.
#include "tests/game_driver.h"
#include "tournament/round_robin.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vermona::test {

inline constexpr const char *kNames = "赤,青,黄,緑,白,黒,金,銀\n";

// The fraction that draws entrant type t (1..8).
inline double typeFraction(int t) { return (t - 1) / 8.0; }

struct TournamentTest : ::testing::Test, GameDriver {
    void SetUp() override {
        writeFile("name.txt", kNames);
        // A plain hero, between weeks, with the countdown run out.
        for (Var *v : {&s.strength, &s.defense, &s.speed, &s.stamina, &s.intellect, &s.magicPower}) {
            *v = 5;
        }
        s.money = 1000;
        s.year = s.month = s.week = 1;
        s.daysToTournament = 0;
    }

    // Through the entry screen with a bet item named, into a table whose
    // entrants draw the given types.
    void enterTable(const std::vector<int> &types) {
        s.entrants = static_cast<Var::Int>(types.size());
        s.matchRound = 0;
        open("Form21");
        game.control("Form21", "Label5").setCaption("薬草");
        for (int t : types) {
            ports.fractions.push_back(typeFraction(t));
        }
        click("Form21", "Command2");
    }

    // The mark in player a's row and player b's column.
    [[nodiscard]] std::string cell(int a, int b) const {
        const CellRef ref = cellOf(a, b);
        return caption("Form22", ref.name, ref.index);
    }

    // Where a gauge of the battle screen ends.
    [[nodiscard]] float end(const char *line) const { return control("Form25", line).x2(); }

    // Attacks and lets the opponent answer until the result screen opens;
    // returns the number of attacks.
    int fightToTheEnd() {
        int attacks = 0;
        while (game.find("Form27") == nullptr && attacks < 10000) {
            click("Form25", "Command1");
            ++attacks;
            for (int i = 0; i < 2 && game.find("Form26") != nullptr; ++i) {
                click("Form26", "Label1");
            }
        }
        return attacks;
    }

    // One round from the table: the match (or the bye) and "次へ".
    void playRound() {
        click("Form22", "Command1");
        if (game.find("Form25") != nullptr) {
            fightToTheEnd();
        }
        click("Form27", "Command1");
    }
};

} // namespace vermona::test
