#include "core/display.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#include "core/number_format.h"
#include "core/pages.h"
#include "core/scale_tables.h"

namespace aec {

namespace {

constexpr int kKindCount = 27;

// Upper limit of the raw value by display kind (index 0 unused).
constexpr std::array<int, kKindCount> kKindMax = {0,   3,   361, 180, 100, 40, 361, 64, 100,
                                                  200, 100, 250, 80,  205, 34, 40,  7,  19,
                                                  500, 23,  60,  14,  40,  4,  60,  34, 250};

constexpr int kDynamicEqMinGain = 60;  // -12.0 dB

// Numbers typed by the user are decimal; the tables compare by their decimal texts.
double TextNumber(const char* text) { return std::strtod(text, nullptr); }

// Rounds with halves to even after removing binary noise, so 24.3 * 5 counts as 121.5.
double RoundTypedHalfEven(double v) { return RoundHalfEven(std::round(v * 1e6) / 1e6); }

int Index(double r, int count) { return std::clamp(static_cast<int>(r), 0, count - 1); }

std::string Freq(double r) { return std::string(FrequencyText(Index(r, kFreqCount))) + "Hz"; }

std::string Whole(double v, const char* unit) { return FormatFixed(v, 0) + unit; }

// Item text of a selection box of kind 1: the dynamic EQ page has type and mode boxes.
std::string ModeItem(int index, int page, int slot) {
    if (page == kPageDynamicEq) {
        const int offset = (slot - 1) % 10;
        if (offset == 0) {
            return std::string(kDynTypeItems[std::min(index, 2)]);
        }
        return std::string(kDynEqModeItems[index]);
    }
    return std::string(kEqModeItems[index]);
}

}  // namespace

const char* FrequencyText(int index) {
    return kFreqTable[std::clamp(index, 0, kFreqCount - 1)].text;
}
float FrequencyValue(int index) { return kFreqTable[std::clamp(index, 0, kFreqCount - 1)].value; }
const char* QText(int index) { return kQTable[std::clamp(index, 0, kQCount - 1)].text; }
float QValue(int index) { return kQTable[std::clamp(index, 0, kQCount - 1)].value; }

ValueRange DisplayRange(int kind, int page, int slot) {
    if (kind < 1 || kind >= kKindCount) {
        return {0, 0};
    }
    if (kind == 3 && page == kPageDynamicEq) {
        return {kDynamicEqMinGain, kKindMax[3]};
    }
    if (kind == 4 && BandOf(MakeAddress(page, slot)).subSlot == 4) {
        return {0, kShelfQMax};
    }
    return {0, kKindMax[kind]};
}

std::string DisplayText(int kind, double r, int page, int slot) {
    switch (kind) {
        case 1:
            return ModeItem(Index(r, 4), page, slot);
        case 2:
            return Freq(r);
        case 3:
            return FormatFixed(r / 5 - 24, 1) + "dB";
        case 4:
            return QText(Index(r, kQCount));
        case 5:
            return FormatFixed(r / 2 - 10, 1) + "dB";
        case 6:
        case 7:
            return Freq(r);
        case 8:
            return Whole(r, "%");
        case 9: {
            const bool subMusic =
                page >= kPageSub && page <= kPageLastOutput && (slot == 0 || slot == 1);
            return Whole(subMusic ? 2 * r : r, "%");
        }
        case 10:
            return Whole(r - 50, "%");
        case 11:
            return Whole(2 * r, "ms");
        case 12:
            return Whole(62.5 * r, "ms");
        case 13:
            return r < 1 ? std::string("Off") : Freq(r - 1);
        case 14:
            return Whole(r - 20, "dBu");
        case 15:
            return std::string(kRatioTexts[Index(r, kRatioTexts.size())]);
        case 16:
            return std::string(kReleaseTexts[Index(r, kReleaseTexts.size())]);
        case 17:
            return std::string(kAttackTexts[Index(r, kAttackTexts.size())]) + "ms";
        case 18:
            return FormatFixed(r / 10, 1) + "ms";
        case 19:
            return QText(Index(r, kQCount));
        case 20:
            return Whole(r - 60, "dBu");
        case 21:
            return Whole(r - 7, "");
        case 22:
            return Whole(r / 2 - 10, "dB");
        case 23:
            return Whole(r, "");
        case 24:
            return Whole(r - 90, "dB");
        case 25:
            return Whole(r - 34, "dB");
        case 26:
            return Whole(r - 100, "ms");
        default:
            return {};
    }
}

double ParseEditValue(int kind, double x) {
    switch (kind) {
        case 2: {
            for (int i = 0; i < kFreqCount; ++i) {
                const double value = TextNumber(kFreqTable[i].text);
                if (x > value) {
                    continue;
                }
                if (i == 0) {
                    return 0;
                }
                if (i == kFreqCount - 1) {
                    return i;
                }
                const double below = TextNumber(kFreqTable[i - 1].text);
                // The nearer entry; the lower one on a tie.
                return (value - x >= x - below - 1e-9) ? i - 1 : i;
            }
            return kFreqCount - 1;
        }
        case 3:
            return RoundTypedHalfEven((x + 24) * 5);
        case 4:
            for (int i = 0; i < kQCount; ++i) {
                if (TextNumber(kQTable[i].text) >= x) {
                    return i;
                }
            }
            return kQCount;
        case 5:
            return RoundTypedHalfEven((x + 10) * 2);
        default:
            return x;
    }
}

}  // namespace aec
