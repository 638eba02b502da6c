#pragma once

#include <cstdint>
#include <random>

namespace vermona {

// The real program's generator: reseeded from the clock before every draw.
// A counter enters the seed too, so two draws in the same clock tick differ.
class ClockRandom {
public:
    void reseedFromClock();
    double nextFraction();

private:
    std::mt19937_64 engine_;
    std::uint64_t draws_ = 0;
};

// 53 random bits as a fraction in [0, 1).
inline double toFraction(std::uint64_t bits) { return static_cast<double>(bits >> 11U) * 0x1.0p-53; }

} // namespace vermona
