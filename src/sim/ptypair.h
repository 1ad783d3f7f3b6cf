// A pseudo-terminal pair for the simulated transceiver: it holds the master side and
// publishes the slave path, which the loader opens as its serial port. Both sides are raw,
// so bytes pass unchanged.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;

class PtyPair : public QObject {
    Q_OBJECT
public:
    explicit PtyPair(QObject* parent = nullptr);
    ~PtyPair() override;

    bool isValid() const { return m_master >= 0; }
    // The path the loader opens, for example /dev/pts/3.
    QString slavePath() const { return m_slavePath; }

    // Writes bytes to the loader's side, never waiting: what the line does not take now is
    // kept and goes out, in order, as the loader reads (it reads in the same thread, so
    // waiting for room would wait for ever). False when the master is closed.
    bool write(const QByteArray& bytes);
    // Writes as much of bytes as the line takes now, without waiting: the count written,
    // -1 when the master is closed. Nothing while bytes of write() still wait, so that the
    // order on the line stays the order of the calls.
    qsizetype writeSome(const QByteArray& bytes);
    // Bytes given to write() that the line has not taken yet.
    qsizetype pendingWrite() const { return m_out.size(); }
    // Everything that has arrived from the loader so far; never waits.
    QByteArray readAll();
    // Closes the master: the line drops for the loader.
    void hangUp();

signals:
    // Bytes have arrived from the loader.
    void readyRead();

private:
    int m_master = -1;
    int m_slaveKeep = -1;
    QString m_slavePath;
    QSocketNotifier* m_notifier = nullptr;
    QSocketNotifier* m_writeNotifier = nullptr;
    QByteArray m_out;

    void flushOut();
};
