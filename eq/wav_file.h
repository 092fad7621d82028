#pragma once
// Reading of a WAV recording into what the capture path delivers: unsigned 8-bit mono samples
// at 48 kHz. 8-bit and 16-bit PCM, mono or stereo (the left channel is kept), at any rate from
// 8 kHz to 192 kHz (resampled linearly). Anything else is refused with the reason.

#include <cstdint>
#include <span>
#include <vector>

#include "core/bilingual_text.h"

namespace aec {

enum class WavError : uint8_t {
    kNone,
    kNotWave,   // no RIFF/WAVE header
    kNoFormat,  // no usable "fmt " chunk before the data
    kNotPcm,    // compressed or floating-point samples
    kBits,      // neither 8 nor 16 bits per sample
    kChannels,  // neither mono nor stereo
    kRate,      // a sampling rate outside 8 kHz .. 192 kHz
    kNoData,    // no "data" chunk, or no whole sample in it
    kTooLong,   // more than kMaxWavSeconds of sound
};

inline constexpr int kWavOutputRate = 48000;
inline constexpr int kMaxWavSeconds = 600;

struct WavSound {
    WavError error = WavError::kNone;
    std::vector<uint8_t> samples;  // unsigned 8-bit mono at 48 kHz, silence 128
};

// The file's bytes into samples; a data chunk cut short keeps the whole frames it holds.
WavSound readWav(std::span<const uint8_t> bytes);

// The reason a file was refused, in both languages.
BilingualText wavErrorText(WavError error);

}  // namespace aec
