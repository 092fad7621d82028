#pragma once
// Applies one complete frame from the processor to the model.

#include <cstdint>
#include <span>
#include <string>

#include "core/model.h"
#include "link/link_state.h"

namespace aec {

struct ParsedFrame {
    // False when the bytes are not one complete frame (fewer than 7 bytes, or a length byte
    // that disagrees with the size); nothing is applied then.
    bool complete = false;
    bool checksumOk = false;
    int address = 0;
};

// Checks the checksum (a mismatch is logged and nothing applied) and stores what a sound
// frame carries: values of pages 0 to 29, or the system value, text or identity of
// a page-30 slot. Writes never reach outside the stores or the mode name table. With a page
// target, values of pages 0 to 29 go there instead of ParamStore (a read-back).
ParsedFrame ParseFrame(std::span<const uint8_t> frame, Model& model, const LinkState& state,
                       Store* pageTarget = nullptr);

// A received mode name: at most 20 bytes, 0x1E to 0x7F kept, every other byte shown as '?'.
std::string decodeModeName(std::span<const uint8_t> payload);
// Device identity: each of the first four bytes as two upper-case hex digits, no separators.
std::string decodeIdentity(std::span<const uint8_t> payload);

}  // namespace aec
