#include "ui/rules/filter_bands.h"

#include <array>

#include "core/pages.h"
#include "core/value_names.h"

namespace aec {

namespace {

constexpr int kSubSlots = 5;
constexpr int kDynamicGainMin = 60;  // -12 dB: the Dynamic EQ bands' lower gain limit
constexpr int kGainMax = 180;

// Channel names of an Equalizer APO "Channel:" line that mean the device page.
std::vector<std::string> apoChannels(const Model& model, int devicePage) {
    static const std::array<std::vector<std::string>, 6> kOutputs = {{
        {"L", "1"},
        {"R", "2"},
        {"SL", "RL"},
        {"SR", "RR"},
        {"C", "3"},
        {"SUB", "LFE", "4"},
    }};
    if (devicePage == kPageMusic) {
        return model.selection.musicPairState == kPairRight ? std::vector<std::string>{"R", "2"}
                                                            : std::vector<std::string>{"L", "1"};
    }
    if (devicePage == kPageDynamicEq) {
        return {"L", "1"};
    }
    if (devicePage >= kPageMain && devicePage <= kPageLastOutput) {
        return kOutputs[static_cast<std::size_t>((devicePage - kPageMain) / kMusicModes)];
    }
    return {};
}

int valueAt(const BandValues& v, int subSlot) {
    const std::array<int, kSubSlots> values = {v.mode, v.freq, v.gain, v.q, v.shelfQ};
    return values[static_cast<std::size_t>(subSlot)];
}

}  // namespace

std::optional<FilterBands> filterBandsOnShow(const Model& model) {
    const int basePage = pageOf(model.selection.currentView);
    const int bands = pageBands(basePage);
    if (basePage < 0 || basePage >= kPageCount || bands == 0) {
        return std::nullopt;
    }
    const int first = firstEqSlot(basePage);
    const int firstAddress = makeAddress(basePage, BandSlot(first, 0, 0));
    const int devicePage = pageOf(model.deviceAddress(firstAddress));
    const KindOfPage kind = PageKind(makeAddress(devicePage, 0));
    FilterBands out;
    out.basePage = basePage;
    for (int b = 0; b < bands; ++b) {
        BandValues now;
        BandValues defaults;
        int* fields[] = {&now.mode, &now.freq, &now.gain, &now.q, &now.shelfQ};
        int* defaultFields[] = {&defaults.mode, &defaults.freq, &defaults.gain, &defaults.q,
                                &defaults.shelfQ};
        for (int s = 0; s < kSubSlots; ++s) {
            *fields[s] = model.view(basePage, BandSlot(first, b, s));
            *defaultFields[s] = bandDefault(kind, b, s);
        }
        out.current.push_back(now);
        out.target.defaults.push_back(defaults);
    }
    out.target.gainMin = basePage == kPageDynamicEq ? kDynamicGainMin : 0;
    out.target.gainMax = kGainMax;
    out.target.channels = apoChannels(model, devicePage);
    const int device = model.deviceAddress(firstAddress);
    out.title = nameValue(pageOf(device), slotOf(device), 0, 0).channel;
    out.channel = nameValue(pageOf(device), slotOf(device), 0, model.languageFlag()).channel;
    return out;
}

void writePlannedBands(int basePage, const std::vector<PlannedBand>& bands, ParameterSink& sink) {
    const int first = firstEqSlot(basePage);
    for (const PlannedBand& band : bands) {
        for (int s = 0; s < kSubSlots; ++s) {
            sink.SetParameterPaced(makeAddress(basePage, BandSlot(first, band.band, s)),
                                   valueAt(band.values, s));
        }
    }
}

}  // namespace aec
