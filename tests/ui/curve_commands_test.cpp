// Exports of the graph in the window: the curve files match aec-preset's byte for byte, the PNG
// is the graph as shown, and a file that cannot be written is reported.
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>

#include "editor_fixture.h"
#ifdef AEC_PRESET_BIN
#include "../tools/run_tool.h"
#endif

namespace aec::test {
namespace {

using Click = void (CurveCommands::*)();

class CurveCommandsTest : public EditorTest {
  protected:
    void SetUp() override {
        EditorTest::SetUp();
        window->curveCommands().setFileChooser(
            [this](const QString&, const QString& suggested, const QString&) {
                offered = QFileInfo(suggested).fileName();
                return chosen;
            });
    }
    std::filesystem::path scratch(const char* name) const {
        return presetFolder.filePath(name).toStdString();
    }
    QString chosen;
    QString offered;
};

#ifdef AEC_PRESET_BIN
TEST_F(CurveCommandsTest, CurveFilesMatchTheToolForTheSamePreset) {
    struct Row {
        const char* pairButton;  // or null for the left set
        const char* edit;
        const char* value;
        const char* toolPage;
        const char* offered;  // without the suffix
    };
    const Row rows[] = {{nullptr, "MusGainEdit4", "9", "0", "response-page0"},
                        {"RightBtn", "MusGainEdit2", "-6", "0 --right", "response-page0-right"}};
    const std::filesystem::path exported = scratch("exported");
    chosen = QString::fromStdString(exported.string());
    for (const Row& r : rows) {
        if (r.pairButton) {
            QTest::mouseClick(w(r.pairButton), Qt::LeftButton);
        }
        typeInto(r.edit, r.value);
        w<QLineEdit>("FileEdit")->setText(r.edit);
        QTest::mouseClick(w("RzBmpButton120"), Qt::LeftButton);
        const auto preset = window->presetFiles().directory() / (std::string(r.edit) + ".Kvpx");
        for (const auto& [click, option] :
             {std::pair<Click, std::string>{&CurveCommands::ExportCurveCsvClick, "csv"},
              {&CurveCommands::ExportCurveFrdClick, "frd"}}) {
            (window->curveCommands().*click)();
            EXPECT_EQ(offered.toStdString(), r.offered + ("." + option));
            const ToolRun run = runTool(
                "curve '" + preset.string() + "' " + r.toolPage + " --" + option, scratch(""));
            ASSERT_EQ(run.exitCode, 0) << run.err;
            EXPECT_EQ(slurp(exported), run.out) << r.edit << option;
        }
    }
    EXPECT_TRUE(messages.shown().empty());
}
#endif

TEST_F(CurveCommandsTest, PngIsTheGraphAsShownWithoutTheReadout) {
    chosen = presetFolder.filePath("graph.png");
    QTest::mouseMove(w("Image1"), QPoint(5, 5));
    window->curveCommands().ExportGraphPngClick();
    EXPECT_TRUE(window->graphReadout().label()->isVisible());

    const QImage png(chosen);
    const QWidget* outer = w("AdvPanel1");
    const QWidget* plot = w("AdvPanel2");
    ASSERT_EQ(png.size(), QSize(outer->width(), outer->height() - plot->y() + 8));
    EXPECT_EQ(png.convertToFormat(QImage::Format_RGB32), window->curveCommands().graphPicture());
    // Left of every marker, a column of the plot crosses the orange curve.
    bool curve = false;
    for (int y = 8; y < png.height() && !curve; ++y) {
        const QColor c = png.pixelColor(plot->x() + 3, y);
        curve = c.red() > 230 && c.green() > 60 && c.green() < 140 && c.blue() < 80;
    }
    EXPECT_TRUE(curve);
}

TEST_F(CurveCommandsTest, NothingChosenWritesNothingAndAFailedWriteIsReported) {
    window->curveCommands().ExportCurveCsvClick();  // the dialog cancelled
    EXPECT_TRUE(messages.shown().empty());

    const std::filesystem::path missing = scratch("no-such-folder") / "curve.out";
    chosen = QString::fromStdString(missing.string());
    struct Row {
        int language;
        Click click;
        const char* text;
    };
    for (const Row& r : {Row{1, &CurveCommands::ExportCurveCsvClick, "无法写入文件"},
                         Row{0, &CurveCommands::ExportCurveFrdClick, "could not be written"},
                         Row{0, &CurveCommands::ExportGraphPngClick, "could not be written"}}) {
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
