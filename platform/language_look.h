// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/screen.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vermona::platform {

// Room for a language where the design's boxes are too tight for its words:
// one control's box, size of type or alignment as that language shows it.
// What is unset stays as designed.
struct LayoutChange {
    std::string screen;                                  // "Form3"
    std::string control;                                 // "Label13"
    int index = -1;                                      // in a control array
    std::optional<int> left{}, top{}, width{}, height{}; // twips
    std::optional<double> points{};
    std::optional<Align> align{};
};

// A face a language shows in place of one of the design's, such as a Latin
// display face for a Japanese brush face whose Latin letters read poorly.
struct FaceChange {
    std::string designFace;
    std::string face;
    bool bold = false;
};

// How a language looks beyond its words. The game's own language has none:
// its screens are exactly as designed.
struct LanguageLook {
    std::vector<LayoutChange> layout;
    std::vector<FaceChange> faces;
};

// The looks of the program's languages, by language code. Set once, before
// the first window is built.
void setLanguageLooks(std::map<std::string, LanguageLook> all);

// The code of the language a screen's texts are shown in now; empty for the
// game's own.
std::string languageOf(const Screen &screen);

// A control's design as the language of its screen shows it.
ControlDesign shownDesign(const Control &control);

} // namespace vermona::platform
