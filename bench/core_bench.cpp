// SPDX-License-Identifier: GPL-3.0-or-later
// Figures for docs/performance.md: the weekly tick, a week of play with its
// resume point, the list of slots, a screen change and the script host's
// throughput, all through the headless runtime.
#include "app/all_screens.h"
#include "bench/bench_support.h"
#include "data/game_screen.h"
#include "data/save_game.h"
#include "data/save_slots.h"
#include "tools/script_host.h"

#include <benchmark/benchmark.h>
#include <sstream>

namespace {

using namespace vermona;

using bench::SilentPorts;

// A game with every screen registered, answered by silent ports.
struct BenchGame {
    SilentPorts ports;
    Game game{ports};
    BenchGame() { app::registerAllScreens(game); }
};

// The main menu's load: create the screen, run the tick, write the resume
// point, show it.
void BM_MainMenuLoad(benchmark::State &st) {
    const bench::ScratchFolder folder;
    BenchGame bg;
    Game &game = bg.game;
    stateOf(game).week = 4;
    stateOf(game).daysToTournament = -1;
    for (auto _ : st) {
        game.dispatch([&] {
            game.show("Form3");
            game.close("Form3");
        });
        benchmark::DoNotOptimize(stateOf(game).weekRoll);
    }
}
BENCHMARK(BM_MainMenuLoad);

// One week as the player spends it: 行動, 休む, the result box, and the menu
// with its tick and its resume point (whose record grows a row a week).
void BM_Week(benchmark::State &st) {
    const bench::ScratchFolder folder;
    BenchGame bg;
    Game &game = bg.game;
    bench::newGame(game);
    for (auto _ : st) {
        bench::restAWeek(game);
    }
}
BENCHMARK(BM_Week);

// The resume point alone, for a game of two years (its record of 96 weeks).
void BM_ResumePointWrite(benchmark::State &st) {
    const bench::ScratchFolder folder;
    BenchGame bg;
    Game &game = bg.game;
    bench::newGame(game);
    for (int i = 0; i < 96; ++i) {
        bench::restAWeek(game);
    }
    for (auto _ : st) {
        writeResumePoint(game);
    }
}
BENCHMARK(BM_ResumePointWrite);

// The list of slots as it opens: ten saves read, checked and summed up.
void BM_ReadSlots(benchmark::State &st) {
    const bench::ScratchFolder folder;
    BenchGame bg;
    Game &game = bg.game;
    bench::newGame(game);
    for (int slot = 1; slot <= kSaveSlots; ++slot) {
        bench::restAWeek(game);
        saveGameTo(game, slot);
    }
    for (auto _ : st) {
        benchmark::DoNotOptimize(readSlots());
    }
}
BENCHMARK(BM_ReadSlots);

// One screen change as the handlers do it: show the next, close the current.
void BM_ScreenChange(benchmark::State &st) {
    BenchGame bg;
    Game &game = bg.game;
    game.dispatch([&] { game.show("Form2"); });
    bool onSetup = true;
    for (auto _ : st) {
        game.dispatch([&] {
            game.show(onSetup ? "Form10" : "Form2");
            game.close(onSetup ? "Form2" : "Form10");
        });
        onSetup = !onSetup;
    }
}
BENCHMARK(BM_ScreenChange);

// Commands per second through the script host: a new game and a loop of
// state reads and writes with menu arrivals in between.
void BM_ScriptHostThroughput(benchmark::State &st) {
    std::string script = "seed 7\nclick Form1.Command1\n";
    for (int i = 0; i < 10; ++i) {
        script += "click Form2.Command1\n";
    }
    script += "click Form10.Command2\n";
    int commands = 12;
    for (int i = 0; i < 200; ++i) {
        script += "set fatigue 50\nget strength\ncaption Form3.Label12\nscreens\n";
        commands += 4;
    }
    std::int64_t total = 0;
    for (auto _ : st) {
        std::ostringstream out;
        std::istringstream in(script);
        script::ScriptHost host(out);
        benchmark::DoNotOptimize(host.run(in));
        total += commands;
    }
    st.counters["commands/s"] = benchmark::Counter(static_cast<double>(total), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ScriptHostThroughput);

} // namespace

BENCHMARK_MAIN();
