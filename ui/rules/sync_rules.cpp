#include "ui/rules/sync_rules.h"

#include <cctype>

namespace aec {

int scrollToShowBand(int position, int band, int visible) {
    if (position + visible <= band) {
        return band - (visible - 1);
    }
    if (position > band) {
        return band;
    }
    return position;
}

int pointLabelAddress(int tag, int bandNumber, int hint) {
    return tag * 256 + (bandNumber - 1) * 5 + hint;
}

std::optional<int> rightChannelPage(int curOutputPage) {
    if (curOutputPage >= kPageMain && curOutputPage < kPageSurround) {
        return kPageMainRight;
    }
    if (curOutputPage >= kPageSurround && curOutputPage < kPageCenter) {
        return kPageSurroundRight;
    }
    return std::nullopt;
}

void readMusicMode(Model& model) {
    const int mode = model.param(kPageMusic, 161);
    model.selection.musicMode = (mode >= 0 && mode < 3) ? mode : 0;
}

void readPairStates(Model& model) {
    Selection& sel = model.selection;
    const auto follow = [](int& state, int flag) {
        if (flag == 1) {
            state = kPairLinked;
        } else if (state == kPairLinked) {
            state = kPairLeft;
        }
    };
    follow(sel.musicPairState, model.view(kPageMusic, 8));
    follow(sel.micPairState, model.view(kPageMicA, 13));
    follow(sel.mainPairState, model.view(kPageMusic, 162));
    follow(sel.surroundPairState, model.view(kPageMusic, 163));
}

int highlightBandCount(KindOfPage kind) {
    static constexpr int kBands[5] = {15, 20, 7, 10, 5};
    const int k = kindIndex(kind);
    return k < 5 ? kBands[k] : 0;
}

std::optional<VolumeKeyStep> volumeKey(int key) {
    if (key < 0 || key > 127) {
        return std::nullopt;
    }
    switch (std::toupper(key)) {
        case 'Q':
            return VolumeKeyStep{0, +1};
        case 'A':
            return VolumeKeyStep{0, -1};
        case 'W':
            return VolumeKeyStep{1, +1};
        case 'S':
            return VolumeKeyStep{1, -1};
        case 'E':
            return VolumeKeyStep{2, +1};
        case 'D':
            return VolumeKeyStep{2, -1};
        default:
            return std::nullopt;
    }
}

}  // namespace aec
