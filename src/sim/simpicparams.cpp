#include "simpicparams.h"

#include "simtransceiver.h"

#include <QTimer>

SimPicParams::SimPicParams(SimTransceiver* sim, QObject* parent)
    : QObject(parent), m_sim(sim), m_timer(new QTimer(this)) {
    m_timer->setInterval(2);
    connect(m_timer, &QTimer::timeout, this, &SimPicParams::sendMore);
    m_area = area({});
}

QByteArray SimPicParams::area(const QMap<int, SimPicParam>& table) {
    QByteArray a(areaSize, tailByte);
    // Nine columns of 90, the PIC's own order: the limits stand upper before lower.
    for (int nr = 10; nr <= 99; ++nr) {
        const SimPicParam p = table.value(nr, SimPicParam{});
        const bool known = table.contains(nr);
        const int column[9] = {p.ssb[0], p.ssb[1], p.ssb[2], p.max,  p.min,
                               p.cw[0],  p.cw[1],  p.cw[2],  p.einer};
        for (int c = 0; c < 9; ++c)
            a[c * 90 + (nr - 10)] = char(known ? column[c] & 0xFF : 0xFF);
    }
    return a;
}

void SimPicParams::setSendRate(int bytes, int intervalMs) {
    m_chunk = qMax(1, bytes);
    m_timer->setInterval(qMax(0, intervalMs));
}

bool SimPicParams::sending() const {
    return m_timer->isActive();
}

void SimPicParams::function995(int delayMs) {
    m_pos = 0;
    m_timer->stop();
    QTimer::singleShot(qMax(0, delayMs), this, [this] { m_timer->start(); });
}

void SimPicParams::sendMore() {
    const int end = m_stopAfter >= 0 ? qMin(m_stopAfter, int(m_area.size())) : int(m_area.size());
    const int n = qMin(m_chunk, end - m_pos);
    if (n > 0) {
        const qsizetype sent = m_sim->sendSome(m_area.mid(m_pos, n));
        if (sent < 0) {
            m_timer->stop();
            return;
        }
        m_pos += int(sent);
    }
    if (m_pos >= end) {
        m_timer->stop();
        emit finished();
    }
}
