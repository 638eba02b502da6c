// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace vermona {

// The real program's generator: reseeded from the clock before every draw.
// A counter enters the seed too, so two draws in the same clock tick differ.
// SplitMix64: seeding is one assignment, which matters when every draw reseeds.
class ClockRandom {
public:
    void reseedFromClock();
    void seed(std::uint64_t seed) { state_ = seed; }
    double nextFraction();
    std::uint64_t nextBits();

private:
    std::uint64_t state_ = 0;
    std::uint64_t draws_ = 0;
};

// 53 random bits as a fraction in [0, 1).
inline double toFraction(std::uint64_t bits) { return static_cast<double>(bits >> 11U) * 0x1.0p-53; }

} // namespace vermona
