// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/game_state.h"
#include "runtime/text.h"
#include "runtime/var.h"

namespace vermona {

// The hero's element, by the number the game keeps for it.
enum class Element : Var::Int { None = 0, Fire = 1, Water = 2, Thunder = 3 };

inline Element element(const GameState &s) { return static_cast<Element>(s.element.get()); }
inline void setElement(GameState &s, Element element) { s.element = static_cast<Var::Int>(element); }

// Name of an element as the menu shows it; empty for anything else.
inline Text elementName(Element element) {
    switch (element) {
    case Element::Fire:
        return "炎";
    case Element::Water:
        return "水";
    case Element::Thunder:
        return "雷";
    default:
        return {};
    }
}

// The same for the number a save holds.
inline Text elementName(Var::Int element) { return elementName(static_cast<Element>(element)); }

} // namespace vermona
