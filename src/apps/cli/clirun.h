// One run of talvaro-cli: reads the configuration, takes the profile, opens the trace, and
// hands the command to the session, which runs the same sequence as the window. The exit
// status says how it ended.
#pragma once

#include "app/geraet.h"
#include "clibediener.h"
#include "link/serialtrace.h"
#include "link/transferresult.h"
#include "options.h"

#include <QJsonObject>
#include <QString>

class ConfigFile;
struct Command;
class Interrupt;
class Output;

class CliRun {
public:
    enum Exit { Done = 0, DeviceFailed = 1, Usage = 2 };

    CliRun(const Options& options, Output& out, Interrupt& interrupt);
    ~CliRun();

    // Runs the command; the exit status.
    int run();
    // What the --json result line carries besides the status.
    const QJsonObject& result() const { return m_result; }

    // What a command (commands.cpp) works with: the session, the options, the output, a path
    // relative to where the program was started, a field of the result, and the exit status
    // and result fields for how an operation ended.
    Geraet& geraet() { return m_geraet; }
    const Options& options() const { return m_options; }
    Output& out() { return m_out; }
    Interrupt& interrupt() { return m_interrupt; }
    QString absolute(const QString& path) const;
    void ergebnis(const QString& key, const QJsonValue& value) { m_result.insert(key, value); }
    int ended(const TransferResult& r);

private:
    bool loadConfig();
    int saveFailed(const QString& path);
    // No configuration file: say so, and how to make one or where the simulation's is.
    void keineKonfiguration(const QString& dir);
    // A file this run writes (the command's output, the trace) that is one the run reads
    // (the configuration, the profile's data files, the command's input) or another it
    // writes, in words naming both roles; empty when there is none.
    QString dateikonflikt(const Command& command) const;
    // After a port that did not open: the ports the system reports, for the person and the
    // result.
    void portsAfterFailure();

    // Knowing what is in the EEPROM: the switches from the file and the flags, and what
    // the run fingerprinted, kept and compared, for the result.
    void eepromSchalter(const ConfigFile& cfg, TEinstellungen& e);
    void pruefungErgebnis();

    const Options& m_options;
    Output& m_out;
    Interrupt& m_interrupt;
    CliBediener m_bediener;
    QString m_startDir;
    QString m_configPath;
    Geraet m_geraet;
    SerialTrace m_trace;
    QJsonObject m_result;
};
