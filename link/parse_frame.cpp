#include "link/parse_frame.h"

#include <algorithm>

#include "core/pages.h"
#include "link/frame.h"

namespace aec {

namespace {

// Page-30 slots with a meaning of their own.
enum SystemSlot : int {
    kSlotModeName = 0,
    kSlotPanelPassword = 5,
    kSlotSystemPassword = 7,
    kSlotAcceptedA = 11,
    kSlotAcceptedB = 12,
    kSlotPageUpload = 15,
    kSlotPageRequest = 16,
    kSlotLinkControl = 48,
    kSlotIdentity = 64,
};

int wordAt(std::span<const uint8_t> payload, size_t index) {
    return payload[index] | (payload[index + 1] << 8);
}

void logChecksumMismatch(DiagnosticLog& log, std::span<const uint8_t> frame, uint8_t computed) {
    log.append(std::to_string(frame[4]) + "********************");
    log.append("校验数据匹配不一致:" + std::to_string(computed) + "得到的验证数据：" +
               std::to_string(frame.back()));
    log.append("接收到的错误数据：" + hexBytes(frame));
}

// Values of pages 0 to 29 from the slot upward, each handed to `set` (slot, value); a trailing
// odd byte and any value beyond the last slot of the page are dropped.
template <typename Set>
void storeValues(int slot, std::span<const uint8_t> payload, Set set) {
    const size_t count = payload.size() / 2;
    for (size_t i = 0; i < count && slot + static_cast<int>(i) < kSlotCount; ++i) {
        set(slot + static_cast<int>(i), wordAt(payload, 2 * i));
    }
}

std::string payloadText(std::span<const uint8_t> payload) {
    return std::string(payload.begin(), payload.end());
}

void applySystemFrame(Model& model, const LinkState& state, int slot,
                      std::span<const uint8_t> payload) {
    switch (slot) {
        case kSlotModeName:
            if (state.nameAskedLast >= 0 && state.nameAskedLast < kModeCount) {
                model.modeNames[static_cast<size_t>(state.nameAskedLast)] = decodeModeName(payload);
            }
            return;
        case kSlotPanelPassword:
            model.panelPassword = payloadText(payload);
            return;
        case kSlotSystemPassword:
            model.systemPassword = payloadText(payload);
            return;
        case kSlotIdentity:
            model.deviceIdentity = decodeIdentity(payload);
            return;
        case kSlotAcceptedA:
        case kSlotAcceptedB:
        case kSlotPageUpload:
        case kSlotPageRequest:
        case kSlotLinkControl:
            return;
        default:
            if (slot < kSlotLinkControl && payload.size() >= 2) {
                model.setParamFromProcessor(kPageSystem, slot, wordAt(payload, 0));
            }
            return;
    }
}

}  // namespace

std::string decodeModeName(std::span<const uint8_t> payload) {
    std::string name;
    const size_t n = std::min<size_t>(payload.size(), kModeNameLength);
    for (size_t i = 0; i < n; ++i) {
        const uint8_t b = payload[i];
        name.push_back(b >= 0x1E && b <= 0x7F ? static_cast<char>(b) : '?');
    }
    return name;
}

std::string decodeIdentity(std::span<const uint8_t> payload) {
    // A short payload shows what it has rather than reading past it.
    std::string text = hexBytes(payload.first(std::min<size_t>(payload.size(), 4)));
    std::erase(text, ' ');
    return text;
}

ParsedFrame ParseFrame(std::span<const uint8_t> frame, Model& model, const LinkState& state,
                       Store* pageTarget) {
    ParsedFrame result;
    if (frame.size() < 7 || frame.size() != static_cast<size_t>(frame[2]) + 3) {
        return result;
    }
    result.complete = true;

    const uint8_t computed = frameChecksum(frame);
    result.checksumOk = computed == frame.back();
    if (!result.checksumOk) {
        // A garbled frame would put wrong values into the mirror; it is logged and dropped,
        // and the step that asked for it is asked again.
        logChecksumMismatch(model.diagnosticLog, frame, computed);
        return result;
    }

    const int page = frame[4];
    const int slot = frame[5];
    result.address = makeAddress(page, slot);
    const std::span<const uint8_t> payload = frame.subspan(6, frame.size() - 7);
    if (page < kPageSystem && pageTarget != nullptr) {
        PageRow& row = (*pageTarget)[static_cast<size_t>(page)];
        storeValues(slot, payload, [&row](int s, int v) { row[static_cast<size_t>(s)] = v; });
    } else if (page < kPageSystem) {
        storeValues(slot, payload, [&](int s, int v) { model.setParamFromProcessor(page, s, v); });
    } else if (page == kPageSystem) {
        applySystemFrame(model, state, slot, payload);
    }
    // Pages above 30 do not exist; such a frame changes nothing.
    return result;
}

}  // namespace aec
