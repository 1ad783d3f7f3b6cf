// A port that will not open for want of permission: the hint names the group that owns the
// device file. The refusal is real: a child process gives up root and opens a pseudo-
// terminal whose owner, group and mode the test sets, as a user outside the group would.
#include "link/modem.h"
#include "link/portzugriff.h"
#include "sim/ptypair.h"

#include <QProcess>
#include <QTemporaryFile>
#include <QtTest>

#include <grp.h>
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

// Opens name with a Modem in a child that runs as nobody; what the child saw: "open" or
// the hint (empty when there was none), or "child failed".
QString openAsNobody(const QString& name) {
    int fds[2];
    if (::pipe(fds) != 0)
        return QStringLiteral("child failed");
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        QByteArray out = "child failed";
        if (::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0) {
            Modem modem;
            out = modem.openPort(name) ? QByteArray("open")
                                       : portzugriff::hinweis(modem, name).toUtf8();
            modem.closePort();
        }
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
    void initTestCase() {
        if (::geteuid() != 0)
            QSKIP("giving the port to another user needs root");
    }

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
        const QString group = statGroup(pty.slavePath());
        QVERIFY(!group.isEmpty());
        if (gid == 54321)
            QCOMPARE(group, QStringLiteral("54321"));
        QCOMPARE(seen, portzugriff::hinweisText(pty.slavePath(), group, "nobody"));
        QVERIFY(seen.contains("\"" + group + "\""));
        QVERIFY(seen.contains("usermod -aG " + group + " nobody"));
    }

    // Other failures are no question of permission: no hint.
    void noHint_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("no such device") << "/dev/talvaro-nicht-da";
        QTest::newRow("not a terminal") << "/dev/null";
    }
    void noHint() {
        QFETCH(QString, name);
        Modem modem;
        QVERIFY(!modem.openPort(name));
        QCOMPARE(portzugriff::hinweis(modem, name), QString());
    }

    void openPortHasNoHint() {
        PtyPair pty;
        Modem modem;
        QVERIFY(modem.openPort(pty.slavePath()));
        QCOMPARE(portzugriff::hinweis(modem, pty.slavePath()), QString());
    }

    // The group of a file as the system names it; nothing for a file that is not there.
    void groupOfFile() {
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
