#include "tools/ctl_link.h"

#include <QEventLoop>
#include <ostream>

#include "link/port_enumeration.h"
#include "link/port_error_text.h"

namespace aec::tool {

namespace {

// A search walks every port once a second and gives up after the last; a full load gives up
// after its retries. Either ends well within this.
constexpr int kLinkUpMs = 120000;

}  // namespace

CtlLink::CtlLink(Model& model, std::vector<std::string> ports)
    : m_model(model), m_ports(std::move(ports)), m_connection(model, m_port, *this) {
    // Messages of the tool are English.
    m_model.setLanguageFlag(0);
    const std::pair<QTimer*, int> timers[] = {
        {&m_timer1, 1000}, {&m_timer2, 100}, {&m_holdTimer, 20}};
    for (const auto& [timer, ms] : timers) {
        timer->setInterval(ms);
        timer->setTimerType(Qt::PreciseTimer);
    }
    QObject::connect(&m_timer1, &QTimer::timeout, &m_context,
                     [this] { m_connection.Timer1Timer(); });
    QObject::connect(&m_timer2, &QTimer::timeout, &m_context,
                     [this] { m_connection.Timer2Timer(); });
    QObject::connect(&m_holdTimer, &QTimer::timeout, &m_context,
                     [this] { m_connection.HoldTimerTimer(); });
    m_port.setDataReceived([this](int /*count*/) { m_connection.ComPortRxChar(); });
}

CtlLink::~CtlLink() { m_port.setDataReceived({}); }

bool CtlLink::linkUp(std::ostream& err) {
    m_connection.LinkBtnClick(LinkSender::kLinkBtn);
    if (m_connection.ports().empty()) {
        err << "aec-ctl: no serial port found; is the processor's adapter plugged in?\n";
        m_connection.LinkBtnClick(LinkSender::kUnLinkBtn);
        return false;
    }
    const bool done = waitUntil(
        [this] {
            return m_connection.state().onLine() ||
                   (!m_connection.timer1Enabled() && !m_connection.timer2Enabled());
        },
        kLinkUpMs);
    if (done && m_connection.state().onLine()) {
        return true;
    }
    const bool searching = m_connection.stepIndex() == 0 && !m_connection.state().deviceAnswered;
    if (!m_connection.openFailures().empty()) {
        for (const PortOpenFailure& f : m_connection.openFailures()) {
            err << "aec-ctl: " << portErrorMessage(f.error, f.port, f.systemText).en << '\n';
        }
    } else if (searching) {
        err << "aec-ctl: no processor answered on "
            << (m_ports.empty() ? "any port" : m_ports.front())
            << "; check that it is switched on and connected\n";
    } else {
        err << "aec-ctl: the processor stopped answering while its settings were read\n";
    }
    setTimer(LinkTimer::kTimer1, false);
    setTimer(LinkTimer::kTimer2, false);
    return false;
}

void CtlLink::unlink() {
    if (m_connection.state().onLine()) {
        m_connection.LinkBtnClick(LinkSender::kUnLinkBtn);
    }
    m_port.close();
}

bool CtlLink::waitUntil(const std::function<bool()>& done, int timeoutMs,
                        const std::function<void()>& tick) {
    if (done()) {
        return true;
    }
    QEventLoop loop;
    QTimer pace;
    pace.setInterval(kWaitTickMs);
    bool reached = false;
    QObject::connect(&pace, &QTimer::timeout, &loop, [&] {
        if (tick) {
            tick();
        }
        if (done()) {
            reached = true;
            loop.quit();
        }
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    pace.start();
    loop.exec();
    return reached;
}

std::string CtlLink::portName() const { return m_connection.dialog().portName; }

void CtlLink::setTimer(LinkTimer which, bool enabled) {
    QTimer& t = which == LinkTimer::kTimer1   ? m_timer1
                : which == LinkTimer::kTimer2 ? m_timer2
                                              : m_holdTimer;
    if (!enabled) {
        t.stop();
    } else if (!t.isActive()) {
        t.start();
    }
}

std::vector<std::string> CtlLink::listPorts() {
    if (!m_ports.empty()) {
        return m_ports;
    }
    std::vector<std::string> names;
    for (const QString& name : enumeratePorts()) {
        names.push_back(name.toStdString());
    }
    return names;
}

void CtlLink::after(int ms, std::function<void()> action) {
    QTimer::singleShot(ms, Qt::PreciseTimer, &m_context, std::move(action));
}

}  // namespace aec::tool
