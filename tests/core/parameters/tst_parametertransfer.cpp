// The column of the table as frames for the DSP, the read-back area into the table (against
// the simulated PIC's own encoder), and the editor's scaling, rounding and storing rules.
#include "parameters/parametereditor.h"
#include "parameters/parametertransfer.h"
#include "parameters/parametervergleich.h"
#include "sim/simpicparams.h"

#include <QtTest>
#include <cmath>

using namespace parameter;
using Frames = QList<Frame>;
using Banks = std::array<int, 6>;

Q_DECLARE_METATYPE(Modus)
Q_DECLARE_METATYPE(Bank)
Q_DECLARE_METATYPE(Banks)

namespace {
// An entry with the six bank values in the order SSB G, Y, R, CW G, Y, R.
TParameter eintrag(Banks b) {
    TParameter p;
    p.ssbgreen = b[0];
    p.ssbyellow = b[1];
    p.ssbred = b[2];
    p.cwgreen = b[3];
    p.cwyellow = b[4];
    p.cwred = b[5];
    return p;
}

// A rounding that must give no raw value at all.
constexpr int kNichts = -999;

Frames mitBlock(Frames inner) {
    inner.prepend({108, 1});
    inner.append({108, 0});
    return inner;
}
} // namespace

class TestParameterTransfer : public QObject {
    Q_OBJECT

private slots:
    void frames_data() {
        QTest::addColumn<int>("nummer");
        QTest::addColumn<Banks>("banks");
        QTest::addColumn<Modus>("modus");
        QTest::addColumn<Bank>("bank");
        QTest::addColumn<bool>("monitor");
        QTest::addColumn<Frames>("expected");
        const Banks b{40, 254, 12, 90, 254, 254};
        QTest::newRow("Gelb 254 goes as green")
            << 23 << b << Modus::Ssb << Bank::Gelb << false << Frames{{23, 40}};
        QTest::newRow("Rot own value")
            << 23 << b << Modus::Ssb << Bank::Rot << false << Frames{{23, 12}};
        QTest::newRow("CW Rot 254 goes as CW green")
            << 23 << b << Modus::Cw << Bank::Rot << false << Frames{{23, 90}};
        QTest::newRow("254 in green is a value") << 23 << Banks{254, 1, 1, 1, 1, 1} << Modus::Ssb
                                                 << Bank::Gruen << false << Frames{{23, 254}};
        QTest::newRow("254 to a green of 255 sends 255")
            << 23 << Banks{255, 254, 254, 255, 254, 254} << Modus::Ssb << Bank::Gelb << false
            << Frames{{23, 255}};
        QTest::newRow("255 sends nothing") << 23 << Banks{255, 255, 255, 255, 255, 255}
                                           << Modus::Ssb << Bank::Gruen << false << Frames{};
        QTest::newRow("multiple of 10 like any other")
            << 40 << Banks{7, 255, 255, 255, 255, 255} << Modus::Ssb << Bank::Gruen << false
            << Frames{{40, 7}};
        QTest::newRow("monitor forces 52 to 2")
            << 52 << Banks{9, 9, 9, 9, 9, 9} << Modus::Cw << Bank::Gelb << true << Frames{{52, 2}};
        QTest::newRow("monitor forces 52 even at 255")
            << 52 << Banks{255, 255, 255, 255, 255, 255} << Modus::Ssb << Bank::Gruen << true
            << Frames{{52, 2}};
        QTest::newRow("monitor off: 52 as the table says")
            << 52 << Banks{9, 9, 9, 9, 9, 9} << Modus::Ssb << Bank::Gruen << false
            << Frames{{52, 9}};
        QTest::newRow("monitor leaves 53 alone") << 53 << Banks{9, 9, 9, 9, 9, 9} << Modus::Ssb
                                                 << Bank::Gruen << true << Frames{{52, 2}, {53, 9}};
        QTest::newRow("low 8 bits of an odd value") << 11 << Banks{300, 0, 0, 0, 0, 0} << Modus::Ssb
                                                    << Bank::Gruen << false << Frames{{11, 44}};
        QTest::newRow("entries below 10 never go")
            << 5 << Banks{1, 1, 1, 1, 1, 1} << Modus::Ssb << Bank::Gruen << false << Frames{};
    }
    void frames() {
        QFETCH(int, nummer);
        QFETCH(Banks, banks);
        QFETCH(Modus, modus);
        QFETCH(Bank, bank);
        QFETCH(bool, monitor);
        QFETCH(Frames, expected);
        ParameterTabelle t;
        resetParameterTabelle(t);
        t[size_t(nummer)] = eintrag(banks);
        QCOMPARE(parameterFrames(t, modus, bank, monitor), mitBlock(expected));
    }

    // A full column: frames in ascending order, one per entry that has a value.
    void wholeColumnInOrder() {
        ParameterTabelle t;
        resetParameterTabelle(t);
        Frames expected;
        for (int i = 0; i < 100; ++i) {
            t[size_t(i)] = eintrag({255, 255, 255, i % 7 == 0 ? 255 : i + 100, 255, 255});
            if (i >= 10 && i % 7 != 0)
                expected.append({i, i + 100});
        }
        const Frames f = parameterFrames(t, Modus::Cw, Bank::Gruen, false);
        QCOMPARE(f, mitBlock(expected));
        QVERIFY(f.size() <= 92);
    }

    void readBackArea_data() {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("nummer");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("value");
        QTest::newRow("720: user of 10") << 720 << 7 << 10 << "user" << 17;
        QTest::newRow("809: user of 99") << 809 << 4 << 99 << "user" << 94;
        QTest::newRow("0: SSB green of 10") << 0 << 33 << 10 << "ssbgreen" << 33;
        QTest::newRow("90: SSB yellow of 10") << 90 << 254 << 10 << "ssbyellow" << 254;
        QTest::newRow("269: SSB red of 99") << 269 << 1 << 99 << "ssbred" << 1;
        QTest::newRow("270: upper limit first") << 270 << 200 << 10 << "max" << 200;
        QTest::newRow("360: then the lower limit") << 360 << 3 << 10 << "min" << 3;
        QTest::newRow("450: CW green") << 450 << 128 << 10 << "cwgreen" << 128;
        QTest::newRow("585: CW yellow of 55") << 585 << 9 << 55 << "cwyellow" << 9;
        QTest::newRow("719: CW red of 99") << 719 << 250 << 99 << "cwred" << 250;
        QTest::newRow("high user digit byte") << 765 << 200 << 55 << "user" << 250;
    }
    void readBackArea() {
        QFETCH(int, offset);
        QFETCH(int, byte);
        QFETCH(int, nummer);
        QFETCH(QString, field);
        QFETCH(int, value);
        ParameterTabelle t;
        resetParameterTabelle(t);
        t[size_t(nummer)].name = QStringLiteral("kept");
        t[size_t(nummer)].x = 0.5;
        t[size_t(nummer)].xparam = true;
        QByteArray area(kBereichGroesse, char(0));
        area[offset] = char(byte);
        uebernehmeBereich(t, area);
        const TParameter& p = t[size_t(nummer)];
        const QMap<QString, int> got{
            {"user", p.user},       {"ssbgreen", p.ssbgreen}, {"ssbyellow", p.ssbyellow},
            {"ssbred", p.ssbred},   {"max", p.max},           {"min", p.min},
            {"cwgreen", p.cwgreen}, {"cwyellow", p.cwyellow}, {"cwred", p.cwred}};
        QCOMPARE(got.value(field), value);
        QCOMPARE(p.name, QStringLiteral("kept"));
        QCOMPARE(p.x, 0.5);
        QVERIFY(p.xparam);
        // Entries below 10 are not in the area.
        QCOMPARE(t[9], TParameter{});
    }

    // The simulated PIC encodes its table on its own; the loader's decoder must give the
    // table back, for every parameter and block.
    void simulatorAreaDecodes() {
        QMap<int, SimPicParam> sim;
        for (int nr = 10; nr <= 99; ++nr) {
            SimPicParam s;
            s.ssb[0] = nr;
            s.ssb[1] = (nr * 3) & 0xFF;
            s.ssb[2] = 254;
            s.cw[0] = 255 - nr;
            s.cw[1] = nr % 5 == 0 ? 255 : nr + 1;
            s.cw[2] = (nr * 7) & 0xFF;
            s.min = nr % 4;
            s.max = 200 + nr % 50;
            s.einer = nr % 10 == 3 ? 9 : nr % 10;
            sim.insert(nr, s);
        }
        const QByteArray area = SimPicParams::area(sim);
        QCOMPARE(area.size(), 1023);
        ParameterTabelle t;
        resetParameterTabelle(t);
        uebernehmeBereich(t, area);
        for (int nr = 10; nr <= 99; ++nr) {
            const SimPicParam& s = sim[nr];
            const TParameter& p = t[size_t(nr)];
            QCOMPARE(p.ssbgreen, s.ssb[0]);
            QCOMPARE(p.ssbyellow, s.ssb[1]);
            QCOMPARE(p.ssbred, s.ssb[2]);
            QCOMPARE(p.cwgreen, s.cw[0]);
            QCOMPARE(p.cwyellow, s.cw[1]);
            QCOMPARE(p.cwred, s.cw[2]);
            QCOMPARE(p.min, s.min);
            QCOMPARE(p.max, s.max);
            QCOMPARE(p.user, nr / 10 * 10 + s.einer);
        }
    }

    void shortAreaNeverReadsPast() {
        ParameterTabelle t;
        resetParameterTabelle(t);
        uebernehmeBereich(t, QByteArray(95, char(1)));
        QCOMPARE(t[10].ssbgreen, 1);
        QCOMPARE(t[14].ssbyellow, 1);
        QCOMPARE(t[15].ssbyellow, 255);
        const ParameterTabelle vorher = t;
        uebernehmeBereich(t, QByteArray());
        QCOMPARE(t, vorher);
    }

    void spinDisplay_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        QTest::addColumn<int>("v");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("shownMin");
        QTest::addColumn<double>("shownMax");
        QTest::addColumn<double>("shown");
        QTest::newRow("x 0.5") << 0.5 << 0 << 100 << 40 << 1 << 0.0 << 50.0 << 20.0;
        QTest::newRow("x 0.05") << 0.05 << 0 << 200 << 36 << 2 << 0.0 << 10.0 << 1.8;
        QTest::newRow("x 0.1") << 0.1 << 5 << 127 << 14 << 1 << 0.5 << 12.7 << 1.4;
        QTest::newRow("x 0.099") << 0.099 << 0 << 100 << 10 << 2 << 0.0 << 9.9 << 0.99;
        QTest::newRow("x 1") << 1.0 << 0 << 253 << 190 << 0 << 0.0 << 253.0 << 190.0;
        QTest::newRow("x 2") << 2.0 << 0 << 100 << 30 << 0 << 0.0 << 200.0 << 60.0;
        QTest::newRow("x 10") << 10.0 << 0 << 127 << 95 << 0 << 0.0 << 1270.0 << 950.0;
        QTest::newRow("x 0 shows 0") << 0.0 << 0 << 100 << 40 << 2 << 0.0 << 0.0 << 0.0;
    }
    void spinDisplay() {
        QFETCH(double, x);
        QFETCH(int, min);
        QFETCH(int, max);
        QFETCH(int, v);
        QFETCH(int, decimals);
        QFETCH(double, shownMin);
        QFETCH(double, shownMax);
        QFETCH(double, shown);
        TParameter p;
        p.x = x;
        p.min = min;
        p.max = max;
        const SpinAnzeige a = spinAnzeige(p, v);
        QCOMPARE(a.decimals, decimals);
        QCOMPARE(a.minimum, shownMin);
        QCOMPARE(a.maximum, shownMax);
        QCOMPARE(a.step, x);
        QCOMPARE(a.wert, shown);
    }

    // An edit stops one below what would make the entry absent (255) or, in Gelb and Rot
    // where it holds its own value, "as green" (254); a stored value outside the edit range
    // still shows as it is.
    void editRange_data() {
        QTest::addColumn<int>("bank");
        QTest::addColumn<int>("yellow");
        QTest::addColumn<int>("max");
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("oben");
        QTest::addColumn<double>("shownMax");
        QTest::newRow("green, max 255") << 0 << 254 << 255 << 30 << 254 << 254.0;
        QTest::newRow("yellow own, max 255") << 1 << 40 << 255 << 40 << 253 << 253.0;
        QTest::newRow("yellow as green") << 1 << 254 << 255 << 30 << 254 << 254.0;
        QTest::newRow("green 120 over max 100") << 0 << 254 << 100 << 120 << 100 << 120.0;
    }
    void editRange() {
        QFETCH(int, bank);
        QFETCH(int, yellow);
        QFETCH(int, max);
        QFETCH(int, stored);
        QFETCH(int, oben);
        QFETCH(double, shownMax);
        TParameter p;
        p.ssbgreen = 30;
        p.ssbyellow = yellow;
        p.min = 0;
        p.max = max;
        p.x = 1.0;
        const EditBereich b = editBereich(p, Modus::Ssb, Bank(bank));
        QCOMPARE(b.oben, oben);
        QCOMPARE(b.begrenzt(255), oben);
        QCOMPARE(spinAnzeige(p, stored, b).maximum, shownMax);
    }

    void rounding_data() {
        QTest::addColumn<double>("s");
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("raw");
        QTest::newRow("20.5 at 0.5") << 20.5 << 0.5 << 41;
        // A box showing 255 through its scale holds an ordinary value; formerly it read as
        // 255, "absent", and the entry was stored as such and vanished.
        QTest::newRow("255 shown at 0.5 is 510") << 255.0 << 0.5 << 510;
        QTest::newRow("254.6 at 0.5 is divided") << 254.6 << 0.5 << 509;
        QTest::newRow("255 at x 3 is the stored 85") << 255.0 << 3.0 << 85;
        QTest::newRow("255 typed at x 10") << 255.0 << 10.0 << 26;
        QTest::newRow("254.4 is divided") << 254.4 << 2.0 << 127;
        QTest::newRow("half goes up") << 2.5 << 1.0 << 3;
        QTest::newRow("negative half goes up too") << -2.5 << 1.0 << -2;
        QTest::newRow("quotient half goes up") << 1.5 << 2.0 << 1;
        QTest::newRow("two decimals, inexact binary") << 1.8 << 0.05 << 36;
        QTest::newRow("one decimal of 0.1") << 0.7 << 0.1 << 7;
        QTest::newRow("x 10") << 950.0 << 10.0 << 95;
        QTest::newRow("x 0: nothing") << 0.0 << 0.0 << kNichts;
        QTest::newRow("x 0 even at 255") << 255.0 << 0.0 << kNichts;
        QTest::newRow("quotient beyond int") << 1e9 << 1e-9 << kNichts;
    }
    void rounding() {
        QFETCH(double, s);
        QFETCH(double, x);
        QFETCH(int, raw);
        const std::optional<int> r = rohwert(s, x);
        if (raw == kNichts) {
            QVERIFY(!r);
        } else {
            QVERIFY(r);
            QCOMPARE(*r, raw);
        }
    }

    // Every raw value a file can hold comes back from what its spin box shows, once the
    // value has been rounded to the box's decimals.
    void roundTripThroughDecimals_data() {
        QTest::addColumn<double>("x");
        for (double x : {0.05, 0.1, 0.25, 0.5, 1.0, 2.0, 10.0})
            QTest::addRow("x %g", x) << x;
    }
    void roundTripThroughDecimals() {
        QFETCH(double, x);
        const int d = nachkommastellen(x);
        for (int v = 0; v <= 254; ++v) {
            const double shown = std::round(v * x * std::pow(10.0, d)) / std::pow(10.0, d);
            const auto r = rohwert(shown, x);
            QVERIFY(r);
            // x 0.25 at one decimal cannot show every value exactly; still within one step.
            if (x == 0.25)
                QVERIFY2(std::abs(*r - v) <= 1, qPrintable(QString::number(v)));
            else
                QCOMPARE(*r, v);
        }
    }

    void storing_data() {
        QTest::addColumn<Banks>("before");
        QTest::addColumn<Modus>("modus");
        QTest::addColumn<Bank>("bank");
        QTest::addColumn<int>("r");
        QTest::addColumn<int>("previous");
        QTest::addColumn<Banks>("after");
        QTest::newRow("green") << Banks{10, 20, 30, 40, 50, 60} << Modus::Ssb << Bank::Gruen << 11
                               << 10 << Banks{11, 20, 30, 40, 50, 60};
        QTest::newRow("green at 255 stays")
            << Banks{255, 20, 30, 40, 50, 60} << Modus::Ssb << Bank::Gruen << 11 << 255
            << Banks{255, 20, 30, 40, 50, 60};
        QTest::newRow("Gelb own value") << Banks{10, 20, 30, 40, 50, 60} << Modus::Ssb << Bank::Gelb
                                        << 21 << 20 << Banks{10, 21, 30, 40, 50, 60};
        QTest::newRow("Gelb 254 stores into green")
            << Banks{10, 254, 30, 40, 50, 60} << Modus::Ssb << Bank::Gelb << 12 << 10
            << Banks{12, 254, 30, 40, 50, 60};
        QTest::newRow("CW Rot 254 stores into CW green")
            << Banks{10, 20, 254, 40, 50, 254} << Modus::Cw << Bank::Rot << 41 << 40
            << Banks{10, 20, 254, 41, 50, 254};
        QTest::newRow("254 with green 255 stores nothing")
            << Banks{255, 254, 30, 40, 50, 60} << Modus::Ssb << Bank::Gelb << 7 << 255
            << Banks{255, 254, 30, 40, 50, 60};
        QTest::newRow("Rot 255 stays") << Banks{10, 20, 255, 40, 50, 60} << Modus::Ssb << Bank::Rot
                                       << 7 << 255 << Banks{10, 20, 255, 40, 50, 60};
        QTest::newRow("CW Gelb") << Banks{10, 20, 30, 40, 50, 60} << Modus::Cw << Bank::Gelb << 51
                                 << 50 << Banks{10, 20, 30, 40, 51, 60};
    }
    void storing() {
        QFETCH(Banks, before);
        QFETCH(Modus, modus);
        QFETCH(Bank, bank);
        QFETCH(int, r);
        QFETCH(int, previous);
        QFETCH(Banks, after);
        TParameter p = eintrag(before);
        QCOMPARE(speichereWert(p, modus, bank, r), previous);
        QCOMPARE(p, eintrag(after));
    }

    void numberLabels_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("text");
        QTest::newRow("23") << 23 << "2.3";
        QTest::newRow("47") << 47 << "4.7";
        QTest::newRow("7") << 7 << "0.7";
        QTest::newRow("0") << 0 << "0.0";
        QTest::newRow("125") << 125 << "12.5";
        QTest::newRow("-23 truncates toward zero") << -23 << "-2.-3";
    }
    void numberLabels() {
        QFETCH(int, n);
        QFETCH(QString, text);
        QCOMPARE(nummerText(n), text);
    }

    // A table against the set's area by number and field; a parameter on one side only is a
    // row of its own. Taking the set's values over leaves only what the set lacks.
    void vergleich_data() {
        QTest::addColumn<int>("nummer");
        QTest::addColumn<QString>("dateiName"); // empty: the file lacks the parameter
        QTest::addColumn<Banks>("datei");
        QTest::addColumn<Banks>("set");
        QTest::addColumn<QList<int>>("minMaxUser"); // file's, then the set's
        QTest::addColumn<QStringList>("zeilen");
        const Banks b{207, 254, 254, 40, 255, 255};
        QTest::newRow("equal") << 35 << "Gain" << b << b << QList<int>{0, 200, 31, 0, 200, 31}
                               << QStringList{};
        QTest::newRow("one column")
            << 35 << "Gain" << b << Banks{73, 254, 254, 40, 255, 255}
            << QList<int>{0, 200, 31, 0, 200, 31} << QStringList{"35 Gain ssb-gruen 207 73"};
        QTest::newRow("limits and user number")
            << 99 << "Agc" << b << b << QList<int>{0, 200, 91, 5, 255, 99}
            << QStringList{"99 Agc min 0 5", "99 Agc max 200 255", "99 Agc user 91 99"};
        QTest::newRow("absent in one column")
            << 10 << "Erster" << b << Banks{207, 254, 255, 40, 255, 255}
            << QList<int>{0, 200, 10, 0, 200, 10} << QStringList{"10 Erster ssb-rot 254 255"};
        // The name then comes from the profile's parameter file.
        QTest::newRow("file lacks it")
            << 40 << "" << Banks{255, 255, 255, 255, 255, 255} << b
            << QList<int>{255, 255, 0, 0, 200, 40} << QStringList{"40 Profilname present 0 1"};
        // A named line without a value is what the set holds for it: nothing.
        QTest::newRow("named, without a value on both sides")
            << 99 << "Reserve" << Banks{255, 255, 255, 255, 255, 255}
            << Banks{255, 255, 255, 255, 255, 255} << QList<int>{0, 200, 99, 255, 255, 90}
            << QStringList{};
        QTest::newRow("set lacks it")
            << 41 << "Neu" << b << Banks{255, 255, 255, 255, 255, 255}
            << QList<int>{0, 200, 41, 255, 255, 40} << QStringList{"41 Neu present 1 0"};
    }
    void vergleich() {
        QFETCH(int, nummer);
        QFETCH(QString, dateiName);
        QFETCH(Banks, datei);
        QFETCH(Banks, set);
        QFETCH(QList<int>, minMaxUser);
        QFETCH(QStringList, zeilen);
        ParameterTabelle d, s, namen;
        resetParameterTabelle(d);
        resetParameterTabelle(s);
        resetParameterTabelle(namen);
        // Below the area: never compared.
        d[5] = eintrag({1, 2, 3, 4, 5, 6});
        d[5].name = QStringLiteral("Unten");
        namen[size_t(nummer)].name = QStringLiteral("Profilname");
        TParameter& p = d[size_t(nummer)];
        p = eintrag(datei);
        p.name = dateiName;
        p.min = minMaxUser[0];
        p.max = minMaxUser[1];
        p.user = minMaxUser[2];
        TParameter& q = s[size_t(nummer)];
        q = eintrag(set);
        q.min = minMaxUser[3];
        q.max = minMaxUser[4];
        q.user = minMaxUser[5];
        QStringList ist;
        for (const Abweichung& a : vergleiche(d, s, namen))
            ist << QStringLiteral("%1 %2 %3 %4 %5")
                       .arg(a.parameter)
                       .arg(a.name, a.feld)
                       .arg(a.datei)
                       .arg(a.set);
        QCOMPARE(ist, zeilen);
        setWerteUebernehmen(d, s);
        QCOMPARE(vergleiche(d, s, namen).size(),
                 zeilen.filter(QStringLiteral(" present 1 0")).size());
        QCOMPARE(d[size_t(nummer)].name, dateiName);
    }
};

QTEST_GUILESS_MAIN(TestParameterTransfer)
#include "tst_parametertransfer.moc"
