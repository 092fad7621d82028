// Filter lists imported into and exported from the bands on show, with the file dialogs and the
// report dialog answered by the test.
#include <QFile>
#include <QListWidget>

#include "editor_fixture.h"
#include "presets/filter_parse.h"
#include "ui/commands/filter_import_dialog.h"
#include "ui/widgets/buttons.h"

namespace aec::test {
namespace {

constexpr const char* kTwoFilters =
    "Filter  1: ON  PK       Fc     209 Hz  Gain  -3.9 dB  Q 3.943\n"
    "Filter  2: ON  LSC      Fc      80 Hz  Gain -20.0 dB  Q 0.71\n";

class FilterCommandsTest : public EditorTest {
  protected:
    void SetUp() override {
        EditorTest::SetUp();
        commands().setOpenChooser([this] { return m_path; });
        commands().setReportRunner([this](FilterImportDialog& dialog) {
            ++reports;
            bandLines = dialog.bandList()->count();
            QTest::mouseClick(apply ? dialog.applyButton() : dialog.cancelButton(), Qt::LeftButton);
            return dialog.result() == QDialog::Accepted;
        });
    }
    FilterCommands& commands() { return window->filterCommands(); }
    // A file in the test's folder holding `text`; the next import reads it.
    QString fileWith(const QByteArray& text) {
        m_path = presetFolder.filePath("filters.txt");
        QFile file(m_path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return m_path;
    }
    void importFile(const QString& path) {
        m_path = path;
        commands().ImportFiltersClick();
    }

    bool apply = true;
    int reports = 0;
    int bandLines = 0;

  private:
    QString m_path;
};

TEST_F(FilterCommandsTest, ImportWritesTheBandsOfTheChannelOnShowAndSendsThem) {
    const struct {
        const char* name;
        int tab;
        const char* sideButton;  // nullptr: the left channel
        int page;
        std::vector<std::pair<int, int>> values;  // ParamStore slot -> value after the import
        const char* gainEdit;
        const char* gainText;
        std::size_t sent;
    } kCases[] = {
        {"music left",
         kTabMusic,
         nullptr,
         0,
         {{10, 1},
          {11, 123},
          {12, 100},
          {13, 40},
          {15, 2},
          {16, 73},
          {17, 20},
          {19, 10},
          {22, 120},
          {10 + 75, 1},
          {12 + 75, 120}},
         "MusGainEdit1",
         "-4.0dB",
         75},
        {"music right",
         kTabMusic,
         "RightBtn",
         0,
         {{12 + 75, 100}, {17 + 75, 20}, {22 + 75, 120}, {12, 100}, {22, 150}},
         "MusGainEdit2",
         "-20.0dB",
         75},
        {"dynamic EQ: gain limited to -12 dB",
         kTabDynamicEq,
         nullptr,
         1,
         {{2, 1}, {4, 100}, {12, 2}, {14, 60}, {24, 120}, {32, 0}},
         "DEQGainEdit2",
         "-12.0dB",
         15},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        selectTab(c.tab);
        if (c.sideButton != nullptr) {
            QTest::mouseClick(w(c.sideButton), Qt::LeftButton);
        }
        // A band beyond the file's filters is set back to its default.
        model.setParam(c.page, c.page == 1 ? 24 : 22, 150);
        sink.sent.clear();
        importFile(fileWith(kTwoFilters));
        for (const auto& [slot, value] : c.values) {
            EXPECT_EQ(model.param(c.page, slot), value) << slot;
        }
        EXPECT_EQ(sink.sent.size(), c.sent);
        EXPECT_EQ(static_cast<std::size_t>(bandLines) * 5, c.sent);
        EXPECT_EQ(edit(c.gainEdit)->text(), c.gainText);
        EXPECT_TRUE(messages.shown().empty());
    }
}

TEST_F(FilterCommandsTest, NothingChangesWhenCancelledOrTheFileGivesNoBand) {
    const QString missing = presetFolder.filePath("missing.txt");
    const struct {
        const char* name;
        QByteArray text;  // empty: the file does not exist
        bool apply;
        int reports;
        const char* message;  // start of the message shown, nullptr for none
    } kCases[] = {
        {"cancelled", kTwoFilters, false, 1, nullptr},
        {"damaged", "Filter 1: ON PK Fc\n\x01\x02\n", true, 0, "第 1 行：无法读取"},
        {"only unsupported", "Filter: ON LP Fc 80 Hz\n", true, 0, "第 1 行：频段不支持"},
        {"too large", QByteArray(static_cast<int>(kMaxFilterTextBytes) + 1, ' '), true, 0,
         "文件太大"},
        {"unreadable file", {}, true, 0, "无法读取文件"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        const Store before = model.paramStore();
        apply = c.apply;
        reports = 0;
        messages.clear();
        sink.sent.clear();
        importFile(c.text.isEmpty() ? missing : fileWith(c.text));
        EXPECT_EQ(model.paramStore(), before);
        EXPECT_TRUE(sink.sent.empty());
        EXPECT_EQ(reports, c.reports);
        if (c.message == nullptr) {
            EXPECT_TRUE(messages.shown().empty());
        } else {
            ASSERT_EQ(messages.shown().size(), 1u);
            EXPECT_TRUE(messages.shown()[0].text.startsWith(QString::fromUtf8(c.message)))
                << messages.shown()[0].text.toStdString();
        }
    }
}

TEST_F(FilterCommandsTest, ExportedBandsComeBackAfterAnEdit) {
    model.setParam(kPageMusic, 160, 1);  // manual output set-up: the output bands are editable
    selectTab(kTabMain);
    typeInto("MainGainEdit3", "-7.4");
    typeInto("MainFreEdit3", "1240");
    const QString path = presetFolder.filePath("main.cfg");
    for (const FilterFormat format : {FilterFormat::Rew, FilterFormat::Apo}) {
        commands().setSaveChooser([&] { return FilterCommands::SaveChoice{path, format}; });
        commands().ExportFiltersClick();
        const Store exported = model.paramStore();
        typeInto("MainGainEdit3", "3");
        importFile(path);
        EXPECT_EQ(model.paramStore(), exported);
        EXPECT_EQ(edit("MainGainEdit3")->text(), "-7.4dB");
    }
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(FilterCommandsTest, FailedExportIsReported) {
    const QString path = presetFolder.filePath("no/such/folder/out.txt");
    commands().setSaveChooser([&] { return FilterCommands::SaveChoice{path, FilterFormat::Apo}; });
    model.setLanguageFlag(0);
    commands().ExportFiltersClick();
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_TRUE(messages.shown()[0].text.startsWith("Cannot write the file:\n" + path));
    EXPECT_FALSE(QFile::exists(path));
}

}  // namespace
}  // namespace aec::test
