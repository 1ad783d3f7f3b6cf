// Why a port will not open: missing, no serial device, no permission (the hint names a group
// that may use the device, or a udev rule), or held by another program, which is named. The
// refusals are real: for permission and for a port held exclusively, a child process gives up
// root and opens a pseudo-terminal whose owner, group and mode the test sets, as a user
// outside the group would (root passes the mode; a held port is refused to root as well).
#include "link/modem.h"
#include "link/portzugriff.h"
#include "sim/ptypair.h"
#include "testenv.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <grp.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

Q_DECLARE_METATYPE(portzugriff::Halter)

namespace {
constexpr uid_t kNobody = 65534;

QString stat(const QString& format, const QString& path) {
    QProcess p;
    p.start(QStringLiteral("stat"), {QStringLiteral("-c"), format, path});
    p.waitForFinished();
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

// The group of the file as the system's own tool names it; its number when it has no name.
QString statGroup(const QString& path) {
    const QString name = stat(QStringLiteral("%G"), path);
    return name == QLatin1String("UNKNOWN") ? stat(QStringLiteral("%g"), path) : name;
}

// What a Modem that opens name reports: "open", or the reason's key and text.
QString seen(const QString& name) {
    Modem modem;
    if (modem.openPort(name))
        return QStringLiteral("open");
    const portzugriff::Portfehler f = portzugriff::diagnose(modem, name);
    return portzugriff::schluessel(f.grund) + QLatin1Char(' ') + f.text;
}

// The same, in a child that runs as nobody; "child failed" when it could not.
QString openAsNobody(const QString& name) {
    int fds[2];
    if (::pipe(fds) != 0)
        return QStringLiteral("child failed");
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        QByteArray out = "child failed";
        if (::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0)
            out = seen(name).toUtf8();
        (void)!::write(fds[1], out.constData(), size_t(out.size()));
        ::_exit(0);
    }
    ::close(fds[1]);
    QByteArray got;
    char buf[512];
    ssize_t n;
    while ((n = ::read(fds[0], buf, sizeof buf)) > 0)
        got.append(buf, n);
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return QString::fromUtf8(got);
}
} // namespace

class TestPortzugriff : public QObject {
    Q_OBJECT
private slots:
    void refusedOpen_data() {
        QTest::addColumn<int>("gid");
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("opens");
        QTest::newRow("dialout, group only") << 20 << 0660 << false;
        QTest::newRow("uucp, group only") << 10 << 0660 << false;
        QTest::newRow("tty, as a pts is") << 5 << 0620 << false;
        // A group without a name shows its number.
        QTest::newRow("group without a name") << 54321 << 0660 << false;
        QTest::newRow("open to everyone") << 20 << 0666 << true;
    }
    void refusedOpen() {
        QFETCH(int, gid);
        QFETCH(int, mode);
        QFETCH(bool, opens);
        if (::geteuid() != 0)
            QSKIP("giving the port to another user needs root");
        PtyPair pty;
        QVERIFY(pty.isValid());
        const QByteArray path = QFile::encodeName(pty.slavePath());
        QCOMPARE(::chown(path.constData(), 0, gid_t(gid)), 0);
        QCOMPARE(::chmod(path.constData(), mode_t(mode)), 0);

        const QString seen = openAsNobody(pty.slavePath());
        if (opens) {
            QCOMPARE(seen, QStringLiteral("open"));
            return;
        }
        QVERIFY2(seen.startsWith("permission "), qPrintable(seen));
        const QString group = statGroup(pty.slavePath());
        QVERIFY(!group.isEmpty());
        if (gid == 54321)
            QCOMPARE(group, QStringLiteral("54321"));
        QVERIFY(seen.startsWith("permission Keine Berechtigung fuer " + pty.slavePath()));
        QVERIFY(seen.contains("\"" + group + "\""));
        // The group of a pts may only write: joining it would not help.
        QCOMPARE(seen.contains("usermod -aG " + group + " nobody"), mode != 0620);
    }

    // The advice from the device's mode and group alone (root passes every mode).
    void advice_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("gid");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("expected");
        const QString join = "Keine Berechtigung fuer ttyUSB0: den Benutzer \"anna\" in die Gruppe "
                             "\"%1\" aufnehmen (sudo usermod -aG %1 anna), dann ab- und wieder "
                             "anmelden.";
        const QString udev =
            "Keine Berechtigung fuer ttyUSB0 (Modus %1, Gruppe \"%2\"): keine Gruppe, der man "
            "beitreten kann, darf ihn lesen und schreiben. Abhilfe: eine udev-Regel, die den "
            "Adapter der Gruppe \"dialout\" gibt (GROUP=\"dialout\", MODE=\"0660\"; ein Beispiel "
            "steht in " +
            portzugriff::adapterAnleitung() +
            "), dann den Benutzer \"anna\" in "
            "diese Gruppe aufnehmen (sudo usermod -aG dialout anna) und ab- und wieder anmelden.";
        const QString only = "Keine Berechtigung fuer ttyUSB0";
        QTest::newRow("600 root:root") << 0600 << 0 << "root" << udev.arg("0600", "root");
        QTest::newRow("660 root:root") << 0660 << 0 << "root" << udev.arg("0660", "root");
        QTest::newRow("660 root:dialout") << 0660 << 20 << "dialout" << join.arg("dialout");
        QTest::newRow("620 root:tty") << 0620 << 5 << "tty" << udev.arg("0620", "tty");
        QTest::newRow("666, refused elsewhere") << 0666 << 20 << "dialout" << only;
        QTest::newRow("rights unknown") << -1 << 0 << "" << only;
    }
    void advice() {
        QFETCH(int, mode);
        QFETCH(int, gid);
        QFETCH(QString, group);
        QFETCH(QString, expected);
        std::optional<portzugriff::Dateirechte> r;
        if (mode >= 0)
            r = portzugriff::Dateirechte{unsigned(mode), 0, unsigned(gid), group};
        QCOMPARE(portzugriff::hinweisText("ttyUSB0", r, "anna"), expected);
    }

    // A holder that cannot be seen (another user's process): a running program known to
    // grab adapters is named as the likely one, with its advice; one that can be seen wins.
    void unseenHolder_data() {
        QTest::addColumn<QList<portzugriff::Halter>>("halter");
        QTest::addColumn<QList<portzugriff::Halter>>("vermutet");
        QTest::addColumn<QStringList>("named");
        QTest::addColumn<QStringList>("notNamed");
        using H = QList<portzugriff::Halter>;
        QTest::newRow("nothing known") << H{} << H{} << QStringList{"ein anderes Programm"}
                                       << QStringList{"PID", "ID_MM_DEVICE_IGNORE"};
        QTest::newRow("ModemManager running")
            << H{} << H{{812, "ModemManager"}}
            << QStringList{"ModemManager (PID 812)", "anderen Benutzer", "ID_MM_DEVICE_IGNORE",
                           portzugriff::adapterAnleitung()}
            << QStringList{"apt remove brltty"};
        QTest::newRow("brltty and ModemManager running")
            << H{} << H{{812, "ModemManager"}, {913, "brltty"}}
            << QStringList{"ModemManager (PID 812), brltty (PID 913)", "ID_MM_DEVICE_IGNORE",
                           "apt remove brltty"}
            << QStringList{};
        QTest::newRow("a holder seen") << H{{4711, "minicom"}} << H{{812, "ModemManager"}}
                                       << QStringList{"minicom (PID 4711) hat ihn offen"}
                                       << QStringList{"ModemManager", "anderen Benutzer"};
    }
    void unseenHolder() {
        QFETCH(QList<portzugriff::Halter>, halter);
        QFETCH(QList<portzugriff::Halter>, vermutet);
        QFETCH(QStringList, named);
        QFETCH(QStringList, notNamed);
        const QString text = portzugriff::belegtText("ttyUSB0", halter, vermutet);
        for (const QString& n : named)
            QVERIFY2(text.contains(n), qPrintable(text));
        for (const QString& n : notNamed)
            QVERIFY2(!text.contains(n), qPrintable(text));
    }

    // A port held in exclusive mode is refused for root as well, and the text names the
    // holder by its process; the same device under a second name counts as held too.
    void heldPort_data() {
        QTest::addColumn<QString>("holder"); // "ModemManager": a program; "link": our own Modem
        QTest::addColumn<bool>("asNobody");
        QTest::newRow("ModemManager, as root") << "ModemManager" << false;
        QTest::newRow("ModemManager, as a user") << "ModemManager" << true;
        QTest::newRow("a second name, as root") << "link" << false;
        QTest::newRow("a second name, as a user") << "link" << true;
    }
    void heldPort() {
        QFETCH(QString, holder);
        QFETCH(bool, asNobody);
        if (::geteuid() != 0)
            QSKIP("holding and opening the port as other users needs root");
        PtyPair pty;
        const QByteArray path = QFile::encodeName(pty.slavePath());
        QCOMPARE(::chmod(path.constData(), 0666), 0);
        QTemporaryDir dir;
        QCOMPARE(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
        QVERIFY(QFile::link(pty.slavePath(), dir.filePath("talvaro")));
        const QString opened = holder == "link" ? dir.filePath("talvaro") : pty.slavePath();

        int fd = -1;
        pid_t child = -1;
        Modem own;
        QString expected;
        if (holder == "link") {
            QVERIFY(own.openPort(pty.slavePath()));
            fd = int(own.port()->handle());
            // Our own process (or, for the child, the one that started it) is not named.
            expected = "busy Port %1 ist belegt: ein anderes Programm hat ihn offen";
        } else {
            // A program whose name is ModemManager, with the port as its standard input and
            // in exclusive mode; the same user as the opener, so /proc shows its descriptors.
            const QString exe = dir.filePath("ModemManager");
            QVERIFY(QFile::copy("/bin/sleep", exe));
            fd = ::open(path.constData(), O_RDWR | O_NOCTTY);
            QCOMPARE(::ioctl(fd, TIOCEXCL), 0);
            child = ::fork();
            if (child == 0) {
                ::dup2(fd, 0);
                if (asNobody && (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 ||
                                 ::setuid(kNobody) != 0))
                    ::_exit(99);
                ::execl(QFile::encodeName(exe).constData(), "ModemManager", "60", nullptr);
                ::_exit(98);
            }
            QTRY_COMPARE(fileBytes(QStringLiteral("/proc/%1/comm").arg(child)), "ModemManager\n");
            expected = "busy Port %1 ist belegt: ModemManager (PID " + QString::number(child) +
                       ") hat ihn offen\nModemManager prueft neue USB-Adapter";
        }
        const QString got = asNobody ? openAsNobody(opened) : seen(opened);
        int exclusive = 0;
        QCOMPARE(::ioctl(fd, TIOCGEXCL, &exclusive), 0);
        if (child > 0) {
            ::kill(child, SIGTERM);
            ::waitpid(child, nullptr, 0);
            ::close(fd);
        }
        QCOMPARE(got.left(expected.arg(opened).size()), expected.arg(opened));
        QCOMPARE(got.contains("ENV{ID_MM_DEVICE_IGNORE}=\"1\""), holder == "ModemManager");
        // Nothing went into the holder's line, and its exclusive mode is still on.
        QCOMPARE(pty.readAll(), QByteArray());
        QCOMPARE(exclusive, 1);
    }

    // Reasons beyond those the window and talvaro-cli show for their ports.
    void reasons_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("expected"); // %1: the path opened
        QTest::newRow("COM name") << "COM250"
                                  << "missing Port %1 (/dev/ttyS249) existiert nicht";
        QTest::newRow("held exclusively, opened as a user")
            << "excl"
            << "busy Port %1 ist belegt: ein anderes Programm hat ihn offen";
        QTest::newRow("a free pty opens") << "free"
                                          << "open";
    }
    void reasons() {
        QFETCH(QString, how);
        QFETCH(QString, expected);
        PtyPair pty;
        const QString path = how == "COM250" ? how : pty.slavePath();
        int held = -1;
        if (how == "excl") {
            if (::geteuid() != 0)
                QSKIP("opening as another user needs root");
            QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0666), 0);
            held = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY);
            QCOMPARE(::ioctl(held, TIOCEXCL), 0);
        }
        const QString got = how == "excl" ? openAsNobody(path) : seen(path);
        ::close(held);
        QCOMPARE(got, expected.contains("%1") ? expected.arg(path) : expected);
    }

    // The group of a file as the system names it; nothing for a file that is not there.
    void groupOfFile() {
        if (::geteuid() != 0)
            QSKIP("giving a file to a group needs root");
        QTemporaryFile f;
        QVERIFY(f.open());
        for (gid_t gid : {gid_t(0), gid_t(5), gid_t(20)}) {
            QCOMPARE(::chown(QFile::encodeName(f.fileName()).constData(), 0, gid), 0);
            QCOMPARE(portzugriff::gruppe(f.fileName()), statGroup(f.fileName()));
        }
        QCOMPARE(portzugriff::gruppe("/dev/talvaro-nicht-da"), QString());
    }
};

QTEST_GUILESS_MAIN(TestPortzugriff)
#include "tst_portzugriff.moc"
