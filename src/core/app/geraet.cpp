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
    connect(m_link, &Link::byteWritten, this, &Geraet::byteGeschrieben);
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
        if (const TransferResult s =
                sichernVorSchreiben(true, download::VerlaufEintrag::Herkunft::VorPicLaden);
            !s.ok())
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
    m_beginn = QDateTime::currentDateTimeUtc();
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
        verzeichnen(download::VerlaufEintrag::Herkunft::Sicherung, name, data, true);
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
    verzeichnen(download::VerlaufEintrag::Herkunft::Sicherung, teil, data, false);
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
    if (const TransferResult s =
            sichernVorSchreiben(sichern, download::VerlaufEintrag::Herkunft::VorWiederherstellung);
        !s.ok())
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
