// The commands of talvaro-cli. Each is one entry of one table: its name, its arguments and
// which of them are files read or written, its own options, its help and the call that runs
// it, so a command is added or changed in one place.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class CliRun;
struct Options;

struct Command {
    // What an argument is to the run: a value, a file it reads, a file it writes, a dump it
    // writes (one cut short is kept beside it as <name>.partial).
    enum class Datei { Keine, Liest, Schreibt, SchreibtDump };
    struct Argument {
        const char* name; // as the usage shows it ("OUT.bin")
        Datei datei;
    };
    struct Option {
        QLatin1StringView name;
        const char* wert; // its value as the usage shows it ("N"); null: a switch
        // Its lines in "COMMAND --help", without their break (translatable, context
        // talvaro-cli).
        const char* hilfe;
        // Takes the value (a switch gets an empty one); an empty string or the usage error.
        QString (*setzen)(Options* o, const QString& wert);
        // The command needs it (its pruefen says so): shown without brackets.
        bool noetig = false;
    };

    QLatin1StringView name;
    QList<Argument> argumente;
    QList<Option> optionen;
    // An empty argument is taken (a value); otherwise it is refused as an empty file name.
    bool leerErlaubt;
    // It reads the configuration and may open the line; without it the command runs before
    // either (as "ports", which lists what the system has).
    bool konfiguration;
    // What it does, in lines without their break; the first one is its line in --help
    // (translatable, context talvaro-cli).
    const char* hilfe;
    // Checks what parsing cannot see from the shape and may normalise it; an empty string or
    // the usage error. May be null.
    QString (*pruefen)(Options* o);
    // Runs it: hands the arguments to the session; the exit status.
    int (*run)(CliRun& c);

    const Option* option(QStringView n) const;
    // "pic-download [--params-only] [--backup-first]"
    QString aufruf() const;
    // What "COMMAND --help" prints: the call, what it does, its options.
    QString hilfetext() const;
};

namespace commands {

// All commands in the order of the usage text.
const QList<Command>& alle();
// The command of that name, or null.
const Command* finden(QStringView name);
// A text of the table in the language of the run.
QString text(const char* quelle);

} // namespace commands
