// aec-editor: sets the application up, creates the model and the windows in their start-up
// order and runs the event loop. Showing the main window starts the search for the processor.
#include <QApplication>
#include <QFile>
#include <QFont>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string_view>
#include <vector>

#include "app/editor_app.h"
#include "core/program_info.h"
#include "eq/wav_audio_capture.h"
#include "presets/preset_folder.h"
#include "ui/widgets/look.h"
#include "ui/widgets/message_service.h"

namespace {

constexpr std::string_view kUsage =
    "usage: aec-editor [--help] [--version] [--capture-wav FILE]\n"
    "Audio Effect Contrller: edits the settings of an audio effect processor on a serial port.\n"
    "Audio Effect Contrller：通过串口编辑音效处理器的设置。\n"
    "--capture-wav FILE plays a WAV recording in place of the sound card's input (rehearsal).\n";

}  // namespace

int main(int argc, char* argv[]) {
    // Answered before the application starts, so they need no display.
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    if (const auto status = aec::answerAboutRequest({"aec-editor", kUsage}, args, std::cout)) {
        return *status;
    }
    QApplication app(argc, argv);
    const std::string_view version = aec::programVersion();
    QApplication::setApplicationVersion(
        QString::fromUtf8(version.data(), static_cast<qsizetype>(version.size())));
    QApplication::setApplicationName(aec::kApplicationTitle);
    QApplication::setApplicationDisplayName(aec::kApplicationTitle);
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.aec.Editor"));
    QApplication::setFont(aec::look::windowFont());

    // --capture-wav FILE: the recording is played into the spectrum analyser and the feedback
    // finder in place of the sound card, in real time (rehearsal without a microphone).
    std::unique_ptr<aec::WavAudioCapture> recording;
    QTimer playback;
    const QStringList arguments = QApplication::arguments();
    if (const auto at = arguments.indexOf(QStringLiteral("--capture-wav"));
        at > 0 && at + 1 < arguments.size()) {
        recording = std::make_unique<aec::WavAudioCapture>(arguments[at + 1]);
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

    // Presets live beside the program in its build tree (or in the user's data folder when it
    // cannot write there); an installed editor keeps them in the user's data folder.
    const auto folder = [](const QString& path) {
        return std::filesystem::path(QFile::encodeName(path).toStdString());
    };
    window.presetFiles().setDirectory(aec::editorPresetDirectory(
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
