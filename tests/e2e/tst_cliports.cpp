// talvaro-cli and the ports: "ports --json" lists what the system reports, and a port that
// will not open is named with its reason, then that list. For permission the program runs as
// nobody (root passes every mode).
#include "clitest.h"
#include "sim/ptypair.h"

#include <QJsonArray>
#include <QSerialPort>
#include <QSerialPortInfo>
#include <QtTest>

#include <grp.h>
#include <unistd.h>

class TestCliPorts : public QObject {
    Q_OBJECT
    TestEnv env;

    static QStringList names() {
        QStringList n;
        for (const QSerialPortInfo& i : QSerialPortInfo::availablePorts())
            if (!i.portName().isEmpty() && !n.contains(i.portName()))
                n << i.portName();
        return n;
    }

private slots:
    void listAsJson() {
        const CliRun r = runCli({"ports", "--json"});
        QCOMPARE(r.exitCode, 0);
        const QJsonArray a = QJsonDocument::fromJson(r.out).array();
        // The system's own list, each name once.
        QCOMPARE(a.size(), names().size());
        for (qsizetype k = 0; k < a.size(); ++k) {
            QCOMPARE(a.at(k).toObject().keys(),
                     QStringList({"description", "manufacturer", "name", "pid", "serial", "vid"}));
            QCOMPARE(a.at(k)["name"].toString(), names().at(k));
        }
    }

    void portThatDoesNotOpen_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("reason"); // %1: the port, %2: its group
        QTest::newRow("missing") << "none"
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
        QString port = how.startsWith('/') ? how : pty.slavePath();
        QProcess p;
        if (how == "none")
            port = "/dev/talvaro-none";
        if (how == "held")
            QVERIFY(holder.open(QIODevice::ReadWrite));
        if (how == "nobody") {
            if (::geteuid() != 0)
                QSKIP("running the program as another user needs root");
            // The pty given to dialout, as a serial device is; nobody is outside that group.
            QCOMPARE(::chown(QFile::encodeName(port).constData(), 0, 20), 0);
            QVERIFY(QFile::setPermissions(port, QFile::ReadOwner | QFile::WriteOwner |
                                                    QFile::ReadGroup | QFile::WriteGroup));
            p.setChildProcessModifier([] {
                if (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0)
                    ::_exit(99);
            });
        }
        p.start(TALVARO_CLI_PATH, {"--port", port, "command", "1", "1"});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 1);
        const QStringList err = QString::fromLocal8Bit(p.readAllStandardError()).split('\n');
        const QString text = reason.arg(port, QFileInfo(port).group());
        const qsizetype at = err.indexOf("Die RS232 ist nicht offen! " + text);
        QVERIFY2(at >= 0, qPrintable(err.join('\n')));
        // Then the ports the system reports, each line led by its name.
        const QStringList n = names();
        QCOMPARE(err.value(at + 1), n.isEmpty() ? "Das System meldet keine seriellen Ports."
                                                : "Das System meldet diese seriellen Ports:");
        for (qsizetype k = 0; k < n.size(); ++k)
            QCOMPARE(err.value(at + 2 + k).section("  ", 0, 1), "  " + n.at(k));
    }
};

QTEST_GUILESS_MAIN(TestCliPorts)
#include "tst_cliports.moc"
