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
#include "link/link_texts.h"

namespace aec {

// How a mode command ended.
enum class CommandOutcome {
    kGiven,         // the frame went out; the link waits for the processor's answer
    kDeclined,      // the user answered No
    kOffLine,       // refused with a message: there is no link to give it on
    kNotAUserMode,  // a save aimed at a factory mode or at no mode
    kWriteFailed,   // the frame could not be written; a message says so, nothing changed
};

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
    // the editor reads everything back once it has. Off line it is refused before the question.
    CommandOutcome loadMode(int index, std::string_view itemText);
    // The mode a save goes to: factory modes are never overwritten, user mode 1 is taken
    // instead. Nothing (and the refusal message) when the user is not a manager.
    std::optional<int> saveModeTarget(int selectedIndex);
    // Asks to save the current settings as user mode `index` under `name`; on Yes the record
    // goes out, the name table takes the name and the link waits for the processor's
    // acknowledgement. Off line it is refused before the question.
    CommandOutcome saveMode(int index, std::string_view name);
    // A two-button switch or an input box: the value goes to the processor.
    void setSystemValue(int address, int value) { m_sink.SetParameter(address, value); }
    // New passwords accepted by the system page; they go out at once, on line or not. The
    // stored password changes only when the frame was written.
    PortError sendSystemPassword(std::string_view password);
    PortError sendPanelPassword(std::string_view password);

  private:
    // A message box of a device command: the text in the active language, captioned "Confirm".
    void refuse(const BilingualText& text);

    Model& m_model;
    LinkState& m_state;
    FrameSender& m_sender;
    ParameterSink& m_sink;
    LinkEvents& m_events;
    LinkMessages& m_messages;
};

}  // namespace aec
