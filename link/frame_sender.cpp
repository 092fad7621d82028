#include "link/frame_sender.h"

#include <algorithm>
#include <array>

#include "core/pages.h"

namespace aec {

PortError FrameSender::writeIfOpen(std::span<const uint8_t> bytes) {
    if (!m_port.isOpen()) {
        return PortError::kNotOpen;
    }
    return m_port.write(bytes);
}

PortError FrameSender::SendValueFrame(uint8_t command, int address, int value) {
    return writeIfOpen(buildValueFrame(command, address, value));
}

PortError FrameSender::SendFrame(uint8_t command, int address, std::span<const uint8_t> payload) {
    return writeIfOpen(buildFrame(command, address, payload));
}

void FrameSender::SendLinkCode(int code) {
    (void)SendValueFrame(kWriteCommand, kLinkControlAddress, code);
}

PortError FrameSender::SendTextFrame(int address, std::string_view text) {
    if (address == kSaveModeAddress) {
        const auto record = saveModeRecord(text);
        return SendFrame(kWriteCommand, address, record);
    }
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    return SendFrame(kWriteCommand, address, std::span<const uint8_t>(bytes, text.size()));
}

PortError FrameSender::sendPageRequest(int page) {
    return SendValueFrame(kReadCommand, kPageRequestAddress, page);
}

PortError FrameSender::sendNameRequest(int modeIndex, LinkState& state) {
    state.nameAskedLast = modeIndex;
    const std::array<uint8_t, 2> payload = {static_cast<uint8_t>(modeIndex), 0x00};
    return SendFrame(kReadCommand, kModeNameAddress, payload);
}

PortError FrameSender::sendValueRequest(int address) {
    return SendFrame(kReadCommand, address, {});
}

std::vector<Bytes> FrameSender::pageUploadFrames(const Model& model, int page) {
    std::vector<Bytes> frames;
    if (page < 0 || page >= kPageCount) {
        return frames;
    }
    const PageRow& row = model.paramStore()[page];
    auto part = [&](int first, int end) {
        const std::span<const int32_t> values(row.data() + first, static_cast<size_t>(end - first));
        frames.push_back(
            buildFrame(kWriteCommand, kPageUploadAddress, pageUploadPayload(page, first, values)));
    };
    for (const SlotRange range : pageFrameParts(page)) {
        part(range.first, range.end);
    }
    return frames;
}

PortError FrameSender::sendPageUpload(const Model& model, int page,
                                      const std::function<void()>& gap) {
    const std::vector<Bytes> frames = pageUploadFrames(model, page);
    for (size_t i = 0; i < frames.size(); ++i) {
        if (i > 0 && gap) {
            gap();
        }
        if (const PortError e = writeIfOpen(frames[i]); e != PortError::kNone) {
            return e;
        }
    }
    return PortError::kNone;
}

}  // namespace aec
