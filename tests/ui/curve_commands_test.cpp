// Exports of the graph in the window: the curve files match aec-preset's byte for byte, the PNG
// is the graph as shown, and a file that cannot be written is reported.
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "editor_fixture.h"
#ifdef AEC_PRESET_BIN
#include "../tools/run_tool.h"
#endif

namespace aec::test {
namespace {

class CurveCommandsTest : public EditorTest {
  protected:
    void SetUp() override {
        EditorTest::SetUp();
        window->curveCommands().setFileChooser(
            [this](const QString& caption, const QString& suggested, const QString& filter) {
                asked.push_back(caption + "|" + QFileInfo(suggested).fileName() + "|" + filter);
                return chosen;
            });
    }
    std::filesystem::path scratch(const char* name) const {
        return presetFolder.filePath(name).toStdString();
    }
    static std::string contents(const std::filesystem::path& path) {
        std::ostringstream text;
        text << std::ifstream(path, std::ios::binary).rdbuf();
        return text.str();
    }
    QString chosen;
    QStringList asked;
};

TEST_F(CurveCommandsTest, CurveFilesMatchTheToolForTheSamePreset) {
#ifndef AEC_PRESET_BIN
    GTEST_SKIP() << "aec-preset is not built";
#else
    struct Row {
        const char* pairButton;  // or null for the left set
        const char* edit;
        const char* value;
        const char* toolPage;
        const char* suggested;  // file name the dialog offers, without the suffix
    };
    const Row rows[] = {{nullptr, "MusGainEdit4", "9", "0", "response-page0"},
                        {"RightBtn", "MusGainEdit2", "-6", "0 --right", "response-page0-right"}};
    for (const Row& r : rows) {
        if (r.pairButton) {
            QTest::mouseClick(w(r.pairButton), Qt::LeftButton);
        }
        typeInto(r.edit, r.value);
        w<QLineEdit>("FileEdit")->setText(r.edit);
        QTest::mouseClick(w("RzBmpButton120"), Qt::LeftButton);
        const auto preset = window->presetFiles().directory() / (std::string(r.edit) + ".Kvpx");
        ASSERT_TRUE(std::filesystem::exists(preset));

        struct Format {
            void (CurveCommands::*click)();
            const char* option;
            const char* suffix;
        };
        for (const Format& f : {Format{&CurveCommands::ExportCurveCsvClick, "--csv", ".csv"},
                                Format{&CurveCommands::ExportCurveFrdClick, "--frd", ".frd"}}) {
            const auto exported = scratch("exported");
            chosen = QString::fromStdString(exported.string());
            asked.clear();
            (window->curveCommands().*f.click)();
            ASSERT_EQ(asked.size(), 1);
            EXPECT_TRUE(asked[0].contains(QString(r.suggested) + f.suffix)) << asked[0].toStdString();
            const ToolRun run = runTool("curve '" + preset.string() + "' " + r.toolPage + " " +
                                            f.option,
                                        scratch(""));
            ASSERT_EQ(run.exitCode, 0) << run.err;
            EXPECT_EQ(contents(exported), run.out) << r.edit << f.option;
        }
    }
    EXPECT_TRUE(messages.shown().empty());
#endif
}

TEST_F(CurveCommandsTest, PngIsTheGraphAsShown) {
    const auto file = scratch("graph.png");
    chosen = QString::fromStdString(file.string());
    QTest::mouseMove(w("Image1"), QPoint(5, 5));  // the read-out shows, but is no part of it
    window->curveCommands().ExportGraphPngClick();
    EXPECT_TRUE(window->graphReadout().label()->isVisible());

    QImage png(chosen);
    ASSERT_FALSE(png.isNull());
    const QWidget* outer = w("AdvPanel1");
    const QWidget* plot = w("AdvPanel2");
    EXPECT_EQ(png.width(), outer->width());
    EXPECT_EQ(png.height(), outer->height() - plot->y() + 8);
    const QPoint plotAt = plot->pos() - QPoint(0, plot->y() - 8);
    // Left of every marker, a column of the plot crosses the orange curve.
    bool curve = false;
    for (int y = 0; y < plot->height() && !curve; ++y) {
        const QColor c = png.pixelColor(plotAt + QPoint(3, y));
        curve = c.red() > 230 && c.green() > 60 && c.green() < 140 && c.blue() < 80;
    }
    EXPECT_TRUE(curve);
    const QWidget* ep1 = w("EP1");
    EXPECT_NE(png.pixel(plotAt + ep1->geometry().center()), kGraphBackgroundColour);
    EXPECT_EQ(png.convertToFormat(QImage::Format_RGB32),
              window->curveCommands().graphPicture().convertToFormat(QImage::Format_RGB32));
}

TEST_F(CurveCommandsTest, NothingChosenWritesNothingAndAFailedWriteIsReported) {
    window->curveCommands().ExportCurveCsvClick();  // the dialog cancelled
    EXPECT_TRUE(messages.shown().empty());

    struct Row {
        int language;
        void (CurveCommands::*click)();
        const char* text;
    };
    const Row rows[] = {{1, &CurveCommands::ExportCurveCsvClick, "无法写入文件"},
                        {0, &CurveCommands::ExportCurveFrdClick, "could not be written"},
                        {0, &CurveCommands::ExportGraphPngClick, "could not be written"}};
    const auto missing = scratch("no-such-folder") / "curve.out";
    chosen = QString::fromStdString(missing.string());
    for (const Row& r : rows) {
        messages.clear();
        model.setLanguageFlag(r.language);
        (window->curveCommands().*r.click)();
        ASSERT_EQ(messages.shown().size(), 1u) << r.text;
        EXPECT_TRUE(messages.shown()[0].text.contains(QString::fromUtf8(r.text)));
        EXPECT_TRUE(messages.shown()[0].text.contains(chosen));
        EXPECT_FALSE(std::filesystem::exists(missing));
    }
}

}  // namespace
}  // namespace aec::test
