#pragma once
// The default sound-card input through Qt Multimedia. Recording runs on a thread of its own, so
// a busy window never makes the device overrun; whole blocks and failures are handed to the
// capture object's own thread through its event queue.

#include <QAudioDevice>
#include <QAudioFormat>
#include <QThread>
#include <optional>

#include "eq/audio_capture.h"
#include "eq/capture_blocks.h"

namespace aec {

inline constexpr int kCaptureSampleRate = 48000;

// The format to record from a device: 48 kHz, mono where the device offers it, unsigned 8-bit
// where it offers that, otherwise the first of 16-bit, 32-bit and float it offers (converted).
std::optional<QAudioFormat> captureFormat(const QAudioDevice& device);
// The format's samples as the block cutter knows them.
SampleFormat sampleFormatOf(const QAudioFormat& format);

class QtAudioCapture : public AudioCapture {
  public:
    explicit QtAudioCapture(QObject* parent = nullptr);
    ~QtAudioCapture() override;

    bool start() override;
    void stop() override;
    bool available() const override { return m_running; }
    // Why the last start failed or recording stopped, empty when neither happened.
    QString lastError() const { return m_error; }

  private:
    class Recorder;

    void deliver(const QByteArray& samples);
    void reportFailure(const QString& reason);

    QThread m_thread;
    Recorder* m_recorder;  // lives on m_thread
    bool m_running = false;
    QString m_error;
};

}  // namespace aec
