// aec-editor: sets the application up, creates the model and the windows in their start-up
// order and runs the event loop. Showing the main window starts the search for the processor.
#include <QApplication>
#include <QFont>
#include <QScreen>

#include "app/editor_app.h"
#include "ui/widgets/look.h"
#include "ui/widgets/message_service.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(aec::kApplicationTitle);
    QApplication::setApplicationDisplayName(aec::kApplicationTitle);
    QApplication::setFont(aec::look::windowFont());

    aec::QtMessageService messages;
    aec::EditorApp editor(messages);
    aec::TForm1& window = editor.window();
    messages.setParent(&window);

    if (QScreen* screen = QApplication::primaryScreen()) {
        window.move(screen->availableGeometry().center() - window.rect().center());
    }
    window.show();
    return app.exec();
}
