// talvaro-cli: the loader's transfers and file operations from the command line, for
// scripts and headless PCs, with a serial trace when a transfer fails.
#include "clirun.h"
#include "commands.h"
#include "interrupt.h"
#include "options.h"
#include "output.h"

#include <QCoreApplication>
#include <QJsonObject>
#include <QLocale>
#include <QTranslator>

#include <cstdio>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

// Bytes that are no UTF-8 as \xNN, the rest as it is.
QString unlesbar(const QByteArray& roh) {
    QString s;
    for (const char c : roh) {
        const auto b = uchar(c);
        s += b >= 0x20 && b < 0x7F ? QString(QLatin1Char(c))
                                   : QStringLiteral("\\x%1").arg(b, 2, 16, QLatin1Char('0'));
    }
    return s;
}

} // namespace

int main(int argc, char* argv[]) {
#ifdef Q_OS_UNIX
    // Started with a standard stream closed, the next descriptor opened would take its number:
    // the Ctrl-C socket on 2 would get every error line as a signal, the port on 1 every
    // output line. /dev/null holds the place instead.
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF)
            continue;
        const int n = ::open("/dev/null", O_RDWR);
        if (n >= 0 && n != fd) {
            ::dup2(n, fd);
            ::close(n);
        }
    }
#endif
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("talvaro-cli"));
    // One language a run: German as the messages of the session are, or English through the
    // window's own translation when the locale asks for English.
    QTranslator translator;
    const QStringList sprachen = QLocale::system().uiLanguages();
    if (!sprachen.isEmpty() && sprachen.first().startsWith(QLatin1String("en"))) {
        const QString dir = QCoreApplication::applicationDirPath();
        const QString qm = QStringLiteral("talvaro_en.qm");
        if (translator.load(qm, dir + QStringLiteral("/../share/talvaro-loader/translations")) ||
            translator.load(qm, dir + QStringLiteral("/../translations")))
            QCoreApplication::installTranslator(&translator);
    }
    Interrupt interrupt;

    Options options;
    QString error = parseOptions(app.arguments().mid(1), &options);
    // A name that is no UTF-8 would be read and written as another one (its bytes replaced):
    // it is refused as given, before anything is looked up.
    for (int i = 1; i < argc && error.isEmpty(); ++i) {
        const QByteArray roh(argv[i]);
        if (QString::fromLocal8Bit(roh).toLocal8Bit() != roh)
            error = QStringLiteral("Dateiname ist kein gueltiges UTF-8: ") + unlesbar(roh);
    }
    Output out(options.quiet, options.json);
    if (!error.isEmpty()) {
        out.message(QStringLiteral("talvaro-cli: ") + error);
        out.message(QCoreApplication::translate("talvaro-cli",
                                                "Aufruf: talvaro-cli --help zeigt alle Befehle"));
        QJsonObject ergebnis{{QStringLiteral("event"), QStringLiteral("result")},
                             {QStringLiteral("status"), QStringLiteral("usage")},
                             {QStringLiteral("exit"), CliRun::Usage},
                             {QStringLiteral("title"),
                              QCoreApplication::translate("talvaro-cli", "Falscher Aufruf")},
                             {QStringLiteral("text"), error}};
        if (!options.command.isEmpty())
            ergebnis.insert(QStringLiteral("command"), options.command);
        out.event(ergebnis);
        return CliRun::Usage;
    }
    if (options.help) {
        const Command* c = commands::finden(options.command);
        std::fputs((c ? c->hilfetext() : usageText()).toLocal8Bit().constData(), stdout);
        return CliRun::Done;
    }
    if (options.version) {
        std::puts("talvaro-cli V" TALVARO_VERSION);
        return CliRun::Done;
    }

    int rc;
    QJsonObject result;
    {
        CliRun run(options, out, interrupt);
        rc = run.run();
        result = run.result();
    }
    result.insert(QStringLiteral("event"), QStringLiteral("result"));
    result.insert(QStringLiteral("exit"), rc);
    out.event(result);
    return rc;
}
