#pragma once
// What to tell a person whose serial port would not open: why, and what to do about it, in
// Chinese and English.

#include <string>

#include "link/serial_port.h"

namespace aec {

struct PortErrorMessage {
    std::string zh;
    std::string en;
    // The text of the active language (languageFlag 1 Chinese, 0 English).
    const std::string& in(int languageFlag) const { return languageFlag == 1 ? zh : en; }
};

// The command that lets a Linux user open serial ports (after logging in again).
inline constexpr const char* kDialoutCommand = "sudo usermod -aG dialout $USER";

// The message for an open of `port` that failed with `error`; `systemText` is the system's own
// description, used when the failure is none of the ones a person can fix by a known step.
PortErrorMessage portErrorMessage(PortError error, const std::string& port,
                                  const std::string& systemText);

}  // namespace aec
