// The set as the program sees it: the serial line, the settings and profile, the download
// image, the parameter table with its flags and the calibration tables, with one method per
// operation. The window and talvaro-cli both drive it; what it asks or tells the person goes
// through the Bediener it was given, so both programs run one sequence with the same texts.
#pragma once

#include "app/bediener.h"
#include "app/einstellungen.h"
#include "calibration/ad603.h"
#include "calibration/empfangsring.h"
#include "calibration/smeterwerte.h"
#include "calibration/zfmessung.h"
#include "control/eqcurve.h"
#include "download/downloadimage.h"
#include "download/eepromvergleich.h"
#include "link/portzugriff.h"
#include "link/transferresult.h"
#include "monitor/tdspdaten.h"
#include "parameters/parametertabelle.h"
#include "parameters/parametertransfer.h"

#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class Bediener;
class Leitungswache;
class Link;
class Modem;
class Progress;
struct Hinweis;

class Geraet : public QObject {
    Q_OBJECT
public:
    explicit Geraet(QObject* parent = nullptr);
    ~Geraet() override;

    // Not owned; must outlive every operation. Without one, nothing is asked and all is
    // taken as confirmed.
    void setBediener(Bediener* bediener) { m_bediener = bediener; }

    // ---- line ---------------------------------------------------------------------------
    Modem* modem() const { return m_modem; }
    Link* link() const { return m_link; }
    bool rs232offen() const;
    // Opens the configured port with the configured delays (closing what was open first);
    // emits verbunden() with the port's name or "?".
    bool verbinden();
    void trennen();
    // talvaro-cli opens the line only when an operation needs it, before the operation's
    // first box (or its first byte); then a port that will not open is that operation's
    // failure.
    void setOeffnenBeiBedarf(bool on) { m_beiBedarf = on; }

    // ---- finding and keeping the port -----------------------------------------------------
    // Why the last verbinden() did not open the port; Grund::Keiner when it opened.
    const portzugriff::Portfehler& portfehler() const { return m_portfehler; }
    // After a line drop, the same port is tried once a second until it opens or another one
    // is configured; it is logged when the line is back.
    void setWiederverbinden(bool on);
    Leitungswache* leitungswache() const { return m_wache; }

    // ---- settings and profile -----------------------------------------------------------
    TEinstellungen einst;
    int vesknr = 0;
    int profil() const { return TEinstellungen::clampProfile(vesknr); }
    // Another profile: image and table are emptied. False when it was the profile already.
    bool profilWaehlen(int n);

    // ---- download image and parameter table ---------------------------------------------
    DownloadImage downloadimage;
    QStringList dspzeilen;
    QStringList filterliste;
    ParameterTabelle parametertabelle;
    bool datensatzgeladen = false;
    bool paramgeladen = false;
    bool dateifehler = false;
    int ladequelle = 0;
    bool smkalaktiv = false;
    bool xparamgeaendert = false;

    // The table back to its empty state.
    void paramreset();

    // ---- calibration and monitor state --------------------------------------------------
    Empfangsring empfangsring;
    ZfMessung zfmessung;
    // The monitor's AD603 table, from the profile's AD603 file; the sweep measures into
    // zfmessung.calcurve, which the monitor never touches.
    Calcurve monitorkurve{};
    Ad603Tabelle ad603tabelle{};
    SmeterWerte smgesendet;
    TDspDaten dspdaten;

    // ---- loads --------------------------------------------------------------------------
    // Firmware, filters, checksum, then (mitParametern) the user parameters of the profile;
    // true when every file was read. A file that cannot be opened is reported at once.
    bool datensatzLaden(bool mitParametern = true);
    // Reads a parameter file onto the table (ladequelle 1: the X file); false when it
    // cannot be opened (reported).
    bool parameterDateiLesen(const QString& path);
    // The test firmware into the image, with a checksum of its own.
    bool testfirmwareLaden();
    // "Parameter laden": the profile's user parameter file, as a load of its own.
    bool userParameterLaden();

    // ---- transfers ----------------------------------------------------------------------
    // The column a parameter block sends.
    struct Spalte {
        parameter::Modus modus = parameter::Modus::Ssb;
        parameter::Bank bank = parameter::Bank::Gruen;
        bool monitor = false;
    };

    // What the last operation touched, for the CLI's result: files, sizes, counts.
    struct Vorgang {
        QString datei;
        qint64 bytes = -1;
        bool teil = false; // a backup that ended early: datei is the ".partial" file
        int frames = -1;   // frames sent; for the monitor, telegrams seen
        int checksumme = -1;
    };
    const Vorgang& vorgang() const { return m_vorgang; }

    // Each asks its box first (Cancel gives canceled), loads what it sends and reports a
    // failure with its box and log line. A file that could not be read or written gives a
    // result marked TransferResult::datei.

    // "Direkt zum DSP": the data set into the DSP's loader, then the column's parameters.
    TransferResult dspLaden(const Spalte& spalte);
    // "Testsoftware": the test firmware into the DSP's loader.
    TransferResult testLaden();
    // "Daten + Parameter zum PIC" (image, then parameter block) or "Nur Parameter zum PIC".
    TransferResult picLaden(bool nurParameter);
    // "Eeprom Sicherung": the set's dump into ziel (empty: the person chooses). A dump that
    // ends early never replaces the file: what arrived goes beside it as "<ziel>.partial".
    TransferResult eepromSichern(const QString& ziel = {});
    // "Eeprom Wiederherstellung": quelle (empty: the person chooses) into the EEPROM.
    TransferResult eepromWiederherstellen(const QString& quelle = {});
    // "Parameter Vesk -> PC": the set's parameter area onto the table, exactly as received;
    // with ziel, also written there as a user parameter file.
    TransferResult parameterLesen(const QString& ziel = {});
    // The column as one parameter block. Nothing before a parameter file was loaded.
    TransferResult parameterSenden(const Spalte& spalte);
    // The profile's user parameter file, then its column as one parameter block.
    TransferResult parameterDateiSenden(const Spalte& spalte);
    // A whole equalizer curve.
    TransferResult eqSenden(eqcurve::Side side, const eqcurve::Curve& kurve);
    // The profile's equalizer file of that side; false when it cannot be opened (reported).
    // Bands the file does not reach stay at 0 dB; werte holds what the file gave.
    bool eqDateiLesen(eqcurve::Side side, eqcurve::Curve* kurve, QList<int>* werte = nullptr);
    // The profile's equalizer file of that side, sent as a whole curve.
    TransferResult eqDateiSenden(eqcurve::Side side);
    // The download image (test: of the test firmware) into a file; nothing is written when
    // a file of the set is missing.
    TransferResult bildSchreiben(bool test, const QString& ziel);
    // One command frame.
    TransferResult befehl(int nummer, int wert);

    // The telegram stream on and off; the AD603 file converts the DAC step.
    TransferResult monitorEin();
    void monitorAus();
    // Reads what has come; the next complete telegram, decoded.
    std::optional<TDspDaten> monitorLesen();
    // The next complete telegram among what has already been read, decoded; after
    // monitorLesen, calling this until it brings nothing uses every telegram of a poll.
    std::optional<TDspDaten> monitorNaechstes();
    // The monitor for a program without a window: monitorEin, then every 100 ms one
    // monitorLesen whose telegrams go to jedes, until vorbei() or anzahl telegrams (-1:
    // no limit), then monitorAus. A line that drops ends it with its failure.
    TransferResult monitorLauf(int anzahl, const std::function<bool()>& vorbei,
                               const std::function<void(const TDspDaten&)>& jedes);
    // What has arrived from the DSP into the receive ring (nothing while the port is closed).
    void empfangslesen();
    // The AD603 file of the profile into monitorkurve; a file that cannot be opened leaves it.
    void loadcalcurve();

    // A file the person owns, whole or not at all: a file that cannot be finished keeps its
    // former contents. Refuses to replace what is not a regular file.
    static bool dateiSchreiben(const QString& path, const QByteArray& bytes);
    // Reports a file that cannot be written: box "Speichern fehlgeschlagen!" and log.
    TransferResult speicherfehler(const QString& path);
    // A data set that did not load completely: logged (nothing sent, or with schreiben
    // nothing written) and given as a failure marked datei.
    TransferResult nichtGeladen(bool schreiben);

    // One log line, to the person's log.
    void log(const QString& zeile);

    // ---- knowing what is in the EEPROM (geraetpruefung.cpp) -----------------------------
    // "Eeprom Vergleich": the set's dump (function 997) compared with datei (empty: the person
    // chooses); nothing is written. Equal is done; differences fail with a box, and the log
    // has the count and the first ten. A file that cannot be read is marked datei.
    TransferResult eepromVergleichen(const QString& datei = {});
    // The comparison that ran to its end in the last operation, if one did.
    const std::optional<download::EepromVergleich>& vergleich() const { return m_vergleich; }
    // One fingerprint as the log showed it; art is "image", "backup", "file" or "eeprom".
    struct Fingerabdruck {
        QString art;
        QString datei;
        qint64 bytes = 0;
        QString sha256;
    };
    // The fingerprints this session logged; the operations that write or compare the EEPROM
    // start the list afresh (talvaro-cli runs one operation, so it holds all of its run).
    const QList<Fingerabdruck>& fingerabdruecke() const { return m_fingerabdruecke; }
    // The backup kept before the last write, empty when none was made.
    const QString& sicherung() const { return m_sicherung; }
    // ~/vantrel/sicherungen, where the backups before a write are kept.
    static QString sicherungsordner();
    // How many of those are kept per profile; older ones are removed.
    static constexpr int kSicherungenBehalten = 20;

signals:
    // verbinden() opened the port (its name) or not ("?").
    void verbunden(const QString& text);
    // A parameter file or a read-back changed the table, and it may be shown.
    void parameterGeladen();
    // A log line of the parameter reader (the S-meter wizard shows them too).
    void parameterzeile(const QString& zeile);

private:
    bool bestaetigt(const Hinweis& h);
    // Why the last bestaetigt() went no further: the line that would not open, or canceled.
    TransferResult abgelehnt() const;
    void melden(const TransferResult& r, bool kritisch);
    // Reports a file that cannot be opened and marks the load failed.
    void ladefehler(const TransferResult& fehler);
    bool xParameterOffen();
    // The way of the data set and of the test firmware into the DSP's loader: the box, the
    // load, the line, the image.
    TransferResult zumDsp(const Hinweis& h, const std::function<bool()>& laden);
    // A binary image file to read or write, as the person chooses it; empty when none.
    QString binDateiWaehlen(Bediener::Wahl wahl, const QString& titel);
    // A file there may be written (it is a regular file or none, and its folder takes it).
    static bool zielSchreibbar(const QString& path);
    // The set's EEPROM dump (function 997) over the line, under a progress with that label.
    TransferResult dumpEmpfangen(const QString& label, QByteArray* data);
    // Refuses firmware lines that no record can carry (reported); the image is emptied.
    bool firmwareTauglich(const QString& path);
    // The line for a transfer: open, or opened now when talvaro-cli asked for that.
    bool leitung(TransferResult* fehler);
    std::unique_ptr<Progress> fortschritt(const QString& label, int minimum, int maximum,
                                          double msProSchritt,
                                          const QString& einheit = QStringLiteral("Bytes"));
    double byteMs(int delayMs) const;
    LogSink logSink();
    TransferResult sendeBild(bool zumPic, const QByteArray& bild, const QString& label);
    TransferResult parameterblockZumPic();

    // Knowing what is in the EEPROM (geraetpruefung.cpp): hooks at the start and the end of
    // the writing operations, and the fingerprints of the log.
    // Begins an operation's record: no comparison, no fingerprints, no backup yet.
    void pruefungBeginnen();
    // With an, the dump is kept as a backup first. Not done: nothing may be written.
    TransferResult sichernVorSchreiben(bool an);
    // With the option on, the dump compared with what was just written.
    TransferResult vergleichNachSchreiben(const QByteArray& geschrieben);
    TransferResult mitDumpVergleichen(const QByteArray& datei);
    void fingerabdruck(const QString& art, const QString& datei, const QByteArray& bytes);
    void sicherungenAufraeumen();
    std::optional<download::EepromVergleich> m_vergleich;
    QList<Fingerabdruck> m_fingerabdruecke;
    QString m_sicherung;

    Bediener* m_bediener = nullptr;
    Modem* m_modem = nullptr;
    Link* m_link = nullptr;
    bool m_beiBedarf = false;
    // The last datensatzLaden read its parameter file.
    bool m_parameterGelesen = false;
    TransferResult m_leitungsfehler;
    // Why the last parameter file could not be used (marked datei).
    TransferResult m_parameterFehler;
    Vorgang m_vorgang;
    Leitungswache* m_wache = nullptr;
    portzugriff::Portfehler m_portfehler;
};
