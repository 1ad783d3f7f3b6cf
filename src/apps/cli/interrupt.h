// SIGINT (and SIGTERM) as a cancel button: the signal handler only writes a byte to a pipe;
// the event loop picks it up, so the cancel reaches a Link wait through Progress::canceled
// and the transfer ends the way it ends in the window. A second SIGINT ends the program at
// once, for a run that no longer listens.
#pragma once

#include <QObject>

class QSocketNotifier;
class QTimer;

class Interrupt : public QObject {
    Q_OBJECT
public:
    explicit Interrupt(QObject* parent = nullptr);
    ~Interrupt() override;

    // The signal has come.
    bool triggered() const { return m_triggered; }

signals:
    void interrupted();

private:
    void take();

    bool m_triggered = false;
    QSocketNotifier* m_notifier = nullptr;
    QTimer* m_poll = nullptr;
};
