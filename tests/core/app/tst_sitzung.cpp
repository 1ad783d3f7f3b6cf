// The session's parameter state under edits that meet a column change, a load or a cancel:
// what reaches the set and what the table keeps.
#include "app/bediener.h"
#include "app/geraet.h"
#include "link/link.h"
#include "link/progress.h"
#include "sim/simtransceiver.h"
#include "testenv.h"

#include <QTimer>
#include <QtTest>

namespace {
using Frames = QList<std::pair<int, int>>;

// Every progress it hands out has been cancelled from the start.
class Abbrecher : public Bediener {
    class Fortschritt : public Progress {
    public:
        void setRange(int, int) override {}
        void setValue(int) override {}
        bool wasCanceled() const override { return true; }
    };

public:
    bool bestaetigen(const QString&, const QString&, bool) override { return true; }
    QString dateiWaehlen(Wahl, const QString&, const QString&, const QString&) override {
        return {};
    }
    std::unique_ptr<Progress> fortschritt(const QString&, int, int, double,
                                          const QString&) override {
        return std::make_unique<Fortschritt>();
    }
    void log(const QString&) override {}
    void meldung(Box, const QString&, const QString&) override {}
};

QString release(const QString& name) {
    return TestEnv::sampleRelease() + QLatin1Char('/') + name;
}

// A session on the simulator's port with the sample release's user file loaded.
bool geladen(Geraet& g, SimTransceiver& sim, int delay) {
    TEinstellungen e;
    e.rs232 = sim.portPath();
    e.paramrs232writetime = delay;
    e.parameterfilename[0] = release(QStringLiteral("USER2B2.DPK"));
    e.xparameterfilename[0] = release(QStringLiteral("Filters/Xparams.dpk"));
    e.rxeqfilename[0] = QStringLiteral("/nonexistent/RxEQ.dat");
    g.setEinstellungen(e, 0);
    return g.verbinden() && g.userParameterLaden();
}

// The block of a column as the set gets it, counted here from the sample file's column.
Frames block(const Geraet& g, parameter::Modus modus, parameter::Bank bank) {
    Frames f{{108, 1}};
    for (int i = 10; i <= 99; ++i) {
        const int v = parameter::anzeigewert(g.tabelle()[size_t(i)], modus, bank);
        if (v != TParameter::fehlt)
            f.append({i, v});
    }
    f.append({108, 0});
    return f;
}
} // namespace

class TestSitzung : public QObject {
    Q_OBJECT

private slots:
    // Two edits of SSB Gruen are paced out; another column is chosen while the first frame
    // is on the line. The set must end with the new column: the second edit is stored in
    // green but not sent after the block.
    void spaltenwechselBeimSenden_data() {
        QTest::addColumn<int>("modus");
        QTest::addColumn<int>("bank");
        QTest::newRow("Gelb") << int(parameter::Modus::Ssb) << int(parameter::Bank::Gelb);
        QTest::newRow("CW") << int(parameter::Modus::Cw) << int(parameter::Bank::Gruen);
    }
    void spaltenwechselBeimSenden() {
        QFETCH(int, modus);
        QFETCH(int, bank);
        SimTransceiver sim;
        Geraet g;
        QVERIFY(geladen(g, sim, 20));
        const Frames edits = g.parameterAendern({{11, 191}, {12, 12}});
        QCOMPARE(edits, (Frames{{11, 191}, {12, 12}}));
        Geraet::Spalte neu;
        neu.modus = parameter::Modus(modus);
        neu.bank = parameter::Bank(bank);
        QTimer::singleShot(20, &g, [&] { g.spalteWaehlen(neu); });
        QVERIFY(g.framesSenden(edits).ok());
        const Frames erwartet = Frames{{11, 191}} + block(g, neu.modus, neu.bank);
        QVERIFY(sim.waitForFrames(int(erwartet.size()), 5000));
        sim.waitForFrames(int(erwartet.size()) + 1, 300);
        QCOMPARE(sim.framePairs(), erwartet);
        QCOMPARE(g.tabelle()[12].ssbgreen, 12);
    }

    // "X-Parameter laden" after a load that failed (a missing equalizer file) is a load of
    // its own: the table is offered and shown again.
    void xLadenNachFehlschlag() {
        SimTransceiver sim;
        Geraet g;
        QVERIFY(geladen(g, sim, 0));
        eqcurve::Curve kurve{};
        QVERIFY(!g.eqDateiLesen(eqcurve::Side::Rx, &kurve));
        QVERIFY(g.dateiFehler());
        QSignalSpy gezeigt(&g, &Geraet::parameterGeladen);
        QVERIFY(g.xParameterLaden());
        QCOMPARE(gezeigt.count(), 1);
        QVERIFY(g.paramGeladen() && !g.dateiFehler());
    }

    // The block is one piece: a cancelled progress does not cut it short.
    void blockLaeuftZuEnde() {
        SimTransceiver sim;
        Geraet g;
        Abbrecher person;
        g.setBediener(&person);
        QVERIFY(geladen(g, sim, 0));
        const Frames erwartet = block(g, parameter::Modus::Ssb, parameter::Bank::Gruen);
        QVERIFY(g.parameterSenden({}).ok());
        QVERIFY(sim.waitForFrames(int(erwartet.size()), 5000));
        QCOMPARE(sim.framePairs(), erwartet);
    }
};

QTEST_GUILESS_MAIN(TestSitzung)
#include "tst_sitzung.moc"
