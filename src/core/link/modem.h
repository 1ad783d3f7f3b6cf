// The one serial line to the transceiver: opens a port by name at 9600 8N2 without handshake,
// reads without ever waiting, writes one byte at a time and reports its state as a short text.
#pragma once

#include "link/portzugriff.h"

#include <QObject>
#include <QString>

class QSerialPort;

class Modem : public QObject {
    Q_OBJECT
public:
    explicit Modem(QObject* parent = nullptr);
    ~Modem() override;

    // Opens and configures the port with DTR and RTS inactive. Emits the name as given on
    // success, "?" on failure. A port another program holds is refused without touching it,
    // also when the program runs as root.
    bool openPort(const QString& name);
    // Whether the last openPort found the port held by another program, and by whom.
    const portzugriff::Belegung& belegung() const { return m_belegung; }
    // Closes the port if it is open; always emits "?" and returns true.
    bool closePort();
    // Reads at most n bytes of what has already arrived; 0 when nothing waits. Never waits.
    int readData(char* buffer, int n);
    // Writes the low 8 bits of value and hands the byte to the driver now.
    bool writeByte(int value);
    // The driver takes a byte now. False while its queue is full (a far end that reads more
    // slowly than the bytes come): the writer waits for room instead of handing the byte to a
    // queue that refuses it, which the port would report as a lost line.
    bool schreibbereit() const;

    bool isOpen() const;
    // Bytes that arrived and were not read yet.
    qint64 bytesAvailable() const;
    // A read failed for good since the open: the line is gone (the port closes itself soon).
    bool lineDropped() const;
    // The serial port itself, for waits on readyRead; null while none was ever opened.
    QSerialPort* port() const { return m_port; }

    // The device path the name stands for on this platform: on Windows "COM1".."COM9" as
    // written and longer names behind the device-namespace prefix; on Linux "COMn" is
    // /dev/ttyS(n-1) and any other name is taken as given.
    static QString systemPortName(const QString& name);

    // The bytes the port keeps for the reader, as the set's own queues hold them.
    static constexpr qint64 kLesepuffer = 4096;
    // How long a close waits for the port's own buffer to go out to a line that stalls.
    static constexpr int kAbflussMs = 1000;

signals:
    void setTtyText(const QString& text);
    // The line dropped and the port closed itself (after setTtyText("?")).
    void leitungWeg();
    // Every byte written and read, for a serial trace.
    void traffic(bool sent, const QByteArray& bytes);

private:
    void lineLost();

    QSerialPort* m_port = nullptr;
    portzugriff::Belegung m_belegung;
};
