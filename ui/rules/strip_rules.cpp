#include "ui/rules/strip_rules.h"

#include "core/pages.h"
#include "ui/rules/tab_selector.h"

namespace aec {

namespace {

constexpr int kMusicLinkFlag = makeAddress(kPageMusic, 8);
constexpr int kDynamicEqLinkFlag = makeAddress(kPageDynamicEq, 0);
constexpr int kMicLinkFlag = makeAddress(kPageMicA, 13);
constexpr int kMainLinkFlag = makeAddress(kPageMusic, 162);
constexpr int kSurroundLinkFlag = makeAddress(kPageMusic, 163);

}  // namespace

std::optional<PairChoice> choosePair(Selection& sel, int s) {
    const int page = viewPage(sel.currentView);
    PairChoice choice;
    int* state = nullptr;
    if (page == kPageMusic) {
        choice.flagAddress = kMusicLinkFlag;
        state = &sel.musicPairState;
    } else if (page == kPageDynamicEq) {
        choice.flagAddress = kDynamicEqLinkFlag;
    } else if (page == kPageMicA) {
        choice.flagAddress = kMicLinkFlag;
        state = &sel.micPairState;
        choice.tab = s == kPairRight ? kTabMicB : kTabMicA;
    } else if (sel.currentTab == kTabMain) {
        choice.flagAddress = kMainLinkFlag;
        state = &sel.mainPairState;
    } else if (sel.currentTab == kTabSurround) {
        choice.flagAddress = kSurroundLinkFlag;
        state = &sel.surroundPairState;
    } else {
        return std::nullopt;
    }
    choice.flagValue = s == kPairLinked ? 1 : 0;
    choice.copy = s == kPairLinked || (state && *state == kPairLinked);
    if (state) {
        *state = s;
    }
    return choice;
}

std::optional<int> eqPassAddress(int page) {
    if (page == kPageDynamicEq || pageBands(page) == 0) {
        return std::nullopt;
    }
    return makeAddress(page, firstEqSlot(page) - 1);
}

}  // namespace aec
