// Saves a picture of the editor window for every tab, for looking at the layout by eye, and the
// list of the window's named controls (names.txt):
//   ui-screens <folder>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTabWidget>

#include "core/offline_sink.h"
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
    aec::TForm1 window(model, sink, messages);
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
    return 0;
}
