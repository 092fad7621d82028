#include "core/model.h"

namespace aec {

namespace {

// Low-pass frequency slots that start at index 360 (20200 Hz).
void SetLowPassStartValues(Store& store) {
    constexpr int kTop = 360;
    store[0][7] = kTop;
    for (int page : {2, 3, 4, 24}) {
        store[page][12] = kTop;
    }
    store[5][9] = kTop;
    for (int page = 6; page <= 23; ++page) {
        store[page][19] = kTop;
    }
}

// Left page of the music mode's Main or Surround output, else the selected output page.
int LimiterPage(int curOutputPage, int musicMode) {
    if (curOutputPage >= 6 && curOutputPage <= 11) {
        return 6 + musicMode;
    }
    if (curOutputPage >= 12 && curOutputPage <= 17) {
        return 12 + musicMode;
    }
    return curOutputPage;
}

}  // namespace

Model::Model() { SetLowPassStartValues(paramStore); }

int32_t Model::param(int page, int slot) const {
    return IsValidCell(page, slot) ? paramStore[page][slot] : 0;
}

void Model::setParam(int page, int slot, int32_t value) {
    if (IsValidCell(page, slot)) {
        paramStore[page][slot] = value;
    }
}

int32_t Model::view(int page, int slot) const {
    return IsValidCell(page, slot) ? viewStore[page][slot] : 0;
}

void Model::setView(int page, int slot, int32_t value) {
    if (IsValidCell(page, slot)) {
        viewStore[page][slot] = value;
    }
}

int Model::QSlotOf(int a) const {
    const BandRef ref = BandOf(a);
    if (ref.subSlot != 3 && ref.subSlot != 4) {
        return a;
    }
    const int modeSlot = a - ref.subSlot;
    return view(PageOf(modeSlot), SlotOf(modeSlot)) < 2 ? modeSlot + 3 : modeSlot + 4;
}

int Model::ResolveAddress(int a) const {
    const Selection& sel = selection;
    const int page = PageOf(a);
    const int slot = SlotOf(a);
    int target = page;
    if (page == 2 || page == 3) {
        target = slot == 13 ? page : sel.curMicPage;
    } else if (page == 4 || page == 24) {
        target = sel.curEffectPage == 5 ? page : sel.curEffectPage;
    } else if (page >= 6 && page <= 23) {
        const int mode = sel.musicMode;
        if (slot >= 12 && slot <= 15) {
            target = LimiterPage(sel.curOutputPage, mode);
        } else if (slot == 10 || slot == 11) {
            if (page == 7 || page == 8) {
                target = 6 + mode;
            } else if (page >= 9 && page <= 11) {
                target = 9 + mode;
            } else if (page >= 12 && page <= 14) {
                target = 12 + mode;
            } else if (page >= 15 && page <= 17) {
                target = 15 + mode;
            } else {
                target = LimiterPage(sel.curOutputPage, mode);
            }
        } else {
            target = sel.curOutputPage;
        }
    } else if (page >= 25 && page <= 27) {
        target = sel.curHintPage;
    }
    return MakeAddress(target, slot);
}

int Model::ChannelSlot(int page, int slot) const {
    if (page == 0 && selection.musicPairState == kPairRight && slot >= 10 && slot <= 84) {
        return slot + 75;
    }
    if (page == 1 && selection.deqPairState == kPairRight && slot >= 1 && slot <= 30) {
        return slot + 30;
    }
    return slot;
}

int Model::DeviceAddress(int a) const {
    return MakeAddress(PageOf(ResolveAddress(a)), ChannelSlot(PageOf(a), SlotOf(a)));
}

void Model::StoreValue(int a, int value) {
    setView(PageOf(a), SlotOf(a), value);
    const int d = DeviceAddress(a);
    setParam(PageOf(d), SlotOf(d), value);
}

void Model::SyncView() {
    for (int b : kBasePages) {
        const int count = PageSlotCount(b);
        for (int s = 0; s < count; ++s) {
            const int d = ResolveAddress(MakeAddress(b, s));
            viewStore[b][s] = param(PageOf(d), ChannelSlot(b, s));
        }
    }
    // Right-channel delay and mute of the selected Main and Surround music mode.
    const int mode = selection.musicMode;
    for (int right : {9, 15}) {
        viewStore[right][10] = param(right + mode, 10);
        viewStore[right][11] = param(right + mode, 11);
    }
}

void Model::resetBandsOfPage(int q, bool send) {
    const int kind = PageKind(MakeAddress(q, 0));
    for (int b = 0; b < PageBands(q); ++b) {
        for (int s = 0; s < 5; ++s) {
            const int slot = BandSlot(FirstEqSlot(q), b, s);
            const int value = BandDefault(kind, b, s);
            setParam(q, ChannelSlot(q, slot), value);
            setView(q, slot, value);
            if (send) {
                hooks().SetParameterPaced(MakeAddress(q, slot), value);
            }
        }
    }
}

void Model::ResetEqBands(int p) {
    const bool all = p == kAllPages;
    int target = p;
    switch (p) {
        case 4:
            target = selection.curEffectPage;
            break;
        case 2:
            target = selection.curMicPage;
            break;
        case 6:
            target = selection.curOutputPage;
            break;
        case 25:
            target = selection.curHintPage;
            break;
        default:
            break;
    }
    for (int q = 0; q <= 27; ++q) {
        if (all || q == target) {
            resetBandsOfPage(q, !all);
        }
    }
    if (all) {
        // The right music EQ gets its defaults through the right-side slot mapping.
        selection.musicPairState = kPairRight;
        for (int b = 0; b < PageBands(0); ++b) {
            for (int s = 0; s < 5; ++s) {
                const int slot = BandSlot(FirstEqSlot(0), b, s);
                setParam(0, ChannelSlot(0, slot), BandDefault(0, b, s));
            }
        }
        selection.musicPairState = kPairLeft;
    }
    hooks().RefreshControls(all ? kAllPages : target);
}

void Model::CopyLeftToRight(int b) {
    const int viewPage = selection.currentView / 256;
    if (b == kPageMusic) {
        for (int s = 10; s <= 84; ++s) {
            paramStore[0][s + 75] = paramStore[0][s];
        }
    } else if (viewPage == kPageDynamicEq) {
        for (int s = 1; s <= 30; ++s) {
            paramStore[1][s + 30] = paramStore[1][s];
        }
    } else if (viewPage == kPageMicA) {
        for (int s = 15; s <= 114; ++s) {
            paramStore[3][s] = paramStore[2][s];
        }
    } else if (selection.currentTab == kTabMain || selection.currentTab == kTabSurround) {
        const int left = selection.currentTab == kTabMain ? 6 : 12;
        for (int s = 0; s <= 69; ++s) {
            for (int mode = 0; mode < 3; ++mode) {
                paramStore[left + 3 + mode][s] = paramStore[left + mode][s];
            }
        }
    }
}

}  // namespace aec
