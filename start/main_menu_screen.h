// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/game_state.h"
#include "runtime/text.h"

namespace vermona {

// Name of an element as the menu shows it; empty for anything else.
Text elementName(Var::Int element);

} // namespace vermona
