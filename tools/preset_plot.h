#pragma once
// aec-preset plot: the response graph of a page painted as the editor shows it, saved as PNG.

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>

namespace aec::tool {

struct PlotSize {
    int width = 0;
    int height = 0;
};

// "WxH" with a plot of 64x32 to 8192x4096 pixels, or nothing.
std::optional<PlotSize> parsePlotSize(const std::string& text);

// Loads the preset, draws the page's graph with a plot of `size` and writes the whole picture
// (plot, axis labels, markers) to `png`. Needs a QGuiApplication.
int runPlot(const std::filesystem::path& file, int page, bool right,
            const std::filesystem::path& png, PlotSize size, std::ostream& err);

}  // namespace aec::tool
