// Work in flight (a debounced edit, an equalizer move, a block, a transfer, S-meter tuning, an
// IF sweep) met by a transition: what reaches the set, which file is written, what stays open.
#include "../calibration/kalfenster.h"
#include "control/eqcurve.h"
#include "fensterteil.h"

#include <QAction>
#include <QSlider>
#include <QtTest>

using Frames = QList<std::pair<int, int>>;

class TestLebenslauf : public QObject {
    Q_OBJECT
    std::unique_ptr<KalFenster> k;
    vantrel& w() { return *k->w; }
    QString datei(const QString& name) const { return k->env.configDir() + '/' + name; }
    bool klick(const char* seite, const char* knopf) {
        teil<QTabWidget>(w(), "tabs")->setCurrentWidget(teil<QWidget>(w(), seite));
        return KalFenster::klick(teil<QPushButton>(w(), knopf));
    }

    // Paced parameter frames (a block takes over a second), the release's parameter files,
    // an RX curve and calibration files of both profiles. The frames the work is expected
    // to bring go into erwartet by token: E the edit, B the band moved, K the curve's end.
    bool vorbereiten(const QString& was, QMap<QString, Frames>* erwartet) {
        k.reset(); // the old scripted dialogs uninstall themselves when they go
        k = std::make_unique<KalFenster>();
        const QString rel = TestEnv::sampleRelease();
        QDir().mkpath(k->env.configDir());
        QFile::copy(rel + "/Filters/RxEQ.dat", datei("RxEQ.dat"));
        if (!k->starten(
                5, {"paramrs232writetime=5", "xparameterfilename=" + rel + "/Filters/Xparams.dpk",
                    "rxeqfilename=" + datei("RxEQ.dat"), "scalfilename1=" + datei("kal/scal2.dat"),
                    "ad603filename1=" + datei("kal/AD6032.dat")}))
            return false;
        QPushButton* zf = teil<QPushButton>(w(), "bzfstep");
        bool ok = true;
        if (was == "edit" || was == "block")
            ok = klick("parameterseite", "bparamladen");
        else if (was == "eq" || was == "transfer")
            ok = klick("rxeqseite", "brxeqladen");
        else if (was == "smeter") {
            ok = Geraet::dateiSchreiben(k->scal(), QByteArray("008000\r\n").repeated(26));
            // START, the load; the first telegram brings "SAVE Daten".
            ok = ok && klick("smseite", "bsmstep") && klick("smseite", "bsmstep") &&
                 KalFenster::warte(
                     [&] {
                         return k->sm().knopf() == Kalibrierung::Knopf::Speichern &&
                                k->sm().gruppeFrei();
                     },
                     5000);
        } else if (was == "sweep") {
            k->dsp->setSignalpegel(77.0);
            ok = klick("zfseite", "bzfstep") && KalFenster::klick(zf) && k->zf().schritt() == 2;
            k->zf().setSchritt(18);
        }
        k->vergessen();
        if (was == "edit") {
            QDoubleSpinBox* box = paramwert(w(), 35);
            box->setValue(box->value() - box->singleStep());
            (*erwartet)["E"] = {{35, qRound(box->value() / w().geraet()->tabelle()[35].x)}};
        } else if (was == "eq") {
            // Neither what the file gave nor what the set last got (0).
            QSlider* s = teil<QSlider>(w(), "rxslider0");
            s->setValue(s->value() == -5 ? -6 : -5);
            (*erwartet)["B"] = eqcurve::bandFrames(eqcurve::Side::Rx, 0, s->value());
        } else if (was == "smeter") {
            smwert(w(), 0)->setValue(111);
        } else if (was == "sweep") {
            ok = ok && KalFenster::klick(zf) &&
                 KalFenster::warte([&] { return k->werte(107).size() >= 3; }, 5000);
        }
        (*erwartet)["K"] = {eqcurve::curveCloseFrame(eqcurve::Side::Rx)};
        return ok;
    }

private slots:
    void gate_data() {
        QTest::addColumn<QString>("was");
        QTest::addColumn<QString>("wie");
        // j Ja, n Nein, in order; s: a signal comes while the question is open.
        QTest::addColumn<QString>("antworten");
        // Frames that reach the set in this order (tokens, or n:v, n:* any value); "!" last:
        // nothing after them.
        QTest::addColumn<QString>("folge");
        QTest::addColumn<QString>("geschrieben"); // the one file written
        QTest::addColumn<QString>("offen");       // still unsaved, unless closed
        const auto zeile = [](const char* n, const char* was, const char* wie, const char* a,
                              const char* folge, const char* datei, const char* offen) {
            QTest::newRow(n) << QString(was) << QString(wie) << QString(a) << QString(folge)
                             << QString(datei) << QString(offen);
        };
        zeile("edit, close", "edit", "close", "n", "E 52:1 !", "", "");
        // SIGTERM while the close asks: its box counts as cancelled, and the close goes on.
        zeile("edit, close, a signal in its question", "edit", "close", "s", "E 52:1 !", "", "");
        zeile("edit, profile, saved", "edit", "profile", "j", "E", "gespeichert.dpk", "");
        zeile("edit, X load keeps the user flag", "edit", "load", "", "E", "", "Parameter");
        zeile("edit, line drop", "edit", "drop", "", "!", "", "Parameter");
        zeile("eq move, close, saved", "eq", "close", "j", "B 52:1 !", "RxEQ.dat", "");
        zeile("eq move, profile", "eq", "profile", "n", "B", "", "");
        zeile("block, close", "block", "close", "", "108:1 108:0 52:1 !", "", "");
        zeile("block, profile refused", "block", "profile", "", "108:1 108:0 !", "", "");
        zeile("block, load refused", "block", "load", "", "108:1 108:0 !", "", "");
        zeile("block, options refused", "block", "options", "", "108:1 108:0 !", "", "");
        zeile("transfer, close", "transfer", "close", "", "K 52:1 !", "", "");
        // SAVE ends the wizard and its stream; the close-down sends (52, 1) in any case.
        zeile("smeter, close, saved", "smeter", "close", "j", "67:111 64:0 52:1 52:1 !",
              "kal/scal.dat", "");
        zeile("smeter, profile refused", "smeter", "profile", "n", "67:111 !", "",
              "S-Meter-Kalibrierung");
        // The tuning is asked about (and saved) before the wizard is ended for the switch.
        zeile("smeter, profile, saved first", "smeter", "profile", "j", "67:111 64:0",
              "kal/scal.dat", "");
        zeile("smeter, options refused", "smeter", "options", "", "67:111 !", "",
              "S-Meter-Kalibrierung");
        zeile("sweep, close", "sweep", "close", "", "52:1 !", "", "");
        zeile("sweep, profile ends it", "sweep", "profile", "j", "52:1 !", "", "");
        zeile("sweep, silence", "sweep", "silence", "", "52:1 !", "", "");
    }

    void gate() {
        QFETCH(QString, was);
        QFETCH(QString, wie);
        QFETCH(QString, antworten);
        QFETCH(QString, folge);
        QFETCH(QString, geschrieben);
        QFETCH(QString, offen);
        QMap<QString, Frames> erwartet;
        QVERIFY(vorbereiten(was, &erwartet));
        // Every file a transition might write, in the configuration folder.
        const QStringList dateien{"gespeichert.dpk", "RxEQ.dat",      "kal/scal.dat",
                                  "kal/scal2.dat",   "kal/AD603.dat", "kal/AD6032.dat"};
        const auto stand = [&](const QString& d) { return fileBytes(datei(d), "-"); };
        QMap<QString, QByteArray> vorher;
        for (const QString& d : dateien)
            vorher[d] = stand(d);
        for (const QChar a : antworten)
            k->dialoge.questionAnswers << (a == 'j'   ? UserDialogs::Antwort::Ja
                                           : a == 'n' ? UserDialogs::Antwort::Nein
                                                      : UserDialogs::Antwort::Abbrechen);
        if (antworten == "s")
            k->dialoge.duringQuestion = [this] {
                w().signalbeenden();
                QTest::qWait(20);
            };
        k->dialoge.fileAnswers << datei("gespeichert.dpk");

        const auto tun = [this, wie] {
            if (wie == "close")
                w().close();
            else if (wie == "profile")
                w().findChild<QAction*>("vesk2Act")->trigger();
            else if (wie == "load")
                teil<QPushButton>(w(), "bxparamladen")->click();
            else if (wie == "options")
                w().findChild<QAction*>("optionAct")->trigger();
            else if (wie == "silence")
                k->dsp->setPeriode(100000);
            else
                k->sim->hangUp();
        };
        // A block or a transfer meets the transition while it runs.
        if (was == "block" || was == "transfer")
            QTimer::singleShot(300, &w(), tun);
        if (was == "block")
            QTest::mousePress(teil<QRadioButton>(w(), "rbgelb"), Qt::LeftButton);
        else if (was == "transfer")
            teil<QPushButton>(w(), "brxeq2pic")->click();
        else
            tun();
        if (wie == "close")
            QVERIFY(KalFenster::warte([&] { return !w().isVisible(); }, 10000));
        QTest::qWait(wie == "silence" ? 800 : 300);
        k->sim->poll();

        const Frames got = k->rahmen();
        QString gesehen; // for the messages
        for (const auto& [n, v] : got)
            gesehen += QStringLiteral(" %1:%2").arg(n).arg(v);
        qsizetype pos = 0;
        for (const QString& t : folge.split(' ', Qt::SkipEmptyParts)) {
            if (t == "!") {
                QVERIFY2(pos == got.size(), qPrintable(gesehen));
                continue;
            }
            const QStringList nv = t.split(':');
            const Frames teilfolge =
                erwartet.contains(t) ? erwartet[t] : Frames{{nv[0].toInt(), nv.value(1).toInt()}};
            for (const auto& [n, v] : teilfolge) {
                while (pos < got.size() && got[pos] != std::make_pair(n, v) &&
                       !(got[pos].first == n && nv.value(1) == "*"))
                    ++pos;
                QVERIFY2(pos++ < got.size(), qPrintable(t + " missing in" + gesehen));
            }
        }
        for (const QString& d : dateien)
            QVERIFY2((stand(d) != vorher[d]) == (d == geschrieben), qPrintable(d));
        if (geschrieben.endsWith("scal.dat"))
            QVERIFY(stand(geschrieben).startsWith("006F00\r\n"));
        if (wie != "close")
            QCOMPARE(w().geraet()->ungespeichert().join(", "), offen);
        // Refused: the box names the calibration or the transfer, and the profile stays.
        if (offen.startsWith("S-Meter") || (was == "block" && wie != "close")) {
            QCOMPARE(w().geraet()->profil(), 0);
            QVERIFY(k->dialoge.shown.last().text.contains(
                was == "block" ? "Es laeuft bereits eine Uebertragung!" : "S-Meter-Kalibrierung"));
        }
    }
};

QTEST_MAIN(TestLebenslauf)
#include "tst_lebenslauf.moc"
