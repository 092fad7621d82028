#include "eq/spectrum_transform.h"

#include <kiss_fft.h>

#include <new>

namespace aec {

namespace {

// KissFFT's complex type is two floats, laid out as std::complex<float> is.
static_assert(sizeof(kiss_fft_cpx) == sizeof(std::complex<float>));
static_assert(alignof(kiss_fft_cpx) <= alignof(std::complex<float>));

constexpr int kTaperedBins = 3;

kiss_fft_cpx* kiss(SpectrumBins& bins) { return reinterpret_cast<kiss_fft_cpx*>(bins.data()); }

}  // namespace

SpectrumTransform::SpectrumTransform()
    : m_config(kiss_fft_alloc(kTransformLength, 0, nullptr, nullptr)) {
    if (m_config == nullptr) {
        throw std::bad_alloc();
    }
}

SpectrumTransform::~SpectrumTransform() { kiss_fft_free(m_config); }

void SpectrumTransform::ComputeSpectrum(std::span<const std::uint8_t, kBlockSamples> block) {
    for (int n = 0; n < kBlockSamples; ++n) {
        m_input[n].real(sampleOfByte(block[n]));
    }
    // Separate input and output buffers: KissFFT then needs no scratch memory.
    kiss_fft(m_config, kiss(m_input), kiss(m_output));
    for (int k = 0; k < kTaperedBins; ++k) {
        m_output[k] *= 0.1F * static_cast<float>(k * k * k);
    }
}

}  // namespace aec
