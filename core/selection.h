#pragma once
// Which sub-page each shared group of controls shows.

namespace aec {

// Pair state of a left/right (or A/B) channel pair.
enum PairState : int { kPairLeft = 0, kPairLinked = 1, kPairRight = 2 };

// Tabs of the main window, in button order.
enum Tab : int {
    kTabMusic = 0,
    kTabDynamicEq = 1,
    kTabMicA = 2,
    kTabMicB = 3,
    kTabEffect = 4,
    kTabMain = 5,
    kTabSurround = 6,
    kTabCenter = 7,
    kTabSub = 8,
    kTabHint = 9,
};

struct Selection {
    int curMicPage = 2;     // 2 or 3
    int curEffectPage = 4;  // 4 Echo A, 24 Echo B, 5 Reverb
    int curOutputPage = 6;  // 6 .. 23
    int curHintPage = 25;   // 25, 26 or 27
    int musicMode = 0;      // 0 .. 2, mirrored at page 0 slot 161
    int musicPairState = kPairLeft;
    int deqPairState = kPairLeft;
    int micPairState = kPairLeft;
    int mainPairState = kPairLeft;
    int surroundPairState = kPairLeft;
    int currentTab = kTabMusic;
    int currentView = 0;  // base page in the high byte, sheet index in the low byte
    bool operator==(const Selection&) const = default;
};

}  // namespace aec
