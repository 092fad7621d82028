#pragma once
// A serial port that records what is written and hands out bytes a test puts on the line.

#include <algorithm>
#include <deque>
#include <vector>

#include "link/frame.h"
#include "link/serial_port.h"

namespace aec::test {

class FakePort : public SerialPort {
  public:
    PortError open() override {
        m_open = true;
        return PortError::kNone;
    }
    void close() override { m_open = false; }
    bool isOpen() const override { return m_open; }
    void setPortName(const std::string& name) override { m_name = name; }
    PortError write(std::span<const uint8_t> bytes) override {
        if (m_failWrites) {
            return PortError::kIo;
        }
        written.emplace_back(bytes.begin(), bytes.end());
        return PortError::kNone;
    }
    int bytesWaiting() const override { return static_cast<int>(m_input.size()); }
    int read(std::span<uint8_t> dest) override {
        const size_t n = std::min(dest.size(), m_input.size());
        std::copy_n(m_input.begin(), n, dest.begin());
        m_input.erase(m_input.begin(), m_input.begin() + static_cast<long>(n));
        return static_cast<int>(n);
    }

    // Bytes arrive and the data-received event is raised.
    void arrive(const Bytes& bytes) {
        m_input.insert(m_input.end(), bytes.begin(), bytes.end());
        notifyDataReceived(bytesWaiting());
    }
    void setFailWrites(bool fail) { m_failWrites = fail; }

    std::vector<Bytes> written;

  private:
    bool m_open = true;
    bool m_failWrites = false;
    std::string m_name;
    std::deque<uint8_t> m_input;
};

inline Bytes hex(const char* text) {
    Bytes bytes;
    unsigned value = 0;
    int digits = 0;
    for (const char* p = text; *p; ++p) {
        const char c = *p;
        if (c == ' ') {
            continue;
        }
        value = value * 16 + static_cast<unsigned>(c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10);
        if (++digits == 2) {
            bytes.push_back(static_cast<uint8_t>(value));
            value = 0;
            digits = 0;
        }
    }
    return bytes;
}

}  // namespace aec::test
