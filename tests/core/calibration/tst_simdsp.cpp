// The simulated running DSP's telegram stream, read over a real pseudo-terminal and decoded
// with the loader's own telegram code: the two sides were written apart, so each checks the
// other. Commands go out as the loader sends them, through the Link.
#include "calibration/empfangsring.h"
#include "calibration/pegel.h"
#include "link/link.h"
#include "link/modem.h"
#include "monitor/dspdekoder.h"
#include "sim/simdsp.h"
#include "sim/simtransceiver.h"
#include "testenv.h"

#include <QTest>
#include <cmath>
#include <memory>

class TestSimDsp : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnv> env;
    std::unique_ptr<SimTransceiver> sim;
    std::unique_ptr<SimDsp> dsp;
    std::unique_ptr<Modem> modem;
    std::unique_ptr<Link> link;
    QByteArray puffer;

    // Everything that arrived within ms, appended to puffer.
    void sammeln(int ms) {
        QElapsedTimer uhr;
        uhr.start();
        do {
            QTest::qWait(5);
            char b[512];
            int n = 0;
            while ((n = modem->readData(b, int(sizeof b))) > 0)
                puffer.append(b, n);
        } while (uhr.elapsed() < ms);
    }
    // Bytes 1..22 of every whole telegram in puffer, found by their header.
    QList<QByteArray> telegramme() const {
        QList<QByteArray> out;
        for (qsizetype i = 0; i + 24 <= puffer.size(); ++i) {
            if (quint8(puffer[i]) == 0x7E && quint8(puffer[i + 1]) == 0x7E) {
                out.append(puffer.mid(i + 2, 22));
                i += 23;
            }
        }
        return out;
    }
    // The latest telegram after the line has settled on what was just sent.
    Telegramm aktuell() {
        puffer.clear();
        sammeln(60);
        puffer.clear();
        sammeln(40);
        const QList<QByteArray> t = telegramme();
        return t.isEmpty() ? Telegramm() : Telegramm(t.last());
    }
    // The level an IF word shows: 90 - 20 log10(32768 / W), rounded half up; 0 for 0.
    static int pegelvon(int w) {
        return w == 0 ? 0 : 90 - int(std::floor(20.0 * std::log10(32768.0 / w) + 0.5));
    }

private slots:
    void initTestCase() { env = std::make_unique<TestEnv>(); }
    void init() {
        sim = std::make_unique<SimTransceiver>();
        QVERIFY(sim->isValid());
        dsp = std::make_unique<SimDsp>(sim.get());
        dsp->setPeriode(5);
        modem = std::make_unique<Modem>();
        QVERIFY(modem->openPort(sim->portPath()));
        link = std::make_unique<Link>(modem.get());
        link->setOpen(true);
        puffer.clear();
    }
    void cleanup() {
        link.reset();
        modem.reset();
        dsp.reset();
        sim.reset();
    }

    void stromAnUndAus() {
        sammeln(40);
        QCOMPARE(puffer.size(), 0);
        link->dspframe(52, 2);
        QVERIFY(sim->waitForFrames(1, 1000));
        sammeln(100);
        QVERIFY(dsp->streamAn());
        const int gesendet = dsp->telegrammeGesendet();
        QVERIFY2(gesendet >= 5, qPrintable(QString::number(gesendet)));
        link->dspframe(52, 1);
        QVERIFY(sim->waitForFrames(2, 1000));
        sammeln(30);
        // Every telegram whole, nothing else on the line.
        QCOMPARE(puffer.size(), qsizetype(24) * dsp->telegrammeGesendet());
        QCOMPARE(telegramme().size(), dsp->telegrammeGesendet());
        const int danach = dsp->telegrammeGesendet();
        sammeln(50);
        QCOMPARE(dsp->telegrammeGesendet(), danach);
        // Values other than 1 and 2 leave the stream as it is.
        link->dspframe(52, 7);
        QVERIFY(sim->waitForFrames(3, 1000));
        QVERIFY(!dsp->streamAn());
    }

    void periode_data() {
        QTest::addColumn<int>("ms");
        QTest::newRow("5 ms") << 5;
        QTest::newRow("20 ms") << 20;
    }
    void periode() {
        QFETCH(int, ms);
        dsp->setPeriode(ms);
        link->dspframe(52, 2);
        QVERIFY(sim->waitForFrames(1, 1000));
        QTest::qWait(8 * ms);
        const int anfang = dsp->telegrammeGesendet();
        QElapsedTimer uhr;
        uhr.start();
        QTest::qWait(30 * ms);
        const double erwartet = double(uhr.elapsed()) / ms;
        const int n = dsp->telegrammeGesendet() - anfang;
        // A loaded machine may drop ticks, but never sends faster than the period.
        QVERIFY2(n <= erwartet + 2 && n >= erwartet / 3,
                 qPrintable(QStringLiteral("%1 in %2 periods").arg(n).arg(erwartet)));
    }

    void gainkurve() {
        QCOMPARE(SimDsp::ad603gain(0), 0.0);
        QVERIFY(std::abs(SimDsp::ad603gain(63) - 40.0) < 1e-9);
        for (int d = 1; d < 64; ++d) {
            const double schritt = SimDsp::ad603gain(d) - SimDsp::ad603gain(d - 1);
            // Monotone, and no step so coarse that a dB of the table would be skipped twice.
            QVERIFY2(schritt > 0.2 && schritt < 1.2, qPrintable(QString::number(d)));
        }
    }

    void dacstufe_data() {
        QTest::addColumn<int>("wert");
        QTest::addColumn<int>("stufe");
        QTest::newRow("lowest gain") << 0 << 0;
        QTest::newRow("step 5") << 5 << 5;
        QTest::newRow("step 40") << 40 << 40;
        QTest::newRow("highest gain") << 63 << 63;
        QTest::newRow("64 hands it back to the DSP") << 64 << 63;
        QTest::newRow("beyond") << 200 << 63;
    }
    void dacstufe() {
        QFETCH(int, wert);
        QFETCH(int, stufe);
        dsp->setSignalpegel(77.0);
        link->dspframe(107, 17);
        link->dspframe(107, wert);
        link->dspframe(52, 2);
        QVERIFY(sim->waitForFrames(3, 1000));
        const Telegramm t = aktuell();
        QCOMPARE(t.dacstufe(), stufe);
        QVERIFY(!t.sendet());
        QCOMPARE(t.pegelwort(), dsp->pegelwort(stufe));
        // The level the loader computes is the model's level at that step.
        QCOMPARE(pegel(t.pegelwort()), pegelvon(dsp->pegelwort(stufe)));
        const double modell = dsp->ifpegel(stufe);
        QVERIFY2(std::abs(pegel(t.pegelwort()) - modell) <= 0.51,
                 qPrintable(QStringLiteral("%1 vs %2").arg(pegel(t.pegelwort())).arg(modell)));
    }

    void pegelmodell_data() {
        QTest::addColumn<double>("rauschen");
        QTest::addColumn<double>("signal");
        QTest::addColumn<int>("stufe");
        QTest::addColumn<int>("dB");
        QTest::newRow("noise alone, full gain") << 24.0 << -200.0 << 63 << 24;
        QTest::newRow("noise alone, lowest gain") << 24.0 << -200.0 << 0 << 0; // -16 dB: word 0
        QTest::newRow("signal over noise") << 24.0 << 77.0 << 63 << 77;
        QTest::newRow("signal at lowest gain") << 24.0 << 77.0 << 0 << 37;
        QTest::newRow("equal parts add 3 dB") << 30.0 << 30.0 << 63 << 33;
    }
    void pegelmodell() {
        QFETCH(double, rauschen);
        QFETCH(double, signal);
        QFETCH(int, stufe);
        QFETCH(int, dB);
        dsp->setRauschpegel(rauschen);
        dsp->setSignalpegel(signal);
        link->dspframe(107, stufe);
        link->dspframe(52, 2);
        QVERIFY(sim->waitForFrames(2, 1000));
        QCOMPARE(pegel(aktuell().pegelwort()), dB);
    }

    void echo_data() {
        QTest::addColumn<int>("verzoegerung");
        QTest::addColumn<int>("taub");
        QTest::addColumn<int>("wert");
        QTest::addColumn<int>("code");
        QTest::newRow("6 comes back") << 0 << -1 << 6 << 6;
        QTest::newRow("8 comes back") << 0 << -1 << 8 << 8;
        QTest::newRow("only the low nibble") << 0 << -1 << 0x1A << 0x0A;
        QTest::newRow("late echo") << 10 << -1 << 6 << 6;
        QTest::newRow("6 not understood") << 0 << 6 << 6 << 2;
    }
    void echo() {
        QFETCH(int, verzoegerung);
        QFETCH(int, taub);
        QFETCH(int, wert);
        QFETCH(int, code);
        dsp->setEchoVerzoegerung(verzoegerung);
        dsp->setEchoTaub(taub);
        dsp->setAdcStufe(2);
        link->dspframe(52, 2);
        QVERIFY(sim->waitForFrames(1, 1000));
        QCOMPARE(aktuell().echocode(), 2);
        link->dspframe(57, wert);
        QVERIFY(sim->waitForFrames(2, 1000));
        const int ab = dsp->telegrammeGesendet();
        puffer.clear();
        sammeln(5 * (verzoegerung + 12));
        QVERIFY(dsp->telegrammeGesendet() >= ab + verzoegerung + 2);
        const QList<QByteArray> t = telegramme();
        QVERIFY(!t.isEmpty());
        QCOMPARE(Telegramm(t.last()).echocode(), code);
        if (verzoegerung > 0) {
            // The first telegrams after the command still carry the old code.
            QCOMPARE(Telegramm(t.first()).echocode(), 2);
        }
    }

    void smeter_data() {
        QTest::addColumn<double>("dbm");
        QTest::addColumn<int>("einstellung");
        QTest::addColumn<int>("byte18");
        QTest::addColumn<int>("stufe");
        QTest::newRow("-73 dBm at the right setting") << -73.0 << 135 << 56 << 9;
        QTest::newRow("setting 10 too high") << -73.0 << 145 << 61 << 9;
        QTest::newRow("setting 10 too low") << -73.0 << 125 << 51 << 8;
        QTest::newRow("+20 dB") << -53.0 << 135 << 76 << 11;
        QTest::newRow("+30 dB") << -43.0 << 135 << 86 << 12;
        QTest::newRow("S1 region") << -120.0 << 135 << 9 << 1;
        QTest::newRow("nothing") << -140.0 << 135 << 0 << 0;
    }
    void smeter() {
        QFETCH(double, dbm);
        QFETCH(int, einstellung);
        QFETCH(int, byte18);
        QFETCH(int, stufe);
        dsp->setEingangDbm(dbm);
        link->dspframe(67, einstellung);
        link->dspframe(52, 2);
        QVERIFY(sim->waitForFrames(2, 1000));
        const Telegramm t = aktuell();
        QCOMPARE(t.smeterbyte(), byte18);
        // The pattern is one the loader's table knows, and it counts the expected segments.
        QCOMPARE(smeterzahl(t.smetermuster()), stufe);
        QCOMPARE(dsp->smeterEinstellungen(), QList<int>{einstellung});
    }

    void zustaende_data() {
        QTest::addColumn<bool>("senden");
        QTest::addColumn<bool>("hang");
        QTest::addColumn<bool>("spike");
        QTest::newRow("receive") << false << false << false;
        QTest::newRow("receive, hang, spike") << false << true << true;
        QTest::newRow("transmit") << true << false << false;
    }
    void zustaende() {
        QFETCH(bool, senden);
        QFETCH(bool, hang);
        QFETCH(bool, spike);
        dsp->setSenden(senden);
        dsp->setHang(hang);
        dsp->setSpike(spike);
        dsp->setMikrofonpegel(50.0);
        dsp->setSignalpegel(60.0);
        link->dspframe(107, 5);
        link->dspframe(52, 2);
        QVERIFY(sim->waitForFrames(2, 1000));
        const Telegramm t = aktuell();
        TDspDaten d;
        dspdatenfuellen(d, t, Calcurve{});
        QCOMPARE(d.rx, !senden);
        QCOMPARE(d.hang, hang);
        QCOMPARE(d.spike, spike);
        QCOMPARE(d.ad603, 58);
        if (senden) {
            QCOMPARE(d.vogad, 10);
            QCOMPARE(pegel(d.wert0), 50);
        } else {
            // The AGC lifts the weak IF level (at DAC step 5) towards 62 dB in 2 dB steps.
            QVERIFY(pegel(d.wert2) < 30);
            QVERIFY2(qAbs(pegel(d.wert3) - 62) <= 1, qPrintable(QString::number(d.wert3)));
            QVERIFY(qAbs(pegel(d.wert3) - pegel(d.wert2) - 2 * d.agc) <= 1);
        }
    }

    void muell_data() {
        QTest::addColumn<int>("bytes");
        QTest::newRow("none") << 0;
        QTest::newRow("a few") << 3;
        QTest::newRow("more than a telegram") << 40;
    }
    void muell() {
        QFETCH(int, bytes);
        dsp->setMuell(bytes);
        dsp->setSignalpegel(70.0);
        link->dspframe(52, 2);
        QVERIFY(sim->waitForFrames(1, 1000));
        puffer.clear();
        sammeln(150);
        // The loader's ring still finds telegrams between the garbage and reads them right.
        // The bytes go in as a serial line delivers them, a few at a time.
        Empfangsring ring;
        ring.neustart();
        int gefunden = 0;
        for (qsizetype i = 0; i < puffer.size(); i += 7) {
            ring.aufnehmen(puffer.mid(i, 7));
            if (const std::optional<Telegramm> t = ring.telegrammsuchen()) {
                ++gefunden;
                QCOMPARE(pegel(t->pegelwort()), 70);
                QCOMPARE(t->dacstufe(), 63);
                QCOMPARE(t->smeterbyte(), 56);
            }
        }
        QVERIFY2(gefunden >= 5, qPrintable(QString::number(gefunden)));
    }

    void neustartDesDsp() {
        link->dspframe(21, 60);
        link->dspframe(107, 3);
        link->dspframe(52, 2);
        QVERIFY(sim->waitForFrames(3, 1000));
        QCOMPARE(dsp->parameter(21), 60);
        QCOMPARE(dsp->dacstufe(), 3);
        QVERIFY(dsp->streamAn());
        sim->setMode(SimTransceiver::Mode::DspLoader);
        QVERIFY(!dsp->streamAn());
        sim->setMode(SimTransceiver::Mode::RunningDsp);
        // A DSP freshly started knows nothing of what the last one was sent.
        QVERIFY(!dsp->streamAn());
        QCOMPARE(dsp->parameter(21), -1);
        QCOMPARE(dsp->dacstufe(), 63);
    }
};

QTEST_GUILESS_MAIN(TestSimDsp)
#include "tst_simdsp.moc"
