#include "link/status_dialog.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>

#include "link/link_texts.h"

namespace aec {

namespace {

// An LED-style bar: separate orange segments on white.
constexpr const char* kBarStyle =
    "QProgressBar { border: 1px solid #9a9a9a; background: white; color: #333333;"
    " text-align: center; }"
    "QProgressBar::chunk { background-color: #F39800; width: 7px; margin: 1px; }";

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QRect& area) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(area);
    return label;
}

}  // namespace

TForm2::TForm2(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QString::fromUtf8(link_text::kDialogCaption.zh));
    setFixedSize(kClientWidth, kClientHeight);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);

    const StatusDialogState initial;
    m_linkLabel =
        makeLabel(this, "LinkLabel", QString::fromStdString(initial.text), QRect(12, 6, 170, 18));
    m_comLabel = makeLabel(this, "ComLabel", QString::fromStdString(initial.portName),
                           QRect(186, 6, 108, 18));
    m_comLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("RzProgressStatus1"));
    m_progress->setGeometry(12, 28, 282, 20);
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setStyleSheet(QString::fromLatin1(kBarStyle));
    m_warnLabel = makeLabel(this, "WarnLabel", QString::fromUtf8(link_text::kDialogWarning.zh),
                            QRect(12, 56, 282, 20));
}

void TForm2::showStatus(const StatusDialogState& state) {
    m_linkLabel->setText(QString::fromStdString(state.text));
    // A device path (a simulator's link, /dev/ttyUSB0) is shown by its last part.
    const QString port = QString::fromStdString(state.portName);
    m_comLabel->setText(QFileInfo(port).fileName());
    m_comLabel->setToolTip(port);
    m_progress->setValue(state.percent);
    if (state.visible) {
        show();
    } else {
        hide();
    }
}

void TForm2::applyLanguage(int languageFlag) {
    setWindowTitle(QString::fromUtf8(link_text::kDialogCaption.in(languageFlag)));
    m_warnLabel->setText(QString::fromUtf8(link_text::kDialogWarning.in(languageFlag)));
}

void TForm2::showEvent(QShowEvent* event) {
    if (!m_placed) {
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect area(QPoint(), size());
            area.moveCenter(screen->availableGeometry().center());
            move(area.topLeft());
        }
        m_placed = true;
    }
    QDialog::showEvent(event);
}

void TForm2::closeEvent(QCloseEvent* event) {
    hide();
    event->accept();
}

}  // namespace aec
