// The simulated processor answering the editor's own link classes, in process.
#include <gtest/gtest.h>

#include "core/model.h"
#include "link/frame.h"
#include "link/frame_sender.h"
#include "link/receiver.h"
#include "link/transmit_scheduler.h"
#include "sim/frame_description.h"
#include "sim/sim_processor.h"
#include "sim/sim_serial_port.h"
#include "tests/link/recording_events.h"

namespace aec::test {
namespace {

class SimTest : public ::testing::Test {
  protected:
    SimTest() {
        port.open();
        port.setDataReceived([this](int) { receiver.readFrom(port); });
        receiver.setFrameListener([this](const ParsedFrame& f) { frames.push_back(f); });
    }
    // Sends a page request and delivers the reply, optionally one byte per notification.
    void loadPage(int page, size_t chunk = 0) {
        sender.sendPageRequest(page);
        port.pump(chunk);
    }
    void expectPageMatches(int page) {
        for (int s = 0; s < pageSlotCount(page); ++s) {
            ASSERT_EQ(model.param(page, s), sim.value(page, s)) << page << ":" << s;
        }
    }

    SimProcessor sim;
    SimSerialPort port{sim};
    Model model;
    LinkState state;
    FrameSender sender{port};
    Receiver receiver{model, state};
    std::vector<ParsedFrame> frames;
};

TEST_F(SimTest, ProbeIsAcknowledgedAndTheIdentityFollows) {
    sender.SendLinkCode(kProbeCode);
    EXPECT_FALSE(state.deviceAnswered);  // nothing arrives before the line is pumped
    port.pump();
    EXPECT_TRUE(state.deviceAnswered);
    EXPECT_TRUE(state.ready);
    EXPECT_EQ(model.deviceIdentity, "AEC02026");
    state.ready = false;
    sender.SendLinkCode(kKeepAliveCode);
    EXPECT_EQ(port.pump(), 2);
    EXPECT_TRUE(state.ready);
}

TEST_F(SimTest, PageZeroComesInTwoFramesAndEveryPageArrivesWhole) {
    loadPage(0);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].address, 0x0000);
    EXPECT_EQ(frames[1].address, 0x0070);
    EXPECT_EQ(model.param(0, 7), 360);   // low-pass at 20200 Hz
    EXPECT_EQ(model.param(0, 12), 120);  // band gain 0.0 dB
    for (int page = 1; page < 30; ++page) {
        loadPage(page, page % 3 == 0 ? 1 : 0);
    }
    for (int page = 0; page < 30; ++page) {
        expectPageMatches(page);
    }
    EXPECT_EQ(frames.size(), 31u);
    for (const ParsedFrame& f : frames) {
        EXPECT_TRUE(f.checksumOk);
    }
}

TEST_F(SimTest, SystemValuesNamesAndPasswordsAnswerTheirRequests) {
    sim.state().memory[30][8] = 1;
    for (int address : {0x1E01, 0x1E02, 0x1E03, 0x1E04, 0x1E08, 0x1E07, 0x1E05}) {
        sender.sendValueRequest(address);
    }
    for (int i = 0; i < kModeCount; ++i) {
        sender.sendNameRequest(i, state);
    }
    // Names land where the last request points, so each reply is delivered before the next.
    port.pump();
    EXPECT_EQ(model.param(30, 8), 1);
    EXPECT_EQ(model.systemPassword, "123456");
    EXPECT_EQ(model.panelPassword, "1234");
    for (int i = 0; i < kModeCount; ++i) {
        sender.sendNameRequest(i, state);
        port.pump();
    }
    EXPECT_EQ(model.modeNames[0], "");
    EXPECT_EQ(model.modeNames[17], "Club");
    EXPECT_EQ(model.modeNames[21], "Flat");
}

TEST_F(SimTest, WritesAreStoredAndAcknowledged) {
    sender.SendValueFrame(kWriteCommand, 0x0203, 77);
    port.pump();
    EXPECT_EQ(sim.value(2, 3), 77);
    EXPECT_TRUE(state.ready);
    sender.SendTextFrame(kSystemPasswordAddress, "654321");
    sender.SendTextFrame(kPanelPasswordAddress, "4321");
    sender.sendValueRequest(kSystemPasswordAddress);
    sender.sendValueRequest(kPanelPasswordAddress);
    port.pump();
    EXPECT_EQ(model.systemPassword, "654321");
    EXPECT_EQ(model.panelPassword, "4321");
}

TEST_F(SimTest, SaveAndLoadModes) {
    sender.SendValueFrame(kWriteCommand, 0x0000, 33);
    const Bytes text = saveModeText(2, "Party");
    sender.SendTextFrame(kSaveModeAddress,
                         std::string_view(reinterpret_cast<const char*>(text.data()), text.size()));
    port.pump();
    EXPECT_EQ(sim.state().modes[2].name, "Party");
    EXPECT_EQ(sim.state().modes[2].pages[0][0], 33);

    sender.SendValueFrame(kWriteCommand, kLoadModeAddress, 17);  // MF2
    port.pump();
    EXPECT_EQ(sim.value(0, 0), 20);
    EXPECT_EQ(sim.value(30, 2), 17);
    sender.SendValueFrame(kWriteCommand, kLoadModeAddress, 2);
    port.pump();
    EXPECT_EQ(sim.value(0, 0), 33);

    // Factory modes are never overwritten.
    const Bytes factory = saveModeText(18, "Mine");
    sender.SendTextFrame(
        kSaveModeAddress,
        std::string_view(reinterpret_cast<const char*>(factory.data()), factory.size()));
    EXPECT_EQ(sim.state().modes[18].name, "Cinema");
}

TEST_F(SimTest, PageUploadsFillTheProcessorsMemory) {
    for (int page = 0; page < 30; ++page) {
        for (int s = 0; s < kSlotCount; ++s) {
            model.setParam(page, s, (page * 7 + s) % 300);
        }
    }
    int acks = 0;
    for (int page = 0; page < 30; ++page) {
        ASSERT_EQ(sender.sendPageUpload(model, page), PortError::kNone);
        state.ready = false;
        port.pump();
        acks += state.ready ? 1 : 0;
    }
    EXPECT_EQ(acks, 30);
    for (int page = 0; page < 30; ++page) {
        expectPageMatches(page);
    }
    EXPECT_EQ(sim.value(0, 164), 0);  // not part of a page transfer
}

TEST_F(SimTest, FaultsStarveTheEditor) {
    sim.faults().dropAckOfFrames = {2};
    for (int frame = 1; frame <= 3; ++frame) {
        state.ready = false;
        sender.SendValueFrame(kWriteCommand, frame, frame);
        port.pump();
        EXPECT_EQ(state.ready, frame != 2) << frame;
        EXPECT_EQ(sim.value(0, frame), frame) << frame;
    }

    sim.faults() = {};
    sim.faults().dropAcks = true;
    state.ready = false;
    sender.SendValueFrame(kWriteCommand, 0x0001, 5);
    port.pump();
    EXPECT_FALSE(state.ready);
    EXPECT_EQ(sim.value(0, 1), 5);

    sim.faults() = {};
    sim.faults().corruptChecksums = true;
    state.replyStatus = ReplyStatus::kWaiting;
    loadPage(4);
    EXPECT_EQ(state.replyStatus, ReplyStatus::kWaiting);  // dropped: the request is unanswered
    EXPECT_NE(sim.value(4, 0), 0);
    EXPECT_EQ(model.param(4, 0), 0);
    EXPECT_EQ(model.diagnosticLog.lines().size(), 4u);  // body line + three mismatch lines

    sim.faults() = {};
    sim.faults().stopAfterFrames = sim.framesReceived();
    sender.SendLinkCode(kProbeCode);
    EXPECT_EQ(port.pump(), 0);
}

TEST_F(SimTest, EditorFramesWithBadChecksumsAreDropped) {
    const int before = sim.value(0, 1);
    Bytes frame = buildValueFrame(kWriteCommand, 0x0001, 9);
    frame.back() ^= 1;
    const Bytes noise = {0x00, 0xF5, 0x13};
    port.write(noise);
    port.write(frame);
    EXPECT_EQ(port.pump(), 0);
    EXPECT_EQ(sim.badChecksums(), 1);
    EXPECT_EQ(sim.value(0, 1), before);
}

TEST_F(SimTest, AClosedPortOrAnotherPortHearsNothing) {
    port.setDeviceName("/dev/ttyUSB1");
    port.setPortName("/dev/ttyUSB0");
    sender.SendLinkCode(kProbeCode);
    EXPECT_EQ(port.pump(), 0);
    port.close();
    port.setPortName("/dev/ttyUSB1");
    sender.SendLinkCode(kProbeCode);
    EXPECT_TRUE(port.writes().size() == 1u);
    ASSERT_EQ(port.open(), PortError::kNone);
    sender.SendLinkCode(kProbeCode);
    port.pump();
    EXPECT_TRUE(state.deviceAnswered);
    port.setPortName("");
    port.close();
    EXPECT_EQ(port.open(), PortError::kNotFound);
}

TEST_F(SimTest, AnOnLineLinkStaysUpWhileTheProcessorAnswers) {
    RecordingEvents events;
    TransmitScheduler scheduler(model, state, sender, events);
    state.link = LinkStatus::kOnLine;
    state.ready = true;
    scheduler.startHoldTimer();
    for (int tick = 0; tick < 50 * 20; ++tick) {
        if (tick % 7 == 0) {
            scheduler.SetParameter(0x000C, tick % 181);
        }
        scheduler.HoldTimerTimer();
        port.pump();
    }
    EXPECT_TRUE(state.holdTimerEnabled);
    EXPECT_EQ(sim.value(0, 12), model.param(0, 12));
}

TEST(SimState, SurvivesItsTextForm) {
    SimState state = defaultSimState();
    state.modes[3].name = "Two words";
    state.modes[4].name = "\x01odd";
    state.memory[30][2] = 7;
    state.systemPassword = "000000";
    const auto back = parseState(serializeState(state));
    ASSERT_TRUE(back.has_value());
    EXPECT_TRUE(*back == state);
    std::string text = serializeState(state);
    EXPECT_FALSE(parseState(text.substr(0, text.size() / 2)).has_value());
    EXPECT_FALSE(parseState("something else").has_value());
    text.replace(text.find("memory 0 ") + 9, 2, "-5");
    EXPECT_FALSE(parseState(text).has_value());
}

TEST(FrameDescription, ReadsLikeTheProtocol) {
    EXPECT_EQ(logLine("in", buildValueFrame(kWriteCommand, kLinkControlAddress, kProbeCode)),
              "in  F5 B1 06 B7 1E 30 11 00 0B  write probe");
    EXPECT_EQ(describeUnit(Bytes{0xEE, 0xBB}), "ack BB");
    EXPECT_EQ(describeUnit(buildValueFrame(kReadCommand, kPageRequestAddress, 3)), "read page 3");
    EXPECT_EQ(describeUnit(buildValueFrame(kWriteCommand, 0x0123, 0x0456)), "write 0x0123 = 1110");
    const Bytes name = {'C', 'l', 'u', 'b'};
    EXPECT_EQ(describeUnit(buildFrame(kReadCommand, kModeNameAddress, name)),
              "read mode name 'Club'");
    EXPECT_EQ(describeUnit(buildFrame(kReadCommand, kSystemPasswordAddress, {})),
              "read system password (request)");
}

}  // namespace
}  // namespace aec::test
