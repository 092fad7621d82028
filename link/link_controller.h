#pragma once
// TForm3: the link controller. Never shown; it owns the serial port, the search timer Timer1
// (1000 ms), the transfer timer Timer2 (100 ms) and the transmit timer HoldTimer (20 ms), and
// drives the connection logic from them and from the port's data-received event.

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <functional>

#include "core/model.h"
#include "link/connection.h"
#include "link/connection_view.h"
#include "link/qt_serial_port.h"

namespace aec {

class TForm3 : public QObject, private LinkPlatform {
    Q_OBJECT
  public:
    static constexpr int kTimer1Ms = 1000;
    static constexpr int kTimer2Ms = 100;
    static constexpr int kHoldTimerMs = 20;

    explicit TForm3(Model& model, QObject* parent = nullptr);
    ~TForm3() override;

    Connection& connection() { return m_connection; }
    // The road of every change to the processor.
    ParameterSink& sink() { return m_connection.scheduler(); }
    QtSerialPort& ComPort() { return m_port; }

    // Where the search takes its port list from; by default the system's serial ports and the
    // simulators published in the runtime directory.
    void setPortSource(std::function<QStringList()> source) { m_portSource = std::move(source); }
    // With manual ticks the Qt timers never run; a test calls the tick methods itself and the
    // connection's own enable flags decide whether a tick acts.
    void setManualTicks(bool manual);
    bool timerActive(LinkTimer timer) const;

    void Timer1Timer() { m_connection.Timer1Timer(); }
    void Timer2Timer() { m_connection.Timer2Timer(); }
    void HoldTimerTimer() { m_connection.HoldTimerTimer(); }
    // Data-received event of the port.
    void ComPortRxChar(int count);

  private:
    // LinkPlatform
    void setTimer(LinkTimer timer, bool enabled) override;
    std::vector<std::string> listPorts() override;
    void after(int ms, std::function<void()> action) override;

    QTimer& timer(LinkTimer which);

    QtSerialPort m_port;
    Connection m_connection;
    QTimer m_timer1;
    QTimer m_timer2;
    QTimer m_holdTimer;
    bool m_manual = false;
    std::function<QStringList()> m_portSource;
};

}  // namespace aec
