#pragma once
// Which view a tab shows: the selection it sets and the texts and visibility of shared widgets.

#include <optional>
#include <string>

#include "core/selection.h"

namespace aec {

// Sheets of the page container, by index.
enum Sheet : int {
    kSheetMusic = 0,
    kSheetMic = 1,
    kSheetEffect = 2,
    kSheetOutput = 3,
    kSheetHint = 4,
    kSheetSub = 5,
    kSheetSurround = 6,
    kSheetSystem = 7,
    kSheetDynamicEq = 8,
};

inline constexpr int kTabCount = 10;

// A caption in both languages; empty texts clear the caption.
struct TextPair {
    std::string cn;
    std::string en;
    bool operator==(const TextPair&) const = default;
};

// CurrentView from a base page and a sheet.
constexpr int makeView(int page, int sheet) { return page * 256 + sheet; }
constexpr int viewPage(int view) { return view / 256; }
constexpr int viewSheet(int view) { return view % 256; }

// What the tab selector decides for one tab.
struct TabLayout {
    int currentView = 0;
    bool copyGroupShown = false;
    bool singleDiscoShown = false;
    // Pair button captions; set only where the pair group shows.
    std::optional<TextPair> leftButton;
    std::optional<TextPair> rightButton;
    // Output sheet texts; empty on tabs that do not show the output sheet.
    TextPair limiterTitle;
    TextPair crossoverTitle;
    TextPair leftMute;
    TextPair leftDelay;
    // Microphone group titles; set only for the two microphone tabs.
    std::optional<TextPair> micLimiterTitle;
    std::optional<TextPair> micNoiseTitle;
    // Right-channel delay and mute: shown for Main and Surround only.
    bool rightChannelShown = false;
    int leftMuteX = 631;
    // The pair and EQ-pass groups.
    bool commandGroupsEnabled = true;
    // The feedback finder: the microphone tabs only.
    bool feedbackShown = false;
};

// Left position of the left mute button with and without the right one beside it.
inline constexpr int kLeftMuteXPaired = 583;
inline constexpr int kLeftMuteXAlone = 631;
inline constexpr int kRightMuteX = 679;

// Runs the tab selector for tab c: updates the selection (current microphone and output page,
// microphone pair state) and returns the view and the shared widgets' texts and visibility.
// `manualFlag` is the manual output set-up flag, which unlocks the command groups on output tabs.
TabLayout selectTab(Selection& selection, int tab, bool manualFlag);

}  // namespace aec
