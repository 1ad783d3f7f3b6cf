// The transfers into the PIC's external EEPROM and out of it, against the simulated PIC on a
// real pseudo-terminal: the handshake and its counting, echo errors and their texts, the
// parameter block byte for byte, whole images, the dump, and every way a transfer ends
// early (cancel, silence, a dropped line, a port that is not open).
#include "download/eeprombackup.h"
#include "download/picdownload.h"
#include "link/link.h"
#include "link/modem.h"
#include "link/progress.h"
#include "sim/simconsole.h"
#include "sim/simloader.h"
#include "sim/simpic.h"
#include "sim/simtransceiver.h"

#include <QTimer>
#include <QtTest>

#include <unistd.h>

Q_DECLARE_METATYPE(ParameterTabelle)

namespace {
// The loader's end and the set, all delays 0.
struct Set {
    SimTransceiver sim;
    SimLoader loader{&sim};
    SimPic pic{&sim};
    Modem modem;
    Link link{&modem};
    QStringList log;
    LogSink sink = [this](const QString& s) { log << s; };
    Set() {
        if (modem.openPort(sim.portPath()))
            link.setOpen(true);
        link.setDelays(0, 0, 0);
    }
};

class TestProgress : public Progress {
public:
    explicit TestProgress(int cancelAt = -1) : m_cancelAt(cancelAt) {}
    void setRange(int, int) override {}
    void setValue(int value) override {
        last = value;
        ++values;
        if (m_cancelAt >= 0 && value >= m_cancelAt)
            cancel();
    }
    bool wasCanceled() const override { return m_canceled; }
    void cancel() {
        if (m_canceled)
            return;
        m_canceled = true;
        emit canceled();
    }
    int last = -1;
    int values = 0;

private:
    int m_cancelAt;
    bool m_canceled = false;
};

// The handshake bytes the PC sends before the data: n "#" and the "x".
QByteArray syncBytes(int hashes) {
    return QByteArray(hashes, '#') + 'x';
}

// Load records as the image holds them, built here byte by byte.
QByteArray record(char memory, int address, const QByteArray& words) {
    const int count = int(words.size()) / (memory == 'P' ? 3 : 2);
    QByteArray r("$D");
    r += memory;
    r += char(address >> 8);
    r += char(address & 0xFF);
    r += char(count >> 8);
    r += char(count & 0xFF);
    return r + words + '\r';
}

QByteArray pattern(int n, int seed) {
    QByteArray b(n, '\0');
    quint32 x = quint32(seed) * 2654435761u + 1;
    for (int i = 0; i < n; ++i) {
        x = x * 1103515245u + 12345u;
        b[i] = char(x >> 16);
    }
    return b;
}

ParameterTabelle gleicheWerte(int wert, int user) {
    ParameterTabelle t;
    for (TParameter& p : t) {
        p.ssbgreen = p.ssbyellow = p.ssbred = p.cwgreen = p.cwyellow = p.cwred = wert;
        p.min = p.max = wert;
        p.user = user;
    }
    return t;
}

QByteArray kopf() {
    return QByteArray(13, '#') + '\r';
}
} // namespace

class TestPicTransfer : public QObject {
    Q_OBJECT

private slots:
    // The PIC's answers to the handshake, scripted: only an unbroken run of seven "#" lets
    // the "x" go, and only an "x" back makes the sync.
    void handshake_data() {
        QTest::addColumn<QByteArray>("answers");
        QTest::addColumn<char>("letter");
        QTest::addColumn<QByteArray>("wire");
        QTest::addColumn<QString>("error");
        QTest::newRow("clean") << QByteArray() << char(0) << syncBytes(7) << QString();
        QTest::newRow("six # then A: seven more")
            << QByteArray("######A") << char(0) << syncBytes(14) << QString();
        QTest::newRow("A at once") << QByteArray("A") << char(0) << syncBytes(8) << QString();
        QTest::newRow("two breaks")
            << QByteArray("##A###\x01") << char(0) << syncBytes(14) << QString();
        QTest::newRow("z to x") << QByteArray() << 'z' << syncBytes(7)
                                << QStringLiteral("Keine Syncronisation!!!<br>\"x\" an PIC "
                                                  "gesendet<br>\"z\" vom PIC empfangen.");
        QTest::newRow("scripted # to x") << QByteArray("#######Q") << char(0) << syncBytes(7)
                                         << QStringLiteral("Keine Syncronisation!!!<br>\"x\" an "
                                                           "PIC gesendet<br>\"Q\" vom PIC "
                                                           "empfangen.");
    }
    void handshake() {
        QFETCH(QByteArray, answers);
        QFETCH(char, letter);
        QFETCH(QByteArray, wire);
        QFETCH(QString, error);
        Set s;
        s.pic.setSyncAnswers(answers);
        s.pic.setSyncLetter(letter);
        s.pic.function(996);
        const QByteArray data("\x11\x22\x33", 3);
        TestProgress progress;
        const TransferResult r = download::buffer2pic_alt(s.link, data, progress, s.sink);
        if (error.isEmpty()) {
            QVERIFY(r.ok());
            QCOMPARE(s.sim.received(), wire + data);
            QCOMPARE(s.pic.eeprom().left(3), data);
            QCOMPARE(progress.last, 3);
        } else {
            QVERIFY(r.failed());
            QCOMPARE(r.title, QStringLiteral("Error!"));
            QCOMPARE(r.text, error);
            // Nothing of the data follows a failed handshake.
            s.sim.waitForBytes(int(wire.size()) + 1, 100);
            QCOMPARE(s.sim.received(), wire);
        }
        QCOMPARE(s.pic.syncBytes(), int(wire.size()));
    }

    // The first echo that differs stops the transfer with the address and both bytes.
    void echoError_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("sent");
        QTest::addColumn<int>("got");
        QTest::addColumn<QString>("text");
        QTest::newRow("2a") << 0x2A << 0x12 << 0x13 << "Adresse 002a File:12 Pic:13";
        QTest::newRow("first byte") << 0 << 0xFF << 0x00 << "Adresse 0000 File:ff Pic:0";
        QTest::newRow("high address") << 0x1234 << 0xAB << 0x0A << "Adresse 1234 File:ab Pic:a";
        QTest::newRow("last byte") << 0x1FFF << 0x00 << 0x80 << "Adresse 1fff File:0 Pic:80";
    }
    void echoError() {
        QFETCH(int, index);
        QFETCH(int, sent);
        QFETCH(int, got);
        QFETCH(QString, text);
        Set s;
        QByteArray data = pattern(0x2000, index);
        data[index] = char(sent);
        s.pic.setWrongEcho(index, got);
        s.pic.function(996);
        TestProgress progress;
        const TransferResult r = download::buffer2pic_alt(s.link, data, progress, s.sink);
        QVERIFY(r.failed());
        QCOMPARE(r.title, QStringLiteral("Error!"));
        QCOMPARE(r.text, text);
        s.sim.waitForBytes(8 + index + 2, 100);
        QCOMPARE(s.sim.received(), syncBytes(7) + data.left(index + 1));
        QCOMPARE(s.pic.dataBytes(), index + 1);
    }

    // The parameter block: nine column blocks behind their headers, eight "#" at the end.
    void parameterBlock_data() {
        QTest::addColumn<ParameterTabelle>("tabelle");
        QTest::addColumn<QByteArray>("block");

        QByteArray sieben;
        for (int b = 0; b < 8; ++b)
            sieben += kopf() + QByteArray(90, 7);
        sieben += kopf() + QByteArray(90, 3) + QByteArray(8, '#');
        QTest::newRow("all 7, user 23") << gleicheWerte(7, 23) << sieben;

        ParameterTabelle x = gleicheWerte(7, 23);
        for (int nr : {10, 55, 99})
            x[size_t(nr)].xparam = true;
        QByteArray mitX = sieben;
        for (int b = 0; b < 9; ++b)
            for (int nr : {10, 55, 99})
                mitX[b * 104 + 14 + nr - 10] = char(0xFF);
        QTest::newRow("X entries 0xFF in all nine blocks") << x << mitX;

        // Every column its own values, so a swapped pair of blocks shows; values above 255
        // go as their low byte, parameters 0..9 never go.
        ParameterTabelle t;
        QList<QByteArray> spalten(9);
        for (int nr = 0; nr < 100; ++nr) {
            TParameter& p = t[size_t(nr)];
            p.ssbgreen = nr;
            p.ssbyellow = 100 + nr;
            p.ssbred = 200 + nr; // 255 and beyond wrap
            p.max = 1000 + nr;
            p.min = nr / 2;
            p.cwgreen = 255 - nr;
            p.cwyellow = 254;
            p.cwred = 3 * nr;
            p.user = 10 * nr + 7 - nr % 3;
            if (nr < 10)
                continue;
            const int werte[9] = {nr,       100 + nr, 200 + nr, 1000 + nr,   nr / 2,
                                  255 - nr, 254,      3 * nr,   (7 - nr % 3)};
            for (int c = 0; c < 9; ++c)
                spalten[c] += char(werte[c] & 0xFF);
        }
        QByteArray verschieden;
        for (const QByteArray& s : spalten)
            verschieden += kopf() + s;
        verschieden += QByteArray(8, '#');
        QTest::newRow("every column its own") << t << verschieden;
    }
    void parameterBlock() {
        QFETCH(ParameterTabelle, tabelle);
        QFETCH(QByteArray, block);
        QCOMPARE(block.size(), 944);
        Set s;
        s.pic.key(QLatin1Char('1'));
        TestProgress progress;
        const TransferResult r = download::parameter2pic_alt(s.link, tabelle, progress, s.sink);
        QVERIFY(r.ok());
        QVERIFY(s.sim.waitForBytes(944, 2000));
        QCOMPARE(s.sim.received().toHex(' '), block.toHex(' '));
        QCOMPARE(s.pic.parameterBlock(), block);
        QCOMPARE(s.pic.errors(), QStringList());
        QCOMPARE(progress.last, 944);
        // The block complete, the PIC is back at work.
        QCOMPARE(s.sim.mode(), SimTransceiver::Mode::RunningDsp);
        QByteArray werte;
        for (int b = 0; b < 9; ++b)
            werte += block.mid(b * 104 + 14, 90);
        QCOMPARE(s.pic.parameterValues(), werte);
    }

    void parameterEchoError_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("got");
        QTest::addColumn<QString>("text");
        QTest::newRow("first #") << 0 << 0x22
                                 << "Byte-Nr:0000 zum Pic gesendet:23Antwort vom Pic:22";
        QTest::newRow("CR of block 2")
            << 104 + 13 << 0x0A << "Byte-Nr:0075 zum Pic gesendet:DAntwort vom Pic:A";
        QTest::newRow("a value") << 14 << 0xFE
                                 << "Byte-Nr:000E zum Pic gesendet:7Antwort vom Pic:FE";
        QTest::newRow("second to last")
            << 942 << 0 << "Byte-Nr:03AE zum Pic gesendet:23Antwort vom Pic:0";
        // The last echo is not awaited: a wrong one there passes.
        QTest::newRow("last") << 943 << 0 << QString();
    }
    void parameterEchoError() {
        QFETCH(int, index);
        QFETCH(int, got);
        QFETCH(QString, text);
        Set s;
        s.pic.setWrongEcho(index, got);
        s.pic.key(QLatin1Char('1'));
        TestProgress progress;
        const TransferResult r =
            download::parameter2pic_alt(s.link, gleicheWerte(7, 23), progress, s.sink);
        if (text.isEmpty()) {
            QVERIFY(r.ok());
            return;
        }
        QVERIFY(r.failed());
        QCOMPARE(r.text, text);
        s.sim.waitForBytes(index + 2, 100);
        QCOMPARE(int(s.sim.received().size()), index + 1);
    }

    // The download session of key "#": the image lands from address 0, the parameter block
    // after it in its own area.
    void wholeImageThenBlock() {
        Set s;
        QByteArray image =
            record('P', 0x3FC0, pattern(144, 1)) + record('P', 0x0030, pattern(300, 2)) +
            record('D', 0x3800, pattern(64, 3)) + record('P', 0x1000, pattern(3000, 4));
        // Data bytes that look like a record head or a "#" must not confuse the writer.
        image += record('P', 0x2000, QByteArray("$DP###\r#\r", 9));
        s.pic.eeprom().fill(char(0x5A));
        s.pic.key(QLatin1Char('#'));
        TestProgress p1;
        QVERIFY(download::buffer2pic_alt(s.link, image, p1, s.sink).ok());
        TestProgress p2;
        QVERIFY(download::parameter2pic_alt(s.link, gleicheWerte(7, 23), p2, s.sink).ok());
        QVERIFY(s.sim.waitForBytes(8 + int(image.size()) + 944, 2000));
        QCOMPARE(s.pic.eeprom().left(image.size()), image);
        QCOMPARE(s.pic.eeprom().at(image.size()), char(0x5A));
        QCOMPARE(s.pic.imageBytes(), int(image.size()));
        QCOMPARE(s.pic.parameterValues(), QByteArray(8 * 90, 7) + QByteArray(90, 3));
        QCOMPARE(s.pic.errors(), QStringList());
    }

    // Restore of the whole EEPROM and the dump back.
    void restoreThenDump() {
        Set s;
        const QByteArray image = pattern(SimPic::eepromSize, 7);
        s.pic.function(996);
        TestProgress progress;
        QVERIFY(download::buffer2pic_alt(s.link, image, progress, s.sink).ok());
        QCOMPARE(progress.last, SimPic::eepromSize);
        QVERIFY(s.pic.eeprom() == image);
        QCOMPARE(s.sim.mode(), SimTransceiver::Mode::RunningDsp);

        s.pic.setSendRate(1000, 1);
        QTimer::singleShot(20, &s.sim, [&s] { s.pic.function(997); });
        TestProgress back;
        QByteArray dump;
        QVERIFY(download::eepromsichern(s.link, back, &dump).ok());
        QVERIFY(dump == image);
        QCOMPARE(back.last, SimPic::eepromSize);
    }

    // Ways a dump ends early: the count kept is exactly what the progress showed.
    void dumpEndsEarly_data() {
        QTest::addColumn<int>("cancelAt");
        QTest::addColumn<int>("dropAfter");
        QTest::addColumn<int>("kept");
        QTest::addColumn<bool>("failed");
        QTest::newRow("cancel at 1000") << 1000 << -1 << 1000 << false;
        QTest::newRow("cancel at 0") << 0 << -1 << 0 << false;
        QTest::newRow("cancel at 65535") << 65535 << -1 << 65535 << false;
        QTest::newRow("line drops") << -1 << 3000 << -1 << true;
    }
    void dumpEndsEarly() {
        QFETCH(int, cancelAt);
        QFETCH(int, dropAfter);
        QFETCH(int, kept);
        QFETCH(bool, failed);
        Set s;
        s.pic.eeprom() = pattern(SimPic::eepromSize, 9);
        s.pic.setDropAfter(dropAfter);
        s.pic.setSendRate(700, 1);
        QTimer::singleShot(10, &s.sim, [&s] { s.pic.function(997); });
        TestProgress progress(cancelAt);
        QByteArray dump;
        const TransferResult r = download::eepromsichern(s.link, progress, &dump);
        if (failed) {
            QVERIFY(r.failed());
            QCOMPARE(r.text, QStringLiteral("Die Verbindung zum Talvaro ist unterbrochen!"));
            QVERIFY(dump.size() <= dropAfter);
        } else {
            QVERIFY(r.wasCanceled());
            QCOMPARE(dump.size(), kept);
        }
        QCOMPARE(dump, s.pic.eeprom().left(dump.size()));
    }

    // A PIC that falls silent or a line that drops, at any point of the session: silence
    // waits for the cancel, which ends the wait at once; a drop ends with its message.
    void silenceAndDrop_data() {
        QTest::addColumn<int>("after");
        QTest::addColumn<bool>("drop");
        QTest::addColumn<bool>("parameters");
        QTest::newRow("silent from the start") << 0 << false << false;
        QTest::newRow("silent in the handshake") << 5 << false << false;
        QTest::newRow("silent in the data") << 100 << false << false;
        QTest::newRow("silent in the block") << 300 << false << true;
        QTest::newRow("drop in the handshake") << 3 << true << false;
        QTest::newRow("drop in the data") << 50 << true << false;
        QTest::newRow("drop in the block") << 500 << true << true;
    }
    void silenceAndDrop() {
        QFETCH(int, after);
        QFETCH(bool, drop);
        QFETCH(bool, parameters);
        Set s;
        if (drop)
            s.pic.setDropAfter(after);
        else
            s.pic.setSilentAfter(after);
        TestProgress progress;
        if (!drop)
            QTimer::singleShot(150, &s.sim, [&progress] { progress.cancel(); });
        TransferResult r;
        if (parameters) {
            s.pic.key(QLatin1Char('1'));
            r = download::parameter2pic_alt(s.link, gleicheWerte(1, 1), progress, s.sink);
        } else {
            s.pic.function(996);
            r = download::buffer2pic_alt(s.link, pattern(400, 3), progress, s.sink);
        }
        if (drop) {
            QVERIFY(r.failed());
            QCOMPARE(r.text, QStringLiteral("Die Verbindung zum Talvaro ist unterbrochen!"));
        } else {
            QVERIFY(r.wasCanceled());
        }
        // The log says how far it went, and "Abgebrochen" only after a cancel.
        QCOMPARE(s.log.size(), 1);
        QVERIFY2(s.log[0].startsWith(drop ? "Fehlgeschlagen nach " : "Abgebrochen nach "),
                 qPrintable(s.log[0]));
    }

    // A port that is not open: nothing is sent, the transfer is not an error, the log says it.
    void portNotOpen() {
        Set s;
        s.link.setOpen(false);
        s.pic.function(996);
        TestProgress p1;
        QVERIFY(download::buffer2pic_alt(s.link, pattern(10, 1), p1, s.sink).ok());
        TestProgress p2;
        QVERIFY(download::parameter2pic_alt(s.link, gleicheWerte(1, 1), p2, s.sink).ok());
        QVERIFY(!s.sim.waitForBytes(1, 100));
        QCOMPARE(s.log,
                 QStringList(2, QStringLiteral("Die RS232 ist nicht offen! Nichts gesendet.")));
        // The dump says so in a box instead of waiting for a cancel; a port that was open
        // and went away is a dropped line.
        TestProgress p3;
        QByteArray dump;
        QCOMPARE(download::eepromsichern(s.link, p3, &dump).text,
                 QStringLiteral("Die RS232 ist nicht offen!"));
        s.link.setOpen(true);
        s.modem.closePort();
        QCOMPARE(download::eepromsichern(s.link, p3, &dump).text,
                 QStringLiteral("Die Verbindung zum Talvaro ist unterbrochen!"));
    }

    // talvaro-sim's words for the person at the set: keys and functions put the set into
    // the right mode, faults are armed.
    void consoleWords_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<SimTransceiver::Mode>("mode");
        QTest::addColumn<SimPic::State>("state");
        using M = SimTransceiver::Mode;
        using S = SimPic::State;
        QTest::newRow("taste 0") << "taste 0" << M::DspLoader << S::Idle;
        QTest::newRow("taste #") << "Taste #" << M::Pic << S::Sync;
        QTest::newRow("taste 1") << "taste 1" << M::Pic << S::Parameter;
        QTest::newRow("funktion 996") << "funktion 996" << M::Pic << S::Sync;
        QTest::newRow("funktion 997") << "funktion 997" << M::Pic << S::Send;
        QTest::newRow("funktion 999") << "funktion 999" << M::RunningDsp << S::Idle;
        QTest::newRow("unknown key") << "taste 7" << M::RunningDsp << S::Idle;
    }
    void consoleWords() {
        QFETCH(QString, line);
        QFETCH(SimTransceiver::Mode, mode);
        QFETCH(SimPic::State, state);
        int fds[2];
        QCOMPARE(::pipe(fds), 0);
        {
            Set s;
            SimConsole console(fds[0]);
            s.pic.addCommands(console);
            QVERIFY(console.execute(line));
            QCOMPARE(s.sim.mode(), mode);
            QCOMPARE(s.pic.state(), state);
        }
        ::close(fds[0]);
        ::close(fds[1]);
    }

    void consoleFault() {
        int fds[2];
        QCOMPARE(::pipe(fds), 0);
        {
            Set s;
            SimConsole console(fds[0]);
            s.pic.addCommands(console);
            QVERIFY(console.execute(QStringLiteral("fehler echo 2 13")));
            QVERIFY(console.execute(QStringLiteral("funktion 996")));
            TestProgress progress;
            const TransferResult r =
                download::buffer2pic_alt(s.link, QByteArray("\x10\x11\x12"), progress, s.sink);
            QCOMPARE(r.text, QStringLiteral("Adresse 0002 File:12 Pic:13"));
            QVERIFY(console.execute(QStringLiteral("fehler aus")));
            QVERIFY(console.execute(QStringLiteral("funktion 996")));
            QVERIFY(download::buffer2pic_alt(s.link, "abc", progress, s.sink).ok());
        }
        ::close(fds[0]);
        ::close(fds[1]);
    }

    // One transfer at a time: a second one begun while the first waits is refused.
    void oneAtATime() {
        Set s;
        s.pic.setSilentAfter(2);
        s.pic.function(996);
        TestProgress progress;
        TransferResult inner;
        QTimer::singleShot(50, &s.sim, [&] {
            TestProgress p;
            QByteArray dump;
            inner = download::eepromsichern(s.link, p, &dump);
            progress.cancel();
        });
        const TransferResult outer = download::buffer2pic_alt(s.link, "abc", progress, s.sink);
        QVERIFY(outer.wasCanceled());
        QVERIFY(inner.failed());
        QCOMPARE(inner.text, QStringLiteral("Es laeuft bereits eine Uebertragung!"));
        QVERIFY(!s.link.transferActive());
    }
};

QTEST_GUILESS_MAIN(TestPicTransfer)
#include "tst_pictransfer.moc"
