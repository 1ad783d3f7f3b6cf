// The line in the window: a port behind a symbolic link whose set goes away ("?" at once,
// whatever is done next) and comes back on another pseudo-terminal (the port opens by itself
// and the next command goes out without a restart); "Neu verbinden" and why it failed.
#include "app/vantrel.h"
#include "link/leitungswache.h"
#include "sim/simtransceiver.h"
#include "windowground.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolBar>
#include <QtTest>
#include <memory>

class TestLeitung : public QObject, private WindowGround {
    Q_OBJECT

    static QString portInTitle(const vantrel& w) {
        const QStringList teile = w.windowTitle().split(QStringLiteral(" - "));
        return teile.value(2);
    }
    static QString lastLogLine(const vantrel& w) {
        return w.findChild<QTextEdit*>("log")->toPlainText().section('\n', -1);
    }

private slots:
    void initTestCase() { beginCase(); }
    void cleanupTestCase() { endCase(); }

    void setGoesAndComesBack() {
        QTemporaryDir dir;
        const QString link = dir.filePath("talvaro");
        auto sim = std::make_unique<SimTransceiver>();
        QVERIFY(sim->isValid());
        QVERIFY(QFile::link(sim->portPath(), link));
        env->writeConfig({"rs232=" + link});
        vantrel w;
        QVERIFY(w.geraet()->rs232offen());
        QCOMPARE(portInTitle(w), link);
        // Tests do not wait a second between the attempts.
        w.geraet()->setWiederverbinden(true, 20);
        auto* neu = w.findChild<QAction*>("neuverbindenAct");
        QVERIFY(neu->associatedObjects().contains(w.findChild<QToolBar*>("filetoolbar")));

        sim->hangUp();
        QTRY_VERIFY(!w.geraet()->rs232offen());
        QCOMPARE(portInTitle(w), "?");
        QCOMPARE(lastLogLine(w), "Die Verbindung ueber " + link +
                                     " ist unterbrochen; der Port wird jede Sekunde neu versucht.");
        // Another profile does not bring the old name back.
        w.findChild<QAction*>("vesk2Act")->trigger();
        QCOMPARE(portInTitle(w), "?");
        // The set's name goes with it, as a udev link does when the adapter is pulled (a
        // link left on the old pty could meet another program's pty under that number).
        QVERIFY(QFile::remove(link));
        sim.reset();

        // By hand, while the link leads nowhere: the box says why.
        dialogs->clear();
        neu->trigger();
        QCOMPARE(dialogs->titles(), QStringList{"Neu verbinden"});
        QCOMPARE(dialogs->shown.at(0).text,
                 "Die RS232 laesst sich nicht oeffnen!<br>Port " + link + " existiert nicht");

        // The set is back on another pseudo-terminal: the port opens by itself.
        sim = std::make_unique<SimTransceiver>();
        QVERIFY(QFile::link(sim->portPath(), link));
        QTRY_VERIFY(w.geraet()->rs232offen());
        QCOMPARE(portInTitle(w), link);
        QCOMPARE(lastLogLine(w), "Die RS232 " + link + " ist wieder offen.");
        QCOMPARE(dialogs->shown.size(), 1);

        w.findChild<QLineEdit*>("ebefehlnr")->setText("52");
        w.findChild<QLineEdit*>("ebefehlwert")->setText("2");
        QTest::mouseClick(w.findChild<QPushButton*>("bdspbefehl"), Qt::LeftButton);
        QVERIFY(sim->waitForFrames(1, 2000));
        QCOMPARE(sim->framePairs(), (QList<std::pair<int, int>>{{52, 2}}));

        w.close();
    }
};

QTEST_MAIN(TestLeitung)
#include "tst_leitung.moc"
