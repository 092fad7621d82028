#pragma once
// Byte layout of the units on the serial line: frames (F5 B1 L cmd addr payload sum) and
// two-byte acknowledgements (EE BB / EE AA), with the reserved addresses of page 30.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/addresses.h"
#include "core/modes.h"

namespace aec {

inline constexpr uint8_t kStartByte = 0xF5;
inline constexpr uint8_t kSecondByte = 0xB1;
inline constexpr uint8_t kAckStartByte = 0xEE;
inline constexpr uint8_t kAckByteBB = 0xBB;
inline constexpr uint8_t kAckByteAA = 0xAA;

inline constexpr uint8_t kWriteCommand = 0xB7;
inline constexpr uint8_t kReadCommand = 0xB0;

// Frame geometry: L counts command, address, payload and checksum.
inline constexpr int kMinLength = 4;
inline constexpr int kMaxPayload = 251;
inline constexpr int kMaxFrameSize = 255 + 3;
inline constexpr int kValueFrameSize = 9;

// Codes written to the link control address.
inline constexpr int kProbeCode = 0x11;
inline constexpr int kKeepAliveCode = 0x66;
inline constexpr int kDisconnectCode = 0xAA;

// The save-mode record: mode index, 0x00, then the name padded with spaces to 20 bytes.
inline constexpr int kSaveModeRecordSize = 2 + kModeNameLength;

// Page 0 has more values than one frame holds; it is uploaded in two parts.
inline constexpr int kPageZeroSplitSlot = 112;
inline constexpr int kPageZeroGapMs = 2;

// Slots [first, end) carried by one frame of a whole page.
struct SlotRange {
    int first;
    int end;
};
// The frames that carry a whole page, in order: page 0 needs two, every other page one.
struct PageParts {
    std::array<SlotRange, 2> parts;
    int count;
    const SlotRange* begin() const { return parts.data(); }
    const SlotRange* end() const { return parts.data() + count; }
};
PageParts pageFrameParts(int page);

using Bytes = std::vector<uint8_t>;

// Low and high byte of a 16-bit quantity: the remainder and the quotient of a division by 256
// (truncating toward zero), each cut to 8 bits, so -1 becomes FF 00.
struct ByteSplit {
    uint8_t low;
    uint8_t high;
};
constexpr ByteSplit splitWord(int value) {
    return {static_cast<uint8_t>(value % 256), static_cast<uint8_t>(value / 256)};
}

// Sum modulo 256 of the start byte and of the bytes from the command to the last payload byte.
// `frame` is a whole frame; its last byte is the checksum and is not part of the sum.
uint8_t frameChecksum(std::span<const uint8_t> frame);

// A frame with L = payload size + 4; the payload must not exceed kMaxPayload bytes.
Bytes buildFrame(uint8_t command, int address, std::span<const uint8_t> payload);
// The 9-byte frame carrying one 16-bit value, low byte first.
Bytes buildValueFrame(uint8_t command, int address, int value);
// The 22-byte save-mode payload: the first two text bytes as they are, then bytes 3 to 22
// of the text, spaces beyond its end; a longer text is cut.
std::array<uint8_t, kSaveModeRecordSize> saveModeRecord(std::string_view text);
// The save-mode text for a mode index and a name: index byte, 0x00, name.
Bytes saveModeText(int modeIndex, std::string_view name);

// Payload of a page upload: page number, byte offset (slot x 2), then the values low byte first.
Bytes pageUploadPayload(int page, int firstSlot, std::span<const int32_t> values);

// Two upper-case hex digits per byte, separated by single spaces.
std::string hexBytes(std::span<const uint8_t> bytes);

}  // namespace aec
