// The stream into the DSP's loader against the simulated loader on a real pseudo-terminal:
// the exact wire bytes, the pauses (counted as waits and seen as gaps at the set), cancel,
// a port that is not open and a line that drops; and the simulated loader's own checks,
// which must catch a stream that is not laid out right.
#include "download/dspdownload.h"
#include "link/link.h"
#include "link/modem.h"
#include "link/progress.h"
#include "sim/simloader.h"
#include "sim/simtransceiver.h"

#include <QtTest>

namespace {
constexpr qint64 kMs = 1'000'000;

struct Set {
    SimTransceiver sim;
    SimLoader loader{&sim};
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
        if (m_cancelAt >= 0 && value >= m_cancelAt && !m_canceled) {
            m_canceled = true;
            emit canceled();
        }
    }
    bool wasCanceled() const override { return m_canceled; }
    int last = -1;

private:
    int m_cancelAt;
    bool m_canceled = false;
};

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

// The checksum record for a sum, as the loader expects it: the sum in the word's upper bytes.
QByteArray checksumRecord(int sum) {
    return record('P', 0x37FE, QByteArray(1, char(sum >> 8)) + char(sum & 0xFF) + '\0');
}

const QByteArray kFrame = QByteArray::fromHex("7E6F00");
const QByteArray kStart = QByteArray::fromHex("2424240D");
const QByteArray kEnd = QByteArray::fromHex("2323230D");
const QByteArray kGo = QByteArray::fromHex("24474F00000D");

// Indices where the set saw a gap of at least 150 ms before the byte.
QList<int> pausesAtTheSet(const SimTransceiver& sim) {
    QList<int> out;
    const QList<qint64>& t = sim.arrivalTimes();
    for (int i = 1; i < t.size(); ++i)
        if (t[i] - t[i - 1] >= 150 * kMs)
            out << i;
    return out;
}
} // namespace

class TestDspTransfer : public QObject {
    Q_OBJECT

private slots:
    // An empty image: exactly the frame, the start bytes, the end bytes and the start record,
    // with a pause after each group.
    void emptyImage() {
        Set s;
        TestProgress progress;
        const quint64 waits = s.link.waitCount();
        const TransferResult r = download::buffer2dsp(s.link, QByteArray(), progress, s.sink);
        const qint64 returned = s.sim.nowNs();
        QVERIFY(r.ok());
        QCOMPARE(s.link.waitCount() - waits, quint64(4));
        QVERIFY(s.sim.waitForBytes(17, 1000));
        QCOMPARE(s.sim.received().toHex(' '), (kFrame + kStart + kEnd + kGo).toHex(' '));
        QCOMPARE(pausesAtTheSet(s.sim), (QList<int>{3, 7, 11}));
        // The fourth pause follows the start record.
        QVERIFY(returned - s.sim.arrivalTimes().last() >= 190 * kMs);
        QVERIFY(s.loader.started());
        QCOMPARE(s.loader.startAddress(), 0);
        QCOMPARE(s.loader.records().size(), 0);
        QCOMPARE(progress.last, 0);
    }

    // A pause before each "$DP" in the raw bytes, data bytes included; none before "$DD".
    void pauses_data() {
        QTest::addColumn<QByteArray>("image");
        QTest::addColumn<QList<int>>("at"); // indices into the image
        const QByteArray p1 = record('P', 0x0100, QByteArray::fromHex("010203040506"));
        const QByteArray d1 = record('D', 0x3800, QByteArray::fromHex("1234ABCD"));
        QTest::newRow("data record only") << d1 << QList<int>{};
        QTest::newRow("program record") << p1 << QList<int>{0};
        QTest::newRow("data then program") << d1 + p1 << QList<int>{int(d1.size())};
        const QByteArray inside = record('P', 0x0200, QByteArray::fromHex("244450AAAAAA"));
        QTest::newRow("24 44 50 as data") << inside << QList<int>{0, 7};
        const QByteArray split = record('P', 0x0200, QByteArray::fromHex("AA2444505555"));
        QTest::newRow("24 44 50 across words") << split << QList<int>{0, 8};
        QTest::newRow("24 44 at the end: no pause")
            << QByteArray::fromHex("0D2444") << QList<int>{};
        QTest::newRow("24 44 50 the last three")
            << QByteArray::fromHex("0D244450") << QList<int>{1};
    }
    void pauses() {
        QFETCH(QByteArray, image);
        QFETCH(QList<int>, at);
        Set s;
        s.sim.setMode(SimTransceiver::Mode::DspLoader);
        TestProgress progress;
        const quint64 waits = s.link.waitCount();
        QVERIFY(download::buffer2dsp(s.link, image, progress, s.sink).ok());
        QCOMPARE(s.link.waitCount() - waits, quint64(4 + at.size()));
        const int total =
            int(kFrame.size() + kStart.size() + image.size() + kEnd.size() + kGo.size());
        QVERIFY(s.sim.waitForBytes(total, 1000));
        QCOMPARE(s.sim.received(), kFrame + kStart + image + kEnd + kGo);
        // After the frame, after the start bytes (together with a pause before the image's
        // first byte), before each "$DP" inside, and after the end bytes.
        QList<int> expected{3, 7};
        for (int i : at)
            if (i > 0)
                expected << 7 + i;
        expected << 7 + int(image.size()) + 4;
        const QList<int> seen = pausesAtTheSet(s.sim);
        QCOMPARE(seen, expected);
    }

    // A cancel stops before the byte whose value it came at: neither "###" CR nor "$GO".
    void cancel_data() {
        QTest::addColumn<int>("at");
        QTest::newRow("first byte") << 0;
        QTest::newRow("in a record") << 10;
        QTest::newRow("last byte") << 35;
    }
    void cancel() {
        QFETCH(int, at);
        Set s;
        const QByteArray image =
            record('D', 0x10, QByteArray(16, '\x11')) + record('D', 0x20, QByteArray(4, 'a'));
        QCOMPARE(image.size(), 36);
        TestProgress progress(at);
        const TransferResult r = download::buffer2dsp(s.link, image, progress, s.sink);
        QVERIFY(r.wasCanceled());
        s.sim.waitForBytes(7 + at + 1, 300);
        QCOMPARE(s.sim.received(), kFrame + kStart + image.left(at));
        QVERIFY(!s.loader.started());
        QCOMPARE(s.log, QStringList{QStringLiteral("Abgebrochen nach %1 von 36 Bytes").arg(at)});
    }

    // The port not open: nothing written, the two closing pauses still pass.
    void portNotOpen() {
        Set s;
        s.link.setOpen(false);
        s.modem.closePort();
        TestProgress progress;
        const quint64 waits = s.link.waitCount();
        QVERIFY(download::buffer2dsp(s.link, record('P', 0, "abc"), progress, s.sink).ok());
        QCOMPARE(s.link.waitCount() - waits, quint64(2));
        QVERIFY(!s.sim.waitForBytes(1, 100));
        QCOMPARE(s.log, QStringList{QStringLiteral("Die RS232 ist nicht offen! Nichts gesendet.")});
    }

    void lineDrops() {
        Set s;
        s.link.setDelays(0, 1, 0);
        connect(&s.sim, &SimTransceiver::bytesReceived, &s.sim, [&s] {
            if (s.sim.received().size() >= 30)
                s.sim.hangUp();
        });
        TestProgress progress;
        const TransferResult r =
            download::buffer2dsp(s.link, record('D', 0, QByteArray(400, 'q')), progress, s.sink);
        QVERIFY(r.failed());
        QCOMPARE(r.title, QStringLiteral("Error!"));
        QCOMPARE(r.text, QStringLiteral("Die Verbindung zum Talvaro ist unterbrochen!"));
        QVERIFY(progress.last < 400);
    }

    // The simulated loader takes good records into its memories and checks the sum the way
    // the device does (a data word borrows the middle byte of the last program word); a
    // stream that is laid out wrong or carries a wrong sum is caught.
    void loaderChecks_data() {
        QTest::addColumn<QByteArray>("image");
        QTest::addColumn<bool>("sumOk");
        QTest::addColumn<int>("errors");
        const QByteArray p = record('P', 0x0100, QByteArray::fromHex("123456FFFFFF"));
        const QByteArray d = record('D', 0x3800, QByteArray::fromHex("0102"));
        // 0x123456 gives 4608 + 52 + 86 = 4746; 0xFFFFFF adds 65280 + 255 + 255: 5000.
        QTest::newRow("program words") << p + checksumRecord(5000) << true << 0;
        // The data word 0102 adds 256 + 0xFF (last middle byte) + 2.
        QTest::newRow("data word borrows the middle byte")
            << p + d + checksumRecord(5000 + 256 + 255 + 2) << true << 0;
        QTest::newRow("wrong sum") << p + checksumRecord(5001) << false << 0;
        QTest::newRow("no checksum record") << p << false << 0;
        QByteArray noCr = p;
        noCr[noCr.size() - 1] = 'X';
        QTest::newRow("record without CR") << noCr + checksumRecord(5000) << false << 1;
        QByteArray letter = d;
        letter[2] = 'Q';
        QTest::newRow("memory letter") << letter + p + checksumRecord(5000) << true << 1;
        QTest::newRow("junk between records")
            << p + QByteArray("zz") + checksumRecord(5000) << true << 1;
    }
    void loaderChecks() {
        QFETCH(QByteArray, image);
        QFETCH(bool, sumOk);
        QFETCH(int, errors);
        Set s;
        TestProgress progress;
        QVERIFY(download::buffer2dsp(s.link, image, progress, s.sink).ok());
        QVERIFY(s.sim.waitForBytes(int(image.size()) + 17, 1000));
        QVERIFY(s.loader.started());
        QCOMPARE(s.loader.checksumOk(), sumOk);
        QCOMPARE(s.loader.errors().size(), errors);
        if (errors == 0) {
            QCOMPARE(s.loader.image(), image);
            QCOMPARE(s.loader.programWord(0x0100), 0x123456);
            QCOMPARE(s.loader.programWord(0x0101), 0xFFFFFF);
            QCOMPARE(s.loader.programWord(0x0102), -1);
        }
        // After the start record the set runs the program: frames are frames again.
        s.link.dspframe(52, 1);
        QVERIFY(s.sim.waitForFrames(2, 1000));
        QCOMPARE(s.sim.frames().last(), (SimFrame{52, 1, 0}));
    }
};

QTEST_GUILESS_MAIN(TestDspTransfer)
#include "tst_dsptransfer.moc"
