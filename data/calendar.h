// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/text.h"
#include "runtime/var.h"

#include <compare>
#include <initializer_list>
#include <string>

namespace vermona {

// A week of the calendar. Orders by time.
struct WeekDate {
    Var::Int year = 0, month = 0, week = 0;
    auto operator<=>(const WeekDate &) const = default;
    // Weeks since 1年目 1月1週目, for placing weeks on a time line.
    [[nodiscard]] Var::Int index() const { return ((year - 1) * 12 + (month - 1)) * 4 + (week - 1); }
};

// The main menu's weekly tick on the calendar: a month, week or year never
// set counts as 1; a fifth week is the next month's first, a thirteenth
// month the next year's first.
inline void rollOverWeek(Var &year, Var &month, Var &week) {
    for (Var *part : {&month, &week, &year}) {
        if (*part == 0) {
            *part = 1;
        }
    }
    if (week >= 5) {
        week = 1;
        month += 1;
    }
    if (month >= 13) {
        month = 1;
        year += 1;
    }
}

// The calendar as the game writes it: "2年目", "3月4週目" and both together.
inline Text yearText(Var::Int year) { return Text("%1年目").arg(year); }
inline Text weekOfYearText(Var::Int month, Var::Int week) { return Text("%1月%2週目").arg(month).arg(week); }
inline Text dateText(const WeekDate &d) { return yearText(d.year) + weekOfYearText(d.month, d.week); }

} // namespace vermona
