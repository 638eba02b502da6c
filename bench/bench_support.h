// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the benchmarks share: ports that answer at once, a folder of their
// own for the files the game writes, and the player's first steps.
#include "data/game_screen.h"
#include "runtime/clock_random.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace vermona::bench {

class SilentPorts : public Ports {
public:
    int messageBox(const Text & /*prompt*/, int style, const Text & /*title*/) override {
        return asksYesNo(style) ? kNo : kOk;
    }
    void reseedFromClock() override { random_.reseedFromClock(); }
    double nextFraction() override { return random_.nextFraction(); }
    void unknownScreen(std::string_view /*id*/) override {}

private:
    ClockRandom random_;
};

// A folder beside the build (a real disk, as the player's data folder is),
// made the working directory for the benchmark's life.
class ScratchFolder {
public:
    ScratchFolder() : old_(std::filesystem::current_path()) {
        std::string pattern = (old_ / "bench-scratch-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("mkdtemp failed");
        }
        path_ = pattern;
        std::filesystem::current_path(path_);
    }
    ~ScratchFolder() {
        std::filesystem::current_path(old_);
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;

private:
    std::filesystem::path old_;
    std::filesystem::path path_;
};

inline void click(Game &game, std::string_view screen, std::string_view control) {
    game.click(*game.find(screen)->find(control));
}

inline void newGame(Game &game) {
    game.start(ids::kTitle);
    click(game, ids::kTitle, "Command1");
    for (int i = 0; i < 10; ++i) {
        click(game, ids::kHeroSetup, "Command1");
    }
    click(game, ids::kElement, "Command2");
}

inline void restAWeek(Game &game) {
    click(game, ids::kMainMenu, "Command1");
    click(game, ids::kSchedule, "Command1");
}

} // namespace vermona::bench
