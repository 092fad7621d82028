// aec-editor: sets the application up, creates the model and the windows in their start-up
// order and runs the event loop.
#include <QApplication>
#include <QFont>
#include <QScreen>

#include "app/offline_sink.h"
#include "core/model.h"
#include "ui/editor_hooks.h"
#include "ui/look.h"
#include "ui/main_window.h"
#include "ui/message_service.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(aec::kApplicationTitle);
    QApplication::setApplicationDisplayName(aec::kApplicationTitle);
    QApplication::setFont(aec::look::WindowFont());

    aec::Model model;
    aec::OfflineSink sink(model);
    aec::QtMessageService messages;

    // The main window first; the link controller and the status dialog follow it and are
    // installed through the window's link call points.
    aec::TForm1 window(model, sink, messages);
    messages.setParent(&window);
    aec::EditorModelHooks hooks(sink, window.sync());
    model.setHooks(&hooks);

    if (QScreen* screen = QApplication::primaryScreen()) {
        window.move(screen->availableGeometry().center() - window.rect().center());
    }
    window.show();
    const int result = app.exec();
    model.setHooks(nullptr);
    return result;
}
