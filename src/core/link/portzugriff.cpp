#include "link/portzugriff.h"

#include "link/modem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

#ifdef Q_OS_LINUX
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#endif

namespace portzugriff {

namespace {

// The name as configured, and the device behind it where that differs ("COM1 (/dev/ttyS0)").
QString anzeige(const QString& name) {
    const QString device = Modem::systemPortName(name);
    if (device == name)
        return name;
    return QStringLiteral("%1 (%2)").arg(name, device);
}

Portfehler fehlt(const QString& name) {
    return {Grund::Fehlt,
            QCoreApplication::translate("vantrel", "Port %1 existiert nicht").arg(anzeige(name))};
}
Portfehler keinSerieller(const QString& name) {
    return {
        Grund::KeinSerieller,
        QCoreApplication::translate("vantrel", "%1 ist kein serieller Port").arg(anzeige(name))};
}
Portfehler belegt(const QString& name, const QList<Halter>& halter) {
    // A holder that cannot be seen is another user's process: the programs known to grab
    // adapters run as root, and /proc shows their names to everyone.
    return {Grund::Belegt,
            belegtText(anzeige(name), halter, halter.isEmpty() ? greifer() : QList<Halter>{})};
}
Portfehler berechtigung(const QString& name) {
    return {Grund::Berechtigung,
            hinweisText(anzeige(name), rechte(Modem::systemPortName(name)), benutzer())};
}

#ifdef Q_OS_LINUX

// A small file of /proc, whole; empty when it cannot be read (the process is gone, or it is
// another user's).
QByteArray lies(const QByteArray& path) {
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {};
    QByteArray out;
    char buf[1024];
    ssize_t n;
    while (out.size() < 16384 && (n = ::read(fd, buf, sizeof buf)) > 0)
        out.append(buf, n);
    ::close(fd);
    return out;
}

QByteArray procPfad(qint64 pid, const char* rest) {
    return QByteArrayLiteral("/proc/") + QByteArray::number(pid) + rest;
}

QString programm(qint64 pid) {
    return QString::fromLocal8Bit(lies(procPfad(pid, "/comm"))).trimmed();
}

// The fields of /proc/PID/stat after the name (which may hold blanks and parentheses):
// state, ppid, pgrp, session, tty_nr, ...
QList<QByteArray> statFelder(qint64 pid) {
    const QByteArray s = lies(procPfad(pid, "/stat"));
    const qsizetype zu = s.lastIndexOf(')');
    if (zu < 0)
        return {};
    return s.mid(zu + 2).split(' ');
}

// The processes that started this one, up to the first.
QSet<qint64> vorfahren() {
    QSet<qint64> v;
    qint64 pid = ::getppid();
    while (pid > 0 && !v.contains(pid)) {
        v.insert(pid);
        const QList<QByteArray> f = statFelder(pid);
        pid = f.size() > 1 ? f.at(1).toLongLong() : 0;
    }
    return v;
}

// A serial port with hardware behind it (ttyS, ttyUSB, ttyACM, ...): a terminal that sysfs
// places below a real device. Pseudo-terminals have no entry there; the virtual consoles,
// /dev/tty and /dev/console sit below devices/virtual; /dev/null is no terminal.
bool echterSerieller(dev_t rdev) {
    const QByteArray link = QByteArrayLiteral("/sys/dev/char/") + QByteArray::number(major(rdev)) +
                            ':' + QByteArray::number(minor(rdev));
    char ziel[PATH_MAX];
    const ssize_t n = ::readlink(link.constData(), ziel, sizeof ziel - 1);
    if (n <= 0)
        return false;
    const QByteArray z(ziel, n);
    return z.contains("/tty/") && !z.contains("/devices/virtual/");
}

// The number of /dev/pts/N; -1 for another device.
long ptyNummer(dev_t rdev) {
    const unsigned ma = major(rdev);
    if (ma < 136 || ma > 143)
        return -1;
    return long(ma - 136) * 256 + long(minor(rdev));
}

// The device number as /proc/PID/stat shows a controlling terminal.
long long ttyNr(dev_t rdev) {
    const unsigned long long ma = major(rdev);
    const unsigned long long mi = minor(rdev);
    return (long long)((mi & 0xff) | (ma << 8) | ((mi & ~0xffull) << 12));
}

// Which pseudo-terminal a descriptor of the master side (ptmx) belongs to; -1 unknown.
long ptmxNummer(const QByteArray& fdinfo) {
    for (const QByteArray& zeile : lies(fdinfo).split('\n'))
        if (zeile.startsWith("tty-index:"))
            return zeile.mid(10).trimmed().toLong();
    return -1;
}

QList<Halter> halterOhne(dev_t rdev, qint64 self, const QSet<qint64>& ausser) {
    const long pty = ptyNummer(rdev);
    const long long ctty = ttyNr(rdev);
    QList<Halter> vorn;
    QList<Halter> hinten;
    DIR* proc = ::opendir("/proc");
    if (!proc)
        return {};
    while (const dirent* e = ::readdir(proc)) {
        bool zahl = false;
        const qint64 pid = QByteArray(e->d_name).toLongLong(&zahl);
        if (!zahl || pid <= 0 || pid == self || ausser.contains(pid))
            continue;
        bool offen = false;
        bool master = false;
        const QList<QByteArray> felder = statFelder(pid);
        if (felder.size() > 4 && felder.at(4).toLongLong() == ctty)
            offen = true;
        const QByteArray fdOrdner = procPfad(pid, "/fd/");
        DIR* fds = ::opendir(fdOrdner.constData());
        while (fds) {
            const dirent* f = ::readdir(fds);
            if (!f)
                break;
            if (f->d_name[0] == '.')
                continue;
            const QByteArray link = fdOrdner + f->d_name;
            char ziel[PATH_MAX];
            const ssize_t n = ::readlink(link.constData(), ziel, sizeof ziel - 1);
            // Devices only: a stat() of a file on a stuck network or FUSE mount could hang.
            if (n <= 5 || std::strncmp(ziel, "/dev/", 5) != 0)
                continue;
            ziel[n] = 0;
            if (pty >= 0 && QByteArray(ziel, n).endsWith("ptmx")) {
                master = master || ptmxNummer(procPfad(pid, "/fdinfo/") + f->d_name) == pty;
                continue;
            }
            struct stat st {};
            if (::stat(link.constData(), &st) == 0 && S_ISCHR(st.st_mode) && st.st_rdev == rdev)
                offen = true;
        }
        if (fds)
            ::closedir(fds);
        if (offen)
            (master ? hinten : vorn).append({pid, programm(pid)});
    }
    ::closedir(proc);
    return vorn + hinten;
}

// The lock file names QSerialPort and the serial tools use: LCK.. and the name below /dev
// with '/' as '_' ("LCK..ttyUSB0", "LCK..serial_by-id_usb-..."), in the usual folders.
QList<qint64> sperrer(const QString& path) {
    static const char* const ordner[] = {"/var/lock",         "/etc/locks", "/var/spool/locks",
                                         "/var/spool/uucp",   "/tmp",       "/var/tmp",
                                         "/var/lock/lockdev", "/run/lock"};
    QStringList namen;
    for (QString n : {path, QFileInfo(path).canonicalFilePath()}) {
        if (n.isEmpty())
            continue;
        if (n.startsWith(QLatin1String("/dev/")))
            n = n.mid(5);
        n.replace(QLatin1Char('/'), QLatin1Char('_'));
        n.prepend(QLatin1String("LCK.."));
        if (!namen.contains(n))
            namen << n;
    }
    QList<qint64> pids;
    for (const char* o : ordner) {
        for (const QString& n : std::as_const(namen)) {
            const QByteArray inhalt = lies(QByteArray(o) + '/' + QFile::encodeName(n)).simplified();
            bool zahl = false;
            const qint64 pid = inhalt.split(' ').value(0).toLongLong(&zahl);
            // Alive, even when it is another user's (EPERM); a stale file holds nothing.
            if (zahl && pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno == EPERM) &&
                !pids.contains(pid))
                pids << pid;
        }
    }
    return pids;
}

#endif

} // namespace

QList<Halter> halter(quint64 rdev) {
#ifdef Q_OS_LINUX
    return halterOhne(dev_t(rdev), ::getpid(), vorfahren());
#else
    Q_UNUSED(rdev);
    return {};
#endif
}

Belegung belegung(const QString& path, int fd) {
    Belegung b;
#ifdef Q_OS_LINUX
    const QByteArray device = QFile::encodeName(path);
    struct stat st {};
    if (::stat(device.constData(), &st) != 0 || !S_ISCHR(st.st_mode))
        return b;
    int eigen = -1;
    if (fd < 0) {
        fd = eigen = ::open(device.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        // A user other than root cannot open a port in exclusive mode at all.
        if (fd < 0 && errno == EBUSY)
            b.belegt = true;
    }
    int exklusiv = 0;
    if (fd >= 0 && ::ioctl(fd, TIOCGEXCL, &exklusiv) == 0 && exklusiv)
        b.belegt = true;
    if (eigen >= 0)
        ::close(eigen);

    const qint64 self = ::getpid();
    const QSet<qint64> ausser = vorfahren();
    for (const qint64 pid : sperrer(path)) {
        b.belegt = true;
        if (pid != self && !ausser.contains(pid))
            b.halter.append({pid, programm(pid)});
    }
    // A pseudo-terminal is open on its other side too (the simulated set, a test's peer), and
    // often on ours as well to keep the line up: that alone holds nothing.
    const bool seriell = echterSerieller(st.st_rdev);
    if (!seriell && !b.belegt)
        return b;
    const QList<Halter> offen = halterOhne(st.st_rdev, self, ausser);
    if (seriell && !offen.isEmpty())
        b.belegt = true;
    if (!b.belegt)
        return b;
    for (const Halter& h : offen) {
        bool schonDa = false;
        for (const Halter& g : std::as_const(b.halter))
            schonDa = schonDa || g.pid == h.pid;
        if (!schonDa)
            b.halter.append(h);
    }
#else
    Q_UNUSED(path);
    Q_UNUSED(fd);
#endif
    return b;
}

QList<Halter> greifer() {
    QList<Halter> laufend;
#ifdef Q_OS_LINUX
    DIR* proc = ::opendir("/proc");
    if (!proc)
        return laufend;
    while (const dirent* e = ::readdir(proc)) {
        char* ende = nullptr;
        const long pid = std::strtol(e->d_name, &ende, 10);
        if (pid <= 0 || *ende != '\0')
            continue;
        const QString name = programm(pid);
        if (name == QLatin1String("ModemManager") || name == QLatin1String("brltty"))
            laufend.append({pid, name});
    }
    ::closedir(proc);
    std::sort(laufend.begin(), laufend.end(),
              [](const Halter& a, const Halter& b) { return a.pid < b.pid; });
#endif
    return laufend;
}

QString adapterAnleitung() {
    // Installed beside the program (share/doc of its prefix), else the tree it was built from.
    const QString installiert =
        QFileInfo(QCoreApplication::applicationDirPath() +
                  QStringLiteral("/../share/doc/talvaro-loader/adapters.md"))
            .absoluteFilePath();
    if (QFileInfo::exists(installiert))
        return QDir::cleanPath(installiert);
#ifdef TALVARO_ADAPTERS_MD
    if (QFileInfo::exists(QStringLiteral(TALVARO_ADAPTERS_MD)))
        return QStringLiteral(TALVARO_ADAPTERS_MD);
#endif
    return QStringLiteral("/usr/share/doc/talvaro-loader/adapters.md");
}

QString belegtText(const QString& port, const QList<Halter>& halter,
                   const QList<Halter>& vermutet) {
    QStringList namen;
    bool modemManager = false;
    bool brltty = false;
    const QList<Halter>& genannt = halter.isEmpty() ? vermutet : halter;
    for (const Halter& h : genannt) {
        namen << QStringLiteral("%1 (PID %2)")
                     .arg(h.programm.isEmpty() ? QStringLiteral("?") : h.programm)
                     .arg(h.pid);
        modemManager = modemManager || h.programm == QLatin1String("ModemManager");
        brltty = brltty || h.programm == QLatin1String("brltty");
    }
    QString text;
    if (halter.isEmpty() && vermutet.isEmpty())
        text = QCoreApplication::translate("vantrel",
                                           "Port %1 ist belegt: ein anderes Programm hat ihn offen")
                   .arg(port);
    else if (halter.isEmpty())
        text = QCoreApplication::translate(
                   "vantrel", "Port %1 ist belegt: das Programm, das ihn offen hat, gehoert einem "
                              "anderen Benutzer; es laeuft %2, wahrscheinlich ist es das")
                   .arg(port, namen.join(QStringLiteral(", ")));
    else if (halter.size() == 1)
        text = QCoreApplication::translate("vantrel", "Port %1 ist belegt: %2 hat ihn offen")
                   .arg(port, namen.first());
    else
        text = QCoreApplication::translate("vantrel", "Port %1 ist belegt: %2 haben ihn offen")
                   .arg(port, namen.join(QStringLiteral(", ")));
    if (modemManager)
        text += QLatin1Char('\n') +
                QCoreApplication::translate(
                    "vantrel",
                    "ModemManager prueft neue USB-Adapter mit AT-Befehlen; eine udev-Regel mit "
                    "ENV{ID_MM_DEVICE_IGNORE}=\"1\" fuer den Adapter haelt ihn fern (oder sudo "
                    "systemctl disable --now ModemManager, wenn kein Modem gebraucht wird; "
                    "siehe %1).")
                    .arg(adapterAnleitung());
    if (brltty)
        text += QLatin1Char('\n') +
                QCoreApplication::translate(
                    "vantrel",
                    "brltty nimmt manche USB-Adapter (CH340, CP210x) fuer eine Braillezeile; "
                    "ohne Braillezeile haelt sudo apt remove brltty ihn fern, sonst seine "
                    "udev-Regel fuer diesen Adapter abschalten (siehe %1).")
                    .arg(adapterAnleitung());
    return text;
}

std::optional<Dateirechte> rechte(const QString& path) {
#ifdef Q_OS_LINUX
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return std::nullopt;
    Dateirechte r;
    r.mode = unsigned(st.st_mode & 07777);
    r.uid = unsigned(st.st_uid);
    r.gid = unsigned(st.st_gid);
    if (const group* g = ::getgrgid(st.st_gid))
        r.gruppe = QString::fromLocal8Bit(g->gr_name);
    else
        r.gruppe = QString::number(st.st_gid);
    return r;
#else
    Q_UNUSED(path);
    return std::nullopt;
#endif
}

QString gruppe(const QString& path) {
    const std::optional<Dateirechte> r = rechte(path);
    return r ? r->gruppe : QString();
}

QString benutzer() {
#ifdef Q_OS_LINUX
    if (const passwd* p = ::getpwuid(::geteuid()))
        return QString::fromLocal8Bit(p->pw_name);
#endif
    return QString::fromLocal8Bit(qgetenv("USER"));
}

QString hinweisText(const QString& device, const std::optional<Dateirechte>& rechte,
                    const QString& user) {
    const QString satz =
        QCoreApplication::translate("vantrel", "Keine Berechtigung fuer %1").arg(device);
    // Everyone may read and write it: the refusal comes from elsewhere (a folder, a policy),
    // and no group would help.
    if (!rechte || (rechte->mode & 0006) == 0006)
        return satz;
    const QString u = user.isEmpty() ? QStringLiteral("$USER") : user;
    // Joining root's group would hand over far more than a serial port.
    if ((rechte->mode & 0060) == 0060 && rechte->gid != 0)
        return QCoreApplication::translate("vantrel",
                                           "Keine Berechtigung fuer %1: den Benutzer \"%2\" in "
                                           "die Gruppe \"%3\" aufnehmen (sudo usermod -aG %3 "
                                           "%2), dann ab- und wieder anmelden.")
            .arg(device, u, rechte->gruppe);
    return QCoreApplication::translate(
               "vantrel",
               "Keine Berechtigung fuer %1 (Modus %2, Gruppe \"%3\"): keine Gruppe, der man "
               "beitreten kann, darf ihn lesen und schreiben. Abhilfe: eine udev-Regel, die den "
               "Adapter der Gruppe \"dialout\" gibt (GROUP=\"dialout\", MODE=\"0660\"; ein "
               "Beispiel steht in %5), dann den Benutzer \"%4\" in "
               "diese Gruppe aufnehmen (sudo usermod -aG dialout %4) und ab- und wieder "
               "anmelden.")
        .arg(device, QStringLiteral("%1").arg(rechte->mode & 07777, 4, 8, QLatin1Char('0')),
             rechte->gruppe, u, adapterAnleitung());
}

Portfehler diagnose(const QString& name, QSerialPort::SerialPortError fehler,
                    const QString& fehlertext) {
    if (fehler == QSerialPort::NoError)
        return {};
#ifdef Q_OS_LINUX
    const QByteArray device = QFile::encodeName(Modem::systemPortName(name));
    struct stat st {};
    if (::stat(device.constData(), &st) != 0) {
        // A folder on the way the user may not enter hides the device as well as a mode.
        if (errno == EACCES)
            return berechtigung(name);
        return fehlt(name);
    }
    if (!S_ISCHR(st.st_mode))
        return keinSerieller(name);
    switch (fehler) {
    case QSerialPort::DeviceNotFoundError:
        // The node is there, the device behind it is not (an adapter gone, ENODEV).
        return fehlt(name);
    case QSerialPort::UnsupportedOperationError:
        // A character device without terminal settings, such as /dev/null.
        return keinSerieller(name);
    case QSerialPort::PermissionError: {
        // Either the mode refuses this user, or another program holds the port: by its lock
        // file (then this open succeeds) or exclusively (EBUSY). The port is held by someone
        // else or not ours at all, so opening it here changes nothing on the line.
        const int fd = ::open(device.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        const int e = errno;
        if (fd < 0 && (e == EACCES || e == EPERM))
            return berechtigung(name);
        const Belegung b = belegung(QFile::decodeName(device), fd);
        if (fd >= 0)
            ::close(fd);
        return belegt(name, b.halter);
    }
    default:
        break;
    }
#else
    // Windows reports a port that another program holds as access denied.
    switch (fehler) {
    case QSerialPort::DeviceNotFoundError:
        return fehlt(name);
    case QSerialPort::PermissionError:
        return belegt(name, {});
    case QSerialPort::UnsupportedOperationError:
        return keinSerieller(name);
    default:
        break;
    }
#endif
    return {Grund::Sonstiges,
            QCoreApplication::translate("vantrel", "Port %1 laesst sich nicht oeffnen: %2")
                .arg(anzeige(name), fehlertext)};
}

Portfehler diagnose(const Modem& modem, const QString& name) {
    // Refused before the serial port was touched.
    if (modem.belegung().belegt)
        return belegt(name, modem.belegung().halter);
    const QSerialPort* port = modem.port();
    if (!port)
        return diagnose(name, QSerialPort::DeviceNotFoundError, QString());
    return diagnose(name, port->error(), port->errorString());
}

QString schluessel(Grund grund) {
    switch (grund) {
    case Grund::Keiner:
        return {};
    case Grund::Fehlt:
        return QStringLiteral("missing");
    case Grund::KeinSerieller:
        return QStringLiteral("not-serial");
    case Grund::Berechtigung:
        return QStringLiteral("permission");
    case Grund::Belegt:
        return QStringLiteral("busy");
    case Grund::Sonstiges:
        break;
    }
    return QStringLiteral("other");
}

} // namespace portzugriff
