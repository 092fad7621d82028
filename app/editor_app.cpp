#include "app/editor_app.h"

namespace aec {

EditorApp::EditorApp(MessageService& messages) {
    // The main window, then the link controller, then the status dialog.
    m_window = std::make_unique<TForm1>(m_model, m_sink, messages);
    m_link = std::make_unique<TForm3>(m_model);
    m_dialog = std::make_unique<TForm2>();

    Connection& connection = m_link->connection();
    m_sink.route(&m_link->sink());
    m_windowLink = std::make_unique<WindowLink>(*m_window, connection);
    m_commands = std::make_unique<DeviceCommands>(m_model, connection.state(), connection.sender(),
                                                  m_sink, connection, *m_windowLink);
    m_system = std::make_unique<SystemCommands>(m_model, m_sink, m_window->controls(),
                                                connection.state(), *m_commands);
    m_windowLink->setSystem(m_system.get());

    connection.setView(m_windowLink.get());
    connection.setStatusDialog(m_dialog.get());
    m_window->setLinkPoints(m_windowLink.get());
    m_window->setSystemPoints(m_system.get());
}

EditorApp::~EditorApp() {
    m_window->setLinkPoints(nullptr);
    m_window->setSystemPoints(nullptr);
    m_link->connection().setView(nullptr);
    m_link->connection().setStatusDialog(nullptr);
    m_sink.route(nullptr);
}

}  // namespace aec
