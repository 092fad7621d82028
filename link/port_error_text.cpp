#include "link/port_error_text.h"

namespace aec {

PortErrorMessage portErrorMessage(PortError error, const std::string& port,
                                  const std::string& systemText) {
    const std::string zhHead = "无法打开串口 " + port + "：";
    const std::string enHead = "Cannot open " + port + ": ";
    switch (error) {
        case PortError::kPermission:
            return {zhHead +
                        "没有权限。当前用户不能使用串口，请用以下命令把它加入 dialout 组：\n    " +
                        kDialoutCommand + "\n然后注销并重新登录。",
                    enHead +
                        "permission denied. Your user may not use serial ports; add it to "
                        "the dialout group with\n    " +
                        kDialoutCommand + "\nthen log out and log in again."};
        case PortError::kBusy:
            return {zhHead +
                        "串口正被其他程序占用。请关闭该程序（另一个编辑器，或 minicom、screen "
                        "等串口终端）后重试。",
                    enHead +
                        "the port is in use by another program. Close that program (another "
                        "editor, or a terminal such as minicom or screen) and try again."};
        case PortError::kNotFound:
            return {zhHead + "设备不存在或已被拔出。请检查连接线和 USB 串口适配器，然后重试。",
                    enHead +
                        "no such device, or it was unplugged. Check the cable and the USB "
                        "serial adapter, then try again."};
        case PortError::kNone:
        case PortError::kNotOpen:
        case PortError::kIo:
        case PortError::kTimeout:
            break;
    }
    const std::string why = systemText.empty() ? std::string("unknown error") : systemText;
    return {zhHead + why + "。", enHead + why + "."};
}

}  // namespace aec
