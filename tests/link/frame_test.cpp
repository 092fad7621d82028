// Frame building, the checksum, the save-mode record, page uploads and the senders' port checks.
#include "link/frame.h"

#include <gtest/gtest.h>

#include "core/model.h"
#include "link/frame_sender.h"
#include "link/port_names.h"
#include "tests/link/fake_port.h"

namespace aec::test {
namespace {

struct FrameExample {
    const char* meaning;
    uint8_t command;
    int address;
    int value;  // -2: no payload
    const char* bytes;
};

class FrameExamples : public ::testing::TestWithParam<FrameExample> {};

TEST_P(FrameExamples, BuildsTheExactBytes) {
    const FrameExample& e = GetParam();
    const Bytes frame = e.value == -2 ? buildFrame(e.command, e.address, {})
                                      : buildValueFrame(e.command, e.address, e.value);
    EXPECT_EQ(hexBytes(frame), hexBytes(hex(e.bytes))) << e.meaning;
    EXPECT_EQ(frameChecksum(frame), frame.back());
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FrameExamples,
    ::testing::Values(
        FrameExample{"set 0x0123", kWriteCommand, 0x0123, 0x0456, "F5 B1 06 B7 01 23 56 04 2A"},
        FrameExample{"probe", kWriteCommand, kLinkControlAddress, kProbeCode,
                     "F5 B1 06 B7 1E 30 11 00 0B"},
        FrameExample{"keep-alive", kWriteCommand, kLinkControlAddress, kKeepAliveCode,
                     "F5 B1 06 B7 1E 30 66 00 60"},
        FrameExample{"disconnect", kWriteCommand, kLinkControlAddress, kDisconnectCode,
                     "F5 B1 06 B7 1E 30 AA 00 A4"},
        FrameExample{"page 3", kReadCommand, kPageRequestAddress, 3, "F5 B1 06 B0 1E 10 03 00 D6"},
        FrameExample{"mode name 5", kReadCommand, kModeNameAddress, 5,
                     "F5 B1 06 B0 1E 00 05 00 C8"},
        FrameExample{"read 0x1E07", kReadCommand, kSystemPasswordAddress, -2,
                     "F5 B1 04 B0 1E 07 CA"},
        FrameExample{"0.0 dB on the first music band", kWriteCommand, 0x000C, 120,
                     "F5 B1 06 B7 00 0C 78 00 30"}));

TEST(Frame, NegativeValuesSplitTowardZero) {
    EXPECT_EQ(hexBytes(buildValueFrame(kWriteCommand, 0x0104, -1)).substr(18, 5), "FF 00");
    const ByteSplit minus300 = splitWord(-300);  // quotient -1, remainder -44
    EXPECT_EQ(minus300.high, 0xFF);
    EXPECT_EQ(minus300.low, 0xD4);
    EXPECT_EQ(splitWord(65535).high, 0xFF);
    EXPECT_EQ(splitWord(0x1234).low, 0x34);
}

TEST(Frame, SaveModeRecordIsAlways22Bytes) {
    const auto party = saveModeRecord(std::string("\x03\x00Party", 7));
    std::string expected = "03 00 50 61 72 74 79";
    for (int i = 0; i < 15; ++i) {
        expected += " 20";
    }
    EXPECT_EQ(hexBytes(party), expected);
    const auto longName =
        saveModeRecord(std::string("\x01\x00"
                                   "ABCDEFGHIJKLMNOPQRSTUVWXYZ",
                                   28));
    EXPECT_EQ(longName.size(), 22u);
    EXPECT_EQ(longName[2], 'A');
    EXPECT_EQ(longName[21], 'T');
    const auto empty = saveModeRecord("");
    EXPECT_TRUE(std::all_of(empty.begin(), empty.end(), [](uint8_t b) { return b == 0x20; }));
}

TEST(FrameSender, SaveModeFrameForPartyIs29Bytes) {
    FakePort port;
    FrameSender sender(port);
    const Bytes text = saveModeText(2, "Party");
    ASSERT_EQ(sender.SendTextFrame(
                  kSaveModeAddress,
                  std::string_view(reinterpret_cast<const char*>(text.data()), text.size())),
              PortError::kNone);
    ASSERT_EQ(port.written.size(), 1u);
    const Bytes& f = port.written[0];
    ASSERT_EQ(f.size(), 29u);
    EXPECT_EQ(hexBytes(std::span(f).first(13)), "F5 B1 1A B7 1E 01 02 00 50 61 72 74 79");
    EXPECT_EQ(f[27], 0x20);
    EXPECT_EQ(f[28], frameChecksum(f));
}

TEST(FrameSender, PasswordTextFramesCarryTheDigits) {
    FakePort port;
    FrameSender sender(port);
    sender.SendTextFrame(kSystemPasswordAddress, "654321");
    sender.SendTextFrame(kPanelPasswordAddress, "4321");
    EXPECT_EQ(port.written[0][2], 10);
    EXPECT_EQ(port.written[1][2], 8);
    EXPECT_EQ(port.written[1][6], '4');
}

TEST(FrameSender, PageZeroUploadsInTwoFrames) {
    Model model;
    for (int s = 0; s < kSlotCount; ++s) {
        model.setParam(0, s, 1000 + s);
    }
    const auto frames = FrameSender::pageUploadFrames(model, 0);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0][2], 230);
    EXPECT_EQ(frames[0].size(), 233u);
    EXPECT_EQ(frames[0][6], 0);     // page
    EXPECT_EQ(frames[0][7], 0x00);  // offset
    EXPECT_EQ(frames[1][2], 110);
    EXPECT_EQ(frames[1][7], 0xE0);
    // Slot 112 is the first value of the second frame, low byte first.
    EXPECT_EQ(frames[1][8] | (frames[1][9] << 8), 1112);
    // The last value is slot 163; slot 164 is not part of a page transfer.
    EXPECT_EQ(frames[1][110] | (frames[1][111] << 8), 1163);
    EXPECT_EQ(frames[1].size(), 113u);
    for (const Bytes& f : frames) {
        EXPECT_EQ(f.back(), frameChecksum(f));
    }
}

TEST(FrameSender, OtherPagesUploadWhole) {
    Model model;
    const auto mic = FrameSender::pageUploadFrames(model, 3);
    ASSERT_EQ(mic.size(), 1u);
    EXPECT_EQ(mic[0][2], 114 * 2 + 2 + 4);
    EXPECT_EQ(hexBytes(std::span(mic[0]).first(8)), "F5 B1 EA B7 1E 0F 03 00");
    EXPECT_EQ(FrameSender::pageUploadFrames(model, 29)[0][2], 10 * 2 + 2 + 4);
    EXPECT_TRUE(FrameSender::pageUploadFrames(model, 31).empty());

    FakePort port;
    FrameSender sender(port);
    int gaps = 0;
    EXPECT_EQ(sender.sendPageUpload(model, 0, [&] { ++gaps; }), PortError::kNone);
    EXPECT_EQ(gaps, 1);
    EXPECT_EQ(port.written.size(), 2u);
}

TEST(FrameSender, NothingIsWrittenToAClosedPort) {
    FakePort port;
    port.close();
    FrameSender sender(port);
    sender.SendValueFrame(kWriteCommand, 0x0001, 1);
    sender.SendLinkCode(kProbeCode);
    EXPECT_EQ(sender.SendFrame(kReadCommand, 0x1E07, {}), PortError::kNotOpen);
    EXPECT_EQ(sender.SendTextFrame(kPanelPasswordAddress, "1234"), PortError::kNotOpen);
    EXPECT_TRUE(port.written.empty());
}

TEST(FrameSender, WriteFailuresAreReportedExceptForLinkCodes) {
    FakePort port;
    port.setFailWrites(true);
    FrameSender sender(port);
    sender.SendLinkCode(kKeepAliveCode);  // must not throw
    EXPECT_EQ(sender.SendValueFrame(kWriteCommand, 0x0001, 1), PortError::kIo);
    EXPECT_EQ(sender.sendPageRequest(3), PortError::kIo);
    EXPECT_EQ(sender.SendTextFrame(kSystemPasswordAddress, "123456"), PortError::kIo);
    EXPECT_EQ(sender.sendPageUpload(Model(), 4), PortError::kIo);
}

TEST(FrameSender, NameRequestRemembersTheModeAsked) {
    FakePort port;
    FrameSender sender(port);
    LinkState state;
    sender.sendNameRequest(5, state);
    EXPECT_EQ(state.nameAskedLast, 5);
    EXPECT_EQ(hexBytes(port.written[0]), "F5 B1 06 B0 1E 00 05 00 C8");
    sender.sendValueRequest(kSystemPasswordAddress);
    EXPECT_EQ(port.written[1].size(), 7u);
}

TEST(PortNames, SortedAsText) {
    EXPECT_EQ(sortPortNames({"COM2", "COM10", "COM1", "COM2"}),
              (std::vector<std::string>{"COM1", "COM10", "COM2"}));
    EXPECT_EQ(sortPortNames({"ttyUSB0", "/run/user/0/aec-ports/aec-sim", "ttyS0"}).front(),
              "/run/user/0/aec-ports/aec-sim");
}

}  // namespace
}  // namespace aec::test
