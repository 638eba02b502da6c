// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/text.h"
#include "runtime/var.h"

namespace vermona {

// Name of an element as the menu shows it; empty for anything else.
inline Text elementName(Var::Int element) {
    switch (element) {
    case 1:
        return "炎";
    case 2:
        return "水";
    case 3:
        return "雷";
    default:
        return {};
    }
}

} // namespace vermona
