// The status dialog TForm2 and the timers of the link controller TForm3, on the offscreen
// platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTimer>
#include <utility>

#include "link/link_controller.h"
#include "link/status_dialog.h"

namespace aec::test {
namespace {

class LinkUiTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char arg0[] = "link_ui_tests";
        static char* argv[] = {arg0, nullptr};
        static QApplication app(argc, argv);
    }
};

TEST_F(LinkUiTest, StatusDialogShowsTheStateAndClosingOnlyHidesIt) {
    TForm2 dialog;
    EXPECT_EQ(dialog.size(), QSize(306, 85));
    EXPECT_TRUE(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("设备状态"));
    auto* link = dialog.findChild<QLabel*>("LinkLabel");
    auto* com = dialog.findChild<QLabel*>("ComLabel");
    auto* bar = dialog.findChild<QProgressBar*>("RzProgressStatus1");
    auto* warn = dialog.findChild<QLabel*>("WarnLabel");
    ASSERT_TRUE(link && com && bar && warn);
    EXPECT_EQ(link->text(), QString::fromUtf8("设备未连接"));
    EXPECT_EQ(com->text(), "COM1");
    EXPECT_EQ(warn->text(), QString::fromUtf8("请稍等,可能需要几秒钟才能完成操作！"));

    dialog.showStatus({"Linking...", "ttyUSB0", 79, true});
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(link->text(), "Linking...");
    EXPECT_EQ(com->text(), "ttyUSB0");
    EXPECT_EQ(bar->value(), 79);

    dialog.close();
    EXPECT_FALSE(dialog.isVisible());
    dialog.showStatus({"Linking...", "ttyUSB0", 80, true});  // the next tick brings it back
    EXPECT_TRUE(dialog.isVisible());
    dialog.showStatus({"Online", "ttyUSB0", 100, false});
    EXPECT_FALSE(dialog.isVisible());

    dialog.applyLanguage(0);
    EXPECT_EQ(dialog.windowTitle(), "Device Staus");
    EXPECT_EQ(warn->text(), "Please Wait for a moment!");
}

TEST_F(LinkUiTest, LinkTimersRunAtTheirPeriodsAndFollowTheConnection) {
    QTemporaryDir runtime;  // no simulated ports
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    Model model;
    TForm3 form(model);
    Connection& connection = form.connection();
    const std::pair<const char*, int> periods[] = {
        {"Timer1", 1000}, {"Timer2", 100}, {"HoldTimer", 20}};
    for (const auto& [name, ms] : periods) {
        const auto* timer = form.findChild<QTimer*>(name);
        ASSERT_TRUE(timer) << name;
        EXPECT_EQ(timer->interval(), ms) << name;
    }

    connection.LinkBtnClick(LinkSender::kLinkBtn);
    EXPECT_TRUE(form.timerActive(LinkTimer::kTimer1));
    form.setManualTicks(true);
    EXPECT_FALSE(form.timerActive(LinkTimer::kTimer1));
    EXPECT_TRUE(connection.timer1Enabled());
    form.setManualTicks(false);  // the running timers start again
    EXPECT_TRUE(form.timerActive(LinkTimer::kTimer1));

    // With no port open the first request cannot be written: linking fails at once.
    connection.LinkEvent(LinkEventKind::kLinking);
    EXPECT_FALSE(form.timerActive(LinkTimer::kTimer1));
    EXPECT_FALSE(form.timerActive(LinkTimer::kTimer2));

    connection.state().link = LinkStatus::kOnLine;
    connection.scheduler().startHoldTimer();
    EXPECT_TRUE(form.timerActive(LinkTimer::kHoldTimer));
    connection.LinkBtnClick(LinkSender::kUnLinkBtn);
    EXPECT_FALSE(form.timerActive(LinkTimer::kHoldTimer));
}

}  // namespace
}  // namespace aec::test
