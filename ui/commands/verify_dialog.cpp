#include "ui/commands/verify_dialog.h"

#include <QLabel>
#include <QListWidget>
#include <QProgressBar>

#include "core/bilingual_text.h"
#include "ui/widgets/buttons.h"

namespace aec {

namespace {

constexpr int kWidth = 460;
constexpr int kReadingHeight = 96;
constexpr int kResultHeight = 300;

constexpr BilingualText kCaption{"校验", "Verify"};
constexpr BilingualText kReading{"正在读回设备数据...", "Reading the processor back..."};
constexpr BilingualText kCancel{"取消", "Cancel"};
constexpr BilingualText kSendAgain{"重新发送", "Send again"};
constexpr BilingualText kClose{"关闭", "Close"};

// The status dialog's bar: orange segments on white.
constexpr const char* kBarStyle =
    "QProgressBar { border: 1px solid #9a9a9a; background: white; color: #333333;"
    " text-align: center; }"
    "QProgressBar::chunk { background-color: #F39800; width: 7px; margin: 1px; }";

QString text(const BilingualText& t, int languageFlag) {
    return QString::fromUtf8(t.in(languageFlag));
}

BmpButton* makeButton(QWidget* parent, const char* name) {
    auto* button = new BmpButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

}  // namespace

VerifyDialog::VerifyDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      m_headline(new QLabel(this)),
      m_progress(new QProgressBar(this)),
      m_list(new QListWidget(this)),
      m_cancel(makeButton(this, "VerifyCancelBtn")),
      m_send(makeButton(this, "VerifySendBtn")),
      m_close(makeButton(this, "VerifyCloseBtn")) {
    setObjectName(QStringLiteral("VerifyDialog"));
    setWindowModality(Qt::ApplicationModal);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);

    m_headline->setObjectName(QStringLiteral("VerifyHeadline"));
    m_headline->setGeometry(12, 8, kWidth - 24, 20);
    m_progress->setObjectName(QStringLiteral("VerifyProgress"));
    m_progress->setGeometry(12, 32, kWidth - 24, 20);
    m_progress->setStyleSheet(QString::fromLatin1(kBarStyle));
    m_list->setObjectName(QStringLiteral("VerifyList"));
    m_list->setGeometry(12, 32, kWidth - 24, kResultHeight - 76);
    m_list->setSelectionMode(QAbstractItemView::NoSelection);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void VerifyDialog::setCaptions(int languageFlag) {
    setWindowTitle(text(kCaption, languageFlag));
    m_cancel->setText(text(kCancel, languageFlag));
    m_send->setText(text(kSendAgain, languageFlag));
    m_close->setText(text(kClose, languageFlag));
}

void VerifyDialog::showReading(int pagesDone, int pages, int languageFlag) {
    setCaptions(languageFlag);
    setFixedSize(kWidth, kReadingHeight);
    m_headline->setText(text(kReading, languageFlag));
    m_progress->setRange(0, pages);
    m_progress->setValue(pagesDone);
    m_progress->setFormat(QStringLiteral("%v / %m"));
    m_progress->show();
    m_list->hide();
    m_send->hide();
    m_close->hide();
    m_cancel->setGeometry(kWidth - 12 - 90, kReadingHeight - 36, 90, 26);
    m_cancel->show();
    show();
}

void VerifyDialog::showResult(const QString& headline, const QStringList& lines, int languageFlag) {
    setCaptions(languageFlag);
    const int height = lines.isEmpty() ? kReadingHeight : kResultHeight;
    setFixedSize(kWidth, height);
    m_headline->setText(headline);
    m_progress->hide();
    m_cancel->hide();
    m_list->clear();
    m_list->addItems(lines);
    m_list->setVisible(!lines.isEmpty());
    m_send->setVisible(!lines.isEmpty());
    m_close->setGeometry(kWidth - 12 - 90, height - 36, 90, 26);
    m_send->setGeometry(kWidth - 12 - 90 - 8 - 110, height - 36, 110, 26);
    m_close->show();
    show();
}

}  // namespace aec
