#pragma once
// The editor's process-wide state: both value stores, the selection, the processor's texts.
// One Model is owned by the application and passed by reference to every subsystem.

#include <array>
#include <cstdint>
#include <string>

#include "core/compare_slots.h"
#include "core/diagnostic_log.h"
#include "core/edit_history.h"
#include "core/modes.h"
#include "core/offline_edits.h"
#include "core/pages.h"
#include "core/parameter_sink.h"
#include "core/scoped_state.h"
#include "core/selection.h"
#include "core/store.h"

namespace aec {

class Model {
  public:
    Model();

    Selection selection;

    std::array<std::string, kModeCount> modeNames;
    std::string panelPassword;
    std::string systemPassword;
    std::string deviceIdentity;
    DiagnosticLog diagnosticLog;
    // What was changed while off line, for the question asked after the next full load.
    OfflineEdits offlineEdits;
    // What a person changed, step by step, for undo and redo.
    EditHistory history;
    // The settings not in use of an A/B comparison.
    CompareSlots compare;

    // ParamStore: the processor's values by device address. ViewStore: what the controls show,
    // by base address. Reads outside the stores give 0, writes outside are ignored.
    const Store& paramStore() const { return m_paramStore; }
    const Store& viewStore() const { return m_viewStore; }
    int32_t param(int page, int slot) const;
    void setParam(int page, int slot, int32_t value);
    int32_t view(int page, int slot) const;
    void setView(int page, int slot, int32_t value);
    // Every ParamStore value set to one value (tests start from a known store).
    void fillParamStore(int32_t value);
    // A value the processor reported: stored, and part of the undo history's starting point.
    void setParamFromProcessor(int page, int slot, int32_t value) {
        setParam(page, slot, value);
        history.keep(page, slot, value);
    }

    // The language flag: 1 Chinese (every start), 0 English.
    int languageFlag() const { return m_languageFlag; }
    void setLanguageFlag(int flag) { m_languageFlag = flag; }

    // Raised while controls are filled from the stores: values are stored but never sent.
    bool refreshing() const { return m_refreshing.raised(); }
    [[nodiscard]] ScopedState::Scope beginRefresh() { return m_refreshing.raise(); }
    // Raised during bulk updates: graph redraws and last-edit records wait until it drops.
    bool redrawsSuspended() const { return m_redrawsSuspended.raised(); }
    [[nodiscard]] ScopedState::Scope suspendRedraws() { return m_redrawsSuspended.raise(); }

    // Raised while a graph point or a volume marker is dragged: the graph timer waits and
    // redraws leave the markers where the mouse put them.
    bool dragging() const { return m_dragging; }
    void setDragging(bool dragging) { m_dragging = dragging; }

    // Q slot (3) or shelf Q slot (4) of the band, by the band's current mode in ViewStore.
    int QSlotOf(int baseAddress) const;
    // Base address -> address on the device page of the current selection (slot unchanged).
    int ResolveAddress(int baseAddress) const;
    // Slot on the right music or Dynamic EQ set when that side is selected.
    int ChannelSlot(int page, int slot) const;
    // Device address of a base address: ResolveAddress's page, ChannelSlot's slot.
    int deviceAddress(int baseAddress) const;

    // Writes ViewStore at the base address and ParamStore at the device address.
    void StoreValue(int baseAddress, int value);
    // Rebuilds ViewStore from ParamStore under the current selection.
    void SyncView();
    // Writes band defaults: kAllPages = every page (nothing sent), else the base page of a
    // view, each value paced through `paced` when given. Returns the page to refresh.
    int ResetEqBands(int page, ParameterSink* paced = nullptr);
    // Copies the left block of the current block to its right channel, in ParamStore only;
    // each copied value is then sent paced by its device address through `paced` when given.
    void CopyLeftToRight(int basePage, ParameterSink* paced = nullptr);

  private:
    void resetBandsOfPage(int page, ParameterSink* paced);

    Store m_paramStore{};
    int m_languageFlag = 1;
    Store m_viewStore{};
    ScopedState m_refreshing;
    ScopedState m_redrawsSuspended;
    bool m_dragging = false;
};

}  // namespace aec
