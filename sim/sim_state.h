#pragma once
// Everything the simulated processor remembers: its memory, its 22 modes and its passwords.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/model.h"

namespace aec {

// A mode holds the audio pages 0 to 29; page 30 (system values) is not part of a mode.
inline constexpr int kModePages = 30;
inline constexpr int kUserModeCount = 16;

struct SimMode {
    std::string name;
    std::array<PageRow, kModePages> pages{};
    bool operator==(const SimMode&) const = default;
};

struct SimState {
    Store memory{};
    std::array<SimMode, kModeCount> modes;
    std::string systemPassword = "123456";
    std::string panelPassword = "1234";
    bool operator==(const SimState&) const = default;
};

// A box fresh from the factory: band defaults, low-pass at 20200 Hz, moderate levels, user
// modes unnamed, factory modes MF1 to MF6 with names and a little character of their own.
SimState defaultSimState();

// A plain text form for keeping the state between runs.
std::string serializeState(const SimState& state);
// Reads that text; nullopt when it is not a complete, well-formed state.
std::optional<SimState> parseState(std::string_view text);

}  // namespace aec
