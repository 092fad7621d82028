#pragma once
// The spectrum analyser on the window: the sound card's blocks, the two strip buttons PinPPBtn
// and PinDCFBtn, and the bars drawn into the response graph under the curve.

#include <QByteArray>
#include <QObject>
#include <memory>

#include "core/model.h"
#include "eq/audio_capture.h"
#include "eq/spectrum_analyser.h"
#include "ui/graph/graph_view.h"
#include "ui/sheets/sheets.h"
#include "ui/widgets/message_service.h"

namespace aec {

class SpectrumView : public QObject {
  public:
    SpectrumView(const Model& model, GraphView& graph, const StripParts& strip, AudioCapture& audio,
                 MessageService& messages);
    ~SpectrumView() override;

    // StartAudioCapture: recording starts now and runs until the editor closes; audio is
    // unavailable when it cannot start.
    void StartAudioCapture();
    // OnAudioBlock: a captured block, kept while the analyser is on and nothing is dragged.
    void OnAudioBlock(const QByteArray& samples);
    // The analyser's part of the 10 ms graph tick (frozen while a marker is dragged).
    void tick();
    // DrawSpectrumFrame on its own: the grid restored, the bars, the curve redrawn; markers and
    // caption stay. A full redraw of the graph draws the bars itself, between grid and curve.
    void DrawSpectrumFrame();

    // PinPPBtnClick: the analyser on or off; without audio a message, and it stays off.
    void PinPPBtnClick(BmpButton& button);
    // PinDCFBtnClick: the low-level scale on or off, from the next frame on.
    void PinDCFBtnClick(BmpButton& button);

    const SpectrumAnalyser& analyser() const { return *m_analyser; }

  private:
    // Recording stopped with an error: audio unavailable, and a running analyser switched off.
    void audioFailed();
    void switchOff();

    const Model& m_model;
    GraphView& m_graph;
    const StripParts& m_strip;
    AudioCapture& m_audio;
    MessageService& m_messages;
    std::unique_ptr<SpectrumAnalyser> m_analyser = std::make_unique<SpectrumAnalyser>();
};

}  // namespace aec
