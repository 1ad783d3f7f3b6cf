// The IF calibration's measurement requests as the receive poll feeds them: echo tests,
// averages, and the DAC sweep against a model of the AD603 whose level follows the step;
// and the check of a sweep's curve before its table is written.
#include "calibration/ad603pruefung.h"
#include "calibration/zfmessung.h"
#include "sim/simdsp.h"
#include "testenv.h"

#include <QTest>
#include <cmath>
#include <memory>

using Art = ZfMessung::Antwort::Art;

class TestZfMessung : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { env = std::make_unique<TestEnv>(); }
    void echo_data();
    void echo();
    void mittelwert_data();
    void mittelwert();
    void sweep();
    void ohneAuftrag();
    void kurvenpruefung_data();
    void kurvenpruefung();

private:
    std::unique_ptr<TestEnv> env;
};

void TestZfMessung::echo_data() {
    QTest::addColumn<int>("schritt");
    QTest::addColumn<QList<int>>("codes"); // echo codes of the telegrams in turn
    QTest::addColumn<int>("ende");         // telegram (from 1) whose answer is not Nichts
    QTest::addColumn<int>("art");
    QList<int> ohne(60, 0);
    QList<int> spaet(60, 8);
    spaet[49] = 6;
    QTest::newRow("step 3: echo 6 at once") << 3 << QList<int>{6} << 1 << int(Art::Fertig);
    QTest::newRow("step 3: echo 6 as the 50th") << 3 << spaet << 50 << int(Art::Fertig);
    QTest::newRow("step 3: 50 without 6") << 3 << ohne << 50 << int(Art::Echofehler);
    QTest::newRow("step 3: echo 8 is not it")
        << 3 << QList<int>(60, 8) << 50 << int(Art::Echofehler);
    QList<int> acht(60, 6);
    acht[20] = 8;
    QTest::newRow("step 4: echo 8 as the 21st") << 4 << acht << 21 << int(Art::Fertig);
    QTest::newRow("step 4: 50 without 8") << 4 << QList<int>(60, 6) << 50 << int(Art::Echofehler);
}

void TestZfMessung::echo() {
    QFETCH(int, schritt);
    QFETCH(QList<int>, codes);
    QFETCH(int, ende);
    QFETCH(int, art);
    ZfMessung m;
    m.anfordern(ZfMessung::echotelegramme);
    for (int i = 0; i < codes.size(); ++i) {
        const ZfMessung::Antwort a = m.telegramm(schritt, 50, codes.at(i));
        if (i + 1 < ende) {
            QCOMPARE(int(a.art), int(Art::Nichts));
            QVERIFY(m.messung);
            continue;
        }
        if (i + 1 == ende) {
            QCOMPARE(int(a.art), art);
            QCOMPARE(a.fehlercode, art == int(Art::Echofehler) ? schritt : 0);
            QVERIFY(!m.messung);
            continue;
        }
        // The request is over: later telegrams do nothing.
        QCOMPARE(int(a.art), int(Art::Nichts));
    }
}

void TestZfMessung::mittelwert_data() {
    QTest::addColumn<int>("schritt");
    QTest::addColumn<QList<int>>("pegel");
    QTest::addColumn<double>("mittel");
    QTest::newRow("noise, step 8")
        << 8 << QList<int>{23, 24, 25, 24, 24, 23, 25, 24, 24, 24} << 24.0;
    QTest::newRow("signal, step 11, 72.9")
        << 11 << QList<int>{73, 73, 73, 73, 73, 73, 73, 73, 73, 72} << 72.9;
    QTest::newRow("minimum, step 15")
        << 15 << QList<int>{36, 37, 36, 37, 36, 37, 36, 37, 36, 37} << 36.5;
}

void TestZfMessung::mittelwert() {
    QFETCH(int, schritt);
    QFETCH(QList<int>, pegel);
    QFETCH(double, mittel);
    ZfMessung m;
    m.pegelsumme = 1000; // left over from an earlier request
    m.anfordern(ZfMessung::pegeltelegramme);
    for (int i = 0; i < pegel.size(); ++i) {
        const ZfMessung::Antwort a = m.telegramm(schritt, pegel.at(i), 0);
        QCOMPARE(int(a.art), int(i == 9 ? Art::Fertig : Art::Nichts));
    }
    QVERIFY(qAbs(m.pegelsumme - mittel) < 1e-9);
    QVERIFY(!m.messung);
}

void TestZfMessung::sweep() {
    // The AD603 model: step d gives 36 + round(0.65 d) dB once settled; the first five
    // telegrams after a step change still show a wild level that must not count.
    const auto pegelbei = [](int d) { return 36 + (65 * d + 50) / 100; };
    ZfMessung m;
    m.pegelmin = 37;
    m.calcurve.fill(-5);
    m.sweepbeginnen();
    QCOMPARE(m.dacstufe, 63);
    QVERIFY(std::all_of(m.calcurve.begin(), m.calcurve.end(), [](double v) { return v == 0; }));

    int stufe = 63, seit = 0, telegramme = 0;
    QList<int> gemeldet;
    bool fertig = false;
    while (!fertig && telegramme < 2000) {
        const int p = seit < 5 ? 90 : pegelbei(stufe);
        const ZfMessung::Antwort a = m.telegramm(19, p, 0);
        ++telegramme;
        ++seit;
        if (a.art == Art::Dacstufe) {
            gemeldet << a.index;
            QCOMPARE(a.wert, m.calcurve[size_t(a.index)]);
            QCOMPARE(m.dacstufe, a.index - 1);
            stufe = m.dacstufe;
            seit = 0;
        } else if (a.art == Art::Fertig) {
            fertig = true;
        } else {
            QCOMPARE(int(a.art), int(Art::Nichts));
        }
    }
    QVERIFY(fertig);
    QCOMPARE(telegramme, 64 * 15);
    QCOMPARE(gemeldet.size(), 63);
    QCOMPARE(gemeldet.first(), 63);
    QCOMPARE(gemeldet.last(), 1);
    QVERIFY(!m.messung);
    for (int d = 0; d < 64; ++d)
        QCOMPARE(m.calcurve[size_t(d)], qMax(0.0, double(pegelbei(d)) - 37.0));
    QCOMPARE(m.calcurve[0], 0.0); // 36 dB is below the minimum: never negative

    // The table built from it: about 1.5 steps per dB, 40 dB above the minimum at most.
    const Ad603Tabelle t = ad603tabelle(m.calcurve);
    QCOMPARE(t[1], 1);   // 0 dB: step 0 is never chosen
    QCOMPARE(t[2], 3);   // 1 dB: 36 + round(1.95) - 37 at step 3
    QCOMPARE(t[31], 47); // 30 dB: 36 + round(30.55) - 37 at step 47
    QCOMPARE(t[41], 63); // 40 dB: the last one reached
    QCOMPARE(t[42], 99);
    QCOMPARE(t[46], 99);
}

void TestZfMessung::ohneAuftrag() {
    ZfMessung m;
    for (int schritt : {3, 4, 8, 11, 15, 19})
        QCOMPARE(int(m.telegramm(schritt, 50, 6).art), int(Art::Nichts));
    m.anfordern(ZfMessung::pegeltelegramme);
    for (int schritt : {0, 2, 5, 18, 20})
        QCOMPARE(int(m.telegramm(schritt, 50, 6).art), int(Art::Nichts));
    QCOMPARE(m.messzaehler, 10);
    QCOMPARE(m.pegelsumme, 0.0);
}

void TestZfMessung::kurvenpruefung_data() {
    QTest::addColumn<QList<double>>("kurve"); // levels above the minimum, steps 0..63
    QTest::addColumn<QList<int>>("ohne");     // steps the sweep did not measure
    QTest::addColumn<QStringList>("texte");
    QList<double> modell, unten, flach, klemmt, rauscht;
    for (int d = 0; d < 64; ++d) {
        const double g = std::floor(SimDsp::ad603gain(d) + 0.5);
        modell << g;
        // The lowest steps at the minimum level, as a sweep with 24 dB noise and a
        // 76 dB signal gives them: measured, not missing.
        unten << (d <= 2 ? 0.0 : g);
        // Steps 0..56 stuck at one level, rising only after that.
        flach << (d <= 56 ? 40.0 : 40.0 + (d - 56) * 2.0);
        // A DAC that does not move at all, and one whose level moves by the noise alone.
        klemmt << 12.0;
        rauscht << 12.0 + (d % 2) * 0.1;
    }
    const QStringList stehend{"Die Kurve steigt von Stufe 1 bis Stufe 63 nicht",
                              "33 von 46 Tabellenwerten sind Fuellwerte (99)"};
    QTest::newRow("the AD603") << modell << QList<int>{} << QStringList{};
    QTest::newRow("the lowest steps at the minimum") << unten << QList<int>{} << QStringList{};
    QTest::newRow("flat up to step 56")
        << flach << QList<int>{} << QStringList{"Die Kurve steigt von Stufe 1 bis Stufe 56 nicht"};
    QTest::newRow("stuck") << klemmt << QList<int>{} << stehend;
    QTest::newRow("stuck, 0.1 dB noise per step") << rauscht << QList<int>{} << stehend;
    QTest::newRow("two steps not measured")
        << modell << QList<int>{40, 5}
        << QStringList{"DAC-Stufen ohne Messwert: 2 (z. B. Stufe 5)"};
}

void TestZfMessung::kurvenpruefung() {
    QFETCH(QList<double>, kurve);
    QFETCH(QList<int>, ohne);
    QFETCH(QStringList, texte);
    Calcurve c{};
    Dacgemessen gemessen{};
    for (int d = 0; d < 64; ++d) {
        c[size_t(d)] = kurve.at(d);
        gemessen[size_t(d)] = !ohne.contains(d);
    }
    QCOMPARE(ad603pruefen(c, gemessen, ad603tabelle(c)).texte(), texte);
}

QTEST_GUILESS_MAIN(TestZfMessung)
#include "tst_zfmessung.moc"
