#include "ui/commands/preset_files.h"

#include <QSignalBlocker>
#include <QTableWidget>

#include "core/pages.h"
#include "presets/preset_file.h"
#include "presets/preset_folder.h"
#include "ui/sync/control_sync.h"

namespace aec {

namespace {
constexpr int kNameColumn = 1;
QString qText(const std::string& text) { return QString::fromStdString(text); }
}  // namespace

void PresetFiles::PreparePresets() {
    // A window without a preset folder has no files to offer.
    const bool folder = !m_directory.empty();
    for (QWidget* control :
         {static_cast<QWidget*>(m_parts.list), static_cast<QWidget*>(m_parts.load),
          static_cast<QWidget*>(m_parts.save)}) {
        control->setEnabled(folder);
    }
    if (!folder) {
        return;
    }
    std::error_code ignored;
    std::filesystem::create_directories(m_directory, ignored);
    refreshList();
}

void PresetFiles::refreshList(const std::string& select) {
    QTableWidget* list = m_parts.list;
    const int previous = list->currentRow();
    m_names = presetDisplayNames(m_directory);
    {
        const QSignalBlocker quiet(list);
        list->setRowCount(0);
        list->setRowCount(static_cast<int>(m_names.size()));
        for (size_t k = 0; k < m_names.size(); ++k) {
            const int row = static_cast<int>(k);
            list->setItem(row, 0, new QTableWidgetItem(QString::number(row)));
            list->setItem(row, kNameColumn, new QTableWidgetItem(qText(m_names[k])));
        }
    }
    if (m_names.empty()) {
        return;
    }
    int row = std::clamp(previous, 0, static_cast<int>(m_names.size()) - 1);
    if (const auto it = std::find(m_names.begin(), m_names.end(), select); it != m_names.end()) {
        row = static_cast<int>(it - m_names.begin());
    }
    const QSignalBlocker quiet(list);
    list->setCurrentCell(row, kNameColumn);
    m_parts.name->setText(qText(m_names[static_cast<size_t>(row)]));
}

// The name is taken as the list shows it: cutting it again would turn "live.2024" into
// "live" and lead a load or save to another file.
void PresetFiles::ValueListEditor1Click(int row) {
    if (row < 0 || row >= static_cast<int>(m_names.size())) {
        return;
    }
    m_parts.name->setText(qText(m_names[static_cast<size_t>(row)]));
    if (m_parts.name->window()->isVisible()) {
        m_parts.name->setFocus(Qt::MouseFocusReason);
    }
}

void PresetFiles::RzBmpButton120Click() {
    const std::string name = m_parts.name->text().toStdString();
    if (name.empty()) {
        return;
    }
    const int language = m_model.languageFlag();
    const PresetPath target = presetFilePath(m_directory, name);
    if (!target.ok()) {
        tell(presetMessage(target.error, language));
        return;
    }
    // The folder is asked as it is now, not as it was at the last refresh.
    if (saveReplacesPreset(m_names, name, target.file)) {
        const Question question = overwriteQuestion(language);
        if (m_messages.show(qText(question.text), qText(question.caption),
                            MessageService::Buttons::OkCancel) != MessageService::Answer::Ok) {
            return;
        }
    }
    const PresetResult result = savePresetFile(target.file, m_model);
    if (!result.ok()) {
        tell(presetMessage(result.error, language) + "\n" + target.file.string());
        return;
    }
    refreshList(name);
}

void PresetFiles::RzBmpButton119Click() {
    const std::string name = m_parts.name->text().toStdString();
    const int language = m_model.languageFlag();
    const Question question = loadQuestion(name, language);
    if (m_messages.show(qText(question.text), qText(question.caption),
                        MessageService::Buttons::YesNo) != MessageService::Answer::Yes) {
        return;
    }
    const PresetPath source = presetFilePath(m_directory, name);
    if (!source.ok()) {
        tell(presetMessage(source.error, language));
        return;
    }
    // The whole file is checked before anything is stored, so a damaged one changes nothing.
    const ParsedPreset parsed = parsePresetFile(source.file);
    if (!parsed.result.ok()) {
        tell(presetMessage(parsed.result.error, language));
        return;
    }
    if (m_beforeApply && !m_beforeApply()) {
        return;
    }
    const std::vector<PresetRecord> changed = changedRecords(parsed.records, m_model);
    applyPreset(parsed.records, m_model);
    // The window shows the file's values at once, on line or off.
    m_view.refreshControls(kAllPages);
    m_view.showCurrentView();
    emit uploadWanted(changed);
}

void PresetFiles::tell(const std::string& text) {
    m_messages.show(qText(text), kApplicationTitle, MessageService::Buttons::Ok);
}

}  // namespace aec
