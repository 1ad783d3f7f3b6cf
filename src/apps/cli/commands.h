// The commands of talvaro-cli. Each is one entry of one table: its name, what it takes, its
// lines in --help and the call that runs it, so a command is added or changed in one place.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class CliRun;
struct Options;

struct Command {
    QLatin1StringView name;
    int positional;      // arguments it takes
    QStringList options; // its own options
    QStringList valued;  // those of them that take a value
    // An empty argument is taken (a value); otherwise it is refused as an empty file name.
    bool leerErlaubt;
    // It reads the configuration and may open the line; without it the command runs before
    // either (as "ports", which lists what the system has).
    bool konfiguration;
    // Its lines in the usage text, each ending in a line break.
    const char* usage;
    // Checks what parsing cannot see from the shape and may normalise it; an empty string or
    // the usage error. May be null.
    QString (*pruefen)(Options* o);
    // Runs it: hands the arguments to the session; the exit status.
    int (*run)(CliRun& c);
};

namespace commands {

// All commands in the order of the usage text.
const QList<Command>& alle();
// The command of that name, or null.
const Command* finden(QStringView name);

} // namespace commands
