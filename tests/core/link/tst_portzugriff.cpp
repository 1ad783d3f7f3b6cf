// Why a port will not open: missing, no serial device, no permission (the hint names the
// group that owns the device file), or held by another program. The refusals are real: for
// permission and for a port held exclusively, a child process gives up root and opens a
// pseudo-terminal whose owner, group and mode the test sets, as a user outside the group
// would (root passes both checks).
#include "link/modem.h"
#include "link/portzugriff.h"
#include "sim/ptypair.h"

#include <QProcess>
#include <QTemporaryFile>
#include <QtTest>

#include <fcntl.h>
#include <grp.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

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
        QCOMPARE(seen, QStringLiteral("permission Keine Berechtigung fuer %1: den Benutzer "
                                      "\"nobody\" in die Gruppe \"%2\" aufnehmen (sudo usermod "
                                      "-aG %2 nobody), dann ab- und wieder anmelden.")
                           .arg(pty.slavePath(), group));
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
