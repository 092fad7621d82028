#include "sim/frame_description.h"

#include <cstdio>

#include "core/pages.h"
#include "link/frame.h"
#include "link/parse_frame.h"

namespace aec {

namespace {

std::string hex16(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", value & 0xFFFF);
    return text;
}

std::string quoted(std::span<const uint8_t> text) {
    return "'" + decodeModeName(text.first(std::min<size_t>(text.size(), kModeNameLength))) + "'";
}

std::string describeLinkCode(int code) {
    switch (code) {
        case kProbeCode:
            return "probe";
        case kKeepAliveCode:
            return "keep-alive";
        case kDisconnectCode:
            return "disconnect";
        default:
            return "link code " + std::to_string(code);
    }
}

std::string describeFrame(std::span<const uint8_t> f) {
    const bool write = f[3] == kWriteCommand;
    const int address = makeAddress(f[4], f[5]);
    const std::span<const uint8_t> payload = f.subspan(6, f.size() - 7);
    const int word = payload.size() >= 2 ? payload[0] | (payload[1] << 8) : -1;
    std::string text = write ? "write " : "read ";
    if (frameChecksum(f) != f.back()) {
        text = "(bad checksum) " + text;
    }
    if (address == kLinkControlAddress && word >= 0) {
        return text + describeLinkCode(word);
    }
    if (address == kPageRequestAddress && word >= 0) {
        return text + "page " + std::to_string(word);
    }
    if (address == kModeNameAddress) {
        if (!write && payload.size() == 2 && payload[1] == 0) {
            return text + "mode name " + std::to_string(payload[0]) + " (request)";
        }
        return text + "mode name " + quoted(payload);
    }
    if (address == kSaveModeAddress && write && payload.size() >= 2) {
        return text + "save mode " + std::to_string(payload[0]) + " " + quoted(payload.subspan(2));
    }
    if (address == kLoadModeAddress && write && word >= 0) {
        return text + "load mode " + std::to_string(word);
    }
    if (address == kPageUploadAddress && payload.size() >= 2) {
        return text + "page upload " + std::to_string(payload[0]) + " from slot " +
               std::to_string(payload[1] / 2) + ", " + std::to_string((payload.size() - 2) / 2) +
               " values";
    }
    if (address == kPanelPasswordAddress || address == kSystemPasswordAddress) {
        const char* which = address == kPanelPasswordAddress ? "panel" : "system";
        return text + which + " password " + (payload.empty() ? "(request)" : quoted(payload));
    }
    if (address == kIdentityAddress) {
        return text + "identity " + (payload.empty() ? "(request)" : decodeIdentity(payload));
    }
    text += hex16(address);
    if (payload.empty()) {
        return text + " (request)";
    }
    if (payload.size() == 2) {
        return text + " = " + std::to_string(word);
    }
    return text + ", " + std::to_string(payload.size() / 2) + " values";
}

}  // namespace

std::string describeUnit(std::span<const uint8_t> unit) {
    if (unit.size() == 2 && unit[0] == kAckStartByte) {
        return "ack " + hexBytes(unit.subspan(1));
    }
    if (unit.size() < 7 || unit[0] != kStartByte) {
        return "unknown";
    }
    return describeFrame(unit);
}

std::string logLine(std::string_view direction, std::span<const uint8_t> unit) {
    std::string line(direction);
    line.resize(4, ' ');
    return line + hexBytes(unit) + "  " + describeUnit(unit);
}

}  // namespace aec
