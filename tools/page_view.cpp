#include "tools/page_view.h"

#include "core/model.h"

namespace aec::tool {

int graphBasePage(int p) {
    if (p == kPageMusic || p == kPageDynamicEq || p == kPageReverb) {
        return p;
    }
    if (p == kPageMicA || p == kPageMicB) {
        return kPageMicA;
    }
    if (p == kPageEchoA || p == kPageEchoB) {
        return kPageEchoA;
    }
    if (p >= kPageMain && p <= 23) {
        return kPageMain;
    }
    if (p >= kPageHint && p <= kPageHintMicB) {
        return kPageHint;
    }
    return -1;
}

bool hasRightSet(int devicePage) {
    return devicePage == kPageMusic || devicePage == kPageDynamicEq;
}

int showDevicePage(Model& model, int devicePage, bool right) {
    const int base = graphBasePage(devicePage);
    if (base < 0) {
        return -1;
    }
    Selection& sel = model.selection;
    switch (base) {
        case kPageMusic:
            sel.musicPairState = right ? kPairRight : kPairLeft;
            break;
        case kPageDynamicEq:
            sel.deqPairState = right ? kPairRight : kPairLeft;
            break;
        case kPageMicA:
            sel.curMicPage = devicePage;
            break;
        case kPageEchoA:
            sel.curEffectPage = devicePage;
            break;
        case kPageReverb:
            sel.curEffectPage = kPageReverb;
            break;
        case kPageMain:
            sel.curOutputPage = devicePage;
            break;
        default:
            sel.curHintPage = devicePage;
            break;
    }
    // A refresh takes the music mode from the store; it picks the limiter and delay pages.
    const int mode = model.param(kPageMusic, 161);
    sel.musicMode = mode >= 0 && mode < 3 ? mode : 0;
    sel.currentView = base * 256;
    model.SyncView();
    return base;
}

}  // namespace aec::tool
