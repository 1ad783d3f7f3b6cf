// The serial port on a real pseudo-terminal: open, close, reads that never wait, writes.
#include "link/modem.h"
#include "sim/ptypair.h"

#include <QElapsedTimer>
#include <QSerialPort>
#include <QSignalSpy>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <termios.h>
#endif

class TestModem : public QObject {
    Q_OBJECT

    static QByteArray readFar(PtyPair& pty, int n, int timeoutMs = 2000) {
        QByteArray got;
        QElapsedTimer t;
        t.start();
        while (got.size() < n && t.elapsed() < timeoutMs) {
            QTest::qWait(5);
            got += pty.readAll();
        }
        return got;
    }

private slots:
    void openEmitsTheNameAsGiven() {
        PtyPair pty;
        QVERIFY(pty.isValid());
        Modem m;
        QSignalSpy spy(&m, &Modem::setTtyText);
        QVERIFY(m.openPort(pty.slavePath()));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), pty.slavePath());
        QVERIFY(m.isOpen());
        QVERIFY(m.closePort());
        QCOMPARE(spy.last().at(0).toString(), QStringLiteral("?"));
    }

    void missingDeviceFails() {
        Modem m;
        QSignalSpy spy(&m, &Modem::setTtyText);
        QVERIFY(!m.openPort(QStringLiteral("/dev/talvaro-no-such-port")));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("?"));
        QVERIFY(!m.isOpen());
        QVERIFY(!m.writeByte(0x41));
    }

    void closingAClosedPort() {
        Modem m;
        QSignalSpy spy(&m, &Modem::setTtyText);
        QVERIFY(m.closePort());
        QVERIFY(m.closePort());
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(1).at(0).toString(), QStringLiteral("?"));
    }

    void readNeverWaits() {
        PtyPair pty;
        Modem m;
        QVERIFY(m.openPort(pty.slavePath()));
        char buf[16];
        QElapsedTimer t;
        t.start();
        QCOMPARE(m.readData(buf, sizeof buf), 0);
        QVERIFY(t.elapsed() < 50);

        QVERIFY(pty.write(QByteArray("\x01\x7e\xff", 3)));
        QByteArray got;
        QElapsedTimer w;
        w.start();
        while (got.size() < 3 && w.elapsed() < 2000) {
            const int n = m.readData(buf, sizeof buf);
            got.append(buf, n);
            if (n == 0)
                QTest::qWait(2);
        }
        QCOMPARE(got, QByteArray("\x01\x7e\xff", 3));
    }

#ifdef Q_OS_UNIX
    // A read that finds nothing on a port signalled readable (here an end-of-file character
    // in canonical mode) is no lost line.
    void anEmptyReadIsNoDrop() {
        PtyPair pty;
        Modem m;
        QVERIFY(m.openPort(pty.slavePath()));
        QSignalSpy weg(&m, &Modem::leitungWeg);
        termios t{};
        QVERIFY(::tcgetattr(int(m.findChild<QSerialPort*>()->handle()), &t) == 0);
        t.c_lflag |= ICANON;
        t.c_cc[VEOF] = 0x04;
        QVERIFY(::tcsetattr(int(m.findChild<QSerialPort*>()->handle()), TCSANOW, &t) == 0);
        QVERIFY(pty.write(QByteArray(1, '\x04')));
        QTest::qWait(200);
        QCOMPARE(weg.count(), 0);
        QVERIFY(m.isOpen() && !m.lineDropped());
    }
#endif

    void writesArriveInOrder() {
        PtyPair pty;
        Modem m;
        QVERIFY(m.openPort(pty.slavePath()));
        QByteArray expected;
        for (int i = 0; i < 300; ++i) {
            QVERIFY(m.writeByte(i * 7 + 0x100)); // only the low 8 bits go out
            expected.append(char((i * 7) & 0xFF));
        }
        QCOMPARE(readFar(pty, expected.size()), expected);
    }

    void portNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("device");
#ifdef Q_OS_WIN
        QTest::newRow("COM3") << "COM3"
                              << "COM3";
        QTest::newRow("COM12") << "COM12"
                               << "\\\\.\\COM12";
#else
        QTest::newRow("COM1") << "COM1"
                              << "/dev/ttyS0";
        QTest::newRow("COM12") << "COM12"
                               << "/dev/ttyS11";
        QTest::newRow("ttyUSB0") << "ttyUSB0"
                                 << "/dev/ttyUSB0";
        QTest::newRow("absolute") << "/dev/pts/3"
                                  << "/dev/pts/3";
        QTest::newRow("COM0 is no COM port") << "COM0"
                                             << "/dev/COM0";
        QTest::newRow("trailing blank kept") << "COM1 "
                                             << "/dev/COM1 ";
#endif
    }
    void portNames() {
        QFETCH(QString, name);
        QFETCH(QString, device);
        QCOMPARE(Modem::systemPortName(name), device);
    }
};

QTEST_GUILESS_MAIN(TestModem)
#include "tst_modem.moc"
