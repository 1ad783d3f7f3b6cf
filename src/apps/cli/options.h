// The command line of talvaro-cli: global options, one command with its arguments and the
// command's own options. Parsing never touches a file or the line.
#pragma once

#include <QString>
#include <QStringList>

struct Options {
    QString config;   // --config FILE; empty: ~/vantrel/vantrel.cfg
    int profile = -1; // --profile 1..3 as 0..2; -1: the configured one
    QString port;     // --port NAME; empty: the configured one
    bool quiet = false;
    bool json = false;
    QString trace; // --trace FILE
    bool help = false;
    bool version = false;

    QString command;
    QStringList args; // the command's positional arguments

    // Options of single commands.
    bool paramsOnly = false;  // pic-download --params-only
    QString mode;             // params-send --mode ssb|cw
    QString bank;             // params-send --bank gruen|gelb|rot
    int count = -1;           // monitor --count N; -1: until interrupted
    bool backupFirst = false; // eeprom-restore, pic-download --backup-first
    bool verify = false;      // eeprom-restore --verify
};

// Fills o from the arguments after the program name. Returns an empty string, or the text of
// the first usage error.
QString parseOptions(const QStringList& arguments, Options* o);

// The usage text printed by --help and after a usage error.
QString usageText();
