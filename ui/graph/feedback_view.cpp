#include "ui/graph/feedback_view.h"

#include <span>

#include "core/bilingual_text.h"
#include "core/pages.h"
#include "core/scale_tables.h"
#include "eq/band_curve.h"
#include "eq/response_curve.h"
#include "ui/sync/command_looks.h"
#include "ui/sync/control_sync.h"

namespace aec {

namespace {

constexpr BilingualText kNoAudio{"没检测到音频设备", "Audio device is not detected"};
constexpr BilingualText kAudioStopped{"录音中断,啸叫查找已停止,未做任何更改",
                                      "Recording stopped: the feedback finder is off and nothing "
                                      "was changed"};
constexpr BilingualText kNothingFound{"还没有发现啸叫", "No feedback has been found yet"};
constexpr BilingualText kNoFreeBand{"没有空闲的EQ段(0dB的PEQ),未做任何更改",
                                    "No free EQ band (PEQ at 0 dB): nothing was changed"};
constexpr BilingualText kSomeWithoutBand{"部分啸叫点没有空闲的EQ段,未处理",
                                         "Some feedback found no free EQ band and was left alone"};
constexpr BilingualText kCount{"待处理: %1", "Cuts: %1"};

enum SubSlot : int { kModeSlot = 0, kFreqSlot = 1, kGainSlot = 2, kQSlot = 3 };
constexpr int kPeakingMode = 1;
// Grid points at least this far below 0 dB belong to the drawn notch.
constexpr float kNotchEdgeDb = -0.05F;

}  // namespace

FeedbackView::FeedbackView(Model& model, ParameterSink& sink, GraphView& graph,
                           const StripParts& strip, AudioCapture& audio, MessageService& messages,
                           ViewHost& host)
    : m_model(model),
      m_sink(sink),
      m_graph(graph),
      m_strip(strip),
      m_audio(audio),
      m_messages(messages),
      m_host(host) {
    m_graph.graph().setMarks(
        [this](QImage& plot, const PlotGeometry& g) { drawProposals(plot, g); });
    connect(&m_audio, &AudioCapture::blockCaptured, this, &FeedbackView::OnAudioBlock);
    connect(&m_audio, &AudioCapture::failed, this, [this] { audioFailed(); });
    showTexts();
}

FeedbackView::~FeedbackView() { m_graph.graph().setMarks(nullptr); }

void FeedbackView::FeedbackBtnClick(BmpButton& button) {
    const bool on = hintOf(&button) != "1";
    if (on && !m_audio.available()) {
        CommandLooks::showToggle(button, 0);
        say(kNoAudio);
        return;
    }
    if (!on) {
        switchOff();
        return;
    }
    CommandLooks::showToggle(button, 1);
    m_on = true;
    m_detector->clear();
    m_foundSeen = 0;
    propose();
}

void FeedbackView::FeedbackApplyBtnClick() {
    if (!m_on) {
        return;
    }
    const int page = m_model.selection.curMicPage;
    const CutPlan plan = m_cuts.plan(m_model, page, m_detector->found());
    if (plan.cuts.empty()) {
        say(plan.noFreeBand ? kNoFreeBand : kNothingFound);
        return;
    }
    // Every value in this one call, so the history keeps the whole set as one step.
    for (const FinderCut& cut : plan.cuts) {
        const std::array<std::pair<int, int>, 4> values = {{{kFreqSlot, cut.freq},
                                                            {kQSlot, cut.q},
                                                            {kModeSlot, kPeakingMode},
                                                            {kGainSlot, cut.gain}}};
        for (const auto& [sub, value] : values) {
            const int slot = bandSlot(kPageMicA, cut.band, sub);
            if (m_model.param(page, slot) != value) {
                m_sink.SetParameterPaced(makeAddress(kPageMicA, slot), value);
            }
        }
    }
    m_cuts.applied(page, plan);
    // What was heard led to these cuts; a howl that persists must be found again.
    m_detector->clear();
    m_foundSeen = 0;
    m_plan = {};
    showTexts();
    m_host.showCurrentView();
    if (plan.noFreeBand) {
        say(kSomeWithoutBand);
    }
}

void FeedbackView::FeedbackClearBtnClick() {
    m_detector->clear();
    m_foundSeen = 0;
    propose();
}

void FeedbackView::OnAudioBlock(const QByteArray& samples) {
    if (!m_on) {
        return;
    }
    const auto* bytes = reinterpret_cast<const uint8_t*>(samples.constData());
    m_detector->addSamples(std::span(bytes, static_cast<size_t>(samples.size())));
    if (m_detector->found().size() != m_foundSeen) {
        m_foundSeen = m_detector->found().size();
        propose();
    }
}

void FeedbackView::showOnTab(bool micTab) {
    if (!micTab) {
        switchOff();
    } else if (m_on) {
        propose();  // the other microphone's bands
    }
}

void FeedbackView::showTexts() {
    const bool chinese = m_model.languageFlag() == 1;
    if (m_strip.feedbackCount != nullptr) {
        m_strip.feedbackCount->setText(
            QString::fromUtf8(kCount.in(chinese ? 1 : 0)).arg(m_plan.cuts.size()));
    }
    for (QWidget* w : {static_cast<QWidget*>(m_strip.feedbackCount),
                       static_cast<QWidget*>(m_strip.feedbackApply),
                       static_cast<QWidget*>(m_strip.feedbackClear)}) {
        if (w != nullptr) {
            w->setVisible(m_on);
        }
    }
    if (m_strip.feedbackApply != nullptr) {
        m_strip.feedbackApply->setEnabled(!m_plan.cuts.empty());
    }
}

void FeedbackView::storesChanged() {
    if (m_on) {
        m_plan = m_cuts.plan(m_model, m_model.selection.curMicPage, m_detector->found());
        showTexts();
    }
}

void FeedbackView::switchOff() {
    const bool wasOn = m_on;
    m_on = false;
    m_detector->clear();
    m_foundSeen = 0;
    m_plan = {};
    if (m_strip.feedback != nullptr) {
        CommandLooks::showToggle(*m_strip.feedback, 0);
    }
    showTexts();
    if (wasOn) {
        redraw();
    }
}

void FeedbackView::audioFailed() {
    if (m_on) {
        switchOff();
        say(kAudioStopped);
    }
}

void FeedbackView::propose() {
    m_plan = m_cuts.plan(m_model, m_model.selection.curMicPage, m_detector->found());
    showTexts();
    redraw();
}

void FeedbackView::redraw() { m_graph.DrawPageResponse(kAllPoints, m_graph.page()); }

void FeedbackView::say(const BilingualText& text) {
    m_messages.show(QString::fromUtf8(text.in(m_model.languageFlag())), kApplicationTitle,
                    MessageService::Buttons::Ok);
}

void FeedbackView::drawProposals(QImage& plot, const PlotGeometry& g) const {
    if (!m_on || m_graph.page() != kPageMicA) {
        return;
    }
    for (const FinderCut& cut : m_plan.cuts) {
        BandCurve curve{};
        ComputeBandCurve(curve, kBandPeaking,
                         static_cast<int>(kFreqTable[static_cast<size_t>(cut.freq)].value),
                         kQTable[static_cast<size_t>(cut.q)].value,
                         static_cast<float>(cut.gain - kDefaultGain) / 5.0F);
        int first = -1;
        int last = -1;
        for (int i = 0; i < ResponseGrid::kPoints; ++i) {
            if (curve[static_cast<size_t>(i)] < kNotchEdgeDb) {
                first = first < 0 ? i : first;
                last = i;
            }
        }
        PointsPolyline points{};
        curvePoints(g, curve, points);
        drawProposalCurve(plot, points, first - 1, last + 1);
    }
}

}  // namespace aec
