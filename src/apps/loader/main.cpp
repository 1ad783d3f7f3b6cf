// talvaro-loader: the main window of the Talvaro loader and service tool.
#include "app/autodialogs.h"
#include "app/dateirollen.h"
#include "app/signalbruecke.h"
#include "app/simconfig.h"
#include "app/startup.h"
#include "app/userdialogs.h"
#include "app/vantrel.h"
#include "link/serialtrace.h"
#include "loadercommandline.h"
#include "sim/simulation.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QTimer>
#include <QTranslator>

#include <cstdio>
#include <memory>
#include <string_view>

// The window's title and --version name the same version, the project's.
static_assert(std::string_view(vantrel::versionText) == "V" TALVARO_VERSION,
              "vantrel::versionText and the project VERSION in CMakeLists.txt differ");

namespace {
// Prints what --help, --version or a usage error ask for and returns the exit status; -1
// when the window is to start.
int answer(const LoaderCommandLine& c) {
    switch (c.action) {
    case LoaderCommandLine::Action::Help:
        std::fputs(LoaderCommandLine::helpText().toLocal8Bit().constData(), stdout);
        return 0;
    case LoaderCommandLine::Action::Version:
        std::fputs(LoaderCommandLine::versionText().toLocal8Bit().constData(), stdout);
        return 0;
    case LoaderCommandLine::Action::Error:
        std::fprintf(stderr,
                     "talvaro-loader: %s\nAufruf: talvaro-loader --help zeigt alle Optionen\n",
                     c.error.toLocal8Bit().constData());
        return 2;
    case LoaderCommandLine::Action::Start:
        break;
    }
    return -1;
}
} // namespace

int main(int argc, char* argv[]) {
    // --help and --version are answered before the QApplication exists: they need no display
    // and open neither a window, nor a port, nor the configuration file.
    QStringList raw;
    for (int i = 0; i < argc; ++i)
        raw.append(QString::fromLocal8Bit(argv[i]));
    if (const int rc = answer(LoaderCommandLine::parse(raw, false)); rc >= 0)
        return rc;

    QApplication app(argc, argv);
    // From here on a signal waits in the event loop for the window's close-down: one that
    // came while the window was built would otherwise end the program with its port open.
    SignalBruecke signale;
    // Windows without a title of their own (the progress of a transfer, the monitor, the
    // options) take the program's name, not the binary's. A display name would do that too,
    // but would also be appended to every other title, the main window's included. The
    // desktop file names the icon for the task bar where the window manager asks it.
    QCoreApplication::setApplicationName(QStringLiteral("Talvaro-Loader"));
    QGuiApplication::setDesktopFileName(QStringLiteral("talvaro-loader"));
    QApplication::setWindowIcon(programmIcon());
    const QStringList args = app.arguments();
    const LoaderCommandLine commandLine = LoaderCommandLine::parse(args, true);
    if (const int rc = answer(commandLine); rc >= 0)
        return rc;

    QTranslator translator;
    const QString qm = translationArgument(args);
    if (!qm.isEmpty()) {
        qDebug("QM Laden");
        // A bare name is also looked for where the translations are installed (or built).
        const QString dir = QCoreApplication::applicationDirPath();
        if (translator.load(qm) ||
            translator.load(qm, dir + QStringLiteral("/../share/talvaro-loader/translations")) ||
            translator.load(qm, dir + QStringLiteral("/../translations")))
            qDebug("OK");
        app.installTranslator(&translator);
    }
    QTranslator qtDeutsch;
    if (qm.isEmpty() && qtDeutschLaden(qtDeutsch))
        app.installTranslator(&qtDeutsch);

    // The self-test builds the whole window against the real configuration folder, shows it
    // and closes it through the normal close-down.
    const bool selfTest = commandLine.selfTest;
    AutoDialogs autoDialogs;
    if (selfTest)
        UserDialogs::install(&autoDialogs);

    // --trace FILE: a relative name means where the user started the program, not the
    // configuration folder the window changes into.
    SerialTrace trace;
    const QString tracePath = commandLine.trace.isEmpty()
                                  ? QString()
                                  : QDir::current().absoluteFilePath(commandLine.trace);

    // --simulate: the simulated set on a pseudo-terminal in this process, and a configuration
    // file of its own, so the settings for the real set stay as they are.
    std::unique_ptr<Simulation> simulation;
    if (commandLine.simulate) {
        simulation = std::make_unique<Simulation>();
        if (!simulation->isValid()) {
            qCritical("talvaro-loader: kein Pseudo-Terminal fuer die Simulation");
            return 1;
        }
        const QString programm = QCoreApplication::applicationDirPath();
        const QString quelle = QStringLiteral(TALVARO_SAMPLE_RELEASE);
        simulation->konfigurieren(simconfig::findRelease(programm, quelle),
                                  simconfig::releaseOrigins(programm, quelle));
    }

    auto* w = new vantrel();
    // The trace is opened only after the configuration was read, and never in place of a
    // file the window reads: the configuration or a data file of any profile.
    if (!tracePath.isEmpty()) {
        Dateirollen rollen;
        rollen.gelesen(w->konfigurationsdatei(),
                       QCoreApplication::translate("vantrel", "die Konfiguration"));
        for (int p = 0; p < 3; ++p)
            w->geraet()->dateienSammeln(rollen, p);
        rollen.geschrieben(tracePath, QCoreApplication::translate("vantrel", "der Trace"));
        QString fehler = rollen.konflikt();
        if (fehler.isEmpty() && !trace.open(tracePath))
            fehler = trace.errorText();
        if (fehler.isEmpty()) {
            w->geraet()->mitschreiben(trace);
        } else {
            UserDialogs::current().critical(w, vantrel::tr("Speichern fehlgeschlagen!"), fehler);
            w->logzeile(fehler);
        }
    }
    // The simulated set's panel is placed beside the window before either is mapped: a
    // window manager then frames both where they were put.
    if (simulation)
        simulation->zeigen(w);
    w->show();
    // SIGTERM, SIGINT and SIGHUP end the program through the window's close-down; from here
    // on, so that one that comes while the first-start box waits closes that box too.
    QObject::connect(&signale, &SignalBruecke::angekommen, w, &vantrel::signalbeenden);
    signale.freigeben();
    // From inside the event loop: a close that comes while its box waits (a signal) must find
    // the loop running, or the program would stay without a window.
    QTimer::singleShot(0, w, &vantrel::erststartpruefen);
    if (selfTest)
        QTimer::singleShot(250, w, &QWidget::close);
    const int rc = app.exec();
    delete w;
    return rc;
}
