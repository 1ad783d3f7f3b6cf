#include "link.h"

#include "modem.h"
#include "progress.h"

#include <QEventLoop>
#include <QSerialPort>
#include <QThread>
#include <QTimer>

namespace {
constexpr qint64 kMs = 1'000'000;
// Below this much remaining time the wait sleeps instead of starting another timer: a
// Qt timer has millisecond granularity and would overshoot the deadline.
constexpr qint64 kSleepBelow = 1'200'000;
} // namespace

Link::Link(Modem* modem, QObject* parent) : QObject(parent), m_modem(modem) { m_clock.start(); }

Link::~Link() = default;

void Link::setModem(Modem* modem) { m_modem = modem; }

void Link::setDelays(int pic, int dsp, int param) {
    m_picDelay = qMax(0, pic);
    m_dspDelay = qMax(0, dsp);
    m_paramDelay = qMax(0, param);
}

void Link::waitUntil(qint64 deadlineNs) {
    ++m_waitDepth;
    for (;;) {
        const qint64 remaining = deadlineNs - m_clock.nsecsElapsed();
        if (remaining <= 0)
            break;
        if (remaining < kSleepBelow) {
            QThread::usleep(static_cast<unsigned long>(remaining / 1000));
            continue;
        }
        // Wake a little early and sleep the rest, so the deadline is met closely.
        QEventLoop loop;
        QTimer timer;
        timer.setTimerType(Qt::PreciseTimer);
        timer.setSingleShot(true);
        connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        timer.start(int((remaining - kMs / 2) / kMs));
        loop.exec();
    }
    --m_waitDepth;
}

void Link::warten(int ms) {
    if (ms <= 0)
        return;
    waitUntil(m_clock.nsecsElapsed() + qint64(ms) * kMs);
}

void Link::send(int value, int delayMs) {
    if (m_modem)
        m_modem->writeByte(value);
    if (delayMs > 0)
        waitUntil(m_clock.nsecsElapsed() + qint64(delayMs) * kMs);
}

void Link::sendepic(int value) { send(value, m_picDelay); }
void Link::sendedsp(int value) { send(value, m_dspDelay); }
void Link::sendeparam(int value) { send(value, m_paramDelay); }

void Link::dspframe(int number, int value) {
    if (!m_open)
        return;
    // A frame asked for from inside a wait of another frame or transfer would put its bytes
    // between theirs: it waits in the queue instead.
    const bool intrudes = (m_transfer && m_waitDepth > m_transferBase) ||
                          (m_frameActive && m_waitDepth > m_frameBase);
    if (intrudes) {
        m_queue.append({number & 0xFF, value & 0xFF});
        return;
    }
    const bool outer = !m_frameActive;
    m_frameActive = true;
    m_frameBase = m_waitDepth;
    sendeparam(0x7E);
    sendeparam(number & 0xFF);
    sendeparam(value & 0xFF);
    emit frameSent(number & 0xFF, value & 0xFF);
    if (outer) {
        m_frameActive = false;
        if (!m_transfer)
            flushQueue();
    }
}

void Link::flushQueue() {
    while (!m_queue.isEmpty() && !m_transfer) {
        const auto [number, value] = m_queue.takeFirst();
        dspframe(number, value);
    }
}

bool Link::rs232leeren() {
    if (!m_open)
        return false;
    char scratch[256];
    return readData(scratch, int(sizeof scratch)) > 0;
}

void Link::leeren() {
    while (rs232leeren()) {
    }
}

int Link::readData(char* buffer, int n) { return m_modem ? m_modem->readData(buffer, n) : 0; }

Link::Wait Link::waitBytes(int n, Progress* progress) {
    for (;;) {
        if (!m_modem || !m_modem->isOpen() || !m_modem->port())
            return Wait::Closed;
        QSerialPort* port = m_modem->port();
        if (port->error() == QSerialPort::ResourceError)
            return Wait::Closed;
        if (progress && progress->wasCanceled())
            return Wait::Canceled;
        if (port->bytesAvailable() == 0)
            port->waitForReadyRead(0);
        if (port->bytesAvailable() >= n)
            return Wait::Byte;
        QEventLoop loop;
        connect(port, &QSerialPort::readyRead, &loop, &QEventLoop::quit);
        connect(port, &QSerialPort::errorOccurred, &loop, &QEventLoop::quit);
        connect(m_modem, &QObject::destroyed, &loop, &QEventLoop::quit);
        if (progress)
            connect(progress, &Progress::canceled, &loop, &QEventLoop::quit);
        ++m_waitDepth;
        loop.exec();
        --m_waitDepth;
    }
}

Link::Wait Link::waitByte(quint8* out, Progress* progress) {
    const Wait w = waitBytes(1, progress);
    if (w != Wait::Byte)
        return w;
    char c = 0;
    if (readData(&c, 1) != 1)
        return Wait::Closed;
    if (out)
        *out = quint8(c);
    return Wait::Byte;
}

bool Link::beginTransfer() {
    if (m_transfer)
        return false;
    m_transfer = true;
    m_transferBase = m_waitDepth;
    return true;
}

void Link::endTransfer() {
    m_transfer = false;
    if (!m_frameActive)
        flushQueue();
}
