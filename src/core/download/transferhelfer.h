// What the download transfers share: the one-transfer-at-a-time guard, the check for a line
// that went away, one round of event handling between bytes, and the texts of their
// failures and of their log lines.
#pragma once

#include "link/transferresult.h"

#include <QObject>
#include <QString>

class Link;

namespace download {

// Holds the line for one transfer; ends it however the transfer returns.
class TransferGuard {
public:
    explicit TransferGuard(Link& link);
    ~TransferGuard();
    TransferGuard(const TransferGuard&) = delete;
    TransferGuard& operator=(const TransferGuard&) = delete;
    bool acquired() const { return m_acquired; }

private:
    Link& m_link;
    bool m_acquired = false;
};

// Counts the bytes handed to the port while it lives, and leaves the count in *ziel (if
// given) when it goes: what went on the line, whatever the transfer had meant to send.
class Geschrieben {
public:
    Geschrieben(Link& link, qint64* ziel);
    ~Geschrieben();
    Geschrieben(const Geschrieben&) = delete;
    Geschrieben& operator=(const Geschrieben&) = delete;
    qint64 anzahl() const { return m_anzahl; }

private:
    QMetaObject::Connection m_verbindung;
    qint64* m_ziel;
    qint64 m_anzahl = 0;
};

// The port is gone: never opened, closed since, or its line dropped.
bool leitungWeg(Link& link);
// Handles pending events once, as a wait would, so the window and the cancel button stay
// alive between bytes that need no wait.
void ereignisse(Link& link);
// The same after a byte paced by delayMs, unless that delay was long enough for its wait to
// have handled them already: a turn more would only lengthen every byte.
void ereignisseNach(Link& link, int delayMs);

// "Error!" boxes of the transfers.
TransferResult besetzt();
TransferResult unterbrochen();
// For a transfer that only listens and would otherwise wait for nothing.
TransferResult nichtOffenFehler();

// Log lines.
QString nichtOffen();
QString abgebrochen(qint64 done, qint64 total);
// A transfer that failed (the line dropped, an echo error) after done of total bytes.
QString fehlgeschlagen(qint64 done, qint64 total);

} // namespace download
