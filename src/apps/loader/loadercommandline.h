// The command line of talvaro-loader: --help and --version, which are answered before any
// window or display exists, and the options of a normal start.
#pragma once

#include <QString>
#include <QStringList>

struct LoaderCommandLine {
    enum class Action { Start, Help, Version, Error };

    Action action = Action::Start;
    QString error; // Error: the text of the first usage error
    bool simulate = false;
    bool selfTest = false;
    QString trace; // --trace FILE; empty: no trace

    // Reads the arguments, the program name first. Not strict: the look before the
    // QApplication, which still sees Qt's own options (-platform, -style ...); only --help and
    // --version count and nothing is an error. Strict: the arguments the QApplication left,
    // where an option the loader does not know is an error.
    static LoaderCommandLine parse(const QStringList& arguments, bool strict);

    // The texts --help and --version print.
    static QString helpText();
    static QString versionText();
};
