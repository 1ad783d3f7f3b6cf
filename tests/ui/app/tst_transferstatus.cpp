// The status bar beside every progress dialog: bytes done of all, the rate and the time left
// from the pace the line is configured to, and a summary at the end. The expected figures
// were worked out by hand: a byte costs its delay plus 11 bits at 9600 baud (1.146 ms).
#include "app/userdialogs.h"
#include "app/vantrel.h"
#include "link/link.h"
#include "link/progress.h"
#include "sim/ptypair.h"
#include "testenv.h"
#include "windowground.h"

#include "geraetzugang.h"
#include <QMainWindow>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStatusBar>
#include <QtTest>

class TestTransferStatus : public QObject, private WindowGround {
    Q_OBJECT

private slots:
    void initTestCase() { beginCase(); }
    void cleanupTestCase() { endCase(); }
    void init() {
        dialogs->clear();
        dialogs->cancelAt.clear();
    }

    // Before anything moved, the figures come from the pace of the last byte written.
    void expectedPace_data() {
        QTest::addColumn<QString>("sender"); // "", "dsp", "pic", "param"
        QTest::addColumn<int>("pic");
        QTest::addColumn<int>("dsp");
        QTest::addColumn<int>("total");
        QTest::addColumn<QString>("want");
        QTest::newRow("nothing written yet: the line")
            << "" << 10 << 2 << 65536 << "0 von 65536 Bytes, 873 Bytes/s, Noch 1:16";
        QTest::newRow("DSP loader at 2 ms")
            << "dsp" << 10 << 2 << 1088 << "0 von 1088 Bytes, 318 Bytes/s, Noch 0:04";
        QTest::newRow("DSP loader at 7 ms")
            << "dsp" << 10 << 7 << 20000 << "0 von 20000 Bytes, 123 Bytes/s, Noch 2:43";
        QTest::newRow("PIC at 10 ms")
            << "pic" << 10 << 2 << 65536 << "0 von 65536 Bytes, 90 Bytes/s, Noch 12:11";
        QTest::newRow("PIC at 0 ms")
            << "pic" << 0 << 2 << 944 << "0 von 944 Bytes, 873 Bytes/s, Noch 0:02";
    }
    void expectedPace() {
        QFETCH(QString, sender);
        QFETCH(int, pic);
        QFETCH(int, dsp);
        QFETCH(int, total);
        QFETCH(QString, want);
        PtyPair pty;
        env->writeConfig({"rs232=" + pty.slavePath()});
        vantrel w;
        QVERIFY(w.geraet()->rs232offen());
        GeraetZugang::link(*w.geraet())->setDelays(pic, dsp, 0);
        if (sender == "dsp")
            GeraetZugang::link(*w.geraet())->sendedsp(0x24);
        else if (sender == "pic")
            GeraetZugang::link(*w.geraet())->sendepic(0x23);
        auto p = UserDialogs::current().progress(&w, "DSP-FW Laden", "Abbrechen", 0, total);
        QCOMPARE(w.statusBar()->currentMessage(), want);
        p->finish();
    }

    // The end: a summary that says how it ended; a short run of frames leaves the status bar
    // as it was.
    void summary_data() {
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("cancelAt");
        QTest::addColumn<int>("last");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("done") << 0 << 1088 << -1 << 1088
                              << "^Fertig: 1088 von 1088 Bytes in 0:0[01]$";
        QTest::newRow("cancelled") << 0 << 65535 << 1000 << 1000
                                   << "^Abgebrochen nach 1000 von 65535 Bytes \\(0:0[01]\\)$";
        QTest::newRow("parameter frames") << 10 << 99 << -1 << 99 << "^Bereit$";
        QTest::newRow("equalizer bands") << 0 << 31 << -1 << 31 << "^Bereit$";
    }
    void summary() {
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(int, cancelAt);
        QFETCH(int, last);
        QFETCH(QString, pattern);
        QMainWindow w;
        w.statusBar()->showMessage("Bereit");
        dialogs->cancelAt << cancelAt;
        auto p = UserDialogs::current().progress(&w, "Label", "Abbrechen", minimum, maximum);
        QSignalSpy canceled(p.get(), &Progress::canceled);
        for (int v = minimum; v <= last; ++v) {
            p->setValue(v);
            if (p->wasCanceled())
                break;
        }
        QCOMPARE(canceled.size(), cancelAt >= 0 ? 1 : 0);
        // The dialog behind got every value and kept its label.
        QCOMPARE(dialogs->progressLastValue.last(), last);
        QCOMPARE(dialogs->progressLabels.last(), QStringLiteral("Label"));
        p->finish();
        const QString m = w.statusBar()->currentMessage();
        QVERIFY2(QRegularExpression(pattern).match(m).hasMatch(), qPrintable(m));
    }

    // A transfer that waits for the set says so instead of counting down.
    void waiting() {
        QMainWindow w;
        auto p = UserDialogs::current().progress(&w, "ExEeprom in Datei Speichern", "Abbrechen", 0,
                                                 65535);
        QTRY_COMPARE_WITH_TIMEOUT(w.statusBar()->currentMessage(),
                                  QStringLiteral("0 von 65535 Bytes, wartet auf den Talvaro"),
                                  4000);
        // Moving again, it counts down again.
        p->setValue(10);
        QTRY_VERIFY(w.statusBar()->currentMessage().contains(", Noch "));
        // Gone without finish (a return on the way): no figures of a transfer that is over.
        p.reset();
        QCOMPARE(w.statusBar()->currentMessage(), QString());
    }
};

QTEST_MAIN(TestTransferStatus)
#include "tst_transferstatus.moc"
