#include "tools/assets/asset_files.h"

#include "tools/assets/ball_frames.h"
#include "tools/assets/bmp_writer.h"
#include "tools/assets/ico_writer.h"
#include "tools/assets/icons.h"
#include "tools/assets/sounds.h"
#include "tools/assets/wav_writer.h"

namespace assets {

namespace {

std::string numbered(const char* folder, int id, const char* extension) {
    return std::string(folder) + "/" + std::to_string(id) + extension;
}

}  // namespace

std::vector<AssetFile> assetFiles() {
    std::vector<AssetFile> files;
    for (const BallFrame& frame : ballFrames()) {
        files.push_back({numbered("images", frame.id, ".bmp"), writeBmp(frame.image)});
    }
    for (const IconPictures& icon : icons()) {
        files.push_back({numbered("icons", icon.id, ".ico"), writeIco(icon.images)});
    }

    const Sound start = levelStartSound();
    files.push_back({"sounds/139.wav", writePcmWav(start.rate, start.channels, 8, start.samples)});
    const Sound done = levelDoneSound();
    files.push_back({"sounds/140.wav", writePcmWav(done.rate, done.channels, 16, done.samples)});
    const Sound click = clickSound();
    files.push_back({"sounds/141.wav",
                     writeMsAdpcmWav(click.rate, click.channels, kAdpcmBlockBytes, click.samples)});
    // The same click as plain PCM for the browser edition: browsers do not
    // decode Microsoft ADPCM.
    files.push_back(
        {"sounds/141-pcm.wav", writePcmWav(click.rate, click.channels, 16, click.samples)});
    const Sound lost = lifeLostSound();
    files.push_back({"sounds/142.wav", writePcmWav(lost.rate, lost.channels, 8, lost.samples)});
    return files;
}

}  // namespace assets
