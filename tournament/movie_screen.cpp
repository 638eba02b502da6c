// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/game_screen.h"
#include "tournament/tournament_screens.h"

namespace vermona {

namespace {

// A short film between screens: the attack video, then the main menu after
// three seconds whether or not it has finished.
class MovieScreen : public GameScreen {
public:
    explicit MovieScreen(Game &g) : GameScreen(g, ids::kMovie, "ムービー", 6420, 2625, 0x000000) {}

    // clang-format off
    Control &ActiveMovie1 = movie("ActiveMovie1", kAttackVideo, 120, 120, 6180, 2385).autoPlay();
    Control &Timer1 = timer("Timer1", 3000).onTimer([this] { Timer1_Timer(); });
    // clang-format on

    // Closing stops the timer, so the hand-over happens once.
    void Timer1_Timer() { changeTo(ids::kMainMenu); }
};

} // namespace

std::unique_ptr<Screen> makeMovieScreen(Game &game) { return std::make_unique<MovieScreen>(game); }

} // namespace vermona
