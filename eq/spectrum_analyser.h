#pragma once
// The spectrum analyser's state without any window: whether audio is available and the analyser
// on, the level scale, the latest capture block, the frame clock, the transform and the bars.

#include <array>
#include <cstdint>
#include <span>

#include "eq/spectrum_bars.h"
#include "eq/spectrum_clock.h"
#include "eq/spectrum_transform.h"

namespace aec {

class SpectrumAnalyser {
  public:
    bool audioAvailable() const { return m_audioAvailable; }
    // Audio stays unavailable until the editor is started again.
    void markAudioUnavailable() { m_audioAvailable = false; }
    bool on() const { return m_on; }
    void setOn(bool on) { m_on = on; }
    LevelScale scale() const { return m_scale; }
    void setLowScale(bool low) { m_scale = low ? LevelScale::kLow : LevelScale::kNormal; }

    // OnAudioBlock: keeps a copy of a whole block while the analyser is on and nothing is
    // dragged. Anything but exactly kBlockSamples samples is dropped, so the transform never
    // reads past a block nor mixes in the tail of an older one.
    void OnAudioBlock(std::span<const std::uint8_t> samples, bool dragging);
    // One graph timer tick; frozen while the analyser is off or a marker is dragged. Runs the
    // transform itself on its step and tells the caller when to draw.
    SpectrumClock::Step tick(bool dragging);
    // ComputeSpectrum: the latest block to the transform output.
    void ComputeSpectrum();
    // The bars of the current transform output on a plot.
    const BarTops& bars(const PlotGeometry& g);

    const SpectrumBins& output() const { return m_transform.output(); }
    const SpectrumClock& clock() const { return m_clock; }

  private:
    bool m_audioAvailable = true;
    bool m_on = false;
    LevelScale m_scale = LevelScale::kNormal;
    // Silence until the first block arrives.
    std::array<std::uint8_t, kBlockSamples> m_block = filledBlock();
    SpectrumClock m_clock;
    SpectrumTransform m_transform;
    BarTops m_bars;

    static std::array<std::uint8_t, kBlockSamples> filledBlock() {
        std::array<std::uint8_t, kBlockSamples> block{};
        block.fill(128);
        return block;
    }
};

}  // namespace aec
