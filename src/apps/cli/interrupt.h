// SIGINT, SIGTERM and SIGHUP as a cancel button, through the session's signal bridge: the
// cancel reaches a Link wait through Progress::canceled and the transfer ends the way it
// ends in the window. A second signal ends the program at once, for a run that no longer
// listens.
#pragma once

#include <QObject>

class Interrupt : public QObject {
    Q_OBJECT
public:
    explicit Interrupt(QObject* parent = nullptr);

    // The signal has come.
    bool triggered() const { return m_triggered; }

signals:
    void interrupted();

private:
    bool m_triggered = false;
};
