#include "ui/commands/verify_command.h"

#include "core/bilingual_text.h"
#include "core/pages.h"
#include "link/link_texts.h"
#include "ui/widgets/buttons.h"

namespace aec {

namespace {

constexpr BilingualText kOffLineText{"设备未连接，无法校验!", "Off line: nothing to verify!"};
constexpr BilingualText kVerified{"校验通过：设备与电脑一致。",
                                  "Verified: the processor holds what the editor holds."};
constexpr BilingualText kDiffering{"设备与电脑有 %1 处不同：",
                                   "Differences between the processor and the editor: %1"};
constexpr BilingualText kFailed{"校验失败：设备没有回答。",
                                "Verification failed: the processor did not answer."};

QString text(const BilingualText& t, int languageFlag) {
    return QString::fromUtf8(t.in(languageFlag));
}

}  // namespace

VerifyCommand::VerifyCommand(TForm1& window, Connection& connection)
    : m_window(window),
      m_connection(connection),
      m_readBack(connection.state(), connection.sender(), connection.receiver()),
      m_dialog(&window) {
    m_timer.setInterval(kTickMs);
    connect(&m_timer, &QTimer::timeout, this, [this] { tick(); });
    BmpButton* button = window.parts().system.verify;
    connect(button, &QAbstractButton::clicked, this, [this] { VerifyBtnClick(); });
    button->setEnabled(true);
    connect(m_dialog.cancelButton(), &QAbstractButton::clicked, this, [this] { cancel(); });
    connect(m_dialog.sendButton(), &QAbstractButton::clicked, this, [this] { sendAgain(); });
    connect(m_dialog.closeButton(), &QAbstractButton::clicked, &m_dialog, &QDialog::hide);
    connect(&m_dialog, &QDialog::rejected, this, [this] { cancel(); });
    connection.setUploadListener([this] { uploadFinished(); });
}

void VerifyCommand::VerifyBtnClick() {
    if (!m_connection.state().onLine()) {
        m_window.messages().show(text(kOffLineText, language()),
                                 text(link_text::kNoticeCaption, language()),
                                 MessageService::Buttons::Ok);
        return;
    }
    start();
}

void VerifyCommand::start() {
    if (!m_readBack.start()) {
        return;
    }
    m_differences.clear();
    m_dialog.showReading(0, ReadBack::kPages, language());
    if (!m_manual) {
        m_timer.start();
    }
}

void VerifyCommand::tick() {
    const bool wasRunning = m_readBack.running();
    m_readBack.tick();
    if (!m_readBack.ticking()) {
        m_timer.stop();
    }
    if (m_readBack.running()) {
        m_dialog.showReading(m_readBack.pagesDone(), ReadBack::kPages, language());
    } else if (wasRunning) {
        showOutcome();
    }
}

void VerifyCommand::showOutcome() {
    switch (m_readBack.status()) {
        case ReadBackStatus::kDone:
            break;
        case ReadBackStatus::kFailed:
            m_dialog.showResult(text(kFailed, language()), {}, language());
            return;
        default:
            m_dialog.hide();
            return;
    }
    m_differences = compareUpload(m_window.model().paramStore(), m_readBack.values());
    if (m_differences.empty()) {
        m_dialog.showResult(text(kVerified, language()), {}, language());
        return;
    }
    QStringList lines;
    for (const ValueDifference& d : m_differences) {
        lines << QString::fromStdString(differenceText(d, language()));
    }
    const QString headline =
        text(kDiffering, language()).arg(static_cast<qsizetype>(m_differences.size()));
    m_dialog.showResult(headline, lines, language());
}

void VerifyCommand::sendAgain() {
    const Model& model = m_window.model();
    for (const ValueDifference& d : m_differences) {
        m_connection.scheduler().SendDeviceValuePaced(makeAddress(d.page, d.slot),
                                                      model.param(d.page, d.slot));
    }
    start();
}

void VerifyCommand::cancel() {
    m_readBack.cancel();
    m_dialog.hide();
}

void VerifyCommand::setManualTicks(bool manual) {
    m_manual = manual;
    if (manual) {
        m_timer.stop();
    }
}

}  // namespace aec
