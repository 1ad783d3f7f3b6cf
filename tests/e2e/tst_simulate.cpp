// The loader in simulate mode, driven headless as a first-time user would: the set on a real
// pseudo-terminal in the same process, its device window beside the main window, buttons of
// both clicked. The user's own configuration stays untouched throughout.
#include "app/simconfig.h"
#include "app/userdialogs.h"
#include "app/vantrel.h"
#include "calibration/zfkalibrierung.h"
#include "fensterteil.h"
#include "link/link.h"
#include "sim/simdsp.h"
#include "sim/simfenster.h"
#include "sim/simloader.h"
#include "sim/simpic.h"
#include "sim/simtransceiver.h"
#include "sim/simulation.h"
#include "sitzung.h"
#include "testenv.h"
#include "windowground.h"

#include "geraetzugang.h"
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSlider>
#include <QSpinBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

namespace {
// One start of `talvaro-loader --simulate`, as main() makes it.
struct Start {
    Simulation sim;
    std::unique_ptr<vantrel> w;
    SimFenster* f = nullptr;
    QStringList meldungen; // every status bar message

    Start() {
        sim.konfigurieren(TestEnv::sampleRelease());
        w = std::make_unique<vantrel>();
        f = sim.zeigen(w.get());
        QObject::connect(w->statusBar(), &QStatusBar::messageChanged, w.get(),
                         [this](const QString& m) {
                             if (!m.isEmpty())
                                 meldungen << m;
                         });
        // As fast as the pseudo-terminal goes: the tests count bytes, not seconds.
        f->cbechtzeit->setChecked(false);
    }
    ~Start() {
        if (w)
            w->close();
    }
    QString log() const { return teil<QTextEdit>(*w, "log")->toPlainText(); }
};

QByteArray muster(int n) {
    QByteArray b(n, '\0');
    quint32 x = 12345;
    for (int i = 0; i < n; ++i) {
        x = x * 1103515245u + 12345u;
        b[i] = char(x >> 24);
    }
    return b;
}
} // namespace

class TestSimulate : public QObject, private WindowGround {
    Q_OBJECT

    QString userCfg() const { return env->configDir() + "/vantrel.cfg"; }
    QString simCfg() const { return env->configDir() + "/vantrel-sim.cfg"; }

private slots:
    void initTestCase() { beginCase(); }
    void cleanupTestCase() {
        vantrel::configFileName() = QStringLiteral("vantrel.cfg");
        endCase();
    }
    void init() {
        QDir(env->configDir()).removeRecursively();
        dialogs->clear();
        dialogs->fileAnswers.clear();
        dialogs->confirmAnswers.clear();
        dialogs->cancelAt.clear();
    }

    // The user's vantrel.cfg is neither read nor written, whether there is one or not.
    void userConfigUntouched_data() {
        QTest::addColumn<bool>("userFile");
        QTest::newRow("user has a configuration") << true;
        QTest::newRow("user has none") << false;
    }
    void userConfigUntouched() {
        QFETCH(bool, userFile);
        if (userFile)
            env->writeConfig({"rs232=/dev/ttyUSB7", "picrs232writetime=77", "vesknr=2",
                              "veskpfad=/home/dl1abc/talvaro"});
        const QByteArray before = fileBytes(userCfg());
        const QDateTime stamp = QFileInfo(userCfg()).lastModified();
        QString erstePort;
        {
            Start s;
            QVERIFY(s.sim.isValid());
            QCOMPARE(s.w->geraet()->einstellungen().rs232, s.sim.portPath());
            QVERIFY(s.w->geraet()->rs232offen());
            QCOMPARE(s.w->geraet()->einstellungen().picrs232writetime, 10);
            QCOMPARE(s.w->geraet()->profil(), 0);
            const QString kopie = simconfig::releaseCopy(env->configDir());
            QCOMPARE(s.w->geraet()->einstellungen().veskpfad[0], kopie);
            QCOMPARE(s.w->geraet()->einstellungen().dspcodefilename[0], kopie + "/VESK2b1x.dpk");
            // What the session makes of its own stays beside the copy as well.
            const QString eigen = QFileInfo(kopie).path();
            QCOMPARE(s.w->geraet()->zfkal().ad603eins(), eigen + "/AD603_1.dat");
            QCOMPARE(s.w->geraet()->sicherungsordner(), eigen + "/sicherungen");
            QVERIFY(s.log().contains("Simulation: der simulierte Talvaro haengt an " +
                                     s.sim.portPath()));
            // A change the user makes in simulate mode is kept in its own file.
            einstellen(s.w->geraet(), [](TEinstellungen& e) { e.dsprs232writetime = 5; });
            erstePort = s.sim.portPath();
        }
        QCOMPARE(QFileInfo::exists(userCfg()), userFile);
        QCOMPARE(fileBytes(userCfg()), before);
        QCOMPARE(QFileInfo(userCfg()).lastModified(), stamp);
        QVERIFY(fileBytes(simCfg()).contains("dsprs232writetime=5\n"));

        // The next start: a new line, the change still there.
        Start s;
        QCOMPARE(s.w->geraet()->einstellungen().dsprs232writetime, 5);
        QCOMPARE(s.w->geraet()->einstellungen().rs232, s.sim.portPath());
        QVERIFY(fileBytes(simCfg()).contains(("rs232=" + s.sim.portPath() + "\n").toLocal8Bit()));
        QCOMPARE(fileBytes(userCfg()), before);
    }

    // The roads the instruction boxes describe, each with the key or function they name,
    // pressed in the device window, and what the set says afterwards.
    void deviceRoads_data() {
        QTest::addColumn<QString>("vorher");   // device buttons before the main window's
        QTest::addColumn<QString>("knopf");    // the main window's button
        QTest::addColumn<QString>("waehrend"); // device button pressed while it runs
        QTest::addColumn<QString>("meldung");  // pattern of the device window's report
        QTest::addColumn<QString>("fortschritt");
        QTest::newRow("Direkt zum DSP") << "btaste0"
                                        << "bdspladen"
                                        << ""
                                        << "^DSP geladen, Checksumme OK$"
                                        << "DSP-FW Laden";
        QTest::newRow("Daten + Parameter zum PIC")
            << "btasteraute"
            << "bpicladen"
            << ""
            << "^Eeprom: [1-9][0-9]* Bytes Firmware und 944 Bytes Parameter geschrieben$"
            << "DSP-FW in PIC Laden";
        QTest::newRow("Nur Parameter zum PIC") << "bf999,btaste1"
                                               << "bpar2pic"
                                               << ""
                                               << "^Eeprom: 944 Bytes Parameter geschrieben$"
                                               << "Parameter -> VESK (Ruvado)";
        QTest::newRow("Eeprom Sicherung") << ""
                                          << "beesichern"
                                          << "bf997"
                                          << "^Eeprom: 65536 Bytes gesendet$"
                                          << "ExEeprom in Datei Speichern";
    }
    void deviceRoads() {
        QFETCH(QString, vorher);
        QFETCH(QString, knopf);
        QFETCH(QString, waehrend);
        QFETCH(QString, meldung);
        QFETCH(QString, fortschritt);
        Start s;
        // The PIC's pace would make the echo-checked downloads take minutes.
        GeraetZugang::link(*s.w->geraet())
            ->setDelays(0, s.w->geraet()->einstellungen().dsprs232writetime, 0);
        const QByteArray eeprom = muster(SimPic::eepromSize);
        s.sim.pic().eeprom() = eeprom;
        QTemporaryDir out;
        const QString bin = out.filePath("exee.bin");
        dialogs->fileAnswers << bin;

        for (const QString& name : vorher.split(',', Qt::SkipEmptyParts))
            QTest::mouseClick(s.f->findChild<QPushButton*>(name), Qt::LeftButton);
        if (!waehrend.isEmpty())
            QTimer::singleShot(100, s.f, [&s, waehrend] {
                QTest::mouseClick(s.f->findChild<QPushButton*>(waehrend), Qt::LeftButton);
            });
        auto* b = s.w->findChild<QPushButton*>(knopf);
        QVERIFY(b);
        QTest::mouseClick(b, Qt::LeftButton);

        const QRegularExpression re(meldung);
        QTRY_VERIFY2(!s.f->verlauf().filter(re).isEmpty(), qPrintable(s.f->verlauf().join('\n')));
        QCOMPARE(dialogs->boxes("about").size(), 0);
        // The progress dialog kept its label; the status bar carried the figures.
        QVERIFY2(dialogs->progressLabels.contains(fortschritt), qPrintable(s.log()));
        const QRegularExpression figures(
            "^[0-9]+ von ([0-9]+) Bytes, [0-9]+ Bytes/s, Noch [0-9]+:[0-5][0-9]$");
        QVERIFY2(!s.meldungen.filter(figures).isEmpty(), qPrintable(s.meldungen.join('\n')));
        QVERIFY2(!s.meldungen
                      .filter(QRegularExpression("^Fertig: ([0-9]+) von \\1 Bytes in "
                                                 "[0-9]+:[0-5][0-9]$"))
                      .isEmpty(),
                 qPrintable(s.meldungen.join('\n')));

        if (knopf == "bdspladen") {
            QVERIFY(s.sim.loader().checksumOk());
            QCOMPARE(s.sim.loader().image(), s.w->geraet()->bild().buffer);
            QVERIFY(s.log().contains("buffer2dsp() Fertig!"));
        } else if (knopf == "beesichern") {
            QTRY_COMPARE(fileBytes(bin).size(), SimPic::eepromSize);
            QCOMPARE(fileBytes(bin), eeprom);
        } else {
            QCOMPARE(s.sim.pic().errors(), QStringList());
        }
    }

    // The faults of the device window, each seen by the loader as a real set's would be.
    void faults_data() {
        QTest::addColumn<QString>("schalter");
        QTest::addColumn<int>("zahl");
        QTest::addColumn<QString>("box"); // pattern of the "Error!" box
        QTest::newRow("no sync") << "cbsync" << 0
                                 << "^Keine Syncronisation!!!<br>\"x\" an PIC gesendet<br>\"z\" "
                                    "vom PIC empfangen\\.$";
        QTest::newRow("wrong echo at byte 42")
            << "cbecho" << 42 << "^Adresse 002a File:([0-9a-f]+) Pic:([0-9a-f]+)$";
        QTest::newRow("line dropped") << "cbtrennen" << 100 << ".";
    }
    void faults() {
        QFETCH(QString, schalter);
        QFETCH(int, zahl);
        QFETCH(QString, box);
        Start s;
        GeraetZugang::link(*s.w->geraet())->setDelays(0, 0, 0);
        if (auto* spin = s.f->findChild<QSpinBox*>("sb" + schalter.mid(2)))
            spin->setValue(zahl);
        s.f->findChild<QCheckBox*>(schalter)->setChecked(true);
        QTest::mouseClick(s.f->btasteraute, Qt::LeftButton);
        QTest::mouseClick(teil<QPushButton>(*s.w, "bpicladen"), Qt::LeftButton);

        const auto errors = dialogs->boxes("about");
        QVERIFY(!errors.isEmpty());
        QCOMPARE(errors.first().title, QStringLiteral("Error!"));
        const auto m = QRegularExpression(box).match(errors.first().text);
        QVERIFY2(m.hasMatch(), qPrintable(errors.first().text));
        if (schalter == "cbecho") {
            const int sent = quint8(s.w->geraet()->bild().buffer.at(zahl));
            QCOMPARE(m.captured(1).toInt(nullptr, 16), sent);
            QCOMPARE(m.captured(2).toInt(nullptr, 16), sent ^ 1);
        }
        if (schalter != "cbtrennen")
            return;

        // The panel tells of the drop, and a new line brings the loader back.
        QTRY_VERIFY(!s.f->verlauf().filter("Leitung getrennt").isEmpty());
        QVERIFY(s.f->bneu->isEnabled());
        s.f->cbtrennen->setChecked(false);
        QTest::mouseClick(s.f->bneu, Qt::LeftButton);
        QVERIFY(s.w->geraet()->rs232offen());
        QCOMPARE(s.w->geraet()->einstellungen().rs232, s.sim.portPath());
        QVERIFY(s.f->portanzeige->text().contains(s.sim.portPath()));
        dialogs->clear();
        QTest::mouseClick(s.f->btaste0, Qt::LeftButton);
        QTest::mouseClick(teil<QPushButton>(*s.w, "bdspladen"), Qt::LeftButton);
        QTRY_VERIFY(!s.f->verlauf().filter("DSP geladen, Checksumme OK").isEmpty());
        QCOMPARE(dialogs->boxes("about").size(), 0);
    }

    // The line is not swapped under a running transfer: the backup still gets every byte.
    void noNewLineDuringTransfer() {
        Start s;
        const QString port = s.sim.portPath();
        QTemporaryDir out;
        dialogs->fileAnswers << out.filePath("exee.bin");
        QTimer::singleShot(100, s.f, [&s] {
            QTest::mouseClick(s.f->bneu, Qt::LeftButton);
            QTest::mouseClick(s.f->bf997, Qt::LeftButton);
        });
        QTest::mouseClick(teil<QPushButton>(*s.w, "beesichern"), Qt::LeftButton);
        QVERIFY(s.f->verlauf().contains("Erst die laufende Uebertragung abbrechen"));
        QCOMPARE(s.sim.portPath(), port);
        QCOMPARE(fileBytes(out.filePath("exee.bin")).size(), SimPic::eepromSize);
        // Afterwards it may.
        QTest::mouseClick(s.f->bneu, Qt::LeftButton);
        QCOMPARE(s.f->status(), "Neue Leitung " + s.sim.portPath());
        QCOMPARE(s.w->geraet()->einstellungen().rs232, s.sim.portPath());
        QVERIFY(s.w->geraet()->rs232offen());
    }

    // The real boxes are modal to the main window only: while the box of "Nur Parameter zum
    // PIC" is open, the panel takes "999" and "Taste 1" as the box says, then OK runs the
    // transfer. Clicks go through the window system, where a modal box blocks them.
    void panelDuringBox() {
        Start s;
        GeraetZugang::link(*s.w->geraet())->setDelays(0, 0, 0);
        s.w->show();
        RealDialogs real;
        UserDialogs::install(&real);
        const auto klick = [&s](QPushButton* b) {
            QTest::mouseClick(s.f->windowHandle(), Qt::LeftButton, {},
                              b->mapTo(s.f, b->rect().center()));
        };
        bool genommen = false;
        QTimer::singleShot(100, s.f, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            klick(s.f->bf999);
            klick(s.f->btaste1);
            genommen = s.sim.pic().state() == SimPic::State::Parameter;
            box->button(genommen ? QMessageBox::Ok : QMessageBox::Cancel)->click();
        });
        QTest::mouseClick(teil<QPushButton>(*s.w, "bpar2pic"), Qt::LeftButton);
        UserDialogs::install(dialogs.get());
        QVERIFY(genommen);
        QTRY_VERIFY2(!s.f->verlauf().filter("Eeprom: 944 Bytes Parameter geschrieben").isEmpty(),
                     qPrintable(s.f->verlauf().join('\n')));
        QCOMPARE(s.sim.pic().errors(), QStringList());
    }

    // Where the main window and the device window go: both inside the screen's free area,
    // side by side where there is room, the main window never below its minimum (so its
    // status bar shows), and a placement that holds already kept.
    void placement_data() {
        QTest::addColumn<QRect>("frei");
        QTest::addColumn<QRect>("haupt");
        QTest::addColumn<bool>("nebeneinander");
        QTest::addColumn<bool>("bleibt");
        QTest::newRow("1366 x 768, first start")
            << QRect(0, 0, 1366, 768) << QRect(200, 200, 854, 690) << true << false;
        QTest::newRow("1366 x 768 under a desktop panel")
            << QRect(0, 28, 1366, 740) << QRect(200, 200, 854, 690) << true << false;
        QTest::newRow("kept from the last run")
            << QRect(0, 0, 1920, 1080) << QRect(60, 80, 1000, 800) << true << true;
        QTest::newRow("larger than the screen")
            << QRect(0, 0, 1366, 768) << QRect(0, 0, 1300, 900) << true << false;
        QTest::newRow("screen too narrow for both")
            << QRect(0, 0, 1024, 768) << QRect(300, 300, 900, 700) << false << false;
    }
    void placement() {
        QFETCH(QRect, frei);
        QFETCH(QRect, haupt);
        QFETCH(bool, nebeneinander);
        QFETCH(bool, bleibt);
        const QSize hauptMin(854, 690);
        const QMargins rahmen(4, 28, 4, 4);
        const auto p = Simulation::platzierung(frei, haupt, hauptMin, QSize(400, 800),
                                               QSize(380, 500), rahmen);
        const QRect h = p.haupt.marginsAdded(rahmen), f = p.feld.marginsAdded(rahmen);
        QVERIFY(frei.contains(h));
        QVERIFY(frei.contains(f));
        QVERIFY(p.haupt.width() >= hauptMin.width() && p.haupt.height() >= hauptMin.height());
        QCOMPARE(p.feld.width(), 400);
        QVERIFY(p.feld.height() >= 500);
        QCOMPARE(!h.intersects(f), nebeneinander);
        QCOMPARE(p.haupt == haupt, bleibt);
    }

    // The input signal reaches the set's receiver: the IF level and the S-meter byte the
    // calibrations and the monitor measure.
    void signal_data() {
        QTest::addColumn<int>("dbm");
        QTest::addColumn<QString>("anzeige");
        QTest::addColumn<int>("smeter"); // the set's S-meter reading in dB
        QTest::addColumn<double>("zf");  // the IF level of the signal
        QTest::newRow("S9") << -73 << "-73 dBm (S9)" << 56 << 50.0;
        QTest::newRow("S8") << -79 << "-79 dBm (S8)" << 50 << 44.0;
        QTest::newRow("S1") << -121 << "-121 dBm (S1)" << 8 << 2.0;
        QTest::newRow("S9+60") << -13 << "-13 dBm (S9+60 dB)" << 116 << 110.0;
        QTest::newRow("for the IF calibration") << -46 << "-46 dBm (S9+27 dB)" << 83 << 77.0;
        QTest::newRow("none") << -140 << "kein Signal" << 0 << -200.0;
    }
    void signal() {
        QFETCH(int, dbm);
        QFETCH(QString, anzeige);
        QFETCH(int, smeter);
        QFETCH(double, zf);
        Start s;
        s.f->signalregler->setValue(dbm == -73 ? -70 : -73);
        s.f->signalregler->setValue(dbm);
        QCOMPARE(s.f->signalanzeige->text(), anzeige);
        QCOMPARE(s.sim.dsp().smeterdb(), smeter);
        QCOMPARE(s.sim.dsp().signalpegel(), zf);
        // A new line keeps what the panel shows.
        QVERIFY(s.sim.neuVerbinden());
        QCOMPARE(s.sim.dsp().smeterdb(), smeter);
        QCOMPARE(s.sim.dsp().signalpegel(), zf);
    }
};

QTEST_MAIN(TestSimulate)
#include "tst_simulate.moc"
