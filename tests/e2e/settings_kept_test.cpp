// End to end: changes made without the link meet the processor after linking, and the
// processor's settings are backed up before a preset replaces them.
#include <QLineEdit>
#include <QSlider>
#include <QTest>

#include "core/addresses.h"
#include "core/pages.h"
#include "presets/auto_backup.h"
#include "presets/preset_file.h"
#include "tests/e2e/online_fixture.h"

namespace aec::test {
namespace {

class SettingsKeptTest : public OnlineTest {
  protected:
    // A preset of the editor's settings with one value changed.
    bool saveChangedPreset(const std::string& name, int page, int slot, int value) {
        Model preset;
        for (int address : presetRecordAddresses()) {
            preset.setParam(pageOf(address), slotOf(address),
                            model().param(pageOf(address), slotOf(address)));
        }
        preset.setParam(page, slot, value);
        return savePresetFile(window().presetFiles().directory() / (name + ".Kvpx"), preset).ok();
    }
};

TEST_F(SettingsKeptTest, OffLineChangesAreSentOrDroppedAsTheUserChooses) {
    const struct {
        const char* name;
        MessageService::Answer answer;
        bool sent;
    } cases[] = {{"send", MessageService::Answer::Yes, true},
                 {"keep the processor's", MessageService::Answer::No, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SimState box = defaultSimState();
        box.memory[kPageMusic][12] = 100;  // band 1's gain
        box.memory[kPageMain][70] = 5;
        writeSimState(box);
        ASSERT_TRUE(startSim());
        startEditor();  // not linked yet: the search waits for the test's ticks

        // A slider moved and a preset loaded while off line.
        w<QSlider>("MusEQGainBar1")->setValue(150);
        ASSERT_TRUE(saveChangedPreset("offline", kPageMain, 70, 15));
        window().presetFiles().refreshList();
        w<QLineEdit>("FileEdit")->setText("offline");
        messages.queue(MessageService::Answer::Yes);  // load the file
        QTest::mouseClick(w("RzBmpButton119"), Qt::LeftButton);
        const int edits = model().offlineEdits.count();
        ASSERT_EQ(edits, 2);  // the file's other values are the editor's already

        messages.clear();
        messages.queue(c.answer);
        ASSERT_TRUE(linkUp());
        ASSERT_FALSE(messages.shown().empty());
        EXPECT_TRUE(messages.shown().back().text.contains(QString("：%1 项").arg(edits)));
        EXPECT_TRUE(model().offlineEdits.empty());
        ASSERT_TRUE(drain());
        EXPECT_EQ(model().param(kPageMusic, 12), c.sent ? 150 : 100);
        const Store memory = simMemoryAfterClose();
        EXPECT_EQ(memory[kPageMusic][12], c.sent ? 150 : 100);
        EXPECT_EQ(memory[kPageMain][70], c.sent ? 15 : 5);
        editor.reset();
    }
}

TEST_F(SettingsKeptTest, OffLineChangesOutliveTheEditor) {
    const std::filesystem::path file = runtime.filePath("offline-edits.txt").toStdString();
    startEditor();
    editor->keepOfflineEditsIn(file);
    w<QSlider>("MusEQGainBar1")->setValue(150);
    window().close();
    editor.reset();

    startEditor();
    editor->keepOfflineEditsIn(file);
    EXPECT_EQ(model().offlineEdits.edits(), (std::vector<OfflineEdit>{{12, 150}}));
    model().offlineEdits.clear();
    window().close();
    EXPECT_FALSE(std::filesystem::exists(file));  // nothing left to keep
}

TEST_F(SettingsKeptTest, APresetLoadedOnLineIsPrecededByABackupOfTheProcessor) {
    SimState box = defaultSimState();
    box.memory[kPageMusic][12] = 120;
    writeSimState(box);
    ASSERT_TRUE(startSim());
    startEditor();
    ASSERT_TRUE(linkUp());
    const Store before = model().paramStore();

    ASSERT_TRUE(saveChangedPreset("club", kPageMusic, 12, 150));
    window().presetFiles().refreshList();
    w<QLineEdit>("FileEdit")->setText("club");
    QTest::mouseClick(w("RzBmpButton119"), Qt::LeftButton);
    ASSERT_TRUE(transfer());

    const auto backups = listAutoBackups(editor->backups().folder());
    ASSERT_EQ(backups.size(), 1U);
    EXPECT_TRUE(backups[0].filename().string().ends_with(" preset-load.Kvpx"));
    const ParsedPreset saved = parsePresetFile(backups[0]);
    ASSERT_TRUE(saved.result.ok());
    for (const PresetRecord& r : saved.records) {
        EXPECT_EQ(r.value, before[pageOf(r.address)][slotOf(r.address)]) << r.address;
    }
    EXPECT_EQ(model().param(kPageMusic, 12), 150);
}

}  // namespace
}  // namespace aec::test
