// aec-preset curve and plot: the response of the right page, laid out and painted.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "core/model.h"
#include "presets/preset_file.h"
#include "run_tool.h"

namespace aec::test {
namespace {

constexpr int k1000Hz = 204;  // frequency index of 1000 Hz
constexpr int kPlus12dB = 180;

struct CurvePoint {
    double hz = 0;
    double db = 0;
};

std::vector<CurvePoint> parseCurve(const std::string& text) {
    std::vector<CurvePoint> points;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        const size_t tab = line.find('\t');
        EXPECT_NE(tab, std::string::npos) << line;
        if (tab == std::string::npos) {
            continue;
        }
        points.push_back(
            {std::strtod(line.c_str(), nullptr), std::strtod(line.c_str() + tab + 1, nullptr)});
    }
    return points;
}

CurvePoint peakOf(const std::vector<CurvePoint>& points) {
    CurvePoint best{0, -1e9};
    for (const CurvePoint& p : points) {
        if (p.db > best.db) {
            best = p;
        }
    }
    return best;
}

class PresetGraphTool : public ::testing::Test {
  protected:
    void SetUp() override {
        m_dir = std::filesystem::temp_directory_path() /
                ("aec-graph-test-" + std::to_string(::getpid()));
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
        Model model;
        model.ResetEqBands(kAllPages);
        // +12 dB at 1 kHz on band 3 of Main left, music mode 1 (page 7).
        model.setParam(7, 21 + 15 + 1, k1000Hz);
        model.setParam(7, 21 + 15 + 2, kPlus12dB);
        // +12 dB on the right music set's band 0 and on Echo B's band 6.
        model.setParam(0, 85 + 2, kPlus12dB);
        model.setParam(24, 14 + 30 + 2, kPlus12dB);
        // A 12 dB Butterworth high-pass on Mic B.
        model.setParam(3, 9, 3);
        model.setParam(3, 10, k1000Hz);
        ASSERT_TRUE(savePresetFile(m_dir / "set.Kvpx", model).ok());
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }
    ToolRun runWith(const std::string& args) const { return runTool(args, m_dir); }
    std::string preset() const { return "'" + (m_dir / "set.Kvpx").string() + "' "; }
    std::filesystem::path m_dir;
};

TEST_F(PresetGraphTool, CurvePrintsTheGridOfTheRequestedPage) {
    const ToolRun run = runWith("curve " + preset() + "7");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::vector<CurvePoint> points = parseCurve(run.out);
    ASSERT_EQ(points.size(), 463u);
    EXPECT_NEAR(points.front().hz, 10.0, 0.01);
    EXPECT_NEAR(points.back().hz, 24000.0, 0.01);
    for (size_t g = 1; g < points.size(); ++g) {
        ASSERT_GT(points[g].hz, points[g - 1].hz);
    }
    const CurvePoint peak = peakOf(points);
    EXPECT_NEAR(peak.db, 12.0, 0.01);
    EXPECT_NEAR(peak.hz, 994.0, 10.0);

    // The same output page in music mode 0 is flat.
    EXPECT_NEAR(peakOf(parseCurve(runWith("curve " + preset() + "6").out)).db, 0.0, 1e-3);
}

TEST_F(PresetGraphTool, CurveFollowsTheKindOfEachPage) {
    // Echo B is drawn like Echo A, with its own bands.
    EXPECT_NEAR(peakOf(parseCurve(runWith("curve " + preset() + "24").out)).db, 12.0, 0.01);
    EXPECT_NEAR(peakOf(parseCurve(runWith("curve " + preset() + "4").out)).db, 0.0, 1e-3);
    // Mic B's high-pass pulls the low end down; Mic A stays flat.
    const std::vector<CurvePoint> micB = parseCurve(runWith("curve " + preset() + "3").out);
    ASSERT_EQ(micB.size(), 463u);
    EXPECT_LT(micB.front().db, -40.0);
    EXPECT_NEAR(micB.back().db, 0.0, 0.01);
    EXPECT_NEAR(parseCurve(runWith("curve " + preset() + "2").out).front().db, 0.0, 1e-3);
    // Hint pages are not stored in presets and show the start-up defaults.
    EXPECT_EQ(parseCurve(runWith("curve " + preset() + "26").out).size(), 463u);
}

TEST_F(PresetGraphTool, RightTakesTheRightMusicSet) {
    EXPECT_NEAR(peakOf(parseCurve(runWith("curve " + preset() + "0").out)).db, 0.0, 1e-3);
    const CurvePoint right = peakOf(parseCurve(runWith("curve " + preset() + "0 --right").out));
    EXPECT_NEAR(right.db, 12.0, 0.01);
    EXPECT_LT(right.hz, 25.0);  // band 0 sits at 20.5 Hz
}

TEST_F(PresetGraphTool, PagesWithoutAGraphAndBadArgumentsAreUsageErrors) {
    for (const std::string args :
         {"29", "28", "31", "x", "-1", "6 --right", "0 --size 10x10", "0 --csv --frd"}) {
        const ToolRun run = runWith("curve " + preset() + args);
        EXPECT_EQ(run.exitCode, 2) << args;
        EXPECT_EQ(run.out, "") << args;
        EXPECT_NE(run.err, "") << args;
    }
    const ToolRun missing = runWith("curve '" + (m_dir / "none.Kvpx").string() + "' 0");
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, "File not find!\n");
}

QColor pixelAt(const QImage& image, int x, int y) { return QColor(image.pixel(x, y)); }

TEST_F(PresetGraphTool, PlotPaintsThePictureAtTheRequestedSize) {
    const auto png = m_dir / "main.png";
    ASSERT_EQ(runWith("plot " + preset() + "6 '" + png.string() + "'").exitCode, 0);
    QImage image(QString::fromStdString(png.string()));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(938, 322));
    // The flat curve runs along the 0 dB row: plot row (268 - 1) / 3 = 89, plot at (48, 35).
    const QColor curve = pixelAt(image, 48 + 700, 35 + 89);
    EXPECT_GT(curve.red(), 230);
    EXPECT_LT(curve.blue(), 120);
    EXPECT_EQ(pixelAt(image, 48 + 700, 35 + 150), QColor(238, 238, 238));  // plot background
    EXPECT_EQ(pixelAt(image, 3, 3), QColor(Qt::white));                    // outer panel

    const auto big = m_dir / "big.png";
    ASSERT_EQ(runWith("plot " + preset() + "7 '" + big.string() + "' --size 1200x400").exitCode, 0);
    EXPECT_EQ(QImage(QString::fromStdString(big.string())).size(), QSize(1255, 454));
}

TEST_F(PresetGraphTool, PlotRejectsBadSizesAndUnwritableFiles) {
    const std::string out = "'" + (m_dir / "x.png").string() + "'";
    for (const std::string size : {"0x0", "883", "883x", "10x268", "99999x268", "axb"}) {
        EXPECT_EQ(runWith("plot " + preset() + "6 " + out + " --size " + size).exitCode, 2) << size;
    }
    EXPECT_FALSE(std::filesystem::exists(m_dir / "x.png"));
    const ToolRun run =
        runWith("plot " + preset() + "6 '" + (m_dir / "no" / "x.png").string() + "'");
    EXPECT_EQ(run.exitCode, 1);
}

}  // namespace
}  // namespace aec::test
