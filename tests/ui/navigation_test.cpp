// Start-up, tabs, the hidden page, volume keys and the window's own buttons.
#include <QScreen>
#include <QSlider>
#include <QStackedWidget>
#include <QTabWidget>
#include <QWindow>

#include "editor_fixture.h"
#include "presets/volume_rules.h"

namespace aec::test {
namespace {

using NavigationTest = EditorTest;

TEST(startUp, RunsTheFirstShowStepsInOrder) {
    testApplication();
    Model model;
    RecordingSink sink(model);
    ScriptedMessages messages;
    FakeAudioCapture audio;
    TForm1 window(model, sink, messages, audio);
    // Stands in for the link, which fills the port list and serves the link button.
    std::vector<QString> calls;
    QObject::connect(&window, &TForm1::portListWanted, [&] { calls.push_back("ports"); });
    QObject::connect(&window, &TForm1::closing, [&] { calls.push_back("close"); });
    BmpButton* link = window.frame().linkButton;
    EXPECT_FALSE(link->isEnabled());  // nothing serves it in a window without a link
    link->setEnabled(true);
    QObject::connect(link, &QAbstractButton::clicked, [&] { calls.push_back("link"); });
    EXPECT_FALSE(window.windowShown());
    window.show();
    EXPECT_TRUE(window.windowShown());
    EXPECT_EQ(calls, (std::vector<QString>{"ports", "link"}));
    // Off line, before any answer: the Music sheet with the band defaults, nothing sent.
    EXPECT_EQ(window.control<QStackedWidget>("FormPageItem")->currentIndex(), kSheetMusic);
    EXPECT_TRUE(window.tables().tabButtons()[kTabMusic]->isSelected());
    EXPECT_EQ(window.control<QLabel>("LinkLabel")->text(), QString::fromUtf8("设备未连接"));
    EXPECT_EQ(window.control<EditBox>("MusFreEdit15")->text(), "12000Hz");
    EXPECT_EQ(model.param(0, 87), 120);  // right music EQ defaults too
    for (const char* hidden : {"FormHintTabBtn", "SysLogoEdit", "FirstCheckGrop", "Example"}) {
        EXPECT_FALSE(window.control(hidden)->isVisible()) << hidden;
    }
    EXPECT_TRUE(sink.sent.empty());
    EXPECT_EQ(window.sync().currentEdit(), window.control<EditBox>("MusFreEdit1"));
    window.close();
    EXPECT_EQ(calls.back(), "close");
}

TEST_F(NavigationTest, WindowGeometryAndTitle) {
    EXPECT_EQ(window->size(), QSize(1204, 609));
    EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(window->windowTitle(), "Audio Effect Contrller");
    EXPECT_EQ(w("FormPageItem")->size(), QSize(933, 564));
    EXPECT_EQ(w("AdvPanel1")->size(), QSize(938, 322));
    EXPECT_EQ(w("AdvPanel2")->geometry(), QRect(48, 35, 883, 268));
    EXPECT_EQ(w("RzGroupBox2")->width(), 260);
    EXPECT_EQ(w("RzGroupBox17")->size(), QSize(931, 33));
    EXPECT_EQ(w("FormDYNBtn")->width(), 80);
    EXPECT_EQ(w("FormSUBTabBtn")->width(), 64);
    EXPECT_EQ(w("RzBmpButton3")->geometry(), QRect(1204 - 60, 0, 60, 28));
    EXPECT_LT(w("Examplexx")->mapTo(w("MaINGroupBox2"), QPoint(0, 0)).y(), w("RzGroupBox17")->y());
}

TEST_F(NavigationTest, EveryTabShowsItsSheetAndPage) {
    w("FormHintTabBtn")->show();
    const int sheets[kTabCount] = {0, 8, 1, 1, 2, 3, 3, 3, 3, 4};
    const int pages[kTabCount] = {0, 1, 2, 2, 4, 6, 6, 6, 6, 25};
    for (int tab = 0; tab < kTabCount; ++tab) {
        selectTab(tab);
        EXPECT_EQ(sheet(), sheets[tab]) << tab;
        EXPECT_EQ(pageOf(model.selection.currentView), pages[tab]) << tab;
        EXPECT_EQ(model.selection.currentTab, tab);
        for (int other = 0; other < kTabCount; ++other) {
            EXPECT_EQ(window->tables().tabButtons()[other]->isSelected(), other == tab);
        }
        EXPECT_EQ(w("MusEQAllpassBtn")->isVisibleTo(window.get()), tab != kTabDynamicEq) << tab;
        EXPECT_EQ(QApplication::focusWidget(), w("Examplexx"));
        EXPECT_EQ(window->sync().wheelFlag(), 0);
    }
}

TEST_F(NavigationTest, PanelLockBoxKeepsTheTab) {
    w("FirstCheckGrop")->show();
    auto* main = w<ToolButton>("FormMAINTabBtn");
    QTest::mouseClick(main, Qt::LeftButton);
    EXPECT_EQ(sheet(), kSheetMusic);
    EXPECT_FALSE(main->isSelected());
    EXPECT_FALSE(main->isOpaque());
    EXPECT_EQ(model.selection.currentTab, kTabMusic);
    // The Music button itself still works.
    selectTab(kTabMusic);
    EXPECT_TRUE(w<ToolButton>("FormMusTabBtn")->isSelected());
}

TEST_F(NavigationTest, MicAThenMicBChangesTheGroupTitles) {
    selectTab(kTabMicA);
    EXPECT_EQ(w<QGroupBox>("AdvGroupBox1")->title(), QString::fromUtf8("麦克风A压限"));
    EXPECT_EQ(hintOf(w("AdvGroupBox1")), "MiC A Limit");
    selectTab(kTabMicB);
    EXPECT_EQ(sheet(), kSheetMic);
    EXPECT_EQ(w<QGroupBox>("AdvGroupBox1")->title(), QString::fromUtf8("麦克风B压限"));
    EXPECT_EQ(w<QGroupBox>("AdvGroupBox16")->title(), QString::fromUtf8("麦克风B 噪声门"));
    EXPECT_EQ(model.selection.curMicPage, 3);
    typeInto("MicGainEdit1", "3");
    EXPECT_EQ(model.param(3, 17), 135);
    EXPECT_EQ(model.param(2, 17), 120);
    EXPECT_EQ(w<BmpButton>("LeftBtn")->text(), QString::fromUtf8("麦克A"));
}

TEST_F(NavigationTest, LinkedMicBEditsPageTwo) {
    model.selection.micPairState = kPairLinked;
    model.setParam(2, 13, 1);
    selectTab(kTabMicB);
    EXPECT_EQ(model.selection.curMicPage, 2);
    typeInto("MicGainEdit1", "3");
    EXPECT_EQ(model.param(2, 17), 135);
    EXPECT_EQ(model.param(3, 17), 120);
}

TEST_F(NavigationTest, OutputTabsShowTheRightChannelOnlyForMainAndSurround) {
    selectTab(kTabSurround);
    EXPECT_TRUE(w("MainRmuteBtn")->isVisible());
    EXPECT_EQ(w("MainLmuteBtn")->x(), 583);
    EXPECT_EQ(w("MainRmuteBtn")->x(), 679);
    EXPECT_EQ(w<QGroupBox>("OutLimiteGroup")->title(), QString::fromUtf8("环绕压限"));
    EXPECT_TRUE(w("SingleDiscoGrop")->isVisible());
    EXPECT_FALSE(w("CopyGrop")->isEnabled());  // automatic set-up: pair buttons locked
    selectTab(kTabSub);
    EXPECT_FALSE(w("MainRmuteBtn")->isVisible());
    EXPECT_FALSE(w("MainRdelayBar")->isVisible());
    EXPECT_EQ(w("MainLmuteBtn")->x(), 631);
    EXPECT_EQ(w<BmpButton>("MainLmuteBtn")->text(), QString::fromUtf8("超低静音"));
    EXPECT_EQ(w<QLabel>("OutLDelayLabel")->text(), QString::fromUtf8("超低延时"));
    EXPECT_FALSE(w("CopyGrop")->isVisible());
    selectTab(kTabMusic);
    EXPECT_EQ(w<QGroupBox>("OutLimiteGroup")->title(), "");
    EXPECT_TRUE(w("CopyGrop")->isEnabled());
    EXPECT_FALSE(w("SingleDiscoGrop")->isVisible());
}

TEST_F(NavigationTest, EffectButtonsChooseTheEffectPage) {
    selectTab(kTabEffect);
    EXPECT_EQ(pageOf(model.selection.currentView), kPageEchoA);
    window->EchoAToolButtonClick(*w<ToolButton>("RvbToolButton"));
    EXPECT_EQ(model.selection.curEffectPage, kPageReverb);
    EXPECT_EQ(pageOf(model.selection.currentView), kPageReverb);
    EXPECT_EQ(w<QStackedWidget>("EffPageControl")->currentIndex(), 1);
    EXPECT_TRUE(w<ToolButton>("RvbToolButton")->isSelected());
    selectTab(kTabMusic);
    selectTab(kTabEffect);  // the Effect tab clicks the last effect button again
    EXPECT_EQ(pageOf(model.selection.currentView), kPageReverb);
    window->EchoAToolButtonClick(*w<ToolButton>("EchoBToolButton"));
    EXPECT_EQ(model.selection.curEffectPage, kPageEchoB);
    typeInto("EchoGainEdit1", "-6");
    EXPECT_EQ(model.param(24, 16), 90);
    EXPECT_EQ(model.param(4, 16), 120);
}

TEST_F(NavigationTest, HiddenPageButtonsChooseTheirSource) {
    w("FormHintTabBtn")->show();
    selectTab(kTabHint);
    window->HintMusBtnClick(*w<ToolButton>("HintMicABtn"));
    EXPECT_EQ(model.selection.curHintPage, 26);
    EXPECT_EQ(model.selection.currentView, makeView(25, kSheetHint));
    EXPECT_TRUE(w<ToolButton>("HintMicABtn")->isSelected());
    EXPECT_FALSE(w<ToolButton>("HintMusBtn")->isSelected());
    typeInto("HintGainEdit2", "6");
    EXPECT_EQ(model.param(26, 8), 150);
}

TEST_F(NavigationTest, AccessCodeRevealsTheHiddenTab) {
    w<Label>("LinkLabel")->doubleClicked();
    auto* code = edit("SysLogoEdit");
    EXPECT_TRUE(code->isVisible());
    EXPECT_TRUE(w("SysLogoLabel")->isVisible());
    QTest::keyClicks(code, "CONSOLE5832 ");
    QTest::keyClick(code, Qt::Key_Return);
    EXPECT_FALSE(w("FormHintTabBtn")->isVisible());
    EXPECT_TRUE(code->isVisible());
    EXPECT_EQ(code->text(), "CONSOLE5832 ");

    code->setText("CONSOLE5832");
    QTest::keyClick(code, Qt::Key_Return);
    EXPECT_TRUE(w("FormHintTabBtn")->isVisible());
    EXPECT_FALSE(code->isVisible());
    EXPECT_FALSE(w("SysLogoLabel")->isVisible());

    // A wrong code after another double click hides the tab again.
    w<Label>("LinkLabel")->doubleClicked();
    EXPECT_EQ(code->text(), "");
    QTest::keyClicks(code, "console5832");
    QTest::keyClick(code, Qt::Key_Return);
    EXPECT_FALSE(w("FormHintTabBtn")->isVisible());
}

TEST_F(NavigationTest, VolumeKeysFollowTheSystemTab) {
    for (int maximum : {4, 6, 8}) {
        model.setParam(kPageSystemVolumes, maximum, kVolumeBarMax);
    }
    window->RefreshControls(kAllPages);
    auto* music = w<QSlider>("SysMusNormalVolBar");
    auto* effect = w<QSlider>("SysEffNormalVolBar");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Q);
    EXPECT_EQ(music->value(), 1);
    EXPECT_EQ(sink.sent.back(), std::make_pair(0x1D01, 1));
    // Typed into an edit box, the key still moves the bar; the box discards the letter.
    EditBox* box = edit("MusFreEdit1");
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClick(box, Qt::Key_E);
    EXPECT_EQ(effect->value(), 1);
    EXPECT_EQ(box->text(), "20.5Hz");
    QTest::keyClick(box, Qt::Key_D);
    EXPECT_EQ(effect->value(), 0);

    w<QTabWidget>("AdvPageControl1")->setCurrentIndex(1);
    EXPECT_FALSE(window->keyPreview());
    QTest::keyClick(box, Qt::Key_Q);
    EXPECT_EQ(music->value(), 1);
    w<QTabWidget>("AdvPageControl1")->setCurrentIndex(0);
    QTest::keyClick(box, Qt::Key_W);
    EXPECT_EQ(w<QSlider>("SysMicNormalVolBar")->value(), 1);
}

TEST_F(NavigationTest, LettersTypedIntoATextBoxAreNoVolumeKeys) {
    for (int maximum : {4, 6, 8}) {
        model.setParam(kPageSystemVolumes, maximum, kVolumeBarMax);
    }
    window->RefreshControls(kAllPages);
    w<Label>("LinkLabel")->doubleClicked();
    auto* code = edit("SysLogoEdit");
    ASSERT_EQ(QApplication::focusWidget(), code);
    QTest::keyClicks(code, "CONSOLE5832");  // E would raise the effect volume
    EXPECT_EQ(code->text(), "CONSOLE5832");
    EXPECT_EQ(w<QSlider>("SysEffNormalVolBar")->value(), 0);
    EXPECT_TRUE(sink.sent.empty());
    QTest::keyClick(code, Qt::Key_Return);
    EXPECT_TRUE(w("FormHintTabBtn")->isVisible());
}

// Presses a control leaves unhandled travel up to the window; of what lies on it, only the title
// strip is its caption. Pressed through the window system, like a real mouse.
TEST_F(NavigationTest, OnlyTheTitleStripMovesTheWindow) {
    const struct {
        const char* name;
        QPoint at;
        bool drags;
    } kPresses[] = {
        {"Image2", {3, 3}, true},          {"ModelNameLabel", {3, 3}, true},
        {"Image1", {3, 3}, false},         {"AdvPanel1", {3, 3}, false},
        {"RzGroupBox17", {600, 3}, false},  // between the tabs and the status label
        {"MaINGroupBox2", {3, 3}, false},  {"SysMusNormalVolPane", {3, 3}, false},
    };
    QWindow* surface = window->windowHandle();
    for (const auto& [name, at, drags] : kPresses) {
        const QPoint point = w(name)->mapTo(window.get(), at);
        QTest::mousePress(surface, Qt::LeftButton, {}, point);
        EXPECT_EQ(window->dragging(), drags) << name;
        QTest::mouseRelease(surface, Qt::LeftButton, {}, point);
        EXPECT_FALSE(window->dragging()) << name;
    }
}

TEST_F(NavigationTest, PressAndReleaseLooks) {
    auto* echoB = w<ToolButton>("EchoBToolButton");
    selectTab(kTabEffect);
    QTest::mousePress(echoB, Qt::LeftButton);
    EXPECT_TRUE(echoB->isOpaque());
    QTest::mouseRelease(echoB, Qt::LeftButton);
    EXPECT_TRUE(echoB->isSelected());
    auto* dynamic = w<ToolButton>("FormDYNBtn");
    QTest::mousePress(dynamic, Qt::LeftButton);
    EXPECT_TRUE(dynamic->isOpaque());
    QTest::mouseRelease(dynamic, Qt::LeftButton);
    EXPECT_TRUE(dynamic->isSelected());
    EXPECT_EQ(sheet(), kSheetDynamicEq);
}

TEST_F(NavigationTest, MaximiseKeepsTheTaskBarFreeAndRestoreComesBack) {
    const QRect normal = window->geometry();
    window->RzBmpButton1Click();
    EXPECT_TRUE(window->isMaximised());
    EXPECT_EQ(window->geometry(), window->screen()->availableGeometry());
    EXPECT_EQ(w("Image1")->size(), w("AdvPanel2")->size());
    EXPECT_EQ(window->graph().graph().plot().size(), w("AdvPanel2")->size());
    EXPECT_EQ(w("RzGroupBox2")->x() + 260, window->width());
    window->RzBmpButton1Click();
    EXPECT_FALSE(window->isMaximised());
    EXPECT_EQ(window->geometry(), normal);
    EXPECT_EQ(w("AdvPanel2")->size(), QSize(883, 268));
    EXPECT_EQ(w("Image1")->size(), QSize(883, 268));
}

}  // namespace
}  // namespace aec::test
