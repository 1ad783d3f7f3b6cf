// How far a running transfer is, how fast it goes and how long it will still take. Until
// there is enough to measure, the time per step is the one the configured write delay
// promises; over the first seconds the measured rate takes over. A transfer that stops
// moving (the set waits for a key, the line is silent) has no time left to tell.
#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>
#include <utility>

class TransferEta {
public:
    // The window over which the rate is measured, and how long the measurement takes to
    // outweigh the expectation from the configuration.
    static constexpr qint64 kWindowMs = 3000;
    static constexpr qint64 kSettleMs = 2000;
    // No step for this long: the transfer is waiting, not slow.
    static constexpr qint64 kStallMs = 2000;

    // total: the steps of the whole transfer; expectedMsPerStep: what one step should take
    // by the configuration (0: no expectation).
    explicit TransferEta(qint64 total = 0, double expectedMsPerStep = 0.0);

    void setTotal(qint64 total) { m_total = total; }
    void setExpectedMsPerStep(double ms) { m_expected = ms > 0.0 ? ms : 0.0; }
    qint64 total() const { return m_total; }
    qint64 done() const { return m_samples.isEmpty() ? 0 : m_samples.last().second; }
    double expectedMsPerStep() const { return m_expected; }

    // The transfer reached value at nowMs (a monotonic clock). Values that go back start
    // the measurement afresh.
    void sample(qint64 value, qint64 nowMs);

    // Steps per second, measured over the last kWindowMs up to nowMs; 0 while stalled.
    double measuredRate(qint64 nowMs) const;
    // The time per step, the expectation blended into the measurement; 0 when neither
    // tells anything (nothing expected and nothing measured yet, or stalled).
    double msPerStep(qint64 nowMs) const;
    // Steps per second as shown: 1000 / msPerStep, 0 when unknown.
    double rate(qint64 nowMs) const;
    // Milliseconds still to go; 0 when done, -1 when unknown (stalled, or nothing to go by).
    qint64 remainingMs(qint64 nowMs) const;
    // Nothing moved for kStallMs.
    bool stalled(qint64 nowMs) const;

    // "2:31" below an hour, "1:02:05" above; negative values give "-:--".
    static QString formatDuration(qint64 ms);

private:
    // The oldest sample that still bounds the window ending at nowMs.
    std::pair<qint64, qint64> anchor(qint64 nowMs) const;

    qint64 m_total = 0;
    double m_expected = 0.0;
    qint64 m_lastChange = 0;
    // (time ms, value), in time order; the first one is where the measurement starts.
    QList<std::pair<qint64, qint64>> m_samples;
};
