// WAV recordings into 8-bit mono samples at 48 kHz, and the files that are refused.
#include "eq/wav_file.h"

#include <gtest/gtest.h>

#include "feedback_signal.h"

namespace aec {
namespace {

// A file with one "fmt " chunk (tag, channels, rate, bits) and a data chunk of `data` bytes.
std::vector<uint8_t> wav(int tag, int channels, int rate, int bits, std::vector<uint8_t> data,
                         bool dataFirst = false) {
    std::vector<uint8_t> fmt;
    const auto put = [](std::vector<uint8_t>& b, uint32_t v, int n) {
        for (int i = 0; i < n; ++i) {
            b.push_back(static_cast<uint8_t>(v >> (8 * i)));
        }
    };
    put(fmt, static_cast<uint32_t>(tag), 2);
    put(fmt, static_cast<uint32_t>(channels), 2);
    put(fmt, static_cast<uint32_t>(rate), 4);
    put(fmt, static_cast<uint32_t>(rate * channels * bits / 8), 4);
    put(fmt, static_cast<uint32_t>(channels * bits / 8), 2);
    put(fmt, static_cast<uint32_t>(bits), 2);
    std::vector<uint8_t> b = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'};
    const auto chunk = [&](const char* id, const std::vector<uint8_t>& body) {
        b.insert(b.end(), id, id + 4);
        put(b, static_cast<uint32_t>(body.size()), 4);
        b.insert(b.end(), body.begin(), body.end());
        if (body.size() % 2 == 1) {
            b.push_back(0);
        }
    };
    chunk("LIST", {1, 2, 3});  // an odd-sized chunk before the ones that matter
    if (dataFirst) {
        chunk("data", data);
        chunk("fmt ", fmt);
    } else {
        chunk("fmt ", fmt);
        chunk("data", data);
    }
    return b;
}

TEST(WavFile, ReadsPcmIntoEightBitMonoAt48k) {
    const struct {
        const char* name;
        std::vector<uint8_t> file;
        std::vector<uint8_t> expected;
    } cases[] = {
        {"8-bit mono 48 kHz as it is", wav(1, 1, 48000, 8, {0, 128, 255}), {0, 128, 255}},
        {"16-bit stereo keeps the left",
         wav(1, 2, 48000, 16, {0x00, 0x80, 0xFF, 0x7F, 0x00, 0x40, 0, 0, 0xFF, 0x7F, 0, 0}),
         {0, 192, 255}},
        {"24 kHz doubled by interpolation",
         wav(1, 1, 24000, 8, {128, 192, 128}),
         {128, 160, 192, 160, 128}},
        {"a data chunk cut short keeps its whole frames",
         [] {
             auto f = wav(1, 1, 48000, 16, {0x00, 0x40, 0x00, 0xC0});
             f.pop_back();
             return f;
         }(),
         {192}},
    };
    for (const auto& c : cases) {
        const WavSound s = readWav(c.file);
        EXPECT_EQ(s.error, WavError::kNone) << c.name;
        EXPECT_EQ(s.samples, c.expected) << c.name;
    }
}

TEST(WavFile, ResamplesCommonRatesToTheSameDuration) {
    for (const int rate : {8000, 22050, 44100, 96000}) {
        const auto sound = std::vector<float>(static_cast<size_t>(rate), 0.5F);  // one second
        const WavSound s = readWav(test::wavBytes(sound, rate, 2));
        ASSERT_EQ(s.error, WavError::kNone) << rate;
        EXPECT_NEAR(static_cast<double>(s.samples.size()), 48000.0, 6.0) << rate;
        EXPECT_EQ(s.samples[100], 192) << rate;
    }
}

TEST(WavFile, RefusesWhatItCannotPlay) {
    const struct {
        const char* name;
        std::vector<uint8_t> file;
        WavError error;
    } cases[] = {
        {"empty", {}, WavError::kNotWave},
        {"not RIFF", {'R', 'I', 'F', 'X', 0, 0, 0, 0, 'W', 'A', 'V', 'E'}, WavError::kNotWave},
        {"RIFF without chunks",
         {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'},
         WavError::kNoFormat},
        {"float samples", wav(3, 1, 48000, 32, {0, 0, 0, 0}), WavError::kNotPcm},
        {"extensible without its sub-format", wav(0xFFFE, 1, 48000, 16, {0, 0}), WavError::kNotPcm},
        {"24-bit", wav(1, 1, 48000, 24, {0, 0, 0}), WavError::kBits},
        {"three channels", wav(1, 3, 48000, 8, {0, 0, 0}), WavError::kChannels},
        {"4 kHz", wav(1, 1, 4000, 8, {0}), WavError::kRate},
        {"data before format", wav(1, 1, 48000, 8, {0}, true), WavError::kNoFormat},
        {"no whole frame", wav(1, 2, 48000, 16, {0, 0, 0}), WavError::kNoData},
        {"format only",
         [] {
             auto f = wav(1, 1, 48000, 8, {});
             f.resize(f.size() - 8);
             return f;
         }(),
         WavError::kNoData},
    };
    for (const auto& c : cases) {
        const WavSound s = readWav(c.file);
        EXPECT_EQ(s.error, c.error) << c.name;
        EXPECT_TRUE(s.samples.empty()) << c.name;
        EXPECT_STRNE(wavErrorText(s.error).en, "") << c.name;
        EXPECT_STRNE(wavErrorText(s.error).zh, "") << c.name;
    }
}

}  // namespace
}  // namespace aec
