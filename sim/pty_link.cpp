#include "sim/pty_link.h"

#include <fcntl.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>

namespace aec {

namespace {

std::string systemError(const std::string& what) { return what + ": " + std::strerror(errno); }

}  // namespace

std::unique_ptr<PtyLink> PtyLink::open(const std::string& directory, const std::string& name,
                                       std::string& error) {
    if (name.empty() || name.find('/') != std::string::npos) {
        error = "invalid port name: " + name;
        return nullptr;
    }
    std::unique_ptr<PtyLink> link(new PtyLink);
    std::array<char, 256> slaveName{};
    termios raw{};
    cfmakeraw(&raw);
    cfsetispeed(&raw, B115200);
    cfsetospeed(&raw, B115200);
    if (openpty(&link->m_master, &link->m_slave, slaveName.data(), &raw, nullptr) != 0) {
        error = systemError("openpty");
        return nullptr;
    }
    link->m_slavePath = slaveName.data();
    const int flags = fcntl(link->m_master, F_GETFL);
    fcntl(link->m_master, F_SETFL, flags | O_NONBLOCK);
    fcntl(link->m_master, F_SETFD, FD_CLOEXEC);
    fcntl(link->m_slave, F_SETFD, FD_CLOEXEC);

    std::error_code ec;
    std::filesystem::create_directories(directory, ec);
    if (ec) {
        error = "cannot create " + directory + ": " + ec.message();
        return nullptr;
    }
    const std::string path = (std::filesystem::path(directory) / name).string();
    struct stat target {};
    if (stat(path.c_str(), &target) == 0) {
        error = "port name in use: " + path;
        return nullptr;
    }
    unlink(path.c_str());  // a stale link left by a simulator that was killed
    if (symlink(link->m_slavePath.c_str(), path.c_str()) != 0) {
        error = systemError("cannot publish " + path);
        return nullptr;
    }
    link->m_linkPath = path;
    return link;
}

bool PtyLink::setOpenRefused(bool refused) {
    int lock = refused ? 1 : 0;
    return ioctl(m_master, TIOCSPTLCK, &lock) == 0;
}

PtyLink::~PtyLink() {
    if (!m_linkPath.empty()) {
        unlink(m_linkPath.c_str());
    }
    if (m_slave >= 0) {
        close(m_slave);
    }
    if (m_master >= 0) {
        close(m_master);
    }
}

}  // namespace aec
