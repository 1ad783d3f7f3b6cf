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
    // The file of this command (its configuration, its file argument, the profile's data
    // files) that is the same file as trace, or empty.
    QString gleicheWie(const QString& trace) const;
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
