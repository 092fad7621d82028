// End to end: verification after a preset load, and a write the processor acknowledged but
// did not take, found by verification and sent again.
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QTest>

#include "core/pages.h"
#include "presets/preset_file.h"
#include "tests/e2e/online_fixture.h"

namespace aec::test {
namespace {

class VerifyOnlineTest : public OnlineTest {
  protected:
    VerifyCommand& verify() { return editor->verify(); }
    template <class T>
    T* inDialog(const char* name) {
        T* found = verify().dialog().findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // Ticks the verification to its end, each step waiting for what it asked; the highest
    // progress shown on the way goes to `progress`.
    bool verifyToEnd(int& progress) {
        const ReadBack& readBack = verify().readBack();
        for (int i = 0; i < 1000 && readBack.running(); ++i) {
            if (readBack.status() == ReadBackStatus::kWaitingForWrites && !drain()) {
                return false;
            }
            verify().tick();
            progress = std::max(progress, inDialog<QProgressBar>("VerifyProgress")->value());
            // An unanswered step is left to the ticks: they ask again and finally give up.
            (void)QTest::qWaitFor([&] { return readBack.answered(); }, kReplyPatienceMs);
        }
        return readBack.status() == ReadBackStatus::kDone;
    }
    // The processor's settings as the editor holds them, with one Mic A band gain changed,
    // loaded from a preset file while on line.
    Model loadPresetWithMicGain(int gain) {
        Model preset;
        for (int address : presetRecordAddresses()) {
            preset.setParam(pageOf(address), slotOf(address),
                            model().param(pageOf(address), slotOf(address)));
        }
        preset.setParam(kPageMicA, kMicBandGainSlot, gain);
        const auto file = window().presetFiles().directory() / "verify.Kvpx";
        EXPECT_TRUE(savePresetFile(file, preset).ok());
        window().presetFiles().refreshList();
        w<QLineEdit>("FileEdit")->setText("verify");
        QTest::mouseClick(w("RzBmpButton119"), Qt::LeftButton);
        EXPECT_TRUE(transfer());
        return preset;
    }

    // Page 2 slot 17: the gain of Mic A's first band.
    static constexpr int kMicBandGainSlot = 17;
};

TEST_F(VerifyOnlineTest, APresetLoadOnLineIsVerified) {
    ASSERT_TRUE(startSim());
    startEditor();
    ASSERT_TRUE(linkUp());
    loadPresetWithMicGain(150);

    ASSERT_TRUE(verify().readBack().running());  // started by the upload's end
    EXPECT_TRUE(verify().dialog().isVisible());
    int progress = 0;
    ASSERT_TRUE(verifyToEnd(progress));
    EXPECT_GE(progress, ReadBack::kPages - 1);
    EXPECT_TRUE(verify().differences().empty());
    EXPECT_TRUE(
        inDialog<QLabel>("VerifyHeadline")->text().startsWith(QString::fromUtf8("校验通过")));
    EXPECT_FALSE(inDialog<QWidget>("VerifySendBtn")->isVisible());
}

TEST_F(VerifyOnlineTest, AWriteThatDidNotTakeIsFoundAndSentAgain) {
    // Frame 64 is Mic A's page upload: after the probe (1), the load's 59 requests and page
    // 0's two frames and page 1's.
    ASSERT_TRUE(startSim({"--ignore-write-of", "64"}));
    startEditor();
    ASSERT_TRUE(linkUp());
    const Model preset = loadPresetWithMicGain(150);

    int progress = 0;
    ASSERT_TRUE(verifyToEnd(progress));
    const std::vector<ValueDifference> expected = {{kPageMicA, kMicBandGainSlot, 150, 120}};
    ASSERT_EQ(verify().differences(), expected);
    auto* list = inDialog<QListWidget>("VerifyList");
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(),
              QString::fromUtf8("话筒A · 第1段 增益：电脑 6.0dB，设备 0.0dB"));

    QTest::mouseClick(inDialog<QWidget>("VerifySendBtn"), Qt::LeftButton);
    ASSERT_TRUE(verify().readBack().running());
    ASSERT_TRUE(verifyToEnd(progress));
    EXPECT_TRUE(verify().differences().empty());

    const Store memory = simMemoryAfterClose();
    for (int address : presetRecordAddresses()) {
        const int page = pageOf(address);
        const int slot = slotOf(address);
        if (page < kPageSystem) {
            EXPECT_EQ(memory[page][slot], preset.param(page, slot)) << page << "/" << slot;
        }
    }
}

}  // namespace
}  // namespace aec::test
