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
        const Command::Option* own = global || !shape ? nullptr : shape->option(name);
        if (!global && !own) {
            if (shape)
                return QCoreApplication::translate("talvaro-cli",
                                                   "Option --%1 gibt es fuer \"%2\" nicht")
                    .arg(name, o->command);
            return QCoreApplication::translate("talvaro-cli", "Unbekannte Option --%1").arg(name);
        }
        const bool valued = kGlobalValued.contains(name) || (own && own->wert);
        if (valued && !hasValue) {
            if (i + 1 >= arguments.size())
                return QCoreApplication::translate("talvaro-cli", "Option --%1 braucht einen Wert")
                    .arg(name);
            value = arguments.at(++i);
        } else if (!valued && hasValue) {
            return QCoreApplication::translate("talvaro-cli", "Option --%1 nimmt keinen Wert")
                .arg(name);
        }
        const QString error = global ? setGlobal(o, name, value) : own->setzen(o, value);
        if (!error.isEmpty())
            return error;
    }
    if (o->help || o->version)
        return {};
    if (!shape)
        return QCoreApplication::translate("talvaro-cli", "Kein Befehl angegeben");
    if (o->args.size() != shape->argumente.size())
        return QCoreApplication::translate("talvaro-cli", "\"%1\" nimmt %2 Argument(e), nicht %3")
            .arg(o->command)
            .arg(shape->argumente.size())
            .arg(o->args.size());
    if (!shape->leerErlaubt)
        for (const QString& a : std::as_const(o->args))
            if (a.isEmpty())
                return QCoreApplication::translate("talvaro-cli", "\"%1\": leerer Dateiname")
                    .arg(o->command);
    return shape->pruefen ? shape->pruefen(o) : QString();
}

QString usageText() {
    static constexpr char kKopf[] = QT_TRANSLATE_NOOP(
        "talvaro-cli",
        "Aufruf: talvaro-cli [--config DATEI] [--profile 1|2|3] [--port NAME] [--quiet]\n"
        "                    [--json] [--trace DATEI] BEFEHL ...\n"
        "        talvaro-cli BEFEHL --help\n"
        "        talvaro-cli --help | --version\n"
        "\n"
        "Befehle:\n");
    static constexpr char kFuss[] = QT_TRANSLATE_NOOP(
        "talvaro-cli",
        "\n"
        "Die Konfiguration ist ~/vantrel/vantrel.cfg, wenn --config keine andere nennt; die\n"
        "Dateinamen darin gelten relativ zu ihrem Ordner. Log-Zeilen gehen nach stdout, der\n"
        "Fortschritt nach stderr (--json: Fortschritt und Ergebnis als JSON-Zeilen).\n"
        "Ein Port, der sich nicht oeffnet, wird mit dem Grund genannt (fehlt, kein serielles\n"
        "Geraet, keine Berechtigung, von einem anderen Programm belegt), gefolgt von den Ports\n"
        "des Systems. Eine Ausgabe oder ein Trace, der eine Datei ist, die der Lauf liest,\n"
        "wird abgelehnt.\n"
        "Exit-Status: 0 fertig, 1 Geraet oder Leitung gestoert oder der Lauf unterbrochen,\n"
        "2 Aufruf, oder eine Datei, die nicht gelesen oder geschrieben werden kann.\n"
        "\n"
        "--backup-first: vor dem ersten geschriebenen Byte den Eeprom-Inhalt (Funktion 997)\n"
        "empfangen und in ~/vantrel/sicherungen behalten; misslingt das, wird nichts\n"
        "geschrieben. --verify: nach dem Schreiben den Eeprom-Inhalt empfangen und mit der\n"
        "Datei vergleichen. Beide sind auch an, wenn die Konfiguration es sagt (die Schalter\n"
        "des Optionen-Dialogs).\n"
        "\n"
        "Ohne Talvaro: talvaro-sim starten (die erste Zeile nennt den Port) und\n"
        "talvaro-cli --config ~/vantrel/vantrel-sim.cfg --port PORT BEFEHL ...\n"
        "(die Datei legt \"talvaro-loader --simulate\" beim ersten Start an).\n");
    QString text = commands::text(kKopf);
    for (const Command& c : commands::alle()) {
        const QStringList zeilen = commands::text(c.hilfe).split(QLatin1Char('\n'));
        const QString aufruf = QStringLiteral("  ") + c.aufruf();
        // A long call gets its description on the lines below.
        text += aufruf.size() < 30 ? aufruf.leftJustified(30)
                                   : aufruf + QStringLiteral("\n") + QString(30, QLatin1Char(' '));
        text +=
            zeilen.join(QStringLiteral("\n") + QString(30, QLatin1Char(' '))) + QLatin1Char('\n');
    }
    return text + commands::text(kFuss);
}
