#pragma once

#include "data/game_screen.h"

#include <array>
#include <cstddef>
#include <functional>

namespace vermona {

// A row of a list is one control array: every label of it runs the row's
// handler with its own index.
template <std::size_t N>
void onRowClick(const std::array<Control *, N> &row, const std::function<void(int)> &handler) {
    for (Control *c : row) {
        c->onClick = [handler, index = c->index()] { handler(index); };
    }
}

} // namespace vermona
