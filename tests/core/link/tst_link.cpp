// The paced line against the simulated transceiver on a real pseudo-terminal: frame bytes on
// the wire, pacing, waits that keep their own deadlines, frames that never interleave, the
// input flush and the waits for answers.
#include "link/link.h"
#include "link/modem.h"
#include "link/progress.h"
#include "sim/ptypair.h"
#include "sim/simtransceiver.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSerialPort>
#include <QSignalSpy>
#include <QThread>
#include <QTimer>

#include <QtTest>
#include <optional>
#include <thread>
#include <unistd.h>

#include <memory>

namespace {
constexpr qint64 kMs = 1'000'000;

// The loader's end of the line, open on the set's port, all delays 0 unless a case sets them.
struct Line {
    SimTransceiver sim;
    Modem modem;
    Link link{&modem};
    Line() {
        if (modem.openPort(sim.portPath()))
            link.setOpen(true);
        link.setDelays(0, 0, 0);
    }
};

class TestProgress : public Progress {
public:
    void setRange(int, int) override {}
    void setValue(int) override {}
    bool wasCanceled() const override { return m_canceled; }
    void cancel() {
        m_canceled = true;
        emit canceled();
    }

private:
    bool m_canceled = false;
};

// Runs f after ms on the event loop, as a timer slot of the window would.
void at(QObject* context, int ms, std::function<void()> f) {
    QTimer::singleShot(ms, Qt::PreciseTimer, context, std::move(f));
}

QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}
} // namespace

class TestLink : public QObject {
    Q_OBJECT

private slots:
    // A far end that reads more slowly than the bytes come fills the driver's queue: the
    // sender waits for room, and the line is not taken for lost.
    void fullQueueIsNoLostLine() {
        PtyPair pty;
        QVERIFY(pty.isValid());
        Modem modem;
        Link link(&modem);
        QVERIFY(modem.openPort(pty.slavePath()));
        link.setOpen(true);
        link.setDelays(0, 0, 0);
        QByteArray angekommen;
        QTimer leser;
        connect(&leser, &QTimer::timeout, &pty, [&] { angekommen += pty.readAll(); });
        QTimer::singleShot(500, &leser, [&leser] { leser.start(5); });
        constexpr int n = 40000;
        for (int i = 0; i < n; ++i)
            link.sendedsp(i);
        QTRY_COMPARE_WITH_TIMEOUT(angekommen.size(), qsizetype(n), 10000);
        QVERIFY(modem.isOpen() && !modem.lineDropped());
        QCOMPARE(quint8(angekommen.back()), quint8((n - 1) & 0xFF));
    }

    // With the queue stuck (the far end reads nothing at all), a cancel ends the wait for
    // room at once, not after Link::kVollMs for every byte: the progress's, and the one that
    // holds without a progress (talvaro-cli's Ctrl-C during a frame). A write the driver
    // refuses meanwhile (EAGAIN) is a full queue, not a lost line.
    void cancelWhileQueueStuck_data() {
        QTest::addColumn<int>("sender");
        QTest::addColumn<bool>("ohneProgress");
        QTest::newRow("PIC byte") << 0 << false;
        QTest::newRow("DSP loader byte") << 1 << false;
        QTest::newRow("frame") << 2 << false;
        QTest::newRow("frame, cancel without a progress") << 2 << true;
        // A frame a block must end with goes to the port's own buffer instead, and a close
        // hands it on for as long as the line takes it.
        QTest::newRow("frame held whole") << 3 << true;
    }
    void cancelWhileQueueStuck() {
        QFETCH(int, sender);
        QFETCH(bool, ohneProgress);
        PtyPair pty;
        Modem modem;
        Link link(&modem);
        QVERIFY(modem.openPort(pty.slavePath()));
        link.setOpen(true);
        for (int n = 0; modem.schreibbereit() && n < 1 << 22; ++n)
            modem.writeByte(n);
        // Full to the last byte: the port's own next write meets EAGAIN.
        while (::write(int(modem.port()->handle()), "x", 1) == 1) {
        }
        modem.writeByte(0x55);
        TestProgress progress;
        Link::Abbruch abbruch(link, ohneProgress ? nullptr : &progress);
        bool aufgegeben = false;
        link.setAufgegeben([&] { return aufgegeben; });
        at(&link, 100, [&] { ohneProgress ? void(aufgegeben = true) : progress.cancel(); });
        QElapsedTimer clock;
        clock.start();
        {
            std::optional<Link::Ganz> ganz;
            if (sender == 3)
                ganz.emplace(link);
            sender == 0   ? link.sendepic(0x23)
            : sender == 1 ? link.sendedsp(0x24)
                          : link.dspframe(1, 0);
        }
        QVERIFY2(clock.elapsed() < 600, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(link.verworfen(), quint64(sender == 3 ? 0 : 1));
        QVERIFY(modem.isOpen() && !modem.lineDropped());
        if (sender != 3)
            return;
        QCOMPARE(modem.port()->bytesToWrite(), qint64(4)); // 0x55 and the frame
        // The far end reads again while the close waits.
        QByteArray angekommen;
        std::thread leser([&] {
            QThread::msleep(200);
            for (QDeadlineTimer frist(700); !frist.hasExpired(); QThread::msleep(5))
                angekommen += pty.readAll();
        });
        QVERIFY(modem.closePort());
        leser.join();
        QVERIFY(angekommen.endsWith(hex("557E0100")));
    }

    void frameOnTheWire_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("value");
        QTest::addColumn<QByteArray>("wire");
        QTest::newRow("mute on") << 255 << 1 << hex("7EFF01");
        QTest::newRow("low 8 bits of each") << 300 << -1 << hex("7E2CFF");
        QTest::newRow("zero") << 0 << 0 << hex("7E0000");
        QTest::newRow("tilde as number and value") << 126 << 126 << hex("7E7E7E");
        QTest::newRow("negative number") << -256 << 511 << hex("7E00FF");
        QTest::newRow("parameter block open") << 108 << 1 << hex("7E6C01");
    }
    void frameOnTheWire() {
        QFETCH(int, number);
        QFETCH(int, value);
        QFETCH(QByteArray, wire);
        Line line;
        QVERIFY(line.link.isOpen());
        QSignalSpy sent(&line.link, &Link::frameSent);
        line.link.dspframe(number, value);
        QVERIFY(line.sim.waitForBytes(3, 2000));
        QVERIFY(!line.sim.waitForBytes(4, 100));
        QCOMPARE(line.sim.received(), wire);
        QCOMPARE(line.sim.frames().size(), 1);
        QCOMPARE(line.sim.frames()[0].number, quint8(wire[1]));
        QCOMPARE(line.sim.frames()[0].value, quint8(wire[2]));
        QCOMPARE(line.sim.strayBytes(), 0);
        QCOMPARE(sent.size(), 1);
        QCOMPARE(sent[0][0].toInt(), quint8(wire[1]));
    }

    // Whether a call writes and whether it waits: a frame needs rs232offen, a sender writes
    // to whatever port there is and always waits its delay.
    void writesAndWaits_data() {
        QTest::addColumn<bool>("rs232offen");
        QTest::addColumn<bool>("portOpen");
        QTest::addColumn<bool>("frame");
        QTest::addColumn<int>("delay");
        QTest::addColumn<int>("bytes");
        QTest::addColumn<int>("waits");
        QTest::newRow("frame, delay 0: no wait") << true << true << true << 0 << 3 << 0;
        QTest::newRow("frame, delay 5: three waits") << true << true << true << 5 << 3 << 3;
        QTest::newRow("frame, rs232 not open") << false << true << true << 5 << 0 << 0;
        QTest::newRow("frame, port gone too") << false << false << true << 5 << 0 << 0;
        QTest::newRow("sender, delay 0") << true << true << false << 0 << 1 << 0;
        QTest::newRow("sender, delay 5") << true << true << false << 5 << 1 << 1;
        QTest::newRow("sender, port closed still waits") << true << false << false << 5 << 0 << 1;
    }
    void writesAndWaits() {
        QFETCH(bool, rs232offen);
        QFETCH(bool, portOpen);
        QFETCH(bool, frame);
        QFETCH(int, delay);
        QFETCH(int, bytes);
        QFETCH(int, waits);
        Line line;
        line.link.setOpen(rs232offen);
        if (!portOpen)
            line.modem.closePort();
        line.link.setDelays(0, 0, delay);

        QObject context;
        bool pumped = false;
        at(&context, 0, [&] { pumped = true; });
        const quint64 before = line.link.waitCount();
        QElapsedTimer clock;
        clock.start();
        if (frame)
            line.link.dspframe(12, 34);
        else
            line.link.sendeparam(0x55);
        const qint64 took = clock.nsecsElapsed();

        QCOMPARE(line.link.waitCount() - before, quint64(waits));
        // A call that does not wait must not pump events either.
        QCOMPARE(pumped, waits > 0 && delay >= 2);
        QVERIFY(took >= qint64(waits) * delay * kMs);
        line.sim.waitForBytes(bytes + 1, 150);
        QCOMPARE(line.sim.received().size(), bytes);
    }

    // The pacing as the set sees it: every byte of a frame is followed by the delay.
    void gapsBetweenFrameBytes_data() {
        QTest::addColumn<int>("delay");
        QTest::newRow("5 ms") << 5;
        QTest::newRow("2 ms") << 2;
        QTest::newRow("11 ms") << 11;
    }
    void gapsBetweenFrameBytes() {
        QFETCH(int, delay);
        Line line;
        line.link.setDelays(0, 0, delay);
        QElapsedTimer clock;
        clock.start();
        QList<qint64> written; // on the test's clock, stamped after each write call
        QList<qint64> began;   // on the Link's clock, taken as each write began
        connect(&line.modem, &Modem::traffic, &line.link, [&](bool sent, const QByteArray&) {
            if (sent)
                written.append(clock.nsecsElapsed());
        });
        connect(&line.link, &Link::byteWritten, &line.link,
                [&](int, qint64 timeNs) { began.append(timeNs); });
        const qint64 called = clock.nsecsElapsed();
        line.link.dspframe(1, 1);
        const qint64 took = clock.nsecsElapsed() - called;
        QVERIFY(line.sim.waitForBytes(3, 2000));
        // The set's clock on the test's clock; read after the set's, so never too early.
        const qint64 simNow = line.sim.nowNs();
        const qint64 offset = simNow - clock.nsecsElapsed();

        // The frame is not done before the third byte's delay is over.
        QVERIFY2(took >= 3 * delay * kMs, qPrintable(QString::number(took)));
        QCOMPARE(written.size(), 3);
        QCOMPARE(began.size(), 3);
        QCOMPARE(line.sim.arrivalTimes().size(), 3);
        for (int i = 0; i < 3; ++i) {
            // Byte i cannot leave, nor arrive, before i delays have passed since the call;
            // a late stamp (the set reads when the loop gets round to it) only adds.
            const qint64 left = written[i] - called;
            const qint64 arrived = line.sim.arrivalTimes()[i] - offset - called;
            QVERIFY2(left >= i * delay * kMs, qPrintable(QString::number(left)));
            QVERIFY2(arrived >= i * delay * kMs, qPrintable(QString::number(arrived)));
            // Two writes are never closer than the delay.
            if (i > 0) {
                const qint64 gap = began[i] - began[i - 1];
                QVERIFY2(gap >= delay * kMs, qPrintable(QString::number(gap)));
            }
        }
    }

    void wartenZeroReturnsUntouched() {
        Line line;
        QObject context;
        bool pumped = false;
        at(&context, 0, [&] { pumped = true; });
        line.link.warten(0);
        line.link.warten(-5);
        QCOMPARE(line.link.waitCount(), quint64(0));
        QVERIFY(!pumped);
        line.link.warten(3);
        QCOMPARE(line.link.waitCount(), quint64(1));
        QVERIFY(pumped);
    }

    // A wait begun from a slot that runs inside another wait ends by its own deadline, and
    // the outer one still runs to its own.
    void nestedWaitsKeepTheirDeadlines_data() {
        QTest::addColumn<int>("outer");
        QTest::addColumn<int>("startInner");
        QTest::addColumn<int>("inner");
        QTest::newRow("inner shorter") << 40 << 5 << 5;
        QTest::newRow("inner ends with outer") << 20 << 10 << 10;
        QTest::newRow("inner longer") << 10 << 2 << 30;
        QTest::newRow("inner of the same length") << 15 << 3 << 15;
    }
    void nestedWaitsKeepTheirDeadlines() {
        QFETCH(int, outer);
        QFETCH(int, startInner);
        QFETCH(int, inner);
        Line line;
        QElapsedTimer clock;
        qint64 innerBegan = -1, innerEnded = -1;
        at(&line.link, startInner, [&] {
            innerBegan = clock.nsecsElapsed();
            line.link.warten(inner);
            innerEnded = clock.nsecsElapsed();
        });
        clock.start();
        line.link.warten(outer);
        const qint64 outerTook = clock.nsecsElapsed();
        QVERIFY(innerBegan >= 0 && innerEnded >= 0);
        QVERIFY2(innerEnded - innerBegan >= inner * kMs,
                 qPrintable(QString::number(innerEnded - innerBegan)));
        QVERIFY2(outerTook >= outer * kMs, qPrintable(QString::number(outerTook)));
        // Nested inside, the outer wait can only return after the inner one.
        QVERIFY(outerTook >= innerEnded);
    }

    // A frame asked for from a slot that runs while the line is busy. Where the line belongs
    // to a frame or a transfer, the newcomer waits in the queue and follows whole.
    void framesNeverInterleave_data() {
        QTest::addColumn<int>("scenario");
        QTest::addColumn<bool>("queued");
        QTest::addColumn<QByteArray>("wire");
        QTest::newRow("inside a paced frame") << 0 << true << hex("7E0101 7E0202");
        QTest::newRow("inside a transfer's byte delay") << 1 << true << hex("242424 7E0202");
        QTest::newRow("inside a transfer's pause") << 2 << true << hex("AA BB 7E0202");
        QTest::newRow("inside a modal loop of a transfer") << 3 << true << hex("AA BB 7E0202");
        QTest::newRow("inside marked pumping of a transfer") << 4 << true << hex("AA BB 7E0202");
        QTest::newRow("inside pumping marked for every line") << 7 << true << hex("AA BB 7E0202");
        QTest::newRow("inside a plain pause") << 5 << false << hex("7E0202");
        QTest::newRow("inside a wait for an answer") << 6 << true << hex("AA 7E0202");
    }
    void framesNeverInterleave() {
        QFETCH(int, scenario);
        QFETCH(bool, queued);
        QFETCH(QByteArray, wire);
        Line line;
        int queuedAtOnce = -1;
        const auto intruder = [&] {
            line.link.dspframe(2, 2);
            queuedAtOnce = int(line.link.queuedFrames().size());
        };
        switch (scenario) {
        case 0:
            line.link.setDelays(0, 0, 6);
            at(&line.link, 2, intruder);
            line.link.dspframe(1, 1);
            break;
        case 1:
            line.link.setDelays(0, 6, 0);
            QVERIFY(line.link.beginTransfer());
            at(&line.link, 2, intruder);
            for (int i = 0; i < 3; ++i)
                line.link.sendedsp(0x24);
            QCOMPARE(line.link.queuedFrames().size(), 1);
            line.link.endTransfer();
            break;
        case 2:
            QVERIFY(line.link.beginTransfer());
            line.link.sendedsp(0xAA);
            at(&line.link, 2, intruder);
            line.link.warten(10);
            line.link.sendedsp(0xBB);
            line.link.endTransfer();
            break;
        case 3: {
            QVERIFY(line.link.beginTransfer());
            line.link.sendedsp(0xAA);
            // What a message box shown mid-transfer does: a nested event loop.
            QEventLoop box;
            at(&line.link, 2, intruder);
            at(&box, 15, [&] { box.quit(); });
            box.exec();
            line.link.sendedsp(0xBB);
            line.link.endTransfer();
            break;
        }
        case 4:
        case 7: {
            QVERIFY(line.link.beginTransfer());
            line.link.sendedsp(0xAA);
            {
                Link::Pumping pumping(scenario == 4 ? &line.link : nullptr);
                at(&line.link, 0, intruder);
                QElapsedTimer t;
                t.start();
                while (queuedAtOnce < 0 && t.elapsed() < 2000)
                    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            }
            line.link.sendedsp(0xBB);
            line.link.endTransfer();
            break;
        }
        case 5:
            at(&line.link, 2, intruder);
            line.link.warten(10);
            break;
        case 6: {
            QVERIFY(line.link.beginTransfer());
            TestProgress progress;
            at(&line.link, 2, intruder);
            at(&line.link, 12, [&] { line.sim.send(hex("31")); });
            quint8 answer = 0;
            QCOMPARE(line.link.waitByte(&answer, &progress), Link::Wait::Byte);
            QCOMPARE(answer, quint8(0x31));
            line.link.sendedsp(0xAA);
            line.link.endTransfer();
            break;
        }
        }
        QCOMPARE(queuedAtOnce, queued ? 1 : 0);
        QVERIFY(line.link.queuedFrames().isEmpty());
        QVERIFY(line.sim.waitForBytes(int(wire.size()), 2000));
        QVERIFY(!line.sim.waitForBytes(int(wire.size()) + 1, 100));
        QCOMPARE(line.sim.received().toHex(' '), wire.toHex(' '));
        QCOMPARE(line.sim.frames().last().number, 2);
        // Transfer bytes are no frames to the running DSP; every frame byte was one.
        QCOMPARE(line.sim.strayBytes(), int(wire.size()) - 3 * int(line.sim.frames().size()));
    }

    void queuedFramesLeaveInOrder() {
        Line line;
        line.link.setDelays(0, 4, 0);
        QVERIFY(line.link.beginTransfer());
        QVERIFY(!line.link.beginTransfer());
        for (int i = 1; i <= 3; ++i)
            at(&line.link, 2 * i, [&line, i] { line.link.dspframe(3, i); });
        for (int i = 0; i < 6; ++i)
            line.link.sendedsp(0x40 + i);
        QCOMPARE(line.link.queuedFrames().size(), 3);
        QVERIFY(line.sim.waitForBytes(6, 2000));
        QCOMPARE(line.sim.frames().size(), 0);
        line.link.endTransfer();
        QVERIFY(!line.link.transferActive());
        QVERIFY(line.sim.waitForFrames(3, 2000));
        QCOMPARE(line.sim.received(), hex("404142434445 7E0301 7E0302 7E0303"));
    }

    // A transfer begun from a slot that runs while a frame is half out would split it.
    void transferRefusedInsideAFrame() {
        Line line;
        line.link.setDelays(0, 0, 6);
        int began = -1;
        at(&line.link, 2, [&] {
            began = line.link.beginTransfer() ? 1 : 0;
            if (began)
                line.link.endTransfer();
        });
        line.link.dspframe(9, 1);
        QCOMPARE(began, 0);
        QVERIFY(!line.link.transferActive());
        QVERIFY(line.link.beginTransfer());
        line.link.endTransfer();
    }

    // rs232leeren reads at most 256 bytes a call: true while any were there, then false.
    void flushTheInput_data() {
        QTest::addColumn<int>("bytes");
        QTest::newRow("nothing waits") << 0;
        QTest::newRow("one byte") << 1;
        QTest::newRow("one full read") << 256;
        QTest::newRow("one byte more") << 257;
        QTest::newRow("a telegram burst") << 600;
    }
    void flushTheInput() {
        QFETCH(int, bytes);
        Line line;
        QByteArray burst;
        for (int i = 0; i < bytes; ++i)
            burst.append(char(i * 7));
        QVERIFY(line.sim.send(burst));
        QTRY_COMPARE(line.modem.bytesAvailable(), qint64(bytes));
        int trues = 0;
        while (line.link.rs232leeren() && trues < 100)
            ++trues;
        QCOMPARE(trues, (bytes + 255) / 256);
        QCOMPARE(line.modem.bytesAvailable(), qint64(0));
        QVERIFY(!line.link.rs232leeren());
    }

    void flushNeedsAnOpenLine() {
        Line line;
        line.link.setOpen(false);
        QVERIFY(line.sim.send(hex("010203")));
        QTRY_COMPARE(line.modem.bytesAvailable(), qint64(3));
        QVERIFY(!line.link.rs232leeren());
        line.link.leeren();
        QCOMPARE(line.modem.bytesAvailable(), qint64(3));
    }

    // waitByte ends as soon as something decides it: a byte, the user's cancel, the line.
    void waitByteEnds_data() {
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<int>("result");
        QTest::newRow("a byte arrives") << "byte" << int(Link::Wait::Byte);
        QTest::newRow("cancelled while waiting") << "cancel" << int(Link::Wait::Canceled);
        QTest::newRow("cancelled before") << "canceledBefore" << int(Link::Wait::Canceled);
        QTest::newRow("line drops") << "hangUp" << int(Link::Wait::Closed);
        QTest::newRow("port closed") << "portClosed" << int(Link::Wait::Closed);
        QTest::newRow("port reopened elsewhere") << "reopen" << int(Link::Wait::Closed);
    }
    void waitByteEnds() {
        QFETCH(QString, trigger);
        QFETCH(int, result);
        Line line;
        TestProgress progress;
        QElapsedTimer clock;
        qint64 triggered = -1;
        const auto mark = [&] { triggered = clock.nsecsElapsed(); };
        SimTransceiver other;
        if (trigger == QLatin1String("byte"))
            at(&line.link, 20, [&] { mark(), line.sim.send(hex("A5")); });
        else if (trigger == QLatin1String("cancel"))
            at(&line.link, 20, [&] { mark(), progress.cancel(); });
        else if (trigger == QLatin1String("canceledBefore"))
            progress.cancel(), at(&line.link, 20, [&] { line.sim.send(hex("A5")); });
        else if (trigger == QLatin1String("hangUp"))
            at(&line.link, 20, [&] { mark(), line.sim.hangUp(); });
        else if (trigger == QLatin1String("portClosed"))
            line.modem.closePort();
        else if (trigger == QLatin1String("reopen"))
            at(&line.link, 20, [&] {
                mark();
                line.modem.closePort();
                line.modem.openPort(other.portPath());
            });
        // A wait that returns at once pumps no events, so this never runs before it returns.
        QObject context;
        bool pumped = false;
        at(&context, 0, [&] { pumped = true; });
        // A stuck wait fails the case instead of hanging the run.
        bool watchdog = false;
        at(&line.link, 3000, [&] { watchdog = true, progress.cancel(); });

        clock.start();
        quint8 value = 0;
        const Link::Wait got = line.link.waitByte(&value, &progress);
        const qint64 ended = clock.nsecsElapsed();
        QVERIFY(!watchdog);
        QCOMPARE(int(got), result);
        if (got == Link::Wait::Byte)
            QCOMPARE(value, quint8(0xA5));
        if (triggered >= 0)
            QVERIFY2(ended - triggered < 500 * kMs, qPrintable(QString::number(ended)));
        else
            QVERIFY(!pumped);
    }

    // A dropped line leaves a port whose every read fails; it is closed, not polled for ever.
    void droppedLineClosesThePort() {
        Line line;
        QSignalSpy title(&line.modem, &Modem::setTtyText);
        int errors = 0;
        connect(line.modem.port(), &QSerialPort::errorOccurred, &line.link,
                [&](QSerialPort::SerialPortError e) { errors += e != QSerialPort::NoError; });
        line.sim.hangUp();
        QTRY_VERIFY(!line.modem.isOpen());
        QCOMPARE(title.size(), 1);
        QCOMPARE(title[0][0].toString(), QStringLiteral("?"));
        QTest::qWait(50);
        QVERIFY2(errors < 5, qPrintable(QString::number(errors)));
        // What follows writes nothing and ends at once.
        QVERIFY(!line.link.rs232leeren());
        line.link.dspframe(1, 1);
        TestProgress progress;
        QCOMPARE(line.link.waitByte(nullptr, &progress), Link::Wait::Closed);
    }

    void waitBytesWaitsForAllAndReadsNone() {
        Line line;
        at(&line.link, 5, [&] { line.sim.send(hex("0102")); });
        at(&line.link, 25, [&] { line.sim.send(hex("030405")); });
        TestProgress progress;
        QCOMPARE(line.link.waitBytes(5, &progress), Link::Wait::Byte);
        QCOMPARE(line.sim.sentBytes().size(), 5);
        char got[8] = {};
        QCOMPARE(line.link.readData(got, 8), 5);
        QCOMPARE(QByteArray(got, 5), hex("0102030405"));
    }
};

QTEST_GUILESS_MAIN(TestLink)
#include "tst_link.moc"
