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

private:
    bool loadConfig();
    QString absolute(const QString& path) const;
    int saveFailed(const QString& path);
    // The file of this command (its configuration, its file argument, the profile's data
    // files) that is the same file as trace, or empty.
    QString gleicheWie(const QString& trace) const;
    // The exit status and the result's fields for how an operation ended.
    int ended(const TransferResult& r);

    // The commands: each hands its arguments to the session's operation.
    int image(bool test, const QString& arg);
    int monitor();
    int ports();
    // After a port that did not open: the ports the system reports, for the person and the
    // result.
    void portsAfterFailure();

    // Knowing what is in the EEPROM: the switches from the file and the flags, and what
    // the run fingerprinted, kept and compared, for the result.
    void eepromSchalter(const ConfigFile& cfg);
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
