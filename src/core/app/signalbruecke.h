// SIGTERM, SIGINT and SIGHUP as an event: the handler only writes a byte into a socket pair,
// and a QSocketNotifier hands it to the event loop, where the program's own close-down runs.
// A second signal of any of them ends the program at once, for one that no longer listens.
#pragma once

#include <QObject>

class QSocketNotifier;
class QTimer;

class SignalBruecke : public QObject {
    Q_OBJECT
public:
    explicit SignalBruecke(QObject* parent = nullptr);
    ~SignalBruecke() override;
    // Signals are caught from construction on, but announced only from here on: one that
    // came earlier waits until whoever ends the program listens.
    void freigeben();

signals:
    // The first signal that came (its number).
    void angekommen(int signal);

private:
    void melden();

    QSocketNotifier* m_notifier = nullptr;
    QTimer* m_abfrage = nullptr;
    bool m_gemeldet = false;
};
