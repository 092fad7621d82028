#pragma once
// Exports of the response graph: the summed curve of the page on show as CSV or FRD text, and
// the graph as a PNG picture at its size on the screen.

#include <QImage>
#include <QString>
#include <functional>

#include "core/model.h"
#include "eq/curve_export.h"
#include "ui/graph/graph_view.h"
#include "ui/sheets/sheets.h"
#include "ui/widgets/message_service.h"

namespace aec {

class CurveCommands {
  public:
    // Which file to write, given the dialog's caption, a suggested path and a name filter;
    // empty for none.
    using FileChooser = std::function<QString(const QString& caption, const QString& suggested,
                                              const QString& filter)>;

    CurveCommands(const Model& model, GraphView& graph, const GraphParts& parts,
                  MessageService& messages);

    // Replaces the save dialog (tests choose the file themselves).
    void setFileChooser(FileChooser chooser) { m_chooser = std::move(chooser); }

    // The summed curve of the page on show, as CSV ("Frequency (Hz),Level (dB)").
    void ExportCurveCsvClick();
    // The same curve as FRD text ("frequency dB phase").
    void ExportCurveFrdClick();
    // The graph as the user sees it: axis labels, grid, curve, markers and caption.
    void ExportGraphPngClick();

    // The picture ExportGraphPngClick writes.
    QImage graphPicture() const;

  private:
    void exportCurve(CurveFormat format);
    QString choose(const QString& caption, const QString& suffix, const QString& filter) const;
    void reportFailure(const QString& path, const QString& reason);
    int language() const { return m_model.languageFlag(); }

    const Model& m_model;
    GraphView& m_graph;
    const GraphParts& m_parts;
    MessageService& m_messages;
    FileChooser m_chooser;
};

}  // namespace aec
