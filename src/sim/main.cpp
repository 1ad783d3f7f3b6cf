// talvaro-sim: the simulated Talvaro on a pseudo-terminal. It prints the port path for the
// loader's "rs232" setting on its first line, then logs what the set receives. Lines on stdin
// are commands for the set ("quit" ends it); lines it does not know are ignored.
#include "simconsole.h"
#include "simdsp.h"
#include "simloader.h"
#include "simpic.h"
#include "simtransceiver.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

namespace {
const char* const kHelp =
    "Aufruf: talvaro-sim [-h|--help] [-v|--version]\n"
    "\n"
    "Der simulierte Transceiver Talvaro an einem Pseudo-Terminal. Die erste Zeile nennt den\n"
    "Port fuer die Einstellung \"rs232\" des Laders, danach meldet das Programm, was der Satz\n"
    "empfaengt. Befehle auf der Standardeingabe, einer je Zeile:\n"
    "\n"
    "  taste 0|1|#                  Taste beim Einschalten: 0 DSP-Lader, # EEPROM-Download,\n"
    "                               1 nur Parameter (nach 999)\n"
    "  funktion 995|996|997|999     Funktion am PIC starten\n"
    "  telegramme an|aus|MS         Telegramme an, aus, oder ihr Abstand in ms\n"
    "  signal DB|aus, rauschen DB   Eingangssignal und Rauschen auf der ZF\n"
    "  eingang DBM                  Pegel an der Antenne fuer das S-Meter\n"
    "  senden|hang|spike an|aus     die Schalter im Telegramm\n"
    "  muell N                      N Bytes Muell nach jedem Telegramm\n"
    "  fehler sync ZEICHEN | echo K [WERT] | still N | trennen N | aus\n"
    "                               Fehler des PIC spielen, oder keine mehr\n"
    "  quit, ende                   beenden\n";

// The usage error of the arguments, empty when they are fine.
QString usageError(const QCommandLineParser& parser) {
    if (!parser.unknownOptionNames().isEmpty()) {
        const QString name = parser.unknownOptionNames().first();
        return QStringLiteral("Unbekannte Option %1%2")
            .arg(name.size() > 1 ? QStringLiteral("--") : QStringLiteral("-"), name);
    }
    if (!parser.positionalArguments().isEmpty())
        return QStringLiteral("Unerwartetes Argument \"%1\"")
            .arg(parser.positionalArguments().first());
    return {};
}
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);

    // Answered before the pseudo-terminal is made.
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOptions({help, version});
    parser.parse(QCoreApplication::arguments());
    if (parser.isSet(help)) {
        std::fputs(kHelp, stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::puts("talvaro-sim V" TALVARO_VERSION);
        return 0;
    }
    if (const QString error = usageError(parser); !error.isEmpty()) {
        std::fprintf(stderr, "talvaro-sim: %s\nAufruf: talvaro-sim --help zeigt die Befehle\n",
                     error.toLocal8Bit().constData());
        return 2;
    }

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
