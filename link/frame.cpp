#include "link/frame.h"

#include <algorithm>
#include <string>

#include "core/pages.h"

namespace aec {

uint8_t frameChecksum(std::span<const uint8_t> frame) {
    unsigned sum = kStartByte;
    // Command, address and payload: bytes 3 .. size - 2 (the last byte is the checksum).
    for (size_t i = 3; i + 1 < frame.size(); ++i) {
        sum += frame[i];
    }
    return static_cast<uint8_t>(sum);
}

Bytes buildFrame(uint8_t command, int address, std::span<const uint8_t> payload) {
    const size_t size = std::min<size_t>(payload.size(), kMaxPayload);
    Bytes frame;
    frame.reserve(size + 7);
    const ByteSplit addr = splitWord(address);
    frame.push_back(kStartByte);
    frame.push_back(kSecondByte);
    frame.push_back(static_cast<uint8_t>(size + 4));
    frame.push_back(command);
    frame.push_back(addr.high);
    frame.push_back(addr.low);
    frame.insert(frame.end(), payload.begin(), payload.begin() + static_cast<ptrdiff_t>(size));
    frame.push_back(0);
    frame.back() = frameChecksum(frame);
    return frame;
}

Bytes buildValueFrame(uint8_t command, int address, int value) {
    const ByteSplit v = splitWord(value);
    const std::array<uint8_t, 2> payload = {v.low, v.high};
    return buildFrame(command, address, payload);
}

std::array<uint8_t, kSaveModeRecordSize> saveModeRecord(std::string_view text) {
    std::array<uint8_t, kSaveModeRecordSize> record;
    record.fill(' ');
    const size_t n = std::min(text.size(), record.size());
    std::copy_n(reinterpret_cast<const uint8_t*>(text.data()), n, record.begin());
    return record;
}

Bytes saveModeText(int modeIndex, std::string_view name) {
    Bytes text(2 + name.size());
    text[0] = static_cast<uint8_t>(modeIndex);
    std::copy(name.begin(), name.end(), text.begin() + 2);
    return text;
}

Bytes pageUploadPayload(int page, int firstSlot, std::span<const int32_t> values) {
    Bytes payload;
    payload.reserve(2 + 2 * values.size());
    payload.push_back(static_cast<uint8_t>(page));
    payload.push_back(static_cast<uint8_t>(firstSlot * 2));
    for (int32_t value : values) {
        const ByteSplit v = splitWord(value);
        payload.push_back(v.low);
        payload.push_back(v.high);
    }
    return payload;
}

std::string hexBytes(std::span<const uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(bytes.size() * 3);
    for (uint8_t b : bytes) {
        if (!text.empty()) {
            text.push_back(' ');
        }
        text.push_back(kDigits[b >> 4]);
        text.push_back(kDigits[b & 0x0F]);
    }
    return text;
}

PageParts pageFrameParts(int page) {
    const int count = pageSlotCount(page);
    if (page == kPageMusic) {
        return {{{{0, kPageZeroSplitSlot}, {kPageZeroSplitSlot, count}}}, 2};
    }
    return {{{{0, count}, {count, count}}}, 1};
}

}  // namespace aec
