// Every control a user can work is served by a handler or visibly disabled.
#include <QTableWidget>

#include "editor_fixture.h"
#include "ui/widgets/point_image.h"

namespace aec::test {
namespace {

using WiringTest = EditorTest;

bool takesInput(const QWidget* w) {
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QSlider*>(w) || qobject_cast<const PointImage*>(w) ||
           qobject_cast<const QTableWidget*>(w) || qobject_cast<const SpinButtons*>(w) ||
           (qobject_cast<const EditBox*>(w) && w->property("valueBox").toBool());
}

TEST_F(WiringTest, NothingThatTakesInputIsSilent) {
    selectTab(kTabMicA);
    for (const ControlRegistry::Entry& e : window->controls().entries()) {
        const QWidget* w = e.control;
        const bool heading = w->testAttribute(Qt::WA_TransparentForMouseEvents);
        if (!takesInput(w) || w->isHidden() || heading || !w->isEnabled()) {
            continue;
        }
        EXPECT_NE(e.handler, Handler::kNone) << w->objectName().toStdString();
    }
}

TEST_F(WiringTest, ControlsTheLinkServesAreDisabledWithoutIt) {
    for (const char* name :
         {"LinkBtn", "SysLoadModeBtn", "SysSaveModeBtn", "SysModeBtn1", "SysFactoryBtn",
          "SysModeBox2", "RzBmpButton118", "RzBmpButton22", "RzBmpButton23", "RzBmpButton4",
          "VerifyBtn", "BackupBtn", "RestoreBtn"}) {
        EXPECT_FALSE(w(name)->isEnabled()) << name;
    }
}

}  // namespace
}  // namespace aec::test
