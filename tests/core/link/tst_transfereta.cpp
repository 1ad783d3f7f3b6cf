// The figures beside a running transfer: the time left from the configured pace at first,
// then from the measured rate; a transfer that waits has no time left to tell, and the wait
// does not spoil the rate once it moves again.
#include "link/transfereta.h"

#include <QtTest>

using Samples = QList<QPair<qint64, qint64>>; // (ms, value)
Q_DECLARE_METATYPE(Samples)

// Steps at a steady pace: n samples from t0, one every dt ms, step per sample.
static Samples steady(qint64 t0, qint64 v0, int n, qint64 dt, qint64 step) {
    Samples s;
    for (int i = 0; i <= n; ++i)
        s.append({t0 + i * dt, v0 + i * step});
    return s;
}

class TestTransferEta : public QObject {
    Q_OBJECT
private slots:
    void duration_data() {
        QTest::addColumn<qint64>("ms");
        QTest::addColumn<QString>("text");
        QTest::newRow("nothing") << qint64(0) << "0:00";
        QTest::newRow("a little is a second") << qint64(1) << "0:01";
        QTest::newRow("one second") << qint64(1000) << "0:01";
        QTest::newRow("just over") << qint64(1001) << "0:02";
        QTest::newRow("2:31") << qint64(151000) << "2:31";
        QTest::newRow("below an hour") << qint64(3599000) << "59:59";
        QTest::newRow("an hour") << qint64(3600000) << "1:00:00";
        QTest::newRow("hours") << qint64(3725000) << "1:02:05";
        QTest::newRow("unknown") << qint64(-1) << "-:--";
    }
    void duration() {
        QFETCH(qint64, ms);
        QFETCH(QString, text);
        QCOMPARE(TransferEta::formatDuration(ms), text);
    }

    // remaining: expected ms left at time now, with a relative tolerance.
    void remaining_data() {
        QTest::addColumn<qint64>("total");
        QTest::addColumn<double>("expectedMs");
        QTest::addColumn<Samples>("samples");
        QTest::addColumn<qint64>("now");
        QTest::addColumn<qint64>("remaining");
        QTest::addColumn<double>("tolerance");

        // 65536 bytes at the default DSP pace, 2 ms plus 1.146 ms on the line.
        QTest::newRow("configured pace before anything moved")
            << qint64(65536) << 3.146 << Samples{{0, 0}} << qint64(0) << qint64(65536 * 3.146)
            << 0.001;
        // 1 step per 2 ms for 5 s; the configuration said 10 ms: the measurement rules.
        QTest::newRow("measured pace outweighs the configured one")
            << qint64(10000) << 10.0 << steady(0, 0, 50, 100, 50) << qint64(5000)
            << qint64((10000 - 2500) * 2) << 0.01;
        // After 1 s, half of each: 0.5 * 2 ms + 0.5 * 10 ms = 6 ms per step.
        QTest::newRow("half way into the settling")
            << qint64(10000) << 10.0 << steady(0, 0, 10, 100, 50) << qint64(1000)
            << qint64((10000 - 500) * 6) << 0.01;
        // Nothing configured: the measured 500 steps/s alone.
        QTest::newRow("no expectation, measured")
            << qint64(2000) << 0.0 << steady(0, 0, 10, 100, 50) << qint64(1000)
            << qint64((2000 - 500) * 2) << 0.01;
        // The rate is the last 3 s: a slow start (10/s for 10 s) is forgotten once the
        // transfer runs at 100/s.
        Samples slowFast = steady(0, 0, 10, 1000, 10);
        slowFast += steady(10100, 110, 50, 100, 10);
        QTest::newRow("window forgets the slow start")
            << qint64(5000) << 0.0 << slowFast << qint64(15100) << qint64((5000 - 610) * 10)
            << 0.05;
        // The set waited 20 s for its key, then 100 steps/s for 1 s: the wait is no part of
        // the rate, so about 9.9 s are left for the 990 steps to go.
        Samples waited{{0, 0}, {20000, 1}};
        waited += steady(20010, 1, 99, 10, 1).mid(1);
        QTest::newRow("a wait before the data does not slow the rate")
            << qint64(1000) << 0.0 << waited << qint64(21000) << qint64(900 * 10) << 0.05;
        QTest::newRow("done") << qint64(100) << 5.0 << Samples{{0, 0}, {500, 100}} << qint64(600)
                              << qint64(0) << 0.0;
        QTest::newRow("beyond the end is done")
            << qint64(100) << 5.0 << Samples{{0, 0}, {500, 120}} << qint64(600) << qint64(0) << 0.0;
        QTest::newRow("nothing to go by")
            << qint64(100) << 0.0 << Samples{{0, 0}} << qint64(100) << qint64(-1) << 0.0;
        QTest::newRow("stalled for 2 s") << qint64(1000) << 2.0 << Samples{{0, 0}, {100, 50}}
                                         << qint64(2100) << qint64(-1) << 0.0;
        // Just short of the stall the rate is what the window saw: 50 steps in 2.099 s.
        QTest::newRow("not yet stalled, slowed down")
            << qint64(1000) << 2.0 << Samples{{0, 0}, {100, 50}} << qint64(2099)
            << qint64(950 * 2099 / 50) << 0.01;
        // The value went back: a new transfer on the same display, measured afresh.
        Samples again = steady(0, 0, 10, 100, 100);
        again += steady(5000, 0, 10, 100, 10);
        QTest::newRow("value back to the start measures afresh")
            << qint64(1000) << 0.0 << again << qint64(6000) << qint64(900 * 10) << 0.01;
    }
    void remaining() {
        QFETCH(qint64, total);
        QFETCH(double, expectedMs);
        QFETCH(Samples, samples);
        QFETCH(qint64, now);
        QFETCH(qint64, remaining);
        QFETCH(double, tolerance);
        TransferEta eta(total, expectedMs);
        for (const auto& [t, v] : samples)
            eta.sample(v, t);
        const qint64 got = eta.remainingMs(now);
        if (remaining <= 0) {
            QCOMPARE(got, remaining);
            return;
        }
        QVERIFY2(qAbs(double(got - remaining)) <= tolerance * double(remaining) + 1.0,
                 qPrintable(QStringLiteral("%1 ms left, expected %2").arg(got).arg(remaining)));
    }

    void rateAndStall() {
        TransferEta eta(10000, 0.0);
        for (const auto& [t, v] : steady(0, 0, 30, 100, 25))
            eta.sample(v, t);
        QCOMPARE(qRound(eta.measuredRate(3000)), 250);
        QCOMPARE(qRound(eta.rate(3000)), 250);
        QVERIFY(!eta.stalled(3000));
        QVERIFY(eta.stalled(5000));
        QCOMPARE(eta.measuredRate(5000), 0.0);
        QCOMPARE(eta.rate(5000), 0.0);
        QCOMPARE(eta.done(), qint64(750));
        // Repeating the same value is no progress and does not move the stall.
        eta.sample(750, 4000);
        QVERIFY(eta.stalled(5000));
    }
};

QTEST_GUILESS_MAIN(TestTransferEta)
#include "tst_transfereta.moc"
