#pragma once
// The simulated processor behind the serial port interface, in the same process. Replies wait
// until the test pumps them, so every exchange is deterministic.

#include <deque>
#include <string>
#include <vector>

#include "link/serial_port.h"
#include "sim/sim_processor.h"

namespace aec {

class SimSerialPort : public SerialPort {
  public:
    explicit SimSerialPort(SimProcessor& processor) : m_processor(processor) {}

    PortError open() override;
    void close() override;
    bool isOpen() const override { return m_open; }
    void setPortName(const std::string& name) override { m_name = name; }
    PortError write(std::span<const uint8_t> bytes) override;
    int bytesWaiting() const override { return static_cast<int>(m_input.size()); }
    int read(std::span<uint8_t> dest) override;

    // Delivers the replies produced so far: in one notification, or in pieces of at most
    // `chunk` bytes with a notification each. Returns the number of bytes delivered.
    int pump(size_t chunk = 0);
    // Puts bytes on the line from the processor's side (noise, hand-made frames).
    void inject(std::span<const uint8_t> bytes);

    // Only this name opens (empty: any non-empty name); models the box on one port of many.
    void setDeviceName(std::string name) { m_deviceName = std::move(name); }
    void setOpenFails(bool fails) { m_openFails = fails; }
    void setWriteFails(bool fails) { m_writeFails = fails; }
    // Wired to the processor (default) or not: a port with nothing attached stays silent.
    void setConnected(bool connected) { m_connected = connected; }

    const std::string& portName() const { return m_name; }
    // Each successful write, in order.
    const std::vector<Bytes>& writes() const { return m_writes; }
    void clearWrites() { m_writes.clear(); }
    int openCount() const { return m_openCount; }

  private:
    SimProcessor& m_processor;
    std::string m_name = kInitialPortName;
    std::string m_deviceName;
    bool m_open = false;
    bool m_openFails = false;
    bool m_writeFails = false;
    bool m_connected = true;
    int m_openCount = 0;
    std::deque<uint8_t> m_line;   // sent by the processor, not yet arrived
    std::deque<uint8_t> m_input;  // arrived, waiting to be read
    std::vector<Bytes> m_writes;
};

}  // namespace aec
