// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/language_look.h"

namespace vermona::app {

// The English game's room beyond the design: the boxes that English words
// need wider, and the faces it shows in place of the design's. The Japanese
// game has no such table: its screens are exactly as designed.
platform::LanguageLook englishLook();

} // namespace vermona::app
