#pragma once

#include "platform/frontend.h"
#include "platform/qt_ports.h"
#include "runtime/game.h"

class QApplication;

namespace vermona::platform {

// True when Qt can reach a window system: DISPLAY, WAYLAND_DISPLAY or an
// explicit QT_QPA_PLATFORM is set.
bool hasDisplay();

// Fusion with its own palette (the same look on every desktop), Qt's own
// Japanese translation for the message-box buttons, and the font
// substitutions. Call once the QApplication exists and before any window is
// built. Returns false when the translation is missing; the buttons then
// read in English.
bool setUpApplication(QApplication &app);

// The real program in one object: the game with every screen, its ports
// (Qt message boxes, clock-seeded random) and the front end drawing it.
// Needs a QApplication set up by setUpApplication.
class GameApp {
public:
    GameApp();
    ~GameApp();
    GameApp(const GameApp &) = delete;
    GameApp &operator=(const GameApp &) = delete;

    // Shows the title screen.
    void start();
    // start(), then runs the event loop until the first window has been
    // painted; false if that took longer than timeoutMs.
    bool startAndWaitForFirstPaint(int timeoutMs = 10000);

    [[nodiscard]] Game &game() { return game_; }
    [[nodiscard]] Frontend &frontend() { return frontend_; }
    // A handler failed with an exception; it was reported on stderr and the
    // event loop told to exit with status 1.
    [[nodiscard]] bool failed() const { return failed_; }

private:
    QtPorts ports_;
    Game game_;
    Frontend frontend_;
    bool failed_ = false;
};

} // namespace vermona::platform
