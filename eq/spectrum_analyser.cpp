#include "eq/spectrum_analyser.h"

#include <algorithm>

namespace aec {

void SpectrumAnalyser::OnAudioBlock(std::span<const std::uint8_t> samples, bool dragging) {
    if (!m_on || dragging || samples.size() != m_block.size()) {
        return;
    }
    std::copy(samples.begin(), samples.end(), m_block.begin());
}

SpectrumClock::Step SpectrumAnalyser::tick(bool dragging) {
    if (!m_on || dragging) {
        return SpectrumClock::Step::kNone;
    }
    const SpectrumClock::Step step = m_clock.tick();
    if (step == SpectrumClock::Step::kCompute) {
        ComputeSpectrum();
    }
    return step;
}

void SpectrumAnalyser::ComputeSpectrum() { m_transform.ComputeSpectrum(m_block); }

const BarTops& SpectrumAnalyser::bars(const PlotGeometry& g) {
    computeBars(g, m_transform.output(), m_scale, m_bars);
    return m_bars;
}

}  // namespace aec
