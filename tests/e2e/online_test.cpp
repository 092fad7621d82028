// End to end: the editor finds aec-sim over a pseudo-terminal, mirrors it, edits it live, loads
// and saves its modes, says goodbye, and survives a processor that falls silent or vanishes.
#include <signal.h>

#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <QTest>

#include "core/pages.h"
#include "link/frame.h"
#include "tests/e2e/online_fixture.h"

namespace aec::test {
namespace {

// The used slots of the audio pages and the system values a load reads agree.
::testing::AssertionResult MirrorsMemory(const Model& model, const Store& memory) {
    for (int page = 0; page < kPageSystem; ++page) {
        for (int slot = 0; slot < PageSlotCount(page); ++slot) {
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
    SimState box = DefaultSimState();
    box.modes[2].name = "Karaoke";
    box.memory[kPageSystem][2] = 17;
    WriteSimState(box);
    ASSERT_TRUE(StartSim());
    StartEditor();
    EXPECT_EQ(statusText(), QString::fromUtf8("设备搜索..."));
    EXPECT_TRUE(editor->dialog().isVisible());

    ASSERT_TRUE(LinkUp());
    EXPECT_EQ(statusText(), QString::fromUtf8("设备已连接"));
    EXPECT_TRUE(w<QLabel>("LinkLabel")->styleSheet().contains("#003399"));
    EXPECT_EQ(w<BmpButton>("LinkBtn")->text(), QString::fromUtf8("断开"));
    EXPECT_EQ(w<BmpButton>("LinkBtn")->captionColour(), QColor(0xF3, 0x98, 0x00));
    EXPECT_FALSE(editor->dialog().isVisible());
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_TRUE(MirrorsMemory(model(), box.memory));
    EXPECT_EQ(model().systemPassword, box.systemPassword);
    EXPECT_EQ(model().panelPassword, box.panelPassword);

    auto* modes = w<QComboBox>("SysModeBox");
    ASSERT_EQ(modes->count(), kModeCount);
    EXPECT_EQ(modes->itemText(2), "3-Karaoke");
    EXPECT_EQ(modes->itemText(16), QString::fromStdString("MF1-" + box.modes[16].name));
    EXPECT_EQ(modes->currentIndex(), 17);
}

TEST_F(OnlineTest, EditsReachTheSimulatorAndAnIdleLinkKeepsAlive) {
    ASSERT_TRUE(StartSim());
    StartEditor();
    ASSERT_TRUE(LinkUp());

    auto* gain = w<QSlider>("MusEQGainBar1");
    const int target = gain->value() == 150 ? 149 : 150;
    gain->setValue(target);
    const int device = model().DeviceAddress(TagOf(gain));
    EXPECT_EQ(model().param(PageOf(device), SlotOf(device)), target);
    const auto written = [this] { return SimLog().contains("write 0x0"); };
    ASSERT_TRUE(QTest::qWaitFor(written, kPatienceMs));

    // One keep-alive a second while nothing else is sent, each acknowledged.
    Hold(49);
    EXPECT_EQ(SimLog().count("write keep-alive"), 0);
    Hold(1);
    ASSERT_TRUE(WaitReady());
    Hold(50);
    ASSERT_TRUE(WaitReady());
    EXPECT_TRUE(state().onLine());
    EXPECT_TRUE(
        QTest::qWaitFor([this] { return SimLog().count("write keep-alive") == 2; }, kPatienceMs));

    window().close();
    StopSim();
    const std::optional<SimState> saved = SavedSimState();
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->memory[PageOf(device)][SlotOf(device)], target);
}

TEST_F(OnlineTest, LoadingAModeOnTheSimulatorReloadsEverything) {
    ASSERT_TRUE(StartSim());
    StartEditor();
    ASSERT_TRUE(LinkUp());
    const SimState box = DefaultSimState();

    w<QComboBox>("SysModeBox")->setCurrentIndex(17);
    w<BmpButton>("SysLoadModeBtn")->click();
    ASSERT_FALSE(messages.shown().empty());
    EXPECT_EQ(messages.shown().back().text,
              QString::fromUtf8("模式切换为") + w<QComboBox>("SysModeBox")->itemText(17) + "?");
    EXPECT_EQ(statusText(), QString::fromUtf8("加载中..."));
    ASSERT_TRUE(WaitReady());
    Hold(1);
    ASSERT_TRUE(connection().timer2Enabled());
    ASSERT_TRUE(Transfer());

    Store expected = box.memory;
    for (int page = 0; page < kModePages; ++page) {
        expected[page] = box.modes[17].pages[page];
    }
    expected[kPageSystem][2] = 17;
    EXPECT_TRUE(MirrorsMemory(model(), expected));
    EXPECT_EQ(w<QComboBox>("SysModeBox")->currentIndex(), 17);
}

TEST_F(OnlineTest, SavingAModeRenamesItAndClosingSaysGoodbye) {
    SimState box = DefaultSimState();
    box.memory[kPageSystem][8] = 1;  // manager level
    WriteSimState(box);
    ASSERT_TRUE(StartSim());
    StartEditor();
    ASSERT_TRUE(LinkUp());

    auto* modes = w<QComboBox>("SysModeBox");
    modes->setCurrentIndex(2);
    w<QLineEdit>("PresetModeEdit")->setText("Party");
    w<BmpButton>("SysSaveModeBtn")->click();
    EXPECT_EQ(statusText(), QString::fromUtf8("保存中..."));
    ASSERT_TRUE(WaitReady());
    Hold(1);
    EXPECT_TRUE(Shown("保存成功!"));
    EXPECT_EQ(modes->itemText(2), "3-Party");
    EXPECT_EQ(statusText(), QString::fromUtf8("设备已连接"));

    window().close();
    EXPECT_TRUE(
        QTest::qWaitFor([this] { return SimLog().contains("write disconnect"); }, kPatienceMs));
    StopSim();
    const std::optional<SimState> saved = SavedSimState();
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->modes[2].name, "Party");
}

TEST_F(OnlineTest, NoPortAtAllFailsTheSearch) {
    StartEditor();
    EXPECT_FALSE(Search());
    EXPECT_TRUE(Shown("连接失败!"));
    EXPECT_EQ(statusText(), QString::fromUtf8("设备未连接"));
    EXPECT_TRUE(w<QLabel>("LinkLabel")->styleSheet().contains("#ff0000"));
    EXPECT_EQ(w<BmpButton>("LinkBtn")->text(), QString::fromUtf8("联机"));
    EXPECT_FALSE(editor->dialog().isVisible());

    // A simulator started afterwards is found by the next press of the link button.
    ASSERT_TRUE(StartSim());
    w<BmpButton>("LinkBtn")->click();
    EXPECT_TRUE(LinkUp());
}

TEST_F(OnlineTest, SimulatorSilentInTheMiddleOfTheLoad) {
    ASSERT_TRUE(StartSim({"--stop-after", "20"}));
    StartEditor();
    ASSERT_TRUE(Search());
    EXPECT_FALSE(Transfer());
    EXPECT_TRUE(Shown("连接失败!"));
    EXPECT_EQ(statusText(), QString::fromUtf8("设备未连接"));
    const PageRow firstPage = model().paramStore()[0];
    EXPECT_EQ(firstPage[0], DefaultSimState().memory[0][0]);

    StopSim();
    ASSERT_TRUE(StartSim());
    w<BmpButton>("LinkBtn")->click();
    EXPECT_TRUE(LinkUp());
}

TEST_F(OnlineTest, SimulatorSilentWhileOnLineIsLostAfterFiveSeconds) {
    ASSERT_TRUE(StartSim());
    StartEditor();
    ASSERT_TRUE(LinkUp());
    const Store before = model().paramStore();

    ASSERT_EQ(::kill(static_cast<pid_t>(sim.processId()), SIGSTOP), 0);
    Hold(50 + 5 * 50);
    EXPECT_TRUE(Shown("已断开连接!"));
    EXPECT_FALSE(state().onLine());
    EXPECT_EQ(model().paramStore(), before);

    ASSERT_EQ(::kill(static_cast<pid_t>(sim.processId()), SIGCONT), 0);
    QTest::qWait(50);  // what the simulator still had to say
    w<BmpButton>("LinkBtn")->click();
    EXPECT_TRUE(LinkUp());
}

TEST_F(OnlineTest, PortThatVanishesIsLostAndFoundAgain) {
    ASSERT_TRUE(StartSim());
    StartEditor();
    ASSERT_TRUE(LinkUp());
    const Store before = model().paramStore();

    StopSim();  // the pseudo-terminal goes away like a pulled USB adapter
    QtSerialPort& port = editor->link().ComPort();
    ASSERT_TRUE(QTest::qWaitFor([&port] { return !port.isOpen(); }, kPatienceMs));
    EXPECT_EQ(port.vanishedCount(), 1);
    Hold(50 + 5 * 50);
    EXPECT_TRUE(Shown("已断开连接!"));
    EXPECT_EQ(model().paramStore(), before);

    ASSERT_TRUE(StartSim());
    w<BmpButton>("LinkBtn")->click();
    EXPECT_TRUE(LinkUp());
}

}  // namespace
}  // namespace aec::test
