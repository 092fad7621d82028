// Feeds arbitrary bytes to the WAV reader: it either refuses them with a reason and no samples,
// or gives samples no longer than the longest sound it accepts.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "eq/wav_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const aec::WavSound sound = aec::readWav(std::span(data, size));
    const bool refused = sound.error != aec::WavError::kNone;
    if (refused == !sound.samples.empty()) {
        std::abort();
    }
    // 8 kHz input is stretched six times: the output never exceeds six samples per input byte.
    if (sound.samples.size() > 6 * size + 6) {
        std::abort();
    }
    return 0;
}
