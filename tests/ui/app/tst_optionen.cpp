// The options dialog as the main window runs it: what it shows, what "OK" writes and
// reopens, what "Abbruch" leaves alone, and the file and directory choosers.
#include "app/odlg.h"
#include "app/vantrel.h"
#include "link/link.h"
#include "sim/ptypair.h"
#include "testenv.h"
#include "windowground.h"

#include "geraetzugang.h"
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSerialPortInfo>
#include <QSpinBox>
#include <QTabWidget>
#include <QtTest>
#include <functional>
#include <memory>

namespace {
// Row number -> the settings entry it edits, in the dialog's row order.
TEinstellungen::Profile& entry(TEinstellungen& e, int row) {
    TEinstellungen::Profile* rows[] = {&e.veskpfad,
                                       &e.dspcodefilename,
                                       &e.filterfilename,
                                       &e.ad603filename,
                                       &e.parameterfilename,
                                       &e.xparameterfilename,
                                       &e.standardparameterfilename,
                                       &e.rxeqfilename,
                                       &e.txeqfilename,
                                       &e.scalfilename,
                                       &e.testfilename};
    return *rows[row - 1];
}
using Found = QMap<int, QString>;
} // namespace

class TestOptionen : public QObject, private WindowGround {
    Q_OBJECT

    std::unique_ptr<PtyPair> pty;
    std::unique_ptr<vantrel> w;

    void start(const QStringList& extra = {}) {
        pty = std::make_unique<PtyPair>();
        QVERIFY(pty->isValid());
        env->writeConfig(QStringList{QStringLiteral("rs232=") + pty->slavePath()} + extra);
        w = std::make_unique<vantrel>();
        QVERIFY(w->geraet()->rs232offen());
        dialogs->clear();
    }
    // Opens the dialog from its action, lets `fill` work on it while it runs modally, then
    // presses "OK" or "Abbruch". False when the dialog never ran.
    bool run(const std::function<void(odlg*)>& fill, bool ok) {
        odlg* d = w->optionsdialog();
        bool ran = false;
        QTimer::singleShot(0, d, [&] {
            ran = d->isVisible() && d->isModal();
            fill(d);
            QTest::mouseClick(ok ? d->okknopf() : d->abbruchknopf(), Qt::LeftButton);
        });
        w->findChild<QAction*>("optionAct")->trigger();
        return ran && !d->isVisible();
    }
    // Types as a user would, into the focused field, so completers and validators act.
    static void type(QLineEdit* e, const QString& text) {
        QApplication::setActiveWindow(e->window());
        e->setFocus(Qt::OtherFocusReason);
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Delete);
        QTest::keyClicks(e, text);
    }

private slots:
    void initTestCase() { beginCase(); }
    void cleanupTestCase() { endCase(); }
    void init() {
        dialogs->clear();
        dialogs->fileAnswers.clear();
        QDir(env->configDir()).removeRecursively();
    }
    void cleanup() {
        if (w)
            w->close();
        w.reset();
        pty.reset();
    }

    void pagesAndPortList() {
        start();
        odlg* d = w->optionsdialog();
        QCOMPARE(d->size(), QSize(560, 620));
        QCOMPARE(d->seiten()->count(), 4);
        const QStringList titles = {"Grunddaten", "Talvaro HW1", "Talvaro HW2", "Talvaro HW3"};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(d->seiten()->tabText(i), titles[i]);
        QComboBox* cb = d->schnittstelle();
        QVERIFY(cb->isEditable());
        QStringList system;
        for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
            if (!system.contains(info.portName()))
                system.append(info.portName());
        QCOMPARE(cb->count(), system.size() + 256);
        for (int i = 0; i < system.size(); ++i)
            QCOMPARE(cb->itemText(i), system[i]);
        for (int n = 1; n <= 256; ++n)
            QCOMPARE(cb->itemText(int(system.size()) + n - 1), QStringLiteral("COM%1").arg(n));
        for (QSpinBox* sb : {d->picdelay(), d->dspdelay(), d->paramdelay()}) {
            QCOMPARE(sb->minimum(), 0);
            QCOMPARE(sb->maximum(), 100);
        }
        // Filling twice does not grow the list.
        QVERIFY(run([](odlg*) {}, false));
        QVERIFY(run([](odlg*) {}, false));
        QCOMPARE(cb->count(), system.size() + 256);
    }

    // The list is fetched anew every second while the dialog is open; below the field stands
    // what the system knows of the port typed.
    void portListRefreshAndDetails() {
        start();
        auto* timer = w->optionsdialog()->findChild<QTimer*>("portlistetimer");
        QString info;
        QVERIFY(run(
            [&](odlg* d) {
                info = timer->isActive() ? d->findChild<QLabel*>("lportinfo")->text() : "timer off";
            },
            false));
        QVERIFY(!timer->isActive());
        QCOMPARE(info, QStringLiteral("Vom System nicht gemeldet"));
    }

    void dialogShowsTheWindowsValues() {
        start({QStringLiteral("veskpfad2=/srv/hw3"), QStringLiteral("scalfilename1=/a/s.dat"),
               QStringLiteral("testfilename=T9.dpk"), QStringLiteral("dsprs232writetime=7")});
        TEinstellungen shown;
        QVERIFY(run([&](odlg* d) { shown = d->getEinstellungen(); }, false));
        QVERIFY(shown == w->geraet()->einstellungen());
        odlg* d = w->optionsdialog();
        QCOMPARE(d->feld(2, 1)->text(), QStringLiteral("/srv/hw3"));
        QCOMPARE(d->feld(1, 10)->text(), QStringLiteral("/a/s.dat"));
        QCOMPARE(d->feld(0, 11)->text(), QStringLiteral("T9.dpk"));
        QCOMPARE(d->feld(0, 2)->text(), QStringLiteral("VESK2b1x.dpk"));
        QCOMPARE(d->dspdelay()->value(), 7);
        QCOMPARE(d->schnittstelle()->currentText(), pty->slavePath());
    }

    void portTypedByHandSurvivesOk_data() {
        QTest::addColumn<QString>("typed"); // empty: the configured name, untouched
        QTest::addColumn<bool>("opens");
        QTest::addColumn<QString>("reason"); // the box's second line
        QTest::newRow("configured name not in the list") << QString() << true << QString();
        QTest::newRow("lower case, no completion")
            << QStringLiteral("com7") << false << "Port com7 (/dev/com7) existiert nicht";
        QTest::newRow("prefix of list items")
            << QStringLiteral("COM") << false << "Port COM (/dev/COM) existiert nicht";
        QTest::newRow("trailing blank") << QStringLiteral("/dev/talvaro-none ") << false
                                        << "Port /dev/talvaro-none  existiert nicht";
        QTest::newRow("another pty") << QStringLiteral("<pty>") << true << QString();
    }
    void portTypedByHandSurvivesOk() {
        QFETCH(QString, typed);
        QFETCH(bool, opens);
        QFETCH(QString, reason);
        start();
        PtyPair other;
        if (typed == QStringLiteral("<pty>"))
            typed = other.slavePath();
        const QString expected = typed.isEmpty() ? pty->slavePath() : typed;
        QVERIFY(run(
            [&](odlg* d) {
                d->seiten()->setCurrentIndex(0);
                if (!typed.isEmpty())
                    type(d->schnittstelle()->lineEdit(), typed);
            },
            true));
        QCOMPARE(w->geraet()->einstellungen().rs232, expected);
        QVERIFY(env->readConfig().contains(QStringLiteral("rs232=") + expected));
        QCOMPARE(w->geraet()->rs232offen(), opens);
        if (opens) {
            QVERIFY(dialogs->boxes("about").isEmpty());
        } else {
            QCOMPARE(dialogs->boxes("about").size(), 1);
            QCOMPARE(dialogs->boxes("about").first().title, QStringLiteral("Einstellungen"));
            QCOMPARE(dialogs->boxes("about").first().text,
                     QStringLiteral("Die RS232 laesst sich nicht oeffnen!<br>") + reason);
        }
        // Shown again as it was typed.
        QString again;
        QVERIFY(run([&](odlg* d) { again = d->schnittstelle()->currentText(); }, false));
        QCOMPARE(again, expected);
    }

    void delaysKeptWithinTheDialogsRange_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("inFile");
        QTest::addColumn<int>("shownAndSaved");
        QTest::newRow("PIC 150") << "picrs232writetime" << 150 << 100;
        QTest::newRow("DSP 150") << "dsprs232writetime" << 150 << 100;
        QTest::newRow("parameters 100") << "paramrs232writetime" << 100 << 100;
        QTest::newRow("parameters negative") << "paramrs232writetime" << -4 << 0;
    }
    void delaysKeptWithinTheDialogsRange() {
        QFETCH(QString, key);
        QFETCH(int, inFile);
        QFETCH(int, shownAndSaved);
        start({key + QStringLiteral("=%1").arg(inFile)});
        int shown = -1;
        QVERIFY(run(
            [&](odlg* d) {
                QSpinBox* sb = key.startsWith("pic")   ? d->picdelay()
                               : key.startsWith("dsp") ? d->dspdelay()
                                                       : d->paramdelay();
                shown = sb->value();
            },
            true));
        QCOMPARE(shown, shownAndSaved);
        QVERIFY(env->readConfig().contains(key + QStringLiteral("=%1").arg(shownAndSaved)));
        const int inForce = key.startsWith("pic") ? GeraetZugang::link(*w->geraet())->picDelay()
                            : key.startsWith("dsp")
                                ? GeraetZugang::link(*w->geraet())->dspDelay()
                                : GeraetZugang::link(*w->geraet())->paramDelay();
        QCOMPARE(inForce, shownAndSaved);
    }

    void directoryFillsInWhatItHolds_data() {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<int>("page");
        QTest::addColumn<Found>("found"); // row -> file below the directory
        QTest::newRow("firmware, filters and RX curve")
            << QStringList{"VESK2b1x.dpk", "Filters/filters.dpk", "Filters/RxEQ.dat"} << 1
            << Found{{2, "VESK2b1x.dpk"}, {3, "Filters/filters.dpk"}, {8, "Filters/RxEQ.dat"}};
        const Found all{{2, "VESK2b1x.dpk"},        {3, "Filters/filters.dpk"},
                        {4, "Filters/AD603.dat"},   {5, "USER2B2.DPK"},
                        {6, "Filters/Xparams.dpk"}, {7, "standard.dpk"},
                        {8, "Filters/RxEQ.dat"},    {9, "Filters/TxEQ.dat"},
                        {10, "Filters/Scal.dat"},   {11, "Test05.dpk"}};
        QTest::newRow("the whole release") << QStringList(all.values()) << 3 << all;
        QTest::newRow("wrong folders and case")
            << QStringList{"filters.dpk", "Filters/VESK2b1x.dpk", "user2b2.dpk",
                           "Filters/TxEQ.dat/keine-datei"}
            << 2 << Found{};
    }
    void directoryFillsInWhatItHolds() {
        QFETCH(QStringList, files);
        QFETCH(int, page);
        QFETCH(Found, found);
        start();
        QTemporaryDir release;
        for (const QString& f : files) {
            const QString p = release.filePath(f);
            QDir().mkpath(QFileInfo(p).absolutePath());
            QFile out(p);
            QVERIFY(out.open(QIODevice::WriteOnly));
        }
        const int p = page - 1;
        const TEinstellungen before = w->geraet()->einstellungen();
        dialogs->fileAnswers = {release.path(), QStringLiteral("/x/gewaehlt.dpk")};
        QVERIFY(run(
            [&](odlg* d) {
                d->seiten()->setCurrentIndex(page);
                QTest::mouseClick(d->knopf(p, 1), Qt::LeftButton);
                // The file choosers now start in the chosen directory.
                QTest::mouseClick(d->knopf(p, 4), Qt::LeftButton);
            },
            true));
        QCOMPARE(dialogs->shown.size(), 2);
        QCOMPARE(dialogs->shown.at(0).kind, QStringLiteral("dir"));
        QCOMPARE(dialogs->shown.at(0).title, QStringLiteral("Verzeichnisauswahl"));
        QCOMPARE(dialogs->shown.at(0).text, before.veskpfad[p]);
        QCOMPARE(dialogs->shown.at(1).text, release.path());
        const QString root = QDir(release.path()).absolutePath();
        TEinstellungen expected = before;
        expected.veskpfad[p] = release.path();
        for (auto it = found.cbegin(); it != found.cend(); ++it)
            entry(expected, it.key())[p] = root + QLatin1Char('/') + it.value();
        expected.ad603filename[p] = QStringLiteral("/x/gewaehlt.dpk");
        TEinstellungen jetzt = w->geraet()->einstellungen();
        for (int q = 0; q < 3; ++q)
            for (int row = 1; row <= 11; ++row)
                QCOMPARE(entry(jetzt, row)[q], entry(expected, row)[q]);
        QVERIFY(w->geraet()->einstellungen() == expected);
    }

    void cancelledDirectoryChangesNothing() {
        start();
        const TEinstellungen before = w->geraet()->einstellungen();
        TEinstellungen after;
        QVERIFY(run(
            [&](odlg* d) {
                d->seiten()->setCurrentIndex(2);
                QTest::mouseClick(d->knopf(1, 1), Qt::LeftButton);
                QTest::mouseClick(d->knopf(1, 2), Qt::LeftButton);
                after = d->getEinstellungen();
            },
            false));
        QCOMPARE(dialogs->shown.size(), 2);
        QVERIFY(after == before);
    }

    void fileChoosers_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("title");
        const char* titles[] = {"Dateisauswahl",
                                "Dateisauswahl",
                                "Dateisauswahl",
                                "Dateisauswahl",
                                "Dateisauswahl",
                                "Dateisauswahl",
                                "Dateisauswahl RX-Equalizer",
                                "Dateisauswahl TX-Equalizer",
                                "Dateisauswahl",
                                "Dateisauswahl"};
        for (int row = 2; row <= 11; ++row)
            QTest::addRow("row %d", row) << row << QString::fromLatin1(titles[row - 2]);
    }
    void fileChoosers() {
        QFETCH(int, row);
        QFETCH(QString, title);
        start({QStringLiteral("veskpfad1=/srv/zwei")});
        const TEinstellungen before = w->geraet()->einstellungen();
        dialogs->fileAnswers = {QStringLiteral("/srv/zwei/neu.bin")};
        QVERIFY(run(
            [&](odlg* d) {
                d->seiten()->setCurrentIndex(2);
                QTest::mouseClick(d->knopf(1, row), Qt::LeftButton);
                // The second click is cancelled and must leave the row as chosen.
                QTest::mouseClick(d->knopf(1, row), Qt::LeftButton);
            },
            true));
        QCOMPARE(dialogs->boxes("open").size(), 2);
        QCOMPARE(dialogs->boxes("open").first().title, title);
        QCOMPARE(dialogs->boxes("open").first().text, QStringLiteral("/srv/zwei"));
        TEinstellungen expected = before;
        entry(expected, row)[1] = QStringLiteral("/srv/zwei/neu.bin");
        QVERIFY(w->geraet()->einstellungen() == expected);
    }

    void cancelChangesNothing() {
        start();
        const QByteArray fileBefore = fileBytes(env->configDir() + "/vantrel.cfg");
        const TEinstellungen before = w->geraet()->einstellungen();
        w->findChild<QAction*>("vesk2Act")->setText(QStringLiteral("verstellt"));
        QVERIFY(run(
            [&](odlg* d) {
                type(d->schnittstelle()->lineEdit(), QStringLiteral("COM9"));
                d->picdelay()->setValue(55);
                d->seiten()->setCurrentIndex(2);
                type(d->feld(1, 1), QStringLiteral("/neu/hw2"));
                type(d->feld(2, 8), QStringLiteral("neu.dat"));
            },
            false));
        QVERIFY(w->geraet()->einstellungen() == before);
        QCOMPARE(fileBytes(env->configDir() + "/vantrel.cfg"), fileBefore);
        QCOMPARE(w->findChild<QAction*>("vesk2Act")->text(), before.veskpfad[1]);
        QVERIFY(w->geraet()->rs232offen());
        QVERIFY(dialogs->shown.isEmpty());
        // The next opening shows the window's values again, on the page last in front.
        QString shownPath;
        int shownPage = -1;
        QVERIFY(run(
            [&](odlg* d) {
                shownPath = d->feld(1, 1)->text();
                shownPage = d->seiten()->currentIndex();
            },
            false));
        QCOMPARE(shownPath, before.veskpfad[1]);
        QCOMPARE(shownPage, 2);
    }

    void okWritesTheFileAndReopensThePort() {
        start();
        PtyPair other;
        QVERIFY(run(
            [&](odlg* d) {
                d->seiten()->setCurrentIndex(0);
                type(d->schnittstelle()->lineEdit(), other.slavePath());
                d->paramdelay()->setValue(3);
                d->seiten()->setCurrentIndex(2);
                type(d->feld(1, 1), QStringLiteral("/neu/hw2"));
            },
            true));
        const QStringList cfg = env->readConfig();
        QVERIFY(cfg.contains(QStringLiteral("rs232=") + other.slavePath()));
        QVERIFY(cfg.contains(QStringLiteral("paramrs232writetime=3")));
        QVERIFY(cfg.contains(QStringLiteral("veskpfad1=/neu/hw2")));
        QCOMPARE(w->findChild<QAction*>("vesk2Act")->text(), QStringLiteral("/neu/hw2"));
        QVERIFY(w->geraet()->rs232offen());
        QVERIFY(w->windowTitle().contains(other.slavePath()));
        QVERIFY(dialogs->shown.isEmpty());
        // Frames now go to the new port and nowhere else.
        pty->readAll();
        w->geraet()->befehl(1, 2);
        QByteArray got;
        QTRY_COMPARE_WITH_TIMEOUT((got += other.readAll(), got), QByteArray::fromHex("7E0102"),
                                  2000);
        QCOMPARE(pty->readAll(), QByteArray());
    }
};

QTEST_MAIN(TestOptionen)
#include "tst_optionen.moc"
