// talvaro-cli: the loader's transfers and file operations from the command line, for
// scripts and headless PCs, with a serial trace when a transfer fails.
#include "clirun.h"
#include "interrupt.h"
#include "options.h"
#include "output.h"

#include <QCoreApplication>
#include <QJsonObject>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("talvaro-cli"));
    Interrupt interrupt;

    Options options;
    const QString error = parseOptions(app.arguments().mid(1), &options);
    Output out(options.quiet, options.json);
    if (!error.isEmpty()) {
        out.message(QStringLiteral("talvaro-cli: ") + error);
        out.message(QStringLiteral("Aufruf: talvaro-cli --help zeigt alle Befehle"));
        out.event(QJsonObject{{QStringLiteral("event"), QStringLiteral("result")},
                              {QStringLiteral("status"), QStringLiteral("usage")},
                              {QStringLiteral("exit"), CliRun::Usage},
                              {QStringLiteral("text"), error}});
        return CliRun::Usage;
    }
    if (options.help) {
        std::fputs(usageText().toLocal8Bit().constData(), stdout);
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
