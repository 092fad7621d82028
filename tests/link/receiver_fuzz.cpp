// Fuzz target: arbitrary bytes from the line, in arbitrary chunks, into the receiver, and
// arbitrary byte strings straight into ParseFrame. Nothing may write outside the stores.
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/model.h"
#include "link/parse_frame.h"
#include "link/receiver.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) {
        return 0;
    }
    // The first byte picks the chunk size, the second the mode name asked for last.
    const size_t chunk = data[0] % 64 + 1;
    aec::Model model;
    aec::LinkState state;
    state.nameAskedLast = static_cast<int>(data[1]) - 128;  // also negative and past 21
    aec::Receiver receiver(model, state);
    const std::span<const uint8_t> line(data + 2, size - 2);
    for (size_t pos = 0; pos < line.size(); pos += chunk) {
        receiver.feed(line.subspan(pos, std::min(chunk, line.size() - pos)));
    }
    aec::ParseFrame(line, model, state);
    return 0;
}
