// The language button: every captioned control shows the other language, and back.
#include <QTabWidget>
#include <map>

#include "editor_fixture.h"

namespace aec::test {
namespace {

class LanguageTest : public EditorTest {
  protected:
    void toggle() { QTest::mouseClick(w("RzToolButton11"), Qt::LeftButton); }
    QString text(const char* name) { return captionOf(w(name)); }
    // Every text of every control: caption, Hint and a bitmap button's other caption.
    std::map<QString, QStringList> texts() const {
        std::map<QString, QStringList> all;
        for (const ControlRegistry::Entry& e : window->controls().entries()) {
            all[e.control->objectName()] = {captionOf(e.control), hintOf(e.control),
                                            otherCaptionOf(e.control)};
        }
        auto* tabs = window->control<QTabWidget>("AdvPageControl1");
        for (int i = 0; i < tabs->count(); ++i) {
            all["tab"] << tabs->tabText(i);
        }
        return all;
    }
};

TEST_F(LanguageTest, EnglishThenChineseAgainRestoresEveryText) {
    selectTab(kTabMain);
    const auto chinese = texts();
    toggle();
    EXPECT_EQ(model.languageFlag(), 0);
    struct Case {
        const char* name;
        const char* english;
    };
    for (const Case& c : {
             Case{"RzToolButton11", "中文"}, Case{"FormMusTabBtn", "Music"},
             Case{"Label11", "Input"}, Case{"AdvTabSheet1", "Main Volume"},
             Case{"SysLoadModeBtn", "Load Mode"}, Case{"RzBmpButton119", "Load File data"},
             Case{"PinPPBtn", "Spectrum"}, Case{"DEQTYpeBelowBtn2", "Below"},
             Case{"SysPanelBtn1", "Disable"}, Case{"EQResetBtn", "EQ Reset"},
             Case{"Label85", "Rvb Effect Vol"},  // the reverb's own name
             Case{"RestoreBtn", "Restore processor"},
             Case{"LeftBtn", "Main L"},       // the tab selector writes the channel texts
             Case{"SysLogoLabel", "运行："},  // no English: the caption stays, never blank
         }) {
        EXPECT_EQ(text(c.name), QString::fromUtf8(c.english)) << c.name;
    }
    EXPECT_EQ(w<QTabWidget>("AdvPageControl1")->tabText(0), "Main Volume");
    EXPECT_EQ(text("LinkLabel"), QString::fromUtf8("设备未连接"));  // the link writes it

    toggle();
    EXPECT_EQ(model.languageFlag(), 1);
    EXPECT_EQ(texts(), chinese);
}

}  // namespace
}  // namespace aec::test
