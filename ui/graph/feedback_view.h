#pragma once
// The feedback finder on the window: the FeedbackBtn toggle of the microphone tabs, the count
// of proposed cuts with FeedbackApplyBtn and FeedbackClearBtn, the proposals drawn dashed on
// the graph, and the cuts written and sent when the user applies them.

#include <QByteArray>
#include <QObject>
#include <memory>

#include "core/bilingual_text.h"
#include "core/model.h"
#include "core/parameter_sink.h"
#include "eq/audio_capture.h"
#include "eq/feedback_cuts.h"
#include "eq/feedback_detector.h"
#include "ui/commands/strip_commands.h"
#include "ui/graph/graph_view.h"
#include "ui/sheets/sheets.h"
#include "ui/widgets/message_service.h"

namespace aec {

class FeedbackView : public QObject {
  public:
    FeedbackView(Model& model, ParameterSink& sink, GraphView& graph, const StripParts& strip,
                 AudioCapture& audio, MessageService& messages, ViewHost& host);
    ~FeedbackView() override;

    // FeedbackBtnClick: the finder on or off; without audio a message, and it stays off.
    void FeedbackBtnClick(BmpButton& button);
    // FeedbackApplyBtnClick: every proposed cut written to the microphone EQ on show in this
    // one call (one undo step), each value sent paced, then controls and graph refreshed.
    void FeedbackApplyBtnClick();
    // FeedbackClearBtnClick: the proposals and what was heard are forgotten.
    void FeedbackClearBtnClick();
    // A captured block, listened to while the finder is on.
    void OnAudioBlock(const QByteArray& samples);
    // The tab on show changed; the finder lives on the microphone tabs only.
    void showOnTab(bool micTab);
    // The count in the language now in use.
    void showTexts();
    // The controls were filled from the stores again (an undo, a load): the proposals are
    // planned anew against the bands as they are now, before the graph is drawn.
    void storesChanged();

    bool on() const { return m_on; }
    const CutPlan& proposals() const { return m_plan; }

  private:
    void switchOff();
    void audioFailed();
    // Plans the cuts for what was found on the microphone page on show.
    void propose();
    void redraw();
    void say(const BilingualText& text);
    void drawProposals(QImage& plot, const PlotGeometry& g) const;

    Model& m_model;
    ParameterSink& m_sink;
    GraphView& m_graph;
    const StripParts& m_strip;
    AudioCapture& m_audio;
    MessageService& m_messages;
    ViewHost& m_host;
    std::unique_ptr<FeedbackDetector> m_detector = std::make_unique<FeedbackDetector>();
    FeedbackCuts m_cuts;
    CutPlan m_plan;
    size_t m_foundSeen = 0;
    bool m_on = false;
};

}  // namespace aec
