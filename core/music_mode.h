#pragma once
// The music mode (sing, disco, decode) as the Music page stores it, which the selection mirrors.

#include <algorithm>

#include "core/model.h"

namespace aec {

inline constexpr int kMusicModeSlot = 161;
inline constexpr int kMaxMusicMode = 2;

// The selection's music mode taken from the store, after a load or an undo replaced it.
inline void followStoredMusicMode(Model& model) {
    model.selection.musicMode =
        std::clamp(model.param(kPageMusic, kMusicModeSlot), 0, kMaxMusicMode);
}

}  // namespace aec
