#pragma once

// A game with every screen in a working directory of its own, for the
// tournament: entering with a prepared field, playing its matches, reading
// the cross table.
#include "app/all_screens.h"
#include "data/game_screen.h"
#include "tests/test_support.h"
#include "tournament/round_robin.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <vector>

namespace vermona::test {

inline constexpr const char *kNames = "赤,青,黄,緑,白,黒,金,銀\n";

// The fraction that draws entrant type t (1..8).
inline double typeFraction(int t) { return (t - 1) / 8.0; }

struct TournamentTest : ::testing::Test {
    QueuePorts ports;
    Game game{ports};
    GameState &s = stateOf(game);
    std::filesystem::path home;
    std::filesystem::path dir;

    void SetUp() override {
        home = std::filesystem::current_path();
        dir = std::filesystem::temp_directory_path() /
              ("vermona-tournament-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        std::filesystem::current_path(dir);
        writeNames(kNames);
        registerAllScreens(game);
        // A plain hero, between weeks, with the countdown run out.
        for (Var *v : {&s.strength, &s.defense, &s.speed, &s.stamina, &s.intellect, &s.magicPower}) {
            *v = 5;
        }
        s.money = 1000;
        s.year = s.month = s.week = 1;
        s.daysToTournament = 0;
    }

    void TearDown() override {
        std::filesystem::current_path(home);
        std::filesystem::remove_all(dir);
    }

    static void writeNames(const std::string &bytes) {
        std::ofstream(std::string("name.txt"), std::ios::binary) << bytes;
    }

    // Starts afresh on one screen, as if the player had just arrived there.
    void open(const char *id) {
        for (Screen *sc : game.screens()) {
            game.close(sc->id());
        }
        game.dispatch([this, id] { game.show(id); });
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

    Control &control(const char *screen, const std::string &name, int index = -1) const {
        Screen *sc = game.find(screen);
        if (sc == nullptr) {
            throw std::runtime_error(std::string(screen) + " does not exist");
        }
        Control *c = sc->find(name, index);
        if (c == nullptr) {
            throw std::runtime_error(std::string(screen) + "." + name + " does not exist");
        }
        return *c;
    }

    // A click as the player makes it: only on what is shown and enabled.
    void click(const char *screen, const std::string &name, int index = -1) {
        Screen *sc = game.find(screen);
        ASSERT_NE(sc, nullptr) << screen;
        ASSERT_TRUE(sc->visible()) << screen;
        Control &c = control(screen, name, index);
        ASSERT_TRUE(c.visible()) << c.qualifiedName();
        ASSERT_TRUE(c.enabled()) << c.qualifiedName();
        game.click(c);
    }

    std::string caption(const char *screen, const std::string &name, int index = -1) const {
        return control(screen, name, index).caption();
    }

    // The mark in player a's row and player b's column.
    std::string cell(int a, int b) const {
        const CellRef ref = cellOf(a, b);
        return caption("Form22", ref.name, ref.index);
    }

    std::vector<std::string> screens() const {
        std::vector<std::string> ids;
        for (Screen *sc : game.screens()) {
            ids.push_back(sc->id() + (sc->visible() ? "" : "(hidden)"));
        }
        return ids;
    }

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
