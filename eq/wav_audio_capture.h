#pragma once
// A capture source that plays a WAV recording into the capture path (rehearsal and tests): the
// file's samples come as whole blocks when the caller steps it.

#include <QString>
#include <cstdint>
#include <vector>

#include "eq/audio_capture.h"
#include "eq/wav_file.h"

namespace aec {

class WavAudioCapture : public AudioCapture {
  public:
    // The recording, read at once; error() says why a file cannot be played.
    explicit WavAudioCapture(const QString& path);
    explicit WavAudioCapture(std::vector<uint8_t> samples);

    bool start() override;
    void stop() override { m_running = false; }
    bool available() const override { return m_running; }

    // Delivers the next block; at the end of the recording it starts over when looping, else
    // reports the end as a failure and returns false.
    bool step();
    void setLooping(bool looping) { m_looping = looping; }
    WavError error() const { return m_error; }
    bool fileMissing() const { return m_missing; }

  private:
    std::vector<uint8_t> m_samples;
    WavError m_error = WavError::kNone;
    bool m_missing = false;
    bool m_running = false;
    bool m_looping = false;
    size_t m_next = 0;
};

}  // namespace aec
