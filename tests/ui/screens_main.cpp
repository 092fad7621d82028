// Saves a picture of the editor window for every tab, for looking at the layout by eye, and the
// list of the window's named controls (names.txt):
//   ui-screens <folder>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QTabWidget>
#include <QtMath>

#include "core/offline_sink.h"
#include "eq/fake_audio_capture.h"
#include "ui/commands/filter_import_dialog.h"
#include "ui/frame/main_window.h"
#include "ui/rules/edit_rules.h"
#include "ui/widgets/look.h"
#include "ui/widgets/scripted_messages.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setFont(aec::look::windowFont());
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString(".");
    QDir().mkpath(folder);

    aec::Model model;
    aec::OfflineSink sink(model);
    aec::ScriptedMessages messages;
    aec::FakeAudioCapture audio;
    aec::TForm1 window(model, sink, messages, audio);
    window.show();
    QApplication::processEvents();

    QFile names(folder + "/names.txt");
    if (names.open(QIODevice::WriteOnly | QIODevice::Text)) {
        for (QWidget* control : window.controls().all()) {
            names.write(control->objectName().toUtf8() + ' ' + control->metaObject()->className() +
                        '\n');
        }
    }
    // The hidden tab button shows only after the access code.
    window.control<QWidget>("FormHintTabBtn")->show();
    const auto save = [&](const QString& name) {
        QApplication::processEvents();
        window.grab().save(folder + "/" + name + ".png");
    };
    const auto& tabs = window.tables().tabButtons();
    for (int t = 0; t < aec::kTabCount; ++t) {
        window.FormMusTabBtnClick(*tabs[t]);
        save(QString("tab%1_%2").arg(t).arg(tabs[t]->objectName()));
    }
    window.FormMusTabBtnClick(*tabs[aec::kTabEffect]);
    window.EchoAToolButtonClick(*window.tables().effectButtons()[2]);
    save("tab4_reverb");
    // An edited band: highlighted label and box, the band's point and caption on the graph.
    window.FormMusTabBtnClick(*tabs[aec::kTabMusic]);
    auto* gain = window.control<aec::EditBox>("MusGainEdit4");
    window.sync().clickRule(gain);
    gain->setText("6");
    window.sync().CommitEdit(aec::EditStep::kApply);
    window.Timer1Timer();
    save("edit_music_band4");
    // Band 4 being dragged: the marker under the mouse, the curve of the applied values; then
    // released and redrawn by the timer.
    auto* marker = window.control<QWidget>("EP4");
    const auto mouse = [&](QEvent::Type type, QPoint at, Qt::MouseButtons held) {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, marker->mapToGlobal(at), button, held, {});
        QApplication::sendEvent(marker, &event);
    };
    mouse(QEvent::MouseButtonPress, {7, 7}, Qt::LeftButton);
    mouse(QEvent::MouseMove, {157, -53}, Qt::LeftButton);
    window.graph().DrawPageResponse(3, aec::kPageMusic);
    save("drag_music_band4");
    mouse(QEvent::MouseButtonRelease, {7, 7}, Qt::NoButton);
    window.Timer1Timer();
    save("drag_music_band4_released");
    // The graph as its PNG export writes it.
    window.curveCommands().setFileChooser([&](const QString&, const QString&, const QString&) {
        return folder + "/graph_export.png";
    });
    window.curveCommands().ExportGraphPngClick();
    auto* system = window.control<QTabWidget>("AdvPageControl1");
    for (int i = 1; i < 3; ++i) {
        system->setCurrentIndex(i);
        save(QString("system%1").arg(i));
    }
    system->setCurrentIndex(0);
    window.RzBmpButton1Click();
    save("maximised");
    window.RzBmpButton1Click();

    // The command strip's looks: a linked pair with EQ pass on, then automatic and manual
    // output set-up.
    const auto button = [&](const char* name) { return window.control<aec::BmpButton>(name); };
    aec::StripCommands& strip = window.stripCommands();
    window.FormMusTabBtnClick(*tabs[aec::kTabMusic]);
    strip.SameBtnClick(*button("SameBtn"));
    strip.MusEQAllpassBtnClick(*button("MusEQAllpassBtn"));
    save("strip_sync_eq_pass");
    window.FormMusTabBtnClick(*tabs[aec::kTabMain]);
    save("strip_automatic");
    strip.AutoModeBtnClick(*button("ManulModeBtn"));
    strip.SingModeBtnClick(*button("DiscoModeBtn"));
    strip.SameBtnClick(*button("RightBtn"));
    save("strip_manual_disco_right");

    // The spectrum analyser on the Music page: silence, then a 1 kHz sine at half scale.
    window.FormMusTabBtnClick(*tabs[aec::kTabMusic]);
    window.spectrum().PinPPBtnClick(*button("PinPPBtn"));
    const auto frame = [&](double amplitude) {
        QByteArray block(aec::kBlockSamples, Qt::Uninitialized);
        for (int n = 0; n < block.size(); ++n) {
            block[n] = static_cast<char>(
                qRound(128 + 127 * amplitude * std::sin(2 * M_PI * 1000 * n / 48000.0)));
        }
        audio.deliver(block);
        for (int t = 0; t < 11; ++t) {
            window.Timer1Timer();
        }
    };
    frame(0);
    save("spectrum_silence");
    frame(0.5);
    save("spectrum_sine");

    // The report of a filter import, in both languages, from a REW file with every kind of
    // problem; nothing is applied.
    window.spectrum().PinPPBtnClick(*button("PinPPBtn"));
    const QString filters = folder + "/filters.txt";
    if (QFile file(filters); file.open(QIODevice::WriteOnly)) {
        file.write(
            "Filter Settings file\n\nRoom EQ V5.20\nNotes:living room\n\nEqualiser: Generic\n"
            "Filter  1: ON  PK       Fc     209 Hz  Gain  -3.9 dB  Q 3.943\n"
            "Filter  2: OFF PK       Fc    1000 Hz  Gain   2.0 dB  Q  1.00\n"
            "Filter  3: ON  NO       Fc     100 Hz\n"
            "Filter  4: ON  LS 6dB   Fc    63.0 Hz  Gain   5.0 dB\n"
            "Filter  5: ON  HSC      Fc   50000 Hz  Gain -30.0 dB  Q  2.00\n"
            "Preamp: -6 dB\n");
    }
    aec::FilterCommands& filterCommands = window.filterCommands();
    filterCommands.setOpenChooser([&] { return filters; });
    for (const int language : {1, 0}) {
        model.setLanguageFlag(language);
        filterCommands.setReportRunner([&](aec::FilterImportDialog& dialog) {
            dialog.show();
            QApplication::processEvents();
            dialog.grab().save(folder + QString("/filter_import_%1.png").arg(language));
            return false;
        });
        filterCommands.ImportFiltersClick();
    }
    return 0;
}
