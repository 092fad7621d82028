// End to end against a misbehaving aec-sim: a port another program holds, garbled replies, a
// processor that falls silent during a reload or an upload, a lost acknowledgement. In each the
// editor keeps running, says what happened, keeps the values it holds and links again.
#include <signal.h>

#include <QComboBox>
#include <QFile>
#include <QSlider>
#include <QTest>

#include "core/pages.h"
#include "tests/e2e/online_fixture.h"

namespace aec::test {
namespace {

class FaultsTest : public OnlineTest {
  protected:
    // Off line after a failed link or transfer, saying so, with the window still there.
    void expectFailedClearly() {
        EXPECT_TRUE(Shown("连接失败!"));
        EXPECT_EQ(statusText(), QString::fromUtf8("设备未连接"));
        EXPECT_FALSE(state().onLine());
        EXPECT_FALSE(connection().timer2Enabled());
        EXPECT_FALSE(editor->dialog().isVisible());
        EXPECT_TRUE(window().isVisible());
    }
    // A healthy simulator in place of the faulty one, found by the link button.
    bool linksAgainWithAHealthySimulator() {
        stopSim();
        if (!startSim()) {
            return false;
        }
        w<BmpButton>("LinkBtn")->click();
        return linkUp();
    }
    void pauseSim() { ASSERT_EQ(::kill(static_cast<pid_t>(sim.processId()), SIGSTOP), 0); }
    int framesReceivedBySim() const {
        int count = 0;
        for (const QString& line : simLog().split('\n')) {
            count += line.startsWith("in ") ? 1 : 0;
        }
        return count;
    }
};

TEST_F(FaultsTest, PortHeldByAnotherProgramFailsTheSearch) {
    ASSERT_TRUE(startSim({"--refuse-open"}));
    startEditor();
    EXPECT_FALSE(search());
    expectFailedClearly();
    EXPECT_FALSE(editor->link().ComPort().isOpen());
    EXPECT_TRUE(linksAgainWithAHealthySimulator());
}

TEST_F(FaultsTest, GarbledRepliesAreNeverTakenIntoTheMirror) {
    ASSERT_TRUE(startSim({"--corrupt-checksums"}));
    startEditor();
    const Store before = model().paramStore();
    ASSERT_TRUE(search());  // acknowledgements carry no checksum
    EXPECT_FALSE(transfer());
    expectFailedClearly();
    EXPECT_EQ(model().paramStore(), before);
    EXPECT_TRUE(linksAgainWithAHealthySimulator());
}

TEST_F(FaultsTest, SilentDuringAReloadFailsLikeLinking) {
    ASSERT_TRUE(startSim());
    startEditor();
    ASSERT_TRUE(linkUp());
    Store before = model().paramStore();
    before[kPageSystem][2] = 17;  // the mode the processor was told to load

    w<QComboBox>("SysModeBox")->setCurrentIndex(17);
    w<BmpButton>("SysLoadModeBtn")->click();
    ASSERT_TRUE(waitReady());
    pauseSim();
    hold(1);
    ASSERT_TRUE(connection().timer2Enabled());
    EXPECT_EQ(statusText(), QString::fromUtf8("加载中..."));
    EXPECT_FALSE(transfer());
    expectFailedClearly();
    EXPECT_EQ(model().paramStore(), before);
    EXPECT_TRUE(linksAgainWithAHealthySimulator());
}

TEST_F(FaultsTest, SilentDuringAnUploadFailsAndAnAnsweredOneTakes) {
    ASSERT_TRUE(startSim());
    startEditor();
    ASSERT_TRUE(linkUp());
    // Values that reach the editor without being sent, as a loaded preset does.
    const auto putValues = [this] {
        model().setParam(kPageMain, 0, 100);
        model().setParam(kPageMusic, 1, 7);
    };
    putValues();
    const Store held = model().paramStore();

    pauseSim();
    connection().LinkEvent(LinkEventKind::kUpload);
    EXPECT_FALSE(transfer());
    expectFailedClearly();
    EXPECT_EQ(model().paramStore(), held);

    ASSERT_TRUE(linksAgainWithAHealthySimulator());
    putValues();
    connection().LinkEvent(LinkEventKind::kUpload);
    ASSERT_TRUE(transfer());
    EXPECT_EQ(statusText(), QString::fromUtf8("设备已连接"));
    stopSim();
    const std::optional<SimState> saved = savedSimState();
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->memory[kPageMain][0], 100);
    EXPECT_EQ(saved->memory[kPageMusic][1], 7);
}

TEST_F(FaultsTest, AWriteWhoseAcknowledgementIsLostIsSentAgain) {
    // The first frame after a link is the edit below; count the link's frames first.
    ASSERT_TRUE(startSim());
    startEditor();
    ASSERT_TRUE(linkUp());
    const int linkFrames = framesReceivedBySim();
    editor.reset();
    stopSim();
    QFile::remove(logFile);
    ASSERT_TRUE(startSim({"--drop-ack-of", QString::number(linkFrames + 1)}));
    startEditor();
    ASSERT_TRUE(linkUp());
    ASSERT_EQ(framesReceivedBySim(), linkFrames);

    auto* gain = w<QSlider>("MusEQGainBar1");
    const int target = gain->value() == 150 ? 149 : 150;
    gain->setValue(target);
    const int device = model().deviceAddress(tagOf(gain));
    const QString written = QStringLiteral("write 0x%1 = %2")
                                .arg(QString::number(device, 16).toUpper().rightJustified(4, '0'))
                                .arg(target);
    const auto writes = [this, &written] {
        int count = 0;
        for (const QString& line : simLog().split('\n')) {
            count += line.startsWith("in ") && line.endsWith(written) ? 1 : 0;
        }
        return count;
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return writes() == 1; }, kPatienceMs));
    // Two idle seconds without its acknowledgement: the write goes out again, not a keep-alive.
    hold(2 * 50);
    EXPECT_TRUE(QTest::qWaitFor([&] { return writes() == 2; }, kPatienceMs));
    ASSERT_TRUE(QTest::qWaitFor([this] { return state().allAcknowledged(); }, kPatienceMs));
    hold(50);
    EXPECT_EQ(writes(), 2);
    EXPECT_TRUE(state().onLine());
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(model().param(pageOf(device), slotOf(device)), target);
}

}  // namespace
}  // namespace aec::test
