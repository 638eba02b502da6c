// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>

namespace vermona::platform {

// Where the windows go, chosen before the QApplication exists.
struct WindowSystem {
    // Qt's platform, as QT_QPA_PLATFORM names it; empty when there is none
    // to open windows on, or when the one asked for by the environment is
    // left to Qt.
    QString platform;
    // Why there is none, in the player's words; empty when there is one.
    std::string problem;
};

// The windowing system the program opens its windows on. An explicit
// QT_QPA_PLATFORM is obeyed. Otherwise a reachable X server comes first,
// under a Wayland session too (XWayland), since only there can the program
// place its windows; a Wayland compositor is used natively when it is the
// only one there and Qt's Wayland plugin is installed.
WindowSystem chooseWindowSystem();

// chooseWindowSystem(), then sets QT_QPA_PLATFORM to the choice. Returns
// the problem, empty when there is a window system to open windows on.
std::string useWindowSystem();

// Until the QApplication exists: a failing window system ends the program
// with its own one-line message and status 1 rather than Qt's abort.
void guardWindowSystemStart(bool on);

// True when the windows run natively on Wayland, where the program cannot
// place them and ties each new one to the window it came from instead.
bool onWayland();

} // namespace vermona::platform
