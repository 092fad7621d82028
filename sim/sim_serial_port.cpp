#include "sim/sim_serial_port.h"

#include <algorithm>

namespace aec {

PortError SimSerialPort::open() {
    if (m_open) {
        return PortError::kNone;
    }
    if (m_name.empty()) {
        return PortError::kNotFound;
    }
    if (m_openFails) {
        return PortError::kBusy;
    }
    m_open = true;
    ++m_openCount;
    return PortError::kNone;
}

void SimSerialPort::close() {
    m_open = false;
    m_input.clear();
    m_line.clear();
}

PortError SimSerialPort::write(std::span<const uint8_t> bytes) {
    if (!m_open) {
        return PortError::kNotOpen;
    }
    if (m_writeFails) {
        return PortError::kIo;
    }
    m_writes.emplace_back(bytes.begin(), bytes.end());
    const bool attached = m_connected && (m_deviceName.empty() || m_deviceName == m_name);
    if (attached) {
        inject(m_processor.feed(bytes));
    }
    return PortError::kNone;
}

int SimSerialPort::read(std::span<uint8_t> dest) {
    const size_t n = std::min(dest.size(), m_input.size());
    std::copy_n(m_input.begin(), n, dest.begin());
    m_input.erase(m_input.begin(), m_input.begin() + static_cast<ptrdiff_t>(n));
    return static_cast<int>(n);
}

void SimSerialPort::inject(std::span<const uint8_t> bytes) {
    m_line.insert(m_line.end(), bytes.begin(), bytes.end());
}

int SimSerialPort::pump(size_t chunk) {
    int delivered = 0;
    while (m_open && !m_line.empty()) {
        const size_t n = chunk == 0 ? m_line.size() : std::min(chunk, m_line.size());
        m_input.insert(m_input.end(), m_line.begin(), m_line.begin() + static_cast<ptrdiff_t>(n));
        m_line.erase(m_line.begin(), m_line.begin() + static_cast<ptrdiff_t>(n));
        delivered += static_cast<int>(n);
        notifyDataReceived(static_cast<int>(m_input.size()));
    }
    return delivered;
}

}  // namespace aec
