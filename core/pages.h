#pragma once
// The processor's parameter address space: 31 pages of up to 165 slots.

#include <array>

namespace aec {

inline constexpr int kPageCount = 31;
inline constexpr int kSlotCount = 165;

// Pages with a role of their own.
enum PageId : int {
    kPageMusic = 0,
    kPageDynamicEq = 1,
    kPageMicA = 2,
    kPageMicB = 3,
    kPageEchoA = 4,
    kPageReverb = 5,
    kPageMain = 6,
    kPageMainRight = 9,
    kPageSurround = 12,
    kPageSurroundRight = 15,
    kPageCenter = 18,
    kPageSub = 21,
    kPageLastOutput = 23,
    kPageEchoB = 24,
    kPageHint = 25,
    kPageHintMicA = 26,
    kPageHintMicB = 27,
    kPage28 = 28,
    kPageSystemVolumes = 29,
    kPageSystem = 30,
};

// The first EQ slot value that marks the Dynamic EQ band layout (10 slots per band).
inline constexpr int kDynamicEqLayout = 258;
// Sub-slot reported by BandOf for an address that is not part of a band.
inline constexpr int kNotABand = 255;
// ResetEqBands target meaning every page.
inline constexpr int kAllPages = 100;

constexpr int makeAddress(int page, int slot) { return page * 256 + slot; }
constexpr int pageOf(int address) { return address / 256; }
constexpr int slotOf(int address) { return address % 256; }
constexpr bool isValidCell(int page, int slot) {
    return page >= 0 && page < kPageCount && slot >= 0 && slot < kSlotCount;
}

// Slots that page-wide loops visit (0 .. count - 1).
int pageSlotCount(int page);
// Slots the window shows of a page: the page-wide slots and, where the last band's shelf Q lies
// one beyond them, that slot too.
int shownSlotCount(int page);
// Slot of band 0's mode slot, or kDynamicEqLayout.
int firstEqSlot(int page);
// Number of equaliser bands on the page.
int pageBands(int page);

// Base pages that page-wide view loops visit, in this order.
inline constexpr std::array<int, 12> kBasePages = {0, 1, 2, 4, 5, 6, 25, 26, 27, 28, 29, 30};

// Output pages come in sets of one page per music mode.
inline constexpr int kMusicModes = 3;

// Classification of a page; its value is also the row of the page's default band frequencies
// and of its EQ point labels.
enum class KindOfPage : int {
    kMusic = 0,
    kMic = 1,
    kEffect = 2,
    kOutput = 3,
    kHintOrSystem = 4,
    kDynamicEq = 8,
};
constexpr int kindIndex(KindOfPage kind) { return static_cast<int>(kind); }
KindOfPage PageKind(int address);

// Slot of (first EQ slot, band, sub-slot), for either band layout.
int BandSlot(int firstEqSlot, int band, int subSlot);

// Band defaults: mode PEQ, 0.0 dB, Q "1.00", shelf Q "0.71".
inline constexpr int kDefaultMode = 1;
inline constexpr int kDefaultGain = 120;
inline constexpr int kDefaultQ = 16;
inline constexpr int kDefaultShelfQ = 10;

// Default frequency index of band b on a page of the given kind.
int defaultBandFrequency(KindOfPage kind, int band);
// Default raw value of sub-slot s of band b on a page of the given kind.
int bandDefault(KindOfPage kind, int band, int subSlot);

// Band number and sub-slot of an address; subSlot == kNotABand when it is no band slot.
struct BandRef {
    int band = 0;
    int subSlot = kNotABand;
    bool isBand() const { return subSlot != kNotABand; }
    bool operator==(const BandRef&) const = default;
};
BandRef BandOf(int baseAddress);

// Output page of output channel c (0 Main, 1 Surround, 2 Center, 3 Sub), music mode v, right side.
int outputPage(int channel, int musicMode, bool right);

}  // namespace aec
