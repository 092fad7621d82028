#pragma once
// The link of aec-ctl: the editor's connection driven by Qt timers without a window. A command
// waits in the event loop for what it needs, never longer than its time-out.

#include <QObject>
#include <QTimer>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "core/model.h"
#include "link/connection.h"
#include "link/qt_serial_port.h"

namespace aec::tool {

class CtlLink : private LinkPlatform {
  public:
    // Ticks of a wait; work that steps itself (a backup, a read-back) steps at this pace.
    static constexpr int kWaitTickMs = 100;

    // `ports` empty: the search walks the system's ports and the simulators' published ones.
    CtlLink(Model& model, std::vector<std::string> ports);
    ~CtlLink() override;
    CtlLink(const CtlLink&) = delete;
    CtlLink& operator=(const CtlLink&) = delete;

    // Searches and loads everything from the processor; on failure says why on `err`.
    bool linkUp(std::ostream& err);
    // Tells the processor goodbye when on line.
    void unlink();
    // Runs the event loop, calling `tick` every kWaitTickMs, until `done` holds (true) or
    // `timeoutMs` passed (false).
    bool waitUntil(const std::function<bool()>& done, int timeoutMs,
                   const std::function<void()>& tick = {});

    Connection& connection() { return m_connection; }
    Model& model() { return m_model; }
    // The port the processor answered on (empty before).
    std::string portName() const;

  private:
    // LinkPlatform
    void setTimer(LinkTimer timer, bool enabled) override;
    std::vector<std::string> listPorts() override;
    void after(int ms, std::function<void()> action) override;

    Model& m_model;
    std::vector<std::string> m_ports;
    QtSerialPort m_port;
    Connection m_connection;
    QObject m_context;
    QTimer m_timer1;
    QTimer m_timer2;
    QTimer m_holdTimer;
};

}  // namespace aec::tool
