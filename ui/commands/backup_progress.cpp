#include "ui/commands/backup_progress.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>

namespace aec {

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 104;
// The link's status dialog shows itself centred on the screen during every transfer; this
// dialog keeps above it, clear of its half height and a margin.
constexpr int kStatusDialogClearance = 56;
// The status dialog's LED bar, so both progress displays look alike.
constexpr const char* kBarStyle =
    "QProgressBar { border: 1px solid #9a9a9a; background: white; color: #333333;"
    " text-align: center; }"
    "QProgressBar::chunk { background-color: #F39800; width: 7px; margin: 1px; }";

}  // namespace

BackupProgress::BackupProgress(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("BackupProgress"));
    setWindowModality(Qt::WindowModal);
    setFixedSize(kWidth, kHeight);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);

    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("BackupProgressLabel"));
    m_label->setGeometry(12, 8, kWidth - 24, 20);
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("BackupProgressBar"));
    m_bar->setGeometry(12, 32, kWidth - 24, 20);
    m_bar->setStyleSheet(QString::fromLatin1(kBarStyle));
    m_cancel = new BmpButton(this);
    m_cancel->setObjectName(QStringLiteral("BackupCancelBtn"));
    m_cancel->setGeometry(kWidth - 12 - 96, 64, 96, 26);
    connect(m_cancel, &QAbstractButton::clicked, this, &BackupProgress::cancelRequested);
}

void BackupProgress::start(const QString& caption, const QString& cancel) {
    setWindowTitle(caption);
    m_cancel->setText(cancel);
    setCancelEnabled(true);
    m_bar->setValue(0);
    const QRect screen = this->screen()->availableGeometry();
    move(screen.center().x() - kWidth / 2, screen.center().y() - kStatusDialogClearance - kHeight);
    show();
}

void BackupProgress::showProgress(const QString& text, int done, int total) {
    m_label->setText(text);
    m_bar->setRange(0, total);
    m_bar->setValue(done);
}

void BackupProgress::setCancelEnabled(bool enabled) {
    m_cancel->setEnabled(enabled);
    m_cancel->setLook(enabled ? BmpButton::Look::Released : BmpButton::Look::Disabled);
}

// The work cannot stop at once (a mode is on its way); the dialog stays until it has.
void BackupProgress::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (m_cancel->isEnabled()) {
        emit cancelRequested();
    }
}

void BackupProgress::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        if (m_cancel->isEnabled()) {
            emit cancelRequested();
        }
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace aec
