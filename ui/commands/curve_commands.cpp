#include "ui/commands/curve_commands.h"

#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QPainter>
#include <QSaveFile>
#include <QStandardPaths>

#include "core/bilingual_text.h"
#include "ui/graph/graph_readout.h"
#include "ui/sync/control_sync.h"

namespace aec {

namespace {

constexpr BilingualText kCsvCaption{"导出曲线 (CSV)", "Export curve (CSV)"};
constexpr BilingualText kFrdCaption{"导出曲线 (FRD)", "Export curve (FRD)"};
constexpr BilingualText kPngCaption{"导出图形 (PNG)", "Export graph (PNG)"};
constexpr BilingualText kWriteFailed{"无法写入文件:", "The file could not be written:"};

QString qText(const BilingualText& text, int language) {
    return QString::fromUtf8(text.in(language));
}

// The axis labels above the plot reach this far into the command strip.
constexpr int kLabelsAbovePlot = 8;

}  // namespace

CurveCommands::CurveCommands(const Model& model, GraphView& graph, const GraphParts& parts,
                             MessageService& messages)
    : m_model(model), m_graph(graph), m_parts(parts), m_messages(messages) {}

void CurveCommands::ExportCurveCsvClick() { exportCurve(CurveFormat::kCsv); }
void CurveCommands::ExportCurveFrdClick() { exportCurve(CurveFormat::kFrd); }

void CurveCommands::exportCurve(CurveFormat format) {
    const bool csv = format == CurveFormat::kCsv;
    const QString path = choose(qText(csv ? kCsvCaption : kFrdCaption, language()),
                                csv ? ".csv" : ".frd", csv ? "CSV (*.csv)" : "FRD (*.frd)");
    if (path.isEmpty()) {
        return;
    }
    const std::string text = pageCurveText(m_model, m_graph.page(), format);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size()) ||
        !file.commit()) {
        reportFailure(path, file.errorString());
    }
}

void CurveCommands::ExportGraphPngClick() {
    const QString path = choose(qText(kPngCaption, language()), ".png", "PNG (*.png)");
    if (path.isEmpty()) {
        return;
    }
    const QImage picture = graphPicture();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !picture.save(&file, "PNG") || !file.commit()) {
        reportFailure(path, file.errorString());
    }
}

QImage CurveCommands::graphPicture() const {
    // The outer panel from just above the plot down: its own ground, the axis labels (its
    // labels) and the plot panel with markers and caption; the command strip stays out.
    QWidget* outer = m_parts.outer;
    const int top = std::max(0, m_parts.inner->y() - kLabelsAbovePlot);
    const QRect area(0, top, outer->width(), outer->height() - top);
    QImage picture(area.size(), QImage::Format_RGB32);
    QPainter painter(&picture);
    outer->render(&painter, QPoint(), QRegion(area), QWidget::DrawWindowBackground);
    // The read-out follows the mouse; it is no part of the graph.
    auto* readout = m_parts.inner->findChild<QLabel*>(GraphReadout::kName);
    const bool readoutShown = readout && readout->isVisible();
    if (readoutShown) {
        readout->hide();
    }
    QList<QWidget*> parts{m_parts.inner};
    for (QLabel* label : outer->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
        parts.append(label);
    }
    for (QWidget* part : parts) {
        if (part->isVisible()) {
            part->render(&painter, part->pos() - area.topLeft(), QRegion(), QWidget::DrawChildren);
        }
    }
    if (readoutShown) {
        readout->show();
    }
    return picture;
}

QString CurveCommands::choose(const QString& caption, const QString& suffix,
                              const QString& filter) const {
    const ShownPage shown = shownPage(m_model, m_graph.page());
    const QString name = QStringLiteral("response-page%1%2%3")
                             .arg(shown.devicePage)
                             .arg(shown.right ? QStringLiteral("-right") : QString())
                             .arg(suffix);
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString suggested = QDir(folder).filePath(name);
    if (m_chooser) {
        return m_chooser(caption, suggested, filter);
    }
    return QFileDialog::getSaveFileName(m_parts.outer->window(), caption, suggested, filter);
}

void CurveCommands::reportFailure(const QString& path, const QString& reason) {
    m_messages.show(qText(kWriteFailed, language()) + "\n" + path + "\n" + reason,
                    kApplicationTitle, MessageService::Buttons::Ok);
}

}  // namespace aec
