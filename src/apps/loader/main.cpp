// talvaro-loader: the main window of the Talvaro loader and service tool.
#include "app/autodialogs.h"
#include "app/simconfig.h"
#include "app/startup.h"
#include "app/userdialogs.h"
#include "app/vantrel.h"
#include "link/serialtrace.h"
#include "sim/simulation.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>
#include <QTranslator>

#include <memory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();

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

    // The self-test builds the whole window against the real configuration folder, shows it
    // and closes it through the normal close-down.
    const bool selfTest = args.contains(QStringLiteral("--self-test"));
    AutoDialogs autoDialogs;
    if (selfTest)
        UserDialogs::install(&autoDialogs);

    // --trace FILE: opened before the window changes into its configuration folder, so that
    // a relative name means where the user started the program.
    SerialTrace trace;
    const QString tracePath = SerialTrace::pathFromArguments(args);
    const bool traceOk = tracePath.isEmpty() || trace.open(tracePath);

    // --simulate: the simulated set on a pseudo-terminal in this process, and a configuration
    // file of its own, so the settings for the real set stay as they are.
    std::unique_ptr<Simulation> simulation;
    if (args.contains(QStringLiteral("--simulate"))) {
        simulation = std::make_unique<Simulation>();
        if (!simulation->isValid()) {
            qCritical("talvaro-loader: kein Pseudo-Terminal fuer die Simulation");
            return 1;
        }
        simulation->konfigurieren(simconfig::findRelease(QCoreApplication::applicationDirPath(),
                                                         QStringLiteral(TALVARO_SAMPLE_RELEASE)));
    }

    auto* w = new vantrel();
    if (!traceOk) {
        UserDialogs::current().critical(w, vantrel::tr("Speichern fehlgeschlagen!"),
                                        trace.errorText());
        w->logzeile(trace.errorText());
    } else if (!tracePath.isEmpty()) {
        trace.attach(w->modem());
    }
    w->setWindowIcon(QIcon(QStringLiteral(":vantrel.ico")));
    w->show();
    if (simulation)
        simulation->zeigen(w);
    if (selfTest)
        QTimer::singleShot(250, w, &QWidget::close);
    const int rc = app.exec();
    delete w;
    return rc;
}
