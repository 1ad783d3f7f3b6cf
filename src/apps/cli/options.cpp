#include "options.h"

#include "commands.h"

#include <QCoreApplication>

namespace {

const QStringList kGlobalValued{QStringLiteral("config"), QStringLiteral("profile"),
                                QStringLiteral("port"), QStringLiteral("trace")};
const QStringList kGlobalFlags{QStringLiteral("quiet"), QStringLiteral("json"),
                               QStringLiteral("help"), QStringLiteral("version")};

// "--name" or "--name=value" followed by a letter; "-1" and "-" are arguments, not options,
// so that "command 52 -1" keeps its value.
bool isOption(const QString& a) {
    return (a.size() > 2 && a.startsWith(QLatin1String("--")) && a.at(2).isLetter()) ||
           a == QLatin1String("-h");
}

QString setGlobal(Options* o, const QString& name, const QString& value) {
    if (name == QLatin1String("config")) {
        o->config = value;
    } else if (name == QLatin1String("profile")) {
        bool ok = false;
        const int n = value.toInt(&ok);
        if (!ok || n < 1 || n > 3)
            return QCoreApplication::translate("talvaro-cli",
                                               "--profile nimmt 1, 2 oder 3, nicht \"%1\"")
                .arg(value);
        o->profile = n - 1;
    } else if (name == QLatin1String("port")) {
        o->port = value;
    } else if (name == QLatin1String("trace")) {
        o->trace = value;
    } else if (name == QLatin1String("quiet")) {
        o->quiet = true;
    } else if (name == QLatin1String("json")) {
        o->json = true;
    } else if (name == QLatin1String("help")) {
        o->help = true;
    } else if (name == QLatin1String("version")) {
        o->version = true;
    }
    return {};
}

QString setCommandOption(Options* o, const QString& name, const QString& value) {
    if (name == QLatin1String("params-only")) {
        o->paramsOnly = true;
    } else if (name == QLatin1String("backup-first")) {
        o->backupFirst = true;
    } else if (name == QLatin1String("verify")) {
        o->verify = true;
    } else if (name == QLatin1String("mode")) {
        o->mode = value.toLower();
        if (o->mode != QLatin1String("ssb") && o->mode != QLatin1String("cw"))
            return QCoreApplication::translate("talvaro-cli",
                                               "--mode nimmt ssb oder cw, nicht \"%1\"")
                .arg(value);
    } else if (name == QLatin1String("bank")) {
        o->bank = value.toLower();
        if (o->bank != QLatin1String("gruen") && o->bank != QLatin1String("gelb") &&
            o->bank != QLatin1String("rot"))
            return QCoreApplication::translate("talvaro-cli",
                                               "--bank nimmt gruen, gelb oder rot, nicht \"%1\"")
                .arg(value);
    } else if (name == QLatin1String("count")) {
        bool ok = false;
        const int n = value.toInt(&ok);
        if (!ok || n < 1)
            return QCoreApplication::translate("talvaro-cli",
                                               "--count nimmt eine Zahl ab 1, nicht \"%1\"")
                .arg(value);
        o->count = n;
    }
    return {};
}

} // namespace

QString parseOptions(const QStringList& arguments, Options* o) {
    *o = Options();
    const Command* shape = nullptr;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments.at(i);
        if (!optionsEnded && a == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded || !isOption(a)) {
            if (!shape) {
                shape = commands::finden(a);
                if (!shape)
                    return QCoreApplication::translate("talvaro-cli", "Unbekannter Befehl \"%1\"")
                        .arg(a);
                o->command = a;
            } else {
                o->args.append(a);
            }
            continue;
        }
        if (a == QLatin1String("-h")) {
            o->help = true;
            continue;
        }
        QString name = a.mid(2);
        QString value;
        bool hasValue = false;
        const qsizetype eq = name.indexOf(QLatin1Char('='));
        if (eq >= 0) {
            value = name.mid(eq + 1);
            name.truncate(eq);
            hasValue = true;
        }
        const bool global = kGlobalValued.contains(name) || kGlobalFlags.contains(name);
        const bool own = shape && shape->options.contains(name);
        if (!global && !own) {
            if (shape)
                return QCoreApplication::translate("talvaro-cli",
                                                   "Option --%1 gibt es fuer \"%2\" nicht")
                    .arg(name, o->command);
            return QCoreApplication::translate("talvaro-cli", "Unbekannte Option --%1").arg(name);
        }
        const bool valued = kGlobalValued.contains(name) || (own && shape->valued.contains(name));
        if (valued && !hasValue) {
            if (i + 1 >= arguments.size())
                return QCoreApplication::translate("talvaro-cli", "Option --%1 braucht einen Wert")
                    .arg(name);
            value = arguments.at(++i);
        } else if (!valued && hasValue) {
            return QCoreApplication::translate("talvaro-cli", "Option --%1 nimmt keinen Wert")
                .arg(name);
        }
        const QString error = global ? setGlobal(o, name, value) : setCommandOption(o, name, value);
        if (!error.isEmpty())
            return error;
    }
    if (o->help || o->version)
        return {};
    if (!shape)
        return QCoreApplication::translate("talvaro-cli", "Kein Befehl angegeben");
    if (o->args.size() != shape->positional)
        return QCoreApplication::translate("talvaro-cli", "\"%1\" nimmt %2 Argument(e), nicht %3")
            .arg(o->command)
            .arg(shape->positional)
            .arg(o->args.size());
    if (!shape->leerErlaubt)
        for (const QString& a : std::as_const(o->args))
            if (a.isEmpty())
                return QCoreApplication::translate("talvaro-cli", "\"%1\": leerer Dateiname")
                    .arg(o->command);
    return shape->pruefen ? shape->pruefen(o) : QString();
}

QString usageText() {
    QString text = QCoreApplication::translate(
        "talvaro-cli",
        "Aufruf: talvaro-cli [--config DATEI] [--profile 1|2|3] [--port NAME] [--quiet] [--json]\n"
        "                    [--trace DATEI] BEFEHL ...\n"
        "        talvaro-cli --help | --version\n"
        "\n");
    for (const Command& c : commands::alle())
        text += QCoreApplication::translate("talvaro-cli", c.usage);
    return text +
           QCoreApplication::translate(
               "talvaro-cli",
               "\n"
               "Die Konfiguration ist ~/vantrel/vantrel.cfg, wenn --config keine andere nennt;\n"
               "Dateinamen darin gelten relativ zu ihrem Ordner. Logzeilen gehen auf stdout, der\n"
               "Fortschritt und die Meldungen auf stderr (--json: Fortschritt und Ergebnis als\n"
               "JSON-Zeilen). Ein Port, der nicht aufgeht, wird mit dem Grund genannt (fehlt, "
               "kein\n"
               "serielles Geraet, keine Berechtigung, von einem anderen Programm belegt), danach "
               "die\n"
               "Ports, die das System meldet.\n"
               "Exit-Status: 0 fertig, 1 Geraet oder Leitung gescheitert oder abgebrochen, 2 "
               "Aufruf\n"
               "falsch oder eine Datei nicht les- oder schreibbar.\n"
               "\n"
               "--backup-first: bevor das erste Byte geschrieben wird, den Abzug (Funktion 997)\n"
               "empfangen und in ~/vantrel/sicherungen ablegen; misslingt das, wird nichts\n"
               "geschrieben. --verify: nach der Wiederherstellung den Abzug (Funktion 997)\n"
               "empfangen und mit der Datei vergleichen. Beide gelten auch, wenn die "
               "Konfiguration\n"
               "es sagt (die Schalter des Optionsdialogs).\n"
               "\n"
               "Ohne Talvaro: talvaro-sim starten (die erste Zeile nennt den Port) und\n"
               "talvaro-cli --config ~/vantrel/vantrel-sim.cfg --port PORT BEFEHL ...\n"
               "(die Datei legt \"talvaro-loader --simulate\" beim ersten Start an).\n");
}
