// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace vermona {

// A control as another screen reaches it: its screen's id, its name and,
// in a control array, its index. Declared once as a constant, it is what
// both the owning screen builds the control by and what others reach it
// through, so the two cannot drift apart.
struct ControlRef {
    std::string_view screen;
    std::string_view name;
    int index = -1;
};

} // namespace vermona
