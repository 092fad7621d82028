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
    ASSERT_TRUE(commands.saveMode(*target, "Party"));
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

TEST_F(DeviceCommandsTest, PasswordsGoOutAtOnceEvenOffLine) {
    connection.LinkBtnClick(LinkSender::kLinkBtn);  // unlink; the port stays open
    takeWrites();
    commands.sendSystemPassword("654321");
    commands.sendPanelPassword("4321");
    EXPECT_EQ(model.systemPassword, "654321");
    EXPECT_EQ(model.panelPassword, "4321");
    const std::vector<Bytes> writes = takeWrites();
    ASSERT_EQ(writes.size(), 2u);
    EXPECT_EQ(Bytes(writes[0].begin(), writes[0].begin() + 6), hex("F5 B1 0A B7 1E 07"));
    EXPECT_EQ(Bytes(writes[1].begin(), writes[1].begin() + 6), hex("F5 B1 08 B7 1E 05"));
    pump();
    EXPECT_EQ(sim.state().systemPassword, "654321");
    EXPECT_EQ(sim.state().panelPassword, "4321");
}

}  // namespace
}  // namespace aec::test
