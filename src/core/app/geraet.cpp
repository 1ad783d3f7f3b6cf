#include "app/geraet.h"

#include "app/bediener.h"
#include "app/dateischreiben.h"
#include "control/dspbefehl.h"
#include "download/datensatz.h"
#include "download/dspdownload.h"
#include "download/eeprombackup.h"
#include "download/firmwarefile.h"
#include "download/hinweistexte.h"
#include "download/ladefehler.h"
#include "download/linereader.h"
#include "download/picdownload.h"
#include "download/picparameterblock.h"
#include "download/transferhelfer.h"
#include "link/leitungswache.h"
#include "link/link.h"
#include "link/modem.h"
#include "link/progress.h"
#include "parameters/parametereditor.h"
#include "parameters/parameterempfang.h"
#include "parameters/parameterfile.h"
#include "parameters/parameterwriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTimer>

namespace {

QString trennlinie() {
    return QStringLiteral("---------------------------------");
}

} // namespace

Geraet::Geraet(QObject* parent) : QObject(parent) {
    m_modem = new Modem(this);
    m_link = new Link(m_modem, this);
    m_wache = new Leitungswache(
        m_modem, m_link, [this] { return einst.rs232; }, this);
    connect(m_wache, &Leitungswache::wieder, this, [this](const QString& port) {
        log(QCoreApplication::translate("vantrel", "Die RS232 %1 ist wieder offen.").arg(port));
        emit verbunden(port);
    });
    resetParameterTabelle(parametertabelle);
    strombauen();
}

Geraet::~Geraet() {
    // The Link must not reach a modem that is being torn down.
    m_link->setModem(nullptr);
}

// ---- line ----------------------------------------------------------------------------------

bool Geraet::rs232offen() const {
    return m_link->isOpen();
}

bool Geraet::verbinden() {
    m_link->setDelays(einst.picrs232writetime, einst.dsprs232writetime, einst.paramrs232writetime);
    m_modem->closePort();
    m_link->setOpen(m_modem->openPort(einst.rs232));
    m_wache->geoeffnet(einst.rs232, rs232offen());
    m_portfehler = {};
    if (!rs232offen()) {
        m_portfehler = portzugriff::diagnose(*m_modem, einst.rs232);
        if (m_portfehler.grund == portzugriff::Grund::Keiner)
            m_portfehler = portzugriff::diagnose(einst.rs232, QSerialPort::UnknownError,
                                                 m_modem->port()->errorString());
    }
    emit verbunden(rs232offen() ? einst.rs232 : QStringLiteral("?"));
    return rs232offen();
}

void Geraet::setWiederverbinden(bool on) {
    m_wache->setWiederholen(on);
}

void Geraet::trennen() {
    // Nobody reads telegrams from a line closed on purpose.
    m_leser = 0;
    m_abfragetimer->stop();
    m_wache->beenden();
    m_modem->closePort();
    m_link->setOpen(false);
}

bool Geraet::leitung(TransferResult* fehler) {
    if (rs232offen() || !m_beiBedarf)
        return true;
    if (m_bediener && m_bediener->aufgegeben()) {
        *fehler = TransferResult::canceled();
        return false;
    }
    if (verbinden()) {
        // What waited on the line belongs to no request of this run. Once it is gone, the
        // person may start the set's function: nothing it sends is lost.
        m_link->leeren();
        return true;
    }
    *fehler = TransferResult::failed(
        QCoreApplication::translate("vantrel", "RS232 readSettings()"),
        QCoreApplication::translate("vantrel", "Die RS232 ist nicht offen!") + QLatin1Char(' ') +
            m_portfehler.text);
    melden(*fehler, false);
    return false;
}

// ---- settings and profile ------------------------------------------------------------------

void Geraet::setEinstellungen(const TEinstellungen& e, int profil) {
    einst = e;
    if (profil >= 0)
        vesknr = TEinstellungen::clampProfile(profil);
    emit einstellungenGeaendert();
}

bool Geraet::profilWaehlen(int n) {
    if (n == vesknr)
        return false;
    aenderungenUebernehmen();
    downloadimage.clear();
    datensatzgeladen = false;
    vesknr = TEinstellungen::clampProfile(n);
    // Nothing of the old profile may end up in the new one's files.
    paramreset();
    emit profilGewechselt(vesknr);
    return true;
}

void Geraet::bildLoeschen() {
    downloadimage.clear();
}

void Geraet::paramreset() {
    resetParameterTabelle(parametertabelle);
    // Changes of a table that is gone cannot be saved any more: nothing waits for them.
    setParamGeaendert(false, false);
    emit tabelleZurueckgesetzt();
}

void Geraet::setParamGeaendert(bool user, bool x) {
    if (user == m_paramgeaendert && x == xparamgeaendert)
        return;
    m_paramgeaendert = user;
    xparamgeaendert = x;
    emit speicherstandGeaendert();
}

// ---- the column and live edits -------------------------------------------------------------

void Geraet::aenderungenUebernehmen() {
    emit aenderungenFaellig();
}

void Geraet::spalteSetzen(const Spalte& s) {
    aenderungenUebernehmen();
    m_spalte = s;
    ++m_spaltenwechsel;
    emit spalteGewechselt();
}

TransferResult Geraet::spalteWaehlen(const Spalte& s) {
    spalteSetzen(s);
    return parameterSenden(m_spalte);
}

int Geraet::editOben(int i) const {
    if (i < parameter::kErste || i > parameter::kLetzte)
        return 0;
    return parameter::editBereich(parametertabelle[size_t(i)], m_spalte.modus, m_spalte.bank).oben;
}

QList<std::pair<int, int>> Geraet::parameterAendern(const QList<std::pair<int, int>>& rohwerte) {
    QList<std::pair<int, int>> faellig;
    if (!paramgeladen)
        return faellig;
    bool user = m_paramgeaendert;
    bool x = xparamgeaendert;
    for (const auto& [i, roh] : rohwerte) {
        if (i < parameter::kErste || i > parameter::kLetzte)
            continue;
        // The S-meter calibration owns 68 and above while it runs; 68 is still stored.
        if (smkalaktiv && i > kSmKalErster)
            break;
        TParameter& p = parametertabelle[size_t(i)];
        const int r = parameter::editBereich(p, m_spalte.modus, m_spalte.bank).begrenzt(roh);
        const int vorher = parameter::speichereWert(p, m_spalte.modus, m_spalte.bank, r);
        if (smkalaktiv && i == kSmKalErster)
            break;
        if (r == vorher || vorher == TParameter::fehlt)
            continue;
        (p.xparam ? x : user) = true;
        faellig.append({i, r & 0xFF});
    }
    setParamGeaendert(user, x);
    return faellig;
}

TransferResult Geraet::framesSenden(const QList<std::pair<int, int>>& frames) {
    TransferResult r;
    if (frames.isEmpty() || !leitung(&r))
        return r;
    const int spalte = m_spaltenwechsel;
    const bool offen = rs232offen();
    for (const auto& [nummer, wert] : frames) {
        // Another column was shown meanwhile and went out as a whole block: a frame of the
        // old one after it would leave the set with a mix of both.
        if (spalte != m_spaltenwechsel)
            break;
        m_link->dspframe(nummer, wert);
    }
    if (offen && download::leitungWeg(*m_link))
        return download::unterbrochen();
    return r;
}

// ---- saving the table ----------------------------------------------------------------------

TransferResult Geraet::parameterSpeichern(const QString& ziel) {
    const QByteArray bytes = parameter::parameterDatei(parametertabelle, parameter::DateiArt::User);
    if (!dateiSchreiben(ziel, bytes))
        return speicherfehler(ziel);
    setParamGeaendert(false, xparamgeaendert);
    return TransferResult::done();
}

TransferResult Geraet::xParameterSpeichern(const QString& ziel) {
    const bool ok =
        dateiSchreiben(ziel, parameter::parameterDatei(parametertabelle, parameter::DateiArt::X));
    TransferResult r = ok ? TransferResult::done() : speicherfehler(ziel);
    // The table goes beside the configured X-parameter file, wherever this one was saved;
    // should the person have saved onto the table's own name, it steps aside once more.
    QString tabelle = parameter::xTabellenName(einst.xparameterfilename[size_t(profil())]);
    if (QFileInfo(tabelle).absoluteFilePath() == QFileInfo(ziel).absoluteFilePath())
        tabelle += QLatin1String(".dat");
    if (!dateiSchreiben(tabelle, parameter::xParameterTabelle(parametertabelle)))
        return speicherfehler(tabelle);
    // Only a save that wrote both files counts: the changes are kept until then.
    if (ok)
        setParamGeaendert(m_paramgeaendert, false);
    return r;
}

// ---- the person ----------------------------------------------------------------------------

void Geraet::log(const QString& zeile) {
    if (m_bediener)
        m_bediener->log(zeile);
}

LogSink Geraet::logSink() {
    return [this](const QString& s) { log(s); };
}

bool Geraet::bestaetigt(const Hinweis& h) {
    // talvaro-cli opens its line before the first box: a port that will not open is said
    // once, before the person is told to start anything at the set.
    m_leitungsfehler = {};
    if (m_beiBedarf && !rs232offen() && !leitung(&m_leitungsfehler))
        return false;
    return !m_bediener || m_bediener->bestaetigen(h.titel, h.text, true);
}

TransferResult Geraet::abgelehnt() const {
    return m_leitungsfehler.ok() ? TransferResult::canceled() : m_leitungsfehler;
}

void Geraet::melden(const TransferResult& r, bool kritisch) {
    if (!r.failed())
        return;
    if (m_bediener)
        m_bediener->meldung(kritisch ? Bediener::Box::Kritisch : Bediener::Box::Fehler, r.title,
                            r.text);
    log(r.text);
}

void Geraet::ladefehler(const TransferResult& fehler) {
    melden(fehler, true);
    dateifehler = true;
}

TransferResult Geraet::speicherfehler(const QString& path) {
    // Something that is not a file is left as it is, and the box says why.
    const QString text =
        dateiErsetzbar(path)
            ? QCoreApplication::translate("vantrel", "Datei \"%1\" kann nicht geschrieben werden!")
            : QCoreApplication::translate("vantrel",
                                          "\"%1\" ist keine Datei und wird nicht ersetzt!");
    TransferResult r = TransferResult::failed(
        QCoreApplication::translate("vantrel", "Speichern fehlgeschlagen!"), text.arg(path));
    r.datei = true;
    melden(r, true);
    return r;
}

std::unique_ptr<Progress> Geraet::fortschritt(const QString& label, int minimum, int maximum,
                                              double msProSchritt, const QString& einheit) {
    if (m_bediener)
        return m_bediener->fortschritt(label, minimum, maximum, msProSchritt, einheit);
    return std::make_unique<StillerFortschritt>();
}

double Geraet::byteMs(int delayMs) const {
    // A byte's time on the line at 9600 baud with a start and two stop bits, at the least.
    return qMax(double(delayMs), 11.0 * 1000.0 / 9600.0);
}

bool Geraet::zielSchreibbar(const QString& path) {
    // Looked at before the set is asked to send: what arrives could not be kept afterwards.
    QSaveFile probe(path);
    if (!dateiErsetzbar(path) || !probe.open(QIODevice::WriteOnly))
        return false;
    probe.cancelWriting();
    return true;
}

TransferResult Geraet::dumpEmpfangen(const QString& label, QByteArray* data) {
    TransferResult r;
    if (!leitung(&r))
        return r;
    // A count of bytes: 65536 of 65536 when it is whole.
    auto progress = fortschritt(label, 0, download::kEepromGroesse, byteMs(0));
    r = download::eepromsichern(*m_link, *progress, data);
    progress->ergebnis(r);
    progress->finish();
    return r;
}

bool Geraet::dateiSchreiben(const QString& path, const QByteArray& bytes) {
    return ::dateiSchreiben(path, bytes);
}

// ---- loads ---------------------------------------------------------------------------------

bool Geraet::parameterDateiLesen(const QString& path) {
    const auto paramlog = [this](const QString& s) {
        log(s);
        emit parameterzeile(s);
    };
    // A file without one parameter line (empty, cut off, not a parameter file) would leave
    // the table as the reset left it: 255 everywhere, sent as if chosen.
    QStringList zeilen;
    if (const TransferResult fehler = leseParameterDatei(path, &zeilen); !fehler.ok()) {
        if (m_bediener)
            m_bediener->meldung(Bediener::Box::Kritisch, fehler.title, fehler.text);
        paramlog(fehler.text);
        dateifehler = true;
        m_parameterFehler = fehler;
        return false;
    }
    paramlog(parameterFileLogLine(int(zeilen.size())));
    applyParameterLines(parametertabelle, zeilen, ladequelle != 0, paramlog);
    // Once some data file of this load failed, the table may be incomplete: it is not
    // offered for use.
    if (!dateifehler) {
        geladenMelden();
    } else if (paramgeladen) {
        // The table now holds part of a failed load: no longer offered for use.
        paramgeladen = false;
        emit parameterGesperrt();
    }
    return true;
}

void Geraet::geladenMelden() {
    paramgeladen = true;
    // What the table holds now is what its files hold.
    setParamGeaendert(false, false);
    emit parameterGeladen();
}

bool Geraet::datensatzLaden(bool mitParametern) {
    if (mitParametern)
        aenderungenUebernehmen();
    const int p = profil();
    DatensatzDateien dateien;
    dateien.firmware = einst.dspcodefilename[size_t(p)];
    dateien.filterlist = einst.filterfilename[size_t(p)];
    dateien.veskpfad = einst.veskpfad[size_t(p)];
    datensatzgeladen = false;
    m_parameterGelesen = false;
    // The flag tells of this load, not of every load since the start.
    dateifehler = false;
    const DatensatzStatus status =
        ladeDatensatz(downloadimage, &dspzeilen, &filterliste, dateien, logSink(),
                      [this](const TransferResult& fehler) { ladefehler(fehler); });
    // Without firmware or filter list the image and the table stay as they were.
    if (status == DatensatzStatus::Abgebrochen)
        return false;
    if (!firmwareTauglich(dateien.firmware))
        return false;
    m_vorgang.checksumme = downloadimage.checksumme;
    if (status == DatensatzStatus::Geladen)
        fingerabdruck(QStringLiteral("image"), {}, downloadimage.buffer);
    bool parameterOk = true;
    if (mitParametern) {
        smkalaktiv = false;
        ladequelle = 0;
        // Read even after a missing filter: its lines and its box belong to this load.
        parameterOk = parameterDateiLesen(einst.parameterfilename[size_t(p)]);
        m_parameterGelesen = parameterOk;
    }
    datensatzgeladen = parameterOk && status == DatensatzStatus::Geladen;
    return datensatzgeladen;
}

bool Geraet::firmwareTauglich(const QString& path) {
    const QString fehler = firmwareFehler(dspzeilen);
    if (fehler.isEmpty())
        return true;
    downloadimage.clear();
    ladefehler(TransferResult::failed(
        QCoreApplication::translate("vantrel", "Firmware fehlerhaft!"),
        QCoreApplication::translate("vantrel", "Datei \"%1\": %2").arg(path, fehler)));
    return false;
}

bool Geraet::testfirmwareLaden() {
    const QString test = einst.testfilename[size_t(profil())];
    if (const TransferResult r = readFirmwareFile(test, &dspzeilen, logSink()); !r.ok()) {
        ladefehler(r);
        return false;
    }
    if (!firmwareTauglich(test))
        return false;
    downloadimage.neu();
    downloadimage.dspfileparsen(dspzeilen, logSink());
    downloadimage.checksummeanhaengen(logSink());
    m_vorgang.checksumme = downloadimage.checksumme;
    fingerabdruck(QStringLiteral("image"), {}, downloadimage.buffer);
    return true;
}

// ---- transfers -----------------------------------------------------------------------------

bool Geraet::xParameterOffen() {
    if (!xparamgeaendert)
        return false;
    const Hinweis x = hinweis::xParameter();
    if (m_bediener)
        m_bediener->bestaetigen(x.titel, x.text, false);
    return true;
}

TransferResult Geraet::nichtGeladen(bool schreiben) {
    log(schreiben ? QCoreApplication::translate(
                        "vantrel", "Datensatz nicht vollstaendig geladen - nichts geschrieben!")
                  : QCoreApplication::translate(
                        "vantrel", "Datensatz nicht vollstaendig geladen - nichts gesendet!"));
    TransferResult r = TransferResult::failed(
        QCoreApplication::translate("vantrel", "Datei nicht gefunden!"),
        QCoreApplication::translate("vantrel",
                                    "Datensatz nicht vollstaendig geladen - nichts gesendet!"));
    r.datei = true;
    return r;
}

TransferResult Geraet::sendeBild(bool zumPic, const QByteArray& bild, const QString& label) {
    const double ms = zumPic ? byteMs(m_link->picDelay()) + byteMs(0) : byteMs(m_link->dspDelay());
    auto progress = fortschritt(label, 0, int(bild.size()), ms);
    qint64 gesendet = 0;
    const TransferResult r =
        zumPic ? download::buffer2pic_alt(*m_link, bild, *progress, logSink(), &gesendet)
               : download::buffer2dsp(*m_link, bild, *progress, logSink(), &gesendet);
    // What went on the line, not what was meant to.
    m_vorgang.bytes = gesendet;
    progress->ergebnis(r);
    progress->finish();
    melden(r, false);
    return r;
}

TransferResult Geraet::parameterblockZumPic() {
    if (!rs232offen()) {
        log(download::nichtOffen());
        return TransferResult::done();
    }
    auto progress =
        fortschritt(QCoreApplication::translate("vantrel", "Parameter -> VESK (Ruvado)"), 0,
                    download::kParameterBlockGroesse, byteMs(m_link->picDelay()) + byteMs(0));
    const TransferResult r =
        download::parameter2pic_alt(*m_link, parametertabelle, *progress, logSink());
    progress->ergebnis(r);
    progress->finish();
    melden(r, false);
    return r;
}

TransferResult Geraet::zumDsp(const Hinweis& h, const std::function<bool()>& laden) {
    if (!bestaetigt(h))
        return abgelehnt();
    log(trennlinie());
    // A set that did not load completely would send an image the person never chose.
    if (!laden()) {
        return nichtGeladen(false);
    }
    TransferResult r;
    if (!leitung(&r))
        return r;
    m_vorgang.bytes = downloadimage.buffer.size();
    r = sendeBild(false, downloadimage.buffer,
                  QCoreApplication::translate("vantrel", "DSP-FW Laden"));
    // A closed port sent nothing: its "Nichts gesendet" is the last word.
    if (r.ok() && rs232offen())
        log(QCoreApplication::translate("vantrel", "buffer2dsp() Fertig!"));
    return r;
}

TransferResult Geraet::dspLaden(const Spalte& spalte) {
    m_vorgang = {};
    if (xParameterOffen()) {
        downloadimage.clear();
        return TransferResult::canceled();
    }
    // The freshly loaded DSP starts with every function off and the column given; editors
    // show that before the person is even asked.
    spalteSetzen(spalte);
    emit dspNeustart();
    TransferResult r = zumDsp(hinweis::dspLaden(), [this] { return datensatzLaden(); });
    // Parameter frames into a loader that was not fed to its end would land in the middle
    // of a half-loaded program: after a cancel or a failure nothing more goes out.
    if (!r.ok())
        return r;
    r = parameterSenden(spalte);
    melden(r, false);
    if (r.ok() && rs232offen())
        log(QCoreApplication::translate("vantrel", "parameter2dsp() Fertig!"));
    return r;
}

TransferResult Geraet::testLaden() {
    m_vorgang = {};
    return zumDsp(hinweis::testLaden(), [this] { return testfirmwareLaden(); });
}

TransferResult Geraet::picLaden(bool nurParameter) {
    m_vorgang = {};
    pruefungBeginnen();
    if (!nurParameter && xParameterOffen())
        return TransferResult::canceled();
    // The parameters alone need nothing but the parameter file; the image needs the set.
    const auto laden = [this, nurParameter] {
        return nurParameter ? userParameterLaden() : datensatzLaden();
    };
    // With a backup first, the files and the image are looked at before its long dump: a
    // set that does not load must not keep the person waiting for nothing.
    const bool sichern = einst.vorpicladensichern;
    if (sichern) {
        log(trennlinie());
        if (!laden())
            return nichtGeladen(false);
        if (const TransferResult s = sichernVorSchreiben(true); !s.ok())
            return s;
    }
    if (!bestaetigt(nurParameter ? hinweis::par2pic() : hinweis::picLaden()))
        return abgelehnt();
    if (!sichern) {
        log(trennlinie());
        if (!laden())
            return nichtGeladen(false);
    }
    TransferResult r;
    if (!leitung(&r))
        return r;
    if (!nurParameter) {
        m_vorgang.bytes = downloadimage.buffer.size();
        r = sendeBild(true, downloadimage.buffer,
                      QCoreApplication::translate("vantrel", "DSP-FW in PIC Laden"));
        // After a failed or cancelled image the PIC is no longer writing where the block
        // belongs: the block would land inside the broken image.
        if (!r.ok()) {
            log(QCoreApplication::translate(
                "vantrel", "Die Parameter wurden nicht gesendet: das Eeprom ist nicht vollstaendig "
                           "geladen!"));
            return r;
        }
        if (rs232offen())
            log(QCoreApplication::translate("vantrel", "buffer2pic_alt() Fertig!"));
    }
    r = parameterblockZumPic();
    if (r.ok() && rs232offen())
        log(QCoreApplication::translate("vantrel", "parameter2pic_alt() Fertig!"));
    return r;
}

QString Geraet::binDateiWaehlen(Bediener::Wahl wahl, const QString& titel) {
    if (!m_bediener)
        return {};
    return m_bediener->dateiWaehlen(
        wahl, titel, QStringLiteral("*.bin"),
        QCoreApplication::translate("vantrel", "Binaerdatei (*.bin *.BIN);;Alle Dateien (*.*)",
                                    "FileDialog"));
}

TransferResult Geraet::eepromSichern(const QString& ziel) {
    m_vorgang = {};
    if (rs232offen())
        m_link->leeren();
    const Hinweis h = hinweis::eeSichern();
    if (!bestaetigt(h))
        return abgelehnt();
    QString name = ziel;
    if (name.isEmpty())
        name = binDateiWaehlen(
            Bediener::Wahl::Speichern,
            QCoreApplication::translate("vantrel", "ExEeprominhalt Speichern", "FileDialog"));
    if (name.isEmpty())
        return TransferResult::canceled();
    // Looked at before the set is asked to send: a dump that could not be kept afterwards
    // would be for nothing.
    if (!zielSchreibbar(name))
        return speicherfehler(name);
    QByteArray data;
    TransferResult r =
        dumpEmpfangen(QCoreApplication::translate("vantrel", "ExEeprom in Datei Speichern"), &data);
    m_vorgang.bytes = data.size();
    melden(r, false);
    if (r.ok()) {
        if (!dateiSchreiben(name, data))
            return speicherfehler(name);
        m_vorgang.datei = name;
        fingerabdruck(QStringLiteral("backup"), name, data);
        log(QCoreApplication::translate("vantrel",
                                        "Eeprom-Sicherung: %1 Bytes in Datei \"%2\" gespeichert")
                .arg(data.size())
                .arg(name));
        return r;
    }
    // A dump that ended early never takes the place of the file the person named: an older
    // backup of that name stays whole. What arrived is kept beside it, and the log says how
    // much of the EEPROM that is.
    // Nothing arrived: nothing to keep, and an earlier partial of that name stays as it was.
    if (data.isEmpty()) {
        log(QCoreApplication::translate("vantrel",
                                        "Eeprom-Sicherung: nichts empfangen - keine Datei "
                                        "geschrieben"));
        return r;
    }
    const QString teil = name + QStringLiteral(".partial");
    if (!dateiSchreiben(teil, data))
        return speicherfehler(teil);
    m_vorgang.datei = teil;
    m_vorgang.teil = true;
    fingerabdruck(QStringLiteral("backup"), teil, data);
    log(download::sicherungUnvollstaendig(teil, data.size()));
    return r;
}

TransferResult Geraet::eepromWiederherstellen(const QString& quelle) {
    m_vorgang = {};
    pruefungBeginnen();
    const Hinweis h = hinweis::eeRestore();
    const auto lesen = [this](const QString& name, QByteArray* inhalt) {
        const TransferResult r = download::eepromDateiLesen(name, inhalt);
        melden(r, true);
        return r;
    };
    // A file shorter than the EEPROM leaves the rest of it as it was: only after a warning.
    const auto kurzBestaetigt = [this](const QString& name, const QByteArray& inhalt) {
        if (inhalt.size() >= download::kEepromGroesse || !m_bediener)
            return true;
        return m_bediener->warnen(
            QCoreApplication::translate("vantrel", "Datei kleiner als der Eeprom"),
            QCoreApplication::translate("vantrel",
                                        "Datei \"%1\" hat %2 Bytes, der Eeprom %3 Bytes.<br>"
                                        "Nur die ersten %2 Bytes werden ueberschrieben.")
                .arg(name, QString::number(inhalt.size()),
                     QString::number(download::kEepromGroesse)));
    };
    // A file named on the command line is read before anything is asked; one the person
    // chooses, after the box, unless a backup comes first: then the file is chosen and
    // looked at before its long dump.
    QString name = quelle;
    QByteArray inhalt;
    const bool sichern = einst.vorwiederherstellungsichern;
    const auto waehlen = [&]() -> TransferResult {
        name = binDateiWaehlen(
            Bediener::Wahl::Oeffnen,
            QCoreApplication::translate("vantrel", "ExEeprominhalt restaurieren", "FileDialog"));
        // The EEPROM gets the chosen file or nothing: never what the image held before.
        return name.isEmpty() ? TransferResult::canceled() : lesen(name, &inhalt);
    };
    if (!name.isEmpty() || sichern) {
        if (const TransferResult r = name.isEmpty() ? waehlen() : lesen(name, &inhalt); !r.ok())
            return r;
    }
    if (const TransferResult s = sichernVorSchreiben(sichern); !s.ok())
        return s;
    if (!bestaetigt(h))
        return abgelehnt();
    if (name.isEmpty()) {
        if (const TransferResult r = waehlen(); !r.ok())
            return r;
    }
    if (!kurzBestaetigt(name, inhalt))
        return TransferResult::canceled();
    TransferResult r;
    if (!leitung(&r))
        return r;
    m_vorgang.datei = name;
    m_vorgang.bytes = inhalt.size();
    fingerabdruck(QStringLiteral("file"), name, inhalt);
    r = sendeBild(true, inhalt,
                  QCoreApplication::translate("vantrel", "Daten in externen Eeprom Laden"));
    if (r.ok() && rs232offen())
        log(QCoreApplication::translate(
                "vantrel", "Eeprom-Wiederherstellung: %1 Bytes aus Datei \"%2\" gesendet")
                .arg(inhalt.size())
                .arg(name));
    if (r.ok() && rs232offen())
        r = vergleichNachSchreiben(inhalt);
    return r;
}

TransferResult Geraet::parameterLesen(const QString& ziel) {
    m_vorgang = {};
    // The parameter file gives names, scales, pages and X marks, and the target must take
    // the result: both are looked at before the set is asked to send. Without one named
    // parameter the area would be received only to be dropped.
    const QString pfad = einst.parameterfilename[size_t(profil())];
    QStringList zeilen;
    if (TransferResult r = leseParameterDatei(pfad, &zeilen); !r.ok()) {
        melden(r, true);
        return r;
    }
    if (!ziel.isEmpty() && !zielSchreibbar(ziel))
        return speicherfehler(ziel);
    const Hinweis h = hinweis::param2pc();
    if (!bestaetigt(h))
        return abgelehnt();
    TransferResult r;
    if (!leitung(&r))
        return r;
    auto progress =
        fortschritt(QCoreApplication::translate("vantrel", "Parameter in Datei Speichern"), 0,
                    parameter::kBereichGroesse, byteMs(0));
    log(QCoreApplication::translate("vantrel", "Parameter vom Vesk lesen"));
    log(trennlinie());
    QByteArray empfang;
    r = parameter::bereichempfangen(*m_link, *progress, &empfang);
    progress->ergebnis(r);
    progress->finish();
    if (!r.ok()) {
        melden(r, false);
        return r;
    }
    log(QCoreApplication::translate("vantrel", "Fertig"));
    log(trennlinie());

    // The area arrived whole: it is applied whatever an earlier load left behind.
    aenderungenUebernehmen();
    smkalaktiv = false;
    ladequelle = 0;
    dateifehler = false;
    const auto paramlog = [this](const QString& s) {
        log(s);
        emit parameterzeile(s);
    };
    paramlog(parameterFileLogLine(int(zeilen.size())));
    applyParameterLines(parametertabelle, zeilen, false, paramlog);
    // The device's values then replace the file's values of 10..99, exactly as they came.
    parameter::uebernehmeBereich(parametertabelle, empfang.left(parameter::kBereichGroesse));
    geladenMelden();
    // The set's values are not in any file yet.
    setParamGeaendert(true, xparamgeaendert);
    if (!ziel.isEmpty()) {
        const QByteArray bytes =
            parameter::parameterDatei(parametertabelle, parameter::DateiArt::User);
        if (!dateiSchreiben(ziel, bytes))
            return speicherfehler(ziel);
        m_vorgang.datei = ziel;
        m_vorgang.bytes = bytes.size();
        log(QCoreApplication::translate("vantrel",
                                        "Parameter-Datei: %1 Bytes in Datei \"%2\" gespeichert")
                .arg(bytes.size())
                .arg(ziel));
    }
    return r;
}

TransferResult Geraet::parameterSenden(const Spalte& spalte) {
    TransferResult r;
    if (paramgeladen && !leitung(&r))
        return r;
    auto progress =
        fortschritt(QCoreApplication::translate("vantrel", "Parameter-Laden"), parameter::kErste,
                    parameter::kLetzte, 3 * byteMs(m_link->paramDelay()), QStringLiteral("Frames"));
    if (!paramgeladen) {
        progress->finish();
        return TransferResult::done();
    }
    // A line that drops meanwhile is marked closed at once: it was open, so it broke off.
    const bool offen = rs232offen();
    // Frames that went on the line, not those meant to: after a drop none go.
    int frames = 0;
    const QMetaObject::Connection zaehler =
        connect(m_link, &Link::frameSent, this, [&frames] { ++frames; });
    // The block is one transfer: frames that other editors start meanwhile wait until it is
    // closed. Begun from inside another transfer, the frames queue behind that one instead.
    // A cancel does not end it (see below).
    const bool eigene = m_link->beginTransfer();
    m_link->dspframe(parameter::kCmdBlock, 1);
    for (int i = parameter::kErste; i <= parameter::kLetzte; ++i) {
        // The block runs to its end whatever the progress says: a block cut short would
        // leave the DSP with a mix of two columns.
        progress->setValue(i);
        if (const auto v = parameter::sendewert(parametertabelle[size_t(i)], i, spalte.modus,
                                                spalte.bank, spalte.monitor)) {
            m_link->dspframe(i, *v);
        }
    }
    m_link->dspframe(parameter::kCmdBlock, 0);
    disconnect(zaehler);
    if (eigene)
        m_link->endTransfer();
    progress->finish();
    m_vorgang.frames = frames;
    // Frames to a port that went away are lost without a word; say so.
    if (offen && download::leitungWeg(*m_link))
        return download::unterbrochen();
    return TransferResult::done();
}

TransferResult Geraet::eqSenden(eqcurve::Side side, const eqcurve::Curve& kurve) {
    const QString label = side == eqcurve::Side::Rx
                              ? QCoreApplication::translate("vantrel", "RX Equalizer in DSP laden")
                              : QCoreApplication::translate("vantrel", "TX Equalizer in DSP laden");
    TransferResult r;
    if (!leitung(&r))
        return r;
    auto progress = fortschritt(label, 0, eqcurve::kBands, 3 * byteMs(m_link->paramDelay()) * 4,
                                QStringLiteral("Frames"));
    const bool offen = rs232offen();
    bool abgebrochen = false;
    const bool eigene = m_link->beginTransfer();
    Link::Abbruch abbruch(*m_link, progress.get());
    for (const auto& [nummer, w] : eqcurve::curveOpenFrames(side))
        m_link->dspframe(nummer, w);
    for (int k = 0; k < eqcurve::kBands; ++k) {
        progress->setValue(k);
        // A cancelled curve still gets its end command, so the DSP is not left waiting in
        // the middle of a transfer; the bands not sent keep their former gains there.
        if (progress->wasCanceled()) {
            abgebrochen = true;
            break;
        }
        for (const auto& [nummer, w] : eqcurve::curveBandFrames(kurve[size_t(k)]))
            m_link->dspframe(nummer, w);
    }
    const auto [nummer, w] = eqcurve::curveCloseFrame(side);
    m_link->dspframe(nummer, w);
    if (eigene)
        m_link->endTransfer();
    progress->finish();
    if (offen && download::leitungWeg(*m_link)) {
        r = download::unterbrochen();
        melden(r, false);
        return r;
    }
    return abgebrochen ? TransferResult::canceled() : TransferResult::done();
}

bool Geraet::userParameterLaden() {
    aenderungenUebernehmen();
    smkalaktiv = false;
    ladequelle = 0;
    dateifehler = false;
    return parameterDateiLesen(einst.parameterfilename[size_t(profil())]);
}

bool Geraet::kalParameterLaden(bool smeter) {
    aenderungenUebernehmen();
    smkalaktiv = smeter;
    ladequelle = 0;
    return parameterDateiLesen(smeter ? einst.parameterfilename[size_t(profil())]
                                      : einst.standardparameterfilename[size_t(profil())]);
}

void Geraet::kalParameterSetzen(int nummer, int wert) {
    if (nummer < parameter::kErste || nummer > parameter::kLetzte)
        return;
    parametertabelle[size_t(nummer)].ssbgreen = wert;
}

void Geraet::kalibrierungEnde() {
    smkalaktiv = false;
    paramreset();
}

bool Geraet::xParameterLaden() {
    aenderungenUebernehmen();
    ladequelle = 1;
    // A load of its own: what failed before it (another file, an equalizer) is not its
    // failure.
    dateifehler = false;
    const bool ok = parameterDateiLesen(einst.xparameterfilename[size_t(profil())]);
    ladequelle = 0;
    return ok;
}

TransferResult Geraet::parameterDateiSenden(const Spalte& spalte) {
    m_vorgang = {};
    if (!userParameterLaden())
        return m_parameterFehler;
    TransferResult r = parameterSenden(spalte);
    melden(r, false);
    if (r.ok() && rs232offen())
        log(QCoreApplication::translate("vantrel", "parameter2dsp() Fertig!"));
    return r;
}

bool Geraet::eqDateiLesen(eqcurve::Side side, eqcurve::Curve* kurve, QList<int>* werte) {
    const int p = profil();
    const QString name =
        side == eqcurve::Side::Rx ? einst.rxeqfilename[size_t(p)] : einst.txeqfilename[size_t(p)];
    QByteArray inhalt;
    if (const LineReader::Fehler f = LineReader::dateiLesen(name, &inhalt);
        f != LineReader::Fehler::Keiner) {
        ladefehler(lesefehler(name, f));
        return false;
    }
    const QList<int> gelesen = eqcurve::readCurve(inhalt);
    *kurve = eqcurve::Curve{};
    for (qsizetype k = 0; k < gelesen.size() && k < eqcurve::kBands; ++k)
        (*kurve)[size_t(k)] = gelesen[k];
    if (werte)
        *werte = gelesen;
    m_vorgang.datei = name;
    return true;
}

TransferResult Geraet::eqDateiSenden(eqcurve::Side side) {
    m_vorgang = {};
    eqcurve::Curve kurve{};
    if (!eqDateiLesen(side, &kurve)) {
        TransferResult r = TransferResult::failed(
            QCoreApplication::translate("vantrel", "Datei nicht gefunden!"), {});
        r.datei = true;
        return r;
    }
    const TransferResult r = eqSenden(side, kurve);
    melden(r, false);
    return r;
}

TransferResult Geraet::bildSchreiben(bool test, const QString& ziel) {
    m_vorgang = {};
    // An image with a filter missing would load a DSP without it: nothing is written.
    if (!(test ? testfirmwareLaden() : datensatzLaden(false))) {
        return nichtGeladen(true);
    }
    if (!dateiSchreiben(ziel, downloadimage.buffer))
        return speicherfehler(ziel);
    log(QCoreApplication::translate("vantrel",
                                    "Download-Image: %1 Bytes in Datei \"%2\" gespeichert")
            .arg(downloadimage.buffer.size())
            .arg(ziel));
    m_vorgang.datei = ziel;
    m_vorgang.bytes = downloadimage.buffer.size();
    m_vorgang.checksumme = downloadimage.checksumme;
    return TransferResult::done();
}

TransferResult Geraet::befehl(int nummer, int wert) {
    return framesSenden({{nummer, wert}});
}

TransferResult Geraet::schalten(int i, bool an) {
    if (i < 0 || i >= int(dspbefehl::kSchalterBefehle.size()))
        return TransferResult::done();
    return framesSenden({{dspbefehl::kSchalterBefehle[size_t(i)], an ? 1 : 0}});
}

TransferResult Geraet::seitenband(bool cw, bool usb) {
    return framesSenden({{dspbefehl::kCmdSeitenband, dspbefehl::seitenbandwert(cw, usb)}});
}

TransferResult Geraet::eqBand(eqcurve::Side side, int band, int wert) {
    TransferResult r;
    if (!leitung(&r))
        return r;
    // A band update is four frames that belong together: as a transfer of its own, frames
    // that other editors start meanwhile wait until all four are out.
    const bool offen = rs232offen();
    const bool eigene = m_link->beginTransfer();
    for (const auto& [nummer, w] : eqcurve::bandFrames(side, band, wert))
        m_link->dspframe(nummer, w);
    if (eigene)
        m_link->endTransfer();
    if (offen && download::leitungWeg(*m_link))
        return download::unterbrochen();
    return r;
}

bool Geraet::uebertragungLaeuft() const {
    return m_link->transferActive();
}
