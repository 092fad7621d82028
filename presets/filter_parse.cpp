#include "presets/filter_parse.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

namespace aec {

namespace {

constexpr std::size_t kExcerptChars = 60;

// Commands of Equalizer APO that a band cannot play.
constexpr std::array<std::string_view, 14> kApoCommands = {
    "INCLUDE", "DEVICE", "STAGE",  "COPY", "DELAY", "GRAPHICEQ",          "CONVOLUTION",
    "EVAL",    "IF",     "ELSEIF", "ELSE", "ENDIF", "LOUDNESSCORRECTION", "VST"};

std::string upper(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), [](char c) {
        return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    });
    return out;
}

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view trim(std::string_view s) {
    while (!s.empty() && isSpace(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && isSpace(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

std::vector<std::string_view> words(std::string_view s) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && isSpace(s[i])) {
            ++i;
        }
        const std::size_t start = i;
        while (i < s.size() && !isSpace(s[i])) {
            ++i;
        }
        if (i > start) {
            out.push_back(s.substr(start, i - start));
        }
    }
    return out;
}

std::string excerpt(std::string_view line) {
    std::string out;
    for (const char c : line.substr(0, kExcerptChars)) {
        out += c >= 0x20 && c < 0x7F ? c : '?';
    }
    if (line.size() > kExcerptChars) {
        out += "...";
    }
    return out;
}

bool endsWithNoCase(std::string_view s, std::string_view tail) {
    return s.size() >= tail.size() && upper(s.substr(s.size() - tail.size())) == tail;
}

// A number with a dot or a comma for the decimal mark and an optional unit glued to it.
std::optional<double> number(std::string_view word, std::string_view unit = {}) {
    if (!unit.empty() && endsWithNoCase(word, unit)) {
        word.remove_suffix(unit.size());
    }
    if (word.empty() || word.size() > 32) {
        return std::nullopt;
    }
    std::string text(word);
    std::replace(text.begin(), text.end(), ',', '.');
    const char* first = text.data();
    if (*first == '+') {
        ++first;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(first, text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

FilterKind kindOf(const std::string& type) {
    const std::string t = upper(type);
    if (t == "PK" || t == "PEQ") {
        return FilterKind::Peak;
    }
    for (const char* shelf : {"LS", "LSC", "LS 6DB", "LS 12DB"}) {
        if (t == shelf) {
            return FilterKind::LowShelf;
        }
    }
    for (const char* shelf : {"HS", "HSC", "HS 6DB", "HS 12DB"}) {
        if (t == shelf) {
            return FilterKind::HighShelf;
        }
    }
    return FilterKind::Other;
}

bool isKeyword(std::string_view word) {
    const std::string w = upper(word);
    return w == "FC" || w == "GAIN" || w == "Q" || w == "BW";
}

enum class BodyResult { Filter, EmptySlot, Unreadable };

// "ON PK Fc 100 Hz Gain -3 dB Q 1.41" after the "Filter N:" prefix.
BodyResult parseFilterBody(std::string_view body, ParsedFilter& f) {
    const std::vector<std::string_view> w = words(body);
    if (w.empty()) {
        return BodyResult::Unreadable;
    }
    const std::string state = upper(w[0]);
    if (state != "ON" && state != "OFF") {
        return BodyResult::Unreadable;
    }
    f.on = state == "ON";
    std::size_t i = 1;
    while (i < w.size() && !isKeyword(w[i])) {
        f.type += (f.type.empty() ? "" : " ") + std::string(w[i]);
        ++i;
    }
    if (upper(f.type) == "NONE") {
        return BodyResult::EmptySlot;
    }
    f.kind = kindOf(f.type);
    if (f.type.empty()) {
        return BodyResult::Unreadable;
    }
    bool readable = true;
    // A value with its unit either glued to it ("100Hz") or as the next word ("100 Hz").
    const auto value = [&](std::string_view unit) -> std::optional<double> {
        if (i + 1 >= w.size()) {
            return std::nullopt;
        }
        const std::optional<double> v = number(w[i + 1], unit);
        i += 2;
        if (!unit.empty() && i < w.size() && upper(w[i]) == unit) {
            ++i;
        }
        return v;
    };
    while (i < w.size() && readable) {
        const std::string key = upper(w[i]);
        std::optional<double>* target = nullptr;
        std::string_view unit;
        if (key == "FC") {
            target = &f.freq;
            unit = "HZ";
        } else if (key == "GAIN") {
            target = &f.gain;
            unit = "DB";
        } else if (key == "Q") {
            target = &f.q;
        } else if (key == "BW" && i + 1 < w.size() && upper(w[i + 1]) == "OCT") {
            ++i;
            target = &f.bandwidth;
        } else {
            readable = false;
            break;
        }
        *target = value(unit);
        readable = target->has_value();
    }
    // Other types take no band: their values are not needed to report them.
    if (f.kind == FilterKind::Other) {
        return BodyResult::Filter;
    }
    if (f.bandwidth) {
        readable = readable && *f.bandwidth > 0 && !f.q;
        if (readable) {
            f.q = qFromOctaves(*f.bandwidth);
        }
    }
    // A peak or a shelf needs its frequency and gain.
    if (!f.freq || !f.gain) {
        readable = false;
    }
    return readable ? BodyResult::Filter : BodyResult::Unreadable;
}

bool isFilterCommand(const std::string& command) {
    if (command.rfind("FILTER", 0) != 0) {
        return false;
    }
    const std::string_view rest = trim(std::string_view(command).substr(6));
    return std::all_of(rest.begin(), rest.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool isRewHeader(std::string_view line) {
    const std::string u = upper(trim(line));
    return u.rfind("FILTER SETTINGS FILE", 0) == 0 || u.rfind("ROOM EQ", 0) == 0;
}

struct Lines {
    std::string_view text;
    std::size_t pos = 0;
    int number = 0;
    bool next(std::string_view& line) {
        if (pos >= text.size()) {
            return false;
        }
        const std::size_t end = std::min(text.find('\n', pos), text.size());
        line = text.substr(pos, end - pos);
        pos = end + 1;
        ++number;
        return true;
    }
};

std::string_view withoutBom(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") {
        text.remove_prefix(3);
    }
    return text;
}

}  // namespace

double qFromOctaves(double octaves) {
    const double p = std::pow(2.0, octaves);
    return std::sqrt(p) / (p - 1.0);
}

FilterFormat detectFilterFormat(std::string_view text) {
    if (text.size() > kMaxFilterTextBytes) {
        return FilterFormat::Unknown;
    }
    Lines lines{withoutBom(text)};
    std::string_view line;
    bool filterLine = false;
    while (lines.next(line)) {
        if (isRewHeader(line)) {
            return FilterFormat::Rew;
        }
        const std::size_t colon = line.find(':');
        if (colon != std::string_view::npos) {
            const std::string command = upper(trim(line.substr(0, colon)));
            filterLine = filterLine || isFilterCommand(command) || command == "PREAMP" ||
                         command == "CHANNEL";
        }
    }
    return filterLine ? FilterFormat::Apo : FilterFormat::Unknown;
}

FilterFile parseFilterText(std::string_view text) {
    FilterFile file;
    if (text.size() > kMaxFilterTextBytes) {
        file.tooLarge = true;
        return file;
    }
    file.format = detectFilterFormat(text);
    Lines lines{withoutBom(text)};
    std::string_view raw;
    std::vector<std::string> channels;
    // REW writes free header text (notes, date, equaliser) above its first filter.
    bool inRewHeader = file.format == FilterFormat::Rew;
    while (lines.next(raw)) {
        const std::string_view line = trim(raw);
        if (line.empty() || line.front() == '#') {
            continue;
        }
        const std::size_t colon = line.find(':');
        const std::string command =
            colon == std::string_view::npos ? std::string() : upper(trim(line.substr(0, colon)));
        const std::string_view body =
            colon == std::string_view::npos ? std::string_view() : line.substr(colon + 1);
        const auto skip = [&](LineProblem problem) {
            file.skipped.push_back({lines.number, problem, excerpt(line)});
        };
        if (isFilterCommand(command)) {
            inRewHeader = false;
            ParsedFilter f;
            f.line = lines.number;
            f.channels = channels;
            const BodyResult result = parseFilterBody(body, f);
            if (result == BodyResult::Filter) {
                file.filters.push_back(std::move(f));
            } else if (result == BodyResult::Unreadable) {
                skip(LineProblem::Unreadable);
            }
        } else if (inRewHeader) {
            continue;
        } else if (command == "PREAMP") {
            const std::vector<std::string_view> w = words(body);
            std::optional<double> gain = w.empty() ? std::nullopt : number(w[0], "DB");
            if (gain && (w.size() == 1 || (w.size() == 2 && upper(w[1]) == "DB"))) {
                file.preamps.push_back({lines.number, *gain});
            } else {
                skip(LineProblem::Unreadable);
            }
        } else if (command == "CHANNEL") {
            channels.clear();
            for (const std::string_view w : words(body)) {
                channels.push_back(upper(w));
            }
            if (channels.empty()) {
                skip(LineProblem::Unreadable);
            }
            if (std::find(channels.begin(), channels.end(), "ALL") != channels.end()) {
                channels.clear();
            }
        } else if (std::find(kApoCommands.begin(), kApoCommands.end(), command) !=
                   kApoCommands.end()) {
            skip(LineProblem::UnsupportedCommand);
        } else {
            skip(LineProblem::Unreadable);
        }
    }
    return file;
}

}  // namespace aec
