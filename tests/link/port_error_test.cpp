// Why a serial port would not open, and what the person is told to do about it.
#include <gtest/gtest.h>

#include <cerrno>

#include "link/port_error_text.h"
#include "link/qt_serial_port.h"

namespace aec {
namespace {

TEST(PortOpenError, QtsErrorAndTheDevicesAccessRightsGiveTheReason) {
    struct Case {
        QSerialPort::SerialPortError qt;
        int accessErrno;
        PortError expected;
    };
    const Case cases[] = {
        // Qt says "permission" for a port held by another program too.
        {QSerialPort::PermissionError, EACCES, PortError::kPermission},
        {QSerialPort::PermissionError, EPERM, PortError::kPermission},
        {QSerialPort::PermissionError, 0, PortError::kBusy},
        {QSerialPort::PermissionError, EBUSY, PortError::kBusy},
        // A lock file or another error may come first; the device's rights still decide.
        {QSerialPort::OpenError, EACCES, PortError::kPermission},
        {QSerialPort::DeviceNotFoundError, ENOENT, PortError::kNotFound},
        {QSerialPort::DeviceNotFoundError, 0, PortError::kNotFound},
        {QSerialPort::ResourceError, ENOENT, PortError::kNotFound},
        {QSerialPort::ResourceError, ENODEV, PortError::kNotFound},
        {QSerialPort::ResourceError, 0, PortError::kIo},
        {QSerialPort::UnknownError, EIO, PortError::kIo},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(classifyOpenError(c.qt, c.accessErrno), c.expected)
            << "Qt error " << c.qt << ", errno " << c.accessErrno;
    }
}

TEST(PortOpenError, EachReasonNamesThePortAndWhatToDoInBothLanguages) {
    struct Case {
        PortError error;
        const char* zhPart;
        const char* enPart;
    };
    const Case cases[] = {
        {PortError::kPermission, "sudo usermod -aG dialout $USER",
         "sudo usermod -aG dialout $USER"},
        {PortError::kPermission, "注销并重新登录", "log out and log in again"},
        {PortError::kBusy, "其他程序占用", "in use by another program"},
        {PortError::kNotFound, "已被拔出", "unplugged"},
        // Anything else is told in the system's own words.
        {PortError::kIo, "Input/output error。", "Input/output error."},
        {PortError::kTimeout, "Input/output error", "Input/output error"},
    };
    for (const Case& c : cases) {
        const PortErrorMessage m = portErrorMessage(c.error, "/dev/ttyUSB0", "Input/output error");
        EXPECT_NE(m.zh.find("/dev/ttyUSB0"), std::string::npos) << m.zh;
        EXPECT_NE(m.en.find("Cannot open /dev/ttyUSB0: "), std::string::npos) << m.en;
        EXPECT_NE(m.in(1).find(c.zhPart), std::string::npos) << m.zh;
        EXPECT_NE(m.in(0).find(c.enPart), std::string::npos) << m.en;
    }
    EXPECT_EQ(portErrorMessage(PortError::kIo, "COM3", "").en, "Cannot open COM3: unknown error.");
}

}  // namespace
}  // namespace aec
