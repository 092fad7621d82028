#pragma once
// The automatic backups of the processor's settings, taken on line before a preset load, a mode
// save or a restore replaces them. A backup that cannot be written is reported, and the user
// decides whether the step goes on without it.

#include <filesystem>
#include <string_view>

#include "core/model.h"
#include "link/link_state.h"
#include "ui/widgets/message_service.h"

namespace aec {

class SettingsBackups {
  public:
    SettingsBackups(Model& model, const LinkState& link, MessageService& messages)
        : m_model(model), m_link(link), m_messages(messages) {}

    // Where the backups go; an empty folder takes none.
    void setFolder(const std::filesystem::path& folder) { m_folder = folder; }
    const std::filesystem::path& folder() const { return m_folder; }

    // On line, writes the settings the editor mirrors under the action's name. False only when
    // that failed and the user chose to stop.
    bool beforeReplacing(std::string_view action);

  private:
    Model& m_model;
    const LinkState& m_link;
    MessageService& m_messages;
    std::filesystem::path m_folder;
};

}  // namespace aec
