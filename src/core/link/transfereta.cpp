#include "link/transfereta.h"

#include <algorithm>
#include <cmath>

TransferEta::TransferEta(qint64 total, double expectedMsPerStep) : m_total(total) {
    setExpectedMsPerStep(expectedMsPerStep);
}

void TransferEta::sample(qint64 value, qint64 nowMs) {
    if (m_samples.isEmpty() || value < m_samples.last().second) {
        m_samples = {{nowMs, value}};
        m_lastChange = nowMs;
        return;
    }
    if (value == m_samples.last().second)
        return;
    // Moving again after a stall: the wait says nothing about the pace, so the measurement
    // starts over from the step that was reached before it.
    if (nowMs - m_lastChange >= kStallMs)
        m_samples = {{nowMs, m_samples.last().second}};
    m_samples.append({nowMs, value});
    m_lastChange = nowMs;
    // Keep one sample older than the window as its anchor; older ones say nothing more.
    while (m_samples.size() > 2 && m_samples.at(1).first <= nowMs - kWindowMs)
        m_samples.removeFirst();
}

std::pair<qint64, qint64> TransferEta::anchor(qint64 nowMs) const {
    std::pair<qint64, qint64> a = m_samples.first();
    for (const auto& s : m_samples) {
        if (s.first > nowMs - kWindowMs)
            break;
        a = s;
    }
    return a;
}

bool TransferEta::stalled(qint64 nowMs) const {
    return !m_samples.isEmpty() && nowMs - m_lastChange >= kStallMs;
}

double TransferEta::measuredRate(qint64 nowMs) const {
    if (m_samples.isEmpty() || stalled(nowMs))
        return 0.0;
    const auto [t0, v0] = anchor(nowMs);
    const qint64 span = nowMs - t0;
    if (span <= 0)
        return 0.0;
    return double(m_samples.last().second - v0) * 1000.0 / double(span);
}

double TransferEta::msPerStep(qint64 nowMs) const {
    if (m_samples.isEmpty())
        return m_expected;
    if (stalled(nowMs))
        return 0.0;
    const double r = measuredRate(nowMs);
    if (r <= 0.0)
        return m_expected;
    const double measured = 1000.0 / r;
    if (m_expected <= 0.0)
        return measured;
    const qint64 span = nowMs - m_samples.first().first;
    const double w = std::clamp(double(span) / double(kSettleMs), 0.0, 1.0);
    return w * measured + (1.0 - w) * m_expected;
}

double TransferEta::rate(qint64 nowMs) const {
    const double ms = msPerStep(nowMs);
    return ms > 0.0 ? 1000.0 / ms : 0.0;
}

qint64 TransferEta::remainingMs(qint64 nowMs) const {
    const qint64 left = m_total - done();
    if (left <= 0)
        return 0;
    const double ms = msPerStep(nowMs);
    if (ms <= 0.0)
        return -1;
    return qint64(std::llround(double(left) * ms));
}

QString TransferEta::formatDuration(qint64 ms) {
    if (ms < 0)
        return QStringLiteral("-:--");
    // Rounded up: "0:00" only once nothing is left.
    const qint64 s = (ms + 999) / 1000;
    const auto two = [](qint64 v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
    if (s >= 3600)
        return QStringLiteral("%1:%2:%3").arg(s / 3600).arg(two((s / 60) % 60), two(s % 60));
    return QStringLiteral("%1:%2").arg(s / 60).arg(two(s % 60));
}
