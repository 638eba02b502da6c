// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/frontend.h"
#include "platform/qt_ports.h"
#include "runtime/game.h"

class QApplication;

namespace vermona::app {

// The program's names, version, organisation and desktop entry, for the
// desktop, QSettings and QStandardPaths. Call before the application exists.
void setIdentity();

// The game's look on the generic front end: its fonts, its window icon and
// Qt's Japanese texts. Call once the QApplication exists and before any window is built;
// false when Qt's Japanese translation is missing.
bool setUpGameApplication(QApplication &app);

// The side windows the game opens (the growth chart, the save slots) and its closing rule
// (ask before unsaved progress is lost), handed to a front end.
void equipFrontend(platform::Frontend &frontend);

// The real program in one object: the game with every screen, its ports
// (Qt message boxes, clock-seeded random) and the front end drawing it.
// Needs a QApplication set up by setUpGameApplication.
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
    [[nodiscard]] platform::Frontend &frontend() { return frontend_; }
    // A handler failed with an exception; it was reported on stderr and the
    // event loop told to exit with status 1.
    [[nodiscard]] bool failed() const { return failed_; }

private:
    platform::QtPorts ports_;
    Game game_;
    platform::Frontend frontend_;
    bool failed_ = false;
};

} // namespace vermona::app
