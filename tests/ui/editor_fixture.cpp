#include "editor_fixture.h"

#include <QStackedWidget>

namespace aec::test {

QApplication& testApplication() {
    static int argc = 1;
    static char name[] = "ui_window_tests";
    static char* argv[] = {name, nullptr};
    // Kept until the process ends: widgets of every test share it.
    static auto* app = new QApplication(argc, argv);
    return *app;
}

void EditorTest::SetUp() {
    testApplication();
    window = std::make_unique<TForm1>(model, sink, messages, audio);
    window->presetFiles().setDirectory(presetFolder.filePath("KMode").toStdString());
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    sink.sent.clear();
}

void EditorTest::TearDown() { window.reset(); }

void EditorTest::typeInto(const char* name, const char* text) {
    EditBox* box = edit(name);
    QTest::mouseClick(box, Qt::LeftButton);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

void EditorTest::selectTab(int tab) {
    window->FormMusTabBtnClick(*window->tables().tabButtons()[tab]);
}

int EditorTest::sheet() const {
    return window->control<QStackedWidget>("FormPageItem")->currentIndex();
}

}  // namespace aec::test
