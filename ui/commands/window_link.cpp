#include "ui/commands/window_link.h"

#include <QComboBox>

#include "link/link_texts.h"
#include "ui/commands/system_commands.h"
#include "ui/widgets/look.h"

namespace aec {

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

QColor StatusColourOf(StatusColour colour) {
    switch (colour) {
        case StatusColour::kDarkBlue:
            return QColor::fromRgb(kOnLineRgb);
        case StatusColour::kRed:
            return QColor(Qt::red);
        case StatusColour::kBlack:
            break;
    }
    return QColor(Qt::black);
}

}  // namespace

WindowLink::WindowLink(TForm1& window, Connection& connection)
    : m_window(window), m_connection(connection) {}

void WindowLink::Tell(const std::string& text, const std::string& caption) {
    m_window.messages().Show(Text(text), Text(caption), MessageService::Buttons::Ok);
}

bool WindowLink::Ask(const std::string& text, const std::string& caption) {
    return m_window.messages().Show(Text(text), Text(caption), MessageService::Buttons::YesNo) ==
           MessageService::Answer::Yes;
}

void WindowLink::SetLinkStatus(const std::string& caption, const std::string& hint) {
    if (auto* label = m_window.control<Label>("LinkLabel")) {
        label->setText(Text(caption));
        SetHint(label, Text(hint));
    }
}

void WindowLink::SetLinkStatusColour(StatusColour colour) {
    if (auto* label = m_window.control<Label>("LinkLabel")) {
        label->setStyleSheet(QString("color: %1;").arg(StatusColourOf(colour).name()));
    }
}

// Linked: a raised button with its caption in orange, bold so that it reads on the light face.
// Unlinked: the plain grey face with a black caption.
void WindowLink::SetLinkButtonLook(bool linked) {
    auto* button = m_window.control<BmpButton>("LinkBtn");
    if (!button) {
        return;
    }
    const BilingualText& caption = linked ? link_text::kLinkedCaption : link_text::kUnlinkedCaption;
    button->setText(QString::fromUtf8(caption.in(m_window.model().languageFlag)));
    button->setLook(linked ? BmpButton::Look::Released : BmpButton::Look::Disabled);
    button->setCaptionColour(linked ? QColor::fromRgb(kLinkedCaptionRgb) : QColor(Qt::black));
    QFont font = button->font();
    font.setBold(linked);
    button->setFont(font);
}

void WindowLink::ShowPortList(const std::vector<std::string>& ports) {
    auto* list = m_window.control<QComboBox>("ComComboBox1");
    if (!list) {
        return;
    }
    list->clear();
    for (const std::string& port : ports) {
        list->addItem(Text(port));
    }
}

void WindowLink::ShowSelectedPort(int index) {
    if (auto* list = m_window.control<QComboBox>("ComComboBox1")) {
        list->setCurrentIndex(index);
    }
}

void WindowLink::RefreshControls(int target) { m_window.sync().RefreshControls(target); }

int WindowLink::RunTabSelector(int tab) { return m_window.RunTabSelector(tab); }

void WindowLink::ShowMainWindow() { m_window.show(); }

void WindowLink::RebuildModeList() {
    if (m_system) {
        m_system->RebuildModeList();
    }
}

void WindowLink::FillPortList(QComboBox& /*ports*/) { m_connection.FillPortList(); }

void WindowLink::LinkBtnClick(QObject* sender) {
    const bool unlink = sender && sender->objectName() == QLatin1String("UnLinkBtn");
    m_connection.LinkBtnClick(unlink ? LinkSender::kUnLinkBtn : LinkSender::kLinkBtn);
}

bool WindowLink::IsOnLine() const { return m_connection.state().onLine(); }

void WindowLink::CloseRequest() { m_connection.CloseRequest(); }

}  // namespace aec
