// One run of talvaro-cli: reads the configuration, takes the profile, opens the trace and the
// line when the command needs them, and runs the command with the core's own loads,
// encoders and transfers, as the window's slots do. The exit status says how it ended.
#pragma once

#include "app/einstellungen.h"
#include "download/ladefehler.h"
#include "link/link.h"
#include "link/modem.h"
#include "link/serialtrace.h"
#include "link/transferresult.h"
#include "options.h"
#include "parameters/parametertabelle.h"

#include <QJsonObject>
#include <QList>
#include <QString>
#include <memory>
#include <utility>

class ConsoleProgress;
class DownloadImage;
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
    // ---- set-up ------------------------------------------------------------------------
    bool loadConfig();
    bool openLine();
    void closeLine();
    QString absolute(const QString& path) const;

    // ---- endings -----------------------------------------------------------------------
    int fileFailed(const TransferResult& r);
    int saveFailed(const QString& path);
    // The log lines the window writes after a transfer: its error, then "<name>() Fertig!".
    void logFertig(const TransferResult& r, const char* name);
    int transferEnded(const TransferResult& r);
    int interrupted();

    // ---- loads, as the window's clickfileladen() and its parts -------------------------
    LogSink logSink();
    FailSink failSink();
    // Firmware, filters, checksum; with the user parameters onto m_tabelle when asked.
    bool loadDataSet(DownloadImage& image, bool withParameters);
    bool loadTestFirmware(DownloadImage& image);
    bool loadParameters(const QStringList* alreadyRead = nullptr);
    bool writeFile(const QString& path, const QByteArray& bytes);

    // A progress whose time left starts from msPerStep until it has measured its own pace.
    std::unique_ptr<ConsoleProgress> progress(const QString& label, int minimum, int maximum,
                                              double msPerStep,
                                              const QString& unit = QStringLiteral("Bytes"));
    // What one byte takes on the line at 9600 baud with start and two stop bits, and at
    // least the given delay.
    static double byteMs(int delayMs);
    // Frames as one transfer. A cancel skips what is left except the last `closing` frames,
    // so that the DSP is never left inside an open block.
    TransferResult sendFrames(const QList<std::pair<int, int>>& frames, int closing,
                              const QString& label);

    // ---- the commands ------------------------------------------------------------------
    int image(bool test);
    int dspDownload(bool test);
    int picDownload();
    int eepromBackup();
    int eepromRestore();
    int paramsSend();
    int paramsReadback();
    int eqSend();
    int command();
    int monitor();

    const Options& m_options;
    Output& m_out;
    Interrupt& m_interrupt;
    QString m_startDir;
    QString m_configPath;
    TEinstellungen m_einst;
    int m_vesknr = 0;
    Modem m_modem;
    Link m_link{&m_modem};
    SerialTrace m_trace;
    ParameterTabelle m_tabelle;
    QJsonObject m_result;
};
