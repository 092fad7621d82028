#pragma once
// A capture source for tests and demonstrations: blocks and failures come when the caller says.

#include "eq/audio_capture.h"

namespace aec {

class FakeAudioCapture : public AudioCapture {
  public:
    // A source whose start fails stands for a machine without an input device.
    explicit FakeAudioCapture(bool startable = true) : m_startable(startable) {}

    bool start() override {
        ++m_starts;
        m_running = m_startable;
        return m_running;
    }
    void stop() override { m_running = false; }
    bool available() const override { return m_running; }

    // Delivers samples as a captured block (of any size, to show how short ones are handled).
    void deliver(const QByteArray& samples) {
        if (m_running) {
            emit blockCaptured(samples);
        }
    }
    // The device goes away while recording.
    void fail(const QString& reason = QStringLiteral("device removed")) {
        if (m_running) {
            m_running = false;
            emit failed(reason);
        }
    }
    int starts() const { return m_starts; }

  private:
    bool m_startable;
    bool m_running = false;
    int m_starts = 0;
};

}  // namespace aec
