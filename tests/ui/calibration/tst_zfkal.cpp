// The IF-gain calibration in the window, against the simulated set and its AD603 model: the
// level window, the two echo tests, "ABBRUCH" in a wait and in the sweep, the controls while it
// measures and the monitor beside it, the chart and the check of a sweep, the files that cannot
// be written, and the whole wizard whose two files must match the set's gain curve.
#include "app/dateischreiben.h"
#include "fensterteil.h"
#include "kalfenster.h"

#include <QChartView>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QXYSeries>
#include <cmath>

namespace {
const QString kTitel = QStringLiteral("Fehler bei der ZF-Kalibrierung!");
// An AD603 file whose first 20 entries are step 21; the rest no step reaches.
const QByteArray kAlt =
    QByteArray("001500\r\n").repeated(20) + QByteArray("006300\r\n").repeated(26);

// The level a word shows: 90 - 20 log10(32768 / W), rounded half up; 0 for 0.
int pegelvon(int w) {
    return w == 0 ? 0 : 90 - int(std::floor(20.0 * std::log10(32768.0 / w) + 0.5));
}

// The AD603 file a sweep with these levels per DAC step must give: for every dB t from 0
// to 45 the first step 1..63 at least t above step 0 (99 for none), the last reachable one
// made 63; each as "00%02X00" CR LF.
QByteArray erwartetedatei(const std::array<int, 64>& pegel) {
    QList<int> t(46, 99);
    for (int z = 0; z < 46; ++z) {
        for (int d = 1; d < 64; ++d) {
            if (qMax(0, pegel[size_t(d)] - pegel[0]) >= z) {
                t[z] = d;
                break;
            }
        }
    }
    for (int i = 1; i < 46; ++i) {
        if (t[i] == 99) {
            t[i - 1] = 63;
            break;
        }
    }
    QByteArray out;
    for (int v : t)
        out += "00" + QByteArray::number(v, 16).toUpper().rightJustified(2, '0') + "00\r\n";
    return out;
}
} // namespace

class TestZfKal : public QObject {
    Q_OBJECT
    std::unique_ptr<KalFenster> k;

    vantrel& w() { return *k->w; }
    bool schritt() { return KalFenster::klick(teil<QPushButton>(w(), "bzfstep")); }
    bool warteAuf(int zfschritt, int ms = 5000) {
        return KalFenster::warte([&] { return k->zf().schritt() == zfschritt; }, ms);
    }
    QString log() { return KalFenster::text(teil<QTextEdit>(w(), "zftext")); }
    // START and the load: the wizard stands at step 2, the set streams telegrams.
    bool geladen() { return schritt() && schritt() && k->zf().schritt() == 2; }
    // Straight to the sweep with the minimum step 16 would have measured; true once it
    // ended, at step 20, or after a Nein back at 18.
    bool sweep() {
        k->zf().messungFuerTest().pegelmin = pegelvon(k->dsp->pegelwort(0));
        k->zf().setSchritt(18);
        return schritt() && KalFenster::warte([&] { return k->zf().schritt() != 19; }, 60000);
    }
    QList<QPointF> reihe(const QString& name) {
        for (QAbstractSeries* s : teil<QChartView>(w(), "zfkurve")->chart()->series())
            if (s->name() == name)
                return static_cast<QXYSeries*>(s)->points();
        return {};
    }

private slots:
    void init() {
        k = std::make_unique<KalFenster>();
        QVERIFY(k->starten());
        teil<QTabWidget>(w(), "tabs")->setCurrentWidget(teil<QWidget>(w(), "zfseite"));
    }
    void cleanup() { k.reset(); }

    void pegelfenster_data() {
        QTest::addColumn<double>("mittel");
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("danach");
        QTest::newRow("72.9 is too low") << 72.9 << "Der Pegel ist zu niedrig!" << 10;
        QTest::newRow("73.0 passes") << 73.0 << "" << 12;
        QTest::newRow("80.0 passes") << 80.0 << "" << 12;
        QTest::newRow("80.1 is too high") << 80.1 << "Der Pegel ist zu hoch!" << 10;
        QTest::newRow("nothing at all") << 0.0 << "Der Pegel ist zu niedrig!" << 10;
    }
    void pegelfenster() {
        QFETCH(double, mittel);
        QFETCH(QString, box);
        QFETCH(int, danach);
        // The average the poll left after step 10's measurement.
        k->zf().setSchritt(11);
        k->zf().messungFuerTest().pegelsumme = mittel;
        QVERIFY(schritt());
        QCOMPARE(k->zf().schritt(), danach);
        QCOMPARE(k->zf().pegelmax(), mittel);
        QVERIFY(log().contains(
            QStringLiteral("Die Pegelanzeige betraegt: %1dB").arg(mittel, 0, 'f', 2)));
        const QList<ShownBox> boxen = k->dialoge.boxes(QStringLiteral("critical"));
        if (box.isEmpty()) {
            QVERIFY(boxen.isEmpty());
            QVERIFY(log().endsWith(QStringLiteral("OK? \"WEITER\" druecken!")));
            return;
        }
        QCOMPARE(boxen.size(), 1);
        QCOMPARE(boxen.first().title, kTitel);
        QCOMPARE(boxen.first().text, box);
        QVERIFY(!log().contains(QStringLiteral("WEITER")));
        // The next click measures again.
        QVERIFY(schritt());
        QCOMPARE(k->zf().schritt(), 11);
        QVERIFY(k->zf().messung().messung);
        QCOMPARE(k->zf().messung().messzaehler, 10);
        QVERIFY(log().endsWith(QStringLiteral("Pegelmessung ...")));
    }

    void echo_data() {
        QTest::addColumn<int>("verzoegerung");
        QTest::addColumn<int>("taub");
        QTest::addColumn<int>("code");
        QTest::newRow("both ways work") << 0 << -1 << 0;
        QTest::newRow("echoes late, within 50") << 20 << -1 << 0;
        QTest::newRow("6 never comes back") << 0 << 6 << 3;
        QTest::newRow("8 never comes back") << 0 << 8 << 4;
        QTest::newRow("echoes far too late") << 400 << -1 << 3;
    }
    void echo() {
        QFETCH(int, verzoegerung);
        QFETCH(int, taub);
        QFETCH(int, code);
        k->dsp->setEchoVerzoegerung(verzoegerung);
        k->dsp->setEchoTaub(taub);
        QVERIFY(geladen());
        QVERIFY(schritt());
        if (code == 0) {
            QVERIFY(warteAuf(5, 8000));
            QVERIFY(log().contains(QStringLiteral("Es arbeiten beide Wege.")));
            QVERIFY(k->dialoge.shown.isEmpty());
            QCOMPARE(k->werte(57).mid(k->werte(57).size() - 2), (QList<int>{6, 8}));
            QCOMPARE(k->dsp->zfmodus(), 3);
            return;
        }
        QVERIFY(KalFenster::warte([&] { return !k->dialoge.shown.isEmpty(); }, 8000));
        const QList<ShownBox> boxen = k->dialoge.boxes(QStringLiteral("critical"));
        QCOMPARE(boxen.size(), 1);
        QCOMPARE(boxen.first().title, kTitel);
        QCOMPARE(boxen.first().text,
                 QStringLiteral("<b>Fehler im Datentelegramm vom Talvaro</B><BR>Es wird ein "
                                "Zeichen als Echo erwartet, welches aber<br> nicht kommt."));
        // The abort: intro, table reset, nothing more to the set.
        QCOMPARE(k->zf().schritt(), 0);
        QVERIFY(log().startsWith(QStringLiteral("Dieser Programmteil dient der Kalibrierung")));
        QCOMPARE(teil<QPushButton>(w(), "bzfstep")->text(), QStringLiteral("START"));
        QVERIFY(!k->zf().messung().messung);
        // Code 4 means the first echo came: the second test had begun.
        QCOMPARE(k->werte(57).last(), code == 3 ? 6 : 8);
    }

    // An edit made after START is asked about before the wizard's load replaces the table:
    // Abbrechen keeps the edit unsaved and the wizard at its step.
    void editNachStart() {
        teil<QTabWidget>(w(), "tabs")->setCurrentWidget(teil<QWidget>(w(), "parameterseite"));
        QVERIFY(KalFenster::klick(teil<QPushButton>(w(), "bparamladen")));
        teil<QTabWidget>(w(), "tabs")->setCurrentWidget(teil<QWidget>(w(), "zfseite"));
        QVERIFY(schritt());
        QDoubleSpinBox* box = paramwert(w(), 35);
        box->setValue(box->value() - box->singleStep());
        k->dialoge.questionAnswers << UserDialogs::Antwort::Abbrechen;
        QVERIFY(schritt());
        QCOMPARE(k->dialoge.boxes(QStringLiteral("question")).size(), 1);
        QCOMPARE(k->zf().schritt(), 1);
        QCOMPARE(w().geraet()->ungespeichert(), QStringList{QStringLiteral("Parameter")});
    }

    void abbruchInDerWartezeit() {
        QVERIFY(geladen());
        k->vergessen();
        QTimer::singleShot(300, this,
                           [this] { KalFenster::klick(teil<QPushButton>(w(), "bzfabbruch")); });
        QVERIFY(schritt());
        QTest::qWait(300);
        // The step ended with its wait: no line test was sent, nothing is measured, and the
        // stream went off with the calibration.
        QCOMPARE(k->rahmen(), (QList<std::pair<int, int>>{{52, 1}}));
        QVERIFY(!k->zf().messung().messung);
        QCOMPARE(k->zf().schritt(), 0);
        QCOMPARE(teil<QPushButton>(w(), "bzfstep")->text(), QStringLiteral("START"));
        QVERIFY(teil<QPushButton>(w(), "bzfstep")->isEnabled());
    }

    void abbruchImSweep() {
        k->dsp->setSignalpegel(77.0);
        QVERIFY(geladen());
        // Straight to the sweep: its measurement needs nothing of the steps between.
        k->zf().setSchritt(18);
        k->vergessen();
        QVERIFY(schritt());
        QVERIFY(KalFenster::warte([&] { return k->werte(107).size() >= 6; }, 5000));
        QVERIFY(KalFenster::klick(teil<QPushButton>(w(), "bzfabbruch")));
        // What was sent before the click may still be on its way to the set.
        QTest::qWait(60);
        k->sim->poll();
        const int gesendet = int(k->werte(107).size());
        QTest::qWait(600);
        QCOMPARE(int(k->werte(107).size()), gesendet);
        QVERIFY(!k->werte(107).contains(64));
        QCOMPARE(k->werte(107).mid(0, 3), (QList<int>{63, 62, 61}));
        QCOMPARE(k->zf().schritt(), 0);
        // The stream went off with the calibration, nobody else listening.
        QVERIFY(!w().geraet()->stromAn());
    }

    // While the wizard measures, "WEITER!" and the monitor switch are off; the monitor has a
    // table of its own and a calibration does not depend on it. Formerly a click during the
    // sweep wrote both files from a partial curve (lines of 003300) and ended "Erfolgreich
    // Abgeschlossen"; switching the monitor on loaded the AD603 file over the sweep's table;
    // switching it off stopped the telegrams and ended the wizard with the silence box; and
    // after an abort the switch stayed disabled while the monitor was on.
    void messungUndMonitor_data() {
        QTest::addColumn<QString>("fall");
        QTest::newRow("click during the sweep") << "sweep";
        QTest::newRow("click during a level average") << "pegel";
        QTest::newRow("monitor on keeps the sweep's table") << "tabelle";
        QTest::newRow("monitor off during the wizard") << "aus";
        QTest::newRow("abort with the monitor on") << "abbruch";
    }
    void messungUndMonitor() {
        QFETCH(QString, fall);
        auto* weiter = teil<QPushButton>(w(), "bzfstep");
        auto* monitor = teil<QCheckBox>(w(), "cbdmoni");
        k->dsp->setSignalpegel(77.0);
        QVERIFY(geladen());
        QVERIFY(monitor->isEnabled());
        if (fall == "sweep" || fall == "pegel") {
            k->zf().setSchritt(fall == "sweep" ? 18 : 10);
            QVERIFY(schritt());
            QVERIFY(k->zf().messung().messung);
            QVERIFY(!weiter->isEnabled() && !monitor->isEnabled());
            QTest::mouseClick(weiter, Qt::LeftButton);
            QCOMPARE(k->zf().schritt(), fall == "sweep" ? 19 : 11);
            QVERIFY(warteAuf(fall == "sweep" ? 20 : 12, 30000));
            QVERIFY(weiter->isEnabled() && monitor->isEnabled());
            if (fall == "sweep")
                QVERIFY(!KalFenster::datei(k->ad603eins()).contains("003300"));
            else
                QCOMPARE(k->zf().pegelmax(), 77.0);
            QVERIFY(k->dialoge.shown.isEmpty());
            return;
        }
        QFile f(k->ad603());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("002A00\r\n").repeated(46));
        f.close();
        for (int d = 0; d < 64; ++d)
            k->zf().messungFuerTest().calcurve[size_t(d)] = 0.62 * d;
        monitor->setChecked(true);
        QVERIFY(KalFenster::warte([&] { return w().geraet()->monitorkurve()[0] == 42.0; }, 2000));
        QCOMPARE(k->zf().messung().calcurve[1], 0.62);
        if (fall == "aus") {
            monitor->setChecked(false);
            QTest::qWait(500);
            QVERIFY(k->dsp->streamAn());
            QCOMPARE(k->zf().schritt(), 2);
            QVERIFY(k->dialoge.shown.isEmpty());
        } else if (fall == "abbruch") {
            QVERIFY(KalFenster::klick(teil<QPushButton>(w(), "bzfabbruch")));
            QVERIFY(monitor->isEnabled() && monitor->isChecked());
            monitor->setChecked(false);
            QVERIFY(!w().geraet()->liest(Geraet::Leser::Monitor));
        }
    }

    // The chart: the sweep as measured, and the profile's table as it stood when the sweep
    // began (entry i at its step and i - 1 dB; entries of 99 give no point).
    void kurve() {
        QVERIFY(dateiSchreiben(k->ad603(), kAlt));
        k->dsp->setSignalpegel(77.0);
        QVERIFY(geladen() && sweep());
        QVERIFY(k->zf().schritt() == 20 && k->zf().messung().calcurve[63] > 35);
        QList<QPointF> messung, tabelle;
        for (int d = 0; d < 64; ++d)
            messung << QPointF(d, k->zf().messung().calcurve[size_t(d)]);
        for (int i = 0; i < 20; ++i)
            tabelle << QPointF(0x15, i);
        QCOMPARE(reihe("Messung"), messung);
        QCOMPARE(reihe("AD603-Tabelle"), tabelle);
    }

    // Each crafted curve of the set raises its own doubt and no other; after Nein both files
    // are as they were and "WEITER!" sweeps again. A good sweep asks nothing.
    void pruefung_data() {
        QTest::addColumn<QList<double>>("kurve");
        QTest::addColumn<QString>("zweifel");
        QList<double> loecher, delle, schmal;
        for (int d = 0; d < 64; ++d) {
            const double g = SimDsp::ad603gain(d);
            loecher << (d <= 10 ? 0.0 : g);
            delle << (d >= 28 && d <= 33 ? g - 5.0 : g);
            schmal << (d == 0 ? 0.0 : 1.0 + g * 14.0 / 40.0);
        }
        // Measured at the minimum level, the steps count as measured: the curve is flat there.
        QTest::newRow("steps 1..10 flat")
            << loecher << "Die Kurve steigt von Stufe 1 bis Stufe 10 nicht";
        QTest::newRow("a dip of 5 dB") << delle << "Die Kurve faellt bei Stufe 28 um 5.0 dB";
        QTest::newRow("15 dB only") << schmal << "30 von 46 Tabellenwerten sind Fuellwerte (99)";
        QTest::newRow("the model") << QList<double>() << "";
    }
    void pruefung() {
        QFETCH(QList<double>, kurve);
        QFETCH(QString, zweifel);
        QVERIFY(dateiSchreiben(k->ad603(), kAlt) && dateiSchreiben(k->ad603eins(), kAlt));
        k->dsp->setSignalpegel(77.0);
        k->dsp->setAd603Kurve(kurve);
        QVERIFY(geladen() && sweep());
        const QList<ShownBox> fragen = k->dialoge.boxes(QStringLiteral("question"));
        if (zweifel.isEmpty()) {
            QVERIFY(fragen.isEmpty() && k->zf().schritt() == 20);
            QVERIFY(KalFenster::datei(k->ad603eins()) != kAlt);
            return;
        }
        QCOMPARE(fragen.size(), 1);
        QCOMPARE(fragen.first().title, QStringLiteral("Kalibrierkurve pruefen"));
        QCOMPARE(fragen.first().text, zweifel + QStringLiteral("<br><br>Trotzdem speichern?"));
        QVERIFY(!fragen.first().withCancel);
        QVERIFY(log().contains(zweifel) && log().contains(QStringLiteral("nicht gespeichert")));
        QCOMPARE(KalFenster::datei(k->ad603()), kAlt);
        QCOMPARE(KalFenster::datei(k->ad603eins()), kAlt);
        QCOMPARE(k->zf().schritt(), 18);
        QVERIFY(schritt() && k->zf().messung().messung && k->zf().messung().dacstufe == 63);
    }

    void speichernScheitert_data() {
        QTest::addColumn<bool>("profildatei");
        QTest::newRow("AD603_1.dat") << false;
        QTest::newRow("the profile's AD603 file") << true;
    }
    void speichernScheitert() {
        QFETCH(bool, profildatei);
        // A directory where the file should go: no file can replace it.
        const QString sperre = profildatei ? k->ad603() : k->ad603eins();
        QVERIFY(QDir().mkpath(sperre));
        for (int d = 0; d < 64; ++d)
            k->zf().messungFuerTest().calcurve[size_t(d)] = 0.62 * d;
        k->zf().messungFuerTest().gemessen.fill(true);
        k->zf().setSchritt(19);
        QVERIFY(schritt());
        if (profildatei) {
            QCOMPARE(k->zf().schritt(), 20);
            QVERIFY(schritt());
            QVERIFY(schritt());
        }
        const int stufe = profildatei ? 21 : 19;
        const QList<ShownBox> boxen = k->dialoge.boxes(QStringLiteral("critical"));
        QCOMPARE(boxen.size(), 1);
        QCOMPARE(boxen.first().title, QStringLiteral("Speichern fehlgeschlagen!"));
        // The session's box for what is no file and is not replaced.
        QCOMPARE(boxen.first().text,
                 QStringLiteral("\"%1\" ist keine Datei und wird nicht ersetzt!").arg(sperre));
        QVERIFY(KalFenster::text(teil<QTextEdit>(w(), "log")).contains(boxen.first().text));
        QVERIFY(log().contains(
            QStringLiteral("Datei \"%1\" kann nicht geschrieben werden!").arg(sperre)));
        QCOMPARE(k->zf().schritt(), stufe);
        QVERIFY(teil<QPushButton>(w(), "bzfstep")->isEnabled());
        QVERIFY(!log().contains(QStringLiteral("wurde ersetzt")));
        // The user clears the way; "WEITER!" writes, and only then comes the success.
        QVERIFY(QDir(sperre).removeRecursively());
        QVERIFY(schritt());
        QCOMPARE(KalFenster::datei(sperre).size(), 46 * 8);
        if (!profildatei) {
            QVERIFY(schritt());
            QVERIFY(schritt());
        }
        QCOMPARE(k->zf().schritt(), 22);
        QVERIFY(schritt());
        QVERIFY(log().startsWith(QStringLiteral("Erfolgreich Abgeschlossen")));
        QCOMPARE(k->dialoge.boxes(QStringLiteral("critical")).size(), 1);
        QVERIFY(schritt());
        QCOMPARE(k->zf().schritt(), 0);
    }

    void ganzerAssistent() {
        k->dsp->setRauschpegel(24.0);
        QVERIFY(schritt());
        QCOMPARE(teil<QPushButton>(w(), "bzfstep")->text(), QStringLiteral("WEITER!"));
        QVERIFY(schritt());
        // The load: standard parameters with 21 at 70, then stream, echo 8 and the AD603
        // back to the DSP.
        QCOMPARE(w().geraet()->tabelle()[21].ssbgreen, 70);
        QVERIFY(!w().geraet()->smKalAktiv());
        QVERIFY(KalFenster::warte([&] { return k->werte(107).size() == 1; }, 2000));
        const QList<std::pair<int, int>> r = k->rahmen();
        QVERIFY(r.size() > 60);
        QCOMPARE(r.first(), (std::pair<int, int>{108, 1}));
        QVERIFY(r.contains(std::pair<int, int>{21, 70}));
        QCOMPARE(r.mid(r.size() - 4),
                 (QList<std::pair<int, int>>{{108, 0}, {52, 2}, {57, 8}, {107, 64}}));
        QVERIFY(log().contains(QStringLiteral("Du hoerst das Rauschen des Empfaengers")));

        QVERIFY(schritt());
        QVERIFY(warteAuf(5));
        QVERIFY(schritt());
        QVERIFY(schritt());
        QVERIFY(schritt());
        QVERIFY(warteAuf(9));
        QVERIFY(log().contains(QStringLiteral("Der Rauschpegel betraegt: 24.00dB")));

        // The user applies the test signal and sees it on the bar before the measurement: now
        // that every telegram is used, one sent before the signal would count in the average.
        k->dsp->setSignalpegel(77.0);
        QVERIFY(KalFenster::warte([&] { return teil<QProgressBar>(w(), "zfbar")->value() == 77; },
                                  2000));
        QVERIFY(schritt());
        QVERIFY(schritt());
        QVERIFY(warteAuf(12));
        QCOMPARE(k->zf().pegelmax(), 77.0);
        QVERIFY(k->dialoge.shown.isEmpty());

        QVERIFY(schritt());
        QVERIFY(schritt());
        QCOMPARE(k->dsp->dacstufe(), 0);
        QVERIFY(schritt());
        QVERIFY(warteAuf(16));
        const int minimum = pegelvon(k->dsp->pegelwort(0));
        QVERIFY(log().contains(
            QStringLiteral("Der Pegel AD603 minimale Verstaerkung: %1.00dB").arg(minimum)));
        QVERIFY(schritt());
        QVERIFY(log().contains(
            QStringLiteral("Der Pegelbereich des AD603 betraegt  : %1.00dB").arg(77 - minimum)));
        QVERIFY(schritt());
        QCOMPARE(k->zf().schritt(), 18);

        k->vergessen();
        QVERIFY(schritt());
        QVERIFY(warteAuf(20, 60000));
        // Every DAC step from 63 down, then the AD603 back to the DSP and the mode off.
        QList<int> stufen;
        for (int d = 63; d >= 0; --d)
            stufen.append(d);
        stufen.append(64);
        QVERIFY(KalFenster::warte([&] { return k->werte(55).size() == 1; }, 2000));
        QCOMPARE(k->werte(107), stufen);
        QCOMPARE(k->rahmen().last(), (std::pair<int, int>{55, 0}));
        QVERIFY(log().startsWith(QStringLiteral("SCHRITT 11")));

        QVERIFY(schritt());
        QVERIFY(schritt());
        QVERIFY(log().contains(QStringLiteral("Datei AD603.dat wurde ersetzt")));
        QVERIFY(schritt());
        QVERIFY(log().startsWith(QStringLiteral("Erfolgreich Abgeschlossen")));
        QVERIFY(schritt());
        QCOMPARE(k->zf().schritt(), 0);
        QVERIFY(k->dialoge.shown.isEmpty());

        // Both files, as the set's gain curve gives them.
        std::array<int, 64> pegel{};
        for (int d = 0; d < 64; ++d)
            pegel[size_t(d)] = pegelvon(k->dsp->pegelwort(d));
        const QByteArray erwartet = erwartetedatei(pegel);
        QCOMPARE(KalFenster::datei(k->ad603eins()), erwartet);
        QCOMPARE(KalFenster::datei(k->ad603()), erwartet);
        // The sweep's log: every entry but step 0's.
        QCOMPARE(k->zf().messung().calcurve[40], double(pegel[40] - pegel[0]));
        // About 40 dB: the table reaches 39 or 40 dB and no more.
        QVERIFY(erwartet.contains("003F00\r\n"));
        QVERIFY(erwartet.endsWith("006300\r\n"));
    }
};

QTEST_MAIN(TestZfKal)
#include "tst_zfkal.moc"
