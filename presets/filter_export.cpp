#include "presets/filter_export.h"

#include <algorithm>
#include <cstdio>

#include "core/number_format.h"
#include "core/scale_tables.h"

namespace aec {

namespace {

constexpr int kGainZeroRaw = 120;
constexpr double kGainStepDb = 0.2;

struct FilterWords {
    const char* state;
    const char* type;
    std::string freq;
    std::string gain;
    std::string q;
};

// A bypassed band is written as a filter that is off, so that it comes back bypassed.
FilterWords wordsOf(const BandValues& b) {
    const bool shelf = b.mode == 2 || b.mode == 3;
    const int q = shelf ? std::clamp(b.shelfQ, 0, kShelfQMax) : std::clamp(b.q, 0, kQMax);
    return {b.mode == 0 ? "OFF" : "ON",
            b.mode == 2   ? "LSC"
            : b.mode == 3 ? "HSC"
                          : "PK",
            kFreqTable[static_cast<std::size_t>(std::clamp(b.freq, 0, kFreqMax))].text,
            formatFixed((b.gain - kGainZeroRaw) * kGainStepDb, 1),
            kQTable[static_cast<std::size_t>(q)].text};
}

std::string line(const char* format, int number, const FilterWords& w) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, format, number, w.state, w.type, w.freq.c_str(),
                  w.gain.c_str(), w.q.c_str());
    return buffer;
}

// The title on one line, so that it cannot start a line of its own.
std::string oneLine(std::string_view title) {
    std::string out(title);
    std::replace_if(
        out.begin(), out.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    return out;
}

}  // namespace

std::string rewFilterText(const std::vector<BandValues>& bands, std::string_view title) {
    std::string text =
        "Filter Settings file\n\nNotes: " + oneLine(title) + "\n\nEqualiser: Generic\n";
    for (std::size_t i = 0; i < bands.size(); ++i) {
        text += line("Filter %2d: %-3s %-8s Fc %7s Hz  Gain %5s dB  Q %6s\n",
                     static_cast<int>(i + 1), wordsOf(bands[i]));
    }
    return text;
}

std::string apoFilterText(const std::vector<BandValues>& bands, std::string_view title) {
    std::string text = "# " + oneLine(title) + "\n";
    for (std::size_t i = 0; i < bands.size(); ++i) {
        text += line("Filter %d: %s %s Fc %s Hz Gain %s dB Q %s\n", static_cast<int>(i + 1),
                     wordsOf(bands[i]));
    }
    return text;
}

}  // namespace aec
