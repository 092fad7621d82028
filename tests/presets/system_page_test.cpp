// Rules of the system column: the mode list texts and the volume bars with their markers.
#include <gtest/gtest.h>

#include <map>

#include "presets/mode_list.h"
#include "presets/system_rules.h"
#include "presets/volume_rules.h"

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
        EXPECT_EQ(modeItemText(c.index, c.name), c.item);
        EXPECT_EQ(modeNameOfItem(c.index, c.item), c.name) << c.item;
    }
    // The initial items of the form ("1-" to "22-") leave no name, whatever the prefix length.
    EXPECT_EQ(modeNameOfItem(20, "21-"), "");
}

// Three bars of one source whose moves re-enter the change handling at once, as track bars do.
class FakeVolumeGroup : public VolumeGroup {
  public:
    FakeVolumeGroup(Model& model, ParameterSink& sink) : m_model(model), m_sink(sink) {}

    // The user (or a refresh) moves a bar.
    void move(VolumeRole role, int position) { setPosition(role, position); }
    int position(VolumeRole role) const override { return m_bars.at(role).position; }
    void setPosition(VolumeRole role, int position) override {
        Bar& bar = m_bars[role];
        if (bar.position == position) {
            return;
        }
        bar.position = position;
        volumeBarChange(*this, role, m_model, m_sink);
    }
    int displayedValue(VolumeRole role) const override { return m_bars.at(role).hint; }
    void setDisplayedValue(VolumeRole role, int value) override { m_bars[role].hint = value; }
    void showValue(VolumeRole role, int value) override { m_bars[role].shown = value; }
    void placeMarkers(int startX, int maximumX) override { markers = {startX, maximumX}; }
    void showLabelValue(int value) override { label = value; }
    int address(VolumeRole role) const override { return 0x1D01 + 4 * static_cast<int>(role); }

    void set(VolumeRole role, int position) { m_bars[role] = {position, position, position}; }
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
    void SendDeviceValuePaced(int address, int value) override { SetParameter(address, value); }
    std::vector<std::pair<int, int>> sent;
};

class VolumeRulesTest : public ::testing::Test {
  protected:
    VolumeRulesTest() {
        group.set(VolumeRole::kNormal, 10);
        group.set(VolumeRole::kStart, 20);
        group.set(VolumeRole::kMaximum, 40);
    }
    static constexpr int kNormal = 0x1D01;
    static constexpr int kStart = 0x1D05;
    static constexpr int kMaximum = 0x1D09;

    Model model;
    RecordingSink sink;
    FakeVolumeGroup group{model, sink};
};

TEST_F(VolumeRulesTest, NormalVolumeRisesOneStepPerChangeAndFallsFreely) {
    group.move(VolumeRole::kNormal, 30);
    EXPECT_EQ(group.position(VolumeRole::kNormal), 11);
    EXPECT_EQ(sink.sent, (std::vector<std::pair<int, int>>{{kNormal, 11}, {kNormal, 11}}));
    EXPECT_EQ(group.Shown(VolumeRole::kNormal), 11);
    EXPECT_EQ(group.label, -1);  // the value label is for the limits only

    sink.sent.clear();
    group.move(VolumeRole::kNormal, 2);
    EXPECT_EQ(sink.sent, (std::vector<std::pair<int, int>>{{kNormal, 2}}));

    // A refresh puts the stored value in place as it is, and stores it without sending it.
    sink.sent.clear();
    const ScopedState::Scope refreshing = model.beginRefresh();
    group.move(VolumeRole::kNormal, 35);
    EXPECT_EQ(group.position(VolumeRole::kNormal), 35);
    EXPECT_EQ(group.displayedValue(VolumeRole::kNormal), 35);
    EXPECT_TRUE(sink.sent.empty());
    EXPECT_EQ(model.param(29, 1), 35);
}

TEST_F(VolumeRulesTest, StartAndNormalStayAtOrBelowTheMaximum) {
    group.move(VolumeRole::kStart, 60);
    EXPECT_EQ(group.position(VolumeRole::kStart), 40);
    EXPECT_EQ(sink.sent.back(), std::make_pair(kStart, 40));
    EXPECT_EQ(group.label, 40);

    // Lowering the maximum below both pulls them down; every adjusted bar is sent.
    sink.sent.clear();
    group.move(VolumeRole::kMaximum, 5);
    EXPECT_EQ(group.position(VolumeRole::kStart), 5);
    EXPECT_EQ(group.position(VolumeRole::kNormal), 5);
    EXPECT_EQ(sink.sent,
              (std::vector<std::pair<int, int>>{{kStart, 5}, {kNormal, 5}, {kMaximum, 5}}));
    EXPECT_EQ(group.markers, std::make_pair(volumeMarkerPosition(5), volumeMarkerPosition(5)));
}

TEST(VolumeMarkers, PositionsOnTheScaleBothWays) {
    EXPECT_EQ(volumeMarkerPosition(0), 53);
    EXPECT_EQ(volumeMarkerPosition(40), 129);  // 128.6
    EXPECT_EQ(volumeMarkerPosition(kVolumeBarMax), 212);
    EXPECT_EQ(volumeBarPositionOfMarker(53), 0);
    EXPECT_EQ(volumeBarPositionOfMarker(211), kVolumeBarMax);
    for (int p = 0; p <= kVolumeBarMax; ++p) {
        EXPECT_EQ(volumeBarPositionOfMarker(volumeMarkerPosition(p)), p);
    }
}

TEST(VolumeMarkers, DragIsBroughtBackIntoRangeThenFollowsThePointer) {
    struct Case {
        int markerX, pressX, pointerX, x;
    };
    for (const Case& c :
         {Case{100, 4, 9, 105}, Case{100, 4, 4, 100}, Case{230, 4, 6, 213}, Case{40, 4, 1, 50}}) {
        EXPECT_EQ(draggedMarkerX(c.markerX, c.pressX, c.pointerX), c.x) << c.markerX;
    }
    EXPECT_EQ(volumeBarPositionOfMarker(kMarkerRightmost), kVolumeBarMax);
    EXPECT_EQ(volumeBarPositionOfMarker(kMarkerLeftmost), 0);
}

TEST(Passwords, KeysAndPastedTextAreDigitsOnly) {
    for (char32_t ch : {U'0', U'9', U'\b', U'\r'}) {
        EXPECT_TRUE(isPasswordKey(ch));
    }
    for (char32_t ch : {U'a', U' ', U'-', U'\x7f', U'\x3000', U'/'}) {
        EXPECT_FALSE(isPasswordKey(ch));
    }
    EXPECT_TRUE(isPasswordText("012345"));
    EXPECT_FALSE(isPasswordText("12a4"));
}

// Before any link the passwords are empty texts: no empty or short entry ever matches them.
TEST(Passwords, EmptyPasswordsOpenNothing) {
    EXPECT_EQ(checkRightsPassword("", "", true), RightsOutcome::kWrongPassword);
    EXPECT_EQ(checkRightsPassword("1234", "1234", true), RightsOutcome::kWrongPassword);
    EXPECT_FALSE(panelOldPasswordAccepted("", "", true));
    EXPECT_FALSE(unlockAccepted("", ""));
}

TEST(Passwords, SystemPasswordChangeStepByStep) {
    using Outcome = SystemPasswordStep::Outcome;
    struct Case {
        const char *oldText, *newText, *confirm;
        bool onLine;
        bool enableNew, enableConfirm;
        Outcome outcome;
    };
    const char* pw = "123456";
    for (const Case& c : {
             Case{"12345", "", "", true, false, false, Outcome::kTyping},
             Case{"123456", "", "", false, false, false, Outcome::kTyping},
             Case{"123456", "65432", "", true, true, false, Outcome::kTyping},
             Case{"123456", "654321", "65432", true, true, true, Outcome::kTyping},
             Case{"123456", "654321", "654321", true, true, true, Outcome::kChanged},
             Case{"123456", "654321", "654322", true, true, true, Outcome::kMismatch},
             Case{"123456", "123456", "123456", true, true, true, Outcome::kUnchanged},
         }) {
        const SystemPasswordStep step =
            systemPasswordStep(c.oldText, c.newText, c.confirm, pw, c.onLine);
        EXPECT_EQ(step.enableNew, c.enableNew) << c.newText << "/" << c.confirm;
        EXPECT_EQ(step.enableConfirm, c.enableConfirm) << c.newText << "/" << c.confirm;
        EXPECT_EQ(step.outcome, c.outcome) << c.newText << "/" << c.confirm;
        EXPECT_EQ(step.reset(), c.outcome != Outcome::kTyping);
    }
}

}  // namespace
}  // namespace aec::test
