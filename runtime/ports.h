// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/text.h"

#include <string>
#include <string_view>

namespace vermona {

class Control;
class Screen;

// Message box button styles and the codes of the buttons.
inline constexpr int kOkOnly = 0;
inline constexpr int kYesNo = 4;
// Added to a style: the box shows the question icon.
inline constexpr int kQuestion = 32;
// Added to a Yes/No style: No is the default answer, the one Enter gives,
// for a question whose Yes would lose something (money, an item, unsaved
// weeks). Without it Yes is. Escape, or closing the box, gives the default.
inline constexpr int kDefaultNo = 256;
inline constexpr int kOk = 1;
inline constexpr int kYes = 6;
inline constexpr int kNo = 7;
// True when a box of this style asks Yes or No.
constexpr bool asksYesNo(int style) { return (style & 0x7) == kYesNo; }

// What the game needs from the world outside. The real program answers with
// Qt dialogs and the clock; tests and the script host answer from queues.
class Ports {
public:
    virtual ~Ports() = default;
    // Modal; returns kOk, kYes or kNo. The texts are shown in the game's
    // language (Game::translation).
    virtual int messageBox(const Text &prompt, int style, const Text &title) = 0;
    // The game reseeds before every draw.
    virtual void reseedFromClock() = 0;
    // A fraction 0 <= r < 1.
    virtual double nextFraction() = 0;
    // A handler asked for a screen nobody registered: a mistyped id. The
    // handler is abandoned either way; a port may make it fail loudly (a
    // test, a script) or only report it (the real program).
    virtual void unknownScreen(std::string_view id) = 0;
};

// Told about every change a front end has to draw.
class ScreenObserver {
public:
    virtual ~ScreenObserver() = default;
    virtual void screenCreated(Screen & /*screen*/) {}
    virtual void screenVisibilityChanged(Screen & /*screen*/) {}
    virtual void screenClosed(Screen & /*screen*/) {} // still alive during the call
    virtual void controlChanged(Control & /*control*/) {}
    virtual void programEnded() {}
    // A window beside the screens was asked for by name (Game::openView).
    virtual void viewRequested(const std::string & /*view*/) {}
    // Something a view shows changed (Game::notifyDataChanged).
    virtual void dataChanged() {}
    // The texts are to be shown in another language (Game::setTranslation).
    virtual void languageChanged() {}
};

} // namespace vermona
