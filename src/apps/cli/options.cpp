#include "options.h"

#include "commands.h"

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
            return QStringLiteral("--profile nimmt 1, 2 oder 3, nicht \"%1\"").arg(value);
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
            return QStringLiteral("--mode nimmt ssb oder cw, nicht \"%1\"").arg(value);
    } else if (name == QLatin1String("bank")) {
        o->bank = value.toLower();
        if (o->bank != QLatin1String("gruen") && o->bank != QLatin1String("gelb") &&
            o->bank != QLatin1String("rot"))
            return QStringLiteral("--bank nimmt gruen, gelb oder rot, nicht \"%1\"").arg(value);
    } else if (name == QLatin1String("count")) {
        bool ok = false;
        const int n = value.toInt(&ok);
        if (!ok || n < 1)
            return QStringLiteral("--count nimmt eine Zahl ab 1, nicht \"%1\"").arg(value);
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
                    return QStringLiteral("Unbekannter Befehl \"%1\"").arg(a);
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
                return QStringLiteral("Option --%1 gibt es fuer \"%2\" nicht")
                    .arg(name, o->command);
            return QStringLiteral("Unbekannte Option --%1").arg(name);
        }
        const bool valued = kGlobalValued.contains(name) || (own && shape->valued.contains(name));
        if (valued && !hasValue) {
            if (i + 1 >= arguments.size())
                return QStringLiteral("Option --%1 braucht einen Wert").arg(name);
            value = arguments.at(++i);
        } else if (!valued && hasValue) {
            return QStringLiteral("Option --%1 nimmt keinen Wert").arg(name);
        }
        const QString error = global ? setGlobal(o, name, value) : setCommandOption(o, name, value);
        if (!error.isEmpty())
            return error;
    }
    if (o->help || o->version)
        return {};
    if (!shape)
        return QStringLiteral("Kein Befehl angegeben");
    if (o->args.size() != shape->positional)
        return QStringLiteral("\"%1\" nimmt %2 Argument(e), nicht %3")
            .arg(o->command)
            .arg(shape->positional)
            .arg(o->args.size());
    if (!shape->leerErlaubt)
        for (const QString& a : std::as_const(o->args))
            if (a.isEmpty())
                return QStringLiteral("\"%1\": leerer Dateiname").arg(o->command);
    return shape->pruefen ? shape->pruefen(o) : QString();
}

QString usageText() {
    static constexpr char kKopf[] =
        "usage: talvaro-cli [--config FILE] [--profile 1|2|3] [--port NAME] [--quiet] [--json]\n"
        "                   [--trace FILE] COMMAND ...\n"
        "       talvaro-cli --help | --version\n"
        "\n";
    static constexpr char kFuss[] =
        "\n"
        "The configuration is ~/vantrel/vantrel.cfg unless --config names another file; data\n"
        "file names in it are taken relative to its folder. Log lines go to stdout, progress to\n"
        "stderr (--json: progress events and the result as JSON lines instead).\n"
        "A port that does not open is named with the reason (missing, not a serial device, no\n"
        "permission, held by another program), followed by the ports the system reports.\n"
        "Exit status: 0 done, 1 the device or the line failed or the run was interrupted,\n"
        "2 usage, or a file that cannot be read or written.\n"
        "\n"
        "--backup-first: before the first byte is written, receive the dump (function 997) and\n"
        "keep it in ~/vantrel/sicherungen; if that fails, nothing is written. --verify: after\n"
        "the restore, receive the dump (function 997) and compare it with the file. Both are\n"
        "also on when the configuration file says so (the options dialog's switches).\n";
    QString text = QLatin1String(kKopf);
    for (const Command& c : commands::alle())
        text += QLatin1String(c.usage);
    return text + QLatin1String(kFuss);
}
