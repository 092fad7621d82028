#include "ui/commands/window_link.h"

#include <QComboBox>

#include "link/link_texts.h"
#include "ui/widgets/look.h"

namespace aec {

namespace {

QString qText(const std::string& text) { return QString::fromStdString(text); }

QColor statusColourOf(StatusColour colour) {
    switch (colour) {
        case StatusColour::kDarkBlue:
            return look::kOnLine;
        case StatusColour::kRed:
            return QColor(Qt::red);
        case StatusColour::kBlack:
            break;
    }
    return QColor(Qt::black);
}

}  // namespace

WindowLink::WindowLink(TForm1& window, Connection& connection)
    : m_window(window), m_connection(connection) {
    const FrameParts& frame = window.frame();
    connect(frame.linkButton, &QAbstractButton::clicked, this,
            [this] { m_connection.LinkBtnClick(LinkSender::kLinkBtn); });
    connect(frame.unlinkButton, &QAbstractButton::clicked, this,
            [this] { m_connection.LinkBtnClick(LinkSender::kUnLinkBtn); });
    frame.linkButton->setEnabled(true);
    frame.unlinkButton->setEnabled(true);
    connect(&window, &TForm1::portListWanted, this, [this] { m_connection.fillPortList(); });
    // After a language switch: the status texts, and the link button by the link state.
    connect(&window, &TForm1::languageChanged, this, [this] {
        m_connection.languageChanged();
        const BilingualText& caption =
            m_connection.state().onLine() ? link_text::kLinkedCaption : link_text::kUnlinkedCaption;
        m_window.frame().linkButton->setText(
            QString::fromUtf8(caption.in(m_window.model().languageFlag())));
    });
    // A preset file applied to the stores goes to the processor when on line.
    connect(&window.presetFiles(), &PresetFiles::uploadWanted, this,
            [this](const std::vector<PresetRecord>& changed) {
                if (m_connection.state().onLine()) {
                    m_connection.LinkEvent(LinkEventKind::kUpload);
                    return;
                }
                for (const PresetRecord& record : changed) {
                    m_window.model().offlineEdits.record(record.address, record.value);
                }
            });
}

void WindowLink::tell(const std::string& text, const std::string& caption) {
    m_window.messages().show(qText(text), qText(caption), MessageService::Buttons::Ok);
}

bool WindowLink::ask(const std::string& text, const std::string& caption) {
    return m_window.messages().show(qText(text), qText(caption), MessageService::Buttons::YesNo) ==
           MessageService::Answer::Yes;
}

void WindowLink::setLinkStatus(const std::string& caption, const std::string& hint) {
    Label* label = m_window.frame().statusLabel;
    label->setText(qText(caption));
    setHint(label, qText(hint));
}

void WindowLink::setLinkStatusColour(StatusColour colour) {
    m_window.frame().statusLabel->setStyleSheet(
        QString("color: %1;").arg(statusColourOf(colour).name()));
}

// Linked: a raised button with its caption in orange, bold so that it reads on the light face.
// Unlinked: the plain grey face with a black caption.
void WindowLink::setLinkButtonLook(bool linked) {
    BmpButton* button = m_window.frame().linkButton;
    const BilingualText& caption = linked ? link_text::kLinkedCaption : link_text::kUnlinkedCaption;
    button->setText(QString::fromUtf8(caption.in(m_window.model().languageFlag())));
    button->setLook(linked ? BmpButton::Look::Released : BmpButton::Look::Disabled);
    button->setCaptionColour(linked ? look::kOrange : QColor(Qt::black));
    QFont font = button->font();
    font.setBold(linked);
    button->setFont(font);
}

void WindowLink::showPortList(const std::vector<std::string>& ports) {
    QComboBox* list = m_window.frame().portList;
    list->clear();
    for (const std::string& port : ports) {
        list->addItem(qText(port));
    }
}

void WindowLink::showSelectedPort(int index) { m_window.frame().portList->setCurrentIndex(index); }

void WindowLink::RefreshControls(int target) { m_window.RefreshControls(target); }

int WindowLink::runTabSelector(int tab) { return m_window.runTabSelector(tab); }

void WindowLink::showMainWindow() { m_window.show(); }

void WindowLink::rebuildModeList() { m_window.systemLooks().rebuildModeList(); }

}  // namespace aec
