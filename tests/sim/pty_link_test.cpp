// The simulator's pseudo-terminal: published where the editor looks, and refusing to be opened
// when asked to.
#include "sim/pty_link.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <filesystem>

namespace aec::test {
namespace {

int openPort(const std::string& path) { return ::open(path.c_str(), O_RDWR | O_NOCTTY); }

TEST(PtyLink, RefusedOpensFailUntilAllowedAndTheLineStaysUp) {
    std::array<char, 32> dir = {"/tmp/aec-pty-XXXXXX"};
    ASSERT_NE(mkdtemp(dir.data()), nullptr);
    std::string error;
    {
        const auto link = PtyLink::open(dir.data(), "box", error);
        ASSERT_TRUE(link) << error;
        ASSERT_TRUE(link->setOpenRefused(true));
        EXPECT_LT(openPort(link->linkPath()), 0);

        ASSERT_TRUE(link->setOpenRefused(false));
        const int fd = openPort(link->linkPath());
        ASSERT_GE(fd, 0);
        const std::array<uint8_t, 2> bytes = {0xEE, 0xBB};
        EXPECT_EQ(::write(fd, bytes.data(), bytes.size()), 2);
        pollfd master{link->masterFd(), POLLIN, 0};
        ASSERT_EQ(poll(&master, 1, 5000), 1);
        std::array<uint8_t, 8> received{};
        EXPECT_EQ(::read(link->masterFd(), received.data(), received.size()), 2);
        EXPECT_EQ(received[1], 0xBB);
        ::close(fd);
    }
    std::filesystem::remove_all(dir.data());
}

}  // namespace
}  // namespace aec::test
