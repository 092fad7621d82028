#include "sim/sim_state.h"

#include <charconv>
#include <sstream>

#include "core/pages.h"

namespace aec {

namespace {

constexpr const char* kMagic = "aec-sim-state 1";
constexpr std::array<const char*, 6> kFactoryNames = {"Karaoke", "Club",   "Cinema",
                                                      "Concert", "Speech", "Flat"};

// Levels a box leaves the factory with (raw values of the editor's scales).
void setFactoryLevels(Store& m) {
    for (int slot : {0, 1, 2}) {
        m[kPageMusic][slot] = 20;  // input volumes 0.0 dB
    }
    m[kPageMusic][3] = 7;  // pitch 0
    for (int page : {kPageMicA, kPageMicB}) {
        m[page][0] = 20;  // input level 0.0 dB
        m[page][5] = 20;  // limiter level
    }
    for (int page : {kPageEchoA, kPageEchoB}) {
        m[page][0] = 50;   // effect level
        m[page][2] = 100;  // direct level
        m[page][5] = 100;  // delay 200 ms
        m[page][6] = 40;   // repeat
    }
    m[kPageReverb][0] = 50;
    m[kPageReverb][2] = 100;
    m[kPageReverb][5] = 20;  // 1250 ms
    for (int page = kPageMain; page <= kPageLastOutput; ++page) {
        m[page][0] = 100;  // music level
        m[page][2] = 100;  // mic level
        m[page][4] = 50;   // echo A
        m[page][6] = 50;   // echo B
        m[page][8] = 50;   // reverb
        m[page][12] = 20;  // limiter 0 dBu
    }
    const std::array<int, 10> volumes = {40, 40, 40, 30, 70, 30, 70, 30, 70, 0};
    for (size_t slot = 0; slot < volumes.size(); ++slot) {
        m[kPageSystemVolumes][slot] = volumes[slot];
    }
}

SimMode modeFrom(const Store& memory, std::string name) {
    SimMode mode;
    mode.name = std::move(name);
    for (int page = 0; page < kModePages; ++page) {
        mode.pages[page] = memory[page];
    }
    return mode;
}

// Hex keeps names with spaces or odd bytes on one token.
std::string toHex(std::string_view text) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex = text.empty() ? "-" : "";
    for (unsigned char c : text) {
        hex.push_back(kDigits[c >> 4]);
        hex.push_back(kDigits[c & 15]);
    }
    return hex;
}

std::optional<std::string> fromHex(const std::string& hex) {
    if (hex == "-") {
        return std::string();
    }
    if (hex.size() % 2 != 0) {
        return std::nullopt;
    }
    std::string text;
    for (size_t i = 0; i < hex.size(); i += 2) {
        int byte = 0;
        const auto [end, ec] = std::from_chars(hex.data() + i, hex.data() + i + 2, byte, 16);
        if (ec != std::errc() || end != hex.data() + i + 2) {
            return std::nullopt;
        }
        text.push_back(static_cast<char>(byte));
    }
    return text;
}

void writeRow(std::ostream& out, const PageRow& row) {
    for (int32_t v : row) {
        out << ' ' << v;
    }
    out << '\n';
}

bool readRow(std::istream& in, PageRow& row) {
    for (int32_t& v : row) {
        if (!(in >> v) || v < 0 || v > 0xFFFF) {
            return false;
        }
    }
    return true;
}

bool Expect(std::istream& in, const std::string& word, int index) {
    std::string w;
    int i = -1;
    return static_cast<bool>(in >> w >> i) && w == word && i == index;
}

}  // namespace

SimState defaultSimState() {
    Model model;
    model.ResetEqBands(kAllPages);
    SimState state;
    state.memory = model.paramStore();
    setFactoryLevels(state.memory);
    for (int i = 0; i < kUserModeCount; ++i) {
        state.modes[i] = modeFrom(state.memory, "");
    }
    for (int k = 0; k < kModeCount - kUserModeCount; ++k) {
        Store memory = state.memory;
        // Each factory mode lifts one music band by 3 dB on both sides and picks a music mode.
        const int gainSlot = BandSlot(firstEqSlot(kPageMusic), 2 * k + 1, 2);
        memory[kPageMusic][gainSlot] = kDefaultGain + 15;
        memory[kPageMusic][gainSlot + 75] = kDefaultGain + 15;
        memory[kPageMusic][161] = k % 3;
        state.modes[kUserModeCount + k] = modeFrom(memory, kFactoryNames[k]);
    }
    return state;
}

std::string serializeState(const SimState& state) {
    std::ostringstream out;
    out << kMagic << '\n';
    out << "system-password " << toHex(state.systemPassword) << '\n';
    out << "panel-password " << toHex(state.panelPassword) << '\n';
    for (int page = 0; page < kPageCount; ++page) {
        out << "memory " << page;
        writeRow(out, state.memory[page]);
    }
    for (int i = 0; i < kModeCount; ++i) {
        out << "mode " << i << ' ' << toHex(state.modes[i].name) << '\n';
        for (int page = 0; page < kModePages; ++page) {
            out << "page " << page;
            writeRow(out, state.modes[i].pages[page]);
        }
    }
    return out.str();
}

std::optional<SimState> parseState(std::string_view text) {
    std::istringstream in{std::string(text)};
    std::string line;
    if (!std::getline(in, line) || line != kMagic) {
        return std::nullopt;
    }
    SimState state;
    std::string word;
    std::string hex;
    if (!(in >> word >> hex) || word != "system-password") {
        return std::nullopt;
    }
    auto system = fromHex(hex);
    if (!(in >> word >> hex) || word != "panel-password") {
        return std::nullopt;
    }
    auto panel = fromHex(hex);
    if (!system || !panel) {
        return std::nullopt;
    }
    state.systemPassword = *system;
    state.panelPassword = *panel;
    for (int page = 0; page < kPageCount; ++page) {
        if (!Expect(in, "memory", page) || !readRow(in, state.memory[page])) {
            return std::nullopt;
        }
    }
    for (int i = 0; i < kModeCount; ++i) {
        if (!Expect(in, "mode", i) || !(in >> hex)) {
            return std::nullopt;
        }
        auto name = fromHex(hex);
        if (!name) {
            return std::nullopt;
        }
        state.modes[i].name = *name;
        for (int page = 0; page < kModePages; ++page) {
            if (!Expect(in, "page", page) || !readRow(in, state.modes[i].pages[page])) {
                return std::nullopt;
            }
        }
    }
    return state;
}

}  // namespace aec
