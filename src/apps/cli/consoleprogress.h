// The progress of a transfer on stderr: percent, count, rate and time left, rewritten in
// place on a terminal and a line at a time elsewhere; with --json progress events instead;
// nothing with --quiet. It counts as cancelled once SIGINT has come.
#pragma once

#include "link/progress.h"

#include <QElapsedTimer>
#include <QString>

class Interrupt;
class Output;

class ConsoleProgress : public Progress {
    Q_OBJECT
public:
    ConsoleProgress(Output& out, Interrupt& interrupt, const QString& label, int minimum,
                    int maximum, const QString& unit = QStringLiteral("Bytes"));
    ~ConsoleProgress() override;

    void setRange(int minimum, int maximum) override;
    void setValue(int value) override;
    bool wasCanceled() const override;
    void finish() override;

    int value() const { return m_value; }
    // Units per second since the first value, 0 while too little time has passed to say.
    double rate() const;
    // Seconds still to go at that rate; -1 while unknown.
    double secondsLeft() const;

    // "1:05" for 65 s, "1:01:05" from an hour on, "--:--" for unknown.
    static QString duration(double seconds);

private:
    void show(bool last);

    Output& m_out;
    Interrupt& m_interrupt;
    QString m_label;
    QString m_unit;
    int m_minimum;
    int m_maximum;
    int m_value;
    int m_firstValue = 0;
    bool m_started = false;
    bool m_finished = false;
    bool m_shown = false;
    QElapsedTimer m_clock;
    qint64 m_lastShownMs = -1;
};
