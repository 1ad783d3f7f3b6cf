#include "link/portzugriff.h"

#include "link/modem.h"

#include <QCoreApplication>
#include <QFile>
#include <QSerialPort>

#ifdef Q_OS_LINUX
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace portzugriff {

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
    const QString u = user.isEmpty() ? QStringLiteral("$USER") : user;
    return QCoreApplication::translate("vantrel",
                                       "Keine Berechtigung fuer %1: den Benutzer \"%2\" in die "
                                       "Gruppe \"%3\" aufnehmen (sudo usermod -aG %3 %2), dann "
                                       "ab- und wieder anmelden.")
        .arg(device, u, group);
}

QString hinweis(const Modem& modem, const QString& name) {
#ifdef Q_OS_LINUX
    const QSerialPort* port = modem.port();
    if (!port || port->isOpen() || port->error() != QSerialPort::PermissionError)
        return {};
    const QString device = Modem::systemPortName(name);
    const QString group = gruppe(device);
    if (group.isEmpty())
        return {};
    return hinweisText(device, group, benutzer());
#else
    Q_UNUSED(modem);
    Q_UNUSED(name);
    return {};
#endif
}

} // namespace portzugriff
