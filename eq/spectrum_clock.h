#pragma once
// Frame timing of the spectrum analyser on the 10 ms graph timer: one frame computed and drawn
// every 11 ticks, the transform on the 5th and the drawing on the 11th.

namespace aec {

class SpectrumClock {
  public:
    enum class Step { kNone, kCompute, kDraw };

    // One tick of a running analyser. The counter keeps its value between runs.
    Step tick() {
        ++m_counter;
        if (m_counter == kComputeTick) {
            return Step::kCompute;
        }
        if (m_counter > kLastTick) {
            m_counter = 0;
            return Step::kDraw;
        }
        return Step::kNone;
    }
    int counter() const { return m_counter; }

  private:
    static constexpr int kComputeTick = 5;
    static constexpr int kLastTick = 10;
    int m_counter = 0;
};

}  // namespace aec
