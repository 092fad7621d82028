#pragma once
// The serial port as the link logic sees it; a real port, a pseudo-terminal or the in-process
// simulated processor stand behind it.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <utility>

namespace aec {

enum class PortError {
    kNone,
    kNotOpen,     // the port is closed; nothing was done
    kNotFound,    // no device of that name (also an empty name)
    kBusy,        // in use by another program
    kPermission,  // the user may not read and write the device
    kIo,          // any other fault of the device or driver
    kTimeout,     // the driver did not take all bytes within the write time-out
};

// Settings the port applies on open; fixed while the editor runs.
inline constexpr int kBaudRate = 115200;
inline constexpr int kDriverBufferSize = 1024;
// Time-outs: 100 ms per byte plus 1000 ms, for reads and for writes.
constexpr int ioTimeoutMs(int bytes) { return 100 * bytes + 1000; }
// Name of the port before the first search.
inline constexpr const char* kInitialPortName = "COM1";

class SerialPort {
  public:
    // Raised on the UI thread after bytes arrive, with the number waiting (never 0).
    using DataReceived = std::function<void(int count)>;

    virtual ~SerialPort() = default;

    // Opens the port named last with the link's settings; does nothing if already open.
    virtual PortError open() = 0;
    // Releases the port; does nothing if it is not open.
    virtual void close() = 0;
    // True between a successful open and the next close.
    virtual bool isOpen() const = 0;
    // Takes effect at the next open; an empty name makes that open fail.
    virtual void setPortName(const std::string& name) = 0;
    // Writes all bytes, returning once the driver took them or the write time-out passed.
    virtual PortError write(std::span<const uint8_t> bytes) = 0;
    // Received bytes waiting in the input buffer.
    virtual int bytesWaiting() const = 0;
    // Reads up to dest.size() bytes, waiting at most the read time-out; returns the count.
    virtual int read(std::span<uint8_t> dest) = 0;

    void setDataReceived(DataReceived handler) { m_dataReceived = std::move(handler); }
    // The system's own words for the last failed open (empty when it had none).
    const std::string& openErrorText() const { return m_openErrorText; }

  protected:
    void setOpenErrorText(std::string text) { m_openErrorText = std::move(text); }
    void notifyDataReceived(int count) {
        if (count > 0 && m_dataReceived) {
            m_dataReceived(count);
        }
    }

  private:
    DataReceived m_dataReceived;
    std::string m_openErrorText;
};

}  // namespace aec
