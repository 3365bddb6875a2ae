// Sound synthesis building blocks. Everything uses only +, -, *, / and
// floor on doubles, never the maths library's transcendental functions,
// so the generated files are the same on every machine.
#pragma once

#include <cstdint>

namespace assets {

// sin(2 * pi * turns).
double sineOfTurns(double turns);

// cos(2 * pi * turns).
inline double cosineOfTurns(double turns) {
    return sineOfTurns(turns + 0.25);
}

// A 16-bit sample from a level in [-1, 1] (clipped), rounded to nearest.
std::int16_t toSample(double level);

// An oscillator that accumulates its phase, so a changing frequency glides
// without clicks.
class Oscillator {
  public:
    explicit Oscillator(int rate) : rate_(rate) {}
    // The next value of a sine at the given frequency.
    double next(double frequency);

  private:
    int rate_;
    double phase_ = 0.0;  // in turns, 0 <= phase_ < 1
};

// White noise in [-1, 1] from a fixed linear congruential sequence.
class Noise {
  public:
    explicit Noise(std::uint32_t seed) : state_(seed) {}
    double next();

  private:
    std::uint32_t state_;
};

// Linear attack, then an exponential fall by a fixed factor per sample.
class Envelope {
  public:
    Envelope(int attackSamples, double decayPerSample)
        : attack_(attackSamples), decay_(decayPerSample) {}
    double next();

  private:
    int attack_;
    double decay_;
    int position_ = 0;
    double level_ = 1.0;
};

}  // namespace assets
