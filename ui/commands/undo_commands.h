#pragma once
// Undo and redo of the settings, and the A/B comparison of two settings. Both put values back
// through the stores, the controls, the graph and the processor.

#include <functional>

#include "core/model.h"
#include "core/parameter_sink.h"
#include "ui/commands/strip_commands.h"
#include "ui/widgets/message_service.h"

namespace aec {

class UndoCommands {
  public:
    UndoCommands(Model& model, ParameterSink& sink, ViewHost& host, MessageService& messages)
        : m_model(model), m_sink(sink), m_host(host), m_messages(messages) {}

    // Ctrl+Z: takes back the last step; with none left, says where the history starts.
    void UndoClick();
    // Ctrl+Shift+Z / Ctrl+Y: does the last undone step again.
    void RedoClick();
    // CompareBtnClick: switches between the A and B settings, sending only what differs.
    void CompareBtnClick();
    // CopyCompareBtnClick: the slot not in use becomes a copy of the one in use.
    void CopyCompareBtnClick();

    // The 10 ms graph tick: closes a step once the stores are quiet. `holding` while a
    // mouse button is down or a marker is dragged, so a whole drag is one step.
    void tick(bool holding);
    // The stores as they are now start the history (the window's first show).
    void restart();

    // Called after a switch or a copy changes what the A/B buttons should show.
    void setLooksChanged(std::function<void()> looksChanged) {
        m_looksChanged = std::move(looksChanged);
    }

  private:
    void looksChanged() const;

    Model& m_model;
    ParameterSink& m_sink;
    ViewHost& m_host;
    MessageService& m_messages;
    std::function<void()> m_looksChanged;
};

}  // namespace aec
