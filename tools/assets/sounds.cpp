#include "tools/assets/sounds.h"

#include "tools/assets/synth.h"

namespace assets {

namespace {

using Track = std::vector<double>;

struct Note {
    double startSeconds;
    double frequency;
    double level;
    double decayPerSample;  // envelope factor after the attack
};

// Adds a note with a touch of its octave (or, for a hollow tone, of its
// twelfth) to a track.
void addNote(Track& track, int rate, const Note& note, double overtone, double overtoneLevel) {
    Oscillator fundamental(rate);
    Oscillator upper(rate);
    Envelope envelope(rate / 200, note.decayPerSample);
    for (auto i = static_cast<std::size_t>(note.startSeconds * rate); i < track.size(); ++i) {
        const double tone = fundamental.next(note.frequency) +
                            overtoneLevel * upper.next(note.frequency * overtone);
        track[i] += note.level * envelope.next() * tone;
    }
}

// Fades the last samples to silence so the sound ends without a click.
void fadeOut(Track& track, std::size_t samples) {
    for (std::size_t i = 0; i < samples && i < track.size(); ++i) {
        track[track.size() - 1 - i] *= static_cast<double>(i) / samples;
    }
}

std::vector<std::int16_t> interleave(const Track& left, const Track& right) {
    std::vector<std::int16_t> out;
    out.reserve(left.size() * 2);
    for (std::size_t i = 0; i < left.size(); ++i) {
        out.push_back(toSample(left[i]));
        out.push_back(toSample(right[i]));
    }
    return out;
}

std::vector<std::int16_t> toSamples(const Track& track) {
    std::vector<std::int16_t> out;
    out.reserve(track.size());
    for (double level : track) {
        out.push_back(toSample(level));
    }
    return out;
}

}  // namespace

Sound levelStartSound() {
    constexpr int kRate = 22050;
    Track track(kLevelStartFrames, 0.0);
    // C, E, G and the high C, each entering a tenth of a second after the last.
    const Note notes[] = {{0.00, 523.25, 0.22, 0.99955},
                          {0.10, 659.26, 0.22, 0.99955},
                          {0.20, 783.99, 0.22, 0.99960},
                          {0.30, 1046.50, 0.26, 0.99975}};
    for (const Note& note : notes) {
        addNote(track, kRate, note, 2.0, 0.3);
    }
    fadeOut(track, kRate / 50);
    return {kRate, 1, toSamples(track)};
}

Sound levelDoneSound() {
    constexpr int kRate = 22050;
    Track left(kLevelDoneFrames, 0.0);
    Track right(kLevelDoneFrames, 0.0);
    // A quick run up to a held major chord; the run moves from left to right.
    const Note run[] = {{0.00, 392.00, 0.30, 0.99970},
                        {0.07, 523.25, 0.30, 0.99970},
                        {0.14, 659.26, 0.30, 0.99970}};
    const double runPan[] = {0.8, 0.5, 0.2};  // share of the left channel
    for (int i = 0; i < 3; ++i) {
        Note l = run[i];
        Note r = run[i];
        l.level *= runPan[i];
        r.level *= 1.0 - runPan[i];
        addNote(left, kRate, l, 2.0, 0.25);
        addNote(right, kRate, r, 2.0, 0.25);
    }
    const Note chord[] = {{0.25, 523.25, 0.16, 0.99990},
                          {0.25, 659.26, 0.16, 0.99990},
                          {0.25, 783.99, 0.16, 0.99990},
                          {0.25, 1046.50, 0.14, 0.99985}};
    for (const Note& note : chord) {
        addNote(left, kRate, note, 2.0, 0.2);
        addNote(right, kRate, note, 3.0, 0.1);
    }
    fadeOut(left, kRate / 25);
    fadeOut(right, kRate / 25);
    return {kRate, 2, interleave(left, right)};
}

Sound clickSound() {
    constexpr int kRate = 22050;
    Track left(kClickFrames, 0.0);
    Track right(kClickFrames, 0.0);
    // A dull knock: low-passed noise and a short tone, both dying fast; the
    // right channel hears it a few samples later.
    Noise noise(0x5EEDu);
    Oscillator tone(kRate);
    Envelope envelope(8, 0.988);
    double smoothed = 0.0;
    Track mono(kClickFrames, 0.0);
    for (double& value : mono) {
        smoothed += 0.35 * (noise.next() - smoothed);
        value = envelope.next() * (0.55 * smoothed + 0.35 * tone.next(1800.0));
    }
    constexpr std::size_t kDelay = 6;
    for (std::size_t i = 0; i < mono.size(); ++i) {
        left[i] = mono[i];
        right[i] = i >= kDelay ? 0.85 * mono[i - kDelay] : 0.0;
    }
    fadeOut(left, 64);
    fadeOut(right, 64);
    return {kRate, 2, interleave(left, right)};
}

Sound lifeLostSound() {
    constexpr int kRate = 11025;
    Track track(kLifeLostFrames, 0.0);
    // Three falling steps and a long last note that wavers and sinks.
    const Note steps[] = {{0.00, 392.00, 0.30, 0.99985},
                          {0.35, 369.99, 0.30, 0.99985},
                          {0.70, 349.23, 0.30, 0.99985}};
    for (const Note& note : steps) {
        Track part(static_cast<std::size_t>((note.startSeconds + 0.33) * kRate), 0.0);
        addNote(part, kRate, note, 3.0, 0.25);
        fadeOut(part, kRate / 100);
        for (std::size_t i = 0; i < part.size(); ++i) {
            track[i] += part[i];
        }
    }
    Oscillator voice(kRate);
    Oscillator twelfth(kRate);
    Envelope envelope(kRate / 100, 0.99993);
    const auto start = static_cast<std::size_t>(1.05 * kRate);
    for (std::size_t i = start; i < track.size(); ++i) {
        const double seconds = static_cast<double>(i - start) / kRate;
        const double sink = 1.0 - 0.12 * seconds;  // down by about a fourth
        const double frequency = 329.63 * sink * (1.0 + 0.015 * sineOfTurns(6.0 * seconds));
        const double tone = voice.next(frequency) + 0.25 * twelfth.next(3.0 * frequency);
        track[i] += 0.32 * envelope.next() * tone;
    }
    fadeOut(track, kRate / 10);
    return {kRate, 1, toSamples(track)};
}

}  // namespace assets
