// The bars of the calibration pages, driven by the session's telegrams from the simulated set
// on a pseudo-terminal.
#include "fensterteil.h"
#include "kalfenster.h"

#include <QCheckBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

class TestEmpfangspoll : public QObject {
    Q_OBJECT
    std::unique_ptr<KalFenster> k;

    // Starts the stream the way a reader does, without the wizard.
    void pollstarten() { k->w->geraet()->lesen(Geraet::Leser::Programm, true); }

private slots:
    void init() {
        k = std::make_unique<KalFenster>();
        QVERIFY(k->starten());
    }
    void cleanup() { k.reset(); }

    void balken_data() {
        QTest::addColumn<bool>("smkalaktiv");
        QTest::addColumn<double>("signal");
        QTest::addColumn<double>("eingang");
        QTest::addColumn<int>("zf");
        QTest::addColumn<int>("sm");
        QTest::newRow("IF level") << false << 77.0 << -73.0 << 77 << 0;
        QTest::newRow("IF level beyond the bar") << false << 96.0 << -73.0 << 90 << 0;
        QTest::newRow("noise only") << false << -200.0 << -73.0 << 24 << 0;
        QTest::newRow("S-meter byte") << true << 77.0 << -73.0 << 0 << 56;
        QTest::newRow("S-meter byte beyond the bar") << true << 77.0 << -30.0 << 0 << 90;
    }
    void balken() {
        QFETCH(bool, smkalaktiv);
        QFETCH(double, signal);
        QFETCH(double, eingang);
        QFETCH(int, zf);
        QFETCH(int, sm);
        k->dsp->setSignalpegel(signal);
        k->dsp->setEingangDbm(eingang);
        // The S-meter calibration's own load makes it the owner of the bars.
        if (smkalaktiv)
            QVERIFY(k->w->geraet()->kalParameterLaden(true));
        QCOMPARE(k->w->geraet()->smKalAktiv(), smkalaktiv);
        pollstarten();
        QProgressBar* an =
            smkalaktiv ? teil<QProgressBar>(*k->w, "smbar") : teil<QProgressBar>(*k->w, "zfbar");
        QVERIFY(KalFenster::warte([&] { return an->value() == (smkalaktiv ? sm : zf); }, 2000));
        QTest::qWait(100);
        QCOMPARE(teil<QProgressBar>(*k->w, "zfbar")->value(), zf);
        QCOMPARE(teil<QProgressBar>(*k->w, "smbar")->value(), sm);
        QCOMPARE(teil<QProgressBar>(*k->w, "zfbar")->text(), QStringLiteral("%1dB").arg(zf));
        QVERIFY(k->dialoge.shown.isEmpty());
    }
};

QTEST_MAIN(TestEmpfangspoll)
#include "tst_empfangspoll.moc"
