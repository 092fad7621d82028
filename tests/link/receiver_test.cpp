// The receiver's state machine and ParseFrame: chunking, noise, rejected headers,
// acknowledgements, the diagnostic lines and hostile frames.
#include "link/receiver.h"

#include <gtest/gtest.h>

#include "core/model.h"
#include "link/frame.h"
#include "tests/link/fake_port.h"

namespace aec::test {
namespace {

class ReceiverTest : public ::testing::Test {
  protected:
    ReceiverTest() {
        receiver.setFrameListener([this](const ParsedFrame& f) { frames.push_back(f); });
    }
    void feed(const Bytes& bytes) { receiver.feed(bytes); }
    Bytes Frame(int address, std::initializer_list<uint8_t> payload,
                uint8_t command = kReadCommand) {
        const Bytes p(payload);
        return buildFrame(command, address, p);
    }
    const std::vector<std::string>& log() const { return model.diagnosticLog.lines(); }

    Model model;
    LinkState state;
    Receiver receiver{model, state};
    std::vector<ParsedFrame> frames;
};

TEST_F(ReceiverTest, FrameSplitAtEveryPointIsParsedOnce) {
    const Bytes frame = hex("F5 B1 06 B7 01 23 56 04 2A");
    const auto size = static_cast<long>(frame.size());
    for (long cut1 = 0; cut1 <= size; ++cut1) {
        for (long cut2 = cut1; cut2 <= size; ++cut2) {
            model.setParam(1, 0x23, 0);
            frames.clear();
            feed(Bytes(frame.begin(), frame.begin() + cut1));
            feed(Bytes(frame.begin() + cut1, frame.begin() + cut2));
            feed(Bytes(frame.begin() + cut2, frame.end()));
            ASSERT_EQ(frames.size(), 1u) << cut1 << " " << cut2;
            EXPECT_EQ(model.param(1, 0x23), 0x0456);
            EXPECT_EQ(receiver.state(), RxState::kHunting);
        }
    }
}

TEST_F(ReceiverTest, GarbageBeforeAFrameIsSkipped) {
    feed(hex("00 13 B1 FF 7E"));
    EXPECT_EQ(receiver.state(), RxState::kHunting);
    feed(Frame(0x0014, {10, 0, 20, 0, 30, 0, 40, 0, 50, 0}));
    ASSERT_EQ(frames.size(), 1u);
    // A page-0 reply of 10 bytes at slot 20 sets slots 20 to 24.
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(model.param(0, 20 + i), 10 * (i + 1));
    }
    EXPECT_EQ(model.param(0, 25), 0);
    EXPECT_EQ(state.replyStatus, ReplyStatus::kFrameReceived);
}

TEST_F(ReceiverTest, RejectedHeadersAreDroppedAndTheNextUnitStarts) {
    feed(hex("F5 B2 06 B7"));  // second byte wrong
    feed(hex("F5 B1 06 B5"));  // command neither write nor read
    feed(hex("F5 B1 02 B7"));  // length shorter than command, address and checksum
    EXPECT_TRUE(frames.empty());
    EXPECT_EQ(receiver.state(), RxState::kHunting);
    feed(hex("F5 B1 06 B7 01 23 56 04 2A"));
    EXPECT_EQ(frames.size(), 1u);
}

TEST_F(ReceiverTest, AStrayStartByteDoesNotSwallowTheFrameAfterIt) {
    // The first F5 makes a header F5 F5 B1 06 that is rejected; its F5 starts the real frame.
    feed(hex("F5 F5 B1 06 B7 01 23 56 04 2A"));
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(model.param(1, 0x23), 0x0456);
    // A stray acknowledgement start before a frame, delivered byte by byte.
    for (uint8_t b : hex("EE F5 B1 06 B7 01 24 01 00 D2")) {
        feed({b});
    }
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(model.param(1, 0x24), 1);
    // A rejected header whose third byte starts an acknowledgement.
    feed(hex("F5 00 EE BB"));
    EXPECT_TRUE(state.ready);
}

TEST_F(ReceiverTest, BothAcknowledgementsSetTheThreeFlags) {
    for (const char* ack : {"EE BB", "EE AA"}) {
        state = LinkState{};
        feed(hex(ack));
        EXPECT_TRUE(state.ready) << ack;
        EXPECT_TRUE(state.deviceAnswered) << ack;
        EXPECT_EQ(state.replyStatus, ReplyStatus::kAcknowledged) << ack;
    }
    state = LinkState{};
    feed(hex("EE 00 EE"));
    EXPECT_FALSE(state.ready);
    feed(hex("BB"));  // the second EE was kept as a new start
    EXPECT_TRUE(state.ready);
    EXPECT_TRUE(frames.empty());
    EXPECT_TRUE(log().empty());
}

TEST_F(ReceiverTest, WrongChecksumIsLoggedAndNothingTaken) {
    state.replyStatus = ReplyStatus::kWaiting;
    feed(hex("F5 B1 06 B7 02 05 07 00 00"));
    EXPECT_EQ(model.param(2, 5), 0);
    EXPECT_EQ(state.replyStatus, ReplyStatus::kWaiting);  // the step is still unanswered
    ASSERT_EQ(log().size(), 4u);
    EXPECT_EQ(log()[0], "缓存长度K:C:L=5 5 5");
    EXPECT_EQ(log()[1], "2********************");
    EXPECT_EQ(log()[2], "校验数据匹配不一致:186得到的验证数据：0");
    EXPECT_EQ(log()[3], "接收到的错误数据：F5 B1 06 B7 02 05 07 00 00");
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_FALSE(frames[0].checksumOk);
}

TEST_F(ReceiverTest, BodyLineCountsEverythingWaiting) {
    Bytes two = hex("F5 B1 06 B7 01 23 56 04 2A");
    const Bytes ack = hex("EE BB");
    two.insert(two.end(), ack.begin(), ack.end());
    feed(two);
    ASSERT_EQ(log().size(), 1u);
    EXPECT_EQ(log()[0], "缓存长度K:C:L=7 7 5");
    // A body that arrives in parts is taken once all of it is there.
    model.diagnosticLog.clear();
    feed(hex("F5 B1 06 B7 01"));
    feed(hex("23 56"));
    EXPECT_TRUE(log().empty());
    feed(hex("04 2A"));
    EXPECT_EQ(log().at(0), "缓存长度K:C:L=5 5 5");
}

TEST_F(ReceiverTest, ModeNamesFollowTheLastRequest) {
    feed(Frame(kModeNameAddress, {'L', 'o', 's', 't'}));
    for (const std::string& name : model.modeNames) {
        EXPECT_EQ(name, "");  // nothing asked yet
    }

    state.nameAskedLast = 4;
    Bytes long25;
    for (int i = 0; i < 25; ++i) {
        long25.push_back(static_cast<uint8_t>('A' + i));
    }
    long25[1] = 0x1D;
    long25[2] = 0x80;
    long25[3] = 0x1E;
    long25[4] = 0x7F;
    feed(buildFrame(kReadCommand, kModeNameAddress, long25));
    EXPECT_EQ(model.modeNames[4],
              "A??\x1E\x7F"
              "FGHIJKLMNOPQRST");

    state.nameAskedLast = 200;  // not a mode: nothing is written
    feed(Frame(kModeNameAddress, {'X'}));
    EXPECT_EQ(model.modeNames[4].size(), 20u);
}

TEST_F(ReceiverTest, PasswordsIdentityAndSystemValues) {
    feed(buildFrame(kWriteCommand, kSystemPasswordAddress, hex("31 32 33 34 35 36")));
    feed(buildFrame(kReadCommand, kPanelPasswordAddress, hex("39 38 37 36")));
    feed(Frame(kIdentityAddress, {0x12, 0xAB, 0x00, 0x7F}));
    feed(Frame(0x1E02, {5, 0}));
    feed(Frame(0x1E14, {3, 1}));
    EXPECT_EQ(model.systemPassword, "123456");
    EXPECT_EQ(model.panelPassword, "9876");
    EXPECT_EQ(model.deviceIdentity, "12AB007F");
    EXPECT_EQ(model.param(30, 2), 5);
    EXPECT_EQ(model.param(30, 20), 0x0103);
}

TEST_F(ReceiverTest, ReservedAndUnusedSystemSlotsChangeNothing) {
    const Store before = model.paramStore();
    for (int slot : {11, 12, 15, 16, 48, 49, 64 + 1, 164, 255}) {
        feed(Frame(makeAddress(30, slot), {9, 9}));
    }
    feed(Frame(0x1E03, {9}));  // one byte is not a value
    EXPECT_EQ(model.paramStore(), before);
    EXPECT_EQ(frames.size(), 10u);
}

TEST_F(ReceiverTest, HostileFramesStayInsideTheStores) {
    const Store before = model.paramStore();
    feed(Frame(makeAddress(31, 0), {1, 0}));
    feed(Frame(makeAddress(255, 255), {1, 0, 2, 0}));
    EXPECT_EQ(model.paramStore(), before);
    // Values past slot 164 are dropped; those that fit are kept. An odd last byte is ignored.
    feed(Frame(makeAddress(5, 162), {1, 0, 2, 0, 3, 0, 4, 0, 5, 0, 6}));
    EXPECT_EQ(model.param(5, 162), 1);
    EXPECT_EQ(model.param(5, 164), 3);
    EXPECT_EQ(model.param(6, 0), before[6][0]);
    // The largest frame the length byte allows.
    Bytes big(kMaxPayload, 0x11);
    feed(buildFrame(kReadCommand, makeAddress(29, 40), big));
    EXPECT_EQ(model.param(29, 164), 0x1111);
    EXPECT_EQ(receiver.state(), RxState::kHunting);
}

TEST_F(ReceiverTest, ParseFrameRejectsBytesThatAreNotOneFrame) {
    const Bytes frame = hex("F5 B1 06 B7 01 23 56 04 2A");
    EXPECT_FALSE(ParseFrame(std::span(frame).first(8), model, state).complete);
    EXPECT_FALSE(ParseFrame(hex("F5 B1 03 B7 01 23"), model, state).complete);
    EXPECT_TRUE(ParseFrame(frame, model, state).checksumOk);
}

TEST_F(ReceiverTest, ResetDropsAHalfReceivedUnit) {
    feed(hex("F5 B1 06 B7 01"));
    EXPECT_EQ(receiver.state(), RxState::kBody);
    receiver.reset();
    feed(hex("23 56 04 2A"));
    EXPECT_TRUE(frames.empty());
    EXPECT_EQ(receiver.buffered(), 0);
}

TEST_F(ReceiverTest, ReadsEverythingTheDataEventAnnounces) {
    FakePort port;
    port.setDataReceived([&](int) { receiver.readFrom(port); });
    port.arrive(hex("EE AA F5 B1 06 B7 01"));
    port.arrive(hex("23 56 04 2A"));
    EXPECT_EQ(port.bytesWaiting(), 0);
    EXPECT_TRUE(state.ready);
    EXPECT_EQ(frames.size(), 1u);
}

}  // namespace
}  // namespace aec::test
