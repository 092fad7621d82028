// aec-editor: sets the application up, creates the model and the windows in their start-up
// order and runs the event loop. Showing the main window starts the search for the processor.
#include <QApplication>
#include <QFile>
#include <QFont>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <filesystem>
#include <memory>

#include "app/editor_app.h"
#include "eq/wav_audio_capture.h"
#include "presets/preset_folder.h"
#include "ui/widgets/look.h"
#include "ui/widgets/message_service.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(aec::kApplicationTitle);
    QApplication::setApplicationDisplayName(aec::kApplicationTitle);
    QApplication::setFont(aec::look::windowFont());

    // --capture-wav FILE: the recording is played into the spectrum analyser and the feedback
    // finder in place of the sound card, in real time (rehearsal without a microphone).
    std::unique_ptr<aec::WavAudioCapture> recording;
    QTimer playback;
    const QStringList args = QApplication::arguments();
    if (const auto at = args.indexOf(QStringLiteral("--capture-wav"));
        at > 0 && at + 1 < args.size()) {
        recording = std::make_unique<aec::WavAudioCapture>(args[at + 1]);
        recording->setLooping(true);
        playback.setInterval(1000 * aec::kBlockSamples / aec::kWavOutputRate);
        QObject::connect(&playback, &QTimer::timeout, recording.get(),
                         [&recording] { recording->step(); });
        playback.start();
    }

    aec::QtMessageService messages;
    aec::EditorApp editor(messages, recording.get());
    aec::TForm1& window = editor.window();
    messages.setParent(&window);

    // Presets live beside the program, or in the user's data folder when it cannot write there.
    const auto folder = [](const QString& path) {
        return std::filesystem::path(QFile::encodeName(path).toStdString());
    };
    window.presetFiles().setDirectory(aec::choosePresetDirectory(
        folder(QCoreApplication::applicationDirPath()),
        folder(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))));
    editor.keepOfflineEditsIn(
        folder(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)) /
        "offline-edits.txt");
    // The automatic backups of the processor's settings, in the user's data folder.
    editor.backups().setFolder(
        folder(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)) / "Backup" /
        "Automatic");

    if (QScreen* screen = QApplication::primaryScreen()) {
        window.move(screen->availableGeometry().center() - window.rect().center());
    }
    window.show();
    return app.exec();
}
