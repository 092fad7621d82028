#pragma once
// Reads the filter lists that room-measurement tools write: REW's "Filter Settings file" text
// and Equalizer APO configuration. Plain text in, a list of filters and of lines not taken out.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace aec {

enum class FilterFormat { Unknown, Rew, Apo };

// The filter families a band can play; everything else is Other.
enum class FilterKind { Peak, LowShelf, HighShelf, Other };

struct ParsedFilter {
    int line = 0;  // 1-based line number in the file
    bool on = true;
    FilterKind kind = FilterKind::Other;
    std::string type;  // the type as written, e.g. "PK", "LS 6dB", "NO"
    std::optional<double> freq;
    std::optional<double> gain;
    std::optional<double> q;            // given as Q, or converted from a bandwidth
    std::optional<double> bandwidth;    // octaves, when the line gave "BW Oct" instead of Q
    std::vector<std::string> channels;  // the Channel: selection in force; empty for all
};

struct PreampLine {
    int line = 0;
    double gain = 0;
};

enum class LineProblem { Unreadable, UnsupportedCommand };

struct SkippedLine {
    int line = 0;
    LineProblem problem = LineProblem::Unreadable;
    std::string text;  // printable ASCII excerpt of the line
};

struct FilterFile {
    FilterFormat format = FilterFormat::Unknown;
    bool tooLarge = false;
    std::vector<ParsedFilter> filters;
    std::vector<PreampLine> preamps;
    std::vector<SkippedLine> skipped;
};

// Texts above this size are refused unread.
inline constexpr std::size_t kMaxFilterTextBytes = std::size_t{256} * 1024;

// Which of the two formats a text is written in; Unknown when it holds no filter line.
FilterFormat detectFilterFormat(std::string_view text);
// Every filter, preamp and channel line of the text; any bytes are accepted.
FilterFile parseFilterText(std::string_view text);
// Q of a peak whose bandwidth is given in octaves.
double qFromOctaves(double octaves);

}  // namespace aec
