#pragma once
// The feedback finder's ear: a fine transform (8192 points, Hann window, a new frame every
// 2048 samples at 48 kHz) of the captured audio, in which it looks for narrow peaks standing
// well above their neighbourhood and keeps those that persist. Block-driven: it analyses as
// samples arrive and holds no thread or timer.

#include <complex>
#include <cstdint>
#include <span>
#include <vector>

#include "eq/feedback_cuts.h"

struct kiss_fft_state;

namespace aec {

struct FeedbackSettings {
    double riseDb = 15.0;  // above the median of the neighbourhood
    double neighbourOctaves = 1.0 / 3.0;
    double sustainSeconds = 0.8;
    double mergeOctaves = 1.0 / 6.0;  // peaks closer than this are one
    double lowestHz = 60.0;
    double highestHz = 16000.0;
};

class FeedbackDetector {
  public:
    static constexpr int kLength = 8192;
    static constexpr int kHop = 2048;
    static constexpr int kRate = 48000;

    explicit FeedbackDetector(FeedbackSettings settings = {});
    ~FeedbackDetector();
    FeedbackDetector(const FeedbackDetector&) = delete;
    FeedbackDetector& operator=(const FeedbackDetector&) = delete;

    // Unsigned 8-bit mono samples at 48 kHz (silence 128), in pieces of any size.
    void addSamples(std::span<const uint8_t> samples);
    // Peaks that persisted long enough, merged, in the order found; they stay until clear().
    const std::vector<FeedbackPeak>& found() const { return m_found; }
    // The narrow peaks of the latest frame.
    const std::vector<FeedbackPeak>& framePeaks() const { return m_frame; }
    // Forgets what was found and what is being followed; the audio heard so far stays.
    void clear();
    int frames() const { return m_frames; }

  private:
    struct Track {
        double hzSum = 0;
        double rise = 0;
        int hits = 0;
        int missed = 0;
        bool reported = false;
        double hz() const { return hzSum / hits; }
    };

    void analyse();
    void findPeaks();
    double neighbourhoodMedian(int bin);
    void follow();
    void report(const Track& track);

    FeedbackSettings m_settings;
    kiss_fft_state* m_config;
    std::vector<float> m_history;  // the latest kLength samples, circular
    size_t m_write = 0;
    int m_sinceFrame = 0;
    int m_frames = 0;
    std::vector<float> m_window;
    std::vector<std::complex<float>> m_in;
    std::vector<std::complex<float>> m_out;
    std::vector<float> m_db;
    std::vector<float> m_scratch;
    std::vector<int> m_candidates;
    std::vector<FeedbackPeak> m_frame;
    std::vector<Track> m_tracks;
    std::vector<FeedbackPeak> m_found;
};

}  // namespace aec
