#include "clirun.h"

#include "app/configfile.h"
#include "control/dspbefehl.h"
#include "download/ladefehler.h"
#include "download/linereader.h"
#include "interrupt.h"
#include "link/portinfo.h"
#include "output.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

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

Geraet::Spalte spalte(const Options& o) {
    Geraet::Spalte s;
    s.modus = o.mode == QLatin1String("cw") ? parameter::Modus::Cw : parameter::Modus::Ssb;
    s.bank = o.bank == QLatin1String("gelb")  ? parameter::Bank::Gelb
             : o.bank == QLatin1String("rot") ? parameter::Bank::Rot
                                              : parameter::Bank::Gruen;
    return s;
}

} // namespace

CliRun::CliRun(const Options& options, Output& out, Interrupt& interrupt)
    : m_options(options), m_out(out), m_interrupt(interrupt), m_bediener(out, interrupt),
      m_startDir(QDir::currentPath()) {
    m_geraet.setBediener(&m_bediener);
    m_geraet.setOeffnenBeiBedarf(true);
    QObject::connect(&m_geraet, &Geraet::verbunden, &m_geraet, [this](const QString& text) {
        const QString port = m_geraet.einst.rs232;
        m_result.insert(QStringLiteral("port"), port);
        if (m_geraet.rs232offen()) {
            m_out.event(QJsonObject{{QStringLiteral("event"), QStringLiteral("line")},
                                    {QStringLiteral("port"), text}});
            return;
        }
        // The modem only says "?"; the trace should know which port it was and why. The
        // person reads the reason in the failure's message.
        if (m_trace.isOpen())
            m_trace.note(QStringLiteral("port \"%1\" cannot be opened: %2")
                             .arg(port, m_geraet.portfehler().text));
        m_result.insert(QStringLiteral("reason"),
                        portzugriff::schluessel(m_geraet.portfehler().grund));
    });
}

CliRun::~CliRun() {
    m_geraet.trennen();
}

QString CliRun::absolute(const QString& path) const {
    return QDir(m_startDir).absoluteFilePath(path);
}

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
        QByteArray inhalt;
        if (const LineReader::Fehler f = LineReader::dateiLesen(m_configPath, &inhalt);
            f != LineReader::Fehler::Keiner) {
            const TransferResult r = lesefehler(m_options.config, f);
            m_bediener.meldung(Bediener::Box::Kritisch, r.title, r.text);
            m_out.log(r.text);
            m_result.insert(QStringLiteral("status"), QStringLiteral("failed"));
            m_result.insert(QStringLiteral("title"), r.title);
            m_result.insert(QStringLiteral("text"), r.text);
            return false;
        }
        dir = QFileInfo(m_configPath).absolutePath();
    }
    m_result.insert(QStringLiteral("config"), m_configPath);
    ConfigFile cfg;
    cfg.load(m_configPath);
    m_geraet.einst.read(cfg, &m_geraet.vesknr);
    eepromSchalter(cfg);
    if (m_options.profile >= 0)
        m_geraet.vesknr = m_options.profile;
    if (!m_options.port.isEmpty())
        m_geraet.einst.rs232 = m_options.port;
    m_result.insert(QStringLiteral("profile"), m_geraet.vesknr + 1);
    // The data file names of the configuration are relative to its folder, as the window
    // takes them from its own working folder.
    QDir::setCurrent(dir);
    return true;
}

int CliRun::saveFailed(const QString& path) {
    return ended(m_geraet.speicherfehler(path));
}

int CliRun::ended(const TransferResult& r) {
    pruefungErgebnis();
    const Geraet::Vorgang& v = m_geraet.vorgang();
    if (!v.datei.isEmpty())
        m_result.insert(QStringLiteral("file"), v.datei);
    if (v.bytes >= 0)
        m_result.insert(QStringLiteral("bytes"), v.bytes);
    if (!m_bediener.warnung().isEmpty())
        m_result.insert(QStringLiteral("warning"), m_bediener.warnung());
    if (v.teil) {
        m_result.insert(QStringLiteral("partial"), true);
        m_out.message(QStringLiteral("Teilsicherung: %1 von %2 Bytes in Datei \"%3\"")
                          .arg(v.bytes)
                          .arg(65536)
                          .arg(v.datei));
    }
    if (r.ok()) {
        m_result.insert(QStringLiteral("status"), QStringLiteral("done"));
        return Done;
    }
    if (r.wasCanceled()) {
        m_result.insert(QStringLiteral("status"), QStringLiteral("canceled"));
        m_out.message(QStringLiteral("Abgebrochen."));
        return DeviceFailed;
    }
    m_result.insert(QStringLiteral("status"), QStringLiteral("failed"));
    if (!m_geraet.rs232offen() && m_geraet.portfehler().grund != portzugriff::Grund::Keiner)
        portsAfterFailure();
    // The session showed the failure's box; a failure it only returned is said here.
    if (!r.text.isEmpty() && r.text != m_bediener.text())
        m_out.message(Output::plain(r.text));
    const QString titel = r.text.isEmpty() ? m_bediener.titel() : r.title;
    const QString text = r.text.isEmpty() ? m_bediener.text() : r.text;
    m_result.insert(QStringLiteral("title"), titel);
    m_result.insert(QStringLiteral("text"), text);
    return r.datei ? Usage : DeviceFailed;
}

int CliRun::run() {
    m_result.insert(QStringLiteral("command"), m_options.command);
    // Listing the ports needs neither the configuration nor the line.
    if (m_options.command == QLatin1String("ports"))
        return ports();
    if (!loadConfig())
        return Usage;
    if (!m_options.trace.isEmpty()) {
        const QString path = absolute(m_options.trace);
        // A trace in place of a file this command reads or writes would destroy it.
        if (const QString gelesen = gleicheWie(path); !gelesen.isEmpty()) {
            TransferResult r = TransferResult::failed(
                QStringLiteral("Speichern fehlgeschlagen!"),
                QStringLiteral("Der Trace \"%1\" ist die Datei \"%2\" dieses Befehls und wird "
                               "nicht ersetzt!")
                    .arg(path, gelesen));
            r.datei = true;
            m_bediener.meldung(Bediener::Box::Kritisch, r.title, r.text);
            return ended(r);
        }
        if (!m_trace.open(path))
            return saveFailed(path);
        m_trace.attach(m_geraet.modem());
        m_result.insert(QStringLiteral("trace"), path);
    }
    const QString arg0 = m_options.args.isEmpty() ? QString() : m_options.args.at(0);
    using Handler = int (*)(CliRun&, const QString&);
    static const QList<std::pair<QLatin1String, Handler>> handlers{
        {QLatin1String("image"), [](CliRun& c, const QString& a) { return c.image(false, a); }},
        {QLatin1String("test-image"), [](CliRun& c, const QString& a) { return c.image(true, a); }},
        {QLatin1String("dsp-download"),
         [](CliRun& c, const QString&) {
             // The freshly started DSP gets the user parameters of bank Gruen in SSB, as the
             // panel shows them after a load.
             return c.ended(c.m_geraet.dspLaden(Geraet::Spalte{}));
         }},
        {QLatin1String("test-download"),
         [](CliRun& c, const QString&) { return c.ended(c.m_geraet.testLaden()); }},
        {QLatin1String("pic-download"),
         [](CliRun& c, const QString&) {
             return c.ended(c.m_geraet.picLaden(c.m_options.paramsOnly));
         }},
        {QLatin1String("eeprom-backup"),
         [](CliRun& c, const QString& a) {
             return c.ended(c.m_geraet.eepromSichern(c.absolute(a)));
         }},
        {QLatin1String("eeprom-restore"),
         [](CliRun& c, const QString& a) {
             return c.ended(c.m_geraet.eepromWiederherstellen(c.absolute(a)));
         }},
        {QLatin1String("eeprom-verify"),
         [](CliRun& c, const QString& a) {
             return c.ended(c.m_geraet.eepromVergleichen(c.absolute(a)));
         }},
        {QLatin1String("params-send"),
         [](CliRun& c, const QString&) {
             const TransferResult r = c.m_geraet.parameterDateiSenden(spalte(c.m_options));
             if (c.m_geraet.vorgang().frames >= 0)
                 c.m_result.insert(QStringLiteral("frames"), c.m_geraet.vorgang().frames);
             return c.ended(r);
         }},
        {QLatin1String("params-readback"),
         [](CliRun& c, const QString& a) {
             return c.ended(c.m_geraet.parameterLesen(c.absolute(a)));
         }},
        {QLatin1String("eq-send"),
         [](CliRun& c, const QString& a) {
             return c.ended(c.m_geraet.eqDateiSenden(a == QLatin1String("rx") ? eqcurve::Side::Rx
                                                                              : eqcurve::Side::Tx));
         }},
        {QLatin1String("command"),
         [](CliRun& c, const QString& a) {
             const int nummer = dspbefehl::befehlsbyte(a);
             const int wert = dspbefehl::befehlsbyte(c.m_options.args.at(1));
             const TransferResult r = c.m_geraet.befehl(nummer, wert);
             if (c.m_geraet.rs232offen())
                 c.m_result.insert(QStringLiteral("frame"), QJsonArray{nummer, wert});
             return c.ended(r);
         }},
        {QLatin1String("monitor"), [](CliRun& c, const QString&) { return c.monitor(); }},
    };
    int rc = Usage;
    for (const auto& [name, handler] : handlers)
        if (m_options.command == name)
            rc = handler(*this, arg0);
    m_geraet.trennen();
    if (rc == Done && !m_trace.errorText().isEmpty())
        rc = saveFailed(m_trace.fileName());
    if (!m_result.contains(QStringLiteral("status")))
        m_result.insert(QStringLiteral("status"),
                        rc == Done ? QStringLiteral("done") : QStringLiteral("failed"));
    return rc;
}

QString CliRun::gleicheWie(const QString& trace) const {
    QStringList dateien{m_configPath};
    static const QStringList mitDatei{"image",          "test-image",    "eeprom-backup",
                                      "eeprom-restore", "eeprom-verify", "params-readback"};
    if (!m_options.args.isEmpty() && mitDatei.contains(m_options.command))
        dateien << absolute(m_options.args.at(0));
    const TEinstellungen& e = m_geraet.einst;
    const size_t p = size_t(m_geraet.profil());
    for (const TEinstellungen::Profile* name :
         {&e.dspcodefilename, &e.filterfilename, &e.parameterfilename, &e.xparameterfilename,
          &e.rxeqfilename, &e.txeqfilename, &e.ad603filename, &e.standardparameterfilename,
          &e.scalfilename, &e.testfilename})
        if (!(*name)[p].isEmpty())
            dateien << QFileInfo((*name)[p]).absoluteFilePath();
    for (const QString& d : std::as_const(dateien)) {
#ifdef Q_OS_UNIX
        // Another name for the same file (a link, "./", another path) is the same file.
        struct stat a {
        }, b{};
        if (::stat(QFile::encodeName(trace).constData(), &a) == 0 &&
            ::stat(QFile::encodeName(d).constData(), &b) == 0 && a.st_dev == b.st_dev &&
            a.st_ino == b.st_ino)
            return d;
#else
        const QString c = QFileInfo(trace).canonicalFilePath();
        if (!c.isEmpty() && c == QFileInfo(d).canonicalFilePath())
            return d;
#endif
    }
    return {};
}

int CliRun::image(bool test, const QString& arg) {
    const TransferResult r = m_geraet.bildSchreiben(test, absolute(arg));
    if (r.ok())
        m_result.insert(QStringLiteral("checksum"), m_geraet.vorgang().checksumme);
    return ended(r);
}

int CliRun::monitor() {
    // A reader that has gone away ends the monitor as Ctrl-C does.
    const auto vorbei = [this] { return m_interrupt.triggered() || m_out.stdoutGone(); };
    const TransferResult r = m_geraet.monitorLauf(
        m_options.count, vorbei, [this](const TDspDaten& d) { m_out.log(telegrammZeile(d)); });
    m_result.insert(QStringLiteral("telegrams"), qMax(0, m_geraet.vorgang().frames));
    // Telegrams nobody can read are lost: that is a failure, not an end by request.
    if (r.ok() && m_out.stdoutGone() && !m_interrupt.triggered()) {
        m_out.message(QStringLiteral("Die Ausgabe kann nicht geschrieben werden!"));
        m_result.insert(QStringLiteral("status"), QStringLiteral("failed"));
        return DeviceFailed;
    }
    // Without --count the interrupt is the way to end.
    return ended(r);
}

void CliRun::eepromSchalter(const ConfigFile& cfg) {
    // The window's switches around an EEPROM write hold here as the configuration file has
    // them. A file that does not name them (a script's own, or one from before they existed)
    // leaves them off, so that no script suddenly waits for a dump nobody starts; the flags
    // turn them on whatever the file says.
    TEinstellungen& e = m_geraet.einst;
    const auto schalter = [&cfg](const char* key, bool* wert, bool erzwungen) {
        if (cfg.readString(QLatin1String(key), {}).isEmpty())
            *wert = false;
        if (erzwungen)
            *wert = true;
    };
    schalter(TEinstellungen::kNachSchreibenVergleichen, &e.nachschreibenvergleichen,
             m_options.verify);
    schalter(TEinstellungen::kVorWiederherstellungSichern, &e.vorwiederherstellungsichern,
             m_options.backupFirst);
    schalter(TEinstellungen::kVorPicLadenSichern, &e.vorpicladensichern, m_options.backupFirst);
}

void CliRun::pruefungErgebnis() {
    QJsonArray abdruecke;
    for (const Geraet::Fingerabdruck& f : m_geraet.fingerabdruecke()) {
        QJsonObject o{{QStringLiteral("kind"), f.art},
                      {QStringLiteral("bytes"), f.bytes},
                      {QStringLiteral("sha256"), f.sha256}};
        if (!f.datei.isEmpty())
            o.insert(QStringLiteral("file"), f.datei);
        abdruecke.append(o);
    }
    if (!abdruecke.isEmpty())
        m_result.insert(QStringLiteral("fingerprints"), abdruecke);
    if (!m_geraet.sicherung().isEmpty())
        m_result.insert(QStringLiteral("backup"), m_geraet.sicherung());
    if (const auto& v = m_geraet.vergleich()) {
        QJsonArray erste;
        for (const download::EepromVergleich::Abweichung& a : v->erste())
            erste.append(QJsonObject{{QStringLiteral("address"), a.adresse},
                                     {QStringLiteral("file"), a.datei},
                                     {QStringLiteral("eeprom"), a.eeprom}});
        m_result.insert(QStringLiteral("equal"), v->gleich());
        m_result.insert(QStringLiteral("differences"), v->unterschiede());
        m_result.insert(QStringLiteral("firstDifferences"), erste);
        m_result.insert(QStringLiteral("bytesCompared"), v->verglichen());
        m_result.insert(QStringLiteral("shortFile"), v->kuerzer());
    }
}

int CliRun::ports() {
    const QList<PortInfo> ports = PortInfo::systemPorts();
    if (m_options.json) {
        m_out.log(
            QString::fromUtf8(QJsonDocument(PortInfo::json(ports)).toJson(QJsonDocument::Compact)));
    } else {
        for (const PortInfo& p : ports)
            m_out.log(p.zeile());
        if (ports.isEmpty())
            m_out.message(QStringLiteral("Das System meldet keine seriellen Ports."));
    }
    m_result.insert(QStringLiteral("status"), QStringLiteral("done"));
    m_result.insert(QStringLiteral("count"), int(ports.size()));
    return Done;
}

void CliRun::portsAfterFailure() {
    const QList<PortInfo> ports = PortInfo::systemPorts();
    m_result.insert(QStringLiteral("ports"), PortInfo::json(ports));
    if (ports.isEmpty()) {
        m_out.message(QStringLiteral("Das System meldet keine seriellen Ports."));
        return;
    }
    m_out.message(QStringLiteral("Das System meldet diese seriellen Ports:"));
    for (const PortInfo& p : ports)
        m_out.message(QStringLiteral("  ") + p.zeile());
}
