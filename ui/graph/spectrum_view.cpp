#include "ui/graph/spectrum_view.h"

#include <span>

#include "eq/spectrum_picture.h"
#include "ui/sync/command_looks.h"
#include "ui/sync/control_sync.h"

namespace aec {

namespace {

// Shown when the analyser is switched on without audio.
constexpr const char* kNoAudioChinese = "没检测到音频设备";
constexpr const char* kNoAudioEnglish = "Audio device is not detected";

}  // namespace

SpectrumView::SpectrumView(const Model& model, GraphView& graph, const StripParts& strip,
                           AudioCapture& audio, MessageService& messages)
    : m_model(model), m_graph(graph), m_strip(strip), m_audio(audio), m_messages(messages) {
    m_graph.graph().setUnderlay([this](QImage& plot, const PlotGeometry& g) {
        if (m_analyser->on()) {
            drawSpectrumBars(plot, m_analyser->bars(g));
        }
    });
    connect(&m_audio, &AudioCapture::blockCaptured, this, &SpectrumView::OnAudioBlock);
    connect(&m_audio, &AudioCapture::failed, this, [this] { audioFailed(); });
}

SpectrumView::~SpectrumView() { m_graph.graph().setUnderlay(nullptr); }

void SpectrumView::StartAudioCapture() {
    if (!m_audio.start()) {
        m_analyser->markAudioUnavailable();
    }
}

void SpectrumView::OnAudioBlock(const QByteArray& samples) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(samples.constData());
    m_analyser->OnAudioBlock(std::span(bytes, static_cast<size_t>(samples.size())),
                             m_model.dragging());
}

void SpectrumView::tick() {
    if (m_analyser->tick(m_model.dragging()) == SpectrumClock::Step::kDraw) {
        DrawSpectrumFrame();
    }
}

void SpectrumView::DrawSpectrumFrame() { m_graph.redrawUnderlay(); }

void SpectrumView::PinPPBtnClick(BmpButton& button) {
    const bool on = hintOf(&button) != "1";
    CommandLooks::showToggle(button, on ? 1 : 0);
    if (!m_analyser->audioAvailable()) {
        const bool chinese = m_model.languageFlag() == 1;
        m_messages.show(QString::fromUtf8(chinese ? kNoAudioChinese : kNoAudioEnglish),
                        kApplicationTitle, MessageService::Buttons::Ok);
        // The click has already pressed the toggle; it is released again, as the analyser is.
        CommandLooks::showToggle(button, 0);
        switchOff();
        return;
    }
    if (on) {
        m_analyser->setOn(true);  // the first frame comes with the timer
    } else {
        switchOff();
    }
}

void SpectrumView::PinDCFBtnClick(BmpButton& button) {
    const bool low = hintOf(&button) != "1";
    CommandLooks::showToggle(button, low ? 1 : 0);
    m_analyser->setLowScale(low);
}

void SpectrumView::audioFailed() {
    m_analyser->markAudioUnavailable();
    if (m_strip.spectrum != nullptr) {
        CommandLooks::showToggle(*m_strip.spectrum, 0);
    }
    if (m_analyser->on()) {
        switchOff();
    }
}

void SpectrumView::switchOff() {
    m_analyser->setOn(false);
    // A full redraw, which leaves the bars out.
    m_graph.DrawPageResponse(kAllPoints, m_graph.page());
}

}  // namespace aec
