#pragma once
// The response graph of the page on show: grid background, summed curve, point markers,
// caption and axis labels. It renders the plot into a QImage and hands out the placements of
// markers and labels as data, so a window can move its widgets and a tool can paint them.

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QSize>
#include <functional>
#include <string>

#include "eq/curve_sources.h"
#include "eq/graph_layout.h"
#include "eq/plot_geometry.h"
#include "eq/response_curve.h"

namespace aec {

class Model;

// The device pixels that cover `logical` at `ratio` device pixels per logical pixel, each edge
// rounded to the nearest device pixel so lines stay sharp; never empty when `logical` is not.
QRect deviceRect(const QRect& logical, qreal ratio);

inline constexpr QRgb kGraphBackgroundColour = qRgb(238, 238, 238);
inline constexpr QRgb kStrongGridColour = qRgb(210, 210, 210);
inline constexpr QRgb kMinorGridColour = qRgb(220, 220, 220);
inline constexpr QRgb kAxisLabelColour = qRgb(161, 161, 161);
inline constexpr QRgb kCaptionColour = qRgb(243, 152, 0);

// Caption text as first designed, before any point is selected.
inline constexpr const char* kDesignCaptionText = "+12dB\rQ:128.00\r12000.00Hz";

// "Arial Narrow" bold, 13 pixels high, the caption's font.
QFont captionFont();
// The axis labels' font.
QFont axisLabelFont();

// Modes of BuildGraphBackground.
enum BackgroundMode : int {
    kBackgroundCreate = 0,   // build the grid and create the axis labels (start-up)
    kBackgroundRebuild = 1,  // rebuild the grid and re-place the labels (after a resize)
    kBackgroundRestore = 2,  // copy the stored grid onto the plot
};

class ResponseGraph {
  public:
    // Design position of the plot on the outer panel.
    static constexpr QPoint kDesignPlotOrigin{48, 35};

    // Size of the caption for a given text (lines separated by carriage returns).
    using CaptionSizer = std::function<QSize(const std::string& text)>;
    // Paints into the plot after the grid and before the curve (the spectrum analyser).
    using Underlay = std::function<void(QImage& plot, const PlotGeometry& geometry)>;

    explicit ResponseGraph(const Model& model, QSize plotSize = {PlotGeometry::kDesignWidth,
                                                                 PlotGeometry::kDesignHeight});

    // New plot size in logical pixels; the plot is cleared. Follow with
    // BuildGraphBackground(kBackgroundRebuild).
    void resizePlot(QSize size);
    // Device pixels per logical pixel of the screen the plot is shown on (1 by default). The
    // plot image holds that many pixels per logical pixel, so the grid and the curve are drawn
    // at the screen's density; geometry, markers and labels stay in logical pixels. Takes
    // effect at the next resizePlot.
    void setDevicePixelRatio(qreal ratio);
    qreal devicePixelRatio() const { return m_ratio; }
    // Where the plot's top-left corner sits on the outer panel, for the axis labels.
    void setPlotOrigin(QPoint origin) { m_origin = origin; }
    QPoint plotOrigin() const { return m_origin; }

    // Builds, rebuilds or restores the grid background (BackgroundMode).
    void BuildGraphBackground(int mode);
    // Redraws point `index` (0..21) or every point (100) of a page. Ignored above 100, for
    // pages 28 and up, and while the model suspends redraws.
    void DrawPageResponse(int index, int page);
    // Strokes the curve from the stored points again (after a spectrum frame).
    void drawCurve();
    // Restores the grid, paints the underlay and strokes the stored curve again; markers and
    // caption stay as they are.
    void redrawUnderlay();

    // Records where the mouse moved a marker, so the caption follows it during a drag.
    void moveMarker(int marker, int left, int top);
    // While a marker is dragged (the model's drag flag), redraws leave every marker where the
    // mouse put it.
    bool dragInProgress() const;
    void setUnderlay(Underlay underlay) { m_underlay = std::move(underlay); }
    // Paints after the underlay and before the curve (the A/B slot not in use).
    void setOverlay(Underlay overlay) { m_overlay = std::move(overlay); }
    // Paints after the curve (the feedback finder's proposed cuts).
    void setMarks(Underlay marks) { m_marks = std::move(marks); }
    // Replaces the font metrics used to size the caption (a window may measure its label).
    void setCaptionSizer(CaptionSizer sizer) { m_captionSizer = std::move(sizer); }

    const QImage& plot() const { return m_plot; }
    const QImage& background() const { return m_background; }
    const PlotGeometry& geometry() const { return m_geometry; }
    const CurveSourceTable& sources() const { return m_sources; }
    const PageCurveCounts& counts() const { return m_counts; }
    const MarkerPlacements& markers() const { return m_markers; }
    const CaptionPlacement& caption() const { return m_caption; }
    const AxisLabels& axisLabels() const { return m_labels; }
    bool axisLabelsCreated() const { return m_labelsCreated; }
    const PointsPolyline& points() const { return m_points; }

  private:
    void paintGrid();
    void restoreBackground();
    void updateCaption(int entry);
    QSize captionSize(const std::string& text) const;

    const Model& m_model;
    qreal m_ratio = 1.0;
    QImage m_plot;
    QSize m_logicalSize;
    QImage m_background;
    PlotGeometry m_geometry;
    QPoint m_origin = kDesignPlotOrigin;
    CurveSourceTable m_sources{};
    PageCurveCounts m_counts;
    MarkerPlacements m_markers{};
    CaptionPlacement m_caption;
    AxisLabels m_labels{};
    bool m_labelsCreated = false;
    PointsPolyline m_points{};
    FinePolyline m_finePoints{};  // drawn instead of m_points on a denser plot
    Underlay m_underlay;
    Underlay m_overlay;
    Underlay m_marks;
    CaptionSizer m_captionSizer;
};

}  // namespace aec
