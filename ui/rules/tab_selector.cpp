#include "ui/rules/tab_selector.h"

#include "core/pages.h"

namespace aec {

namespace {

struct OutputTexts {
    TextPair left;
    TextPair right;
    TextPair limiter;
    TextPair crossover;
    TextPair mute;
    TextPair delay;
};

// Output tabs 5..8: Main, Surround, Center, Sub.
const OutputTexts kOutputTexts[4] = {
    {{"主左", "Main L"},
     {"主右", "Main R"},
     {"主输出压限", "Main Limit"},
     {"主输出分频", "Main LHF"},
     {"左静音", "L Mute"},
     {"左声道延时", "Left Delay"}},
    {{"环左", "SUR L"},
     {"环右", "SUR R"},
     {"环绕压限", "Surround Limit"},
     {"环绕分频", "Surround LHF"},
     {"左静音", "L Mute"},
     {"左声道延时", "Left Delay"}},
    {{},
     {},
     {"中置压限", "Center Limit"},
     {"中置分频", "Center LHF"},
     {"中置静音", "Cen Mute"},
     {"中置延时", "Center Delay"}},
    {{},
     {},
     {"超低压限", "SUB Limit"},
     {"超低分频", "SUB LHF"},
     {"超低静音", "SUB Mute"},
     {"超低延时", "SUB Delay"}},
};

// First output page of each output tab; the right pages follow three pages later.
constexpr int kOutputFirstPage[4] = {kPageMain, kPageSurround, kPageCenter, kPageSub};

void selectMicTab(Selection& sel, int tab, TabLayout& out) {
    out.currentView = makeView(kPageMicA, kSheetMic);
    if (tab == kTabMicA) {
        sel.curMicPage = kPageMicA;
        if (sel.micPairState != kPairLinked) {
            sel.micPairState = kPairLeft;
        }
    } else if (sel.micPairState == kPairLinked) {
        sel.curMicPage = kPageMicA;
    } else {
        sel.curMicPage = kPageMicB;
        sel.micPairState = kPairRight;
    }
    out.copyGroupShown = true;
    out.feedbackShown = true;
    out.leftButton = TextPair{"麦克A", "MIC A"};
    out.rightButton = TextPair{"麦克B", "MIC B"};
    if (tab == kTabMicA) {
        out.micLimiterTitle = TextPair{"麦克风A压限", "MiC A Limit"};
        out.micNoiseTitle = TextPair{"麦克风A 噪声门", "MICA Noise"};
    } else {
        out.micLimiterTitle = TextPair{"麦克风B压限", "MiC B Limit"};
        out.micNoiseTitle = TextPair{"麦克风B 噪声门", "MICB Noise"};
    }
}

void selectOutputTab(Selection& sel, int tab, TabLayout& out) {
    const int channel = tab - kTabMain;
    const OutputTexts& texts = kOutputTexts[channel];
    out.currentView = makeView(kPageMain, kSheetOutput);
    bool right = false;
    if (tab == kTabMain) {
        right = sel.mainPairState == kPairRight;
    }
    if (tab == kTabSurround) {
        right = sel.surroundPairState == kPairRight;
    }
    sel.curOutputPage = kOutputFirstPage[channel] + (right ? 3 : 0) + sel.musicMode;
    out.singleDiscoShown = true;
    out.limiterTitle = texts.limiter;
    out.crossoverTitle = texts.crossover;
    out.leftMute = texts.mute;
    out.leftDelay = texts.delay;
    if (tab == kTabMain || tab == kTabSurround) {
        out.copyGroupShown = true;
        out.leftButton = texts.left;
        out.rightButton = texts.right;
        out.rightChannelShown = true;
        out.leftMuteX = kLeftMuteXPaired;
    }
}

}  // namespace

TabLayout selectTab(Selection& sel, int tab, bool manualFlag) {
    TabLayout out;
    switch (tab) {
        case kTabMusic:
            out.currentView = makeView(kPageMusic, kSheetMusic);
            out.copyGroupShown = true;
            out.leftButton = TextPair{"音乐左", "Left"};
            out.rightButton = TextPair{"音乐右", "Right"};
            break;
        case kTabDynamicEq:
            out.currentView = makeView(kPageDynamicEq, kSheetDynamicEq);
            break;
        case kTabMicA:
        case kTabMicB:
            selectMicTab(sel, tab, out);
            break;
        case kTabEffect: {
            const int page = sel.curEffectPage == kPageEchoB ? kPageEchoA : sel.curEffectPage;
            out.currentView = makeView(page, kSheetEffect);
            break;
        }
        case kTabMain:
        case kTabSurround:
        case kTabCenter:
        case kTabSub:
            selectOutputTab(sel, tab, out);
            break;
        case kTabHint:
            out.currentView = makeView(kPageHint, kSheetHint);
            break;
        default:
            out.currentView = sel.currentView;
            break;
    }
    out.commandGroupsEnabled = tab <= kTabEffect || manualFlag;
    return out;
}

}  // namespace aec
