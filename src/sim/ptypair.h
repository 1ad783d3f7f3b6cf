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

    // Writes bytes to the loader's side; false when the master is closed.
    bool write(const QByteArray& bytes);
    // Writes as much of bytes as the line takes now, without waiting: the count written,
    // -1 when the master is closed. A long answer goes out this way in pieces, since the
    // loader reads in the same thread and a full line would otherwise never drain.
    qsizetype writeSome(const QByteArray& bytes);
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
};
