#include "tools/assets/synth.h"

#include <cmath>

namespace assets {

namespace {

constexpr double kPi = 3.14159265358979323846;

// Taylor series of sin on [-pi/2, pi/2]; the error stays below 1e-9.
double sineNearZero(double x) {
    const double x2 = x * x;
    double term = x;
    double sum = x;
    for (int n = 1; n <= 8; ++n) {
        term = -term * x2 / ((2.0 * n) * (2.0 * n + 1.0));
        sum += term;
    }
    return sum;
}

}  // namespace

double sineOfTurns(double turns) {
    double t = turns - std::floor(turns);  // 0 <= t < 1
    // Fold onto a quarter turn either side of zero: sin(pi - a) = sin(a).
    if (t > 0.75) {
        t -= 1.0;
    } else if (t > 0.25) {
        t = 0.5 - t;
    }
    return sineNearZero(2.0 * kPi * t);
}

std::int16_t toSample(double level) {
    if (level > 1.0) {
        level = 1.0;
    } else if (level < -1.0) {
        level = -1.0;
    }
    return static_cast<std::int16_t>(std::floor(level * 32767.0 + 0.5));
}

double Oscillator::next(double frequency) {
    const double value = sineOfTurns(phase_);
    phase_ += frequency / rate_;
    phase_ -= std::floor(phase_);
    return value;
}

double Noise::next() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<double>((state_ >> 16) & 0x7FFF) / 16383.5 - 1.0;
}

double Envelope::next() {
    if (position_ < attack_) {
        ++position_;
        return static_cast<double>(position_) / attack_;
    }
    const double value = level_;
    level_ *= decay_;
    return value;
}

}  // namespace assets
