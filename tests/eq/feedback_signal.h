#pragma once
// Synthesized sound for the feedback finder's tests: music-like noise (random, with a slowly
// changing colour and loudness) plus sines that start and stop, as 8-bit samples, and
// the same sound as the bytes of a 16-bit WAV file.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <random>
#include <vector>

namespace aec::test {

struct Tone {
    double hz;
    double amplitude;
    double from = 0;  // seconds
    double to = 1e9;  // seconds
};

inline std::vector<float> feedbackSound(double seconds, std::initializer_list<Tone> tones,
                                        int rate = 48000, double noise = 0.25, unsigned seed = 7) {
    std::mt19937 random(seed);
    std::normal_distribution<float> white(0.0F, 1.0F);
    const auto count = static_cast<size_t>(seconds * rate);
    std::vector<float> out(count);
    float low = 0;
    for (size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / rate;
        // A low-passed and a plain part whose balance and loudness drift like a song's.
        low = 0.97F * low + 0.03F * white(random);
        const double swell = 0.6 + 0.4 * std::sin(2 * std::numbers::pi * 0.7 * t);
        double x = noise * swell * (3.0 * low + 0.5 * white(random));
        for (const Tone& tone : tones) {
            if (t >= tone.from && t < tone.to) {
                x += tone.amplitude * std::sin(2 * std::numbers::pi * tone.hz * t);
            }
        }
        out[i] = static_cast<float>(std::clamp(x, -1.0, 0.99));
    }
    return out;
}

inline std::vector<uint8_t> asBytes(const std::vector<float>& sound) {
    std::vector<uint8_t> out(sound.size());
    for (size_t i = 0; i < sound.size(); ++i) {
        out[i] =
            static_cast<uint8_t>(std::clamp(std::lround(sound[i] * 128.0F + 128.0F), 0L, 255L));
    }
    return out;
}

// A canonical 16-bit PCM WAV file of `channels` copies of the sound.
inline std::vector<uint8_t> wavBytes(const std::vector<float>& sound, int rate = 48000,
                                     int channels = 1) {
    std::vector<uint8_t> b;
    const auto put = [&b](uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            b.push_back(static_cast<uint8_t>(v >> (8 * i)));
        }
    };
    const auto tag = [&b](const char* t) {
        for (int i = 0; i < 4; ++i) {
            b.push_back(static_cast<uint8_t>(t[i]));
        }
    };
    const auto data = static_cast<uint32_t>(sound.size() * 2 * channels);
    tag("RIFF");
    put(36 + data, 4);
    tag("WAVE");
    tag("fmt ");
    put(16, 4);
    put(1, 2);
    put(static_cast<uint32_t>(channels), 2);
    put(static_cast<uint32_t>(rate), 4);
    put(static_cast<uint32_t>(rate * 2 * channels), 4);
    put(static_cast<uint32_t>(2 * channels), 2);
    put(16, 2);
    tag("data");
    put(data, 4);
    for (const float s : sound) {
        for (int c = 0; c < channels; ++c) {
            put(static_cast<uint16_t>(static_cast<int16_t>(std::lround(s * 32767.0F))), 2);
        }
    }
    return b;
}

}  // namespace aec::test
