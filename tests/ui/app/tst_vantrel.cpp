// The main window frame: title, pages, geometry, profiles, the start-up port message and the
// close-down that writes the configuration.
#include "app/startup.h"
#include "app/vantrel.h"
#include "fensterteil.h"
#include "monitor/dspmonitor.h"
#include "sim/ptypair.h"
#include "testenv.h"
#include "windowground.h"

#include <QAction>
#include <QDir>
#include <QSerialPort>
#include <QSettings>
#include <QTabWidget>
#include <QTextEdit>
#include <QtTest>

#include <unistd.h>

class TestVantrel : public QObject, private WindowGround {
    Q_OBJECT

    void fresh() {
        QDir(env->configDir()).removeRecursively();
        TestEnv::clearSettings();
        dialogs->clear();
    }

private slots:
    void initTestCase() { beginCase(); }
    void cleanupTestCase() { endCase(); }
    void init() { fresh(); }

    void firstStartCreatesFolderAndWritesSortedFile() {
        QVERIFY(!QDir(env->configDir()).exists());
        {
            vantrel w;
            QVERIFY(QDir(env->configDir()).exists());
            QCOMPARE(QDir::currentPath(), QDir(env->configDir()).absolutePath());
            QVERIFY(w.findChild<QAction*>("vesk1Act")->isChecked());
            QVERIFY(!w.findChild<QAction*>("vesk2Act")->isChecked());
            QVERIFY(!w.findChild<QAction*>("vesk3Act")->isChecked());
            QCOMPARE(w.findChild<QAction*>("vesk2Act")->text(),
                     QStringLiteral("Pfad von SW fuer HW2"));
            w.close();
        }
        const QStringList lines = env->readConfig();
        QCOMPARE(lines.size(), 39);
        QCOMPARE(lines.first(), QStringLiteral("ad603filename1=AD603.dat"));
        QCOMPARE(lines.last(), QStringLiteral("xparameterfilename=Xparams.dpk"));
        QVERIFY(lines.contains(QStringLiteral("rs232=COM1")));
    }

    void titleWithOpenPort() {
        PtyPair pty;
        env->writeConfig({QStringLiteral("rs232=") + pty.slavePath()});
        vantrel w;
        QVERIFY(w.geraet()->rs232offen());
        QCOMPARE(w.windowTitle(), QStringLiteral("Talvaro-Loader - V1.18 - ") + pty.slavePath() +
                                      QStringLiteral(" - Pfad von SW fuer HW1"));
        QVERIFY(dialogs->shown.isEmpty());
        QVERIFY(w.geraet()->profilWaehlen(1));
        w.setAText(QStringLiteral("x"));
        QCOMPARE(w.windowTitle(),
                 QStringLiteral("Talvaro-Loader - V1.18 - x - Pfad von SW fuer HW2"));
        w.close();
    }

    // The start-up box and the log say which port did not open and why. For permission the
    // window starts as nobody (root passes every mode).
    void portThatDoesNotOpen_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("reason"); // %1: the configured name, %2: its group
        QTest::newRow("missing") << "/dev/talvaro-none"
                                 << "Port %1 existiert nicht";
        QTest::newRow("not serial") << "/dev/null"
                                    << "%1 ist kein serieller Port";
        QTest::newRow("busy") << "held"
                              << "Port %1 ist belegt: ein anderes Programm hat ihn offen";
        QTest::newRow("permission")
            << "nobody"
            << "Keine Berechtigung fuer %1: den Benutzer \"nobody\" in die Gruppe \"%2\" "
               "aufnehmen (sudo usermod -aG %2 nobody), dann ab- und wieder anmelden.";
    }
    void portThatDoesNotOpen() {
        QFETCH(QString, how);
        QFETCH(QString, reason);
        PtyPair pty;
        QSerialPort holder(pty.slavePath());
        const QString name = how.startsWith('/') ? how : pty.slavePath();
        QVERIFY(how != "held" || holder.open(QIODevice::ReadWrite));
        if (how == "nobody" && ::geteuid() != 0)
            QSKIP("starting the window as another user needs root");
        // The pty given to dialout, as a serial device is; nobody is outside that group.
        QVERIFY(how != "nobody" || ::chown(QFile::encodeName(name).constData(), 0, 20) == 0);
        QVERIFY(how != "nobody" ||
                QFile::setPermissions(name, QFile::ReadOwner | QFile::WriteOwner |
                                                QFile::ReadGroup | QFile::WriteGroup));
        env->writeConfig({QStringLiteral("rs232=") + name});
        // The configuration stays readable for nobody (whose group is still root's).
        for (const QString& p : {env->home(), env->configDir(), env->configDir() + "/vantrel.cfg"})
            QFile::setPermissions(p, QFile::permissions(p) | QFile::ReadGroup | QFile::ExeGroup |
                                         QFile::ReadOther | QFile::ExeOther);
        QVERIFY(how != "nobody" || ::seteuid(65534) == 0);
        vantrel w;
        QVERIFY(how != "nobody" || ::seteuid(0) == 0);
        QVERIFY(!w.geraet()->rs232offen());
        const QString text = reason.arg(name, QFileInfo(name).group());
        QCOMPARE(dialogs->shown.size(), 1);
        QCOMPARE(dialogs->shown.at(0).kind, QStringLiteral("about"));
        QCOMPARE(dialogs->shown.at(0).title, QStringLiteral("RS232 readSettings()"));
        QCOMPARE(dialogs->shown.at(0).text,
                 "Die RS232 ist nicht offen!<br>" + text.toHtmlEscaped());
        QCOMPARE(w.findChild<QTextEdit*>("log")->toPlainText(), text);
        QCOMPARE(w.windowTitle(),
                 QStringLiteral("Talvaro-Loader - V1.18 - ? - Pfad von SW fuer HW1"));
        w.close();
        // The configured name is written back as it was.
        QVERIFY(env->readConfig().contains(QStringLiteral("rs232=") + name));
    }

    void sixPagesInOrder() {
        env->writeConfig({QStringLiteral("rs232=/dev/talvaro-none")});
        vantrel w;
        QCOMPARE(teil<QTabWidget>(w, "tabs")->count(), 6);
        const QStringList titles = {
            "DSP-Firmware", "DSP-Parameter",           "RX-Equalizer",
            "TX-Equalizer", "ZF-Kalibrierung (AD603)", "S-Meter-Kalibrierung"};
        for (int i = 0; i < 6; ++i)
            QCOMPARE(teil<QTabWidget>(w, "tabs")->tabText(i), titles.at(i));
        w.close();
    }

    void firstStartGeometry() {
        env->writeConfig({QStringLiteral("rs232=/dev/talvaro-none")});
        vantrel w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.pos(), QPoint(200, 200));
        QVERIFY(w.width() >= 600);
        QVERIFY(w.height() >= 480);
        QCOMPARE(w.dspmonitor()->pos(), QPoint(50, 50));
        QCOMPARE(w.dspmonitor()->size(), QSize(530, 540));
        // At the first start every control of every page lies inside its parent, whole.
        QTabWidget* tabs = teil<QTabWidget>(w, "tabs");
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            QWidget* seite = tabs->widget(i);
            for (QWidget* c : seite->findChildren<QWidget*>()) {
                if (!c->isVisibleTo(seite) || c->isWindow())
                    continue;
                QVERIFY2(c->parentWidget()->rect().contains(c->geometry()),
                         qPrintable(c->objectName()));
            }
        }
        const QSize groesser = w.size() + QSize(40, 30);
        w.resize(groesser);
        w.close();
        QSettings s(QStringLiteral("vantrel"), QStringLiteral("AFU"));
        QCOMPARE(s.value(QStringLiteral("size")).toSize(), groesser);
    }

    void monitorSizeFloor_data() {
        QTest::addColumn<QSize>("stored");
        QTest::addColumn<QSize>("restored");
        QTest::newRow("both too small") << QSize(300, 100) << QSize(530, 290);
        QTest::newRow("height too small") << QSize(800, 100) << QSize(800, 290);
        QTest::newRow("large enough") << QSize(640, 400) << QSize(640, 400);
    }
    void monitorSizeFloor() {
        QFETCH(QSize, stored);
        QFETCH(QSize, restored);
        {
            QSettings s(QStringLiteral("vantrel"), QStringLiteral("AFU"));
            s.setValue(QStringLiteral("monisize"), stored);
        }
        env->writeConfig({QStringLiteral("rs232=/dev/talvaro-none")});
        vantrel w;
        QCOMPARE(w.dspmonitor()->size(), restored);
        w.close();
    }

    void translationArgumentRule_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("expected");
        QTest::newRow("none") << QStringList{"prog"} << QString();
        QTest::newRow("first") << QStringList{"prog", "de.qm"} << "de.qm";
        QTest::newRow("first and second") << QStringList{"prog", "a.qm", "b.qm"} << "b.qm";
        QTest::newRow("second only") << QStringList{"prog", "-x", "b.qm"} << "b.qm";
        QTest::newRow("third ignored") << QStringList{"prog", "-x", "-y", "c.qm"} << QString();
        QTest::newRow("not qm") << QStringList{"prog", "--self-test"} << QString();
    }
    void translationArgumentRule() {
        QFETCH(QStringList, args);
        QFETCH(QString, expected);
        QCOMPARE(translationArgument(args), expected);
    }

    void profileSelection() {
        PtyPair pty;
        env->writeConfig(
            {QStringLiteral("rs232=") + pty.slavePath(), QStringLiteral("veskpfad2=/radio/hw3")});
        vantrel w;
        QCOMPARE(w.findChild<QAction*>("vesk3Act")->text(), QStringLiteral("/radio/hw3"));
        w.findChild<QAction*>("vesk3Act")->trigger();
        QCOMPARE(w.geraet()->profil(), 2);
        QVERIFY(!w.findChild<QAction*>("vesk1Act")->isChecked());
        QVERIFY(!w.findChild<QAction*>("vesk2Act")->isChecked());
        QVERIFY(w.findChild<QAction*>("vesk3Act")->isChecked());
        QCOMPARE(w.windowTitle(), QStringLiteral("Talvaro-Loader - V1.18 - ") + pty.slavePath() +
                                      QStringLiteral(" - /radio/hw3"));
        // The same profile again keeps it checked (a triggered checkable action toggles).
        w.findChild<QAction*>("vesk3Act")->trigger();
        QVERIFY(w.findChild<QAction*>("vesk3Act")->isChecked());
        QCOMPARE(w.geraet()->profil(), 2);
        w.close();
        QVERIFY(env->readConfig().contains(QStringLiteral("vesknr=2")));
    }

    void aboutBox() {
        env->writeConfig({QStringLiteral("rs232=/dev/talvaro-none")});
        vantrel w;
        dialogs->clear();
        w.findChild<QAction*>("aboutAct")->trigger();
        QCOMPARE(dialogs->shown.size(), 1);
        QCOMPARE(dialogs->shown.at(0).title, QStringLiteral("Talvaro-Loader"));
        QVERIFY(
            dialogs->shown.at(0).text.endsWith(QStringLiteral("<br><br> V1.18 vom 17.11.2014")));
        QVERIFY(dialogs->shown.at(0).text.startsWith(
            QStringLiteral("<b>Diese Applikation dient der Aufbereitung<br>")));
        w.close();
    }

    void closeSendsTelegramsOffWhenOpen() {
        PtyPair pty;
        env->writeConfig({QStringLiteral("rs232=") + pty.slavePath()});
        {
            vantrel w;
            w.close();
        }
        QByteArray got;
        for (int i = 0; i < 100 && got.size() < 3; ++i) {
            QTest::qWait(5);
            got += pty.readAll();
        }
        QCOMPARE(got, QByteArray("\x7e\x34\x01", 3));
    }

    void unwritableConfigIsReported() {
        env->writeConfig({QStringLiteral("rs232=/dev/talvaro-none")});
        vantrel w;
        dialogs->clear();
        // A folder where the file should be: the write cannot succeed.
        QFile::remove(env->configDir() + QStringLiteral("/vantrel.cfg"));
        QVERIFY(QDir(env->configDir()).mkdir(QStringLiteral("vantrel.cfg")));
        w.close();
        QCOMPARE(dialogs->boxes(QStringLiteral("critical")).size(), 1);
        QCOMPARE(dialogs->boxes(QStringLiteral("critical")).at(0).title,
                 QStringLiteral("Speichern fehlgeschlagen!"));
        QDir(env->configDir() + QStringLiteral("/vantrel.cfg")).removeRecursively();
    }

    // A configuration that is there but cannot be read: the start says why it runs on the
    // defaults, and after the close the file is as it was, also when a setting changed and
    // the person keeps it nowhere ("Nein"). One that can be read keeps its mode.
    void unreadableConfigStaysAsItWas_data() {
        QTest::addColumn<QString>("art");
        QTest::addColumn<QString>("grund"); // in the box at start; empty: none
        QTest::newRow("too large") << "gross"
                                   << "ist groesser als 16 MiB";
        QTest::newRow("a folder") << "ordner"
                                  << "ist keine Datei";
        QTest::newRow("no permission") << "0200"
                                       << "kann nicht gelesen werden";
        QTest::newRow("read-only, readable") << "0444"
                                             << "";
    }
    void unreadableConfigStaysAsItWas() {
        QFETCH(QString, art);
        QFETCH(QString, grund);
        if (art == "0200" && ::geteuid() == 0)
            QSKIP("root reads a file of mode 0200");
        const QString pfad = env->configDir() + QStringLiteral("/vantrel.cfg");
        const QByteArray vorher =
            "rs232=/dev/talvaro-none\n" + QByteArray(art == "gross" ? 16 * 1024 * 1024 : 0, '#');
        env->writeConfig({});
        QFile f(pfad);
        QVERIFY(art == "ordner" ? f.remove() && QDir().mkdir(pfad)
                                : f.open(QIODevice::WriteOnly) && f.write(vorher) == vorher.size());
        f.close();
        if (art.startsWith('0'))
            QVERIFY(f.setPermissions(art == "0444" ? QFile::ReadOwner | QFile::ReadOther
                                                   : QFile::WriteOwner));
        const QFile::Permissions modus = QFileInfo(pfad).permissions();
        {
            vantrel w;
            const QList<ShownBox> boxen = dialogs->boxes(QStringLiteral("critical"));
            QCOMPARE(boxen.size(), grund.isEmpty() ? 0 : 1);
            QVERIFY(grund.isEmpty() || boxen.at(0).text.contains(grund));
            w.auswahlvesk2();
            dialogs->clear();
            w.close();
            QCOMPARE(dialogs->titles(),
                     grund.isEmpty() ? QStringList() : QStringList{"Einstellungen speichern"});
        }
        QCOMPARE(QFileInfo(pfad).permissions(), modus);
        if (art == "ordner")
            QVERIFY(QDir(pfad).removeRecursively());
        else if (grund.isEmpty())
            QVERIFY(env->readConfig().contains(QStringLiteral("vesknr=1")));
        else
            QVERIFY(f.setPermissions(QFile::ReadOwner | QFile::WriteOwner) &&
                    fileBytes(pfad) == vorher);
    }
};

QTEST_MAIN(TestVantrel)
#include "tst_vantrel.moc"
