// The progress of a transfer on stderr: percent, count, rate and time left, rewritten in
// place on a terminal and a line at a time elsewhere; with --json progress events instead;
// nothing with --quiet. It counts as cancelled once SIGINT has come.
#pragma once

#include "link/progress.h"
#include "link/transfereta.h"

#include <QElapsedTimer>
#include <QString>

class Interrupt;
class Output;

class ConsoleProgress : public Progress {
    Q_OBJECT
public:
    // expectedMsPerStep: what one step takes by the configured delays, for the time left
    // before there is a rate to measure.
    ConsoleProgress(Output& out, Interrupt& interrupt, const QString& label, int minimum,
                    int maximum, const QString& unit = QStringLiteral("Bytes"),
                    double expectedMsPerStep = 0.0);
    ~ConsoleProgress() override;

    void setRange(int minimum, int maximum) override;
    void setValue(int value) override;
    bool wasCanceled() const override;
    void finish() override;

    int value() const { return m_value; }

private:
    void show(bool last);

    Output& m_out;
    Interrupt& m_interrupt;
    QString m_label;
    QString m_unit;
    int m_minimum;
    int m_maximum;
    int m_value;
    TransferEta m_eta;
    // What one step costs on the line at the configured pace; 0 when unknown.
    double m_msProSchritt = 0.0;
    bool m_started = false;
    // When the first value came: a wait for the set before it is no part of the rate.
    qint64 m_firstMs = -1;
    bool m_finished = false;
    bool m_shown = false;
    QElapsedTimer m_clock;
    qint64 m_lastShownMs = -1;
};
