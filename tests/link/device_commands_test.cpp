// Mode list texts, loading and saving the processor's modes, new passwords, and the system
// volume bar rules.
#include "link/device_commands.h"

#include <map>

#include "link/frame.h"
#include "link/volume_rules.h"
#include "tests/link/connection_harness.h"
#include "tests/link/fake_port.h"

namespace aec::test {
namespace {

TEST(ModeList, ItemTextsAndTheNameAfterThePrefix) {
    struct Case {
        int index;
        const char* name;
        const char* item;
    };
    for (const Case& c :
         {Case{0, "", "1-"}, Case{8, "Home", "9-Home"}, Case{9, "Party", "10-Party"},
          Case{15, "x-y", "16-x-y"}, Case{16, "", "MF1-"}, Case{17, "Club", "MF2-Club"}}) {
        EXPECT_EQ(ModeItemText(c.index, c.name), c.item);
        EXPECT_EQ(ModeNameOfItem(c.index, c.item), c.name) << c.item;
    }
    // The initial items of the form ("1-" to "22-") leave no name, whatever the prefix length.
    EXPECT_EQ(ModeNameOfItem(20, "21-"), "");
}

class DeviceCommandsTest : public ConnectionTest {
  protected:
    DeviceCommandsTest() {
        GoOnLine();
        TakeWrites();
    }
    void BeManager() { model.setView(kPageSystem, 8, 1); }

    DeviceCommands commands{model,      state(), connection.sender(), connection.scheduler(),
                            connection, view};
};

TEST_F(DeviceCommandsTest, SaveModeSendsTheRecordAndReportsAfterTheAcknowledgement) {
    BeManager();
    const std::optional<int> target = commands.SaveModeTarget(2);
    ASSERT_EQ(target, 2);
    ASSERT_TRUE(commands.SaveMode(*target, "Party"));
    EXPECT_EQ(view.asked.back(), (Message{"保存当前模式为 3-Party?", "Confirm"}));
    EXPECT_EQ(model.modeNames[2], "Party");
    EXPECT_EQ(view.caption, "保存中...");
    EXPECT_FALSE(state().onLine());

    const std::vector<Bytes> writes = TakeWrites();
    ASSERT_EQ(writes.size(), 1u);
    const Bytes& frame = writes[0];
    ASSERT_EQ(frame.size(), 29u);
    EXPECT_EQ(Bytes(frame.begin(), frame.begin() + 13),
              Hex("F5 B1 1A B7 1E 01 02 00 50 61 72 74 79"));
    EXPECT_EQ(Bytes(frame.begin() + 13, frame.end() - 1), Bytes(15, ' '));
    EXPECT_EQ(frame.back(), FrameChecksum(frame));

    // The keep-alive's acknowledgement standing from before does not complete the save.
    Hold();
    EXPECT_TRUE(view.told.empty());
    Pump();
    Hold();
    EXPECT_EQ(view.told, (std::vector<Message>{{"保存成功!", "提示"}}));
    EXPECT_EQ(view.modeListRebuilds, 1);
    EXPECT_TRUE(state().onLine());
    EXPECT_EQ(sim.state().modes[2].name, "Party");
}

TEST_F(DeviceCommandsTest, PasswordsGoOutAtOnceEvenOffLine) {
    connection.LinkBtnClick(LinkSender::kLinkBtn);  // unlink; the port stays open
    TakeWrites();
    commands.SendSystemPassword("654321");
    commands.SendPanelPassword("4321");
    EXPECT_EQ(model.systemPassword, "654321");
    EXPECT_EQ(model.panelPassword, "4321");
    const std::vector<Bytes> writes = TakeWrites();
    ASSERT_EQ(writes.size(), 2u);
    EXPECT_EQ(Bytes(writes[0].begin(), writes[0].begin() + 6), Hex("F5 B1 0A B7 1E 07"));
    EXPECT_EQ(Bytes(writes[1].begin(), writes[1].begin() + 6), Hex("F5 B1 08 B7 1E 05"));
    Pump();
    EXPECT_EQ(sim.state().systemPassword, "654321");
    EXPECT_EQ(sim.state().panelPassword, "4321");
}

// Three bars of one source whose moves re-enter the change handling at once, as track bars do.
class FakeVolumeGroup : public VolumeGroup {
  public:
    FakeVolumeGroup(Model& model, ParameterSink& sink) : m_model(model), m_sink(sink) {}

    // The user (or a refresh) moves a bar.
    void Move(VolumeRole role, int position) { SetPosition(role, position); }
    int Position(VolumeRole role) const override { return m_bars.at(role).position; }
    void SetPosition(VolumeRole role, int position) override {
        Bar& bar = m_bars[role];
        if (bar.position == position) {
            return;
        }
        bar.position = position;
        VolumeBarChange(*this, role, m_model, m_sink);
    }
    int DisplayedValue(VolumeRole role) const override { return m_bars.at(role).hint; }
    void SetDisplayedValue(VolumeRole role, int value) override { m_bars[role].hint = value; }
    void ShowValue(VolumeRole role, int value) override { m_bars[role].shown = value; }
    void PlaceMarkers(int startX, int maximumX) override { markers = {startX, maximumX}; }
    void ShowLabelValue(int value) override { label = value; }
    int Address(VolumeRole role) const override { return 0x1D01 + 4 * static_cast<int>(role); }

    void Set(VolumeRole role, int position) { m_bars[role] = {position, position, position}; }
    int Shown(VolumeRole role) const { return m_bars.at(role).shown; }

    std::pair<int, int> markers;
    int label = -1;

  private:
    struct Bar {
        int position = 0;
        int hint = 0;
        int shown = 0;
    };
    Model& m_model;
    ParameterSink& m_sink;
    std::map<VolumeRole, Bar> m_bars;
};

struct RecordingSink : ParameterSink {
    void SetParameter(int address, int value) override { sent.emplace_back(address, value); }
    void SetParameterPaced(int address, int value) override { SetParameter(address, value); }
    std::vector<std::pair<int, int>> sent;
};

class VolumeRulesTest : public ::testing::Test {
  protected:
    VolumeRulesTest() {
        group.Set(VolumeRole::kNormal, 10);
        group.Set(VolumeRole::kStart, 20);
        group.Set(VolumeRole::kMaximum, 40);
    }
    static constexpr int kNormal = 0x1D01;
    static constexpr int kStart = 0x1D05;
    static constexpr int kMaximum = 0x1D09;

    Model model;
    RecordingSink sink;
    FakeVolumeGroup group{model, sink};
};

TEST_F(VolumeRulesTest, NormalVolumeRisesOneStepPerChangeAndFallsFreely) {
    group.Move(VolumeRole::kNormal, 30);
    EXPECT_EQ(group.Position(VolumeRole::kNormal), 11);
    EXPECT_EQ(sink.sent, (std::vector<std::pair<int, int>>{{kNormal, 11}, {kNormal, 11}}));
    EXPECT_EQ(group.Shown(VolumeRole::kNormal), 11);
    EXPECT_EQ(group.label, -1);  // the value label is for the limits only

    sink.sent.clear();
    group.Move(VolumeRole::kNormal, 2);
    EXPECT_EQ(sink.sent, (std::vector<std::pair<int, int>>{{kNormal, 2}}));

    // A refresh puts the stored value in place as it is.
    model.refreshing = true;
    group.Move(VolumeRole::kNormal, 35);
    EXPECT_EQ(group.Position(VolumeRole::kNormal), 35);
    EXPECT_EQ(group.DisplayedValue(VolumeRole::kNormal), 35);
}

TEST_F(VolumeRulesTest, StartAndNormalStayAtOrBelowTheMaximum) {
    group.Move(VolumeRole::kStart, 60);
    EXPECT_EQ(group.Position(VolumeRole::kStart), 40);
    EXPECT_EQ(sink.sent.back(), std::make_pair(kStart, 40));
    EXPECT_EQ(group.label, 40);

    // Lowering the maximum below both pulls them down; every adjusted bar is sent.
    sink.sent.clear();
    group.Move(VolumeRole::kMaximum, 5);
    EXPECT_EQ(group.Position(VolumeRole::kStart), 5);
    EXPECT_EQ(group.Position(VolumeRole::kNormal), 5);
    EXPECT_EQ(sink.sent,
              (std::vector<std::pair<int, int>>{{kStart, 5}, {kNormal, 5}, {kMaximum, 5}}));
    EXPECT_EQ(group.markers, std::make_pair(VolumeMarkerPosition(5), VolumeMarkerPosition(5)));
}

TEST(VolumeMarkers, PositionsOnTheScaleBothWays) {
    EXPECT_EQ(VolumeMarkerPosition(0), 53);
    EXPECT_EQ(VolumeMarkerPosition(40), 129);  // 128.6
    EXPECT_EQ(VolumeMarkerPosition(kVolumeBarMax), 212);
    EXPECT_EQ(VolumeBarPositionOfMarker(53), 0);
    EXPECT_EQ(VolumeBarPositionOfMarker(211), kVolumeBarMax);
    for (int p = 0; p <= kVolumeBarMax; ++p) {
        EXPECT_EQ(VolumeBarPositionOfMarker(VolumeMarkerPosition(p)), p);
    }
}

}  // namespace
}  // namespace aec::test
