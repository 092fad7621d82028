#pragma once
// "导入滤波器" / "Import filters" and "导出滤波器" / "Export filters": the equaliser bands of the
// channel on show read from or written to a REW or Equalizer APO filter list.

#include <QString>
#include <functional>

#include "core/model.h"
#include "core/parameter_sink.h"
#include "presets/filter_parse.h"
#include "ui/commands/strip_commands.h"
#include "ui/widgets/message_service.h"

class QWidget;

namespace aec {

class FilterImportDialog;

class FilterCommands {
  public:
    // The file a save dialog chose and the format its filter stands for; an empty path for none.
    struct SaveChoice {
        QString path;
        FilterFormat format = FilterFormat::Rew;
    };

    FilterCommands(Model& model, ParameterSink& sink, ViewHost& host, MessageService& messages,
                   QWidget* parent);

    // Asks which file to import; empty for none. By default a file dialog.
    void setOpenChooser(std::function<QString()> chooser) { m_open = std::move(chooser); }
    // Asks where to export and in which format. By default a save dialog.
    void setSaveChooser(std::function<SaveChoice()> chooser) { m_save = std::move(chooser); }
    // Shows the import's report and says whether to apply it. By default the dialog runs modal.
    void setReportRunner(std::function<bool(FilterImportDialog&)> runner) {
        m_runReport = std::move(runner);
    }

    // ImportFiltersClick: a file chosen, its plan shown, and when applied the bands written in
    // this one call and sent paced; the controls and the graph then show them.
    void ImportFiltersClick();
    // ExportFiltersClick: the bands on show written to the chosen file in the chosen format.
    void ExportFiltersClick();

  private:
    void tell(const std::string& text);
    int language() const { return m_model.languageFlag(); }

    Model& m_model;
    ParameterSink& m_sink;
    ViewHost& m_host;
    MessageService& m_messages;
    QWidget* m_parent;
    std::function<QString()> m_open;
    std::function<SaveChoice()> m_save;
    std::function<bool(FilterImportDialog&)> m_runReport;
};

}  // namespace aec
