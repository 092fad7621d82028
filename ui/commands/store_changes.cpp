#include "ui/commands/store_changes.h"

#include "core/music_mode.h"

namespace aec {

void applyChanges(Model& model, ParameterSink& sink, ViewHost& host,
                  const std::vector<StoreChange>& changes, ChangeSide side) {
    const auto value = [side](const StoreChange& c) {
        return side == ChangeSide::kBefore ? c.before : c.after;
    };
    for (const StoreChange& c : changes) {
        model.setParam(pageOf(c.address), slotOf(c.address), value(c));
    }
    followStoredMusicMode(model);
    model.SyncView();
    host.refreshControls(kAllPages);
    host.showCurrentView();
    for (const StoreChange& c : changes) {
        sink.SendDeviceValuePaced(c.address, value(c));
    }
    model.history.settle(model.paramStore());
}

}  // namespace aec
