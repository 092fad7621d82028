#pragma once
// Lookup tables that turn raw parameter values into frequencies, Q values and texts.

#include <array>
#include <string_view>

namespace aec {

// One table entry: its text and the single-precision number equal to it.
struct ScaleEntry {
    const char* text;
    float value;
};

inline constexpr int kFreqCount = 362;  // 19.7 Hz .. 20600 Hz, index = raw value
inline constexpr int kQCount = 101;     // "0.40" .. "128.00", index = raw value
inline constexpr int kFreqMax = kFreqCount - 1;
inline constexpr int kQMax = kQCount - 1;
inline constexpr int kShelfQMax = 24;  // shelf Q is limited to "0.40" .. "1.60"

extern const std::array<ScaleEntry, kFreqCount> kFreqTable;
extern const std::array<ScaleEntry, kQCount> kQTable;

inline constexpr std::array<std::string_view, 41> kRatioTexts = {
    "1.0", "1.2", "1.4",  "1.6",  "1.8",  "2.0", "2.4", "2.8", "3.2", "3.6", "4.0",
    "4.4", "4.8", "5.2",  "5.6",  "6.0",  "6.4", "6.8", "7.2", "7.6", "8.0", "8.4",
    "9.0", "9.6", "10.2", "10.8", "11.4", "12",  "13",  "14",  "15",  "16",  "17",
    "18",  "19",  "20",   "22",   "24",   "26",  "30",  "100"};

inline constexpr std::array<std::string_view, 8> kReleaseTexts = {
    "Atk x 2", "Atk x 4", "Atk x 6", "Atk x 8", "Atk x 12", "Atk x 16", "Atk x 24", "Atk x 32"};

inline constexpr std::array<std::string_view, 20> kAttackTexts = {
    "0.5", "0.7", "1.0", "1.4", "2.0", "2.8", "4.0", "5.7", "8.0", "11",
    "16",  "23",  "32",  "45",  "64",  "90",  "100", "120", "150", "400"};

// Item lists of the selection boxes; the raw value is the item index.
inline constexpr std::array<std::string_view, 13> kFilterTypeItems = {
    "Bypass",      "6dB 1st ",         "12dB Besse",     "12dB Butterworth", "12dB Link-Riley",
    "18dB Bessel", "18dB Butterworth", "24dB Bessel",    "24dB Butterworth", "24dB Link-Riley",
    "36dB Bessel", "36dB Butterworth", "36dB Link-Riley"};
inline constexpr std::array<std::string_view, 4> kEqModeItems = {"BYPSS", "PEQ", "LSEQ", "HSEQ"};
inline constexpr std::array<std::string_view, 4> kDynEqModeItems = {"BYpass", "PEQ", "LSEQ",
                                                                    "HSEQ"};
inline constexpr std::array<std::string_view, 3> kDynTypeItems = {"Off", "Below", "Above"};
inline constexpr std::array<std::string_view, 3> kMusicInputLevelItems = {"0dB", "3dB", "6dB"};
inline constexpr std::array<std::string_view, 4> kInputSelectItems = {"Auto", "IN1", "IN2", "OPTI"};

}  // namespace aec
