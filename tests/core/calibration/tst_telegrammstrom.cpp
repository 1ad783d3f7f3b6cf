// The session's telegram stream against the simulated set on a pseudo-terminal: silence is
// no telegram for 20 polls (noise is no data), the line left alone while a transfer owns it,
// every telegram handed on when several or many arrive between two polls, and two readers
// that both get every one.
#include "geraetzugang.h"
#include "kalgeraet.h"
#include "link/link.h"

#include <QTimer>

namespace {
const QString kStille = QStringLiteral(
    "<b>Datenempfang auf der RS232 defekt</B><BR>Es kommen vom Talvaro keine Daten zur "
    "Auswertung zum PC.<br> Eventuell ist die RS232 nicht angeschlossen oder<br> unterbrochen.");
} // namespace

class TestTelegrammstrom : public QObject {
    Q_OBJECT
    std::unique_ptr<KalGeraet> k;

private slots:
    void init() {
        k = std::make_unique<KalGeraet>();
        QVERIFY(k->starten());
    }
    void cleanup() { k.reset(); }

    void stilleLeitung_data() {
        QTest::addColumn<QList<int>>("telegrammNach");
        QTest::addColumn<QList<int>>("muellNach");
        QTest::addColumn<int>("abfragenBisBox");
        QTest::newRow("never a byte") << QList<int>{} << QList<int>{} << 20;
        QTest::newRow("noise is no data") << QList<int>{} << QList<int>{3, 8, 15, 19} << 20;
        // The telegram sent after poll n is read by poll n + 1; 20 silent polls follow it.
        QTest::newRow("a telegram after 15 silent polls") << QList<int>{15} << QList<int>{} << 36;
        QTest::newRow("two telegrams apart") << QList<int>{5, 20} << QList<int>{} << 41;
    }
    void stilleLeitung() {
        QFETCH(QList<int>, telegrammNach);
        QFETCH(QList<int>, muellNach);
        QFETCH(int, abfragenBisBox);
        // The set sends nothing but what the table asks for.
        k->dsp->setPeriode(3600 * 1000);
        int abfragen = 0;
        int beimFehler = -1;
        connect(k->g.get(), &Geraet::abgefragt, this, [&](int) {
            ++abfragen;
            if (telegrammNach.contains(abfragen))
                k->sim->send(k->dsp->telegramm());
            if (muellNach.contains(abfragen))
                k->sim->send(QByteArray(30, 'x'));
            if (!k->person.boxen.isEmpty() && beimFehler < 0)
                beimFehler = abfragen;
        });
        // The IF calibration is somewhere in its steps, listening: the watchdog ends it.
        k->zf().setSchritt(5);
        k->g->lesen(Geraet::Leser::ZfKal, true);
        QVERIFY(KalGeraet::warte([&] { return !k->person.boxen.isEmpty(); }, 5000));
        QCOMPARE(abfragen, abfragenBisBox);
        QTest::qWait(100);
        QCOMPARE(k->person.boxen.size(), 1);
        QCOMPARE(k->person.boxen.first().titel, QStringLiteral("Fehler bei der ZF-Kalibrierung!"));
        QCOMPARE(k->person.boxen.first().text, kStille);
        QCOMPARE(k->zf().schritt(), 0);
        QVERIFY(k->zf().knopfFrei());
        // The stream stays off.
        QVERIFY(!k->g->stromAn());
        QCOMPARE(abfragen, abfragenBisBox);
    }

    void waehrendEinerUebertragung() {
        int telegramme = 0;
        connect(k->g.get(), &Geraet::telegramm, this, [&] { ++telegramme; });
        GeraetZugang::link(*k->g)->dspframe(52, 2);
        QVERIFY(k->sim->waitForFrames(1, 1000));
        QVERIFY(GeraetZugang::link(*k->g)->beginTransfer());
        k->zf().setSchritt(5);
        k->g->lesen(Geraet::Leser::ZfKal, true);
        QTest::qWait(400);
        // The telegrams were the transfer's to read; nobody counted silence meanwhile.
        QCOMPARE(k->g->empfangsring().empfangen(), 0);
        QCOMPARE(telegramme, 0);
        QVERIFY(k->person.boxen.isEmpty());
        GeraetZugang::link(*k->g)->endTransfer();
        QVERIFY(KalGeraet::warte([&] { return telegramme > 5; }, 2000));
    }

    // Several telegrams arrive between two polls (the set sends every periode ms, the polls
    // tick every 10 ms): every one is handed on, to the sweep, to the monitor, and to both
    // when both listen.
    void jedesTelegramm_data() {
        QTest::addColumn<bool>("monitor");
        QTest::addColumn<bool>("sweep");
        QTest::addColumn<int>("periode");
        QTest::newRow("sweep, 2 per poll") << false << true << 5;
        QTest::newRow("sweep, 5 per poll") << false << true << 2;
        QTest::newRow("monitor, 2 per poll") << true << false << 5;
        QTest::newRow("monitor, 5 per poll") << true << false << 2;
        QTest::newRow("monitor and sweep, 5 per poll") << true << true << 2;
    }
    void jedesTelegramm() {
        QFETCH(bool, monitor);
        QFETCH(bool, sweep);
        QFETCH(int, periode);
        QVERIFY(k->starten(periode));
        k->dsp->setSignalpegel(77.0);
        int gezeigt = 0;
        connect(k->g.get(), &Geraet::telegramm, this, [&] {
            if (k->g->liest(Geraet::Leser::Monitor))
                ++gezeigt;
        });
        const int vorher = k->dsp->telegrammeGesendet();
        if (monitor)
            k->g->lesen(Geraet::Leser::Monitor, true);
        if (sweep) {
            k->zf().setSchritt(18);
            k->g->lesen(Geraet::Leser::ZfKal, true);
            k->zf().weiter();
            // A guard only: a loaded machine (two test programs beside the builds) takes its time.
            QVERIFY(KalGeraet::warte([&] { return k->zf().schritt() >= 20; }, 90000));
            // 64 steps of 15 telegrams, each measured: a few more for the polls' latency.
            const int gesendet = k->dsp->telegrammeGesendet() - vorher;
            QVERIFY2(gesendet <= 64 * 15 + 64 * 15 / 10, qPrintable(QString::number(gesendet)));
            QVERIFY(std::all_of(k->zf().messung().gemessen.begin(),
                                k->zf().messung().gemessen.end(), [](bool b) { return b; }));
        } else {
            QTest::qWait(1000);
        }
        if (!monitor)
            return;
        // Every telegram sent so far reaches the monitor, once the polls caught up.
        const int gesendet = k->dsp->telegrammeGesendet() - vorher;
        QVERIFY(gesendet > 50);
        QVERIFY2(KalGeraet::warte([&] { return gezeigt >= gesendet; }, 1000),
                 qPrintable(QStringLiteral("%1 of %2").arg(gezeigt).arg(gesendet)));
    }

    // Three bursts of 40 telegrams back to back, 2880 bytes waiting at one poll: a poll takes
    // everything the port has, and the monitor of talvaro-cli hands on all 120.
    void buendel() {
        k->dsp->setPeriode(3600 * 1000);
        QByteArray buendel;
        for (int i = 0; i < 40; ++i) {
            k->dsp->setSignalpegel(30.0 + i);
            buendel += k->dsp->telegramm();
        }
        QTimer::singleShot(200, this, [&] {
            for (int i = 0; i < 3; ++i)
                k->sim->send(buendel);
        });
        QElapsedTimer uhr;
        uhr.start();
        QList<int> worte;
        const TransferResult r = k->g->monitorLauf(
            120, [&] { return uhr.elapsed() > 5000; },
            [&](const TDspDaten& d) { worte.append(d.wert2); });
        QVERIFY(r.ok());
        QCOMPARE(worte.size(), 120);
        QCOMPARE(k->g->vorgang().frames, 120);
        // In the order they came.
        for (int i = 0; i < 120; ++i) {
            k->dsp->setSignalpegel(30.0 + i % 40);
            QCOMPARE(worte.at(i), k->dsp->pegelwort(k->dsp->dacstufe()));
        }
    }
};

QTEST_MAIN(TestTelegrammstrom)
#include "tst_telegrammstrom.moc"
