// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/fonts.h"

#include <QString>
#include <string>
#include <vector>

class QApplication;

namespace vermona::platform {

// True when Qt can reach a window system: DISPLAY, WAYLAND_DISPLAY or an
// explicit QT_QPA_PLATFORM is set.
bool hasDisplay();

// One line on stderr, after the program's name.
void warn(const std::string &message);

// How a program's windows look, given by the program.
struct Appearance {
    std::vector<FaceSubstitution> faces;
    std::string defaultFace; // of menus, message boxes and controls that name no face
    double defaultPoints = 9;
    QString qtTranslation; // Qt's own texts (message-box buttons), such as "qtbase_ja"; empty for none
};

// Fusion with its own palette (the same look on every desktop), Qt's own
// translation for the message-box buttons, and the font substitutions. Call
// once the QApplication exists and before any window is built. Returns false
// when the translation is missing; the buttons then read in English.
bool setUpApplication(QApplication &app, const Appearance &look);

} // namespace vermona::platform
