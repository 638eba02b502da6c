// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <utility>

namespace vermona {

// A game variable: empty until first assigned. Empty counts as 0 in
// arithmetic and comparisons and shows as an empty text.
// Arithmetic saturates instead of overflowing, so no sequence of clicks or
// scripted values can reach undefined behaviour.
class Var {
public:
    using Int = std::int64_t;

    constexpr Var() = default;
    // NOLINTNEXTLINE(google-explicit-constructor): assignment from numbers is the point
    constexpr Var(Int v) : value_(v) {}

    [[nodiscard]] constexpr bool empty() const { return !value_.has_value(); }
    [[nodiscard]] constexpr Int get() const { return value_.value_or(0); }
    constexpr operator Int() const { return get(); } // NOLINT(google-explicit-constructor)
    constexpr void clear() { value_.reset(); }

    Var &operator+=(Int d) {
        value_ = addSaturated(get(), d);
        return *this;
    }
    Var &operator-=(Int d) {
        if (d == std::numeric_limits<Int>::min()) {
            value_ = addSaturated(addSaturated(get(), std::numeric_limits<Int>::max()), 1);
            return *this;
        }
        return *this += -d;
    }

    // Shortest decimal form; empty gives an empty text.
    [[nodiscard]] std::string text() const { return value_ ? std::to_string(*value_) : std::string(); }

    static constexpr Int addSaturated(Int a, Int b) {
        Int r = 0;
        if (__builtin_add_overflow(a, b, &r)) {
            return b > 0 ? std::numeric_limits<Int>::max() : std::numeric_limits<Int>::min();
        }
        return r;
    }

    static constexpr Int mulSaturated(Int a, Int b) {
        Int r = 0;
        if (__builtin_mul_overflow(a, b, &r)) {
            return (a < 0) != (b < 0) ? std::numeric_limits<Int>::min() : std::numeric_limits<Int>::max();
        }
        return r;
    }

private:
    std::optional<Int> value_;
};

// A text variable (prompts handed between shop screens, entrant names).
using TextVar = std::optional<std::string>;

// A row of variables addressed by position 1..Last, as the game numbers
// them. A position outside the row reads as empty and takes no writes, so a
// round or entrant number out of range cannot reach past the row.
template <class T, int Last> class Slots {
public:
    static constexpr int kLast = Last;
    [[nodiscard]] static constexpr bool holds(Var::Int position) { return position >= 1 && position <= Last; }
    [[nodiscard]] T get(Var::Int position) const { return holds(position) ? items_[index(position)] : T{}; }
    void set(Var::Int position, T value) {
        if (holds(position)) {
            items_[index(position)] = std::move(value);
        }
    }
    [[nodiscard]] T *slot(Var::Int position) { return holds(position) ? &items_[index(position)] : nullptr; }
    void clear() { items_ = {}; }

private:
    static constexpr std::size_t index(Var::Int position) { return static_cast<std::size_t>(position - 1); }
    std::array<T, Last> items_{};
};

} // namespace vermona
