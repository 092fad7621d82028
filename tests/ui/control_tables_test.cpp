// The control table builder: what it does besides filling the cells (those are checked cell by
// cell in control_cells_test.cpp).
#include "editor_fixture.h"

namespace aec::test {
namespace {

// Tables built on a window that was never shown, so no refresh has re-addressed anything.
class ControlTableTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testApplication();
        window = std::make_unique<TForm1>(model, sink, messages, audio);
        window->tables().build(window->controls(), model);
    }

    Model model;
    RecordingSink sink{model};
    ScriptedMessages messages;
    FakeAudioCapture audio;
    std::unique_ptr<TForm1> window;
};

TEST_F(ControlTableTest, ModeLabelsMoveToTheLeftEdgeExceptOnDynamicEq) {
    QWidget* music = window->control("MusLSQBtn4");
    QWidget* output = window->control("MainHSQBtn10");
    QWidget* dynamic = window->control("DEQLEQBtn2");
    for (QWidget* label : {music, output, dynamic}) {
        label->move(50, label->y());
    }
    window->tables().build(window->controls(), model);
    EXPECT_EQ(music->x(), 1);
    EXPECT_EQ(output->x(), 1);
    EXPECT_EQ(dynamic->x(), 50);
}

TEST_F(ControlTableTest, BuildingAgainGivesTheSameTagsAndHints) {
    std::vector<std::pair<int, QString>> before;
    for (QWidget* c : window->controls().all()) {
        before.emplace_back(tagOf(c), hintOf(c));
    }
    window->tables().build(window->controls(), model);
    size_t i = 0;
    for (QWidget* c : window->controls().all()) {
        EXPECT_EQ(before[i].first, tagOf(c)) << c->objectName().toStdString();
        EXPECT_EQ(before[i].second, hintOf(c)) << c->objectName().toStdString();
        ++i;
    }
    EXPECT_FALSE(model.redrawsSuspended());
}

}  // namespace
}  // namespace aec::test
