#include "core/clock_random.h"

#include <chrono>

namespace vermona {

void ClockRandom::reseedFromClock() {
    const auto now = static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    ++draws_;
    std::seed_seq seq{static_cast<std::uint32_t>(now), static_cast<std::uint32_t>(now >> 32U),
                      static_cast<std::uint32_t>(draws_), static_cast<std::uint32_t>(draws_ >> 32U)};
    engine_.seed(seq);
}

double ClockRandom::nextFraction() { return toFraction(engine_()); }

} // namespace vermona
