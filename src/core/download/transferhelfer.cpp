#include "download/transferhelfer.h"

#include "link/link.h"

#include <QCoreApplication>

namespace download {

TransferGuard::TransferGuard(Link& link) : m_link(link), m_acquired(link.beginTransfer()) {}

TransferGuard::~TransferGuard() {
    if (m_acquired)
        m_link.endTransfer();
}

Geschrieben::Geschrieben(Link& link, qint64* ziel) : m_ziel(ziel) {
    m_verbindung = QObject::connect(&link, &Link::byteWritten, [this] { ++m_anzahl; });
}

Geschrieben::~Geschrieben() {
    QObject::disconnect(m_verbindung);
    if (m_ziel)
        *m_ziel = m_anzahl;
}

bool leitungWeg(Link& link) {
    // A wait for no bytes returns at once, unless the port is gone or its line dropped.
    return link.waitBytes(0, nullptr) == Link::Wait::Closed;
}

void ereignisse(Link& link) {
    // Marked as pumping, so that a frame asked for from a handler here waits in the queue
    // instead of landing between the bytes of the transfer.
    Link::Pumping pumping(&link);
    QCoreApplication::processEvents();
}

void ereignisseNach(Link& link, int delayMs) {
    // A wait of 2 ms and more runs an event loop of its own; a shorter one only sleeps.
    if (delayMs < 2)
        ereignisse(link);
}

static QString fehlerTitel() {
    return QCoreApplication::translate("vantrel", "Error!");
}

TransferResult besetzt() {
    return TransferResult::failed(
        fehlerTitel(),
        QCoreApplication::translate("vantrel", "Es laeuft bereits eine Uebertragung!"));
}

TransferResult unterbrochen() {
    return TransferResult::failed(
        fehlerTitel(),
        QCoreApplication::translate("vantrel", "Die Verbindung zum Talvaro ist unterbrochen!"));
}

TransferResult nichtOffenFehler() {
    return TransferResult::failed(
        fehlerTitel(), QCoreApplication::translate("vantrel", "Die RS232 ist nicht offen!"));
}

QString nichtOffen() {
    return QCoreApplication::translate("vantrel", "Die RS232 ist nicht offen! Nichts gesendet.");
}

QString abgebrochen(qint64 done, qint64 total) {
    return QCoreApplication::translate("vantrel", "Abgebrochen nach %1 von %2 Bytes")
        .arg(done)
        .arg(total);
}

QString fehlgeschlagen(qint64 done, qint64 total) {
    return QCoreApplication::translate("vantrel", "Fehlgeschlagen nach %1 von %2 Bytes")
        .arg(done)
        .arg(total);
}

} // namespace download
