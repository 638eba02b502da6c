#include "data/game_screen.h"
#include "tournament/tournament_screens.h"

namespace vermona {

namespace {

// A short film between screens: the attack video, then the main menu after
// three seconds whether or not it has finished.
class MovieScreen : public GameScreen {
public:
    explicit MovieScreen(Game &g) : GameScreen(g, ids::kMovie, "ムービー", 6420, 2625, 0x000000) {
        ActiveMovie1.left = 120;
        ActiveMovie1.top = 120;
        ActiveMovie1.width = 6180;
        ActiveMovie1.height = 2385;
        ActiveMovie1.file = "KOUGEKI.AVI";
        ActiveMovie1.autoPlay = true;
        Timer1.interval = 3000;
        Timer1.onClick = [this] { Timer1_Timer(); };
    }

    Control &ActiveMovie1 = add(ControlKind::Movie, "ActiveMovie1");
    Control &Timer1 = add(ControlKind::Timer, "Timer1");

    // Closing stops the timer, so the hand-over happens once.
    void Timer1_Timer() { changeTo(ids::kMainMenu); }
};

} // namespace

std::unique_ptr<Screen> makeMovieScreen(Game &game) { return std::make_unique<MovieScreen>(game); }

} // namespace vermona
