// The linear congruential generator that places the balls.
#pragma once

#include <cstdint>

class RandomGenerator {
  public:
    static constexpr int kMax = 0x7FFF;

    void seed(uint32_t value) { state_ = value; }
    // The next number, 0 to 32767.
    int next() {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7FFF);
    }
    uint32_t state() const { return state_; }

  private:
    uint32_t state_ = 1;
};
