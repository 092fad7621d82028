// End to end: the editor finds aec-sim over a pseudo-terminal, mirrors it, edits it live, loads
// and saves its modes, says goodbye, and survives a processor that falls silent or vanishes.
#include <signal.h>

#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <QTest>

#include "core/pages.h"
#include "link/frame.h"
#include "presets/auto_backup.h"
#include "tests/e2e/online_fixture.h"

namespace aec::test {
namespace {

// The used slots of the audio pages and the system values a load reads agree.
::testing::AssertionResult mirrorsMemory(const Model& model, const Store& memory) {
    for (int page = 0; page < kPageSystem; ++page) {
        for (int slot = 0; slot < pageSlotCount(page); ++slot) {
            if (model.param(page, slot) != memory[page][slot]) {
                return ::testing::AssertionFailure()
                       << "page " << page << " slot " << slot << ": " << model.param(page, slot)
                       << " != " << memory[page][slot];
            }
        }
    }
    for (int slot : {1, 2, 3, 4, 8}) {
        if (model.param(kPageSystem, slot) != memory[kPageSystem][slot]) {
            return ::testing::AssertionFailure() << "system slot " << slot;
        }
    }
    return ::testing::AssertionSuccess();
}

TEST_F(OnlineTest, StartUpFindsTheSimulatorAndLoadsEverything) {
    SimState box = defaultSimState();
    box.modes[2].name = "Karaoke";
    box.memory[kPageSystem][2] = 17;
    writeSimState(box);
    ASSERT_TRUE(startSim());
    startEditor();
    EXPECT_EQ(statusText(), QString::fromUtf8("设备搜索..."));
    EXPECT_TRUE(editor->dialog().isVisible());

    ASSERT_TRUE(linkUp());
    EXPECT_EQ(statusText(), QString::fromUtf8("设备已连接"));
    EXPECT_TRUE(w<QLabel>("LinkLabel")->styleSheet().contains("#003399"));
    EXPECT_EQ(w<BmpButton>("LinkBtn")->text(), QString::fromUtf8("断开"));
    EXPECT_EQ(w<BmpButton>("LinkBtn")->captionColour(), QColor(0xF3, 0x98, 0x00));
    EXPECT_FALSE(editor->dialog().isVisible());
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_TRUE(mirrorsMemory(model(), box.memory));
    EXPECT_EQ(model().systemPassword, box.systemPassword);
    EXPECT_EQ(model().panelPassword, box.panelPassword);
    EXPECT_EQ(w<QLabel>("DeviceIDLabel")->text(), "AEC02026");  // sent with the probe's answer

    auto* modes = w<QComboBox>("SysModeBox");
    ASSERT_EQ(modes->count(), kModeCount);
    EXPECT_EQ(modes->itemText(2), "3-Karaoke");
    EXPECT_EQ(modes->itemText(16), QString::fromStdString("MF1-" + box.modes[16].name));
    EXPECT_EQ(modes->currentIndex(), 17);
}

TEST_F(OnlineTest, EditsReachTheSimulatorAndAnIdleLinkKeepsAlive) {
    ASSERT_TRUE(startSim());
    startEditor();
    ASSERT_TRUE(linkUp());

    auto* gain = w<QSlider>("MusEQGainBar1");
    const int target = gain->value() == 150 ? 149 : 150;
    gain->setValue(target);
    const int device = model().deviceAddress(tagOf(gain));
    EXPECT_EQ(model().param(pageOf(device), slotOf(device)), target);
    const auto written = [this] { return simLog().contains("write 0x0"); };
    ASSERT_TRUE(QTest::qWaitFor(written, kPatienceMs));

    // One keep-alive a second while nothing else is sent, each acknowledged.
    hold(49);
    EXPECT_EQ(simLog().count("write keep-alive"), 0);
    hold(1);
    ASSERT_TRUE(waitReady());
    hold(50);
    ASSERT_TRUE(waitReady());
    EXPECT_TRUE(state().onLine());
    EXPECT_TRUE(
        QTest::qWaitFor([this] { return simLog().count("write keep-alive") == 2; }, kPatienceMs));

    window().close();
    stopSim();
    const std::optional<SimState> saved = savedSimState();
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->memory[pageOf(device)][slotOf(device)], target);
}

TEST_F(OnlineTest, LoadingAModeOnTheSimulatorReloadsEverything) {
    ASSERT_TRUE(startSim());
    startEditor();
    ASSERT_TRUE(linkUp());
    const SimState box = defaultSimState();

    w<QComboBox>("SysModeBox")->setCurrentIndex(17);
    w<BmpButton>("SysLoadModeBtn")->click();
    ASSERT_FALSE(messages.shown().empty());
    EXPECT_EQ(messages.shown().back().text,
              QString::fromUtf8("模式切换为") + w<QComboBox>("SysModeBox")->itemText(17) + "?");
    EXPECT_EQ(statusText(), QString::fromUtf8("加载中..."));
    ASSERT_TRUE(waitReady());
    hold(1);
    ASSERT_TRUE(connection().timer2Enabled());
    ASSERT_TRUE(transfer());

    Store expected = box.memory;
    for (int page = 0; page < kModePages; ++page) {
        expected[page] = box.modes[17].pages[page];
    }
    expected[kPageSystem][2] = 17;
    EXPECT_TRUE(mirrorsMemory(model(), expected));
    EXPECT_EQ(w<QComboBox>("SysModeBox")->currentIndex(), 17);
}

TEST_F(OnlineTest, SavingAModeRenamesItAndClosingSaysGoodbye) {
    SimState box = defaultSimState();
    box.memory[kPageSystem][8] = 1;  // manager level
    writeSimState(box);
    ASSERT_TRUE(startSim());
    startEditor();
    ASSERT_TRUE(linkUp());

    auto* modes = w<QComboBox>("SysModeBox");
    modes->setCurrentIndex(2);
    w<QLineEdit>("PresetModeEdit")->setText("Party");
    w<BmpButton>("SysSaveModeBtn")->click();
    EXPECT_EQ(statusText(), QString::fromUtf8("保存中..."));
    // The settings were backed up first.
    const auto backups = listAutoBackups(editor->backups().folder());
    ASSERT_EQ(backups.size(), 1U);
    EXPECT_TRUE(backups[0].filename().string().ends_with(" mode-save-3.Kvpx"));
    ASSERT_TRUE(waitReady());
    hold(1);
    EXPECT_TRUE(Shown("保存成功!"));
    EXPECT_EQ(modes->itemText(2), "3-Party");
    EXPECT_EQ(statusText(), QString::fromUtf8("设备已连接"));

    window().close();
    EXPECT_TRUE(
        QTest::qWaitFor([this] { return simLog().contains("write disconnect"); }, kPatienceMs));
    stopSim();
    const std::optional<SimState> saved = savedSimState();
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->modes[2].name, "Party");
}

TEST_F(OnlineTest, NoPortAtAllFailsTheSearch) {
    startEditor();
    EXPECT_FALSE(search());
    EXPECT_TRUE(Shown("连接失败!"));
    EXPECT_EQ(statusText(), QString::fromUtf8("设备未连接"));
    EXPECT_TRUE(w<QLabel>("LinkLabel")->styleSheet().contains("#ff0000"));
    EXPECT_EQ(w<BmpButton>("LinkBtn")->text(), QString::fromUtf8("联机"));
    EXPECT_FALSE(editor->dialog().isVisible());

    // A simulator started afterwards is found by the next press of the link button.
    ASSERT_TRUE(startSim());
    w<BmpButton>("LinkBtn")->click();
    EXPECT_TRUE(linkUp());
}

TEST_F(OnlineTest, SimulatorSilentInTheMiddleOfTheLoad) {
    ASSERT_TRUE(startSim({"--stop-after", "20"}));
    startEditor();
    ASSERT_TRUE(search());
    EXPECT_FALSE(transfer());
    EXPECT_TRUE(Shown("连接失败!"));
    EXPECT_EQ(statusText(), QString::fromUtf8("设备未连接"));
    const PageRow firstPage = model().paramStore()[0];
    EXPECT_EQ(firstPage[0], defaultSimState().memory[0][0]);

    stopSim();
    ASSERT_TRUE(startSim());
    w<BmpButton>("LinkBtn")->click();
    EXPECT_TRUE(linkUp());
}

TEST_F(OnlineTest, SimulatorSilentWhileOnLineIsLostAfterFiveSeconds) {
    ASSERT_TRUE(startSim());
    startEditor();
    ASSERT_TRUE(linkUp());
    const Store before = model().paramStore();

    ASSERT_EQ(::kill(static_cast<pid_t>(sim.processId()), SIGSTOP), 0);
    hold(50 + 5 * 50);
    EXPECT_TRUE(Shown("已断开连接!"));
    EXPECT_FALSE(state().onLine());
    EXPECT_EQ(model().paramStore(), before);

    ASSERT_EQ(::kill(static_cast<pid_t>(sim.processId()), SIGCONT), 0);
    QTest::qWait(50);  // what the simulator still had to say
    w<BmpButton>("LinkBtn")->click();
    EXPECT_TRUE(linkUp());
}

TEST_F(OnlineTest, PortThatVanishesIsLostAndFoundAgain) {
    ASSERT_TRUE(startSim());
    startEditor();
    ASSERT_TRUE(linkUp());
    const Store before = model().paramStore();

    stopSim();  // the pseudo-terminal goes away like a pulled USB adapter
    QtSerialPort& port = editor->link().ComPort();
    ASSERT_TRUE(QTest::qWaitFor([&port] { return !port.isOpen(); }, kPatienceMs));
    EXPECT_EQ(port.vanishedCount(), 1);
    hold(50 + 5 * 50);
    EXPECT_TRUE(Shown("已断开连接!"));
    EXPECT_EQ(model().paramStore(), before);

    ASSERT_TRUE(startSim());
    w<BmpButton>("LinkBtn")->click();
    EXPECT_TRUE(linkUp());
}

}  // namespace
}  // namespace aec::test
