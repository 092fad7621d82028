#pragma once
// The feedback finder's proposals: for each howl found, a narrow peaking cut in a free band of
// a microphone EQ, or a deeper cut where the finder already cut near it. A free band is one at
// 0 dB in the default mode; bands a person has set are never touched.

#include <array>
#include <span>
#include <vector>

#include "core/model.h"

namespace aec {

// A sustained narrow peak: its frequency and how far it stands above its neighbourhood.
struct FeedbackPeak {
    double hz = 0;
    double riseDb = 0;
};

// One band of a microphone EQ as the finder writes it (raw values).
struct FinderCut {
    int band = 0;
    int freq = 0;  // index into kFreqTable
    int q = 0;     // index into kQTable
    int gain = 0;  // 120 is 0 dB, steps of 0.2 dB
    bool operator==(const FinderCut&) const = default;
};

struct CutPlan {
    std::vector<FinderCut> cuts;  // new cuts and deepened ones, at most one per band
    bool noFreeBand = false;      // a peak found no free band (and no cut of the finder near it)
};

class FeedbackCuts {
  public:
    static constexpr int kMaxCuts = 6;
    static constexpr int kFirstDepth = 15;  // -3 dB
    static constexpr int kDeepenStep = 15;  // -3 dB more on a repeat
    static constexpr int kDeepest = 60;     // -12 dB
    static constexpr double kNearOctaves = 1.0 / 6.0;

    // What the peaks ask of microphone page `page` (kPageMicA or kPageMicB) as the model
    // holds it now.
    CutPlan plan(const Model& model, int page, std::span<const FeedbackPeak> peaks) const;
    // The plan was written to the page: its cuts are the finder's from now on.
    void applied(int page, const CutPlan& plan);
    // The finder's cuts on the page that still hold what it wrote (an undo takes them back).
    std::vector<FinderCut> own(const Model& model, int page) const;

    // The raw table values of a cut at a frequency.
    static int nearestFrequency(double hz);
    static int narrowQ();

  private:
    std::array<std::vector<FinderCut>, 2> m_written;  // by microphone page
};

// A band's raw values on a page.
FinderCut bandValues(const Model& model, int page, int band);
// Mode, frequency, Q and gain slots of a band on a page.
int bandSlot(int page, int band, int subSlot);

}  // namespace aec
