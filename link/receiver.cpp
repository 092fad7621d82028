#include "link/receiver.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "core/pages.h"

namespace aec {

namespace {
constexpr int kHeaderSize = 4;
constexpr int kAckSize = 2;
}  // namespace

void Receiver::reset() {
    m_rxState = RxState::kHunting;
    m_have = 0;
    m_needed = 0;
}

int Receiver::readFrom(SerialPort& port) {
    std::array<uint8_t, 4096> chunk;
    int total = 0;
    while (port.bytesWaiting() > 0) {
        const int n = port.read(chunk);
        if (n <= 0) {
            break;
        }
        feed(std::span<const uint8_t>(chunk.data(), static_cast<size_t>(n)));
        total += n;
    }
    return total;
}

void Receiver::feed(std::span<const uint8_t> bytes) {
    while (!bytes.empty()) {
        size_t used = 0;
        switch (m_rxState) {
            case RxState::kHunting:
                used = hunt(bytes);
                break;
            case RxState::kHeader:
                used = collectHeader(bytes);
                break;
            case RxState::kBody:
                used = collectBody(bytes);
                break;
        }
        bytes = bytes.subspan(used);
    }
}

size_t Receiver::hunt(std::span<const uint8_t> in) {
    const auto start = std::find_if(
        in.begin(), in.end(), [](uint8_t b) { return b == kStartByte || b == kAckStartByte; });
    if (start == in.end()) {
        return in.size();
    }
    m_buffer[0] = *start;
    m_have = 1;
    m_needed = *start == kStartByte ? kHeaderSize : kAckSize;
    m_rxState = RxState::kHeader;
    return static_cast<size_t>(start - in.begin()) + 1;
}

size_t Receiver::collectHeader(std::span<const uint8_t> in) {
    const size_t take = std::min(in.size(), static_cast<size_t>(m_needed - m_have));
    std::memcpy(m_buffer.data() + m_have, in.data(), take);
    m_have += static_cast<int>(take);
    if (m_have < m_needed) {
        return take;
    }

    if (m_buffer[0] == kAckStartByte) {
        if (m_buffer[1] == kAckByteBB || m_buffer[1] == kAckByteAA) {
            acknowledge();
        } else {
            rejectHeader();
        }
    } else {
        const uint8_t command = m_buffer[3];
        const bool accepted = m_buffer[1] == kSecondByte && m_buffer[2] >= kMinLength &&
                              (command == kWriteCommand || command == kReadCommand);
        if (accepted) {
            acceptHeader();
        } else {
            rejectHeader();
        }
    }
    return take;
}

void Receiver::acceptHeader() {
    m_needed = m_buffer[2] + 3;
    m_rxState = RxState::kBody;
}

// A rejected unit is searched for a start byte after its first byte, so that a stray start
// byte just before a real frame does not swallow the frame's own start.
void Receiver::rejectHeader() {
    std::array<uint8_t, kHeaderSize> rest{};
    const size_t restSize = static_cast<size_t>(m_have - 1);
    std::memcpy(rest.data(), m_buffer.data() + 1, restSize);
    reset();
    feed(std::span<const uint8_t>(rest.data(), restSize));
}

void Receiver::acknowledge() {
    m_state.deviceAnswered = true;
    m_state.ready = true;
    m_state.replyStatus = ReplyStatus::kAcknowledged;
    ++m_state.acknowledgements;
    reset();
}

size_t Receiver::collectBody(std::span<const uint8_t> in) {
    // The body is taken in one piece once all of it has arrived; until then its bytes wait.
    const int bodySize = m_needed - kHeaderSize;
    const int waiting = (m_have - kHeaderSize) + static_cast<int>(in.size());
    const size_t take = std::min(in.size(), static_cast<size_t>(m_needed - m_have));
    std::memcpy(m_buffer.data() + m_have, in.data(), take);
    m_have += static_cast<int>(take);
    if (m_have < m_needed) {
        return take;
    }

    const std::string count = std::to_string(waiting);
    m_model.diagnosticLog.append("缓存长度K:C:L=" + count + " " + count + " " +
                                 std::to_string(bodySize));
    // A transfer takes the link off line, so its pages always reach ParamStore.
    PageCapture* capture = m_state.onLine() ? m_capture : nullptr;
    const ParsedFrame parsed =
        ParseFrame(std::span<const uint8_t>(m_buffer.data(), static_cast<size_t>(m_needed)),
                   m_model, m_state, capture ? &capture->values : nullptr);
    reset();
    if (parsed.checksumOk) {
        m_state.replyStatus = ReplyStatus::kFrameReceived;
        if (capture && pageOf(parsed.address) < kPageSystem) {
            ++capture->frames[static_cast<size_t>(pageOf(parsed.address))];
        }
    }
    if (m_listener) {
        m_listener(parsed);
    }
    return take;
}

}  // namespace aec
