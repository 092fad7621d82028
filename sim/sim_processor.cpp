#include "sim/sim_processor.h"

#include <algorithm>

#include "core/pages.h"

namespace aec {

namespace {

constexpr int kHeaderSize = 4;

int wordAt(std::span<const uint8_t> payload, size_t index) {
    return payload[index] | (payload[index + 1] << 8);
}

std::span<const uint8_t> textBytes(const std::string& text) {
    return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

bool plausibleHeader(std::span<const uint8_t> rx) {
    return rx[1] == kSecondByte && rx[2] >= kMinLength &&
           (rx[3] == kWriteCommand || rx[3] == kReadCommand);
}

}  // namespace

SimProcessor::SimProcessor(SimState state) : m_state(std::move(state)) {}

int SimProcessor::value(int page, int slot) const {
    return isValidCell(page, slot) ? m_state.memory[page][slot] : 0;
}

Bytes SimProcessor::feed(std::span<const uint8_t> bytes) {
    m_rx.insert(m_rx.end(), bytes.begin(), bytes.end());
    Bytes out;
    takeFrames(out);
    return out;
}

// Frames are found by their start and header; anything else on the line is skipped.
void SimProcessor::takeFrames(Bytes& out) {
    size_t pos = 0;
    while (true) {
        const auto start =
            std::find(m_rx.begin() + static_cast<ptrdiff_t>(pos), m_rx.end(), kStartByte);
        pos = static_cast<size_t>(start - m_rx.begin());
        if (m_rx.size() - pos < kHeaderSize) {
            break;
        }
        const std::span<const uint8_t> rest(m_rx.data() + pos, m_rx.size() - pos);
        if (!plausibleHeader(rest)) {
            ++pos;
            continue;
        }
        const size_t size = rest[2] + 3u;
        if (rest.size() < size) {
            break;
        }
        handleFrame(rest.first(size), out);
        pos += size;
    }
    m_rx.erase(m_rx.begin(), m_rx.begin() + static_cast<ptrdiff_t>(pos));
}

void SimProcessor::handleFrame(std::span<const uint8_t> frame, Bytes& out) {
    if (m_logger) {
        m_logger("in", frame);
    }
    ++m_framesReceived;
    if (frameChecksum(frame) != frame.back()) {
        ++m_badChecksums;
        return;
    }
    if (m_faults.stopAfterFrames >= 0 && m_framesReceived > m_faults.stopAfterFrames) {
        return;
    }
    const int address = makeAddress(frame[4], frame[5]);
    const std::span<const uint8_t> payload = frame.subspan(6, frame.size() - 7);
    const std::vector<int>& ignored = m_faults.ignoreWriteOfFrames;
    if (frame[3] == kWriteCommand &&
        std::find(ignored.begin(), ignored.end(), m_framesReceived) != ignored.end()) {
        sendAck(out);
        return;
    }
    if (frame[3] == kWriteCommand) {
        handleWrite(address, payload, out);
    } else {
        handleRead(address, payload, out);
    }
}

void SimProcessor::handleWrite(int address, std::span<const uint8_t> payload, Bytes& out) {
    const int page = pageOf(address);
    const int slot = slotOf(address);
    switch (address) {
        case kLinkControlAddress: {
            // Probe, keep-alive and disconnect are all acknowledged; the probe also gets the
            // identity.
            sendAck(out);
            if (!payload.empty() && payload[0] == kProbeCode) {
                SendFrame(kWriteCommand, kIdentityAddress, m_identity, out);
            }
            return;
        }
        case kLoadModeAddress:
            if (payload.size() >= 2) {
                loadMode(wordAt(payload, 0));
            }
            break;
        case kSaveModeAddress:
            saveMode(payload);
            break;
        case kPanelPasswordAddress:
            m_state.panelPassword.assign(payload.begin(), payload.end());
            ++m_changes;
            break;
        case kSystemPasswordAddress:
            m_state.systemPassword.assign(payload.begin(), payload.end());
            ++m_changes;
            break;
        case kPageUploadAddress:
            if (payload.size() >= 2 && payload[0] < kPageSystem) {
                storeValues(payload[0], payload[1] / 2, payload.subspan(2));
            }
            break;
        default:
            storeValues(page, slot, payload);
            break;
    }
    sendAck(out);
}

void SimProcessor::handleRead(int address, std::span<const uint8_t> payload, Bytes& out) {
    const int page = pageOf(address);
    const int slot = slotOf(address);
    switch (address) {
        case kPageRequestAddress:
            if (payload.size() >= 2) {
                sendPage(wordAt(payload, 0), out);
            }
            return;
        case kModeNameAddress:
            if (!payload.empty() && payload[0] < kModeCount) {
                SendFrame(kReadCommand, address, textBytes(m_state.modes[payload[0]].name), out);
            }
            return;
        case kPanelPasswordAddress:
            SendFrame(kReadCommand, address, textBytes(m_state.panelPassword), out);
            return;
        case kSystemPasswordAddress:
            SendFrame(kReadCommand, address, textBytes(m_state.systemPassword), out);
            return;
        case kIdentityAddress:
            SendFrame(kReadCommand, address, m_identity, out);
            return;
        default:
            if (isValidCell(page, slot)) {
                const ByteSplit v = splitWord(value(page, slot));
                const std::array<uint8_t, 2> word = {v.low, v.high};
                SendFrame(kReadCommand, address, word, out);
            }
            return;
    }
}

void SimProcessor::storeValues(int page, int slot, std::span<const uint8_t> payload) {
    for (size_t i = 0; i + 1 < payload.size(); i += 2) {
        const int s = slot + static_cast<int>(i / 2);
        if (!isValidCell(page, s)) {
            break;
        }
        m_state.memory[page][s] = wordAt(payload, i);
    }
    ++m_changes;
}

void SimProcessor::loadMode(int index) {
    if (index < 0 || index >= kModeCount) {
        return;
    }
    for (int page = 0; page < kModePages; ++page) {
        m_state.memory[page] = m_state.modes[index].pages[page];
    }
    m_state.memory[kPageSystem][slotOf(kLoadModeAddress)] = index;
    ++m_changes;
}

// Record: mode index, 0x00, the name padded with spaces to 20 bytes. Factory modes are kept.
void SimProcessor::saveMode(std::span<const uint8_t> record) {
    if (record.size() < 2 || record[0] >= kUserModeCount) {
        return;
    }
    SimMode& mode = m_state.modes[record[0]];
    const auto name = record.subspan(2, std::min<size_t>(record.size() - 2, kModeNameLength));
    mode.name.assign(name.begin(), name.end());
    mode.name.erase(mode.name.find_last_not_of(' ') + 1);
    for (int page = 0; page < kModePages; ++page) {
        mode.pages[page] = m_state.memory[page];
    }
    ++m_changes;
}

// A page's values from slot 0; page 0 needs two frames (slots 0-111, then 112-163).
void SimProcessor::sendPage(int page, Bytes& out) {
    if (page < 0 || page >= kPageSystem) {
        return;
    }
    auto part = [&](int first, int end) {
        Bytes payload;
        payload.reserve(2 * static_cast<size_t>(end - first));
        for (int s = first; s < end; ++s) {
            const ByteSplit v = splitWord(m_state.memory[page][s]);
            payload.push_back(v.low);
            payload.push_back(v.high);
        }
        SendFrame(kReadCommand, makeAddress(page, first), payload, out);
    };
    for (const SlotRange range : pageFrameParts(page)) {
        part(range.first, range.end);
    }
}

void SimProcessor::SendFrame(uint8_t command, int address, std::span<const uint8_t> payload,
                             Bytes& out) {
    Bytes frame = buildFrame(command, address, payload);
    if (m_faults.corruptChecksums) {
        frame.back() ^= 0x5A;
    }
    emitUnit(frame, out);
}

void SimProcessor::sendAck(Bytes& out) {
    const std::vector<int>& dropped = m_faults.dropAckOfFrames;
    if (m_faults.dropAcks ||
        std::find(dropped.begin(), dropped.end(), m_framesReceived) != dropped.end()) {
        return;
    }
    const std::array<uint8_t, 2> ack = {kAckStartByte, kAckByteBB};
    emitUnit(ack, out);
}

void SimProcessor::emitUnit(std::span<const uint8_t> unit, Bytes& out) {
    if (m_logger) {
        m_logger("out", unit);
    }
    out.insert(out.end(), unit.begin(), unit.end());
}

}  // namespace aec
