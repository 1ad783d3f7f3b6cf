#include "clirun.h"

#include "app/configfile.h"
#include "calibration/ad603.h"
#include "calibration/empfangsring.h"
#include "consoleprogress.h"
#include "control/dspbefehl.h"
#include "control/eqcurve.h"
#include "download/datensatz.h"
#include "download/dspdownload.h"
#include "download/eeprombackup.h"
#include "download/firmwarefile.h"
#include "download/hinweistexte.h"
#include "download/picdownload.h"
#include "download/picparameterblock.h"
#include "download/transferhelfer.h"
#include "interrupt.h"
#include "monitor/dspdekoder.h"
#include "output.h"
#include "parameters/parameterempfang.h"
#include "parameters/parameterfile.h"
#include "parameters/parametertransfer.h"
#include "parameters/parameterwriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QSaveFile>

namespace {

const QString kTrenner = QStringLiteral("---------------------------------");

QString statusText(const TransferResult& r) {
    if (r.ok())
        return QStringLiteral("done");
    return r.wasCanceled() ? QStringLiteral("canceled") : QStringLiteral("failed");
}

// One monitor line: the fields of TDspDaten in their declared order, flags as 0 or 1.
QString telegrammZeile(const TDspDaten& d) {
    const int felder[] = {d.wert0,    d.wert1,  d.wert2,      d.wert3,        d.wert4,
                          d.wert5,    d.wert6,  d.wert7,      d.sigdb,        d.spike ? 1 : 0,
                          d.adcstufe, d.agcroh, d.rx ? 1 : 0, d.hang ? 1 : 0, d.smeter,
                          d.ad603,    d.gain,   d.adc,        d.agc,          d.vogad};
    QStringList s;
    for (int f : felder)
        s.append(QString::number(f));
    return s.join(QLatin1Char('\t'));
}

} // namespace

CliRun::CliRun(const Options& options, Output& out, Interrupt& interrupt)
    : m_options(options), m_out(out), m_interrupt(interrupt), m_startDir(QDir::currentPath()) {
    resetParameterTabelle(m_tabelle);
}

CliRun::~CliRun() {
    closeLine();
}

QString CliRun::absolute(const QString& path) const {
    return QDir(m_startDir).absoluteFilePath(path);
}

// ---- set-up ------------------------------------------------------------------------------

bool CliRun::loadConfig() {
    QString dir;
    if (m_options.config.isEmpty()) {
        dir = QDir::home().filePath(QStringLiteral("vantrel"));
        m_configPath = QDir(dir).filePath(QStringLiteral("vantrel.cfg"));
        if (!QFileInfo::exists(m_configPath))
            m_out.message(QStringLiteral("Hinweis: keine Konfiguration \"%1\", es gelten die "
                                         "Vorgaben")
                              .arg(m_configPath));
    } else {
        m_configPath = absolute(m_options.config);
        QFile f(m_configPath);
        if (QFileInfo(m_configPath).isDir() || !f.open(QIODevice::ReadOnly)) {
            fileFailed(dateiNichtGefunden(m_options.config));
            return false;
        }
        dir = QFileInfo(m_configPath).absolutePath();
    }
    m_result.insert(QStringLiteral("config"), m_configPath);
    ConfigFile cfg;
    cfg.load(m_configPath);
    m_einst.read(cfg, &m_vesknr);
    if (m_options.profile >= 0)
        m_vesknr = m_options.profile;
    if (!m_options.port.isEmpty())
        m_einst.rs232 = m_options.port;
    m_result.insert(QStringLiteral("profile"), m_vesknr + 1);
    // The data file names of the configuration are relative to its folder, as the window
    // takes them from its own working folder.
    QDir::setCurrent(dir);
    return true;
}

bool CliRun::openLine() {
    m_link.setDelays(m_einst.picrs232writetime, m_einst.dsprs232writetime,
                     m_einst.paramrs232writetime);
    m_link.setOpen(m_modem.openPort(m_einst.rs232));
    m_result.insert(QStringLiteral("port"), m_einst.rs232);
    if (m_link.isOpen()) {
        // What waited on the line belongs to no request of this run. Once it is gone, a
        // script (or a person) may start the set's function: nothing it sends is lost.
        m_link.leeren();
        m_out.event(QJsonObject{{QStringLiteral("event"), QStringLiteral("line")},
                                {QStringLiteral("port"), m_einst.rs232}});
        return true;
    }
    // The modem only says "?"; the trace should say which port would not open.
    if (m_trace.isOpen())
        m_trace.note(QStringLiteral("port \"%1\" cannot be opened").arg(m_einst.rs232));
    const TransferResult r = TransferResult::failed(QStringLiteral("RS232 readSettings()"),
                                                    QStringLiteral("Die RS232 ist nicht offen!"));
    transferEnded(r);
    m_out.message(QStringLiteral("Port \"%1\"").arg(m_einst.rs232));
    return false;
}

void CliRun::closeLine() {
    if (m_modem.isOpen())
        m_modem.closePort();
    m_link.setOpen(false);
}

// ---- endings -----------------------------------------------------------------------------

int CliRun::fileFailed(const TransferResult& r) {
    // The window shows the box and writes the same text into its log.
    m_out.message(Output::plain(r.text));
    m_out.log(r.text);
    m_result.insert(QStringLiteral("status"), QStringLiteral("failed"));
    m_result.insert(QStringLiteral("title"), r.title);
    m_result.insert(QStringLiteral("text"), r.text);
    return Usage;
}

int CliRun::saveFailed(const QString& path) {
    return fileFailed(TransferResult::failed(
        QStringLiteral("Speichern fehlgeschlagen!"),
        QStringLiteral("Datei \"%1\" kann nicht geschrieben werden!").arg(path)));
}

void CliRun::logFertig(const TransferResult& r, const char* name) {
    if (r.failed())
        m_out.log(r.text);
    m_out.log(QStringLiteral("%1() Fertig!").arg(QLatin1String(name)));
}

int CliRun::transferEnded(const TransferResult& r) {
    m_result.insert(QStringLiteral("status"), statusText(r));
    if (r.ok())
        return Done;
    if (r.wasCanceled())
        return interrupted();
    m_out.message(Output::plain(r.text));
    m_result.insert(QStringLiteral("title"), r.title);
    m_result.insert(QStringLiteral("text"), r.text);
    return DeviceFailed;
}

int CliRun::interrupted() {
    m_result.insert(QStringLiteral("status"), QStringLiteral("canceled"));
    m_out.message(QStringLiteral("Abgebrochen."));
    return DeviceFailed;
}

// ---- loads -------------------------------------------------------------------------------

LogSink CliRun::logSink() {
    return [this](const QString& s) { m_out.log(s); };
}

FailSink CliRun::failSink() {
    return [this](const TransferResult& r) { fileFailed(r); };
}

bool CliRun::loadParameters(const QStringList* alreadyRead) {
    const QString path = m_einst.parameterfilename[size_t(m_vesknr)];
    QStringList zeilen;
    if (alreadyRead) {
        zeilen = *alreadyRead;
    } else if (!readParameterLines(path, &zeilen)) {
        fileFailed(dateiNichtGefunden(path));
        return false;
    }
    m_out.log(parameterFileLogLine(int(zeilen.size())));
    applyParameterLines(m_tabelle, zeilen, false, logSink());
    return true;
}

bool CliRun::loadDataSet(DownloadImage& image, bool withParameters) {
    const auto p = size_t(m_vesknr);
    DatensatzDateien dateien;
    dateien.firmware = m_einst.dspcodefilename[p];
    dateien.filterlist = m_einst.filterfilename[p];
    dateien.veskpfad = m_einst.veskpfad[p];
    QStringList dspzeilen, filterliste;
    const DatensatzStatus status =
        ladeDatensatz(image, &dspzeilen, &filterliste, dateien, logSink(), failSink());
    if (status == DatensatzStatus::Abgebrochen)
        return false;
    // The parameter file is read even after a missing filter, as the window reads it: its
    // lines and its box belong to the log of this load.
    const bool parameterOk = !withParameters || loadParameters();
    return parameterOk && status == DatensatzStatus::Geladen;
}

bool CliRun::loadTestFirmware(DownloadImage& image) {
    const QString path = m_einst.testfilename[size_t(m_vesknr)];
    QStringList dspzeilen;
    if (!readFirmwareFile(path, &dspzeilen, logSink())) {
        fileFailed(dateiNichtGefunden(path));
        return false;
    }
    image.checksumme = 0;
    image.clear();
    image.dspfileparsen(dspzeilen, logSink());
    image.checksummeanhaengen(logSink());
    return true;
}

bool CliRun::writeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

std::unique_ptr<ConsoleProgress> CliRun::progress(const QString& label, int minimum, int maximum,
                                                  double msPerStep, const QString& unit) {
    return std::make_unique<ConsoleProgress>(m_out, m_interrupt, label, minimum, maximum, unit,
                                             msPerStep);
}

double CliRun::byteMs(int delayMs) {
    return qMax(double(delayMs), 11.0 * 1000.0 / 9600.0);
}

TransferResult CliRun::sendFrames(const QList<std::pair<int, int>>& frames, int closing,
                                  const QString& label) {
    download::TransferGuard guard(m_link);
    if (!guard.acquired())
        return download::besetzt();
    auto p = progress(label, 0, int(frames.size()), 3 * byteMs(m_link.paramDelay()),
                      QStringLiteral("Frames"));
    bool canceled = false;
    for (qsizetype i = 0; i < frames.size(); ++i) {
        p->setValue(int(i));
        const bool schluss = i >= frames.size() - closing;
        if (p->wasCanceled() && !schluss) {
            canceled = true;
            continue;
        }
        m_link.dspframe(frames[i].first, frames[i].second);
    }
    p->setValue(int(frames.size()));
    p->finish();
    // Frames to a port that went away are lost without a word; say so.
    if (download::leitungWeg(m_link))
        return download::unterbrochen();
    return canceled ? TransferResult::canceled() : TransferResult::done();
}

// ---- commands ----------------------------------------------------------------------------

int CliRun::run() {
    m_result.insert(QStringLiteral("command"), m_options.command);
    if (!loadConfig())
        return Usage;
    if (!m_options.trace.isEmpty()) {
        const QString path = absolute(m_options.trace);
        if (!m_trace.open(path))
            return saveFailed(path);
        m_trace.attach(&m_modem);
        m_result.insert(QStringLiteral("trace"), path);
    }
    using Handler = int (*)(CliRun&);
    static const QList<std::pair<QLatin1String, Handler>> handlers{
        {QLatin1String("image"), [](CliRun& r) { return r.image(false); }},
        {QLatin1String("test-image"), [](CliRun& r) { return r.image(true); }},
        {QLatin1String("dsp-download"), [](CliRun& r) { return r.dspDownload(false); }},
        {QLatin1String("test-download"), [](CliRun& r) { return r.dspDownload(true); }},
        {QLatin1String("pic-download"), [](CliRun& r) { return r.picDownload(); }},
        {QLatin1String("eeprom-backup"), [](CliRun& r) { return r.eepromBackup(); }},
        {QLatin1String("eeprom-restore"), [](CliRun& r) { return r.eepromRestore(); }},
        {QLatin1String("params-send"), [](CliRun& r) { return r.paramsSend(); }},
        {QLatin1String("params-readback"), [](CliRun& r) { return r.paramsReadback(); }},
        {QLatin1String("eq-send"), [](CliRun& r) { return r.eqSend(); }},
        {QLatin1String("command"), [](CliRun& r) { return r.command(); }},
        {QLatin1String("monitor"), [](CliRun& r) { return r.monitor(); }},
    };
    int rc = Usage;
    for (const auto& [name, handler] : handlers)
        if (m_options.command == name)
            rc = handler(*this);
    closeLine();
    if (rc == Done && !m_trace.errorText().isEmpty())
        rc = saveFailed(m_trace.fileName());
    if (!m_result.contains(QStringLiteral("status")))
        m_result.insert(QStringLiteral("status"),
                        rc == Done ? QStringLiteral("done") : QStringLiteral("failed"));
    return rc;
}

int CliRun::image(bool test) {
    const QString out = absolute(m_options.args.at(0));
    DownloadImage image;
    const bool ok = test ? loadTestFirmware(image) : loadDataSet(image, false);
    // An image with a filter missing would load a DSP without it: nothing is written.
    if (!ok) {
        m_out.log(QStringLiteral("Datensatz nicht vollstaendig geladen - nichts geschrieben!"));
        return Usage;
    }
    if (!writeFile(out, image.buffer))
        return saveFailed(out);
    m_out.log(QStringLiteral("Download-Image: %1 Bytes in Datei \"%2\" gespeichert")
                  .arg(image.buffer.size())
                  .arg(out));
    m_result.insert(QStringLiteral("file"), out);
    m_result.insert(QStringLiteral("bytes"), image.buffer.size());
    m_result.insert(QStringLiteral("checksum"), image.checksumme);
    m_result.insert(QStringLiteral("status"), QStringLiteral("done"));
    return Done;
}

int CliRun::dspDownload(bool test) {
    const Hinweis h = test ? hinweis::testLaden() : hinweis::dspLaden();
    m_out.box(h.titel, h.text);
    m_out.log(kTrenner);
    DownloadImage image;
    const bool ok = test ? loadTestFirmware(image) : loadDataSet(image, true);
    // A set that did not load completely would send an image the user never chose.
    if (!ok) {
        m_out.log(QStringLiteral("Datensatz nicht vollstaendig geladen - nichts gesendet!"));
        return Usage;
    }
    if (m_interrupt.triggered())
        return interrupted();
    if (!openLine())
        return DeviceFailed;
    m_result.insert(QStringLiteral("bytes"), image.buffer.size());
    auto p = progress(QStringLiteral("DSP-FW Laden"), 0, int(image.buffer.size()),
                      byteMs(m_link.dspDelay()));
    const TransferResult r = download::buffer2dsp(m_link, image.buffer, *p, logSink());
    p->finish();
    logFertig(r, "buffer2dsp");
    if (!r.ok() || test)
        return transferEnded(r);
    // The freshly started DSP gets the user parameters of bank Gruen in SSB, as the panel
    // shows them after a load.
    const TransferResult rp = sendFrames(
        parameter::parameterFrames(m_tabelle, parameter::Modus::Ssb, parameter::Bank::Gruen, false),
        1, QStringLiteral("Parameter-Laden"));
    logFertig(rp, "parameter2dsp");
    return transferEnded(rp);
}

int CliRun::picDownload() {
    const bool nurParameter = m_options.paramsOnly;
    const Hinweis h = nurParameter ? hinweis::par2pic() : hinweis::picLaden();
    m_out.box(h.titel, h.text);
    m_out.log(kTrenner);
    // The whole set is read although only the parameters may go out: the table must be the
    // one of this set.
    DownloadImage image;
    if (!loadDataSet(image, true)) {
        m_out.log(QStringLiteral("Datensatz nicht vollstaendig geladen - nichts gesendet!"));
        return Usage;
    }
    if (m_interrupt.triggered())
        return interrupted();
    if (!openLine())
        return DeviceFailed;
    if (!nurParameter) {
        auto p = progress(QStringLiteral("DSP-FW in PIC Laden"), 0, int(image.buffer.size()),
                          byteMs(m_link.picDelay()) + byteMs(0));
        const TransferResult r = download::buffer2pic_alt(m_link, image.buffer, *p, logSink());
        p->finish();
        logFertig(r, "buffer2pic_alt");
        // After a failed image the PIC is not where the block expects it: the block would
        // only run into the next echo error or wait for ever.
        if (!r.ok())
            return transferEnded(r);
    }
    auto p = progress(QStringLiteral("Parameter -> VESK (Ruvado)"), 0,
                      download::kParameterBlockGroesse, byteMs(m_link.picDelay()) + byteMs(0));
    const TransferResult r = download::parameter2pic_alt(m_link, m_tabelle, *p, logSink());
    p->finish();
    logFertig(r, "parameter2pic_alt");
    return transferEnded(r);
}

int CliRun::eepromBackup() {
    const QString out = absolute(m_options.args.at(0));
    const Hinweis h = hinweis::eeSichern();
    m_out.box(h.titel, h.text);
    // Written beside the old file and put in its place only when the dump is complete: a
    // backup that fails leaves an older one of the same name as it was.
    QSaveFile file(out);
    if (!file.open(QIODevice::WriteOnly))
        return saveFailed(out);
    if (m_interrupt.triggered()) {
        file.cancelWriting();
        return interrupted();
    }
    if (!openLine()) {
        file.cancelWriting();
        return DeviceFailed;
    }
    auto p = progress(QStringLiteral("ExEeprom in Datei Speichern"), 0,
                      download::kEepromGroesse - 1, byteMs(0));
    QByteArray data;
    const TransferResult r = download::eepromsichern(m_link, *p, &data);
    p->finish();
    m_result.insert(QStringLiteral("bytes"), data.size());
    if (r.failed()) {
        file.cancelWriting();
        m_out.log(r.text);
        m_out.log(QStringLiteral(
                      "Eeprom-Sicherung: nach %1 von %2 Bytes nichts gespeichert, Datei \"%3\" "
                      "unveraendert")
                      .arg(data.size())
                      .arg(download::kEepromGroesse)
                      .arg(out));
        return transferEnded(r);
    }
    if (r.wasCanceled()) {
        // What arrived is kept, under a name that says it is not the whole EEPROM; the file
        // the user named is not touched.
        file.cancelWriting();
        const QString partial = out + QStringLiteral(".partial");
        if (!writeFile(partial, data))
            return saveFailed(partial);
        m_out.log(download::sicherungUnvollstaendig(partial, data.size()));
        m_out.message(QStringLiteral("Teilsicherung: %1 von %2 Bytes in Datei \"%3\"")
                          .arg(data.size())
                          .arg(download::kEepromGroesse)
                          .arg(partial));
        m_result.insert(QStringLiteral("file"), partial);
        m_result.insert(QStringLiteral("partial"), true);
        return transferEnded(r);
    }
    if (file.write(data) != data.size() || !file.commit())
        return saveFailed(out);
    m_out.log(QStringLiteral("Eeprom-Sicherung: %1 Bytes in Datei \"%2\" gespeichert")
                  .arg(data.size())
                  .arg(out));
    m_result.insert(QStringLiteral("file"), out);
    return transferEnded(r);
}

int CliRun::eepromRestore() {
    const QString in = absolute(m_options.args.at(0));
    // The EEPROM gets the named file or nothing.
    QFile file(in);
    QByteArray inhalt;
    if (!QFileInfo(in).isDir() && file.open(QIODevice::ReadOnly))
        inhalt = file.readAll();
    if (!file.isOpen() || file.error() != QFileDevice::NoError)
        return fileFailed(dateiNichtGefunden(in));
    const Hinweis h = hinweis::eeRestore();
    m_out.box(h.titel, h.text);
    if (m_interrupt.triggered())
        return interrupted();
    if (!openLine())
        return DeviceFailed;
    m_result.insert(QStringLiteral("file"), in);
    m_result.insert(QStringLiteral("bytes"), inhalt.size());
    auto p = progress(QStringLiteral("Daten in externen Eeprom Laden"), 0, int(inhalt.size()),
                      byteMs(m_link.picDelay()) + byteMs(0));
    const TransferResult r = download::buffer2pic_alt(m_link, inhalt, *p, logSink());
    p->finish();
    if (r.failed())
        m_out.log(r.text);
    if (r.ok())
        m_out.log(QStringLiteral("Eeprom-Wiederherstellung: %1 Bytes aus Datei \"%2\" gesendet")
                      .arg(inhalt.size())
                      .arg(in));
    return transferEnded(r);
}

int CliRun::paramsSend() {
    if (!loadParameters())
        return Usage;
    const auto modus =
        m_options.mode == QLatin1String("cw") ? parameter::Modus::Cw : parameter::Modus::Ssb;
    const auto bank = m_options.bank == QLatin1String("gelb")  ? parameter::Bank::Gelb
                      : m_options.bank == QLatin1String("rot") ? parameter::Bank::Rot
                                                               : parameter::Bank::Gruen;
    if (m_interrupt.triggered())
        return interrupted();
    if (!openLine())
        return DeviceFailed;
    const auto frames = parameter::parameterFrames(m_tabelle, modus, bank, false);
    m_result.insert(QStringLiteral("frames"), frames.size());
    const TransferResult r = sendFrames(frames, 1, QStringLiteral("Parameter-Laden"));
    logFertig(r, "parameter2dsp");
    return transferEnded(r);
}

int CliRun::paramsReadback() {
    const QString out = absolute(m_options.args.at(0));
    const Hinweis h = hinweis::param2pc();
    m_out.box(h.titel, h.text);
    // Both files are looked at before the set is asked to send: a read-back that could not
    // be stored afterwards would be for nothing.
    const QString path = m_einst.parameterfilename[size_t(m_vesknr)];
    QStringList zeilen;
    if (!readParameterLines(path, &zeilen))
        return fileFailed(dateiNichtGefunden(path));
    QSaveFile file(out);
    if (!file.open(QIODevice::WriteOnly))
        return saveFailed(out);
    if (m_interrupt.triggered()) {
        file.cancelWriting();
        return interrupted();
    }
    if (!openLine()) {
        file.cancelWriting();
        return DeviceFailed;
    }
    m_out.log(QStringLiteral("Parameter vom Vesk lesen"));
    m_out.log(kTrenner);
    auto p = progress(QStringLiteral("Parameter in Datei Speichern"), 0, parameter::kBereichGroesse,
                      byteMs(0));
    QByteArray empfang;
    const TransferResult r = parameter::bereichempfangen(m_link, *p, &empfang);
    p->finish();
    if (!r.ok()) {
        file.cancelWriting();
        if (r.failed())
            m_out.log(r.text);
        return transferEnded(r);
    }
    m_out.log(QStringLiteral("Fertig"));
    m_out.log(kTrenner);
    // The file gives names, scales, pages and X marks; the device's values then replace its
    // values of 10..99.
    loadParameters(&zeilen);
    parameter::uebernehmeBereich(m_tabelle, empfang.left(parameter::kBereichGroesse));
    const QByteArray bytes = parameter::parameterDatei(m_tabelle, parameter::DateiArt::User);
    if (file.write(bytes) != bytes.size() || !file.commit())
        return saveFailed(out);
    m_out.log(QStringLiteral("Parameter-Datei: %1 Bytes in Datei \"%2\" gespeichert")
                  .arg(bytes.size())
                  .arg(out));
    m_result.insert(QStringLiteral("file"), out);
    return transferEnded(r);
}

int CliRun::eqSend() {
    const bool rx = m_options.args.at(0) == QLatin1String("rx");
    const auto p = size_t(m_vesknr);
    const QString name = rx ? m_einst.rxeqfilename[p] : m_einst.txeqfilename[p];
    QFile file(name);
    if (QFileInfo(name).isDir() || !file.open(QIODevice::ReadOnly))
        return fileFailed(dateiNichtGefunden(name));
    // Sliders the file does not reach stay at 0 dB, where a fresh page has them.
    eqcurve::Curve curve{};
    const QList<int> werte = eqcurve::readCurve(file);
    for (qsizetype k = 0; k < werte.size() && k < eqcurve::kBands; ++k)
        curve[size_t(k)] = werte[k];
    if (m_interrupt.triggered())
        return interrupted();
    if (!openLine())
        return DeviceFailed;
    const eqcurve::Side side = rx ? eqcurve::Side::Rx : eqcurve::Side::Tx;
    const TransferResult r = sendFrames(eqcurve::curveFrames(side, curve), 1,
                                        rx ? QStringLiteral("RX Equalizer in DSP laden")
                                           : QStringLiteral("TX Equalizer in DSP laden"));
    if (r.failed())
        m_out.log(r.text);
    m_result.insert(QStringLiteral("file"), name);
    return transferEnded(r);
}

int CliRun::command() {
    const int nummer = dspbefehl::befehlsbyte(m_options.args.at(0));
    const int wert = dspbefehl::befehlsbyte(m_options.args.at(1));
    if (!openLine())
        return DeviceFailed;
    m_link.dspframe(nummer, wert);
    m_result.insert(QStringLiteral("frame"), QJsonArray{nummer, wert});
    return transferEnded(download::leitungWeg(m_link) ? download::unterbrochen()
                                                      : TransferResult::done());
}

int CliRun::monitor() {
    if (!openLine())
        return DeviceFailed;
    // A missing AD603 file leaves the table empty, as the window's monitor leaves it.
    Calcurve calcurve{};
    ad603dateilesen(m_einst.ad603filename[size_t(m_vesknr)], calcurve);
    m_link.dspframe(parameter::kCmdTelegramm, parameter::kTelegrammEin);
    // Whatever came before the telegrams were switched on is not one of them.
    m_link.leeren();
    Empfangsring ring;
    ring.neustart();
    TDspDaten daten;
    int anzahl = 0;
    TransferResult r;
    // The window's 100 ms poll: one read of what has come, one telegram at most.
    // A reader that has gone away ends the monitor as Ctrl-C does.
    const auto vorbei = [this] { return m_interrupt.triggered() || m_out.stdoutGone(); };
    while (!vorbei() && (m_options.count < 0 || anzahl < m_options.count)) {
        m_link.warten(100);
        if (download::leitungWeg(m_link)) {
            r = download::unterbrochen();
            break;
        }
        char buf[Empfangsring::groesse];
        const int n = m_link.readData(buf, int(sizeof buf));
        ring.aufnehmen(buf, n);
        if (const auto t = ring.telegrammsuchen()) {
            dspdatenfuellen(daten, *t, calcurve);
            m_out.log(telegrammZeile(daten));
            ++anzahl;
        }
    }
    m_result.insert(QStringLiteral("telegrams"), anzahl);
    if (r.failed())
        return transferEnded(r);
    m_link.leeren();
    m_link.dspframe(parameter::kCmdTelegramm, 1);
    // Without --count the interrupt is the way to end; with it, fewer telegrams than asked.
    if (vorbei() && m_options.count >= 0 && anzahl < m_options.count)
        return interrupted();
    return transferEnded(TransferResult::done());
}
