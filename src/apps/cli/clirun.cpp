#include "clirun.h"

#include "app/configfile.h"
#include "app/dateirollen.h"
#include "commands.h"
#include "download/ladefehler.h"
#include "download/linereader.h"
#include "interrupt.h"
#include "link/portinfo.h"
#include "output.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

CliRun::CliRun(const Options& options, Output& out, Interrupt& interrupt)
    : m_options(options), m_out(out), m_interrupt(interrupt), m_bediener(out, interrupt),
      m_startDir(QDir::currentPath()) {
    m_geraet.setBediener(&m_bediener);
    m_geraet.setOeffnenBeiBedarf(true);
    QObject::connect(&m_geraet, &Geraet::verbunden, &m_geraet, [this](const QString& text) {
        const QString port = m_geraet.einstellungen().rs232;
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
        // A line that dropped has no reason of a port that would not open.
        if (m_geraet.portfehler().grund != portzugriff::Grund::Keiner)
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
            keineKonfiguration(dir);
    } else {
        m_configPath = absolute(m_options.config);
        dir = QFileInfo(m_configPath).absolutePath();
    }
    // A configuration named, or one that is there, is read or the run ends: defaults in
    // place of a file that could not be read would open a port nobody configured.
    QByteArray inhalt;
    if (!m_options.config.isEmpty() || QFileInfo::exists(m_configPath) ||
        QFileInfo(m_configPath).isSymLink()) {
        if (const LineReader::Fehler f = LineReader::dateiLesen(m_configPath, &inhalt);
            f != LineReader::Fehler::Keiner) {
            const TransferResult r =
                lesefehler(m_options.config.isEmpty() ? m_configPath : m_options.config, f);
            m_bediener.meldung(Bediener::Box::Kritisch, r.title, r.text);
            m_out.log(r.text);
            m_result.insert(QStringLiteral("status"), QStringLiteral("failed"));
            m_result.insert(QStringLiteral("title"), r.title);
            m_result.insert(QStringLiteral("text"), r.text);
            return false;
        }
    }
    m_result.insert(QStringLiteral("config"), m_configPath);
    ConfigFile cfg;
    cfg.loadData(inhalt);
    TEinstellungen e;
    int profil = 0;
    e.read(cfg, &profil);
    eepromSchalter(cfg, e);
    if (m_options.profile >= 0)
        profil = m_options.profile;
    if (!m_options.port.isEmpty())
        e.rs232 = m_options.port;
    // The data file names of the configuration are relative to its folder, as the window
    // takes them from its own working folder. A folder that is not there (no ~/vantrel
    // yet) is where they are looked for all the same, never the folder the run began in.
    const bool ordnerDa = QFileInfo(dir).isDir();
    if (!ordnerDa)
        Geraet::namenIn(e, dir);
    m_geraet.setEinstellungen(e, profil);
    m_result.insert(QStringLiteral("profile"), m_geraet.profil() + 1);
    if (ordnerDa)
        QDir::setCurrent(dir);
    return true;
}

void CliRun::keineKonfiguration(const QString& dir) {
    // Said once, on stderr: the run goes on with the defaults, which name bare files in dir.
    QString text = QCoreApplication::translate(
                       "talvaro-cli",
                       "Keine Konfiguration \"%1\": es gelten die Vorgaben, Dateinamen werden im "
                       "Ordner \"%2\" gesucht.\nEine Konfiguration legt talvaro-loader an (Menue "
                       "\"Einstellungen\", Profil und Dateien waehlen, OK).")
                       .arg(m_configPath, dir);
    const QString sim = QDir(dir).filePath(QStringLiteral("vantrel-sim.cfg"));
    text += QLatin1Char('\n') +
            (QFileInfo::exists(sim)
                 ? QCoreApplication::translate("talvaro-cli",
                                               "Ohne Talvaro: talvaro-sim starten, dann "
                                               "talvaro-cli --config %1 --port PORT BEFEHL (PORT "
                                               "nennt talvaro-sim in der ersten Zeile).")
                       .arg(sim)
                 : QCoreApplication::translate("talvaro-cli",
                                               "Ohne Talvaro: \"talvaro-loader --simulate\" legt "
                                               "beim ersten Start %1 an; mit talvaro-sim dann "
                                               "talvaro-cli --config %1 --port PORT BEFEHL.")
                       .arg(sim));
    m_out.message(text);
    m_result.insert(QStringLiteral("warning"), text);
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
        m_out.message(QCoreApplication::translate("talvaro-cli",
                                                  "Teilsicherung: %1 von %2 Bytes in Datei \"%3\"")
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
        // A signal ends the run only where it is safe: a parameter block has been sent to its
        // end by now, and the person is told the run did not finish as asked.
        const QString text =
            m_interrupt.triggered()
                ? QCoreApplication::translate("talvaro-cli", "Der Lauf wurde unterbrochen.")
                : QCoreApplication::translate("talvaro-cli", "Abgebrochen.");
        m_out.message(text);
        // What the cancel left behind (an EEPROM partly overwritten) comes first.
        if (!r.title.isEmpty())
            m_result.insert(QStringLiteral("title"), r.title);
        m_result.insert(QStringLiteral("text"),
                        r.text.isEmpty() ? text : Output::plain(r.text) + QLatin1Char('\n') + text);
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
    const Command* command = commands::finden(m_options.command);
    if (!command)
        return Usage;
    if (command->konfiguration) {
        if (!loadConfig())
            return Usage;
        // Before the first byte goes out or the first file is written: nothing the run
        // writes may be a file it reads, under whatever name.
        if (const QString konflikt = dateikonflikt(*command); !konflikt.isEmpty()) {
            TransferResult r = TransferResult::failed(
                QCoreApplication::translate("vantrel", "Speichern fehlgeschlagen!"), konflikt);
            r.datei = true;
            m_bediener.meldung(Bediener::Box::Kritisch, r.title, r.text);
            return ended(r);
        }
        if (!m_options.trace.isEmpty()) {
            const QString path = absolute(m_options.trace);
            if (!m_trace.open(path))
                return saveFailed(path);
            m_geraet.mitschreiben(m_trace);
            m_result.insert(QStringLiteral("trace"), path);
        }
    }
    int rc = command->run(*this);
    m_geraet.trennen();
    // The trace takes its name now that it is whole; one that could not be written keeps
    // the old trace and stays beside it.
    m_trace.close();
    if (rc == Done && !m_trace.errorText().isEmpty())
        rc = saveFailed(m_trace.fileName());
    if (!m_result.contains(QStringLiteral("status")))
        m_result.insert(QStringLiteral("status"),
                        rc == Done ? QStringLiteral("done") : QStringLiteral("failed"));
    return rc;
}

QString CliRun::dateikonflikt(const Command& command) const {
    Dateirollen rollen;
    rollen.gelesen(m_configPath, QCoreApplication::translate("vantrel", "die Konfiguration"));
    m_geraet.dateienSammeln(rollen, m_geraet.profil());
    for (qsizetype i = 0; i < command.argumente.size() && i < m_options.args.size(); ++i) {
        const QString pfad = absolute(m_options.args.at(i));
        if (command.argumente.at(i).datei == Command::Datei::Liest)
            rollen.gelesen(pfad,
                           QCoreApplication::translate("vantrel", "die Eingabe dieses Befehls"));
        else if (command.argumente.at(i).datei != Command::Datei::Keine)
            rollen.geschrieben(
                pfad, QCoreApplication::translate("vantrel", "die Ausgabe dieses Befehls"));
        if (command.argumente.at(i).datei == Command::Datei::SchreibtDump)
            rollen.geschrieben(
                pfad + QStringLiteral(".partial"),
                QCoreApplication::translate("vantrel", "die Teilsicherung dieses Befehls"));
    }
    if (!m_options.trace.isEmpty())
        rollen.geschrieben(absolute(m_options.trace),
                           QCoreApplication::translate("vantrel", "der Trace"));
    return rollen.konflikt();
}

void CliRun::eepromSchalter(const ConfigFile& cfg, TEinstellungen& e) {
    // The window's switches around an EEPROM write hold here as the configuration file has
    // them. A file that does not name them (a script's own, or one from before they existed)
    // leaves them off, so that no script suddenly waits for a dump nobody starts; the flags
    // turn them on whatever the file says.
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

void CliRun::portsAfterFailure() {
    const QList<PortInfo> ports = PortInfo::systemPorts();
    m_result.insert(QStringLiteral("ports"), PortInfo::json(ports));
    if (ports.isEmpty()) {
        m_out.message(
            QCoreApplication::translate("talvaro-cli", "Das System meldet keine seriellen Ports."));
        return;
    }
    m_out.message(
        QCoreApplication::translate("talvaro-cli", "Das System meldet diese seriellen Ports:"));
    for (const PortInfo& p : ports)
        m_out.message(QStringLiteral("  ") + p.zeile());
}
