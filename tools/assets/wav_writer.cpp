#include "tools/assets/wav_writer.h"

#include <algorithm>

#include "tools/assets/ms_adpcm.h"

namespace assets {

namespace {

// Opens the RIFF form; the caller patches its size with finishRiff.
Bytes startRiff() {
    Bytes out;
    putTag(out, "RIFF");
    putU32(out, 0);
    putTag(out, "WAVE");
    return out;
}

void finishRiff(Bytes& out) {
    patchU32(out, 4, static_cast<std::uint32_t>(out.size() - 8));
}

// A chunk whose odd length is followed by the pad byte RIFF requires.
void putChunk(Bytes& out, const char (&tag)[5], const Bytes& body) {
    putTag(out, tag);
    putU32(out, static_cast<std::uint32_t>(body.size()));
    out.insert(out.end(), body.begin(), body.end());
    if (body.size() % 2 != 0) {
        putU8(out, 0);
    }
}

std::uint8_t toUnsigned8(std::int16_t sample) {
    return static_cast<std::uint8_t>(std::min(255, (sample + 32768 + 128) >> 8));
}

}  // namespace

Bytes writePcmWav(int rate, int channels, int bitsPerSample,
                  const std::vector<std::int16_t>& interleaved) {
    const int blockAlign = channels * bitsPerSample / 8;
    Bytes format;
    putU16(format, kWaveFormatPcm);
    putU16(format, static_cast<unsigned>(channels));
    putU32(format, static_cast<std::uint32_t>(rate));
    putU32(format, static_cast<std::uint32_t>(rate * blockAlign));
    putU16(format, static_cast<unsigned>(blockAlign));
    putU16(format, static_cast<unsigned>(bitsPerSample));

    Bytes data;
    for (std::int16_t sample : interleaved) {
        if (bitsPerSample == 8) {
            putU8(data, toUnsigned8(sample));
        } else {
            putS16(data, sample);
        }
    }

    Bytes out = startRiff();
    putChunk(out, "fmt ", format);
    putChunk(out, "data", data);
    finishRiff(out);
    return out;
}

Bytes writeMsAdpcmWav(int rate, int channels, int blockAlign,
                      const std::vector<std::int16_t>& interleaved) {
    const int samplesPerBlock = msAdpcmSamplesPerBlock(blockAlign, channels);
    const auto frames = static_cast<std::uint32_t>(interleaved.size() / channels);

    Bytes format;
    putU16(format, kWaveFormatMsAdpcm);
    putU16(format, static_cast<unsigned>(channels));
    putU32(format, static_cast<std::uint32_t>(rate));
    putU32(format, static_cast<std::uint32_t>(rate * blockAlign / samplesPerBlock));
    putU16(format, static_cast<unsigned>(blockAlign));
    putU16(format, 4);                                 // bits per sample
    putU16(format, 4 + 4 * kMsAdpcmCoefficientCount);  // extension bytes
    putU16(format, static_cast<unsigned>(samplesPerBlock));
    putU16(format, kMsAdpcmCoefficientCount);
    for (const auto& pair : kMsAdpcmCoefficients) {
        putS16(format, pair[0]);
        putS16(format, pair[1]);
    }

    Bytes fact;
    putU32(fact, frames);  // samples per channel without the silence closing the last block

    Bytes out = startRiff();
    putChunk(out, "fmt ", format);
    putChunk(out, "fact", fact);
    putChunk(out, "data", encodeMsAdpcm(interleaved, channels, blockAlign));
    finishRiff(out);
    return out;
}

}  // namespace assets
