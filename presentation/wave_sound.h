// One WAVE resource kept in memory and played from there.
#pragma once

#include <windows.h>

// Every sound of the program goes through this one function; tests put
// their own in its place to see which sound an event played.
using SoundPlayer = void (*)(const void* waveImage);
// Installs a player and returns the previous one; null restores the
// platform's.
SoundPlayer setSoundPlayer(SoundPlayer player);

class WaveSound {
  public:
    WaveSound() = default;
    ~WaveSound() { free(); }
    WaveSound(const WaveSound&) = delete;
    WaveSound& operator=(const WaveSound&) = delete;

    // Loads the resource of type "WAVE" whose number is the low 16 bits of id.
    bool load(HINSTANCE instance, UINT id);
    void free();
    // Starts the sound and returns at once; a sound still playing stops.
    void play() const;

    HGLOBAL resource = nullptr;
    const void* data = nullptr;  // a whole RIFF WAVE image, owned by the resource
};
