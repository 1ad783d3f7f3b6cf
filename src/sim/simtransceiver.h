// The simulated Talvaro at the far end of a pseudo-terminal. It records every byte the loader
// sends with its arrival time and hands each byte to the part that listens in the current
// mode: the running DSP (command frames, decoded here on their own, sharing nothing with the
// loader's encoder), the DSP loader or the PIC (parts that plug in through SimPart).
#pragma once

#include "simframe.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <utility>

class PtyPair;
class SimPart;

class SimTransceiver : public QObject {
    Q_OBJECT
public:
    enum class Mode { RunningDsp, DspLoader, Pic };
    Q_ENUM(Mode)

    explicit SimTransceiver(QObject* parent = nullptr);
    ~SimTransceiver() override;

    // False when no pseudo-terminal could be had; then nothing else works.
    bool isValid() const;
    // The path the loader opens as its serial port, for example /dev/pts/3.
    QString portPath() const;
    PtyPair* pty() const { return m_pty; }

    Mode mode() const { return m_mode; }
    // The part of the old mode leaves, the new one enters; the following bytes go to it,
    // even the rest of a read that is being handed out (a byte may switch the mode).
    void setMode(Mode mode);

    // ---- hooks for the other parts of the set ----------------------------------------------
    // The part that takes the bytes in mode DspLoader or Pic (not owned; null removes it).
    // A part set for RunningDsp sees every byte after the built-in frame decoder has.
    void setPart(Mode mode, SimPart* part);
    SimPart* part(Mode mode) const;

    // ---- what arrived ----------------------------------------------------------------------
    // Every byte from the loader, in order, and beside each its arrival time (ns, nowNs).
    const QByteArray& received() const { return m_received; }
    const QList<qint64>& arrivalTimes() const { return m_arrival; }
    // Command frames the running DSP decoded, in order.
    const QList<SimFrame>& frames() const { return m_frames; }
    // The same frames as (number, value) pairs, the shape tests compare against.
    QList<std::pair<int, int>> framePairs() const;
    // Bytes the running DSP dropped because a frame should have started (no 0x7E) there.
    int strayBytes() const { return m_stray; }
    // Bytes that arrived in a mode without a part to take them.
    int unhandledBytes() const { return m_unhandled; }
    // Everything the set sent towards the loader.
    const QByteArray& sentBytes() const { return m_sent; }
    // Forgets the records above. A frame half received stays half received: the device does
    // not forget it because a test looked away.
    void clearRecord();

    // The set's clock, started with it; every arrival time is on it.
    qint64 nowNs() const { return m_clock.nsecsElapsed(); }

    // ---- the other direction and the line ----------------------------------------------------
    // Writes bytes towards the loader; false when the line is down.
    bool send(const QByteArray& bytes);
    // Writes what the line takes now of bytes, without waiting; the count, -1 when down.
    qsizetype sendSome(const QByteArray& bytes);
    // Drops the line for the loader: its port sees a hang-up.
    void hangUp();

    // Reads what has arrived right now, without waiting or pumping events.
    void poll();
    // Pump events until at least n frames (bytes) were recorded since the last clearRecord,
    // or timeoutMs passed; true when they are there.
    bool waitForFrames(int n, int timeoutMs);
    bool waitForBytes(int n, int timeoutMs);
    // Pump events until done() holds or timeoutMs passed; done() is asked after every read.
    bool waitUntil(const std::function<bool()>& done, int timeoutMs);

signals:
    void frameReceived(const SimFrame& frame);
    // One read from the line, already recorded, before its bytes are handed to the parts.
    void bytesReceived(const QByteArray& bytes, qint64 timeNs);
    void modeChanged(SimTransceiver::Mode mode);

private:
    void onReadyRead();
    void runningDspByte(quint8 value, qint64 timeNs);

    PtyPair* m_pty = nullptr;
    QElapsedTimer m_clock;
    Mode m_mode = Mode::RunningDsp;
    SimPart* m_parts[3] = {nullptr, nullptr, nullptr};

    QByteArray m_received;
    QList<qint64> m_arrival;
    QList<SimFrame> m_frames;
    QByteArray m_sent;
    int m_stray = 0;
    int m_unhandled = 0;

    // The running DSP's frame decoder: 0 waits for 0x7E, 1 for the number, 2 for the value.
    int m_frameState = 0;
    int m_frameNumber = 0;
};
