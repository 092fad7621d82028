#pragma once
// Assembles frames and acknowledgements from the received byte stream, in any chunking.

#include <array>
#include <cstdint>
#include <functional>
#include <span>

#include "core/model.h"
#include "link/frame.h"
#include "link/link_state.h"
#include "link/parse_frame.h"
#include "link/serial_port.h"

namespace aec {

enum class RxState { kHunting, kHeader, kBody };

// Page values received from the processor and kept apart from ParamStore (a read-back).
struct PageCapture {
    Store values{};
    // Whole frames taken, by page (page 0 comes in two).
    std::array<int, kPageCount> frames{};
};

class Receiver {
  public:
    // Called after each parsed frame, for views that follow particular addresses.
    using FrameListener = std::function<void(const ParsedFrame&)>;

    Receiver(Model& model, LinkState& state) : m_model(model), m_state(state) {}

    // Consumes one notification's worth of bytes.
    void feed(std::span<const uint8_t> bytes);
    // Reads everything the port has waiting and feeds it; returns the number of bytes read.
    int readFrom(SerialPort& port);
    // Back to Hunting with an empty buffer (a new search begins).
    void reset();

    RxState state() const { return m_rxState; }
    // Bytes of the unit collected so far.
    int buffered() const { return m_have; }
    void setFrameListener(FrameListener listener) { m_listener = std::move(listener); }
    // While a capture is set and the link is on line, page frames of pages 0 to 29 fill it and
    // leave ParamStore alone; null puts them back into ParamStore.
    void setPageCapture(PageCapture* capture) { m_capture = capture; }

  private:
    // Each returns how many bytes of `in` it consumed.
    size_t hunt(std::span<const uint8_t> in);
    size_t collectHeader(std::span<const uint8_t> in);
    size_t collectBody(std::span<const uint8_t> in);
    void acceptHeader();
    void rejectHeader();
    void acknowledge();

    Model& m_model;
    LinkState& m_state;
    FrameListener m_listener;
    PageCapture* m_capture = nullptr;
    RxState m_rxState = RxState::kHunting;
    std::array<uint8_t, kMaxFrameSize> m_buffer{};
    int m_have = 0;    // bytes of the unit in m_buffer
    int m_needed = 0;  // size the unit has when complete
};

}  // namespace aec
