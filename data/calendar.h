// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/text.h"
#include "runtime/var.h"

#include <compare>
#include <string>

namespace vermona {

// A week of the calendar. Orders by time.
struct WeekDate {
    Var::Int year = 0, month = 0, week = 0;
    auto operator<=>(const WeekDate &) const = default;
    // Weeks since 1年目 1月1週目, for placing weeks on a time line.
    [[nodiscard]] Var::Int index() const { return ((year - 1) * 12 + (month - 1)) * 4 + (week - 1); }
};

// The calendar as the game writes it: "2年目", "3月4週目" and both together.
inline Text yearText(Var::Int year) { return Text("%1年目").arg(year); }
inline Text weekOfYearText(Var::Int month, Var::Int week) { return Text("%1月%2週目").arg(month).arg(week); }
inline Text dateText(const WeekDate &d) { return yearText(d.year) + weekOfYearText(d.month, d.week); }

} // namespace vermona
