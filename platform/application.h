// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/fonts.h"
#include "platform/language_look.h"

#include <QString>
#include <map>
#include <string>
#include <vector>

class QApplication;

namespace vermona::platform {

// One line on stderr, after the program's name.
void warn(const std::string &message);

// How a program's windows look, given by the program.
struct Appearance {
    std::vector<FaceSubstitution> faces;
    std::string defaultFace; // of menus, message boxes and controls that name no face
    double defaultPoints = 9;
    std::map<std::string, LanguageLook> languages; // by code: room and faces beyond the design's
};

// Fusion with its own palette (the same look on every desktop), the font
// substitutions and the languages' looks. Call once the QApplication exists
// and before any window is built.
void setUpApplication(QApplication &app, const Appearance &look);

// Qt's own texts (the message boxes' buttons) in a language: a catalogue of
// Qt's such as "qtbase_ja", in place of the one used before; empty for Qt's
// English. Returns false when the catalogue is missing; the buttons then
// read in English.
bool useQtTranslation(const QString &name);

} // namespace vermona::platform
