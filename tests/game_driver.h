// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one driver of the rule tests: a whole game with every screen, its
// ports answered from queues, in a working directory of its own.
#include "data/game_screen.h"
#include "tests/test_support.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vermona::test {

// Queue ports that also keep the game's variables as they were when each
// box came up.
class RecordingPorts : public QueuePorts {
public:
    int messageBox(const Text &prompt, int style, const Text &title) override;
    const GameState *state = nullptr;
    std::vector<GameState> seen;
};

class GameDriver {
public:
    GameDriver();
    // A second program in the directory of a first, as when the player
    // starts the game again.
    explicit GameDriver(const std::filesystem::path &directory);
    virtual ~GameDriver() = default;
    GameDriver(const GameDriver &) = delete;
    GameDriver &operator=(const GameDriver &) = delete;

    WorkDir dir; // first: the game's files go here
    RecordingPorts ports;
    Game game{ports};
    GameState &s = stateOf(game);

    // The program's start: the title screen.
    void start();
    // Afresh on one screen, as if the player had just arrived there.
    void open(std::string_view id);
    // A click as the player makes it: only on a control that is shown and
    // enabled on a visible screen; anything else fails the test.
    void click(std::string_view screen, std::string_view control, int index = -1);
    void choose(std::string_view screen, std::string_view entry);
    // New game: ten points by `clicks` (a button of the set-up screen), then
    // the element button; ends on the first menu.
    void newGame(std::string_view clicks = "Command1", std::string_view element = "Command2");

    // Throws when the screen or control does not exist.
    [[nodiscard]] Control &control(std::string_view screen, std::string_view name, int index = -1) const;
    [[nodiscard]] std::string caption(std::string_view screen, std::string_view name, int index = -1) const;
    // The screens that exist, in creation order; hidden ones marked "(hidden)".
    [[nodiscard]] std::vector<std::string> screens() const;
    [[nodiscard]] std::vector<std::string> prompts() const;

    // Replaces the main menu with one that only keeps the variables it was
    // shown with, before any weekly tick.
    void probeTheMenu();
    std::optional<GameState> atMenu; // set when the probe menu is shown
};

// Every plain game variable as a text, so a test can tell exactly what
// changed; texts read "(empty)" when unset.
std::map<std::string, std::string> allVars(const GameState &state);

} // namespace vermona::test
