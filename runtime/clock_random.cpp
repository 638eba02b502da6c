// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/clock_random.h"

#include <chrono>

namespace vermona {

void ClockRandom::reseedFromClock() {
    const auto now = static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    ++draws_;
    state_ = now ^ (draws_ * 0xD1B54A32D192ED03ULL);
}

std::uint64_t ClockRandom::nextBits() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30U)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27U)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31U);
}

double ClockRandom::nextFraction() { return toFraction(nextBits()); }

} // namespace vermona
