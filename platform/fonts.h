#pragma once

#include "runtime/screen.h"

#include <QFont>

namespace vermona::platform {

// Maps the design's font names to installed Japanese fonts. Must run before
// the first window is built; safe to call more than once.
void installFontSubstitutions();

// The Qt font for a control's design font: the design's face name (resolved
// through the substitutions), size in points, normal weight unless bold.
QFont toQFont(const Font &font);

} // namespace vermona::platform
