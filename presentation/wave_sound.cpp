#include "presentation/wave_sound.h"

#include <mmsystem.h>

namespace {

void playWithPlatform(const void* waveImage) {
    sndPlaySoundA(static_cast<LPCSTR>(waveImage), SND_ASYNC | SND_NODEFAULT | SND_MEMORY);
}

SoundPlayer currentPlayer = playWithPlatform;

}  // namespace

SoundPlayer setSoundPlayer(SoundPlayer player) {
    SoundPlayer previous = currentPlayer;
    currentPlayer = player != nullptr ? player : playWithPlatform;
    return previous;
}

bool WaveSound::load(HINSTANCE instance, UINT id) {
    HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(LOWORD(id)), "WAVE");
    if (found == nullptr) {
        return false;
    }
    resource = LoadResource(instance, found);
    if (resource == nullptr) {
        return false;
    }
    data = LockResource(resource);
    return data != nullptr;
}

void WaveSound::free() {
    if (resource != nullptr) {
        FreeResource(resource);
        resource = nullptr;
    }
    data = nullptr;
}

void WaveSound::play() const {
    currentPlayer(data);
}
