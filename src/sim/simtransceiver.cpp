#include "simtransceiver.h"

#include "ptypair.h"
#include "simpart.h"

#include <QEventLoop>
#include <QTimer>

namespace {
int index(SimTransceiver::Mode mode) {
    return static_cast<int>(mode);
}
constexpr quint8 kFrameStart = 0x7E;
} // namespace

SimTransceiver::SimTransceiver(QObject* parent) : QObject(parent), m_pty(new PtyPair(this)) {
    qRegisterMetaType<SimFrame>();
    m_clock.start();
    connect(m_pty, &PtyPair::readyRead, this, &SimTransceiver::onReadyRead);
}

SimTransceiver::~SimTransceiver() = default;

bool SimTransceiver::isValid() const {
    return m_pty->isValid();
}

QString SimTransceiver::portPath() const {
    return m_pty->slavePath();
}

void SimTransceiver::setMode(Mode mode) {
    if (mode == m_mode)
        return;
    if (SimPart* old = m_parts[index(m_mode)])
        old->leave();
    m_mode = mode;
    // The running DSP starts afresh after a load or a PIC session, like the real one after
    // its reset: no half frame from before survives.
    if (mode == Mode::RunningDsp)
        m_frameState = 0;
    if (SimPart* now = m_parts[index(m_mode)])
        now->enter();
    emit modeChanged(mode);
}

void SimTransceiver::setPart(Mode mode, SimPart* part) {
    m_parts[index(mode)] = part;
}

SimPart* SimTransceiver::part(Mode mode) const {
    return m_parts[index(mode)];
}

QList<std::pair<int, int>> SimTransceiver::framePairs() const {
    QList<std::pair<int, int>> pairs;
    pairs.reserve(m_frames.size());
    for (const SimFrame& f : m_frames)
        pairs.append({f.number, f.value});
    return pairs;
}

void SimTransceiver::clearRecord() {
    m_received.clear();
    m_arrival.clear();
    m_frames.clear();
    m_sent.clear();
    m_stray = 0;
    m_unhandled = 0;
}

bool SimTransceiver::send(const QByteArray& bytes) {
    if (!m_pty->write(bytes))
        return false;
    m_sent.append(bytes);
    return true;
}

qsizetype SimTransceiver::sendSome(const QByteArray& bytes) {
    const qsizetype n = m_pty->writeSome(bytes);
    if (n > 0)
        m_sent.append(bytes.left(n));
    return n;
}

void SimTransceiver::hangUp() {
    m_pty->hangUp();
}

void SimTransceiver::poll() {
    onReadyRead();
}

void SimTransceiver::onReadyRead() {
    const QByteArray bytes = m_pty->readAll();
    if (bytes.isEmpty())
        return;
    const qint64 t = nowNs();
    m_received.append(bytes);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        m_arrival.append(t);
    emit bytesReceived(bytes, t);
    for (const char c : bytes) {
        const auto value = static_cast<quint8>(c);
        SimPart* part = m_parts[index(m_mode)];
        if (m_mode == Mode::RunningDsp) {
            runningDspByte(value, t);
            if (part && m_mode == Mode::RunningDsp)
                part->byte(value, t);
        } else if (part) {
            part->byte(value, t);
        } else {
            ++m_unhandled;
        }
    }
}

void SimTransceiver::runningDspByte(quint8 value, qint64 timeNs) {
    // Positional, like the firmware: 0x7E opens a frame, the next two bytes are number and
    // value whatever they are (0x7E included), so a frame can never be split or merged.
    switch (m_frameState) {
    case 0:
        if (value == kFrameStart)
            m_frameState = 1;
        else
            ++m_stray;
        break;
    case 1:
        m_frameNumber = value;
        m_frameState = 2;
        break;
    default: {
        m_frameState = 0;
        const SimFrame frame{m_frameNumber, value, timeNs};
        m_frames.append(frame);
        emit frameReceived(frame);
        break;
    }
    }
}

bool SimTransceiver::waitUntil(const std::function<bool()>& done, int timeoutMs) {
    poll();
    if (done())
        return true;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(this, &SimTransceiver::bytesReceived, &loop, [&] {
        // Asked once the whole read has been handed out, so frames decoded from it count.
        QTimer::singleShot(0, &loop, [&] {
            if (done())
                loop.quit();
        });
    });
    timer.start(qMax(0, timeoutMs));
    loop.exec();
    return done();
}

bool SimTransceiver::waitForFrames(int n, int timeoutMs) {
    return waitUntil([this, n] { return m_frames.size() >= n; }, timeoutMs);
}

bool SimTransceiver::waitForBytes(int n, int timeoutMs) {
    return waitUntil([this, n] { return m_received.size() >= n; }, timeoutMs);
}
