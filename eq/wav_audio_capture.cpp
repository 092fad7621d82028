#include "eq/wav_audio_capture.h"

#include <QByteArray>
#include <QFile>
#include <span>

#include "eq/spectrum_bars.h"

namespace aec {

WavAudioCapture::WavAudioCapture(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_missing = true;
        return;
    }
    const QByteArray bytes = file.readAll();
    WavSound sound = readWav(std::span(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                       static_cast<size_t>(bytes.size())));
    m_error = sound.error;
    m_samples = std::move(sound.samples);
}

WavAudioCapture::WavAudioCapture(std::vector<uint8_t> samples) : m_samples(std::move(samples)) {}

bool WavAudioCapture::start() {
    m_running = !m_missing && m_error == WavError::kNone && !m_samples.empty();
    m_next = 0;
    return m_running;
}

bool WavAudioCapture::step() {
    if (!m_running) {
        return false;
    }
    if (m_looping && m_next + kBlockSamples > m_samples.size()) {
        m_next = 0;
    }
    if (m_next + kBlockSamples > m_samples.size()) {
        m_running = false;
        emit failed(QStringLiteral("end of recording"));
        return false;
    }
    emit blockCaptured(
        QByteArray(reinterpret_cast<const char*>(m_samples.data() + m_next), kBlockSamples));
    m_next += kBlockSamples;
    return true;
}

}  // namespace aec
