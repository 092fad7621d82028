// Cost of building the editor window, refreshing every page and changing tabs (offscreen).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>

#include "core/offline_sink.h"
#include "eq/fake_audio_capture.h"
#include "ui/frame/main_window.h"
#include "ui/widgets/point_image.h"
#include "ui/widgets/scripted_messages.h"

namespace aec {
namespace {

QApplication& application() {
    static int argc = 1;
    static char name[] = "bench_ui";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static auto* app = new QApplication(argc, argv);
    return *app;
}

struct Editor {
    Model model;
    OfflineSink sink{model};
    ScriptedMessages messages;
    FakeAudioCapture audio;
    TForm1 window{model, sink, messages, audio};
};

void BM_CreateAndShowWindow(benchmark::State& state) {
    application();
    for (auto _ : state) {
        Editor editor;
        editor.window.show();
        benchmark::DoNotOptimize(editor.window.windowShown());
    }
}
BENCHMARK(BM_CreateAndShowWindow)->Unit(benchmark::kMillisecond);

void BM_RefreshEveryPage(benchmark::State& state) {
    application();
    Editor editor;
    editor.window.show();
    for (auto _ : state) {
        editor.window.RefreshControls(100);
    }
}
BENCHMARK(BM_RefreshEveryPage)->Unit(benchmark::kMillisecond);

void BM_TabChange(benchmark::State& state) {
    application();
    Editor editor;
    editor.window.show();
    const auto& tabs = editor.window.tables().tabButtons();
    int tab = 0;
    for (auto _ : state) {
        tab = tab == kTabMusic ? kTabMicA : kTabMusic;
        editor.window.FormMusTabBtnClick(*tabs[tab]);
    }
}
BENCHMARK(BM_TabChange)->Unit(benchmark::kMillisecond);

void BM_TypedGainAndGraphTick(benchmark::State& state) {
    application();
    Editor editor;
    editor.window.show();
    auto* box = editor.window.control<EditBox>("MusGainEdit5");
    editor.window.sync().clickRule(box);
    int step = 0;
    for (auto _ : state) {
        editor.window.sync().CommitEdit(++step % 2 ? EditStep::kUp : EditStep::kDown);
        editor.window.Timer1Timer();
    }
}
BENCHMARK(BM_TypedGainAndGraphTick)->Unit(benchmark::kMicrosecond);

void sendMouse(QWidget* to, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons held) {
    QMouseEvent event(type, at, to->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(to, &event);
}

// One drag step of a music band: the move event applies frequency and gain through the band's
// controls, sends them and redraws that band's curve, caption and the summed curve.
void BM_PointDragStep(benchmark::State& state) {
    application();
    Editor editor;
    editor.window.show();
    auto* marker = editor.window.control<PointImage>("EP6");
    const QPoint centre(7, 7);
    sendMouse(marker, QEvent::MouseButtonPress, centre, Qt::LeftButton, Qt::LeftButton);
    int dy = 3;
    for (auto _ : state) {
        dy = -dy;  // up and down, so every step changes the gain
        sendMouse(marker, QEvent::MouseMove, centre + QPoint(dy, dy), Qt::NoButton, Qt::LeftButton);
    }
    sendMouse(marker, QEvent::MouseButtonRelease, centre, Qt::LeftButton, Qt::NoButton);
}
BENCHMARK(BM_PointDragStep)->Unit(benchmark::kMicrosecond);

// Undoing a whole preset load: every setting of pages 0..29 back in the stores, every control
// and the graph, and the values handed to the sink. One iteration is an undo and a redo.
void BM_UndoAndRedoAPresetLoad(benchmark::State& state) {
    application();
    Editor editor;
    editor.window.show();
    Model& m = editor.model;
    for (int page = 0; page < kPageSystem; ++page) {
        for (int slot = 0; slot < pageSlotCount(page); ++slot) {
            m.setParam(page, slot, m.param(page, slot) + 1);
        }
    }
    m.history.close(m.paramStore());
    for (auto _ : state) {
        editor.window.undoCommands().UndoClick();
        editor.window.undoCommands().RedoClick();
    }
}
BENCHMARK(BM_UndoAndRedoAPresetLoad)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace aec
