#include "core/pages.h"

namespace aec {

namespace {

struct PageLayout {
    int slotCount;
    int firstEqSlot;
    int bands;
};

// Indexed by page 0..30.
constexpr std::array<PageLayout, kPageCount> kLayouts = [] {
    std::array<PageLayout, kPageCount> t{};
    t[kPageMusic] = {164, 10, 15};
    t[kPageDynamicEq] = {60, kDynamicEqLayout, 3};
    t[kPageMicA] = t[kPageMicB] = {114, 15, 20};
    t[kPageEchoA] = t[kPageEchoB] = {48, 14, 7};
    t[kPageReverb] = {45, 11, 7};
    for (int p = kPageMain; p <= kPageLastOutput; ++p) {
        t[p] = {70, 21, 10};
    }
    t[kPageHint] = t[kPageHintMicA] = t[kPageHintMicB] = {26, 1, 5};
    t[kPage28] = {37, 48, 0};
    t[kPageSystemVolumes] = {10, 10, 0};
    t[kPageSystem] = {21, 32, 0};
    return t;
}();

// Default frequency indexes by page kind; kinds 5..7 are never selected.
constexpr int kDefaultFreqs[9][20] = {
    {2, 25, 49, 73, 96, 120, 144, 167, 187, 215, 238, 262, 287, 309, 333},
    {2, 25, 49, 73, 96, 120, 144, 167, 187, 215, 238, 262, 287, 299, 313, 323, 333, 343, 353, 360},
    {2, 50, 100, 150, 200, 250, 300},
    {2, 32, 62, 92, 122, 152, 182, 212, 242, 272},
    {2, 70, 140, 210, 280},
    {},
    {},
    {},
    {20, 129, 280},
};

bool validPage(int page) { return page >= 0 && page < kPageCount; }

// Band and sub-slot by first EQ slot e, or no band below it.
BandRef byFirstEqSlot(int slot, int e) {
    if (slot < e) {
        return {};
    }
    return {(slot - e) / 5, (slot - e) % 5};
}

}  // namespace

int pageSlotCount(int page) { return validPage(page) ? kLayouts[page].slotCount : 0; }
int shownSlotCount(int page) {
    const int count = pageSlotCount(page);
    const int first = firstEqSlot(page);
    const int bands = pageBands(page);
    const bool shelfBeyond =
        bands > 0 && first != kDynamicEqLayout && first + 5 * bands == count + 1;
    return shelfBeyond ? count + 1 : count;
}

int firstEqSlot(int page) { return validPage(page) ? kLayouts[page].firstEqSlot : kSlotCount; }
int pageBands(int page) { return validPage(page) ? kLayouts[page].bands : 0; }

KindOfPage PageKind(int address) {
    const int page = pageOf(address);
    if (page == kPageMusic) {
        return KindOfPage::kMusic;
    }
    if (page == kPageDynamicEq) {
        return KindOfPage::kDynamicEq;
    }
    if (page == kPageMicA || page == kPageMicB) {
        return KindOfPage::kMic;
    }
    if (page == kPageEchoA || page == kPageReverb || page == kPageEchoB) {
        return KindOfPage::kEffect;
    }
    if (page >= kPageMain && page <= kPageLastOutput) {
        return KindOfPage::kOutput;
    }
    return KindOfPage::kHintOrSystem;
}

int BandSlot(int firstEqSlot, int band, int subSlot) {
    if (firstEqSlot == kDynamicEqLayout) {
        return 2 + 10 * band + subSlot;
    }
    return firstEqSlot + 5 * band + subSlot;
}

int defaultBandFrequency(KindOfPage kind, int band) {
    if (band < 0 || band >= 20) {
        return 0;
    }
    return kDefaultFreqs[kindIndex(kind)][band];
}

int bandDefault(KindOfPage kind, int band, int subSlot) {
    switch (subSlot) {
        case 0:
            return kDefaultMode;
        case 1:
            return defaultBandFrequency(kind, band);
        case 2:
            return kDefaultGain;
        case 3:
            return kDefaultQ;
        default:
            return kDefaultShelfQ;
    }
}

BandRef BandOf(int baseAddress) {
    const int page = pageOf(baseAddress);
    const int s = slotOf(baseAddress);
    switch (page) {
        case kPageMusic:
            if (s == 4 || s == 5) {
                return {15, 0};
            }
            if (s == 6 || s == 7) {
                return {16, 0};
            }
            return byFirstEqSlot(s, 10);
        case kPageDynamicEq:
            for (int band = 0; band < 3; ++band) {
                const int first = 2 + 10 * band;
                if (s >= first && s <= first + 4) {
                    return {band, s - first};
                }
            }
            return {};
        case kPageMicA:
            if (s == 9 || s == 10) {
                return {20, 0};
            }
            if (s == 11 || s == 12) {
                return {21, 0};
            }
            return byFirstEqSlot(s, 15);
        case kPageEchoA:
            if (s == 9 || s == 10) {
                return {7, 0};
            }
            if (s == 11 || s == 12) {
                return {8, 0};
            }
            return byFirstEqSlot(s, 14);
        case kPageReverb:
            if (s == 6 || s == 7) {
                return {7, 0};
            }
            if (s == 8 || s == 9) {
                return {8, 0};
            }
            return byFirstEqSlot(s, 11);
        case kPageMain:
            if (s == 16 || s == 17) {
                return {10, 0};
            }
            if (s == 18 || s == 19) {
                return {11, 0};
            }
            return byFirstEqSlot(s, 21);
        case kPageHint:
            if (s == 0) {
                return {};
            }
            return byFirstEqSlot(s, 1);
        default:
            return {};
    }
}

int outputPage(int channel, int musicMode, bool right) {
    static constexpr int kLeft[4] = {kPageMain, kPageSurround, kPageCenter, kPageSub};
    static constexpr int kRight[4] = {kPageMainRight, kPageSurroundRight, kPageCenter, kPageSub};
    if (channel < 0 || channel > 3) {
        return kPageMain;
    }
    return (right ? kRight[channel] : kLeft[channel]) + musicMode;
}

}  // namespace aec
