#include "tools/preset_plot.h"

#include <QImage>
#include <QString>
#include <ostream>

#include "core/model.h"
#include "eq/graph_picture.h"
#include "eq/response_graph.h"
#include "tools/page_view.h"
#include "tools/preset_commands.h"

namespace aec::tool {

namespace {

constexpr PlotSize kMinSize{64, 32};
constexpr PlotSize kMaxSize{8192, 4096};

std::optional<int> parseDimension(const std::string& text, int min, int max) {
    if (text.empty() || text.size() > 5) {
        return std::nullopt;
    }
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    if (value < min || value > max) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::optional<PlotSize> parsePlotSize(const std::string& text) {
    const size_t x = text.find_first_of("xX");
    if (x == std::string::npos) {
        return std::nullopt;
    }
    const auto width = parseDimension(text.substr(0, x), kMinSize.width, kMaxSize.width);
    const auto height = parseDimension(text.substr(x + 1), kMinSize.height, kMaxSize.height);
    if (!width || !height) {
        return std::nullopt;
    }
    return PlotSize{*width, *height};
}

int runPlot(const std::filesystem::path& file, int page, bool right,
            const std::filesystem::path& png, PlotSize size, std::ostream& err) {
    Model model;
    model.ResetEqBands(kAllPages);
    if (!loadForGraph(file, model, err)) {
        return kExitFailed;
    }
    const int base = showDevicePage(model, page, right);

    ResponseGraph graph(model, QSize(size.width, size.height));
    graph.BuildGraphBackground(kBackgroundCreate);
    graph.DrawPageResponse(kAllPoints, base);
    const QImage picture = paintGraphPicture(graph);
    if (!picture.save(QString::fromStdString(png.string()), "PNG")) {
        err << "Cannot write " << png.string() << '\n';
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace aec::tool
