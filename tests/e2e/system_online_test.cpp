// End to end: preset files, passwords and the panel lock against aec-sim.
#include <QTest>

#include "core/addresses.h"
#include "core/pages.h"
#include "presets/preset_file.h"
#include "tests/e2e/online_fixture.h"

namespace aec::test {
namespace {

class SystemOnlineTest : public OnlineTest {
  protected:
    std::filesystem::path presetFile(const std::string& name) {
        return window().presetFiles().directory() / (name + ".Kvpx");
    }
    void click(const char* name) { QTest::mouseClick(w(name), Qt::LeftButton); }
    void type(const char* box, const char* keys) {
        QTest::keyClicks(w(box), keys);
        QTest::keyClick(w(box), Qt::Key_Return);
    }
};

TEST_F(SystemOnlineTest, ASavedPresetHoldsTheProcessorsSettings) {
    SimState box = defaultSimState();
    box.memory[kPageMusic][12] = 150;
    box.memory[kPageMicB][40] = 7;
    writeSimState(box);
    ASSERT_TRUE(startSim());
    startEditor();
    ASSERT_TRUE(linkUp());

    w<QLineEdit>("FileEdit")->setText("box");
    click("RzBmpButton120");
    const ParsedPreset saved = parsePresetFile(presetFile("box"));
    ASSERT_TRUE(saved.result.ok());
    const Store memory = simMemoryAfterClose();
    for (const PresetRecord& r : saved.records) {
        const int page = pageOf(r.address);
        const int slot = slotOf(r.address);
        // Linking reads the pages up to their slot count; the highest slot and the input
        // selection are the editor's own.
        if (page < kPageSystem && slot < pageSlotCount(page)) {
            EXPECT_EQ(r.value, memory[page][slot]) << page << "/" << slot;
        }
    }
}

TEST_F(SystemOnlineTest, ALoadedPresetReachesTheProcessorWholly) {
    ASSERT_TRUE(startSim());
    startEditor();
    ASSERT_TRUE(linkUp());

    // The processor's settings with changes a person would make, the highest slots included.
    Model preset;
    for (int address : presetRecordAddresses()) {
        preset.setParam(pageOf(address), slotOf(address),
                        model().param(pageOf(address), slotOf(address)));
    }
    preset.setParam(kPageMusic, 12, 150);
    preset.setParam(kPageMicA, 110, 2);   // the last band a low shelf
    preset.setParam(kPageMicA, 114, 20);  // with its shelf Q beyond the page frame
    preset.setParam(kPageMain, 70, 15);
    preset.setParam(kPageEchoB, 48, 18);
    preset.setParam(kPageSystem, 20, 1);
    ASSERT_TRUE(savePresetFile(presetFile("club"), preset).ok());
    window().presetFiles().refreshList();

    w<QLineEdit>("FileEdit")->setText("club");
    click("RzBmpButton119");
    ASSERT_TRUE(connection().timer2Enabled());  // the upload started
    ASSERT_TRUE(transfer());
    ASSERT_TRUE(drain());
    const Store memory = simMemoryAfterClose();
    for (int address : presetRecordAddresses()) {
        const int page = pageOf(address);
        const int slot = slotOf(address);
        EXPECT_EQ(memory[page][slot], preset.param(page, slot)) << page << "/" << slot;
    }
}

TEST_F(SystemOnlineTest, NewPasswordsAreKeptByTheProcessor) {
    ASSERT_TRUE(startSim());
    startEditor();
    ASSERT_TRUE(linkUp());

    type("SysPanelLabel1", "123456");
    type("NewSysPassLabel1", "240618");
    type("NewSysPassLabel2", "240618");
    ASSERT_TRUE(waitReady());
    type("PassPanelLabel1", "1234");
    click("RzBmpButton22");
    QTest::keyClicks(w("NewPassLabel1"), "9876");
    click("RzBmpButton23");
    ASSERT_TRUE(waitReady());

    window().close();
    stopSim();
    const std::optional<SimState> saved = savedSimState();
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->systemPassword, "240618");
    EXPECT_EQ(saved->panelPassword, "9876");
}

TEST_F(SystemOnlineTest, APanelLockedAtLinkingIsUnlockedOncePerLink) {
    SimState box = defaultSimState();
    box.memory[pageOf(kPanelLockAddress)][slotOf(kPanelLockAddress)] = 1;
    writeSimState(box);
    ASSERT_TRUE(startSim());
    startEditor();
    ASSERT_TRUE(linkUp());

    QWidget* lockBox = w("FirstCheckGrop");
    ASSERT_TRUE(lockBox->isVisible());
    EXPECT_FALSE(w("AdvPageControl1")->isEnabled());
    type("PanelPassWordEdit", "1234");  // Enter does not unlock
    EXPECT_TRUE(lockBox->isVisible());
    click("RzBmpButton4");
    EXPECT_FALSE(lockBox->isVisible());
    EXPECT_TRUE(Shown("解锁成功"));
    click("FormMAINTabBtn");
    EXPECT_FALSE(lockBox->isVisible());

    connection().LinkBtnClick(LinkSender::kUnLinkBtn);
    connection().LinkBtnClick(LinkSender::kLinkBtn);
    ASSERT_TRUE(linkUp());
    EXPECT_TRUE(lockBox->isVisible());
}

TEST_F(SystemOnlineTest, TheLinkButtonAndStatusSpeakTheLanguageChosen) {
    ASSERT_TRUE(startSim());
    startEditor();
    ASSERT_TRUE(linkUp());
    click("RzToolButton11");
    EXPECT_EQ(w<BmpButton>("LinkBtn")->text(), "Unlink");
    EXPECT_EQ(w<QLabel>("LinkLabel")->text(), "Online");
    EXPECT_EQ(editor->dialog().windowTitle(), "Device Staus");
    click("RzToolButton11");
    EXPECT_EQ(w<BmpButton>("LinkBtn")->text(), QString::fromUtf8("断开"));
    EXPECT_EQ(w<QLabel>("LinkLabel")->text(), QString::fromUtf8("设备已连接"));
}

}  // namespace
}  // namespace aec::test
