#pragma once
// The analyser's forward transform: one block of unsigned 8-bit samples, zero-padded to 2048
// points, to its unnormalised discrete Fourier transform (KissFFT). Everything it needs is
// allocated once, when it is made.

#include <array>
#include <complex>
#include <cstdint>
#include <span>

#include "eq/spectrum_bars.h"

struct kiss_fft_state;

namespace aec {

using SpectrumBins = std::array<std::complex<float>, kTransformLength>;

// The sample of an unsigned 8-bit byte: byte / 128 - 1 (-1.0 .. +0.9921875, silence 128 is 0).
inline float sampleOfByte(std::uint8_t byte) { return static_cast<float>(byte) / 128.0F - 1.0F; }

class SpectrumTransform {
  public:
    SpectrumTransform();
    ~SpectrumTransform();
    SpectrumTransform(const SpectrumTransform&) = delete;
    SpectrumTransform& operator=(const SpectrumTransform&) = delete;

    // ComputeSpectrum: the block's samples into the input, the forward transform, then the
    // lowest three bins tapered by 0.1 k^3 (bin 0 becomes 0, bin 1 is scaled by 0.1, bin 2 by
    // 0.8) so the DC offset and rumble of a sound card do not fill the lowest bands.
    void ComputeSpectrum(std::span<const std::uint8_t, kBlockSamples> block);

    const SpectrumBins& output() const { return m_output; }

  private:
    kiss_fft_state* m_config;
    // Elements from kBlockSamples up, and every imaginary part, stay 0.
    SpectrumBins m_input{};
    SpectrumBins m_output{};
};

}  // namespace aec
