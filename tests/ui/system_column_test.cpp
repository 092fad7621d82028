// The device mode and system commands of the system column, driven through the window's
// controls: mode list and name box, load and save, quick mode buttons, switches, volume bars.
#include <QComboBox>
#include <QLineEdit>
#include <QSlider>

#include "link/frame.h"
#include "presets/volume_rules.h"
#include "tests/link/fake_port.h"
#include "tests/link/recording_events.h"
#include "tests/ui/editor_fixture.h"
#include "ui/commands/mode_commands.h"

namespace aec::test {
namespace {

// Message boxes of the device commands answered by the scripted service.
class ScriptedLinkMessages : public LinkMessages {
  public:
    explicit ScriptedLinkMessages(ScriptedMessages& messages) : m_messages(messages) {}
    void tell(const std::string& text, const std::string& caption) override {
        m_messages.show(QString::fromStdString(text), QString::fromStdString(caption),
                        MessageService::Buttons::Ok);
    }
    bool ask(const std::string& text, const std::string& caption) override {
        return m_messages.show(QString::fromStdString(text), QString::fromStdString(caption),
                               MessageService::Buttons::YesNo) == MessageService::Answer::Yes;
    }

  private:
    ScriptedMessages& m_messages;
};

class SystemCommandsTest : public EditorTest {
  protected:
    void SetUp() override {
        EditorTest::SetUp();
        commands =
            std::make_unique<DeviceCommands>(model, state, sender, sink, events, linkMessages);
        modeCommands = std::make_unique<ModeCommands>(window->controls(), window->parts().system,
                                                      window->systemPage(), state, *commands);
        window->RefreshControls(kAllPages);
        sink.sent.clear();
    }
    QComboBox* modes() { return w<QComboBox>("SysModeBox"); }
    // The user picks an item.
    static void choose(QComboBox* box, int index) {
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    QString lastMessage() const {
        return messages.shown().empty() ? QString() : messages.shown().back().text;
    }
    using Sent = std::vector<std::pair<int, int>>;

    FakePort port;
    LinkState state;
    FrameSender sender{port};
    RecordingEvents events;
    ScriptedLinkMessages linkMessages{messages};
    std::unique_ptr<DeviceCommands> commands;
    std::unique_ptr<ModeCommands> modeCommands;
};

TEST_F(SystemCommandsTest, ModeListShowsTheNamesAndTheNameBoxTakesThePickedOne) {
    model.modeNames[9] = "Party";
    model.modeNames[17] = "Club";
    model.setParam(kPageSystem, 2, 9);
    window->RefreshControls(kAllPages);
    ASSERT_EQ(modes()->count(), kModeCount);
    EXPECT_EQ(modes()->itemText(0), "1-");
    EXPECT_EQ(modes()->itemText(9), "10-Party");
    EXPECT_EQ(modes()->itemText(17), "MF2-Club");
    EXPECT_EQ(modes()->currentIndex(), 9);
    EXPECT_TRUE(w<QLineEdit>("PresetModeEdit")->text().isEmpty());  // a refresh is no pick

    choose(modes(), 9);
    EXPECT_EQ(w<QLineEdit>("PresetModeEdit")->text(), "Party");
    choose(modes(), 17);
    EXPECT_EQ(w<QLineEdit>("PresetModeEdit")->text(), "Club");

    // A rebuild after a save keeps the selection and shows the new name.
    model.modeNames[17] = "Disco";
    window->systemLooks().rebuildModeList();
    EXPECT_EQ(modes()->itemText(17), "MF2-Disco");
    EXPECT_EQ(modes()->currentIndex(), 17);
}

TEST_F(SystemCommandsTest, QuickModeButtonsLoadOnlyWhileOnLine) {
    EXPECT_TRUE(w<BmpButton>("SysModeBtn3")->isEnabled());  // served once the commands are wired
    w<BmpButton>("SysModeBtn3")->click();
    w<BmpButton>("SysFactoryBtn2")->click();
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_TRUE(sink.sent.empty());

    state.link = LinkStatus::kOnLine;
    messages.queue(MessageService::Answer::No);
    w<BmpButton>("SysFactoryBtn2")->click();
    EXPECT_EQ(modes()->currentIndex(), 17);
    EXPECT_EQ(lastMessage(), QString::fromUtf8("模式切换为MF2-?"));
    EXPECT_TRUE(sink.sent.empty());
    w<BmpButton>("SysModeBtn3")->click();
    EXPECT_EQ(sink.sent, (Sent{{kLoadModeAddress, 2}}));

    // The list of user modes 5 to 16 loads on line and is refused off line, in the language
    // of the moment.
    model.setLanguageFlag(0);
    choose(w<QComboBox>("SysModeBox2"), 3);
    EXPECT_EQ(modes()->currentIndex(), 7);
    EXPECT_EQ(lastMessage(), "Load Mode to8-?");
    EXPECT_EQ(sink.sent.back(), std::make_pair(kLoadModeAddress, 7));
    sink.sent.clear();
    state.link = LinkStatus::kOffLine;
    choose(w<QComboBox>("SysModeBox2"), 4);
    EXPECT_EQ(lastMessage(), "Off line: the mode cannot be loaded!");
    EXPECT_TRUE(sink.sent.empty());
}

TEST_F(SystemCommandsTest, SaveGoesToAUserModeUnderTheTypedName) {
    w<BmpButton>("SysSaveModeBtn")->click();
    EXPECT_EQ(lastMessage(), QString::fromUtf8("用户模式无法执行保存操作!"));
    EXPECT_TRUE(port.written.empty());

    model.setView(kPageSystem, 8, 1);
    w<BmpButton>("SysSaveModeBtn")->click();
    EXPECT_EQ(lastMessage(), QString::fromUtf8("设备未连接，无法保存模式!"));
    EXPECT_TRUE(port.written.empty());

    state.link = LinkStatus::kOnLine;
    choose(modes(), 19);  // MF4
    w<QLineEdit>("PresetModeEdit")->setText("Club");
    w<BmpButton>("SysSaveModeBtn")->click();
    EXPECT_EQ(modes()->currentIndex(), 0);
    EXPECT_EQ(lastMessage(), QString::fromUtf8("保存当前模式为 1-Club?"));
    ASSERT_EQ(port.written.size(), 1u);
    EXPECT_EQ(Bytes(port.written[0].begin(), port.written[0].begin() + 12),
              hex("F5 B1 1A B7 1E 01 00 00 43 6C 75 62"));
    EXPECT_EQ(model.modeNames[0], "Club");
    EXPECT_EQ(state.pendingAction, PendingAction::kSaveDone);
}

TEST_F(SystemCommandsTest, SwitchesShowTheChoiceAndSendIt) {
    auto* on = w<BmpButton>("SysRemoteBtn2");
    auto* off = w<BmpButton>("SysRemoteBtn1");
    on->click();
    EXPECT_EQ(sink.sent, (Sent{{0x0911, 1}}));
    EXPECT_EQ(on->look(), BmpButton::Look::Pressed);
    EXPECT_EQ(off->look(), BmpButton::Look::Released);

    // Choosing manager closes the group again until the system password opens it.
    auto* group = w<QWidget>("SysUserMangerGrop");
    group->setEnabled(true);
    w<BmpButton>("SysManagerBtn")->click();
    EXPECT_EQ(sink.sent.back(), std::make_pair(0x1E08, 1));
    EXPECT_FALSE(group->isEnabled());
    EXPECT_EQ(w<BmpButton>("SysManagerBtn")->look(), BmpButton::Look::Pressed);
    EXPECT_EQ(w<BmpButton>("SysUserBtn")->look(), BmpButton::Look::Released);

    // A refresh shows the stored states.
    model.setParam(kPageSystem, 4, 1);
    window->RefreshControls(kAllPages);
    EXPECT_EQ(w<BmpButton>("SysPanelBtn2")->look(), BmpButton::Look::Pressed);
    EXPECT_EQ(w<BmpButton>("SysPanelBtn1")->look(), BmpButton::Look::Released);
}

TEST_F(SystemCommandsTest, VolumeBarsRiseOneStepAndKeepBelowTheMaximum) {
    model.setParam(29, 1, 10);  // music normal
    model.setParam(29, 5, 20);  // music start
    model.setParam(29, 6, 40);  // music maximum
    window->RefreshControls(kAllPages);
    sink.sent.clear();
    auto* normal = w<QSlider>("SysMusNormalVolBar");
    ASSERT_EQ(normal->value(), 10);

    normal->setValue(50);
    EXPECT_EQ(normal->value(), 11);
    EXPECT_EQ(sink.sent.back(), std::make_pair(0x1D01, 11));
    EXPECT_EQ(w<QLabel>("SysMusNormalVolPane")->text(), "11");

    auto* start = w<QSlider>("SysMusStartVolBar");
    start->setValue(60);
    EXPECT_EQ(start->value(), 40);
    EXPECT_EQ(sink.sent.back(), std::make_pair(0x1D05, 40));
    EXPECT_EQ(w<QWidget>("MusStartImage")->x(), volumeMarkerPosition(40));

    w<QSlider>("SysMusMaxVolBar")->setValue(5);
    EXPECT_EQ(normal->value(), 5);
    EXPECT_EQ(start->value(), 5);
    EXPECT_EQ(w<QWidget>("MusMaxImage")->x(), volumeMarkerPosition(5));
    EXPECT_EQ(sink.sent.back(), std::make_pair(0x1D06, 5));
}

}  // namespace
}  // namespace aec::test
