// talvaro-sim: the simulated Talvaro on a pseudo-terminal. It prints the port path for the
// loader's "rs232" setting on its first line, then logs what the set receives. Lines on stdin
// are commands for the set ("quit" ends it); lines it does not know are ignored.
#include "simconsole.h"
#include "simdsp.h"
#include "simloader.h"
#include "simpic.h"
#include "simtransceiver.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    SimTransceiver sim;
    if (!sim.isValid()) {
        std::fprintf(stderr, "talvaro-sim: kein Pseudo-Terminal verfuegbar\n");
        return 1;
    }

    QTextStream out(stdout);
    out << sim.portPath() << Qt::endl;

    QObject::connect(&sim, &SimTransceiver::frameReceived, &app, [&out](const SimFrame& f) {
        const auto hex = [](int v) {
            return QStringLiteral("%1").arg(v, 2, 16, QLatin1Char('0')).toUpper();
        };
        out << QStringLiteral("%1 ms  Rahmen 7E %2 %3  (Befehl %4, Wert %5)")
                   .arg(double(f.timeNs) / 1e6, 0, 'f', 3)
                   .arg(hex(f.number), hex(f.value))
                   .arg(f.number)
                   .arg(f.value)
            << Qt::endl;
    });
    QObject::connect(&sim, &SimTransceiver::modeChanged, &app, [&out](SimTransceiver::Mode m) {
        const char* names[] = {"DSP laeuft", "DSP-Lader", "PIC"};
        out << "Betriebsart: " << names[static_cast<int>(m)] << Qt::endl;
    });

    SimLoader loader(&sim);
    SimPic pic(&sim);
    SimDsp dsp(&sim);
    QObject::connect(&loader, &SimLoader::programStarted, &app, [&out, &loader](int address) {
        out << QStringLiteral("DSP-Lader: %1 Saetze, Checksumme %2, Start bei %3")
                   .arg(loader.records().size())
                   .arg(loader.checksumOk() ? QStringLiteral("ok") : QStringLiteral("FALSCH"))
                   .arg(address, 4, 16, QLatin1Char('0'))
            << Qt::endl;
    });

    SimConsole console;
    pic.addCommands(console);
    dsp.addCommands(console);
    console.addCommand(QStringLiteral("quit"),
                       [](const QStringList&) { QCoreApplication::quit(); });
    console.addCommand(QStringLiteral("ende"),
                       [](const QStringList&) { QCoreApplication::quit(); });

    return app.exec();
}
