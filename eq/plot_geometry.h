#pragma once
// Pixel geometry of the response plot: frequency and level to pixel and back, for any size.

#include <array>
#include <string>

namespace aec {

// Level range of the plot in dB.
inline constexpr int kLevelTop = 12;
inline constexpr int kLevelBottom = -24;

class PlotGeometry {
  public:
    // The plot at its design size.
    static constexpr int kDesignWidth = 883;
    static constexpr int kDesignHeight = 268;

    PlotGeometry() : PlotGeometry(kDesignWidth, kDesignHeight) {}
    PlotGeometry(int width, int height);

    int width() const { return m_width; }
    int height() const { return m_height; }
    // Pixels per grid step, W / 462.
    double pixelsPerStep() const { return m_step; }

    // Pixel column of a frequency in Hz, and its inverse.
    double x(double hz) const;
    double f(double column) const;
    // Pixel row of a level in dB (+12 is row 0, -24 is row H - 1), and its inverse.
    double y(double db) const;
    double v(double row) const;

  private:
    int m_width;
    int m_height;
    double m_step;
};

// Nearest pixel, halves to even; saturates far outside any plot and maps NaN to 0, so a wild
// curve value can never overflow the conversion.
int pixelRound(double v);

// An axis label on the outer panel: its objectName, text and box.
struct AxisLabel {
    enum class Align { kRight, kCentre };
    std::string name;
    std::string text;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    Align align = Align::kRight;
};

inline constexpr int kLevelLabelCount = 7;  // EQLabelY0..EQLabelY6
inline constexpr int kFreqLabelCount = 10;  // EQLabelX11..EQLabelX20
using AxisLabels = std::array<AxisLabel, kLevelLabelCount + kFreqLabelCount>;

// The level labels (-24..12 dB) and frequency labels (20 Hz..20 kHz), placed for a plot whose
// top-left corner sits at (plotLeft, plotTop) on the outer panel.
AxisLabels placeAxisLabels(const PlotGeometry& g, int plotLeft, int plotTop);

}  // namespace aec
