#include "ui/commands/store_changes.h"

#include <algorithm>

namespace aec {

namespace {
constexpr int kMusicModeSlot = 161;  // the music mode, mirrored by the selection
constexpr int kMaxMusicMode = 2;
}  // namespace

void applyChanges(Model& model, ParameterSink& sink, ViewHost& host,
                  const std::vector<StoreChange>& changes, ChangeSide side) {
    const auto value = [side](const StoreChange& c) {
        return side == ChangeSide::kBefore ? c.before : c.after;
    };
    for (const StoreChange& c : changes) {
        model.setParam(pageOf(c.address), slotOf(c.address), value(c));
    }
    model.selection.musicMode =
        std::clamp(model.param(kPageMusic, kMusicModeSlot), 0, kMaxMusicMode);
    model.SyncView();
    host.refreshControls(kAllPages);
    host.showCurrentView();
    for (const StoreChange& c : changes) {
        sink.SendDeviceValuePaced(c.address, value(c));
    }
    model.history.settle(model.paramStore());
}

}  // namespace aec
