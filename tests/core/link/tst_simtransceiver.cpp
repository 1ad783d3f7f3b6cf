// The simulated transceiver as the link's counterpart: its frame decoder, the parts that take
// the line in other modes, its record, its console and the talvaro-sim program.
#include "link/modem.h"
#include "sim/ptypair.h"
#include "sim/simconsole.h"
#include "sim/simpart.h"
#include "sim/simtransceiver.h"

#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

namespace {
QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}

QString framesText(const QList<SimFrame>& frames) {
    QStringList parts;
    for (const SimFrame& f : frames)
        parts << QStringLiteral("%1,%2").arg(f.number).arg(f.value);
    return parts.join(QLatin1Char(';'));
}

// A part that keeps what it is given and may hand the line back on a chosen byte.
class RecordingPart : public SimPart {
public:
    SimTransceiver* sim = nullptr;
    int backOn = -1;
    QByteArray got;
    int entered = 0, left = 0;
    void enter() override { ++entered; }
    void leave() override { ++left; }
    void byte(quint8 value, qint64) override {
        got.append(char(value));
        if (int(value) == backOn)
            sim->setMode(SimTransceiver::Mode::RunningDsp);
    }
};

struct Wire {
    SimTransceiver sim;
    Modem modem;
    Wire() { modem.openPort(sim.portPath()); }
    void write(const QByteArray& bytes, bool oneByOne) {
        for (char c : bytes) {
            modem.writeByte(quint8(c));
            if (oneByOne)
                sim.waitForBytes(int(sim.received().size()) + 1, 1000);
        }
    }
};
} // namespace

class TestSimTransceiver : public QObject {
    Q_OBJECT

private slots:
    // The running DSP counts bytes, it does not search: 0x7E opens a frame, the next two are
    // number and value whatever they are; other bytes outside a frame are dropped.
    void decodesFrames_data() {
        QTest::addColumn<QByteArray>("wire");
        QTest::addColumn<QString>("frames");
        QTest::addColumn<int>("stray");
        QTest::newRow("one frame") << hex("7E0C2C") << "12,44" << 0;
        QTest::newRow("switch on and off") << hex("7EFF017EFF00") << "255,1;255,0" << 0;
        QTest::newRow("tilde everywhere") << hex("7E7E7E") << "126,126" << 0;
        QTest::newRow("garbage before") << hex("41007E0102") << "1,2" << 2;
        QTest::newRow("half a frame at the end") << hex("7E7E7E7E00") << "126,126" << 0;
        QTest::newRow("value byte 7E, then garbage") << hex("7E017E") + hex("FF") << "1,126" << 1;
        QTest::newRow("nothing") << QByteArray() << "" << 0;
    }
    void decodesFrames() {
        QFETCH(QByteArray, wire);
        QFETCH(QString, frames);
        QFETCH(int, stray);
        for (bool oneByOne : {false, true}) {
            Wire w;
            QSignalSpy spy(&w.sim, &SimTransceiver::frameReceived);
            w.write(wire, oneByOne);
            w.sim.waitForBytes(int(wire.size()), 2000);
            QCOMPARE(w.sim.received(), wire);
            QCOMPARE(w.sim.arrivalTimes().size(), wire.size());
            QCOMPARE(framesText(w.sim.frames()), frames);
            QCOMPARE(spy.size(), w.sim.frames().size());
            QCOMPARE(w.sim.strayBytes(), stray);
            for (qsizetype i = 1; i < w.sim.arrivalTimes().size(); ++i)
                QVERIFY(w.sim.arrivalTimes()[i] >= w.sim.arrivalTimes()[i - 1]);
        }
    }

    void partsTakeTheLineInTheirModes() {
        Wire w;
        RecordingPart pic;
        pic.sim = &w.sim;
        pic.backOn = 0x58;
        w.sim.setPart(SimTransceiver::Mode::Pic, &pic);
        QSignalSpy modes(&w.sim, &SimTransceiver::modeChanged);

        w.sim.setMode(SimTransceiver::Mode::Pic);
        QCOMPARE(pic.entered, 1);
        // One read: the part takes bytes up to its 'X', the running DSP the rest.
        w.write(hex("7E0101 AA58 7E0505"), false);
        QVERIFY(w.sim.waitForFrames(1, 2000));
        QCOMPARE(pic.got, hex("7E0101AA58"));
        QCOMPARE(pic.left, 1);
        QCOMPARE(framesText(w.sim.frames()), QStringLiteral("5,5"));
        QCOMPARE(modes.size(), 2);

        // No part for the loader yet: its bytes are counted, not decoded.
        w.sim.setMode(SimTransceiver::Mode::DspLoader);
        w.write(hex("242424"), false);
        QVERIFY(w.sim.waitForBytes(11, 2000));
        QCOMPARE(w.sim.unhandledBytes(), 3);
        QCOMPARE(w.sim.frames().size(), 1);
    }

    // After a load or a PIC session the running DSP starts afresh; a test looking away
    // (clearRecord) does not change what the device is in the middle of.
    void halfFrames() {
        Wire w;
        w.write(hex("7E05"), false);
        QVERIFY(w.sim.waitForBytes(2, 2000));
        w.sim.setMode(SimTransceiver::Mode::Pic);
        w.sim.setMode(SimTransceiver::Mode::RunningDsp);
        w.write(hex("7E0606 7E01"), false);
        QVERIFY(w.sim.waitForBytes(7, 2000));
        QCOMPARE(framesText(w.sim.frames()), QStringLiteral("6,6"));
        w.sim.clearRecord();
        QVERIFY(w.sim.received().isEmpty() && w.sim.frames().isEmpty());
        w.write(hex("02"), false);
        QVERIFY(w.sim.waitForFrames(1, 2000));
        QCOMPARE(framesText(w.sim.frames()), QStringLiteral("1,2"));
        QCOMPARE(w.sim.received(), hex("02"));
    }

    void sendsTowardsTheLoader() {
        Wire w;
        QVERIFY(w.sim.send(hex("7E7E0102")));
        QTRY_COMPARE(w.modem.bytesAvailable(), qint64(4));
        char got[8] = {};
        QCOMPARE(w.modem.readData(got, 8), 4);
        QCOMPARE(QByteArray(got, 4), hex("7E7E0102"));
        QCOMPARE(w.sim.sentBytes(), hex("7E7E0102"));
        w.sim.hangUp();
        QVERIFY(!w.sim.send(hex("01")));
        QVERIFY(!w.sim.waitForBytes(1, 50));
    }

    // More than the line holds: the set must not wait for room, since the loader reads in
    // the same thread; the rest follows as the loader reads, in order.
    void longAnswerGoesOutAsTheLoaderReads() {
        Wire w;
        QByteArray dump;
        for (int i = 0; i < 65536; ++i)
            dump.append(char((i * 31) ^ (i >> 8)));
        QElapsedTimer t;
        t.start();
        QVERIFY(w.sim.send(dump));
        QVERIFY(w.sim.send(hex("EE")));
        QVERIFY(t.elapsed() < 1000);
        QVERIFY(w.sim.pty()->pendingWrite() > 0);
        // Nothing may overtake what waits.
        QCOMPARE(w.sim.sendSome(hex("DD")), qsizetype(0));
        QByteArray got;
        char buf[4096];
        while (got.size() < dump.size() + 1 && t.elapsed() < 10000) {
            QTest::qWait(1);
            for (int n; (n = w.modem.readData(buf, int(sizeof buf))) > 0;)
                got.append(buf, n);
        }
        QCOMPARE(got.size(), dump.size() + 1);
        QVERIFY(got == dump + hex("EE"));
        QCOMPARE(w.sim.pty()->pendingWrite(), qsizetype(0));
    }

    void consoleLines_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("known");
        QTest::addColumn<QStringList>("args");
        QTest::newRow("key") << "taste 0" << true << QStringList{QStringLiteral("0")};
        QTest::newRow("case and spaces")
            << "  TASTE   #  " << true << QStringList{QStringLiteral("#")};
        QTest::newRow("no arguments") << "taste" << true << QStringList{};
        QTest::newRow("unknown word") << "tastatur 1" << false << QStringList{};
        QTest::newRow("empty") << "" << false << QStringList{};
        QTest::newRow("blanks") << " \t " << false << QStringList{};
    }
    void consoleLines() {
        QFETCH(QString, line);
        QFETCH(bool, known);
        QFETCH(QStringList, args);
        int pipe[2];
        QVERIFY(::pipe(pipe) == 0);
        SimConsole console(pipe[0]);
        QStringList got;
        int calls = 0;
        console.addCommand(QStringLiteral("Taste"),
                           [&](const QStringList& a) { got = a, ++calls; });
        QCOMPARE(console.execute(line), known);
        QCOMPARE(calls, known ? 1 : 0);
        QCOMPARE(got, args);
        // The same line typed on the descriptor, split over two writes.
        const QByteArray typed = line.toLocal8Bit() + '\n';
        const qsizetype first = qMin<qsizetype>(2, typed.size() - 1);
        QVERIFY(::write(pipe[1], typed.constData(), size_t(first)) >= 0);
        QTest::qWait(5);
        QVERIFY(::write(pipe[1], typed.constData() + first, size_t(typed.size() - first)) >= 0);
        QTRY_COMPARE_WITH_TIMEOUT(calls, known ? 2 : 0, 1000);
        ::close(pipe[1]);
        ::close(pipe[0]);
    }

    void talvaroSimLogsFrames() {
        const QString program =
            QCoreApplication::applicationDirPath() + QStringLiteral("/../src/talvaro-sim");
        QVERIFY2(QFile::exists(program), qPrintable(program));
        QProcess sim;
        sim.start(program, {});
        QVERIFY(sim.waitForStarted(5000));
        QTRY_VERIFY_WITH_TIMEOUT(sim.canReadLine(), 5000);
        const QString path = QString::fromLocal8Bit(sim.readLine()).trimmed();
        QVERIFY(path.startsWith(QStringLiteral("/dev/")));
        Modem modem;
        QVERIFY(modem.openPort(path));
        for (char c : hex("7E0C2C 41 7EFF01"))
            modem.writeByte(quint8(c));
        QByteArray log;
        QTRY_VERIFY_WITH_TIMEOUT((log += sim.readAllStandardOutput()).count('\n') >= 2, 5000);
        const QStringList lines = QString::fromLocal8Bit(log).trimmed().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 2);
        QVERIFY2(lines[0].endsWith(QStringLiteral("Rahmen 7E 0C 2C  (Befehl 12, Wert 44)")),
                 qPrintable(lines[0]));
        QVERIFY2(lines[1].endsWith(QStringLiteral("Rahmen 7E FF 01  (Befehl 255, Wert 1)")),
                 qPrintable(lines[1]));
        // Unknown lines are ignored; "quit" ends it.
        sim.write("hallo\nquit\n");
        QVERIFY(sim.waitForFinished(5000));
        QCOMPARE(sim.exitStatus(), QProcess::NormalExit);
        QCOMPARE(sim.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestSimTransceiver)
#include "tst_simtransceiver.moc"
