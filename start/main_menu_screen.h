// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/game_state.h"

#include <string>

namespace vermona {

// Name of an element as the menu shows it; empty for anything else.
std::string elementName(Var::Int element);

} // namespace vermona
