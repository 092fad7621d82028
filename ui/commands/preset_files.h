#pragma once
// The PC preset files of the system column: the list of the files in the preset folder, the name
// box, saving the stores under a name and loading a file back into them.

#include <QObject>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/model.h"
#include "presets/preset_file.h"
#include "ui/commands/strip_commands.h"
#include "ui/sheets/sheets.h"
#include "ui/widgets/message_service.h"

namespace aec {

class PresetFiles : public QObject {
    Q_OBJECT
  public:
    PresetFiles(Model& model, const PresetParts& parts, ViewHost& view, MessageService& messages)
        : m_model(model), m_parts(parts), m_view(view), m_messages(messages) {}

    // The folder the files live in; chosen before the window is first shown.
    void setDirectory(const std::filesystem::path& directory) { m_directory = directory; }
    const std::filesystem::path& directory() const { return m_directory; }
    // Asked after a file checked sound and before it is applied; false stops the load.
    void setBeforeApply(std::function<bool()> before) { m_beforeApply = std::move(before); }

    // PreparePresets: the preset folders are made when missing and the list is read.
    void PreparePresets();
    // Refresh preset list: the folder's files into the list, then the name of the current row
    // (or of the row named `select`) into the name box.
    void refreshList(const std::string& select = {});
    // ValueListEditor1Click: the clicked row's name into the name box, as shown.
    void ValueListEditor1Click(int row);
    // RzBmpButton120Click: the stores saved under the name in the name box.
    void RzBmpButton120Click();
    // RzBmpButton119Click: the file named in the name box loaded into the stores.
    void RzBmpButton119Click();

    const std::vector<std::string>& names() const { return m_names; }

  signals:
    // A file was applied to the stores: the link sends them to the processor when on line, and
    // keeps what changed for the next link when off line.
    void uploadWanted(const std::vector<aec::PresetRecord>& changed);

  private:
    void tell(const std::string& text);

    Model& m_model;
    const PresetParts& m_parts;
    ViewHost& m_view;
    MessageService& m_messages;
    std::filesystem::path m_directory;
    std::vector<std::string> m_names;
    std::function<bool()> m_beforeApply;
};

}  // namespace aec
