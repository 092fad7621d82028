#include "eq/response_graph.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/model.h"
#include "eq/response_curve.h"

namespace aec {

namespace {

constexpr int kMinPlotSide = 2;  // keeps the level mapping defined (H - 1 > 0)

constexpr std::array<double, 3> kStrongColumns = {100, 1000, 10000};
constexpr std::array<double, 25> kMinorColumns = {
    20,  30,  40,  50,   60,   70,   80,   90,   200,  300,  400,  500,  600,
    700, 800, 900, 2000, 3000, 4000, 5000, 6000, 7000, 8000, 9000, 20000};

QSize bounded(QSize s) {
    return {std::max(s.width(), kMinPlotSide), std::max(s.height(), kMinPlotSide)};
}

// A plot of `size` logical pixels holding `ratio` device pixels per logical pixel.
QImage blankPlot(QSize size, qreal ratio) {
    QImage image(deviceRect(QRect(QPoint(0, 0), size), ratio).size(), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(kGraphBackgroundColour);
    return image;
}

// Lines of even thickness straddle their coordinate: a 2-pixel line also covers the pixel
// before it, as the editor's pen has always drawn them.
int startOf(int at, int thickness) { return at - thickness / 2; }

// Grid lines are filled in device pixels (the painter works on the unscaled image), each
// covering the device pixels of its logical extent.
void column(QPainter& p, qreal ratio, int x, int thickness, int height, QRgb colour) {
    p.fillRect(deviceRect(QRect(startOf(x, thickness), 0, thickness, height), ratio),
               QColor::fromRgb(colour));
}

void Row(QPainter& p, qreal ratio, int y, int width, int thickness, QRgb colour) {
    p.fillRect(deviceRect(QRect(0, startOf(y, thickness), width, thickness), ratio),
               QColor::fromRgb(colour));
}

}  // namespace

QRect deviceRect(const QRect& logical, qreal ratio) {
    const auto at = [ratio](int v) { return static_cast<int>(std::lround(v * ratio)); };
    const int left = at(logical.left());
    const int top = at(logical.top());
    if (logical.isEmpty()) {
        return {left, top, 0, 0};
    }
    const int right = std::max(at(logical.left() + logical.width()), left + 1);
    const int bottom = std::max(at(logical.top() + logical.height()), top + 1);
    return {left, top, right - left, bottom - top};
}

QFont captionFont() {
    QFont font(QStringLiteral("Arial Narrow"));
    font.setPixelSize(13);
    font.setBold(true);
    return font;
}

QFont axisLabelFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    return font;
}

ResponseGraph::ResponseGraph(const Model& model, QSize plotSize)
    : m_model(model),
      m_plot(blankPlot(bounded(plotSize), 1.0)),
      m_logicalSize(bounded(plotSize)),
      m_geometry(m_logicalSize.width(), m_logicalSize.height()) {
    m_caption.text = kDesignCaptionText;
}

void ResponseGraph::resizePlot(QSize size) {
    m_plot = blankPlot(bounded(size), m_ratio);
    m_logicalSize = bounded(size);
}

void ResponseGraph::setDevicePixelRatio(qreal ratio) { m_ratio = ratio > 0 ? ratio : 1.0; }

void ResponseGraph::BuildGraphBackground(int mode) {
    if (mode == kBackgroundCreate || mode == kBackgroundRebuild) {
        m_geometry = PlotGeometry(m_logicalSize.width(), m_logicalSize.height());
        m_plot.fill(kGraphBackgroundColour);
        paintGrid();
        m_background = m_plot.copy();
        m_labels = placeAxisLabels(m_geometry, m_origin.x(), m_origin.y());
        if (mode == kBackgroundCreate) {
            m_labelsCreated = true;
        }
    }
    restoreBackground();
}

void ResponseGraph::paintGrid() {
    const PlotGeometry& g = m_geometry;
    const int w = g.width();
    const int h = g.height();
    const qreal r = m_ratio;
    // Painted unscaled, in device pixels; the plot's ratio is set again when done.
    m_plot.setDevicePixelRatio(1.0);
    QPainter p(&m_plot);
    for (int level = kLevelBottom; level <= kLevelTop; level += 3) {
        const bool strong = level == kLevelBottom || level == 0 || level == kLevelTop;
        Row(p, r, pixelRound(g.y(level)), w, 1, strong ? kStrongGridColour : kMinorGridColour);
    }
    column(p, r, 0, 2, h, kStrongGridColour);
    for (double hz : kStrongColumns) {
        column(p, r, pixelRound(g.x(hz)), 2, h, kStrongGridColour);
    }
    for (double hz : kMinorColumns) {
        column(p, r, pixelRound(g.x(hz)), 1, h, kMinorGridColour);
    }
    column(p, r, pixelRound(ResponseGrid::kIntervals * g.pixelsPerStep() - 1), 1, h,
           kMinorGridColour);
    Row(p, r, pixelRound(g.y(kLevelTop)) + 1, w, 2, kStrongGridColour);
    Row(p, r, pixelRound(g.y(kLevelBottom)), w, 2, kStrongGridColour);
    p.end();
    m_plot.setDevicePixelRatio(r);
}

void ResponseGraph::restoreBackground() {
    if (m_background.size() != m_plot.size() || m_background.format() != m_plot.format()) {
        m_plot.fill(kGraphBackgroundColour);
        return;
    }
    // Copy into the existing plot so a redraw allocates nothing.
    std::memcpy(m_plot.bits(), m_background.constBits(), m_plot.sizeInBytes());
}

void ResponseGraph::DrawPageResponse(int index, int page) {
    if (index < 0 || index > kAllPoints || page < 0 || page >= kPage28) {
        return;
    }
    if (m_model.redrawsSuspended()) {
        return;
    }

    m_counts = CurveSourcesOfPage(m_model, index, page, m_sources);
    if (index == kAllPoints) {
        showPageMarkers(m_counts, m_markers);
    }
    const int last = m_counts.last();
    BuildGraphBackground(kBackgroundRestore);

    for (int e = 0; e <= last; ++e) {
        if (index != kAllPoints && index != e) {
            continue;
        }
        CurveSource& source = m_sources[e];
        computeEntryCurve(source);
        if (dragInProgress()) {
            continue;
        }
        const int marker = markerOfEntry(e, m_counts);
        const bool visible = m_markers[marker].visible;
        m_markers[marker] = markerAt(m_geometry, source.frequency, source.gain);
        m_markers[marker].visible = visible;
    }

    if (index == kAllPoints) {
        m_caption.visible = false;
    } else if (index <= last) {
        updateCaption(index);
    }

    if (m_underlay) {
        m_underlay(m_plot, m_geometry);
    }
    if (m_overlay) {
        m_overlay(m_plot, m_geometry);
    }
    const BandCurve sum = sumCurves(m_sources, m_counts);
    curvePoints(m_geometry, sum, m_points);
    fineCurvePoints(m_geometry, sum, m_ratio, m_finePoints);
    drawCurve();
    if (m_marks) {
        m_marks(m_plot, m_geometry);
    }
}

void ResponseGraph::updateCaption(int entry) {
    const CurveSource& source = m_sources[entry];
    m_caption.text = captionText(kindOfEntry(entry, m_counts), source);
    m_caption.visible = true;
    const QSize size = captionSize(m_caption.text);
    placeCaption(m_markers[markerOfEntry(entry, m_counts)], size.width(), size.height(),
                 source.gain, m_caption);
}

QSize ResponseGraph::captionSize(const std::string& text) const {
    if (m_captionSizer) {
        return m_captionSizer(text);
    }
    const QFontMetrics metrics(captionFont());
    const QString lines = QString::fromStdString(captionDisplayText(text));
    return metrics.boundingRect(QRect(0, 0, 10000, 10000), Qt::AlignHCenter, lines).size();
}

void ResponseGraph::moveMarker(int marker, int left, int top) {
    if (marker < 0 || marker >= kPointCount) {
        return;
    }
    m_markers[marker].left = left;
    m_markers[marker].top = top;
}

bool ResponseGraph::dragInProgress() const { return m_model.dragging(); }

void ResponseGraph::drawCurve() {
    if (m_ratio != 1.0) {
        drawResponseCurve(m_plot, m_finePoints);
    } else {
        drawResponseCurve(m_plot, m_points);
    }
}

void ResponseGraph::redrawUnderlay() {
    restoreBackground();
    if (m_underlay) {
        m_underlay(m_plot, m_geometry);
    }
    if (m_overlay) {
        m_overlay(m_plot, m_geometry);
    }
    drawCurve();
    if (m_marks) {
        m_marks(m_plot, m_geometry);
    }
}

}  // namespace aec
