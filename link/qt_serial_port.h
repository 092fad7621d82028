#pragma once
// The serial port on QSerialPort: 115200 8N1, DTR and RTS on, no flow control, 1024-byte
// buffers; the data-received event arrives on the thread that owns the port (the UI thread).

#include <QSerialPort>
#include <string>

#include "link/serial_port.h"

namespace aec {

// Why an open failed, from Qt's error and the errno of checking the device's access rights
// (0 when the user may read and write it).
PortError classifyOpenError(QSerialPort::SerialPortError error, int accessErrno);

class QtSerialPort : public SerialPort {
  public:
    QtSerialPort();
    ~QtSerialPort() override;

    PortError open() override;
    void close() override;
    bool isOpen() const override;
    // A short name (ttyUSB0, COM3) or a full path, such as a simulator's link.
    void setPortName(const std::string& name) override;
    PortError write(std::span<const uint8_t> bytes) override;
    int bytesWaiting() const override;
    int read(std::span<uint8_t> dest) override;

    // How often the open device disappeared and the port was closed for it.
    int vanishedCount() const { return m_vanished; }

  private:
    void onReadyRead();
    void deliverDeferred();
    void closeVanished();

    QSerialPort m_port;
    std::string m_name = kInitialPortName;
    // Raised while write or read wait inside QSerialPort, which may emit readyRead; the
    // notification is then delivered afterwards so the receiver never runs inside a sender.
    bool m_blocking = false;
    bool m_deferred = false;
    bool m_closePending = false;
    int m_vanished = 0;
};

}  // namespace aec
