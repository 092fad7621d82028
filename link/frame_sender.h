#pragma once
// Builds frames and writes them to the port; every sender checks that the port is open first.

#include <functional>
#include <span>
#include <string_view>
#include <vector>

#include "core/model.h"
#include "link/frame.h"
#include "link/link_state.h"
#include "link/serial_port.h"

namespace aec {

class FrameSender {
  public:
    explicit FrameSender(SerialPort& port) : m_port(port) {}

    // One value frame. Writers of single values may ignore a failure: the link's supervision
    // notices the missing acknowledgement.
    PortError SendValueFrame(uint8_t command, int address, int value);
    // A frame with any payload (at most kMaxPayload bytes); the failure goes to the caller.
    PortError SendFrame(uint8_t command, int address, std::span<const uint8_t> payload);
    // The probe, keep-alive or disconnect code to the link control address; a failure is
    // swallowed (the search passes on, the supervision notices).
    void SendLinkCode(int code);
    // A text as the payload of a write frame; at the save-mode address exactly 22 bytes.
    PortError SendTextFrame(int address, std::string_view text);

    // Read requests of a full load: one page, one mode name (remembered for the reply), or one
    // value of page 30 (a frame without payload).
    PortError sendPageRequest(int page);
    PortError sendNameRequest(int modeIndex, LinkState& state);
    PortError sendValueRequest(int address);

    // The page upload frames of a page from ParamStore: one frame, or two for page 0.
    static std::vector<Bytes> pageUploadFrames(const Model& model, int page);
    // Sends them; `gap` runs between the two frames of page 0 (the processor wants a short
    // pause there, kPageZeroGapMs).
    PortError sendPageUpload(const Model& model, int page, const std::function<void()>& gap = {});
    // A frame built elsewhere (a part of a page upload).
    PortError sendBytes(std::span<const uint8_t> frame) { return writeIfOpen(frame); }

  private:
    PortError writeIfOpen(std::span<const uint8_t> bytes);

    SerialPort& m_port;
};

}  // namespace aec
