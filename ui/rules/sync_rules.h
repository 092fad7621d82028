#pragma once
// Small rules of control synchronisation that need no widgets.

#include <optional>

#include "core/model.h"

namespace aec {

// Scroll position of a band strip that shows `visible` bands so that band b is in view.
int scrollToShowBand(int position, int band, int visible);

// Address an EQ point label click reaches: its Tag, band number (caption) and Hint.
int pointLabelAddress(int tag, int bandNumber, int hint);

// Base page that holds the right delay and mute of the selected output page (9 for Main,
// 15 for Surround), or nothing for outputs without a right channel.
std::optional<int> rightChannelPage(int curOutputPage);

// The music mode from ParamStore page 0 slot 161 (0 when it is not a mode), as refreshes read it.
void readMusicMode(Model& model);
// Pair states from the stored link flags: a flag of 1 links, a linked state without it unlinks.
void readPairStates(Model& model);

// Number of bands the point labels of a page kind highlight (0 for kinds without labels).
int highlightBandCount(KindOfPage kind);

// One main volume bar moved by a key while the first system tab shows.
struct VolumeKeyStep {
    int bar;    // 0 music, 1 microphone, 2 effect
    int delta;  // +1 or -1
};
// Q/A music, W/S microphone, E/D effect; upper and lower case alike.
std::optional<VolumeKeyStep> volumeKey(int key);

}  // namespace aec
