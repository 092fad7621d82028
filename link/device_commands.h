#pragma once
// The processor's own modes and system commands: the mode list texts, loading and saving a mode
// with their confirmations, and new passwords.

#include <optional>
#include <string>
#include <string_view>

#include "core/model.h"
#include "core/parameter_sink.h"
#include "link/connection_view.h"
#include "link/frame_sender.h"
#include "link/link_events.h"
#include "link/link_state.h"

namespace aec {

class DeviceCommands {
  public:
    DeviceCommands(Model& model, LinkState& state, FrameSender& sender, ParameterSink& sink,
                   LinkEvents& events, LinkMessages& messages)
        : m_model(model),
          m_state(state),
          m_sender(sender),
          m_sink(sink),
          m_events(events),
          m_messages(messages) {}

    // Asks to load the mode of list item `index`; on Yes the processor is told to load it and
    // the editor reads everything back once it has. True when the command was given.
    bool loadMode(int index, std::string_view itemText);
    // The mode a save goes to: factory modes are never overwritten, user mode 1 is taken
    // instead. Nothing (and the refusal message) when the user is not a manager.
    std::optional<int> saveModeTarget(int selectedIndex);
    // Asks to save the current settings as user mode `index` under `name`; on Yes the record
    // goes out and the link waits for the processor's acknowledgement.
    bool saveMode(int index, std::string_view name);
    // A two-button switch or an input box: the value goes to the processor.
    void setSystemValue(int address, int value) { m_sink.SetParameter(address, value); }
    // New passwords accepted by the system page; they go out at once, on line or not.
    void sendSystemPassword(std::string_view password);
    void sendPanelPassword(std::string_view password);

  private:
    Model& m_model;
    LinkState& m_state;
    FrameSender& m_sender;
    ParameterSink& m_sink;
    LinkEvents& m_events;
    LinkMessages& m_messages;
};

}  // namespace aec
