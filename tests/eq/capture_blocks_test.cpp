// Captured bytes to analyser blocks: every sample format to unsigned 8 bits, and whole blocks
// from reads that end anywhere.
#include "eq/capture_blocks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace aec {
namespace {

template <class T>
std::vector<std::byte> bytesOf(T value) {
    std::vector<std::byte> b(sizeof value);
    std::memcpy(b.data(), &value, sizeof value);
    return b;
}

TEST(CaptureBlocks, SampleFormatsToUnsigned8) {
    const struct {
        const char* name;
        SampleFormat format;
        std::vector<std::byte> sample;
        int expected;
    } cases[] = {
        {"u8 as it is", SampleFormat::kUInt8, {std::byte{200}}, 200},
        {"s16 lowest", SampleFormat::kInt16, bytesOf<std::int16_t>(-32768), 0},
        {"s16 just below 0", SampleFormat::kInt16, bytesOf<std::int16_t>(-1), 127},
        {"s16 0", SampleFormat::kInt16, bytesOf<std::int16_t>(0), 128},
        {"s16 highest", SampleFormat::kInt16, bytesOf<std::int16_t>(32767), 255},
        {"s32 lowest", SampleFormat::kInt32, bytesOf(std::numeric_limits<std::int32_t>::min()), 0},
        {"s32 half", SampleFormat::kInt32, bytesOf<std::int32_t>(1 << 30), 192},
        {"float -1", SampleFormat::kFloat, bytesOf(-1.0F), 0},
        {"float 0.5", SampleFormat::kFloat, bytesOf(0.5F), 192},
        {"float beyond 1", SampleFormat::kFloat, bytesOf(1.5F), 255},
        {"float beyond -1", SampleFormat::kFloat, bytesOf(-3.0F), 0},
        {"float NaN", SampleFormat::kFloat, bytesOf(std::nanf("")), 128},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(unsigned8(c.sample.data(), c.format), c.expected) << c.name;
    }
}

TEST(CaptureBlocks, WholeBlocksOfTheFirstChannelFromReadsThatEndAnywhere) {
    // Stereo 16-bit frames: the left channel counts 0, 256, 512, ... (so its bytes count 128,
    // 129, ...), the right one is noise that must not show.
    std::vector<std::byte> stream;
    for (int frame = 0; frame < 2 * kBlockSamples + 100; ++frame) {
        for (std::int16_t v : {static_cast<std::int16_t>((frame % 100) * 256), std::int16_t{-77}}) {
            const auto b = bytesOf(v);
            stream.insert(stream.end(), b.begin(), b.end());
        }
    }
    std::vector<std::vector<std::uint8_t>> blocks;
    CaptureBlocks cutter(SampleFormat::kInt16, 2,
                         [&](CaptureBlocks::Block b) { blocks.emplace_back(b.begin(), b.end()); });
    const std::span all(stream);
    size_t at = 0;
    for (size_t read : {size_t{7}, size_t{1}, size_t{4093}, size_t{3}, all.size()}) {
        const size_t n = std::min(read, all.size() - at);
        cutter.feed(all.subspan(at, n));
        at += n;
    }
    ASSERT_EQ(blocks.size(), 2U);
    for (size_t i = 0; i < blocks.size(); ++i) {
        for (int n = 0; n < kBlockSamples; ++n) {
            const int frame = static_cast<int>(i) * kBlockSamples + n;
            ASSERT_EQ(blocks[i][n], 128 + frame % 100) << "block " << i << ", sample " << n;
        }
    }
    // A restart drops the 100 samples that wait for their block.
    cutter.clear();
    cutter.feed(all.first(size_t{4} * (kBlockSamples - 100)));
    EXPECT_EQ(blocks.size(), 2U);
}

}  // namespace
}  // namespace aec
