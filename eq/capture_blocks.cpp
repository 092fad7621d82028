#include "eq/capture_blocks.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace aec {

namespace {

template <class T>
T load(const std::byte* at) {
    T value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

}  // namespace

int sampleBytes(SampleFormat format) {
    switch (format) {
        case SampleFormat::kUInt8:
            return 1;
        case SampleFormat::kInt16:
            return 2;
        case SampleFormat::kInt32:
        case SampleFormat::kFloat:
            return 4;
    }
    return 1;
}

std::uint8_t unsigned8(const std::byte* sample, SampleFormat format) {
    switch (format) {
        case SampleFormat::kUInt8:
            return std::to_integer<std::uint8_t>(*sample);
        case SampleFormat::kInt16:
            return static_cast<std::uint8_t>((load<std::int16_t>(sample) >> 8) + 128);
        case SampleFormat::kInt32:
            return static_cast<std::uint8_t>((load<std::int32_t>(sample) >> 24) + 128);
        case SampleFormat::kFloat: {
            const float v = load<float>(sample);
            if (std::isnan(v)) {
                return 128;
            }
            // The inverse of byte / 128 - 1, rounded down like the integer formats.
            return static_cast<std::uint8_t>(
                std::clamp(std::floor((v + 1.0F) * 128), 0.0F, 255.0F));
        }
    }
    return 128;
}

CaptureBlocks::CaptureBlocks(SampleFormat format, int channels, Sink sink)
    : m_format(format),
      m_frameBytes(sampleBytes(format) * std::max(channels, 1)),
      m_sink(std::move(sink)) {
    m_partial.reserve(m_frameBytes);
}

void CaptureBlocks::feed(std::span<const std::byte> bytes) {
    std::size_t at = 0;
    if (!m_partial.empty()) {
        const std::size_t missing = m_frameBytes - m_partial.size();
        const auto head = bytes.first(std::min(missing, bytes.size()));
        m_partial.insert(m_partial.end(), head.begin(), head.end());
        at = head.size();
        if (m_partial.size() < static_cast<std::size_t>(m_frameBytes)) {
            return;
        }
        takeFrame(m_partial.data());
        m_partial.clear();
    }
    for (; at + m_frameBytes <= bytes.size(); at += m_frameBytes) {
        takeFrame(bytes.data() + at);
    }
    const auto rest = bytes.subspan(at);
    m_partial.insert(m_partial.end(), rest.begin(), rest.end());
}

void CaptureBlocks::clear() {
    m_partial.clear();
    m_filled = 0;
}

void CaptureBlocks::takeFrame(const std::byte* frame) {
    m_block[m_filled++] = unsigned8(frame, m_format);
    if (m_filled == kBlockSamples) {
        m_filled = 0;
        if (m_sink) {
            m_sink(m_block);
        }
    }
}

}  // namespace aec
