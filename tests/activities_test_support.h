#pragma once

// A game with every screen, started on a chosen screen over a prepared state,
// for the rules of the weekly activities and the journeys.
#include "app/all_screens.h"
#include "data/game_screen.h"
#include "tests/test_support.h"

#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace vermona::test {

// Remembers the game variables as they were when each box came up.
class RecordingPorts : public QueuePorts {
public:
    int messageBox(const std::string &prompt, int style, const std::string &title) override {
        seen.push_back(*state);
        return QueuePorts::messageBox(prompt, style, title);
    }
    const GameState *state = nullptr;
    std::vector<GameState> seen;
};

// The variables an activity may touch, as texts so that empty stays visible.
inline std::map<std::string, std::string> activityVars(GameState s) {
    std::istringstream names("strength defense speed stamina intellect magicPower fatigue money week month "
                             "year daysToTournament fireMagicLevel waterMagicLevel thunderMagicLevel "
                             "neutralMagicLevel healMagicLevel cureMagicLevel powerMagicLevel "
                             "guardMagicLevel speedMagicLevel");
    std::map<std::string, std::string> out;
    for (std::string name; names >> name;) {
        out[name] = s.number(name)->text();
    }
    return out;
}

// Stands in for the menu: keeps the state it was shown with, before any
// weekly tick could fold the week or clamp fatigue.
class MenuProbe : public GameScreen {
public:
    MenuProbe(Game &g, std::optional<GameState> *arrival)
        : GameScreen(g, "Form3", "probe", 100, 100, 0), arrival_(arrival) {}
    void Form_Load() override { *arrival_ = s; }

private:
    std::optional<GameState> *arrival_;
};

struct ActivityTest : ::testing::Test {
    RecordingPorts ports;
    Game game{ports};
    GameState &s = stateOf(game);
    std::optional<GameState> atMenu; // set when the probe menu is shown

    void SetUp() override {
        ports.state = &stateOf(game);
        registerAllScreens(game);
        prepareHero();
    }

    void prepareHero() {
        // A hero in week 1 of year 1 with the starting purse.
        for (Var *v : {&s.strength, &s.defense, &s.speed, &s.stamina, &s.intellect, &s.magicPower}) {
            *v = 5;
        }
        s.fatigue = 0;
        s.money = 1000;
        s.year = 1;
        s.month = 1;
        s.week = 1;
        s.daysToTournament = 10;
        s.entrants = 7; // the tick leaves a full field alone
        for (Var *v : {&s.fireMagicLevel, &s.waterMagicLevel, &s.thunderMagicLevel, &s.neutralMagicLevel,
                       &s.healMagicLevel, &s.cureMagicLevel, &s.powerMagicLevel, &s.guardMagicLevel,
                       &s.speedMagicLevel}) {
            v->clear();
        }
    }

    // Replaces the real menu, so that the raw result of an activity shows.
    void probeTheMenu() {
        game.registerScreen("Form3", [this](Game &g) { return std::make_unique<MenuProbe>(g, &atMenu); });
    }

    // Starts afresh on one screen, as if the player had just arrived there.
    void open(const char *id) {
        for (const auto &other : screens()) {
            game.close(other);
        }
        atMenu.reset();
        game.dispatch([this, id] { game.show(id); });
    }

    void click(const char *screen, const char *control) {
        Screen *sc = game.find(screen);
        ASSERT_NE(sc, nullptr) << screen;
        ASSERT_TRUE(sc->visible()) << screen;
        Control *c = sc->find(control);
        ASSERT_NE(c, nullptr) << screen << "." << control;
        game.click(*c);
    }

    std::vector<std::string> screens() const {
        std::vector<std::string> ids;
        for (Screen *sc : game.screens()) {
            ids.push_back(sc->id());
        }
        return ids;
    }

    std::vector<std::string> prompts() const {
        std::vector<std::string> out;
        for (const auto &b : ports.boxes) {
            out.push_back(b.prompt);
        }
        return out;
    }

    std::string menuCaption(const char *control) const {
        return game.find("Form3")->find(control)->caption();
    }
};

} // namespace vermona::test
