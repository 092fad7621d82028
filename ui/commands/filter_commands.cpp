#include "ui/commands/filter_commands.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

#include "core/bilingual_text.h"
#include "presets/filter_export.h"
#include "presets/filter_plan.h"
#include "presets/filter_report.h"
#include "ui/commands/filter_import_dialog.h"
#include "ui/rules/filter_bands.h"
#include "ui/sync/control_sync.h"

namespace aec {

namespace {

constexpr int kProblemsInMessage = 12;

constexpr BilingualText kNoBands{"当前页面没有均衡频段。",
                                 "The page on show has no equaliser bands."};
constexpr BilingualText kReadFailed{"无法读取文件：", "Cannot read the file:"};
constexpr BilingualText kWriteFailed{"无法写入文件：", "Cannot write the file:"};
constexpr BilingualText kOpenTitle{"导入滤波器", "Import filters"};
constexpr BilingualText kSaveTitle{"导出滤波器", "Export filters"};
constexpr BilingualText kOpenFilter{"滤波器文件 (*.txt *.cfg);;所有文件 (*)",
                                    "Filter files (*.txt *.cfg);;All files (*)"};
constexpr BilingualText kRewFilter{"REW 滤波器设置 (*.txt)", "REW filter settings (*.txt)"};
constexpr BilingualText kApoFilter{"Equalizer APO 配置 (*.txt *.cfg)",
                                   "Equalizer APO configuration (*.txt *.cfg)"};
constexpr BilingualText kHeadline{"%1（%2）→ %3", "%1 (%2) → %3"};

QString qText(const std::string& text) { return QString::fromStdString(text); }
QString qText(const BilingualText& text, int language) {
    return QString::fromUtf8(text.in(language));
}

}  // namespace

FilterCommands::FilterCommands(Model& model, ParameterSink& sink, ViewHost& host,
                               MessageService& messages, QWidget* parent)
    : m_model(model), m_sink(sink), m_host(host), m_messages(messages), m_parent(parent) {
    m_open = [this] {
        return QFileDialog::getOpenFileName(m_parent, qText(kOpenTitle, language()), QString(),
                                            qText(kOpenFilter, language()));
    };
    m_save = [this] {
        const QString rew = qText(kRewFilter, language());
        const QString apo = qText(kApoFilter, language());
        QString chosen = rew;
        QString path = QFileDialog::getSaveFileName(m_parent, qText(kSaveTitle, language()),
                                                    QString(), rew + ";;" + apo, &chosen);
        if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty()) {
            path += QStringLiteral(".txt");
        }
        return SaveChoice{path, chosen == apo ? FilterFormat::Apo : FilterFormat::Rew};
    };
    m_runReport = [](FilterImportDialog& dialog) { return dialog.exec() == QDialog::Accepted; };
}

void FilterCommands::tell(const std::string& text) {
    m_messages.show(qText(text), kApplicationTitle, MessageService::Buttons::Ok);
}

void FilterCommands::ImportFiltersClick() {
    const std::optional<FilterBands> bands = filterBandsOnShow(m_model);
    if (!bands) {
        tell(kNoBands.in(language()));
        return;
    }
    const QString path = m_open();
    if (path.isEmpty()) {
        return;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        tell(std::string(kReadFailed.in(language())) + "\n" + path.toStdString() + "\n" +
             file.errorString().toStdString());
        return;
    }
    // One byte beyond the limit is enough to tell that a file is too large.
    const QByteArray bytes = file.read(static_cast<qint64>(kMaxFilterTextBytes) + 1);
    const FilterPlan plan = planFilterImport(
        parseFilterText(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size()))),
        bands->target);
    if (!plan.applicable()) {
        std::string text;
        for (std::size_t i = 0; i < plan.issues.size() && i < kProblemsInMessage; ++i) {
            text += (text.empty() ? "" : "\n") + describeIssue(plan.issues[i], language());
        }
        // The verdict comes last and is never cut off.
        if (plan.issues.size() > kProblemsInMessage) {
            text += "\n...\n" + describeIssue(plan.issues.back(), language());
        }
        tell(text);
        return;
    }
    QStringList bandLines;
    for (const PlannedBand& band : plan.bands) {
        bandLines << qText(describeBand(band, language()));
    }
    QStringList problems;
    for (const ImportIssue& issue : plan.issues) {
        problems << qText(describeIssue(issue, language()));
    }
    const QString headline =
        qText(kHeadline, language())
            .replace(QStringLiteral("%1"), QFileInfo(path).fileName())
            .replace(QStringLiteral("%2"), qText(describeFormat(plan.format, language())))
            .replace(QStringLiteral("%3"), qText(bands->channel));
    FilterImportDialog dialog(m_parent);
    dialog.showPlan(headline, bandLines, problems, language());
    if (!m_runReport(dialog)) {
        return;
    }
    writePlannedBands(bands->basePage, plan.bands, m_sink);
    m_host.showCurrentView();
}

void FilterCommands::ExportFiltersClick() {
    const std::optional<FilterBands> bands = filterBandsOnShow(m_model);
    if (!bands) {
        tell(kNoBands.in(language()));
        return;
    }
    const SaveChoice choice = m_save();
    if (choice.path.isEmpty()) {
        return;
    }
    const std::string text = choice.format == FilterFormat::Apo
                                 ? apoFilterText(bands->current, bands->title)
                                 : rewFilterText(bands->current, bands->title);
    // Written beside the target and renamed over it, so a failed write leaves the old file.
    QSaveFile file(choice.path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size()) ||
        !file.commit()) {
        tell(std::string(kWriteFailed.in(language())) + "\n" + choice.path.toStdString() + "\n" +
             file.errorString().toStdString());
    }
}

}  // namespace aec
