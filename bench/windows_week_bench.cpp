// SPDX-License-Identifier: GPL-3.0-or-later
// A week of play on the real front end (Qt's offscreen platform): the same
// clicks as the headless week, with every window built, shown, painted and
// deleted as the screens change, and the menu's resume point written.
#include "app/all_screens.h"
#include "app/game_app.h"
#include "bench/bench_support.h"
#include "platform/frontend.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

using namespace vermona;

void BM_WeekWithWindows(benchmark::State &st) {
    const bench::ScratchFolder folder;
    bench::SilentPorts ports;
    Game game(ports);
    app::registerAllScreens(game);
    platform::Frontend frontend(game);
    app::equipFrontend(frontend);
    bench::newGame(game);
    QCoreApplication::processEvents();
    for (auto _ : st) {
        bench::restAWeek(game);
        // Paints, layouts and the closed windows' deletion.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_WeekWithWindows);

} // namespace

int main(int argc, char **argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication application(argc, argv);
    app::setUpGameApplication(application);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
