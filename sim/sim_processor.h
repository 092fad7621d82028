#pragma once
// The processor's side of the serial protocol: takes the editor's bytes, answers as a real
// box does (acknowledgements, pages, names, passwords, identity), loads and saves modes.

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

#include "link/frame.h"
#include "sim/sim_state.h"

namespace aec {

// Misbehaviour on demand, for tests of the editor's supervision.
struct SimFaults {
    // Stop answering once this many frames have arrived (negative: never).
    int stopAfterFrames = -1;
    // Apply writes but never acknowledge them.
    bool dropAcks = false;
    // Apply these frames (numbered from 1 in order of arrival) but withhold their
    // acknowledgements: a lost acknowledgement in an otherwise answering link.
    std::vector<int> dropAckOfFrames;
    // Acknowledge these frames (numbered as above) but do not apply them: a write that
    // reports success and does not take.
    std::vector<int> ignoreWriteOfFrames;
    // Send every frame with a wrong checksum.
    bool corruptChecksums = false;
};

class SimProcessor {
  public:
    // Receives each whole unit seen ("in") or sent ("out").
    using Logger = std::function<void(std::string_view direction, std::span<const uint8_t> unit)>;

    explicit SimProcessor(SimState state = defaultSimState());

    // Consumes bytes from the editor, in any chunking; returns the bytes to send back.
    Bytes feed(std::span<const uint8_t> bytes);

    SimState& state() { return m_state; }
    const SimState& state() const { return m_state; }
    SimFaults& faults() { return m_faults; }
    void setLogger(Logger logger) { m_logger = std::move(logger); }
    void setIdentity(std::array<uint8_t, 4> identity) { m_identity = identity; }

    int value(int page, int slot) const;
    // Frames taken so far, and those among them whose checksum was wrong (they are dropped).
    int framesReceived() const { return m_framesReceived; }
    int badChecksums() const { return m_badChecksums; }
    // Counts changes to the state, so a caller can tell when to persist it.
    uint64_t changeCount() const { return m_changes; }

  private:
    void takeFrames(Bytes& out);
    void handleFrame(std::span<const uint8_t> frame, Bytes& out);
    void handleWrite(int address, std::span<const uint8_t> payload, Bytes& out);
    void handleRead(int address, std::span<const uint8_t> payload, Bytes& out);
    void storeValues(int page, int slot, std::span<const uint8_t> payload);
    void loadMode(int index);
    void saveMode(std::span<const uint8_t> record);
    void sendPage(int page, Bytes& out);
    void SendFrame(uint8_t command, int address, std::span<const uint8_t> payload, Bytes& out);
    void sendAck(Bytes& out);
    void emitUnit(std::span<const uint8_t> unit, Bytes& out);

    SimState m_state;
    SimFaults m_faults;
    Logger m_logger;
    std::array<uint8_t, 4> m_identity = {0xAE, 0xC0, 0x20, 0x26};
    Bytes m_rx;
    int m_framesReceived = 0;
    int m_badChecksums = 0;
    uint64_t m_changes = 0;
};

}  // namespace aec
