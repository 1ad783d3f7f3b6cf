// The two calibrations as sequences of the session, against the simulated set without a
// window: a whole run that writes the expected table, and the same after an end at each kind
// of step (the load, the echo test, a measurement, the sweep; by ABBRUCH, by silence, by an
// echo error); one calibration at a time; a missing parameter file; the monitor beside the
// sweep.
#include "calibration/kalablauf.h"
#include "calibration/pegel.h"
#include "kalgeraet.h"
#include "link/link.h"

#include <QFile>
#include <QTimer>

namespace {
// Clicks as the person does whenever the button is free, until the calibration stands at bis.
// A button that stays busy while the calibration neither changes nor writes a line is a
// calibration left busy: that gives up after a few seconds, not at the row's limit.
bool klickenBis(Kalibrierung& k, int bis, int ms = 60000) {
    QElapsedTimer uhr;
    uhr.start();
    QElapsedTimer still;
    still.start();
    QObject wache;
    QObject::connect(&k, &Kalibrierung::zustand, &wache, [&] { still.start(); });
    QObject::connect(&k, &Kalibrierung::textZeile, &wache, [&] { still.start(); });
    while (k.schritt() != bis) {
        if (uhr.elapsed() > ms || still.elapsed() > 3000) {
            qWarning("stands at step %d, button %s", k.schritt(), k.knopfFrei() ? "free" : "busy");
            return false;
        }
        if (k.knopfFrei()) {
            k.weiter();
            still.start();
        } else {
            QTest::qWait(5);
        }
    }
    return true;
}

// START, then every click until the calibration is back at its introduction.
bool durchlaufen(Kalibrierung& k) {
    k.weiter();
    return k.schritt() != 0 && klickenBis(k, 0);
}

// The AD603 file a sweep with these levels per DAC step must give: for every dB t from 0
// to 45 the first step 1..63 at least t above step 0 (99 for none), the last reachable one
// made 63; each as "00%02X00" CR LF.
QByteArray erwartetedatei(const SimDsp& dsp) {
    QList<int> t(46, 99);
    const int minimum = pegel(dsp.pegelwort(0));
    for (int z = 0; z < 46; ++z) {
        for (int d = 1; d < 64; ++d) {
            if (qMax(0, pegel(dsp.pegelwort(d)) - minimum) >= z) {
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

QByteArray scaldatei(const QList<int>& bytes) {
    QByteArray out;
    for (int b : bytes)
        out += "00" + QByteArray::number(b, 16).toUpper().rightJustified(2, '0') + "00\r\n";
    return out;
}

QList<int> scalwerte() {
    QList<int> b;
    for (int i = 0; i < 22; ++i)
        b.append(100 + i);
    b << 108 << 123 << 128 << 135;
    return b;
}
} // namespace

class TestKalibrierung : public QObject {
    Q_OBJECT
    std::unique_ptr<KalGeraet> k;

    // After any end: at the introduction, START usable, nothing pending, the stream off and
    // no parameter block left open.
    void amAnfang(const Kalibrierung& kal) {
        k->nachlesen();
        QCOMPARE(kal.schritt(), 0);
        QVERIFY(kal.knopfFrei());
        QVERIFY(!kal.beschaeftigt());
        QCOMPARE(kal.knopf(), Kalibrierung::Knopf::Start);
        QVERIFY(!k->g->stromAn());
        QVERIFY(!k->dsp->streamAn());
        const QList<int> block = k->werte(parameter::kCmdBlock);
        QVERIFY(block.isEmpty() || block.last() == 0);
        QVERIFY(kal.text().first().startsWith(QStringLiteral("<b>Dieser Programmteil")));
    }

private slots:
    void init() { k = std::make_unique<KalGeraet>(); }
    void cleanup() { k.reset(); }

    void zfAblauf_data() {
        QTest::addColumn<QString>("ende");
        QTest::addColumn<QString>("box");
        QTest::newRow("a whole run") << ""
                                     << "";
        QTest::newRow("ABBRUCH in the load") << "laden"
                                             << "";
        QTest::newRow("the line drops in the load") << "abriss"
                                                    << "unterbrochen";
        QTest::newRow("ABBRUCH in the echo test") << "echo"
                                                  << "";
        QTest::newRow("no echo 8") << "echofehler"
                                   << "Fehler im Datentelegramm";
        QTest::newRow("silence in the echo test") << "stille"
                                                  << "Datenempfang";
        QTest::newRow("ABBRUCH in a measurement") << "messung"
                                                  << "";
        QTest::newRow("ABBRUCH in the sweep") << "sweep"
                                              << "";
        QTest::newRow("the line drops in the sweep") << "leitung"
                                                     << "Datenempfang";
    }
    void zfAblauf() {
        QFETCH(QString, ende);
        QFETCH(QString, box);
        // Slow frames only where the load is to be caught in the middle.
        QVERIFY(k->starten(5, ende == "laden" || ende == "abriss" ? 5 : 0));
        ZfKalibrierung& zf = k->zf();
        k->dsp->setSignalpegel(77.0);
        if (ende == "laden") {
            zf.weiter();
            QTimer::singleShot(300, this, [&] { zf.abbrechen(); });
            zf.weiter();
            k->nachlesen();
            // The block is closed right after the frame that was on its way; the stream
            // never went on.
            QCOMPARE(k->rahmen().last(), (std::pair<int, int>{108, 0}));
            QCOMPARE(k->werte(108), (QList<int>{1, 0}));
            QVERIFY(k->werte(52).isEmpty());
        } else if (ende == "abriss") {
            zf.weiter();
            QTimer::singleShot(300, this, [&] { k->sim->hangUp(); });
            zf.weiter();
            // The step says what happened, not that the set shows something now.
            QCOMPARE(zf.schritt(), 1);
            QVERIFY(k->text(zf).contains("unterbrochen"));
            QVERIFY(!k->text(zf).contains("muesste jetzt"));
            // The DSP still waits inside the cut block: the line's first frame closes it.
            QVERIFY(k->neueLeitung());
            k->nachlesen();
            QCOMPARE(k->rahmen().value(0), (std::pair<int, int>{108, 0}));
            zf.abbrechen();
        } else if (ende == "echo" || ende == "stille" || ende == "echofehler") {
            k->dsp->setEchoTaub(ende == "echofehler" ? 8 : 6);
            QVERIFY(klickenBis(zf, 3));
            QVERIFY(zf.messung().messung && !zf.knopfFrei());
            if (ende == "echo")
                zf.abbrechen();
            if (ende == "stille")
                k->dsp->setPeriode(3600 * 1000);
            QVERIFY(KalGeraet::warte([&] { return zf.schritt() == 0; }, 8000));
            k->dsp->setEchoTaub(-1);
            k->dsp->setPeriode(5);
        } else if (ende == "messung") {
            QVERIFY(klickenBis(zf, 8));
            QVERIFY(zf.messung().messung);
            zf.abbrechen();
        } else if (ende == "leitung") {
            QVERIFY(klickenBis(zf, 19));
            QVERIFY(KalGeraet::warte([&] { return k->dsp->dacstufe() < 60; }, 5000));
            k->sim->hangUp();
            QVERIFY(KalGeraet::warte([&] { return zf.schritt() == 0; }, 5000));
            QVERIFY(!k->g->stromAn());
            QVERIFY(k->neueLeitung());
        } else if (ende == "sweep") {
            QVERIFY(klickenBis(zf, 18));
            k->nachlesen();
            k->sim->clearRecord();
            zf.weiter();
            QVERIFY(KalGeraet::warte([&] { return k->werte(107).size() >= 6; }, 5000));
            zf.abbrechen();
            k->nachlesen();
            const int gesendet = int(k->werte(107).size());
            QTest::qWait(200);
            QCOMPARE(int(k->werte(107).size()), gesendet);
            QVERIFY(!k->werte(107).contains(64));
        }
        if (!ende.isEmpty()) {
            if (ende != "leitung")
                amAnfang(zf);
            QStringList titel = k->titel(QStringLiteral("critical"));
            QCOMPARE(titel.size(), box.isEmpty() ? 0 : 1);
            if (!box.isEmpty()) {
                QCOMPARE(titel.first(), QStringLiteral("Fehler bei der ZF-Kalibrierung!"));
                QVERIFY(k->person.boxen.first().text.contains(box));
            }
            k->person.boxen.clear();
        }
        // From START to its end: both files as the set's gain curve gives them.
        QVERIFY(durchlaufen(zf));
        QVERIFY2(k->person.boxen.isEmpty(), qPrintable(k->person.boxen.value(0).text));
        const QByteArray erwartet = erwartetedatei(*k->dsp);
        QCOMPARE(fileBytes(k->ad603eins()), erwartet);
        QCOMPARE(fileBytes(k->ad603()), erwartet);
        amAnfang(zf);
    }

    void smAblauf_data() {
        QTest::addColumn<QString>("ende");
        QTest::newRow("a whole run") << "";
        QTest::newRow("ABBRUCH in the load") << "laden";
        QTest::newRow("ABBRUCH while tuning") << "einstellen";
        QTest::newRow("silence while tuning") << "stille";
        QTest::newRow("the line drops while tuning") << "abriss";
        QTest::newRow("no scal.dat") << "ohne";
        // HW1's values were read before; HW2 has no scal.dat: none of HW1's go into its file.
        QTest::newRow("no scal.dat after another profile's") << "anderes";
    }
    void smAblauf() {
        QFETCH(QString, ende);
        QVERIFY(k->starten(5, ende == "laden" ? 5 : 0));
        if (ende != "ohne")
            QVERIFY(dateiSchreibenTest(k->scal(), scaldatei(scalwerte())));
        SmKalibrierung& sm = k->sm();
        QString scal = k->scal();
        if (ende == "anderes") {
            sm.weiter();
            sm.weiter();
            QVERIFY(KalGeraet::warte([&] { return sm.schritt() == 3; }, 3000));
            sm.abbrechen();
            TEinstellungen e = k->g->einstellungen();
            e.parameterfilename[1] = e.parameterfilename[0];
            e.standardparameterfilename[1] = e.standardparameterfilename[0];
            e.scalfilename[1] = scal = k->ordner() + QStringLiteral("/scal2.dat");
            k->g->setEinstellungen(e);
            QVERIFY(k->g->profilWaehlen(1));
            ende = QStringLiteral("ohne");
            k->person.boxen.clear();
        }
        if (ende == "laden") {
            sm.weiter();
            QTimer::singleShot(300, this, [&] { sm.abbrechen(); });
            sm.weiter();
            k->nachlesen();
            QCOMPARE(k->rahmen().last(), (std::pair<int, int>{108, 0}));
            QVERIFY(k->werte(52).isEmpty());
        } else if (ende == "einstellen") {
            sm.weiter();
            sm.weiter();
            // The first telegram opens the settings.
            QVERIFY(KalGeraet::warte([&] { return sm.schritt() == 3; }, 3000));
            QVERIFY(sm.gruppeFrei());
            sm.abbrechen();
            QVERIFY(KalGeraet::warte([&] { return sm.schritt() == 0; }, 3000));
            QVERIFY(k->person.boxen.isEmpty());
            QVERIFY(!sm.gruppeFrei());
        }
        if (ende == "laden" || ende == "einstellen")
            amAnfang(sm);
        k->person.boxen.clear();
        // From START to its end, one setting tuned: the file has it, the DSP the cleared 64.
        QList<int> aus;
        connect(k->g.get(), &Geraet::schalterAus, this, [&](int i) { aus.append(i); });
        sm.weiter();
        sm.weiter();
        QVERIFY(KalGeraet::warte([&] { return sm.schritt() == 3; }, 3000));
        // The load switched the functions off; the panel is told which (2 is no switch).
        QCOMPARE(aus, (QList<int>{0, 2, 3, 4, 5, 6, 7}));
        QList<int> bytes = scalwerte();
        if (ende == "ohne") {
            // Shown and logged, and the calibration went on; nothing is sent live, and the
            // file is written from the values last sent.
            QCOMPARE(k->titel(QStringLiteral("critical")), QStringList{"Datei nicht gefunden!"});
            k->person.boxen.clear();
            QVERIFY(!sm.setzeBox(6, 140));
            bytes = QList<int>(22, 0) + QList<int>{108, 128, 128, 128};
        } else if (ende == "stille" || ende == "abriss") {
            // The tuning is the person's: its box once, and SAVE still writes the file.
            ende == "stille" ? k->dsp->setPeriode(3600 * 1000) : k->sim->hangUp();
            QVERIFY(KalGeraet::warte([&] { return !k->person.boxen.isEmpty(); }, 3000));
            QTest::qWait(500);
            QCOMPARE(k->titel(QStringLiteral("critical")),
                     QStringList{"Fehler bei der S-Meter-Kalibrierung!"});
            QCOMPARE(sm.schritt(), 3);
            k->person.boxen.clear();
            QVERIFY(sm.setzeBox(6, 140));
            QVERIFY(sm.abgleichen());
            bytes[6] = 140;
        } else {
            QVERIFY(sm.setzeBox(6, 140));
            QVERIFY(sm.abgleichen());
            QVERIFY(!sm.abgleichen());
            bytes[6] = 140;
        }
        sm.weiter();
        QCOMPARE(fileBytes(scal), scaldatei(bytes));
        if (ende == "abriss") {
            // What the set did not get is named.
            QCOMPARE(k->person.boxen.size(), 1);
            QVERIFY(k->person.boxen.first().text.endsWith(": NF 20m"));
            QCOMPARE(sm.schritt(), 0);
            return;
        }
        QVERIFY(k->person.boxen.isEmpty());
        QVERIFY(KalGeraet::warte([&] { return k->dsp->parameter(64) == 0; }, 2000));
        QCOMPARE(k->werte(67).contains(140), ende != "ohne");
        amAnfang(sm);
    }

    // One calibration at a time: the other's START says why it waits and sends nothing, and
    // its ABBRUCH leaves the running one alone.
    void einerZurZeit() {
        QVERIFY(k->starten());
        QVERIFY(dateiSchreibenTest(k->scal(), scaldatei(scalwerte())));
        QVERIFY(klickenBis(k->zf(), 2));
        k->nachlesen();
        k->sim->clearRecord();
        k->sm().weiter();
        k->sm().weiter();
        QCOMPARE(k->sm().schritt(), 0);
        QVERIFY(k->text(k->sm()).contains(QStringLiteral("Die ZF-Kalibrierung laeuft gerade.")));
        int beendet = 0;
        connect(k->g.get(), &Geraet::kalibrierungBeendet, this, [&] { ++beendet; });
        k->sm().abbrechen();
        // Its ABBRUCH ends nothing of the other: the table and the stream stay.
        QCOMPARE(beendet, 0);
        k->nachlesen();
        QVERIFY(k->rahmen().isEmpty() || k->werte(52) == QList<int>{});
        QCOMPARE(k->zf().schritt(), 2);
        QVERIFY(k->g->stromAn());
        k->zf().abbrechen();
        k->sm().weiter();
        QCOMPARE(k->sm().schritt(), 1);
    }

    // A missing parameter file stops either calibration at its load, with the box, as a
    // missing S-meter file does: nothing goes to the DSP.
    void parameterdateiFehlt_data() {
        QTest::addColumn<bool>("smeter");
        QTest::newRow("IF: standard parameters") << false;
        QTest::newRow("S-meter: user parameters") << true;
    }
    void parameterdateiFehlt() {
        QFETCH(bool, smeter);
        QVERIFY(k->starten());
        QVERIFY(dateiSchreibenTest(k->scal(), scaldatei(scalwerte())));
        const QString fehlt = k->ordner() + QStringLiteral("/fehlt.dpk");
        TEinstellungen e = k->g->einstellungen();
        (smeter ? e.parameterfilename[0] : e.standardparameterfilename[0]) = fehlt;
        k->g->setEinstellungen(e);
        Kalibrierung& kal = smeter ? static_cast<Kalibrierung&>(k->sm()) : k->zf();
        kal.weiter();
        kal.weiter();
        QCOMPARE(kal.schritt(), 1);
        QVERIFY(kal.knopfFrei());
        QCOMPARE(k->titel(QStringLiteral("critical")), QStringList{"Datei nicht gefunden!"});
        QVERIFY(k->person.boxen.first().text.startsWith(
            QStringLiteral("Datei \"%1\" nicht gefunden!<br>").arg(fehlt)));
        k->nachlesen();
        QVERIFY(k->rahmen().isEmpty());
        QVERIFY(!k->g->stromAn());
    }

    // The monitor and the IF calibration listen at once: the sweep takes exactly its 960
    // telegrams and the monitor sees every telegram the set sent meanwhile.
    void monitorUndSweep() {
        QVERIFY(k->starten());
        k->dsp->setSignalpegel(77.0);
        int gesehen = 0;
        int beimEnde = -1;
        connect(k->g.get(), &Geraet::telegramm, this, [&] {
            ++gesehen;
            if (beimEnde < 0 && k->zf().schritt() == 19 && !k->zf().messung().messung)
                beimEnde = gesehen;
        });
        k->g->lesen(Geraet::Leser::Monitor, true);
        QTest::qWait(200);
        ZfKalibrierung& zf = k->zf();
        zf.messungFuerTest().pegelmin = pegel(k->dsp->pegelwort(0));
        zf.setSchritt(18);
        zf.weiter();
        const int vorher = k->dsp->telegrammeGesendet();
        gesehen = 0;
        QVERIFY(KalGeraet::warte([&] { return beimEnde > 0; }, 30000));
        QCOMPARE(beimEnde, 64 * ZfMessung::sweeptelegramme);
        QVERIFY(KalGeraet::warte([&] { return zf.schritt() == 20; }, 2000));
        QVERIFY2(k->person.boxen.isEmpty(), qPrintable(k->person.boxen.value(0).text));
        QVERIFY(std::all_of(zf.messung().gemessen.begin(), zf.messung().gemessen.end(),
                            [](bool b) { return b; }));
        // The monitor goes on after the sweep, and has missed none.
        QVERIFY(k->g->stromAn());
        QTest::qWait(100);
        k->g->lesen(Geraet::Leser::Monitor, false);
        QTest::qWait(50);
        const int gesendet = k->dsp->telegrammeGesendet() - vorher;
        QVERIFY2(gesehen >= gesendet - 1 && gesehen <= gesendet,
                 qPrintable(QStringLiteral("%1 of %2").arg(gesehen).arg(gesendet)));
        QCOMPARE(fileBytes(k->ad603eins()), erwartetedatei(*k->dsp));
    }

private:
    static bool dateiSchreibenTest(const QString& pfad, const QByteArray& inhalt) {
        QFile f(pfad);
        return f.open(QIODevice::WriteOnly) && f.write(inhalt) == inhalt.size();
    }
};

QTEST_MAIN(TestKalibrierung)
#include "tst_kalibrierung.moc"
