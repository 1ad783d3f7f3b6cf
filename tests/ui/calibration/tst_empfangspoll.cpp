// The calibration poll in the window, against the simulated set on a pseudo-terminal: the
// watchdog for a silent line, the line left alone while a transfer owns it, the bars the
// telegrams drive, and every telegram used by the sweep and the monitor.
#include "fensterteil.h"
#include "kalfenster.h"

#include <QCheckBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace {
const QString kTitel = QStringLiteral("Fehler bei der ZF-Kalibrierung!");
const QString kStille = QStringLiteral(
    "<b>Datenempfang auf der RS232 defekt</B><BR>Es kommen vom Talvaro keine Daten zur "
    "Auswertung zum PC.<br> Eventuell ist die RS232 nicht angeschlossen oder<br> unterbrochen.");
} // namespace

class TestEmpfangspoll : public QObject {
    Q_OBJECT
    std::unique_ptr<KalFenster> k;

    // Starts the poll the way a wizard does, without the wizard.
    void pollstarten() {
        k->w->empfangsring.neustart();
        k->w->empfangtimer->start(k->w->empfangintervall);
    }

private slots:
    void init() {
        k = std::make_unique<KalFenster>();
        QVERIFY(k->starten());
    }
    void cleanup() { k.reset(); }

    void stilleLeitung_data() {
        QTest::addColumn<QList<int>>("byteNach");
        QTest::addColumn<int>("ticksBisBox");
        QTest::newRow("never a byte") << QList<int>{} << 20;
        // The byte sent after poll n is read by poll n + 1; 20 silent polls follow it.
        QTest::newRow("one byte after 15 silent polls") << QList<int>{15} << 36;
        QTest::newRow("one byte after 19") << QList<int>{19} << 40;
        QTest::newRow("two bytes apart") << QList<int>{5, 20} << 41;
    }
    void stilleLeitung() {
        QFETCH(QList<int>, byteNach);
        QFETCH(int, ticksBisBox);
        // The set sends nothing but the single bytes the table asks for.
        int ticks = 0;
        int ticksBeimFehler = -1;
        connect(k->w->empfangtimer, &QTimer::timeout, this, [&] {
            ++ticks;
            if (byteNach.contains(ticks))
                k->sim->send(QByteArray(1, 'x'));
            if (!k->w->empfangtimer->isActive() && ticksBeimFehler < 0)
                ticksBeimFehler = ticks;
        });
        // The IF wizard is somewhere in its steps: the watchdog aborts it.
        k->w->zfschritt = 5;
        pollstarten();
        QVERIFY(KalFenster::warte([&] { return !k->w->empfangtimer->isActive(); }, 5000));
        QCOMPARE(ticksBeimFehler, ticksBisBox);
        QTest::qWait(100);
        const QList<ShownBox> boxen = k->dialoge.boxes(QStringLiteral("critical"));
        QCOMPARE(boxen.size(), 1);
        QCOMPARE(boxen.first().title, kTitel);
        QCOMPARE(boxen.first().text, kStille);
        QCOMPARE(k->w->zfschritt, 0);
        QVERIFY(teil<QTextEdit>(*k->w, "zftext")
                    ->toPlainText()
                    .startsWith(QStringLiteral("Dieser Programmteil dient der Kalibrierung")));
        // The poll stays stopped.
        QCOMPARE(ticks, ticksBisBox);
    }

    void waehrendEinerUebertragung() {
        k->dsp->setSignalpegel(70.0);
        k->w->geraet()->link()->dspframe(52, 2);
        QVERIFY(k->sim->waitForFrames(1, 1000));
        QVERIFY(k->w->geraet()->link()->beginTransfer());
        pollstarten();
        QTest::qWait(400);
        // The telegrams were the transfer's to read; nobody counted silence meanwhile.
        QCOMPARE(k->w->empfangsring.empfangen(), 0);
        QCOMPARE(teil<QProgressBar>(*k->w, "zfbar")->value(), 0);
        QVERIFY(k->w->empfangtimer->isActive());
        QVERIFY(k->dialoge.shown.isEmpty());
        k->w->geraet()->link()->endTransfer();
        QVERIFY(KalFenster::warte([&] { return teil<QProgressBar>(*k->w, "zfbar")->value() == 70; },
                                  2000));
    }

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
        k->w->geraet()->link()->dspframe(52, 2);
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

    // Several telegrams arrive between two polls (the set sends every periode ms, the polls
    // tick every 10 ms). Formerly each poll used one of them and the rest were lost: the
    // sweep needed several times the telegrams it uses, the monitor showed a fraction.
    void jedesTelegramm_data() {
        QTest::addColumn<bool>("monitor");
        QTest::addColumn<int>("periode");
        QTest::newRow("sweep, 2 per poll") << false << 5;
        QTest::newRow("sweep, 5 per poll") << false << 2;
        QTest::newRow("monitor, 2 per poll") << true << 5;
        QTest::newRow("monitor, 5 per poll") << true << 2;
    }
    void jedesTelegramm() {
        QFETCH(bool, monitor);
        QFETCH(int, periode);
        QVERIFY(k->starten(periode));
        k->dsp->setSignalpegel(77.0);
        const int vorher = k->dsp->telegrammeGesendet();
        if (monitor) {
            int gezeigt = 0;
            connect(k->w.get(), &vantrel::sendedspdaten, this, [&] { ++gezeigt; });
            teil<QCheckBox>(*k->w, "cbdmoni")->setEnabled(true);
            teil<QCheckBox>(*k->w, "cbdmoni")->setChecked(true);
            QTest::qWait(1000);
            teil<QCheckBox>(*k->w, "cbdmoni")->setChecked(false);
            QTest::qWait(50);
            // The one telegram on its way when the monitor went off may be missing.
            const int gesendet = k->dsp->telegrammeGesendet() - vorher;
            QVERIFY2(gezeigt >= gesendet - 1 && gesendet > 50,
                     qPrintable(QStringLiteral("%1 of %2").arg(gezeigt).arg(gesendet)));
            return;
        }
        k->w->geraet()->link()->dspframe(52, 2);
        k->w->zfschritt = 18;
        pollstarten();
        k->w->clickifstep();
        QVERIFY(KalFenster::warte([&] { return k->w->zfschritt >= 20; }, 30000));
        // 64 steps of 15 telegrams; a few more for the polls' latency.
        const int gesendet = k->dsp->telegrammeGesendet() - vorher;
        QVERIFY2(gesendet <= 64 * 15 + 64 * 15 / 10, qPrintable(QString::number(gesendet)));
    }
};

QTEST_MAIN(TestEmpfangspoll)
#include "tst_empfangspoll.moc"
