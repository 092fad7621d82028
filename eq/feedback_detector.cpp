#include "eq/feedback_detector.h"

#include <kiss_fft.h>

#include <algorithm>
#include <cmath>
#include <new>
#include <numbers>

#include "eq/spectrum_transform.h"

namespace aec {

namespace {

static_assert(sizeof(kiss_fft_cpx) == sizeof(std::complex<float>));

constexpr int kHalf = FeedbackDetector::kLength / 2;
constexpr double kBinHz = static_cast<double>(FeedbackDetector::kRate) / FeedbackDetector::kLength;
// A Hann window's main lobe spans two bins either side of a sine.
constexpr int kLobe = 3;
// Only the strongest peaks of a frame are measured against their neighbourhood.
constexpr size_t kMostCandidates = 24;
// The fewest bins a neighbourhood holds at low frequencies.
constexpr int kLeastNeighbours = 12;
// Frames a followed peak may miss (a breath in the howl) before it is dropped.
constexpr int kMaxMissed = 2;
// A sine of one least significant bit of 8-bit audio, in the dB of this transform.
const float kFloorDb =
    static_cast<float>(20.0 * std::log10((1.0 / 128.0) * FeedbackDetector::kLength / 4.0));

double octaves(double a, double b) { return std::abs(std::log2(a / b)); }

}  // namespace

FeedbackDetector::FeedbackDetector(FeedbackSettings settings)
    : m_settings(settings),
      m_config(kiss_fft_alloc(kLength, 0, nullptr, nullptr)),
      m_history(kLength, 0.0F),
      m_window(kLength),
      m_in(kLength),
      m_out(kLength),
      m_db(kHalf + 1) {
    if (m_config == nullptr) {
        throw std::bad_alloc();
    }
    for (int n = 0; n < kLength; ++n) {
        m_window[n] =
            static_cast<float>(0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * n / kLength));
    }
}

FeedbackDetector::~FeedbackDetector() { kiss_fft_free(m_config); }

void FeedbackDetector::addSamples(std::span<const uint8_t> samples) {
    for (const uint8_t s : samples) {
        m_history[m_write] = sampleOfByte(s);
        m_write = (m_write + 1) % kLength;
        if (++m_sinceFrame == kHop) {
            m_sinceFrame = 0;
            analyse();
        }
    }
}

void FeedbackDetector::clear() {
    m_tracks.clear();
    m_found.clear();
    m_frame.clear();
}

void FeedbackDetector::analyse() {
    for (size_t n = 0; n < kLength; ++n) {
        m_in[n] = {m_history[(m_write + n) % kLength] * m_window[n], 0.0F};
    }
    kiss_fft(m_config, reinterpret_cast<const kiss_fft_cpx*>(m_in.data()),
             reinterpret_cast<kiss_fft_cpx*>(m_out.data()));
    for (int k = 0; k <= kHalf; ++k) {
        m_db[k] = 10.0F * std::log10(std::norm(m_out[k]) + 1e-12F);
    }
    ++m_frames;
    findPeaks();
    follow();
}

void FeedbackDetector::findPeaks() {
    const int low = std::max(kLobe + 1, static_cast<int>(m_settings.lowestHz / kBinHz));
    const int high = std::min(kHalf - kLobe - 1, static_cast<int>(m_settings.highestHz / kBinHz));
    m_candidates.clear();
    for (int k = low; k <= high; ++k) {
        const float v = m_db[k];
        // A local maximum whose skirts fall away beyond the window's main lobe.
        if (v > kFloorDb && v > m_db[k - 1] && v >= m_db[k + 1] && v > m_db[k - kLobe] + 6.0F &&
            v > m_db[k + kLobe] + 6.0F) {
            m_candidates.push_back(k);
        }
    }
    const auto count = std::min(kMostCandidates, m_candidates.size());
    std::partial_sort(m_candidates.begin(), m_candidates.begin() + static_cast<long>(count),
                      m_candidates.end(), [this](int a, int b) { return m_db[a] > m_db[b]; });
    m_candidates.resize(count);

    m_frame.clear();
    for (const int k : m_candidates) {
        const double rise = m_db[k] - neighbourhoodMedian(k);
        if (rise < m_settings.riseDb) {
            continue;
        }
        // Parabolic interpolation through the top three bins of the log spectrum.
        const double a = m_db[k - 1];
        const double b = m_db[k];
        const double c = m_db[k + 1];
        const double denominator = a - 2.0 * b + c;
        const double shift = denominator == 0.0 ? 0.0 : 0.5 * (a - c) / denominator;
        const FeedbackPeak peak{(k + shift) * kBinHz, rise};
        // Candidates come strongest first: a weaker one close to a kept one is part of it.
        const bool merged = std::any_of(m_frame.begin(), m_frame.end(), [&](const FeedbackPeak& p) {
            return octaves(p.hz, peak.hz) < m_settings.mergeOctaves;
        });
        if (!merged) {
            m_frame.push_back(peak);
        }
    }
}

double FeedbackDetector::neighbourhoodMedian(int bin) {
    const double factor = std::exp2(m_settings.neighbourOctaves);
    int from = static_cast<int>(bin / factor);
    int to = static_cast<int>(bin * factor);
    from = std::max(1, std::min(from, bin - kLeastNeighbours));
    to = std::min(kHalf, std::max(to, bin + kLeastNeighbours));
    m_scratch.clear();
    for (int k = from; k <= to; ++k) {
        if (std::abs(k - bin) > kLobe) {
            m_scratch.push_back(m_db[k]);
        }
    }
    const auto middle = m_scratch.begin() + static_cast<long>(m_scratch.size() / 2);
    std::nth_element(m_scratch.begin(), middle, m_scratch.end());
    return *middle;
}

void FeedbackDetector::follow() {
    for (Track& t : m_tracks) {
        ++t.missed;
    }
    for (const FeedbackPeak& peak : m_frame) {
        Track* nearest = nullptr;
        for (Track& t : m_tracks) {
            if (octaves(t.hz(), peak.hz) < m_settings.mergeOctaves &&
                (nearest == nullptr ||
                 octaves(t.hz(), peak.hz) < octaves(nearest->hz(), peak.hz))) {
                nearest = &t;
            }
        }
        if (nearest == nullptr) {
            m_tracks.push_back({});
            nearest = &m_tracks.back();
        }
        nearest->hzSum += peak.hz;
        nearest->rise = std::max(nearest->rise, peak.riseDb);
        ++nearest->hits;
        nearest->missed = 0;
    }
    std::erase_if(m_tracks, [](const Track& t) { return t.missed > kMaxMissed; });
    const double needed = m_settings.sustainSeconds * kRate / kHop;
    for (Track& t : m_tracks) {
        if (!t.reported && t.hits >= needed) {
            t.reported = true;
            report(t);
        }
    }
}

void FeedbackDetector::report(const Track& track) {
    const FeedbackPeak peak{track.hz(), track.rise};
    for (FeedbackPeak& f : m_found) {
        if (octaves(f.hz, peak.hz) < m_settings.mergeOctaves) {
            f.riseDb = std::max(f.riseDb, peak.riseDb);
            return;
        }
    }
    m_found.push_back(peak);
}

}  // namespace aec
