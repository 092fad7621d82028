#include "eq/wav_file.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string_view>

namespace aec {

namespace {

constexpr uint16_t kPcmFormat = 1;
constexpr uint16_t kExtensibleFormat = 0xFFFE;
constexpr size_t kFormatBytes = 16;
constexpr int kMinRate = 8000;
constexpr int kMaxRate = 192000;

uint32_t le32(std::span<const uint8_t> b, size_t at) {
    return static_cast<uint32_t>(b[at]) | static_cast<uint32_t>(b[at + 1]) << 8U |
           static_cast<uint32_t>(b[at + 2]) << 16U | static_cast<uint32_t>(b[at + 3]) << 24U;
}
uint16_t le16(std::span<const uint8_t> b, size_t at) {
    return static_cast<uint16_t>(b[at] | b[at + 1] << 8U);
}
bool tagIs(std::span<const uint8_t> b, size_t at, std::string_view tag) {
    return std::memcmp(b.data() + at, tag.data(), 4) == 0;
}

struct Format {
    int channels = 0;
    int rate = 0;
    int bits = 0;
};

WavError checkFormat(std::span<const uint8_t> chunk, Format& f) {
    if (chunk.size() < kFormatBytes) {
        return WavError::kNoFormat;
    }
    const uint16_t tag = le16(chunk, 0);
    // An extensible header names its real format in the first two bytes of its sub-format.
    const bool extensiblePcm =
        tag == kExtensibleFormat && chunk.size() >= 26 && le16(chunk, 24) == kPcmFormat;
    if (tag != kPcmFormat && !extensiblePcm) {
        return WavError::kNotPcm;
    }
    f.channels = le16(chunk, 2);
    const uint32_t rate = le32(chunk, 4);
    f.bits = le16(chunk, 14);
    if (f.bits != 8 && f.bits != 16) {
        return WavError::kBits;
    }
    if (f.channels != 1 && f.channels != 2) {
        return WavError::kChannels;
    }
    if (rate < kMinRate || rate > kMaxRate) {
        return WavError::kRate;
    }
    f.rate = static_cast<int>(rate);
    return WavError::kNone;
}

// The first channel of every whole frame, from -1.0 to just below 1.0.
std::vector<float> firstChannel(std::span<const uint8_t> data, const Format& f) {
    const size_t frameBytes = static_cast<size_t>(f.channels * f.bits / 8);
    std::vector<float> out(data.size() / frameBytes);
    for (size_t i = 0; i < out.size(); ++i) {
        const size_t at = i * frameBytes;
        out[i] = f.bits == 8 ? static_cast<float>(data[at]) / 128.0F - 1.0F
                             : static_cast<float>(static_cast<int16_t>(le16(data, at))) / 32768.0F;
    }
    return out;
}

uint8_t toByte(float x) {
    return static_cast<uint8_t>(std::clamp(std::lround(x * 128.0F + 128.0F), 0L, 255L));
}

std::vector<uint8_t> resampled(const std::vector<float>& in, int rate) {
    if (in.empty()) {
        return {};
    }
    const double step = static_cast<double>(rate) / kWavOutputRate;
    const auto count = static_cast<size_t>(static_cast<double>(in.size() - 1) / step) + 1;
    std::vector<uint8_t> out(count);
    for (size_t i = 0; i < count; ++i) {
        const double pos = static_cast<double>(i) * step;
        const auto k = static_cast<size_t>(pos);
        const double t = pos - static_cast<double>(k);
        const float next = k + 1 < in.size() ? in[k + 1] : in[k];
        out[i] = toByte(static_cast<float>(in[k] + t * (next - in[k])));
    }
    return out;
}

}  // namespace

WavSound readWav(std::span<const uint8_t> bytes) {
    WavSound sound;
    if (bytes.size() < 12 || !tagIs(bytes, 0, "RIFF") || !tagIs(bytes, 8, "WAVE")) {
        sound.error = WavError::kNotWave;
        return sound;
    }
    Format format;
    bool haveFormat = false;
    size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const size_t declared = le32(bytes, at + 4);
        const size_t size = std::min(declared, bytes.size() - at - 8);
        const auto chunk = bytes.subspan(at + 8, size);
        if (tagIs(bytes, at, "fmt ")) {
            if (const WavError e = checkFormat(chunk, format); e != WavError::kNone) {
                sound.error = e;
                return sound;
            }
            haveFormat = true;
        } else if (tagIs(bytes, at, "data")) {
            if (!haveFormat) {
                sound.error = WavError::kNoFormat;
                return sound;
            }
            const std::vector<float> first = firstChannel(chunk, format);
            if (first.size() > static_cast<size_t>(kMaxWavSeconds) * format.rate) {
                sound.error = WavError::kTooLong;
                return sound;
            }
            sound.samples = resampled(first, format.rate);
            sound.error = sound.samples.empty() ? WavError::kNoData : WavError::kNone;
            return sound;
        }
        // Chunks are padded to an even length.
        at += 8 + size + (size & 1U);
    }
    sound.error = haveFormat ? WavError::kNoData : WavError::kNoFormat;
    return sound;
}

BilingualText wavErrorText(WavError error) {
    switch (error) {
        case WavError::kNone:
            return {"", ""};
        case WavError::kNotWave:
            return {"不是WAV文件", "Not a WAV file"};
        case WavError::kNoFormat:
            return {"WAV文件缺少格式信息", "The WAV file has no format description"};
        case WavError::kNotPcm:
            return {"只支持PCM格式的WAV文件", "Only PCM WAV files can be read"};
        case WavError::kBits:
            return {"只支持8位或16位采样", "Only 8-bit or 16-bit samples can be read"};
        case WavError::kChannels:
            return {"只支持单声道或立体声", "Only mono or stereo files can be read"};
        case WavError::kRate:
            return {"采样率须在8kHz到192kHz之间",
                    "The sampling rate must lie between 8 kHz and 192 kHz"};
        case WavError::kNoData:
            return {"WAV文件没有声音数据", "The WAV file holds no sound"};
        case WavError::kTooLong:
            return {"WAV文件太长(最长10分钟)", "The WAV file is too long (10 minutes at most)"};
    }
    return {"", ""};
}

}  // namespace aec
