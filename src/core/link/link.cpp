#include "link.h"

#include "modem.h"
#include "progress.h"

#include <QEventLoop>
#include <QPointer>
#include <QSerialPort>
#include <QThread>
#include <QTimer>

#ifdef Q_OS_LINUX
#include <sys/prctl.h>
#include <time.h>
#endif

namespace {
constexpr qint64 kMs = 1'000'000;
// The event loop hands over to a short sleep this long before the deadline: a Qt timer
// counts whole milliseconds and fires up to ~0.1 ms late, so it must not aim at the deadline.
constexpr qint64 kWakeEarly = 400'000;

// Sleeps the last fraction of a millisecond. The thread's timer slack (50 us by default on
// Linux) would make every paced byte that much late, a few per cent at 2 ms per byte, so it
// is lowered for this one sleep and put back.
void sleepPrecisely(qint64 ns) {
#ifdef Q_OS_LINUX
    const int slack = prctl(PR_GET_TIMERSLACK, 0, 0, 0, 0);
    prctl(PR_SET_TIMERSLACK, 1UL, 0, 0, 0);
    timespec ts{};
    ts.tv_sec = time_t(ns / 1'000'000'000);
    ts.tv_nsec = long(ns % 1'000'000'000);
    nanosleep(&ts, nullptr);
    if (slack > 0)
        prctl(PR_SET_TIMERSLACK, static_cast<unsigned long>(slack), 0, 0, 0);
#else
    QThread::usleep(static_cast<unsigned long>((ns + 999) / 1000));
#endif
}

int loopLevel() {
    return QThread::currentThread()->loopLevel();
}

// Every Link alive, for Pumping without a Link of its own. GUI thread only, like the Links.
QList<Link*>& allLinks() {
    static QList<Link*> links;
    return links;
}
} // namespace

Link::Link(Modem* modem, QObject* parent) : QObject(parent), m_modem(modem) {
    m_clock.start();
    allLinks().append(this);
}

Link::~Link() {
    allLinks().removeOne(this);
}

Link::Pumping::Pumping(Link* link) {
    if (link)
        m_links.append(link);
    else
        for (Link* l : allLinks())
            m_links.append(l);
    for (const QPointer<Link>& l : std::as_const(m_links))
        ++l->m_waitDepth;
}

Link::Pumping::~Pumping() {
    for (const QPointer<Link>& l : std::as_const(m_links))
        if (l)
            --l->m_waitDepth;
}

Link::Abbruch::Abbruch(Link& link, Progress* progress) : m_link(link), m_vorher(link.m_abbruch) {
    m_link.m_abbruch = progress;
}

Link::Abbruch::~Abbruch() {
    m_link.m_abbruch = m_vorher;
}

void Link::setModem(Modem* modem) {
    m_modem = modem;
}

Modem* Link::modem() const {
    return m_modem;
}

void Link::setDelays(int pic, int dsp, int param) {
    m_picDelay = qMax(0, pic);
    m_dspDelay = qMax(0, dsp);
    m_paramDelay = qMax(0, param);
}

void Link::waitUntil(qint64 deadlineNs) {
    ++m_waitCount;
    ++m_waitDepth;
    for (;;) {
        const qint64 remaining = deadlineNs - m_clock.nsecsElapsed();
        if (remaining <= 0)
            break;
        // Whole milliseconds the event loop may run before the short sleep takes over. A
        // timer of 0 ms would turn the loop into a spin, so below 1 ms the sleep does it all.
        const qint64 loopMs = (remaining - kWakeEarly) / kMs;
        if (loopMs <= 0) {
            sleepPrecisely(remaining);
            continue;
        }
        // Each wait has its own loop and timer: a wait begun from an event handled here
        // ends by its own deadline and leaves this one running to ours.
        QEventLoop loop;
        QTimer timer;
        timer.setTimerType(Qt::PreciseTimer);
        timer.setSingleShot(true);
        connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        timer.start(int(qMin<qint64>(loopMs, 1 << 30)));
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
    // A full driver queue is waited out with events running, a little at a time; a queue
    // that stays full for kVollMs is left to the write, whose failure then tells.
    // A cancel ends that wait at once: the person must not wait kVollMs for every byte.
    if (m_modem && !m_modem->schreibbereit()) {
        const qint64 bis = m_clock.nsecsElapsed() + qint64(kVollMs) * kMs;
        while (m_modem && !m_modem->schreibbereit() && m_clock.nsecsElapsed() < bis) {
            if ((m_abbruch && m_abbruch->wasCanceled()) || (m_aufgegeben && m_aufgegeben())) {
                // The rest of a frame whose first byte is out goes to the port's own buffer
                // at once, to follow when there is room: a frame is never cut.
                if (m_ganz)
                    break;
                ++m_verworfen;
                return;
            }
            warten(2);
        }
    }
    // The delay counts from the write, so the time the write takes is part of it.
    const qint64 written = m_clock.nsecsElapsed();
    m_lastDelay = delayMs;
    if (m_modem && m_modem->writeByte(value))
        emit byteWritten(value & 0xFF, written);
    if (delayMs > 0)
        waitUntil(written + qint64(delayMs) * kMs);
}

void Link::sendepic(int value) {
    send(value, m_picDelay);
}
void Link::sendedsp(int value) {
    send(value, m_dspDelay);
}
void Link::sendeparam(int value) {
    send(value, m_paramDelay);
}

bool Link::nestedSince(int waitBase, int loopBase) const {
    return m_waitDepth > waitBase || loopLevel() > loopBase;
}

void Link::dspframe(int number, int value) {
    if (!m_open)
        return;
    // A frame asked for from inside a wait (or a modal loop) of another frame or of a
    // transfer would put its bytes between theirs: it waits in the queue instead.
    const bool intrudes = (m_transfer && nestedSince(m_transferBase, m_transferLoop)) ||
                          (m_frameActive && nestedSince(m_frameBase, m_frameLoop));
    if (intrudes) {
        m_queue.append({number & 0xFF, value & 0xFF});
        return;
    }
    const bool outer = !m_frameActive;
    m_frameActive = true;
    m_frameBase = m_waitDepth;
    m_frameLoop = loopLevel();
    // A cancel may keep a frame off the line, but never cut one: once its first byte is
    // out, the other two follow whatever the cancel says.
    const quint64 verworfen = m_verworfen;
    sendeparam(0x7E);
    if (m_verworfen == verworfen) {
        const bool vorher = m_ganz;
        m_ganz = true;
        sendeparam(number & 0xFF);
        sendeparam(value & 0xFF);
        m_ganz = vorher;
        emit frameSent(number & 0xFF, value & 0xFF);
    }
    if (outer) {
        m_frameActive = false;
        if (!m_transfer)
            flushQueue();
    }
}

void Link::flushQueue() {
    // One flush at a time, iterating rather than recursing: every frame sent from here
    // would otherwise start a flush of its own, one stack level per queued frame.
    if (m_flushing)
        return;
    m_flushing = true;
    while (!m_queue.isEmpty() && !m_transfer && !m_frameActive) {
        const auto [number, value] = m_queue.takeFirst();
        dspframe(number, value);
    }
    m_flushing = false;
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

int Link::readData(char* buffer, int n) {
    return m_modem ? m_modem->readData(buffer, n) : 0;
}

Link::Wait Link::waitBytes(int n, Progress* progress) {
    // The answer belongs to the line this wait began on: a port reopened meanwhile (the
    // options accepted from a nested handler) is another line, and the wait ends.
    const QPointer<QSerialPort> line = m_modem ? m_modem->port() : nullptr;
    for (;;) {
        if (!m_modem || !line || m_modem->port() != line || !line->isOpen())
            return Wait::Closed;
        if (m_modem->lineDropped())
            return Wait::Closed;
        if (progress && progress->wasCanceled())
            return Wait::Canceled;
        if (line->bytesAvailable() == 0)
            line->waitForReadyRead(0);
        if (line->bytesAvailable() >= n)
            return Wait::Byte;
        QEventLoop loop;
        connect(line, &QSerialPort::readyRead, &loop, &QEventLoop::quit);
        connect(line, &QSerialPort::errorOccurred, &loop, &QEventLoop::quit);
        connect(line, &QSerialPort::aboutToClose, &loop, &QEventLoop::quit);
        // Reopening the port replaces it, closing the window deletes the modem: either ends
        // this wait, and the checks above decide what follows.
        connect(line, &QObject::destroyed, &loop, &QEventLoop::quit);
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
    // Begun from an event handled while a frame is half out: the frame cannot finish until
    // this handler returns, so the transfer's bytes would split it.
    if (m_frameActive && nestedSince(m_frameBase, m_frameLoop))
        return false;
    m_transfer = true;
    m_transferBase = m_waitDepth;
    m_transferLoop = loopLevel();
    return true;
}

void Link::endTransfer() {
    m_transfer = false;
    if (!m_frameActive)
        flushQueue();
}
