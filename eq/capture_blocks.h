#pragma once
// Cuts captured audio into the analyser's blocks: the bytes a sound card delivers, in whatever
// sample format and channel count it records, become whole blocks of kBlockSamples unsigned
// 8-bit mono samples (silence 128). Reads may end anywhere, even inside a sample.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "eq/spectrum_bars.h"

namespace aec {

// Sample formats a capture device may record in (native byte order).
enum class SampleFormat { kUInt8, kInt16, kInt32, kFloat };

// Bytes per sample of a format.
int sampleBytes(SampleFormat format);
// One sample as an unsigned 8-bit value: the top 8 bits of the integer formats, a float of
// -1.0 .. 1.0 scaled to 0 .. 255.
std::uint8_t unsigned8(const std::byte* sample, SampleFormat format);

class CaptureBlocks {
  public:
    using Block = std::span<const std::uint8_t, kBlockSamples>;
    // Receives every whole block as soon as its last sample has arrived.
    using Sink = std::function<void(Block)>;

    // Only the first of `channels` interleaved channels is kept.
    CaptureBlocks(SampleFormat format, int channels, Sink sink);

    // Takes the next captured bytes; a partial frame at the end waits for the rest.
    void feed(std::span<const std::byte> bytes);
    // Drops a partial frame and a partial block (the recording starts again).
    void clear();

  private:
    void takeFrame(const std::byte* frame);

    SampleFormat m_format;
    int m_frameBytes;
    Sink m_sink;
    std::vector<std::byte> m_partial;  // the start of a frame split between two reads
    std::array<std::uint8_t, kBlockSamples> m_block{};
    int m_filled = 0;
};

}  // namespace aec
