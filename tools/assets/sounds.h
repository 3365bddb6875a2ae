// The game's four sounds, synthesized: a rising chime when a level starts,
// a fanfare when it is completed, a short click, and a falling lament when
// a life is lost.
#pragma once

#include <cstdint>
#include <vector>

namespace assets {

struct Sound {
    int rate = 0;
    int channels = 0;
    std::vector<std::int16_t> samples;  // interleaved by channel

    int frames() const { return static_cast<int>(samples.size()) / channels; }
};

// Lengths in samples per channel of the four sounds.
constexpr int kLevelStartFrames = 11466;  // 0.52 s at 22050 Hz
constexpr int kLevelDoneFrames = 13892;   // 0.63 s at 22050 Hz
constexpr int kClickFrames = 679;         // about 0.03 s at 22050 Hz
constexpr int kLifeLostFrames = 23153;    // 2.1 s at 11025 Hz

Sound levelStartSound();  // 22050 Hz, mono
Sound levelDoneSound();   // 22050 Hz, stereo
Sound clickSound();       // 22050 Hz, stereo
Sound lifeLostSound();    // 11025 Hz, mono

}  // namespace assets
