#include "app/geraet.h"

#include "app/bediener.h"
#include "app/dateischreiben.h"
#include "app/sitzungsfortschritt.h"
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
#include "link/serialtrace.h"
#include "parameters/parametereditor.h"
#include "parameters/parameterempfang.h"
#include "parameters/parameterfile.h"
#include "parameters/parameterwriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>
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
        offenenBlockSchliessen();
        emit verbunden(port);
    });
    connect(m_wache, &Leitungswache::verloren, this, [this](const QString& port) {
        if (m_wiederholen)
            log(QCoreApplication::translate(
                    "vantrel", "Die Verbindung ueber %1 ist unterbrochen; der Port wird "
                               "jede Sekunde neu versucht.")
                    .arg(port));
    });
    // A drop is a change of the line like an open: whoever shows the port hears of both.
    connect(m_modem, &Modem::leitungWeg, this, [this] { emit verbunden(QStringLiteral("?")); });
    connect(m_link, &Link::byteWritten, this, &Geraet::byteGeschrieben);
    connect(m_link, &Link::frameSent, this, &Geraet::blockVerfolgen);
    m_link->setAufgegeben([this] { return m_bediener && m_bediener->aufgegeben(); });
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
    // What waited on the line belongs to no request. It goes before the line is announced:
    // from then on the person (or a script) may start the set's function, and nothing it
    // sends is lost.
    if (rs232offen())
        m_link->leeren();
    offenenBlockSchliessen();
    emit verbunden(rs232offen() ? einst.rs232 : QStringLiteral("?"));
    return rs232offen();
}

void Geraet::setWiederverbinden(bool on, int intervallMs) {
    m_wiederholen = on;
    m_wache->setIntervall(intervallMs);
    m_wache->setWiederholen(on);
}

void Geraet::mitschreiben(SerialTrace& trace) {
    trace.attach(m_modem);
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
    // verbinden() empties the line before it says the line is there.
    if (verbinden())
        return true;
    *fehler = TransferResult::failed(
        QCoreApplication::translate("vantrel", "RS232 nicht offen!"),
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
    // A calibration writes the files of the profile it started on: it is ended first.
    if (n == vesknr || laufendeKalibrierung() || !ruhig())
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
    m_ladefehler = mitHerkunft(fehler);
    melden(m_ladefehler, true);
    dateifehler = true;
}

QStringList Geraet::fehlendeDateien() const {
    QStringList fehlend;
    for (const Dateieinstellung& d : dateieinstellungen())
        if (!QFileInfo::exists(d.pfad))
            fehlend << QStringLiteral("%1: \"%2\"").arg(d.label, d.pfad);
    return fehlend;
}

TransferResult Geraet::mitHerkunft(TransferResult fehler) const {
    // Said for a file that is not there: the name in the setting is what to look at.
    for (const Dateieinstellung& d : dateieinstellungen()) {
        if (QFileInfo::exists(d.pfad) ||
            !fehler.text.contains(QLatin1Char('"') + d.pfad + QLatin1Char('"')))
            continue;
        fehler.text += QStringLiteral("<br>") +
                       QCoreApplication::translate(
                           "vantrel", "Der Name kommt aus der Einstellung \"%1\" von Profil %2 "
                                      "(Menue \"Einstellungen\", Seite \"Talvaro HW%2\").")
                           .arg(d.label)
                           .arg(profil() + 1);
        break;
    }
    return fehler;
}

TransferResult Geraet::speicherfehler(const QString& path) {
    // Something that is not a file is left as it is, and the box says why.
    const QString text =
        !nameVerlustfrei(path)
            ? QCoreApplication::translate("vantrel", "Dateiname ist kein gueltiges UTF-8: %1")
        : dateiErsetzbar(path)
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
    auto innen = m_bediener
                     ? m_bediener->fortschritt(label, minimum, maximum, msProSchritt, einheit)
                     : std::make_unique<StillerFortschritt>();
    // A close or a signal may ask the transfer to end (abbrechen()).
    auto p = std::make_unique<SitzungsFortschritt>(std::move(innen));
    m_fortschritte.removeAll(nullptr);
    m_fortschritte.append(p.get());
    return p;
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

TransferResult Geraet::dumpEmpfangen(const QString& label, QByteArray* data,
                                     const std::function<void(const QByteArray&)>& stueck) {
    TransferResult r;
    if (!leitung(&r))
        return r;
    // A count of bytes: 65536 of 65536 when it is whole.
    auto progress = fortschritt(label, 0, download::kEepromGroesse, byteMs(0));
    r = download::eepromsichern(*m_link, *progress, data, stueck);
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
    m_ladefehler = {};
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

bool Geraet::ladbar(Ladung art, qsizetype* bildGroesse) const {
    const size_t p = size_t(profil());
    QStringList zeilen;
    if (art == Ladung::Test)
        return readFirmwareFile(einst.testfilename[p], &zeilen, {}).ok() &&
               firmwareFehler(zeilen).isEmpty();
    if (!leseParameterDatei(einst.parameterfilename[p], &zeilen).ok())
        return false;
    if (art == Ladung::Parameter)
        return true;
    // The data set into an image of its own: the session's stays as it is.
    DownloadImage probe;
    QStringList dsp, filter;
    const DatensatzDateien dateien{einst.dspcodefilename[p], einst.filterfilename[p],
                                   einst.veskpfad[p]};
    if (ladeDatensatz(probe, &dsp, &filter, dateien, {}, {}) != DatensatzStatus::Geladen ||
        !firmwareFehler(dsp).isEmpty())
        return false;
    if (bildGroesse)
        *bildGroesse = probe.buffer.size();
    return true;
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
    // The failure is the file that did not load, as its box said it; the line above says
    // what came of it.
    TransferResult r =
        m_ladefehler.failed()
            ? m_ladefehler
            : TransferResult::failed(
                  QCoreApplication::translate("vantrel", "Datensatz nicht vollstaendig geladen!"),
                  schreiben
                      ? QCoreApplication::translate(
                            "vantrel", "Datensatz nicht vollstaendig geladen - nichts geschrieben!")
                      : QCoreApplication::translate(
                            "vantrel", "Datensatz nicht vollstaendig geladen - nichts gesendet!"));
    r.datei = true;
    return r;
}

TransferResult Geraet::sendeBild(bool zumPic, const QByteArray& bild, const QString& label,
                                 bool wiederherstellung) {
    const double ms = zumPic ? byteMs(m_link->picDelay()) + byteMs(0) : byteMs(m_link->dspDelay());
    auto progress = fortschritt(label, 0, int(bild.size()), ms);
    qint64 gesendet = 0;
    TransferResult r =
        zumPic ? download::buffer2pic_alt(*m_link, bild, *progress, logSink(), &gesendet)
               : download::buffer2dsp(*m_link, bild, *progress, logSink(), &gesendet);
    // What went on the line, not what was meant to.
    m_vorgang.bytes = gesendet;
    progress->ergebnis(r);
    progress->finish();
    // Once bytes of a restore went into the EEPROM, what it holds is neither the old content
    // nor the file. (A download cut short says so in its own log line.) A line that broke
    // says it in its box; an echo or sync error keeps its box as it was, and the log says it.
    const bool teilweise = wiederherstellung && gesendet > 0 && !r.ok();
    const QString teil =
        QCoreApplication::translate("vantrel", "Der Eeprom ist jetzt teilweise "
                                               "ueberschrieben: %1 von %2 Bytes geschrieben.")
            .arg(gesendet)
            .arg(bild.size());
    const bool imKasten = teilweise && r.failed() && r.text == download::unterbrochen().text;
    if (imKasten)
        r.text += QStringLiteral("<br>") + teil;
    // A cancel has no box; its result says it for whoever reports it (the CLI's JSON).
    if (teilweise && r.wasCanceled())
        r.text = teil;
    melden(r, false);
    if (teilweise && !imKasten)
        log(teil);
    return r;
}

TransferResult Geraet::parameterblockZumPic(bool nachBild) {
    if (!rs232offen()) {
        log(download::nichtOffen());
        return TransferResult::done();
    }
    auto progress =
        fortschritt(QCoreApplication::translate("vantrel", "Parameter -> VESK (Ruvado)"), 0,
                    download::kParameterBlockGroesse, byteMs(m_link->picDelay()) + byteMs(0));
    qint64 gesendet = 0;
    TransferResult r;
    {
        download::Geschrieben zaehler(*m_link, &gesendet);
        r = download::parameter2pic_alt(*m_link, parametertabelle, *progress, logSink());
    }
    // The bytes of the block count with the image's: both went into the EEPROM.
    m_vorgang.bytes = qMax<qint64>(m_vorgang.bytes, 0) + gesendet;
    progress->ergebnis(r);
    progress->finish();
    // The image is in the EEPROM, its parameters are not: the set would start with a
    // firmware whose parameter area is cut short.
    const QString unvollstaendig =
        QCoreApplication::translate(
            "vantrel", "Der Eeprom ist nicht vollstaendig: die Firmware ist geschrieben, der "
                       "Parameterblock nur bis Byte %1 von %2.")
            .arg(gesendet)
            .arg(download::kParameterBlockGroesse);
    if (nachBild && r.failed())
        r.text += QStringLiteral("<br>") + unvollstaendig;
    melden(r, false);
    if (nachBild && r.wasCanceled())
        log(unvollstaendig);
    return r;
}

TransferResult Geraet::zumDsp(const Hinweis& h, Ladung art, const std::function<bool()>& laden) {
    // A set that would not load is found before the person is told to start anything at the
    // set: the load itself says why.
    if (!ladbar(art)) {
        log(trennlinie());
        laden();
        return nichtGeladen(false);
    }
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
    TransferResult r =
        zumDsp(hinweis::dspLaden(), Ladung::Datensatz, [this] { return datensatzLaden(); });
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
    return zumDsp(hinweis::testLaden(), Ladung::Test, [this] { return testfirmwareLaden(); });
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
    // The files and the image are looked at before any instruction and before the long
    // dump of a backup: a set that does not load must not keep the person waiting for
    // nothing. What would fail is loaded now, so the load says why.
    qsizetype bild = 0;
    if (!ladbar(nurParameter ? Ladung::Parameter : Ladung::Datensatz, &bild)) {
        log(trennlinie());
        laden();
        return nichtGeladen(false);
    }
    // The image and the parameter block after it must fit the EEPROM: the PIC would wrap
    // round and write the block over the image's start.
    if (!nurParameter && bild + download::kParameterBlockGroesse > download::kEepromGroesse) {
        TransferResult r = TransferResult::failed(
            QCoreApplication::translate("vantrel", "Image zu gross!"),
            QCoreApplication::translate("vantrel",
                                        "Das Image hat %1 Bytes, mit dem Parameterblock %2 Bytes; "
                                        "der Eeprom fasst %3 Bytes - nichts gesendet!")
                .arg(bild)
                .arg(bild + download::kParameterBlockGroesse)
                .arg(download::kEepromGroesse));
        r.datei = true;
        melden(r, true);
        return r;
    }
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
    // After the backup the set is started now, in the middle of the run.
    if (sichern && m_bediener && !m_bediener->abwarten())
        return TransferResult::canceled();
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
    r = parameterblockZumPic(!nurParameter);
    if (r.ok() && rs232offen())
        log(QCoreApplication::translate("vantrel", "parameter2pic_alt() Fertig!"));
    return r;
}

QString Geraet::binDateiWaehlen(Bediener::Wahl wahl, const QString& titel, const QString& start) {
    if (!m_bediener)
        return {};
    return m_bediener->dateiWaehlen(
        wahl, titel, start,
        QCoreApplication::translate("vantrel", "Binaerdatei (*.bin *.BIN);;Alle Dateien (*.*)",
                                    "FileDialog"));
}

TransferResult Geraet::eepromSichern(const QString& ziel) {
    m_vorgang = {};
    // A target named before the box is looked at before it: the person is not sent to the
    // set for a dump that could not be kept.
    if (!ziel.isEmpty() && !zielSchreibbar(ziel))
        return speicherfehler(ziel);
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
            QCoreApplication::translate("vantrel", "ExEeprominhalt Speichern", "FileDialog"),
            eepromStart());
    if (name.isEmpty())
        return TransferResult::canceled();
    m_eepromOrdner = QFileInfo(name).absolutePath();
    // Looked at before the set is asked to send: a dump that could not be kept afterwards
    // would be for nothing. The dump streams into a file of its own beside the target as it
    // comes, so a run killed meanwhile leaves what arrived there and the old backup of that
    // name whole; it takes the name only when it is complete.
    QTemporaryFile strom(name + QStringLiteral(".XXXXXX.partial"));
    strom.setAutoRemove(false);
    // Asking its name gives the file one (on Linux it may begin without a name).
    if (!zielSchreibbar(name) || !strom.open() || strom.fileName().isEmpty())
        return speicherfehler(name);
    bool stromOk = true;
    QByteArray data;
    const TransferResult r =
        dumpEmpfangen(QCoreApplication::translate("vantrel", "ExEeprom in Datei Speichern"), &data,
                      [&](const QByteArray& stueck) {
                          stromOk =
                              stromOk && strom.write(stueck) == stueck.size() && strom.flush();
                      });
    strom.close();
    // The file streamed takes the name ziel (with the mode of the file it replaces).
    const auto ablegen = [&](const QString& ziel) {
        const QFileInfo alt(ziel);
        strom.setPermissions(
            alt.isFile()
                ? alt.permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser)
                : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
        if (stromOk && dateiUmbenennen(strom.fileName(), ziel))
            return true;
        QFile::remove(strom.fileName());
        return false;
    };
    m_vorgang.bytes = data.size();
    melden(r, false);
    if (r.ok()) {
        if (!ablegen(name))
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
        QFile::remove(strom.fileName());
        log(QCoreApplication::translate("vantrel",
                                        "Eeprom-Sicherung: nichts empfangen - keine Datei "
                                        "geschrieben"));
        return r;
    }
    const QString teil = name + QStringLiteral(".partial");
    if (!ablegen(teil))
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
    // In the order things happen: the file is chosen (or taken from the command line), read
    // and looked at, a short file confirmed; then the backup, if one is made; then the box
    // that has the person start function 996, and the write. Nothing wrong with the file is
    // found only after the long dump.
    QString name = quelle;
    if (name.isEmpty()) {
        name = binDateiWaehlen(
            Bediener::Wahl::Oeffnen,
            QCoreApplication::translate("vantrel",
                                        "ExEeprominhalt restaurieren: Datei fuer den externen "
                                        "Eeprom waehlen",
                                        "FileDialog"),
            eepromStart());
        // The EEPROM gets the chosen file or nothing: never what the image held before.
        if (name.isEmpty())
            return TransferResult::canceled();
        m_eepromOrdner = QFileInfo(name).absolutePath();
    }
    // No program's clean-up takes the file away while it is restored (the oldest backup).
    const download::Lesesperre sperre(name);
    QByteArray inhalt;
    if (const TransferResult r = download::eepromDateiLesen(name, &inhalt); !r.ok()) {
        melden(r, true);
        return r;
    }
    // A file shorter than the EEPROM leaves the rest of it as it was: only after a warning.
    if (inhalt.size() < download::kEepromGroesse && m_bediener &&
        !m_bediener->warnen(QCoreApplication::translate("vantrel", "Datei kleiner als der Eeprom"),
                            QCoreApplication::translate(
                                "vantrel", "Datei \"%1\" hat %2 Bytes, der Eeprom %3 Bytes.<br>"
                                           "Nur die ersten %2 Bytes werden ueberschrieben.")
                                .arg(name, QString::number(inhalt.size()),
                                     QString::number(download::kEepromGroesse))))
        return TransferResult::canceled();
    // The backup before the write must not clear away the very backup being restored.
    m_quelle = name;
    if (const TransferResult s =
            sichernVorSchreiben(einst.vorwiederherstellungsichern,
                                download::VerlaufEintrag::Herkunft::VorWiederherstellung);
        !s.ok())
        return s;
    if (!bestaetigt(hinweis::eeRestore(name)))
        return abgelehnt();
    if (!m_sicherung.isEmpty() && m_bediener && !m_bediener->abwarten())
        return TransferResult::canceled();
    TransferResult r;
    if (!leitung(&r))
        return r;
    m_vorgang.datei = name;
    m_vorgang.bytes = inhalt.size();
    fingerabdruck(QStringLiteral("file"), name, inhalt);
    r = sendeBild(true, inhalt,
                  QCoreApplication::translate("vantrel", "Daten in externen Eeprom Laden"), true);
    if (r.ok() && rs232offen())
        log(QCoreApplication::translate(
                "vantrel", "Eeprom-Wiederherstellung: %1 Bytes aus Datei \"%2\" gesendet")
                .arg(inhalt.size())
                .arg(name));
    if (r.ok() && rs232offen())
        r = vergleichNachSchreiben(inhalt);
    return r;
}

QString Geraet::eepromStart() const {
    // The folder of the last backup or restore; at first the one the backups before a write
    // go to, once there is one.
    QString ordner = m_eepromOrdner;
    if (ordner.isEmpty() && QFileInfo(sicherungsordner()).isDir())
        ordner = sicherungsordner();
    return ordner.isEmpty() ? QStringLiteral("*.bin")
                            : QDir(ordner).filePath(QStringLiteral("*.bin"));
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
