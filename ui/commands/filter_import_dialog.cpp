#include "ui/commands/filter_import_dialog.h"

#include <QLabel>
#include <QListWidget>

#include "core/bilingual_text.h"
#include "ui/widgets/buttons.h"

namespace aec {

namespace {

constexpr int kWidth = 560;
constexpr int kHeight = 460;
constexpr int kMargin = 12;
constexpr int kCaptionHeight = 20;
constexpr int kButtonWidth = 90;
constexpr int kButtonHeight = 26;

constexpr BilingualText kTitle{"导入滤波器", "Import filters"};
constexpr BilingualText kBandsCaption{"将写入的频段：", "Bands to write:"};
constexpr BilingualText kProblemsCaption{"不完全匹配的内容：", "What does not fit exactly:"};
constexpr BilingualText kNoProblems{"全部滤波器完全匹配。", "Every filter fits exactly."};
constexpr BilingualText kApply{"应用", "Apply"};
constexpr BilingualText kCancel{"取消", "Cancel"};

QString text(const BilingualText& t, int languageFlag) {
    return QString::fromUtf8(t.in(languageFlag));
}

BmpButton* makeButton(QWidget* parent, const char* name) {
    auto* button = new BmpButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

QListWidget* makeList(QWidget* parent, const char* name) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    // A report to read: no current row drawn, no keyboard focus taken from the buttons.
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setFocusPolicy(Qt::NoFocus);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    return list;
}

QLabel* makeLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

}  // namespace

FilterImportDialog::FilterImportDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      m_headline(makeLabel(this, "FilterImportHeadline")),
      m_bandsCaption(makeLabel(this, "FilterImportBandsCaption")),
      m_bands(makeList(this, "FilterImportBands")),
      m_problemsCaption(makeLabel(this, "FilterImportProblemsCaption")),
      m_problems(makeList(this, "FilterImportProblems")),
      m_apply(makeButton(this, "FilterImportApplyBtn")),
      m_cancel(makeButton(this, "FilterImportCancelBtn")) {
    setObjectName(QStringLiteral("FilterImportDialog"));
    setWindowModality(Qt::ApplicationModal);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setFixedSize(kWidth, kHeight);

    const int inner = kWidth - 2 * kMargin;
    const int listHeight = (kHeight - 3 * kCaptionHeight - kButtonHeight - 5 * kMargin) / 2;
    int y = kMargin;
    m_headline->setGeometry(kMargin, y, inner, kCaptionHeight);
    m_headline->setWordWrap(false);
    y += kCaptionHeight;
    m_bandsCaption->setGeometry(kMargin, y + 4, inner, kCaptionHeight);
    y += kCaptionHeight + 4;
    m_bands->setGeometry(kMargin, y, inner, listHeight);
    y += listHeight + kMargin / 2;
    m_problemsCaption->setGeometry(kMargin, y, inner, kCaptionHeight);
    y += kCaptionHeight;
    m_problems->setGeometry(kMargin, y, inner, listHeight);
    const int buttonTop = kHeight - kMargin - kButtonHeight;
    m_cancel->setGeometry(kWidth - kMargin - kButtonWidth, buttonTop, kButtonWidth, kButtonHeight);
    m_apply->setGeometry(kWidth - kMargin - 2 * kButtonWidth - 8, buttonTop, kButtonWidth,
                         kButtonHeight);
    connect(m_apply, &BmpButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &BmpButton::clicked, this, &QDialog::reject);
}

void FilterImportDialog::showPlan(const QString& headline, const QStringList& bands,
                                  const QStringList& problems, int languageFlag) {
    setWindowTitle(text(kTitle, languageFlag));
    m_headline->setText(headline);
    m_headline->setToolTip(headline);
    m_bandsCaption->setText(text(kBandsCaption, languageFlag));
    m_problemsCaption->setText(text(kProblemsCaption, languageFlag));
    m_apply->setText(text(kApply, languageFlag));
    m_cancel->setText(text(kCancel, languageFlag));
    m_bands->clear();
    m_bands->addItems(bands);
    m_problems->clear();
    m_problems->addItems(problems.isEmpty() ? QStringList{text(kNoProblems, languageFlag)}
                                            : problems);
}

}  // namespace aec
