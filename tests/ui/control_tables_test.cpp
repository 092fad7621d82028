// The control table: which control each slot binds, and the Tags and Hints it assigns.
#include <QComboBox>
#include <QSlider>

#include "editor_fixture.h"

namespace aec {
namespace {

// Tables built on a window that was never shown, so no refresh has re-addressed anything.
class ControlTableTest : public ::testing::Test {
  protected:
    void SetUp() override {
        TestApplication();
        window = std::make_unique<TForm1>(model, sink, messages);
        window->tables().Build(window->controls(), model);
    }
    int tag(const char* name) { return TagOf(window->control(name)); }
    QString hint(const char* name) { return HintOf(window->control(name)); }

    Model model;
    RecordingSink sink{model};
    ScriptedMessages messages;
    std::unique_ptr<TForm1> window;
};

TEST_F(ControlTableTest, EveryNamedControlExists) {
    EXPECT_TRUE(window->tables().missing().isEmpty())
        << window->tables().missing().join(", ").toStdString();
}

TEST_F(ControlTableTest, TagsAreBaseAddressesOfTheLastSlotVisited) {
    EXPECT_EQ(tag("MusFreEdit3"), 21);
    EXPECT_EQ(tag("MusQEdit3"), 24);  // the shelf Q slot comes after the Q slot
    EXPECT_EQ(tag("MusEQGainBar3"), 22);
    EXPECT_EQ(tag("MusQUpDownBtn3"), 23);
    EXPECT_EQ(hint("MusHSQBtn3"), "3");
    EXPECT_EQ(tag("MusHSQBtn3"), 20);
    EXPECT_EQ(tag("MicQEdit20"), 0x0271);  // its shelf slot lies beyond the Mic slot count
    EXPECT_EQ(tag("MIcQUpDownBtn20"), 0x0271);
    EXPECT_EQ(tag("HintQUpDownBtn2"), 0x190A);
    EXPECT_EQ(tag("EchoLPFrePane"), 0x040C);
    EXPECT_EQ(tag("MainRdelayBar"), 0x0F0A);
    EXPECT_EQ(tag("MainRdelayPane"), 0x0F0A);
    EXPECT_EQ(tag("MainRmuteBtn"), 0x0F0B);
    EXPECT_EQ(tag("Example"), 0x1E05);
    EXPECT_EQ(tag("DEQGainBar2"), 0x010E);
    EXPECT_EQ(tag("DEQQEdit3"), 0x011A);  // shelf Q slot of the third band
    EXPECT_EQ(tag("SysMicNormalVolBar"), 0x1D00);
    EXPECT_EQ(tag("SysInputBox"), 0x1E14);
    EXPECT_EQ(tag("MainLmuteBtn"), 0x060B);
    EXPECT_EQ(tag("MusEQAllpassBtn"), 8);
}

TEST_F(ControlTableTest, DisplayKindsAndDesignTagsStay) {
    EXPECT_EQ(hint("MusFreEdit1"), "2");
    EXPECT_EQ(hint("DEQGainEdit1"), "3");
    EXPECT_EQ(hint("MicRmsLevelPane"), "25");
    EXPECT_EQ(hint("MainHPTypeBox"), "20");
    EXPECT_EQ(hint("EchoLPTypeBox"), "21");
    EXPECT_EQ(tag("DEQTYpeOffBtn1"), 0);
    EXPECT_EQ(tag("DEQTYpeBelowBtn1"), 1);
    EXPECT_EQ(tag("DEQTYpeAboveBtn1"), 2);
    EXPECT_EQ(tag("DEQTYpeAboveBtn3"), 2);
}

TEST_F(ControlTableTest, PointLabelsCarryTheirDesignTagsAndHints) {
    EXPECT_EQ(hint("MusEQPointLabel9"), "9");
    EXPECT_EQ(hint("MusEQPointLabel10"), "3");
    EXPECT_EQ(hint("MusEQPointLabel15"), "8");
    EXPECT_EQ(tag("MicEQPointLabel20"), 2);
    EXPECT_EQ(hint("MicEQPointLabel20"), "5");
    EXPECT_EQ(tag("RvbEQPointLabel7"), 4);
    EXPECT_EQ(hint("HintEQPointLabel1"), "14");
    EXPECT_EQ(hint("MainEQPointLabel5"), "31");
    EXPECT_EQ(hint("MainEQPointLabel6"), "5");
    EXPECT_EQ(tag("MainEQPointLabel6"), 6);
    const ControlTables& t = window->tables();
    EXPECT_EQ(t.pointLabel(5, 0)->objectName(), "RvbEQPointLabel1");
    EXPECT_EQ(t.pointLabel(8, 2)->objectName(), "DEQPointLabel3");
    EXPECT_EQ(t.pointLabel(6, 0), nullptr);
    EXPECT_EQ(t.pointLabel(0, 15), nullptr);
}

TEST_F(ControlTableTest, RowsOfThePages) {
    const ControlTables& t = window->tables();
    for (int k = 0; k < kSlotCount; ++k) {
        EXPECT_EQ(t.control(3, k), nullptr) << k;
        EXPECT_EQ(t.control(24, k), nullptr) << k;
        EXPECT_EQ(t.control(26, k), nullptr) << k;
    }
    EXPECT_EQ(t.control(30, 20)->objectName(), "SysInputBox");
    EXPECT_EQ(t.control(0, 14), t.control(0, 13));  // one Q box for Q and shelf Q
    EXPECT_EQ(t.companion(0, 13, 0)->objectName(), "MusQUpDownBtn1");
    EXPECT_EQ(t.companion(0, 14, 0), nullptr);
    EXPECT_EQ(t.companion(25, 5, 0)->objectName(), "HintQUpDownBtn1");  // shelf slot
    EXPECT_EQ(t.companion(25, 4, 0), nullptr);
    EXPECT_EQ(t.companion(1, 1, 2)->objectName(), "DEQTYpeAboveBtn1");
    EXPECT_EQ(t.companion(1, 2, 3)->objectName(), "DEQHEQBtn1");
    EXPECT_EQ(t.display(1, 3), t.example());
    EXPECT_EQ(t.display(9, 10)->objectName(), "MainRdelayPane");
    EXPECT_EQ(t.control(9, 11), t.control(15, 11));
    EXPECT_EQ(t.display(30, 14), t.example());
    EXPECT_EQ(t.control(30, 14), nullptr);
    EXPECT_EQ(t.control(0, 9), t.example());
}

TEST_F(ControlTableTest, ModeLabelsMoveToTheLeftEdgeExceptOnDynamicEq) {
    EXPECT_EQ(window->control("MusLSQBtn4")->x(), 1);
    EXPECT_EQ(window->control("MainHSQBtn10")->x(), 1);
    EXPECT_EQ(HintOf(window->control("DEQLEQBtn2")), "2");
    EXPECT_EQ(TagOf(window->control("DEQLEQBtn2")), 0x0100 + 12);
}

TEST_F(ControlTableTest, ListsInTheirOrder) {
    const ControlTables& t = window->tables();
    for (int i = 0; i < kTabCount; ++i) {
        EXPECT_EQ(TagOf(t.tabButtons()[i]), i);
    }
    EXPECT_EQ(t.tabButtons()[9]->objectName(), "FormHintTabBtn");
    EXPECT_EQ(t.pairButtons()[1]->objectName(), "SameBtn");
    EXPECT_EQ(t.musicModeButtons()[2]->objectName(), "CodeModeBtn");
    EXPECT_EQ(t.factoryButtons()[0]->objectName(), "SysFactoryBtn");
    EXPECT_EQ(TagOf(t.factoryButtons()[5]), 21);
    EXPECT_EQ(t.effectButtons()[2]->objectName(), "RvbToolButton");
}

TEST_F(ControlTableTest, BuildingAgainGivesTheSameTagsAndHints) {
    std::vector<std::pair<int, QString>> before;
    for (QWidget* c : window->controls().all()) {
        before.emplace_back(TagOf(c), HintOf(c));
    }
    window->tables().Build(window->controls(), model);
    size_t i = 0;
    for (QWidget* c : window->controls().all()) {
        EXPECT_EQ(before[i].first, TagOf(c)) << c->objectName().toStdString();
        EXPECT_EQ(before[i].second, HintOf(c)) << c->objectName().toStdString();
        ++i;
    }
    EXPECT_FALSE(model.redrawsSuspended());
}

TEST_F(ControlTableTest, ControlKinds) {
    EXPECT_EQ(KindOf(window->control("MusFreEdit1")), ControlKind::EditBox);
    EXPECT_EQ(KindOf(window->control("MusPitchPane")), ControlKind::ValuePane);
    EXPECT_EQ(KindOf(window->control("MusModeBox1")), ControlKind::SelectBox);
    EXPECT_EQ(KindOf(window->control("MusEQGainBar1")), ControlKind::Slider);
    EXPECT_EQ(KindOf(window->control("EchoEffPhaseBtn")), ControlKind::BmpButton);
    EXPECT_EQ(KindOf(window->control("MusQUpDownBtn1")), ControlKind::SpinButtons);
    EXPECT_EQ(KindOf(window->control("MusBYBtn1")), ControlKind::Label);
    EXPECT_EQ(KindOf(nullptr), ControlKind::None);
}

}  // namespace
}  // namespace aec
