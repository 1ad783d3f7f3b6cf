#include "loadercommandline.h"

#include <QCommandLineParser>

namespace {

const QStringList kSwitches{QStringLiteral("h"),        QStringLiteral("help"),
                            QStringLiteral("v"),        QStringLiteral("version"),
                            QStringLiteral("simulate"), QStringLiteral("self-test")};

// The option as the user wrote it ("-x", "--bogus"), without a value after "=".
QString spelled(const QStringList& arguments, const QString& name) {
    for (const QString& a : arguments.mid(1)) {
        const QString option = a.section(QLatin1Char('='), 0, 0);
        if (option == QLatin1String("--") + name || option == QLatin1Char('-') + name)
            return option;
    }
    return QLatin1String("--") + name;
}

// The parser's own error texts are English; the loader speaks German like its window.
QString usageError(const QCommandLineParser& parser, const QStringList& arguments) {
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty())
        return QStringLiteral("Unbekannte Option %1").arg(spelled(arguments, unknown.first()));
    // Left are a switch given a value, and --trace without its file at the end.
    for (const QString& a : arguments.mid(1)) {
        if (!a.startsWith(QLatin1Char('-')) || !a.contains(QLatin1Char('=')))
            continue;
        QString name = a.section(QLatin1Char('='), 0, 0);
        while (name.startsWith(QLatin1Char('-')))
            name.remove(0, 1);
        if (kSwitches.contains(name))
            return QStringLiteral("Option %1 nimmt keinen Wert")
                .arg(a.section(QLatin1Char('='), 0, 0));
    }
    return QStringLiteral("Option --trace braucht einen Wert");
}

} // namespace

LoaderCommandLine LoaderCommandLine::parse(const QStringList& arguments, bool strict) {
    QCommandLineParser parser;
    // Qt's "-platform", "-stylesheet" and the like stay whole words, so that their letters
    // are never read as -h or -v.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    const QCommandLineOption simulate(QStringLiteral("simulate"));
    const QCommandLineOption selfTest(QStringLiteral("self-test"));
    const QCommandLineOption trace(QStringLiteral("trace"), QString(), QStringLiteral("DATEI"));
    parser.addOptions({help, version, simulate, selfTest, trace});
    const bool ok = parser.parse(arguments);

    LoaderCommandLine c;
    if (parser.isSet(help))
        c.action = Action::Help;
    else if (parser.isSet(version))
        c.action = Action::Version;
    if (c.action != Action::Start || !strict)
        return c;
    if (!ok) {
        c.action = Action::Error;
        c.error = usageError(parser, arguments);
        return c;
    }
    c.simulate = parser.isSet(simulate);
    c.selfTest = parser.isSet(selfTest);
    c.trace = parser.value(trace);
    // Bytes that are no UTF-8 came in as replacement characters: that name is another file.
    if (c.trace.contains(QChar::ReplacementCharacter)) {
        c.action = Action::Error;
        c.error = QStringLiteral("Dateiname ist kein gueltiges UTF-8: ") + c.trace;
    }
    return c;
}

QString LoaderCommandLine::helpText() {
    return QStringLiteral(
        "Aufruf: talvaro-loader [OPTIONEN] [DATEI.qm]\n"
        "\n"
        "Lade- und Servicewerkzeug fuer den Kurzwellen-Transceiver Talvaro: DSP-Firmware laden,\n"
        "EEPROM sichern und wiederherstellen, DSP-Parameter, Equalizer, Kalibrierung von\n"
        "S-Meter und ZF-Verstaerkung, DSP-Monitor.\n"
        "\n"
        "  DATEI.qm        die Oberflaeche in einer anderen Sprache, z. B. talvaro_en.qm (als\n"
        "                  erstes oder zweites Argument; ein Name ohne Ordner wird auch bei\n"
        "                  den installierten Uebersetzungen gesucht)\n"
        "  --simulate      gegen den simulierten Transceiver in diesem Programm, mit eigener\n"
        "                  Konfiguration ~/vantrel/vantrel-sim.cfg\n"
        "  --trace DATEI   jedes Byte auf der seriellen Leitung in DATEI mitschreiben\n"
        "  --self-test     das Fenster bauen, zeigen und nach 250 ms schliessen\n"
        "  -h, --help      diese Hilfe zeigen\n"
        "  -v, --version   die Version zeigen\n"
        "\n"
        "Dazu die Optionen von Qt (-platform, -style ...). Die Einstellungen stehen in\n"
        "~/vantrel/vantrel.cfg. talvaro-cli kann dieselben Uebertragungen ohne Fenster.\n"
        "Ende mit Status 0, bei falschem Aufruf 2.\n");
}

QString LoaderCommandLine::versionText() {
    return QStringLiteral("talvaro-loader V" TALVARO_VERSION "\n");
}
