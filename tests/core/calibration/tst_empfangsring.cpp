// The receive ring and its telegram search, fed poll by poll as the DSP's bytes arrive,
// and once over a real pseudo-terminal. Expectations are built from the byte stream itself.
#include "calibration/empfangsring.h"
#include "calibration/pegel.h"
#include "link/modem.h"
#include "sim/ptypair.h"
#include "testenv.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>
#include <climits>
#include <cmath>
#include <memory>

namespace {
// A telegram as the DSP sends it: 0x7E 0x7E and 22 bytes; byte k is 0x40 + tag + k unless
// set, so every telegram of a test is recognisable by its tag.
QByteArray telegramm(int tag, const QList<std::pair<int, int>>& bytes = {}) {
    QByteArray t(24, '\0');
    t[0] = t[1] = char(0x7E);
    for (int k = 1; k <= 22; ++k)
        t[1 + k] = char(0x10 + tag * 3 + k);
    for (const auto& [k, v] : bytes)
        t[1 + k] = char(v);
    return t;
}
QByteArray body(const QByteArray& t) {
    return t.mid(2, 22);
}
QByteArray fueller(int n, char c = char(0xA5)) {
    return QByteArray(n, c);
}

// One poll's outcome: the ring positions of the telegrams found, in order, and their bodies.
struct Abfrage {
    QByteArray bytes;
    QList<int> positionen;
    QList<QByteArray> bodies;
};
} // namespace

Q_DECLARE_METATYPE(QList<Abfrage>)

class TestEmpfangsring : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { env = std::make_unique<TestEnv>(); }

    void pegelwerte_data();
    void pegelwerte();
    void halbaufgrenzen_data();
    void halbaufgrenzen();

    void suche_data();
    void suche();
    void leerabfragen_data();
    void leerabfragen();
    void jedesTelegramm();
    void nieAlteBytes();
    void ueberPseudoTerminal();

private:
    std::unique_ptr<TestEnv> env;
};

void TestEmpfangsring::pegelwerte_data() {
    QTest::addColumn<int>("wort");
    QTest::addColumn<int>("db");
    QTest::newRow("0x8000 is full scale") << 0x8000 << 90;
    QTest::newRow("0x0800, 24 dB down") << 0x0800 << 66;
    QTest::newRow("0x0001, the smallest") << 0x0001 << 0;
    QTest::newRow("0x0000 shows 0") << 0x0000 << 0;
    QTest::newRow("0x4000, 6 dB down") << 0x4000 << 84;
    QTest::newRow("0xFFFF above full scale") << 0xFFFF << 96;
    QTest::newRow("0x8001 rounds to 90") << 0x8001 << 90;
    // 32768 / 10^(4.5/20) = 19518.7: 4.4998 dB rounds down, 4.5003 dB up.
    QTest::newRow("just under 4.5 dB down") << 19519 << 86;
    QTest::newRow("just over 4.5 dB down") << 19518 << 85;
    QTest::newRow("0x0002") << 0x0002 << 6;
    QTest::newRow("no negative words") << -5 << 0;
}

void TestEmpfangsring::pegelwerte() {
    QFETCH(int, wort);
    QFETCH(int, db);
    QCOMPARE(pegel(wort), db);
}

void TestEmpfangsring::halbaufgrenzen_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("ergebnis");
    QTest::newRow("2.5 up") << 2.5 << 3;
    QTest::newRow("-2.5 up, not away from zero") << -2.5 << -2;
    QTest::newRow("-0.5 to 0") << -0.5 << 0;
    QTest::newRow("-0.51 to -1") << -0.51 << -1;
    QTest::newRow("0.4999") << 0.4999 << 0;
    QTest::newRow("NaN") << std::nan("") << 0;
    QTest::newRow("huge") << 1e300 << INT_MAX;
    QTest::newRow("minus huge") << -1e300 << INT_MIN;
}

void TestEmpfangsring::halbaufgrenzen() {
    QFETCH(double, x);
    QFETCH(int, ergebnis);
    QCOMPARE(halbauf(x), ergebnis);
}

void TestEmpfangsring::suche_data() {
    QTest::addColumn<QList<Abfrage>>("abfragen");
    const QByteArray a = telegramm(1), b = telegramm(2), c = telegramm(3);

    QTest::newRow("a telegram is found as soon as its last byte is in")
        << QList<Abfrage>{{a.left(23), {}, {}}, {a.right(1), {0}, {body(a)}}};
    // Formerly a header more than 25 bytes back was no longer searched: the telegram was lost.
    QTest::newRow("a header further back than 25 bytes")
        << QList<Abfrage>{{fueller(40) + a + fueller(30), {40}, {body(a)}}};
    QTest::newRow("two headers in one read: both, the lower first")
        << QList<Abfrage>{{fueller(1) + a + b + fueller(3), {1, 0}, {body(a), body(b)}}};
    // 7E 7E 7E: headers at both pairs; the lower wins and its first byte is the third 0x7E.
    QTest::newRow("overlapping headers: the lower")
        << QList<Abfrage>{{a.left(1) + a + fueller(1), {0}, {char(0x7E) + a.mid(2, 21)}}};
    QTest::newRow("header split over two polls") << QList<Abfrage>{
        {fueller(5) + a.left(1), {}, {}}, {a.mid(1) + fueller(2), {5}, {body(a)}}};
    QTest::newRow("waiting header survives a large read") << QList<Abfrage>{
        {fueller(10) + a.left(18), {}, {}}, {a.mid(18) + fueller(60), {10}, {body(a)}}};
    QTest::newRow("single 0x7E bytes are no header")
        << QList<Abfrage>{{QByteArray("\x7E\x01\x7E\x02\x7E") + fueller(40), {}, {}}};
    QTest::newRow("wrap: telegram runs past position 255")
        << QList<Abfrage>{{fueller(240), {}, {}}, {a + fueller(2), {240}, {body(a)}}};
    QTest::newRow("wrap: header bytes at 255 and 0")
        << QList<Abfrage>{{fueller(255), {}, {}}, {a + fueller(2), {255}, {body(a)}}};
    QTest::newRow("wrap: header at 254 and 255, body from 0") << QList<Abfrage>{
        {fueller(254), {}, {}}, {a.left(23), {}, {}}, {a.right(1) + fueller(2), {254}, {body(a)}}};
    // Formerly the bytes behind a telegram were dropped, and b with them.
    QTest::newRow("the start of the next telegram is kept")
        << QList<Abfrage>{{a + b.left(2), {0}, {body(a)}}, {b.mid(2) + fueller(2), {0}, {body(b)}}};
    // Formerly one telegram per poll: b waited for the next poll, c was lost.
    QTest::newRow("three telegrams in one read, in order") << QList<Abfrage>{
        {a + b + c.left(20), {0, 0}, {body(a), body(b)}}, {c.mid(20), {0}, {body(c)}}};
    QTest::newRow("a 300-byte read keeps the last 256 bytes")
        << QList<Abfrage>{{a + fueller(300 - 2 * 24) + b, {300 - 24 - 256}, {body(b)}}};
}

void TestEmpfangsring::suche() {
    QFETCH(QList<Abfrage>, abfragen);
    Empfangsring ring;
    ring.neustart();
    for (int i = 0; i < abfragen.size(); ++i) {
        const Abfrage& ab = abfragen.at(i);
        ring.aufnehmen(ab.bytes);
        QList<int> positionen;
        QList<QByteArray> bodies;
        while (const std::optional<Telegramm> t = ring.telegrammsuchen()) {
            positionen << t->position();
            bodies << t->body().toHex(' ');
        }
        QList<QByteArray> erwartet;
        for (const QByteArray& b : ab.bodies)
            erwartet << b.toHex(' ');
        QVERIFY2(positionen == ab.positionen, qPrintable(QStringLiteral("poll %1").arg(i)));
        QCOMPARE(bodies, erwartet);
    }
}

void TestEmpfangsring::leerabfragen_data() {
    QTest::addColumn<QList<int>>("groessen");
    QTest::addColumn<QList<int>>("erwartet");
    QTest::newRow("silence counts up") << QList<int>{0, 0, 0} << QList<int>{1, 2, 3};
    QTest::newRow("one byte restarts the count")
        << QList<int>{0, 0, 1, 0} << QList<int>{1, 2, 0, 1};
    QTest::newRow("twenty silent polls") << QList<int>(20, 0) << [] {
        QList<int> l;
        for (int i = 1; i <= 20; ++i)
            l << i;
        return l;
    }();
    QTest::newRow("a found telegram leaves the count alone")
        << QList<int>{26, 0} << QList<int>{0, 1};
}

void TestEmpfangsring::leerabfragen() {
    QFETCH(QList<int>, groessen);
    QFETCH(QList<int>, erwartet);
    Empfangsring ring;
    for (int i = 0; i < groessen.size(); ++i) {
        ring.aufnehmen(groessen.at(i) == 26 ? telegramm(3) + fueller(2) : fueller(groessen.at(i)));
        ring.telegrammsuchen();
        QCOMPARE(ring.leerabfragen(), erwartet.at(i));
    }
    ring.neustart();
    QCOMPARE(ring.leerabfragen(), 0);
    QCOMPARE(ring.empfangsindex(), 0);
}

void TestEmpfangsring::jedesTelegramm() {
    // Back-to-back telegrams in reads of 1 to 100 bytes: every one is found, whole and in
    // order, in the poll whose read brought its last byte.
    QByteArray strom;
    for (int i = 0; i < 200; ++i)
        strom += telegramm(i % 20, {{1, i}});
    QRandomGenerator zufall(815);
    Empfangsring ring;
    int gefunden = 0;
    for (qsizetype p = 0; p < strom.size();) {
        const qsizetype n = zufall.bounded(1, 101);
        ring.aufnehmen(strom.mid(p, n));
        p += n;
        while (const auto t = ring.telegrammsuchen()) {
            QCOMPARE(t->body().toHex(), body(strom.mid(gefunden * 24, 24)).toHex());
            ++gefunden;
        }
        QCOMPARE(gefunden, int(qMin(p, strom.size()) / 24));
    }
    QCOMPARE(gefunden, 200);
}

void TestEmpfangsring::nieAlteBytes() {
    // Random bytes, rich in 0x7E, in random reads: whatever is found must be a header and
    // 22 bytes that really followed it on the line. A read of stale ring bytes or past the
    // ring's end would put bytes together that never came in that order.
    QRandomGenerator zufall(4711);
    Empfangsring ring;
    QByteArray strom;
    int gefunden = 0;
    for (int abfrage = 0; abfrage < 4000; ++abfrage) {
        QByteArray bytes;
        const int n = int(zufall.bounded(0, 300));
        for (int i = 0; i < n; ++i) {
            const quint32 r = zufall.bounded(8);
            bytes += r < 3 ? char(0x7E) : char(zufall.bounded(256));
        }
        strom += bytes;
        ring.aufnehmen(bytes);
        QVERIFY(ring.empfangsindex() >= 0 && ring.empfangsindex() < Empfangsring::groesse);
        while (const auto t = ring.telegrammsuchen()) {
            ++gefunden;
            const QByteArray ganz = QByteArray("\x7E\x7E") + t->body();
            // The telegram ends among the bytes read since the previous search.
            QVERIFY2(strom.right(n + 24).contains(ganz), qPrintable(ganz.toHex()));
        }
        if (strom.size() > 4096)
            strom = strom.right(1024);
    }
    QVERIFY(gefunden > 500);
}

void TestEmpfangsring::ueberPseudoTerminal() {
    // The bytes come over a real line in three pieces; each poll reads what is there,
    // as the 100 ms poll does, until the telegram is complete.
    PtyPair pty;
    QVERIFY(pty.isValid());
    Modem modem;
    QVERIFY(modem.openPort(pty.slavePath()));
    const QByteArray t = telegramm(7, {{6, 0x08}, {7, 0x00}});
    // After the second piece 27 bytes are in: the header is seen, its telegram is not yet
    // complete and must wait for the third piece.
    const QList<QByteArray> stuecke{fueller(9) + t.left(1), t.mid(1, 17), t.mid(18) + fueller(3)};
    Empfangsring ring;
    ring.neustart();
    std::optional<Telegramm> gefunden;
    for (const QByteArray& stueck : stuecke) {
        QVERIFY(pty.write(stueck));
        QElapsedTimer uhr;
        uhr.start();
        int gelesen = 0;
        while (gelesen < stueck.size() && uhr.elapsed() < 3000) {
            QTest::qWait(5);
            char puffer[256];
            const int n = modem.readData(puffer, int(sizeof puffer));
            ring.aufnehmen(puffer, n);
            gelesen += n;
            if (!gefunden)
                gefunden = ring.telegrammsuchen();
        }
        QCOMPARE(gelesen, int(stueck.size()));
    }
    QVERIFY(gefunden.has_value());
    QCOMPARE(gefunden->position(), 9);
    QCOMPARE(gefunden->body().toHex(), body(t).toHex());
    QCOMPARE(pegel(gefunden->pegelwort()), 66);
}

QTEST_GUILESS_MAIN(TestEmpfangsring)
#include "tst_empfangsring.moc"
