#include "core/model.h"

namespace aec {

namespace {

// Low-pass frequency slots that start at index 360 (20200 Hz).
void setLowPassStartValues(Store& store) {
    constexpr int kTop = 360;
    store[kPageMusic][7] = kTop;
    for (int page : {kPageMicA, kPageMicB, kPageEchoA, kPageEchoB}) {
        store[page][12] = kTop;
    }
    store[kPageReverb][9] = kTop;
    for (int page = kPageMain; page <= kPageLastOutput; ++page) {
        store[page][19] = kTop;
    }
}

constexpr int kMicLinkSlot = 13;  // the pair flag of the microphones, on either page
constexpr int kDelaySlot = 10;
constexpr int kMuteSlot = 11;
constexpr int kLimiterFirstSlot = 12;
constexpr int kLimiterLastSlot = 15;

// Left page of the music mode's Main or Surround output, else the selected output page.
int limiterPage(int curOutputPage, int musicMode) {
    if (curOutputPage >= kPageMain && curOutputPage < kPageSurround) {
        return kPageMain + musicMode;
    }
    if (curOutputPage >= kPageSurround && curOutputPage < kPageCenter) {
        return kPageSurround + musicMode;
    }
    return curOutputPage;
}

}  // namespace

Model::Model() { setLowPassStartValues(m_paramStore); }

int32_t Model::param(int page, int slot) const {
    return isValidCell(page, slot) ? m_paramStore[page][slot] : 0;
}

void Model::setParam(int page, int slot, int32_t value) {
    if (isValidCell(page, slot)) {
        m_paramStore[page][slot] = value;
    }
}

void Model::fillParamStore(int32_t value) {
    for (PageRow& row : m_paramStore) {
        row.fill(value);
    }
}

int32_t Model::view(int page, int slot) const {
    return isValidCell(page, slot) ? m_viewStore[page][slot] : 0;
}

void Model::setView(int page, int slot, int32_t value) {
    if (isValidCell(page, slot)) {
        m_viewStore[page][slot] = value;
    }
}

int Model::QSlotOf(int a) const {
    const BandRef ref = BandOf(a);
    if (ref.subSlot != 3 && ref.subSlot != 4) {
        return a;
    }
    const int modeSlot = a - ref.subSlot;
    return view(pageOf(modeSlot), slotOf(modeSlot)) < 2 ? modeSlot + 3 : modeSlot + 4;
}

int Model::ResolveAddress(int a) const {
    const Selection& sel = selection;
    const int page = pageOf(a);
    const int slot = slotOf(a);
    int target = page;
    if (page == kPageMicA || page == kPageMicB) {
        target = slot == kMicLinkSlot ? page : sel.curMicPage;
    } else if (page == kPageEchoA || page == kPageEchoB) {
        target = sel.curEffectPage == kPageReverb ? page : sel.curEffectPage;
    } else if (page >= kPageMain && page <= kPageLastOutput) {
        const int mode = sel.musicMode;
        // The first page of the set of music mode pages the page belongs to.
        const int set = kPageMain + (page - kPageMain) / kMusicModes * kMusicModes;
        if (slot >= kLimiterFirstSlot && slot <= kLimiterLastSlot) {
            target = limiterPage(sel.curOutputPage, mode);
        } else if (slot == kDelaySlot || slot == kMuteSlot) {
            // Every Main and Surround page but the base page keeps its own set's delay and
            // mute; the base page, Center and Sub follow the output on show.
            if (page != kPageMain && set < kPageCenter) {
                target = set + mode;
            } else {
                target = limiterPage(sel.curOutputPage, mode);
            }
        } else {
            target = sel.curOutputPage;
        }
    } else if (page >= kPageHint && page <= kPageHintMicB) {
        target = sel.curHintPage;
    }
    return makeAddress(target, slot);
}

int Model::ChannelSlot(int page, int slot) const {
    if (page == kPageMusic && selection.musicPairState == kPairRight && slot >= 10 && slot <= 84) {
        return slot + 75;
    }
    if (page == kPageDynamicEq && selection.deqPairState == kPairRight && slot >= 1 && slot <= 30) {
        return slot + 30;
    }
    return slot;
}

int Model::deviceAddress(int a) const {
    return makeAddress(pageOf(ResolveAddress(a)), ChannelSlot(pageOf(a), slotOf(a)));
}

void Model::StoreValue(int a, int value) {
    setView(pageOf(a), slotOf(a), value);
    const int d = deviceAddress(a);
    setParam(pageOf(d), slotOf(d), value);
}

void Model::SyncView() {
    for (int b : kBasePages) {
        const int count = shownSlotCount(b);
        for (int s = 0; s < count; ++s) {
            const int d = ResolveAddress(makeAddress(b, s));
            m_viewStore[b][s] = param(pageOf(d), ChannelSlot(b, s));
        }
    }
    // Right-channel delay and mute of the selected Main and Surround music mode.
    const int mode = selection.musicMode;
    for (int right : {9, 15}) {
        m_viewStore[right][10] = param(right + mode, 10);
        m_viewStore[right][11] = param(right + mode, 11);
    }
}

void Model::resetBandsOfPage(int q, ParameterSink* paced) {
    const KindOfPage kind = PageKind(makeAddress(q, 0));
    for (int b = 0; b < pageBands(q); ++b) {
        for (int s = 0; s < 5; ++s) {
            const int slot = BandSlot(firstEqSlot(q), b, s);
            const int value = bandDefault(kind, b, s);
            setParam(q, ChannelSlot(q, slot), value);
            setView(q, slot, value);
            if (paced) {
                paced->SetParameterPaced(makeAddress(q, slot), value);
            }
        }
    }
}

int Model::ResetEqBands(int p, ParameterSink* paced) {
    const bool all = p == kAllPages;
    int target = p;
    switch (p) {
        case kPageEchoA:
            target = selection.curEffectPage;
            break;
        case kPageMicA:
            target = selection.curMicPage;
            break;
        case kPageMain:
            target = selection.curOutputPage;
            break;
        case kPageHint:
            target = selection.curHintPage;
            break;
        default:
            break;
    }
    for (int q = kPageMusic; q <= kPageHintMicB; ++q) {
        if (all || q == target) {
            resetBandsOfPage(q, all ? nullptr : paced);
        }
    }
    if (all) {
        // The right music EQ gets its defaults through the right-side slot mapping.
        selection.musicPairState = kPairRight;
        for (int b = 0; b < pageBands(kPageMusic); ++b) {
            for (int s = 0; s < 5; ++s) {
                const int slot = BandSlot(firstEqSlot(kPageMusic), b, s);
                setParam(kPageMusic, ChannelSlot(kPageMusic, slot),
                         bandDefault(KindOfPage::kMusic, b, s));
            }
        }
        selection.musicPairState = kPairLeft;
    }
    return all ? kAllPages : target;
}

void Model::CopyLeftToRight(int b, ParameterSink* paced) {
    const int viewPage = selection.currentView / 256;
    const auto copy = [&](int fromPage, int fromSlot, int toPage, int toSlot) {
        const int32_t value = m_paramStore[fromPage][fromSlot];
        m_paramStore[toPage][toSlot] = value;
        if (paced) {
            paced->SendDeviceValuePaced(makeAddress(toPage, toSlot), value);
        }
    };
    if (b == kPageMusic) {
        for (int s = 10; s <= 84; ++s) {
            copy(kPageMusic, s, kPageMusic, s + 75);
        }
    } else if (viewPage == kPageDynamicEq) {
        for (int s = 1; s <= 30; ++s) {
            copy(kPageDynamicEq, s, kPageDynamicEq, s + 30);
        }
    } else if (viewPage == kPageMicA) {
        for (int s = 15; s <= 114; ++s) {
            copy(kPageMicA, s, kPageMicB, s);
        }
    } else if (selection.currentTab == kTabMain || selection.currentTab == kTabSurround) {
        const int left = selection.currentTab == kTabMain ? kPageMain : kPageSurround;
        for (int s = 0; s <= 69; ++s) {
            for (int mode = 0; mode < kMusicModes; ++mode) {
                copy(left + mode, s, left + kMusicModes + mode, s);
            }
        }
    }
}

}  // namespace aec
