#pragma once
// Line-level encoding of preset files: key scrambling, fields and numbers, the checksum.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace aec {

// Fixed 8-byte key every file line is scrambled with; the key restarts on every line.
inline constexpr std::array<uint8_t, 8> kFileKey = {0x5E, 0xA3, 0x17, 0xC8, 0x2B, 0x90, 0xD4, 0x6F};
// Combined by exclusive or with the numbers of the two header lines.
inline constexpr int kHeaderMask = 0x6B;
inline constexpr int kFormatByte = 0xB1;
inline constexpr int kVersionByte = 0x01;

// Each character as two upper-case hex digits of (character XOR key byte).
std::string scrambleLine(std::string_view plain);
// Inverse of ScrambleLine; hex digits of either case, an odd last character is ignored.
// Empty when a pair is not two hex digits.
std::optional<std::string> unscrambleLine(std::string_view line);

// Splits text into lines ended by CR LF, LF or a lone CR; a last line needs no ending.
std::vector<std::string_view> splitLines(std::string_view text);
// Splits at every single space, so two spaces give an empty field between them.
std::vector<std::string_view> splitFields(std::string_view plain);
// Decimal number with an optional minus sign that fits 32 bits; empty otherwise.
std::optional<int32_t> parseDecimal(std::string_view field);

// Low byte of ((S XOR 0xFFFF) + 1) for the record sum S; only S mod 2^32 matters.
int presetChecksum(uint32_t sum);

}  // namespace aec
