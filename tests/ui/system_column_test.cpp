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
#include "ui/commands/password_commands.h"
#include "ui/widgets/point_image.h"

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
        passwords = std::make_unique<PasswordCommands>(*window, state, *commands);
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
    std::unique_ptr<PasswordCommands> passwords;
};

class PasswordTest : public SystemCommandsTest {
  protected:
    void SetUp() override {
        SystemCommandsTest::SetUp();
        model.systemPassword = "123456";
        model.panelPassword = "1234";
    }
    // Types into a box as a person does, key by key.
    void type(const char* box, const char* keys, bool enter = false) {
        QTest::keyClicks(edit(box), keys);
        if (enter) {
            QTest::keyClick(edit(box), Qt::Key_Return);
        }
    }
    void click(const char* button) { QTest::mouseClick(w(button), Qt::LeftButton); }
    // The text frames written, as address and text.
    std::vector<std::pair<int, std::string>> textFrames() const {
        std::vector<std::pair<int, std::string>> frames;
        for (const auto& f : port.written) {
            frames.emplace_back(f[4] * 256 + f[5], std::string(f.begin() + 6, f.end() - 1));
        }
        return frames;
    }
};

TEST_F(PasswordTest, PasswordBoxesTakeDigitsOnlyHoweverTextComes) {
    for (const char* name :
         {"SysPassEdit", "PassPanelLabel1", "SysPanelLabel1", "PanelPassWordEdit"}) {
        EditBox* box = edit(name);
        QTest::keyClicks(box, "1a2 -3");
        box->insert("x9");  // what a paste or drop brings
        box->insert("4");
        EXPECT_EQ(box->text(), "1234") << name;
    }
}

TEST_F(PasswordTest, RightsOpenOnceWithTheSystemPasswordOnLine) {
    auto* group = w<QWidget>("SysUserMangerGrop");
    type("SysPassEdit", "123456");
    click("RzBmpButton118");  // off line: emptied, still closed, nothing said
    EXPECT_TRUE(edit("SysPassEdit")->text().isEmpty());
    EXPECT_FALSE(group->isEnabled());
    EXPECT_TRUE(messages.shown().empty());

    state.link = LinkStatus::kOnLine;
    type("SysPassEdit", "123455");
    click("RzBmpButton118");
    EXPECT_EQ(lastMessage(), QString::fromUtf8("密码错误!"));
    EXPECT_EQ(messages.shown().back().caption, "Confirm");
    EXPECT_FALSE(group->isEnabled());

    type("SysPassEdit", "123456");
    click("RzBmpButton118");
    EXPECT_TRUE(group->isEnabled());
    selectTab(kTabMicA);  // any refresh closes it again
    EXPECT_FALSE(group->isEnabled());
}

TEST_F(PasswordTest, SystemPasswordChangeCompletesAtTheKeyAfterTheSixthDigit) {
    state.link = LinkStatus::kOnLine;
    type("SysPanelLabel1", "123456");
    EXPECT_FALSE(edit("NewSysPassLabel1")->isEnabled());  // checked before the digit enters
    type("SysPanelLabel1", "", true);
    ASSERT_TRUE(edit("NewSysPassLabel1")->isEnabled());
    type("NewSysPassLabel1", "654321", true);
    ASSERT_TRUE(edit("NewSysPassLabel2")->isEnabled());
    type("NewSysPassLabel2", "654321");
    EXPECT_TRUE(port.written.empty());
    type("NewSysPassLabel2", "", true);
    EXPECT_EQ(textFrames(), (std::vector<std::pair<int, std::string>>{{0x1E07, "654321"}}));
    EXPECT_EQ(model.systemPassword, "654321");
    for (const char* box : {"SysPanelLabel1", "NewSysPassLabel1", "NewSysPassLabel2"}) {
        EXPECT_TRUE(edit(box)->text().isEmpty()) << box;
    }
    EXPECT_FALSE(edit("NewSysPassLabel1")->isEnabled());

    // New and confirmation differ: said, and the group starts again; the same password as
    // before changes nothing.
    struct Case {
        const char* confirm;
        const char* message;
    };
    for (const Case& c : {Case{"111111", "密码不一致!"}, Case{"654321", ""}}) {
        messages.clear();
        type("SysPanelLabel1", "654321", true);
        type("NewSysPassLabel1", c.confirm == std::string("654321") ? "654321" : "222222", true);
        type("NewSysPassLabel2", c.confirm, true);
        EXPECT_EQ(lastMessage(), QString::fromUtf8(c.message));
        EXPECT_EQ(port.written.size(), 1u);
        EXPECT_FALSE(edit("NewSysPassLabel2")->isEnabled());
    }
}

TEST_F(PasswordTest, PanelPasswordChangeNeedsTheOldOneAndTheLink) {
    type("PassPanelLabel1", "1234");
    click("RzBmpButton22");  // off line: only the processor can take a new one
    EXPECT_EQ(lastMessage(), QString::fromUtf8("设备未连接，无法修改密码!"));
    EXPECT_FALSE(edit("NewPassLabel1")->isEnabled());
    EXPECT_EQ(edit("PassPanelLabel1")->text(), "1234");

    state.link = LinkStatus::kOnLine;
    edit("PassPanelLabel1")->setText("1111");
    click("RzBmpButton22");  // wrong: nothing happens
    EXPECT_FALSE(edit("NewPassLabel1")->isEnabled());
    EXPECT_EQ(edit("PassPanelLabel1")->text(), "1111");

    edit("PassPanelLabel1")->setText("1234");
    click("RzBmpButton22");
    ASSERT_TRUE(edit("NewPassLabel1")->isEnabled());
    EXPECT_TRUE(edit("PassPanelLabel1")->text().isEmpty());
    type("NewPassLabel1", "432");
    click("RzBmpButton23");  // three digits: nothing
    EXPECT_TRUE(port.written.empty());
    type("NewPassLabel1", "1");
    click("RzBmpButton23");
    EXPECT_EQ(textFrames(), (std::vector<std::pair<int, std::string>>{{0x1E05, "4321"}}));
    EXPECT_EQ(model.panelPassword, "4321");
    EXPECT_FALSE(edit("NewPassLabel1")->isEnabled());
    EXPECT_TRUE(edit("NewPassLabel1")->text().isEmpty());
}

TEST_F(PasswordTest, PanelLockHoldsTheEditorOncePerLinkUntilUnlocked) {
    auto* box = w<QWidget>("FirstCheckGrop");
    model.setParam(kPageSystem, 4, 1);  // the processor's key panel lock is on
    window->RefreshControls(kAllPages);
    EXPECT_TRUE(box->isHidden());  // no link yet

    state.lockMarker = 1;  // on line
    selectTab(kTabMicA);
    ASSERT_FALSE(box->isHidden());
    EXPECT_EQ(model.selection.currentTab, kTabMusic);
    EXPECT_EQ(state.lockMarker, 2);
    for (const char* area : {"FormPageItem", "AdvPanel1", "AdvPageControl1"}) {
        EXPECT_FALSE(w(area)->isEnabled()) << area;
    }
    EXPECT_FALSE(window->FormKeyDown('Q'));  // the volume keys are held too
    QCoreApplication::processEvents();       // the tab click has parked the focus by now
    EXPECT_EQ(QApplication::focusWidget(), w("PanelPassWordEdit"));

    type("PanelPassWordEdit", "1235", true);  // Enter does not unlock
    click("RzBmpButton4");
    EXPECT_FALSE(box->isHidden());
    EXPECT_TRUE(edit("PanelPassWordEdit")->text().isEmpty());
    EXPECT_TRUE(messages.shown().empty());

    model.setLanguageFlag(0);
    type("PanelPassWordEdit", "1234");
    click("RzBmpButton4");
    EXPECT_TRUE(box->isHidden());
    EXPECT_EQ(lastMessage(), QString::fromUtf8("解锁成功"));  // Chinese in both languages
    EXPECT_TRUE(w("AdvPageControl1")->isEnabled());
    EXPECT_TRUE(window->FormKeyDown('Q'));

    window->RefreshControls(kAllPages);  // the same link: not again
    EXPECT_TRUE(box->isHidden());
    state.lockMarker = 1;  // the next link
    window->RefreshControls(kAllPages);
    EXPECT_FALSE(box->isHidden());
}

TEST_F(SystemCommandsTest, MarkersDragTheirBarAndStopAtBothEnds) {
    model.setParam(29, 5, 20);  // music start
    model.setParam(29, 6, 40);  // music maximum
    window->RefreshControls(kAllPages);
    auto* start = w<PointImage>("MusStartImage");
    auto* max = w<PointImage>("MusMaxImage");
    SystemPage& page = window->systemPage();

    page.MusStartImageMouseDown(*max, Qt::LeftButton, 4);
    EXPECT_TRUE(model.dragging());
    page.MusStartImageMouseMove(*max, 4 + 500);
    EXPECT_EQ(max->x(), volumeMarkerPosition(kVolumeBarMax));
    EXPECT_EQ(w<QSlider>("SysMusMaxVolBar")->value(), kVolumeBarMax);
    EXPECT_EQ(sink.sent.back(), std::make_pair(0x1D06, kVolumeBarMax));
    EXPECT_FALSE(w("musLabel")->isHidden());
    EXPECT_EQ(w<QLabel>("musLabel")->text(), "84");
    page.MusStartImageMouseUp();

    page.MusStartImageMouseDown(*start, Qt::LeftButton, 4);
    page.MusStartImageMouseMove(*start, 4 - 19);  // ten steps of 1.89 px
    EXPECT_EQ(w<QSlider>("SysMusStartVolBar")->value(), 10);
    page.MusStartImageMouseMove(*start, 4 - 500);
    EXPECT_EQ(start->x(), kMarkerLeftmost);
    EXPECT_EQ(sink.sent.back(), std::make_pair(0x1D05, 0));
    page.MusStartImageMouseUp();
    EXPECT_FALSE(model.dragging());
    EXPECT_TRUE(w("musLabel")->isHidden());

    // A right-button press remembers the marker but drags nothing.
    page.MusStartImageMouseDown(*start, Qt::RightButton, 4);
    page.MusStartImageMouseMove(*start, 100);
    EXPECT_EQ(start->x(), kMarkerLeftmost);
}

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
