#include "link/portzugriff.h"

#include "link/modem.h"

#include <QCoreApplication>
#include <QFile>

#ifdef Q_OS_LINUX
#include <cerrno>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
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
Portfehler belegt(const QString& name) {
    return {Grund::Belegt, QCoreApplication::translate(
                               "vantrel", "Port %1 ist belegt: ein anderes Programm hat ihn offen")
                               .arg(anzeige(name))};
}
Portfehler berechtigung(const QString& name) {
    return {Grund::Berechtigung,
            hinweisText(anzeige(name), gruppe(Modem::systemPortName(name)), benutzer())};
}

} // namespace

QString gruppe(const QString& path) {
#ifdef Q_OS_LINUX
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    if (const group* g = ::getgrgid(st.st_gid))
        return QString::fromLocal8Bit(g->gr_name);
    return QString::number(st.st_gid);
#else
    Q_UNUSED(path);
    return {};
#endif
}

QString benutzer() {
#ifdef Q_OS_LINUX
    if (const passwd* p = ::getpwuid(::geteuid()))
        return QString::fromLocal8Bit(p->pw_name);
#endif
    return QString::fromLocal8Bit(qgetenv("USER"));
}

QString hinweisText(const QString& device, const QString& group, const QString& user) {
    if (group.isEmpty())
        return QCoreApplication::translate("vantrel", "Keine Berechtigung fuer %1").arg(device);
    const QString u = user.isEmpty() ? QStringLiteral("$USER") : user;
    return QCoreApplication::translate("vantrel",
                                       "Keine Berechtigung fuer %1: den Benutzer \"%2\" in die "
                                       "Gruppe \"%3\" aufnehmen (sudo usermod -aG %3 %2), dann "
                                       "ab- und wieder anmelden.")
        .arg(device, u, group);
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
        if (fd >= 0) {
            ::close(fd);
            return belegt(name);
        }
        if (e == EACCES || e == EPERM)
            return berechtigung(name);
        return belegt(name);
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
        return belegt(name);
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
