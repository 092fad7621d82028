#include "link/link_controller.h"

#include "link/port_enumeration.h"

namespace aec {

TForm3::TForm3(Model& model, QObject* parent)
    : QObject(parent),
      m_connection(model, m_port, *this),
      m_timer1(this),
      m_timer2(this),
      m_holdTimer(this) {
    setObjectName(QStringLiteral("Form3"));
    m_timer1.setObjectName(QStringLiteral("Timer1"));
    m_timer2.setObjectName(QStringLiteral("Timer2"));
    m_holdTimer.setObjectName(QStringLiteral("HoldTimer"));
    m_timer1.setInterval(kTimer1Ms);
    m_timer2.setInterval(kTimer2Ms);
    m_holdTimer.setInterval(kHoldTimerMs);
    m_holdTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer1, &QTimer::timeout, this, &TForm3::Timer1Timer);
    connect(&m_timer2, &QTimer::timeout, this, &TForm3::Timer2Timer);
    connect(&m_holdTimer, &QTimer::timeout, this, &TForm3::HoldTimerTimer);
    m_port.setDataReceived([this](int count) { ComPortRxChar(count); });
}

TForm3::~TForm3() {
    m_port.setDataReceived({});
    m_connection.setView(nullptr);
    m_connection.setStatusDialog(nullptr);
}

void TForm3::ComPortRxChar(int /*count*/) { m_connection.ComPortRxChar(); }

void TForm3::setManualTicks(bool manual) {
    m_manual = manual;
    for (LinkTimer t : {LinkTimer::kTimer1, LinkTimer::kTimer2, LinkTimer::kHoldTimer}) {
        timer(t).stop();
    }
    if (!manual) {
        const LinkState& state = m_connection.state();
        setTimer(LinkTimer::kTimer1, m_connection.timer1Enabled());
        setTimer(LinkTimer::kTimer2, m_connection.timer2Enabled());
        setTimer(LinkTimer::kHoldTimer, state.holdTimerEnabled);
    }
}

bool TForm3::timerActive(LinkTimer which) const {
    switch (which) {
        case LinkTimer::kTimer1:
            return m_timer1.isActive();
        case LinkTimer::kTimer2:
            return m_timer2.isActive();
        case LinkTimer::kHoldTimer:
            return m_holdTimer.isActive();
    }
    return false;
}

QTimer& TForm3::timer(LinkTimer which) {
    switch (which) {
        case LinkTimer::kTimer1:
            return m_timer1;
        case LinkTimer::kTimer2:
            return m_timer2;
        case LinkTimer::kHoldTimer:
            break;
    }
    return m_holdTimer;
}

void TForm3::setTimer(LinkTimer which, bool enabled) {
    QTimer& t = timer(which);
    if (!enabled || m_manual) {
        t.stop();
    } else if (!t.isActive()) {
        t.start();
    }
}

std::vector<std::string> TForm3::listPorts() {
    std::vector<std::string> names;
    for (const QString& name : m_portSource ? m_portSource() : enumeratePorts()) {
        names.push_back(name.toStdString());
    }
    return names;
}

void TForm3::after(int ms, std::function<void()> action) {
    QTimer::singleShot(ms, Qt::PreciseTimer, this, std::move(action));
}

}  // namespace aec
