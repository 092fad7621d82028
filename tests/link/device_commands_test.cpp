// Loading and saving the processor's modes, and new passwords.
#include "link/device_commands.h"

#include "link/frame.h"
#include "tests/link/connection_harness.h"
#include "tests/link/fake_port.h"

namespace aec::test {
namespace {

class DeviceCommandsTest : public ConnectionTest {
  protected:
    DeviceCommandsTest() {
        goOnLine();
        takeWrites();
    }
    void beManager() { model.setView(kPageSystem, 8, 1); }

    DeviceCommands commands{model,      state(), connection.sender(), connection.scheduler(),
                            connection, view};
};

TEST_F(DeviceCommandsTest, SaveModeSendsTheRecordAndReportsAfterTheAcknowledgement) {
    beManager();
    const std::optional<int> target = commands.saveModeTarget(2);
    ASSERT_EQ(target, 2);
    ASSERT_EQ(commands.saveMode(*target, "Party"), CommandOutcome::kGiven);
    EXPECT_EQ(view.asked.back(), (Message{"保存当前模式为 3-Party?", "Confirm"}));
    EXPECT_EQ(model.modeNames[2], "Party");
    EXPECT_EQ(view.caption, "保存中...");
    EXPECT_FALSE(state().onLine());

    const std::vector<Bytes> writes = takeWrites();
    ASSERT_EQ(writes.size(), 1u);
    const Bytes& frame = writes[0];
    ASSERT_EQ(frame.size(), 29u);
    EXPECT_EQ(Bytes(frame.begin(), frame.begin() + 13),
              hex("F5 B1 1A B7 1E 01 02 00 50 61 72 74 79"));
    EXPECT_EQ(Bytes(frame.begin() + 13, frame.end() - 1), Bytes(15, ' '));
    EXPECT_EQ(frame.back(), frameChecksum(frame));

    // The keep-alive's acknowledgement standing from before does not complete the save.
    hold();
    EXPECT_TRUE(view.told.empty());
    pump();
    hold();
    EXPECT_EQ(view.told, (std::vector<Message>{{"保存成功!", "提示"}}));
    EXPECT_EQ(view.modeListRebuilds, 1);
    EXPECT_TRUE(state().onLine());
    EXPECT_EQ(sim.state().modes[2].name, "Party");
}

// Off line a load would only change the stored current mode and a save only the name table,
// with no reload or completion to follow: both are refused before the question.
TEST_F(DeviceCommandsTest, ModeCommandsAreRefusedOffLine) {
    beManager();
    connection.LinkBtnClick(LinkSender::kLinkBtn);  // unlink; the port stays open
    takeWrites();
    const int currentMode = model.param(kPageSystem, 2);
    const auto names = model.modeNames;
    struct Case {
        int language;
        bool save;
        Message told;
    };
    const Case cases[] = {
        {1, false, {"设备未连接，无法调用模式!", "Confirm"}},
        {0, false, {"Off line: the mode cannot be loaded!", "Confirm"}},
        {1, true, {"设备未连接，无法保存模式!", "Confirm"}},
        {0, true, {"Off line: the mode cannot be saved!", "Confirm"}},
    };
    for (const Case& c : cases) {
        model.setLanguageFlag(c.language);
        view.told.clear();
        const CommandOutcome outcome =
            c.save ? commands.saveMode(4, "Party") : commands.loadMode(4, "5-Jazz");
        EXPECT_EQ(outcome, CommandOutcome::kOffLine) << c.told.text;
        EXPECT_EQ(view.told, std::vector<Message>{c.told});
    }
    EXPECT_TRUE(view.asked.empty());
    EXPECT_TRUE(takeWrites().empty());
    EXPECT_EQ(model.param(kPageSystem, 2), currentMode);
    EXPECT_EQ(model.modeNames, names);
    EXPECT_EQ(view.caption, "设备未连接");
    EXPECT_EQ(state().pendingAction, PendingAction::kNone);
}

TEST_F(DeviceCommandsTest, SaveRecordThatCannotBeWrittenChangesNothing) {
    beManager();
    const std::string before = model.modeNames[2];
    port.setWriteFails(true);
    model.setLanguageFlag(0);
    EXPECT_EQ(commands.saveMode(2, "Party"), CommandOutcome::kWriteFailed);
    EXPECT_EQ(view.told, (std::vector<Message>{{"Save failed!", "Confirm"}}));
    EXPECT_EQ(model.modeNames[2], before);
    EXPECT_EQ(connection.statusText(), "Online");  // never "Saving..."
    EXPECT_TRUE(state().onLine());
    EXPECT_EQ(state().pendingAction, PendingAction::kNone);

    model.setLanguageFlag(1);
    commands.saveMode(2, "Party");
    EXPECT_EQ(view.told.back(), (Message{"保存失败!", "提示"}));
}

TEST_F(DeviceCommandsTest, PasswordsGoOutAtOnceEvenOffLineAndAreKeptOnlyWhenWritten) {
    connection.LinkBtnClick(LinkSender::kLinkBtn);  // unlink; the port stays open
    takeWrites();
    EXPECT_EQ(commands.sendSystemPassword("654321"), PortError::kNone);
    EXPECT_EQ(commands.sendPanelPassword("4321"), PortError::kNone);
    EXPECT_EQ(model.systemPassword, "654321");
    EXPECT_EQ(model.panelPassword, "4321");
    const std::vector<Bytes> writes = takeWrites();
    ASSERT_EQ(writes.size(), 2u);
    EXPECT_EQ(Bytes(writes[0].begin(), writes[0].begin() + 6), hex("F5 B1 0A B7 1E 07"));
    EXPECT_EQ(Bytes(writes[1].begin(), writes[1].begin() + 6), hex("F5 B1 08 B7 1E 05"));
    pump();
    EXPECT_EQ(sim.state().systemPassword, "654321");
    EXPECT_EQ(sim.state().panelPassword, "4321");

    port.setWriteFails(true);
    EXPECT_EQ(commands.sendSystemPassword("111111"), PortError::kIo);
    EXPECT_EQ(commands.sendPanelPassword("1111"), PortError::kIo);
    EXPECT_EQ(model.systemPassword, "654321");
    EXPECT_EQ(model.panelPassword, "4321");
}

}  // namespace
}  // namespace aec::test
