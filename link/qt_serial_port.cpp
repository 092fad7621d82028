#include "link/qt_serial_port.h"

#include <unistd.h>

#include <QDeadlineTimer>
#include <cerrno>

namespace aec {

namespace {

// The errno of checking that the user may read and write the device, 0 when allowed.
int accessErrno(const std::string& name) {
    const std::string path = name.rfind('/', 0) == 0 ? name : "/dev/" + name;
    return ::access(path.c_str(), R_OK | W_OK) == 0 ? 0 : errno;
}

// Clears the flag when a blocking call ends, however it ends.
class BlockingScope {
  public:
    explicit BlockingScope(bool& flag) : m_flag(flag) { m_flag = true; }
    ~BlockingScope() { m_flag = false; }
    BlockingScope(const BlockingScope&) = delete;
    BlockingScope& operator=(const BlockingScope&) = delete;

  private:
    bool& m_flag;
};

// A device that went away reports a resource error; a pseudo-terminal whose other end closed
// reports failing reads. Either repeats for as long as the port stays open.
bool isDeviceGone(QSerialPort::SerialPortError error) {
    return error == QSerialPort::ResourceError || error == QSerialPort::ReadError;
}

}  // namespace

// Qt reports a device it may not open and one that another program holds (its lock file, or
// exclusive use) alike; the device's own access rights tell them apart.
PortError classifyOpenError(QSerialPort::SerialPortError error, int accessErrno) {
    if (accessErrno == EACCES || accessErrno == EPERM) {
        return PortError::kPermission;
    }
    if (error == QSerialPort::DeviceNotFoundError || accessErrno == ENOENT ||
        accessErrno == ENODEV) {
        return PortError::kNotFound;
    }
    if (error == QSerialPort::PermissionError) {
        return PortError::kBusy;
    }
    return PortError::kIo;
}

QtSerialPort::QtSerialPort() {
    m_port.setPortName(QString::fromLatin1(kInitialPortName));
    QObject::connect(&m_port, &QSerialPort::readyRead, &m_port, [this] { onReadyRead(); });
    // A device that disappears (a USB adapter pulled out, a simulator that ends) keeps raising
    // the same error for as long as the port stays open; it is closed once, after the event
    // that reported it, and the link's supervision notices the silence.
    QObject::connect(&m_port, &QSerialPort::errorOccurred, &m_port,
                     [this](QSerialPort::SerialPortError error) {
                         if (isDeviceGone(error) && !m_closePending) {
                             m_closePending = true;
                             QMetaObject::invokeMethod(
                                 &m_port, [this] { closeVanished(); }, Qt::QueuedConnection);
                         }
                     });
}

void QtSerialPort::closeVanished() {
    m_closePending = false;
    if (isDeviceGone(m_port.error())) {
        ++m_vanished;
        close();
    }
}

QtSerialPort::~QtSerialPort() { close(); }

PortError QtSerialPort::open() {
    if (m_port.isOpen()) {
        return PortError::kNone;
    }
    setOpenErrorText({});
    if (m_name.empty()) {
        return PortError::kNotFound;
    }
    m_port.setBaudRate(kBaudRate);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    m_port.setReadBufferSize(kDriverBufferSize);
    if (!m_port.open(QIODevice::ReadWrite)) {
        const PortError error = classifyOpenError(m_port.error(), accessErrno(m_name));
        setOpenErrorText(m_port.errorString().toStdString());
        m_port.clearError();
        return error;
    }
    // A pseudo-terminal has no modem lines; failing to raise them is harmless.
    m_port.setDataTerminalReady(true);
    m_port.setRequestToSend(true);
    m_port.clearError();
    return PortError::kNone;
}

void QtSerialPort::close() {
    if (m_port.isOpen()) {
        m_port.close();
    }
    m_port.clearError();
}

bool QtSerialPort::isOpen() const { return m_port.isOpen(); }

void QtSerialPort::setPortName(const std::string& name) {
    m_name = name;
    m_port.setPortName(QString::fromStdString(name));
}

PortError QtSerialPort::write(std::span<const uint8_t> bytes) {
    if (!m_port.isOpen()) {
        return PortError::kNotOpen;
    }
    PortError result = PortError::kNone;
    {
        BlockingScope scope(m_blocking);
        const auto size = static_cast<qint64>(bytes.size());
        if (m_port.write(reinterpret_cast<const char*>(bytes.data()), size) != size) {
            result = PortError::kIo;
        }
        const QDeadlineTimer deadline(ioTimeoutMs(static_cast<int>(size)));
        while (result == PortError::kNone && m_port.bytesToWrite() > 0) {
            if (!m_port.waitForBytesWritten(static_cast<int>(deadline.remainingTime())) &&
                m_port.bytesToWrite() > 0) {
                result = PortError::kTimeout;
            }
        }
    }
    deliverDeferred();
    return result;
}

int QtSerialPort::bytesWaiting() const {
    return m_port.isOpen() ? static_cast<int>(m_port.bytesAvailable()) : 0;
}

int QtSerialPort::read(std::span<uint8_t> dest) {
    if (!m_port.isOpen() || dest.empty()) {
        return 0;
    }
    if (m_port.bytesAvailable() == 0) {
        {
            BlockingScope scope(m_blocking);
            m_port.waitForReadyRead(ioTimeoutMs(static_cast<int>(dest.size())));
        }
        deliverDeferred();
    }
    const qint64 n =
        m_port.read(reinterpret_cast<char*>(dest.data()), static_cast<qint64>(dest.size()));
    return n > 0 ? static_cast<int>(n) : 0;
}

void QtSerialPort::onReadyRead() {
    if (m_blocking) {
        m_deferred = true;
        return;
    }
    notifyDataReceived(static_cast<int>(m_port.bytesAvailable()));
}

}  // namespace aec

namespace aec {

void QtSerialPort::deliverDeferred() {
    if (!m_deferred) {
        return;
    }
    m_deferred = false;
    QMetaObject::invokeMethod(
        &m_port, [this] { onReadyRead(); }, Qt::QueuedConnection);
}

}  // namespace aec
