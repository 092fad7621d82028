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
double textNumber(const char* text) { return std::strtod(text, nullptr); }

// Rounds with halves to even after removing binary noise, so 24.3 * 5 counts as 121.5.
double roundTypedHalfEven(double v) { return roundHalfEven(std::round(v * 1e6) / 1e6); }

int index(double r, int count) { return std::clamp(static_cast<int>(r), 0, count - 1); }

std::string freq(double r) { return std::string(frequencyText(index(r, kFreqCount))) + "Hz"; }

std::string whole(double v, const char* unit) { return formatFixed(v, 0) + unit; }

// Item text of a selection box of kind 1: the dynamic EQ page has type and mode boxes.
std::string modeItem(int index, int page, int slot) {
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

const char* frequencyText(int index) {
    return kFreqTable[std::clamp(index, 0, kFreqCount - 1)].text;
}
float frequencyValue(int index) { return kFreqTable[std::clamp(index, 0, kFreqCount - 1)].value; }
const char* qTableText(int index) { return kQTable[std::clamp(index, 0, kQCount - 1)].text; }
float qTableValue(int index) { return kQTable[std::clamp(index, 0, kQCount - 1)].value; }

ValueRange displayRange(int kind, int page, int slot) {
    if (kind < 1 || kind >= kKindCount) {
        return {0, 0};
    }
    if (kind == 3 && page == kPageDynamicEq) {
        return {kDynamicEqMinGain, kKindMax[3]};
    }
    if (kind == 4 && BandOf(makeAddress(page, slot)).subSlot == 4) {
        return {0, kShelfQMax};
    }
    return {0, kKindMax[kind]};
}

std::string displayText(int kind, double r, int page, int slot) {
    switch (kind) {
        case 1:
            return modeItem(index(r, 4), page, slot);
        case 2:
            return freq(r);
        case 3:
            return formatFixed(r / 5 - 24, 1) + "dB";
        case 4:
            return qTableText(index(r, kQCount));
        case 5:
            return formatFixed(r / 2 - 10, 1) + "dB";
        case 6:
        case 7:
            return freq(r);
        case 8:
            return whole(r, "%");
        case 9: {
            const bool subMusic =
                page >= kPageSub && page <= kPageLastOutput && (slot == 0 || slot == 1);
            return whole(subMusic ? 2 * r : r, "%");
        }
        case 10:
            return whole(r - 50, "%");
        case 11:
            return whole(2 * r, "ms");
        case 12:
            return whole(62.5 * r, "ms");
        case 13:
            return r < 1 ? std::string("Off") : freq(r - 1);
        case 14:
            return whole(r - 20, "dBu");
        case 15:
            return std::string(kRatioTexts[index(r, kRatioTexts.size())]);
        case 16:
            return std::string(kReleaseTexts[index(r, kReleaseTexts.size())]);
        case 17:
            return std::string(kAttackTexts[index(r, kAttackTexts.size())]) + "ms";
        case 18:
            return formatFixed(r / 10, 1) + "ms";
        case 19:
            return qTableText(index(r, kQCount));
        case 20:
            return whole(r - 60, "dBu");
        case 21:
            return whole(r - 7, "");
        case 22:
            return whole(r / 2 - 10, "dB");
        case 23:
            return whole(r, "");
        case 24:
            return whole(r - 90, "dB");
        case 25:
            return whole(r - 34, "dB");
        case 26:
            return whole(r - 100, "ms");
        default:
            return {};
    }
}

double ParseEditValue(int kind, double x) {
    switch (kind) {
        case 2: {
            for (int i = 0; i < kFreqCount; ++i) {
                const double value = textNumber(kFreqTable[i].text);
                if (x > value) {
                    continue;
                }
                if (i == 0) {
                    return 0;
                }
                if (i == kFreqCount - 1) {
                    return i;
                }
                const double below = textNumber(kFreqTable[i - 1].text);
                // The nearer entry; the lower one on a tie.
                return (value - x >= x - below - 1e-9) ? i - 1 : i;
            }
            return kFreqCount - 1;
        }
        case 3:
            return roundTypedHalfEven((x + 24) * 5);
        case 4:
            for (int i = 0; i < kQCount; ++i) {
                if (textNumber(kQTable[i].text) >= x) {
                    return i;
                }
            }
            return kQCount;
        case 5:
            return roundTypedHalfEven((x + 10) * 2);
        default:
            return x;
    }
}

}  // namespace aec
