#include "presets/preset_codec.h"

#include <limits>

namespace aec {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

}  // namespace

std::string scrambleLine(std::string_view plain) {
    std::string out;
    out.reserve(plain.size() * 2);
    for (size_t i = 0; i < plain.size(); ++i) {
        const int byte = static_cast<uint8_t>(plain[i]) ^ kFileKey[i % kFileKey.size()];
        out.push_back(kHexDigits[byte >> 4]);
        out.push_back(kHexDigits[byte & 0x0F]);
    }
    return out;
}

std::optional<std::string> unscrambleLine(std::string_view line) {
    std::string out;
    out.reserve(line.size() / 2);
    for (size_t j = 0; j + 1 < line.size(); j += 2) {
        const int high = hexValue(line[j]);
        const int low = hexValue(line[j + 1]);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        const int byte = ((high << 4) | low) ^ kFileKey[(j / 2) % kFileKey.size()];
        out.push_back(static_cast<char>(byte));
    }
    return out;
}

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        lines.push_back(text.substr(start, i - start));
        i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
        start = i;
    }
    if (start < text.size()) {
        lines.push_back(text.substr(start));
    }
    return lines;
}

std::vector<std::string_view> splitFields(std::string_view plain) {
    std::vector<std::string_view> fields;
    size_t start = 0;
    for (size_t space = plain.find(' '); space != std::string_view::npos;
         space = plain.find(' ', start)) {
        fields.push_back(plain.substr(start, space - start));
        start = space + 1;
    }
    fields.push_back(plain.substr(start));
    return fields;
}

std::optional<int32_t> parseDecimal(std::string_view field) {
    const bool negative = !field.empty() && field.front() == '-';
    if (negative) {
        field.remove_prefix(1);
    }
    if (field.empty()) {
        return std::nullopt;
    }
    // Accumulate the magnitude in 64 bits and stop as soon as it leaves the 32-bit range.
    constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    int64_t magnitude = 0;
    for (char c : field) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > kLimit) {
            return std::nullopt;
        }
    }
    if (!negative && magnitude == kLimit) {
        return std::nullopt;
    }
    return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

int presetChecksum(uint32_t sum) { return static_cast<int>(((sum ^ 0xFFFFu) + 1u) & 0xFFu); }

}  // namespace aec
