// The monitor's poll in the main window, fed by the simulated set's telegram stream over a
// pseudo-terminal: switching it on and off with the check box, what the window shows for
// the set's state, the AD603 table it converts the DAC step with, and a screenshot.
// Set TALVARO_SCREENSHOTS to a folder to keep the screenshot there.
#include "../calibration/kalfenster.h"
#include "fensterteil.h"
#include "monitor/dspmonitor.h"

#include <QChartView>
#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QXYSeries>

namespace {
// An AD603 file whose entry t is the step the set's gain curve first reaches t dB with.
QByteArray ad603ausKurve() {
    QByteArray out;
    for (int t = 0; t < 46; ++t) {
        int d = 1;
        while (d < 63 && SimDsp::ad603gain(d) < t)
            ++d;
        if (SimDsp::ad603gain(d) < t)
            d = 99;
        out += "00" + QByteArray::number(d, 16).toUpper().rightJustified(2, '0') + "00\r\n";
    }
    return out;
}
} // namespace

class TestMonitorPoll : public QObject {
    Q_OBJECT
    std::unique_ptr<KalFenster> k;

    vantrel& w() { return *k->w; }
    DspMonitor* mon() { return w().dspmonitor(); }
    QString text(const char* name) {
        auto* l = mon()->findChild<QLabel*>(QLatin1String(name));
        return l ? l->text() : QStringLiteral("<fehlt>");
    }
    int balken(const char* name) {
        auto* b = mon()->findChild<QProgressBar*>(QLatin1String(name));
        return b ? b->value() : -1;
    }
    void schreibeAd603(const QByteArray& inhalt) {
        QFile f(k->ad603());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(inhalt);
    }
    bool einschalten() {
        teil<QCheckBox>(w(), "cbdmoni")->setEnabled(true);
        teil<QTabWidget>(w(), "tabs")->setCurrentWidget(teil<QWidget>(w(), "parameterseite"));
        if (!KalFenster::klick(teil<QCheckBox>(w(), "cbdmoni")))
            return false;
        return teil<QCheckBox>(w(), "cbdmoni")->isChecked();
    }
    // Waits until the window shows what the set sends now.
    bool zeigt(const char* name, const QString& erwartet) {
        return KalFenster::warte([&] { return text(name) == erwartet; }, 2000);
    }

private slots:
    void init() {
        k = std::make_unique<KalFenster>();
        QVERIFY(k->starten());
        schreibeAd603(ad603ausKurve());
    }
    void cleanup() { k.reset(); }

    void einUndAus() {
        QVERIFY(!mon()->isVisible());
        QVERIFY(einschalten());
        QVERIFY(mon()->isVisible());
        QVERIFY(w().geraet()->liest(Geraet::Leser::Monitor));
        QVERIFY(k->sim->waitForFrames(1, 1000));
        QCOMPARE(k->rahmen().first(), (std::pair<int, int>{52, 2}));
        QVERIFY(zeigt("label_ad603", QStringLiteral("0")));
        // The table was loaded: entry k is the first step that reaches k dB.
        QCOMPARE(w().geraet()->monitorkurve()[0], 1.0);
        QVERIFY(w().geraet()->monitorkurve()[40] == 63.0 ||
                w().geraet()->monitorkurve()[40] == 99.0);

        k->vergessen();
        QVERIFY(KalFenster::klick(teil<QCheckBox>(w(), "cbdmoni")));
        QVERIFY(!mon()->isVisible());
        QVERIFY(!w().geraet()->liest(Geraet::Leser::Monitor));
        QVERIFY(k->sim->waitForFrames(1, 1000));
        QCOMPARE(k->rahmen(), (QList<std::pair<int, int>>{{52, 1}}));
        QVERIFY(!k->dsp->streamAn());
        // No silence box from the monitor's poll, whatever the line does.
        QVERIFY(k->dialoge.shown.isEmpty());
    }

    // Closed by its title bar, the window switches the telegrams off and unticks its box.
    void schliessen() {
        QVERIFY(einschalten());
        QVERIFY(zeigt("label_ad603", QStringLiteral("0")));
        k->vergessen();
        QVERIFY(mon()->close());
        QVERIFY(!teil<QCheckBox>(w(), "cbdmoni")->isChecked());
        QVERIFY(k->sim->waitForFrames(1, 1000));
        QCOMPARE(k->rahmen(), (QList<std::pair<int, int>>{{52, 1}}));
        QVERIFY(!w().geraet()->stromAn());
        // Ticked again, it comes back with the telegrams.
        QVERIFY(einschalten());
        QVERIFY(mon()->isVisible() && w().geraet()->stromAn());
    }

    void anzeige_data() {
        QTest::addColumn<int>("dac");
        QTest::addColumn<bool>("senden");
        QTest::addColumn<bool>("hang");
        QTest::addColumn<double>("eingang");
        QTest::addColumn<QString>("smeter");
        QTest::newRow("full gain, S9") << 63 << false << false << -73.0 << "S9";
        QTest::newRow("step 20, hang, +20") << 20 << false << true << -53.0 << "+20db";
        QTest::newRow("lowest gain, S5") << 0 << false << false << -97.0 << "S5";
        QTest::newRow("transmitting") << 30 << true << false << -73.0 << "";
    }
    void anzeige() {
        QFETCH(int, dac);
        QFETCH(bool, senden);
        QFETCH(bool, hang);
        QFETCH(double, eingang);
        QFETCH(QString, smeter);
        k->dsp->setSignalpegel(70.0);
        k->dsp->setSenden(senden);
        k->dsp->setHang(hang);
        k->dsp->setEingangDbm(eingang);
        k->dsp->setMikrofonpegel(45.0);
        QVERIFY(einschalten());
        w().geraet()->befehl(107, dac);
        QVERIFY(zeigt("label_ad603", QString::number(63 - dac)));
        QCOMPARE(mon()->empfangsanzeige(), !senden);
        QCOMPARE(text("labelsmeter"), smeter);
        QCOMPARE(text("label_hang"), hang && !senden ? QStringLiteral("Hang") : QString());
        QCOMPARE(text("label_12"), senden ? QStringLiteral("Tx out") : QStringLiteral("S-Meter"));
        if (senden) {
            QCOMPARE(balken("progressBar_1"), 45);
            QCOMPARE(text("label_gain"), QStringLiteral("15"));
            return;
        }
        // Row 3 is the IF level word: the set's level at this DAC step.
        const double zf = k->dsp->ifpegel(dac);
        QVERIFY2(qAbs(balken("progressBar_3") - zf) <= 0.51, qPrintable(QString::number(zf)));
        // The gain: the first table entry at or above the step, counted from 0 dB.
        int gain = 0;
        for (int j = 1; j <= 43; ++j) {
            if (w().geraet()->monitorkurve()[size_t(j)] >= dac) {
                gain = j - 1;
                break;
            }
        }
        QCOMPARE(text("label_gain"), QString::number(gain));
        // Counted in whole dB below the step's own entry, it never overstates the set's gain.
        QVERIFY2(gain <= SimDsp::ad603gain(dac) && gain >= SimDsp::ad603gain(dac) - 2.0,
                 qPrintable(QString::number(gain)));
        QCOMPARE(text("label_sigdb"), QStringLiteral("%1 dB").arg(k->dsp->smeterdb()));
    }

    void ohneTabelle() {
        schreibeAd603(QByteArray("000700\r\n").repeated(64));
        w().geraet()->loadcalcurve();
        QFile::remove(k->ad603());
        QVERIFY(einschalten());
        QVERIFY(zeigt("label_ad603", QStringLiteral("0")));
        // The file is missing: the table keeps what it held.
        QCOMPARE(w().geraet()->monitorkurve()[63], 7.0);
        QVERIFY(k->dialoge.shown.isEmpty());
    }

    void zuLangeTabelle() {
        QByteArray inhalt;
        for (int i = 0; i < 70; ++i)
            inhalt += "002A00\r\n";
        schreibeAd603(inhalt);
        w().geraet()->loadcalcurve();
        for (int d = 0; d < 64; ++d)
            QCOMPARE(w().geraet()->monitorkurve()[size_t(d)], 42.0);
    }

    void verlauf() {
        QVERIFY(einschalten());
        auto* bpause = teil<QPushButton>(*mon(), "bpause");
        auto* smeter = static_cast<QXYSeries*>(
            teil<QChartView>(*mon(), "monitorverlauf")->chart()->series().first());
        QVERIFY(KalFenster::warte([&] { return smeter->count() >= 3; }, 2000));
        // Paused: neither the chart nor the history moves while telegrams go on coming.
        QVERIFY(KalFenster::klick(bpause));
        QCOMPARE(bpause->text(), QStringLiteral("Weiter"));
        QTest::qWait(150);
        const size_t n = mon()->verlauf().size();
        const int vorher = k->dsp->telegrammeGesendet();
        QVERIFY(
            KalFenster::warte([&] { return k->dsp->telegrammeGesendet() > vorher + 20; }, 2000));
        QCOMPARE(mon()->verlauf().size(), n);
        QCOMPARE(size_t(smeter->count()), n);
        // The export writes what the chart shows; a directory is not replaced, and says so.
        const QString datei = k->env.configDir() + QStringLiteral("/verlauf.csv");
        k->dialoge.fileAnswers << datei << k->env.configDir();
        QVERIFY(KalFenster::klick(teil<QPushButton>(*mon(), "bexport")));
        QVERIFY(KalFenster::klick(teil<QPushButton>(*mon(), "bexport")));
        QFile f(datei);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll().count('\n'), qsizetype(n) + 1);
        QCOMPARE(k->dialoge.titles(),
                 (QStringList{"Monitorverlauf exportieren", "Monitorverlauf exportieren",
                              "Speichern fehlgeschlagen!"}));
        QVERIFY(KalFenster::klick(bpause));
        QVERIFY(KalFenster::warte([&] { return size_t(smeter->count()) > n; }, 2000));
    }

    void bildschirmfoto() {
        k->dsp->setSignalpegel(62.0);
        k->dsp->setSchwankung(1.5);
        k->dsp->setEingangDbm(-70.0);
        k->dsp->setSpike(true);
        QVERIFY(einschalten());
        w().geraet()->befehl(107, 44);
        QVERIFY(zeigt("label_ad603", QStringLiteral("19")));
        QTest::qWait(400);
        const QImage bild = mon()->grab().toImage();
        QCOMPARE(bild.size(), mon()->size());
        QVERIFY(bild.width() >= 530 && bild.height() >= 290);
        // Something was drawn: more than a handful of colours.
        QSet<QRgb> farben;
        for (int y = 0; y < bild.height(); y += 3)
            for (int x = 0; x < bild.width(); x += 3)
                farben.insert(bild.pixel(x, y));
        QVERIFY(farben.size() > 4);
        const QString ordner = qEnvironmentVariable("TALVARO_SCREENSHOTS", QDir::tempPath());
        QDir().mkpath(ordner);
        QVERIFY(bild.save(ordner + QStringLiteral("/monitor.png")));
    }
};

QTEST_MAIN(TestMonitorPoll)
#include "tst_monitorpoll.moc"
