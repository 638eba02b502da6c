// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/screen.h"

#include <QFont>
#include <QStringList>
#include <string>
#include <vector>

namespace vermona::platform {

// A design's face name and the installed faces that may stand for it, best
// first.
struct FaceSubstitution {
    std::string face;
    QStringList installed;
};

// Maps the design's face names to installed fonts; defaultFace is the face
// of a font that names none. Must run before the first window is built.
void installFontSubstitutions(const std::vector<FaceSubstitution> &faces, const std::string &defaultFace);

// The Qt font for a control's design font: the design's face name (resolved
// through the substitutions), size in points, normal weight unless bold.
QFont toQFont(const Font &font);

} // namespace vermona::platform
