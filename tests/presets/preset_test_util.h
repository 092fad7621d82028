#pragma once
// Helpers for building preset files line by line in tests.

#include <string>
#include <vector>

#include "presets/preset_codec.h"

namespace aec::test {

// Scrambles every plain line and ends each with CR LF.
inline std::string fileOf(const std::vector<std::string>& plainLines) {
    std::string text;
    for (const std::string& line : plainLines) {
        text += scrambleLine(line) + "\r\n";
    }
    return text;
}

// The smallest file that loads: the header, a count of 2 and a checksum of 0.
inline std::vector<std::string> minimalLines() {
    return {"Vq 218", "Lorvi 106", "Intoal: 2", "CCCCK: 0"};
}

// A record line masked with line number n.
inline std::string recordLine(int address, int value, int n) {
    return std::to_string(address ^ n) + " " + std::to_string(value ^ n);
}

}  // namespace aec::test
