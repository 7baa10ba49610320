// The core's one pseudo-random generator: a 32-bit linear congruential generator.
#pragma once

#include <cstdint>

namespace tilvora {

class RandomGenerator {
  public:
    void Seed(uint32_t seed) { state_ = seed; }
    uint32_t State() const { return state_; }

    // Next value, 0 to 32767: bits 16 to 30 of the new state.
    int32_t Next() {
        state_ = state_ * 22695477u + 1u;
        return static_cast<int32_t>((state_ >> 16) & 0x7FFFu);
    }

    // One fresh value modulo n; n must be positive.
    int32_t Below(int32_t n) { return Next() % n; }

  private:
    uint32_t state_ = 0;
};

} // namespace tilvora
