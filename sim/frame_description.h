#pragma once
// One-line readable descriptions of units on the line, for the simulator's log.

#include <cstdint>
#include <span>
#include <string>

namespace aec {

// "ack BB", "write 0x0123 = 1110", "read page 3", "probe", "mode name 5 'Club'", ...
std::string describeUnit(std::span<const uint8_t> unit);
// Hex bytes followed by the description: "EE BB  ack BB".
std::string logLine(std::string_view direction, std::span<const uint8_t> unit);

}  // namespace aec
