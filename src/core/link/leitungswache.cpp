#include "link/leitungswache.h"

#include "link/link.h"
#include "link/modem.h"
#include "link/portinfo.h"

#include <QFileInfo>
#include <QTimer>

Leitungswache::Leitungswache(Modem* modem, Link* link, std::function<QString()> konfiguriert,
                             QObject* parent)
    : QObject(parent), m_modem(modem), m_link(link), m_konfiguriert(std::move(konfiguriert)) {
    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("wiederverbinden"));
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, &Leitungswache::versuch);
    connect(modem, &Modem::leitungWeg, this, &Leitungswache::weg);
}

void Leitungswache::setWiederholen(bool on) {
    m_wiederholen = on;
    if (!on)
        beenden();
}

void Leitungswache::setIntervall(int ms) {
    m_timer->setInterval(ms);
}

void Leitungswache::weg() {
    // Whatever is done next must not take the line for open: no protocol starts on it, and
    // the title keeps the "?" the modem has just shown.
    if (m_link)
        m_link->setOpen(false);
    const QString port = m_konfiguriert();
    emit verloren(port);
    if (!m_wiederholen)
        return;
    m_port = port;
    m_timer->start();
}

void Leitungswache::geoeffnet(const QString& port, bool ok) {
    if (ok) {
        // Only now is the link there to be found: udev removes it with the adapter.
        const QString device = Modem::systemPortName(port);
        m_fest = PortInfo::byIdFuer(device);
        if (QFileInfo(device).absoluteFilePath() == m_fest)
            m_fest.clear();
    } else if (port != m_port) {
        m_fest.clear();
    }
    if (ok || port != m_port)
        beenden();
}

void Leitungswache::beenden() {
    m_timer->stop();
    m_port.clear();
}

void Leitungswache::versuch() {
    if (!m_modem || !m_link || m_konfiguriert() != m_port || m_modem->isOpen()) {
        beenden();
        return;
    }
    // A transfer that is still unwinding from the drop finishes on the old line first.
    if (m_link->transferActive())
        return;
    // The adapter by its stable name, under whatever name it came back; while that name is
    // missing, not the configured one either: another adapter may have taken it.
    const QString port = m_fest.isEmpty() ? m_port : m_fest;
#ifndef Q_OS_WIN
    // While the device is gone, not even an attempt: each would write "?" to the title and a
    // note into a trace.
    if (!QFileInfo::exists(Modem::systemPortName(port)))
        return;
#endif
    if (!m_modem->openPort(port))
        return;
    m_link->setOpen(true);
    beenden();
    emit wieder(port);
}
