// The set as the program sees it: the serial line, the settings and profile, the download
// image, the parameter table with its flags and the calibration tables, with one method per
// operation. The window and talvaro-cli both drive it; what it asks or tells the person goes
// through the Bediener it was given, so both programs run one sequence with the same texts.
#pragma once

#include "app/arbeit.h"
#include "app/bediener.h"
#include "app/einstellungen.h"
#include "calibration/ad603.h"
#include "calibration/empfangsring.h"
#include "calibration/kalsender.h"
#include "control/eqcurve.h"
#include "download/downloadimage.h"
#include "download/eepromvergleich.h"
#include "download/eepromverlauf.h"
#include "link/portzugriff.h"
#include "link/transferresult.h"
#include "monitor/tdspdaten.h"
#include "parameters/parametertabelle.h"
#include "parameters/parametertransfer.h"
#include "parameters/parametervergleich.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class Bediener;
class Dateirollen;
class Kalibrierung;
class Leitungswache;
class QTimer;
class SmKalibrierung;
class ZfKalibrierung;
class Link;
class Modem;
class Progress;
class SerialTrace;
struct Hinweis;

class Geraet : public QObject, private KalSender {
    Q_OBJECT
public:
    explicit Geraet(QObject* parent = nullptr);
    ~Geraet() override;

    // The S-meter calibration's first parameter; it owns those above while it runs.
    static constexpr int kSmKalErster = 68;

    // Not owned; must outlive every operation. Without one, nothing is asked and all is
    // taken as confirmed.
    void setBediener(Bediener* bediener) { m_bediener = bediener; }
    Bediener* bediener() const { return m_bediener; }

    // ---- line ---------------------------------------------------------------------------
    // The calibrations still send through it; nothing else reaches the line around the
    // session.
    // Every byte on the line and every open and close of the port into trace.
    void mitschreiben(SerialTrace& trace);
    bool rs232offen() const;
    // Opens the configured port with the configured delays (closing what was open first);
    // emits verbunden() with the port's name or "?".
    bool verbinden();
    // Closes the line on purpose; the telegram stream stops with it.
    void trennen();
    // talvaro-cli opens the line only when an operation needs it, before the operation's
    // first box (or its first byte); then a port that will not open is that operation's
    // failure.
    void setOeffnenBeiBedarf(bool on) { m_beiBedarf = on; }

    // ---- finding and keeping the port -----------------------------------------------------
    // Why the last verbinden() did not open the port; Grund::Keiner when it opened.
    const portzugriff::Portfehler& portfehler() const { return m_portfehler; }
    // After a line drop (logged), the same port is tried every intervallMs until it opens or
    // another one is configured; it is logged when the line is back.
    void setWiederverbinden(bool on, int intervallMs = 1000);

    // ---- settings and profile -----------------------------------------------------------
    const TEinstellungen& einstellungen() const { return einst; }
    // New settings (from the configuration file or the options dialog) and, with profil >= 0,
    // the profile they select; announced by einstellungenGeaendert(). The line is not
    // reopened: verbinden() does that.
    void setEinstellungen(const TEinstellungen& e, int profil = -1);
    int profil() const { return TEinstellungen::clampProfile(vesknr); }
    // Another profile: edits pending are stored and sent first, then image and table are
    // emptied and the old profile's unsaved changes dropped; announced by profilGewechselt().
    // False when it was the profile already, or a calibration runs (see profilwechselFrei).
    bool profilWaehlen(int n);

    // Every data file of profile p that an operation may read, with its role: the profile's
    // files and the coefficient files its filter list names (geraetdateien.cpp).
    void dateienSammeln(Dateirollen& rollen, int p) const;
    // Every relative data file name and software folder of e, taken in ordner: for a run
    // that cannot make ordner its working folder (it is not there).
    static void namenIn(TEinstellungen& e, const QString& ordner);

    // ---- download image and parameter table ---------------------------------------------
    const DownloadImage& bild() const { return downloadimage; }
    const QStringList& dspZeilen() const { return dspzeilen; }
    const QStringList& filterListe() const { return filterliste; }
    const ParameterTabelle& tabelle() const { return parametertabelle; }
    // The last datensatzLaden read every file of the data set.
    bool datensatzGeladen() const { return datensatzgeladen; }
    // The table holds a parameter file or a read-back and may be edited and sent.
    bool paramGeladen() const { return paramgeladen; }
    // A data file of the last load could not be read.
    bool dateiFehler() const { return dateifehler; }
    // The S-meter calibration runs and owns parameter 68 and above.
    bool smKalAktiv() const { return smkalaktiv; }
    // Live changes of user or X parameters that no file has taken yet.
    bool paramGeaendert() const { return m_paramgeaendert; }
    bool xParamGeaendert() const { return xparamgeaendert; }

    // The table back to its empty state.
    void paramreset();
    // The image emptied.
    void bildLoeschen();

    // The column the panel shows and the last parameter block sent.
    struct Spalte {
        parameter::Modus modus = parameter::Modus::Ssb;
        parameter::Bank bank = parameter::Bank::Gruen;
        // The telegrams stay on through the block (also whenever the monitor window
        // listens, whatever this says).
        bool monitor = false;
    };
    const Spalte& spalte() const { return m_spalte; }
    // Shows another column (stored edits first) and sends it as one parameter block.
    TransferResult spalteWaehlen(const Spalte& s);
    // The column without sending it (a read or a download selects green SSB).
    void spalteSetzen(const Spalte& s);
    // Live edits of the column shown, raw values by parameter number: each is stored first,
    // then the frames of those that changed are sent. Frames not yet out when another column
    // is shown are dropped: that column follows as a whole block and must be what the set
    // ends with. Entries the S-meter calibration owns (68 on, while it runs) are stored
    // from 68 but neither compared nor sent.
    QList<std::pair<int, int>> parameterAendern(const QList<std::pair<int, int>>& rohwerte);
    TransferResult framesSenden(const QList<std::pair<int, int>>& frames);
    // The highest raw value an edit of entry i may store into the column shown: one below
    // what would make it absent (255) or "as green" (254 in Gelb and Rot).
    int editOben(int i) const;
    // Edits held back by a debounce are stored and sent now (before a load, a profile
    // switch, a calibration or the close): every part that answers Arbeit is asked.
    void aenderungenUebernehmen();

    // The table into a user parameter file; the flag of unsaved changes is cleared.
    TransferResult parameterSpeichern(const QString& ziel);
    // The X parameters into ziel, and their green values as a table beside the configured X
    // file; the flag is cleared only when both were written.
    TransferResult xParameterSpeichern(const QString& ziel);

    // ---- calibration and monitor state (geraetstrom.cpp) ----------------------------------
    // Who reads the DSP's status telegrams. While at least one of them listens, the stream
    // is on (52, 2) and the session polls the line: every telegram goes to every reader
    // through telegramm(), so none can starve another. When the last one stops listening,
    // the stream goes off (52, 1).
    enum class Leser { Monitor = 1, ZfKal = 2, SmKal = 4, Programm = 8 };
    void lesen(Leser leser, bool an);
    bool liest(Leser leser) const { return (m_leser & int(leser)) != 0; }
    bool stromAn() const { return m_leser != 0; }
    // The poll's period in ms (100; tests and benches shorten it).
    void setAbfrageMs(int ms);
    // Polls that read the line since the session was made.
    int abfragen() const { return m_abfragen; }
    const Empfangsring& empfangsring() const { return m_ring; }
    // The monitor's AD603 table, from the profile's AD603 file (the sweep measures into the
    // IF calibration's own curve, which the monitor never touches).
    const Calcurve& monitorkurve() const { return m_monitorkurve; }
    // The AD603 file of the profile into monitorkurve; a file that cannot be opened leaves it.
    void loadcalcurve();

    // The two calibrations; one runs at a time.
    ZfKalibrierung& zfkal() const { return *m_zfkal; }
    SmKalibrierung& smkal() const { return *m_smkal; }
    // The calibration that is under way (not at its introduction), or none.
    const Kalibrierung* laufendeKalibrierung() const;

    // ---- loads --------------------------------------------------------------------------
    // Firmware, filters, checksum, then (mitParametern) the user parameters of the profile;
    // true when every file was read. A file that cannot be opened is reported at once.
    bool datensatzLaden(bool mitParametern = true);
    // The test firmware into the image, with a checksum of its own.
    bool testfirmwareLaden();
    // "Parameter laden": the profile's user parameter file, as a load of its own.
    bool userParameterLaden();
    // "X-Parameter laden": the profile's X file onto the table, its entries marked X; a load
    // like the other, so the panel shows what it read.
    bool xParameterLaden();
    // A calibration's own load: the user parameters for the S-meter calibration (which then
    // owns parameter 68 and above until kalibrierungEnde()), else the standard parameters.
    bool kalParameterLaden(bool smeter);
    // A calibration sets green SSB of one parameter for its measurement; with sperren the
    // panel keeps every other parameter from being edited meanwhile.
    void kalParameterSetzen(int nummer, int wert, bool sperren);
    // A calibration ended: the table goes with it, and the panel is told.
    void kalibrierungEnde();
    // A data file that could not be read: box, log, and the load counts as failed.
    void ladefehler(const TransferResult& fehler);

    // ---- transfers ----------------------------------------------------------------------

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
    // A command frame the person typed ("DSP-Befehl").
    TransferResult befehl(int nummer, int wert);
    // Function switch i (0..7: switches 1..7 and 9) on or off.
    TransferResult schalten(int i, bool an);
    // Mode and sideband, which travel together in one frame.
    TransferResult seitenband(bool cw, bool usb);
    // One equalizer band, its frames as one transfer.
    TransferResult eqBand(eqcurve::Side side, int band, int wert);
    // A transfer owns the line now.
    bool uebertragungLaeuft() const;

    // ---- the program's life (geraetlauf.cpp) ----------------------------------------------
    // A close, a profile switch, a load, a reconnect, a calibration start, a silence and a
    // line drop pass through here. The session knows what is in flight (a transfer, a
    // parameter block, a calibration, pending edits) and asks the parts that hold work of
    // the person (the window's pages) through Arbeit.

    // Not owned; a part leaves before it is destroyed.
    void anmelden(Arbeit* arbeit);
    void abmelden(Arbeit* arbeit);
    // What no file holds yet, one name per part that holds it.
    QStringList ungespeichert() const;
    // Before a transition that would lose them: pending edits stored and sent, then the
    // person asked about what is unsaved (Ja saves, Nein gives it up). False when the person
    // cancelled or a save did not happen, and nothing may be lost.
    bool aenderungenSichern();
    // The line is quiet: no transfer owns it, no frame is being paced and no operation waits
    // further down the stack. Only then may the port close.
    bool ruhig() const;
    // ruhig(), or else the box under titel that a transfer runs (a block left to run after
    // its progress was closed must not have its table replaced under it).
    bool ruhigSonstMelden(const QString& titel);
    // Every transfer that runs now is asked to cancel; a parameter block runs to its (108, 0)
    // whatever is asked.
    void abbrechen();
    // A profile switch may go on: no calibration runs, or the person agreed to end it (the
    // box names it). False keeps the profile.
    bool profilwechselFrei();
    // The close-down, once ruhig(): pending edits sent, every part stopped, a calibration
    // ended (an open block closed with (108, 0)), the telegrams off with (52, 1), the port
    // closed.
    void herunterfahren();
    // The delay (ms) that followed the last byte written: which of the three paces a
    // transfer runs at.
    int letzteVerzoegerung() const;

    // The stream off at the close-down, whoever listens: (52, 1) goes out in any case.
    void monitorAus();
    // The monitor for a program without a window: listens to the telegrams and hands each
    // to jedes, until vorbei() or anzahl telegrams (-1: no limit), then stops listening. A
    // line that drops ends it with its failure.
    TransferResult monitorLauf(int anzahl, const std::function<bool()>& vorbei,
                               const std::function<void(const TDspDaten&)>& jedes);

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
    // The data files the active profile names that are not there, one a line: the label of
    // the options dialog and the full path ("Datei der DSP-Software: \"/pfad/VESK.dpk\"").
    QStringList fehlendeDateien() const;
    // Where the backups before a write are kept: ~/vantrel/sicherungen, or "sicherungen" in
    // the session's own folder.
    QString sicherungsordner() const;
    // The folder for the files the session makes of its own (the backups before a write, the
    // IF calibration's AD603_1.dat); empty: the configuration folder. The simulate mode
    // keeps them apart from the real set's.
    void setEigenerOrdner(const QString& ordner);
    // The history of the profile's EEPROM dumps (in sicherungsordner()).
    download::EepromVerlauf verlauf() const { return {sicherungsordner(), profil()}; }

    // ---- the set's parameters against a table (geraetparameter.cpp) ----------------------
    // The read-back's way (its boxes and checks, function 995) into a comparison: with datei,
    // that parameter file; without, the table the panel shows. Nothing is written or sent.
    // Done when the area arrived; the differences are in parameterAbweichungen().
    TransferResult parameterVergleichen(const QString& datei = {});
    const QList<parameter::Abweichung>& parameterAbweichungen() const { return m_abweichungen; }
    // The set's values of the last comparison with the panel's table into that table, as
    // unsaved changes (the set has them already: nothing is sent). False without one.
    bool talvaroWerteUebernehmen();

signals:
    // A byte went on the line (for the figures of a transfer).
    void byteGeschrieben();
    // verbinden() opened the port (its name) or not ("?"); the line dropped ("?"); the port
    // came back by itself (its name).
    void verbunden(const QString& text);
    // A parameter file or a read-back changed the table, and it may be shown.
    void parameterGeladen();
    // The table was emptied (a reset, another profile).
    void tabelleZurueckgesetzt();
    // A load that failed changed the table: it is no longer offered for editing.
    void parameterGesperrt();
    // The flags of unsaved parameter changes changed.
    void speicherstandGeaendert();
    // Another column is shown.
    void spalteGewechselt();
    void einstellungenGeaendert();
    // "Direkt zum DSP" starts the DSP afresh: every function switch off.
    void dspNeustart();
    // Function switch i (as schalten() counts them) went off by a frame of a calibration's
    // parameter block; the frame is out, nothing is to be sent for it.
    void schalterAus(int i);
    void profilGewechselt(int profil);
    // A log line of the parameter reader (the S-meter wizard shows them too).
    void parameterzeile(const QString& zeile);
    // One decoded status telegram, to everyone who listens.
    void telegramm(const TDspDaten& daten);
    // A poll read the line and found that many telegrams; the calibrations count silence by it.
    void abgefragt(int telegramme);
    // The line dropped while telegrams were being read.
    void telegrammeAbgerissen();
    // The stream went on or off.
    void stromGeschaltet(bool an);
    // A calibration loads its parameters or measures: the monitor switch waits meanwhile.
    void kalibrierungLaeuft(bool laeuft);
    // A calibration set parameter nummer (SSB/Gruen) to wert; with sperren, the panel keeps
    // every other parameter from being edited while it runs.
    void kalibrierparameter(int nummer, int wert, bool sperren);
    // A calibration ended and reset the table: the panel goes back to its empty state.
    void kalibrierungBeendet();

private:
    // Tests reach the line through their own accessor (tests/support/geraetzugang.h); nothing
    // in the programs does: every frame passes the session.
    friend struct GeraetZugang;
    Link* link() const { return m_link; }
    // How many backups before a write are kept per profile; older ones are removed.
    static constexpr int kSicherungenBehalten = 20;
    // Reads a parameter file onto the table (ladequelle 1: the X file); false when it
    // cannot be opened (reported).
    bool parameterDateiLesen(const QString& path);
    void setParamGeaendert(bool user, bool x);
    // A read filled the table: it may be used, and the file it came from (user, x) holds no
    // unsaved change.
    void geladenMelden(bool user, bool x);

    TEinstellungen einst;
    int vesknr = 0;
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
    bool m_paramgeaendert = false;
    Spalte m_spalte;
    // Counts the columns shown: frames of an older one are not sent any more.
    int m_spaltenwechsel = 0;

    bool bestaetigt(const Hinweis& h);
    // Why the last bestaetigt() went no further: the line that would not open, or canceled.
    TransferResult abgelehnt() const;
    void melden(const TransferResult& r, bool kritisch);
    bool xParameterOffen();
    // What a transfer loads: the data set (with the user parameters), the test firmware, the
    // user parameters alone.
    enum class Ladung { Datensatz, Test, Parameter };
    // Whether that load would succeed, looked at without changing anything (the image's size
    // in bildGroesse): checked before the person is told to start anything at the set.
    bool ladbar(Ladung art, qsizetype* bildGroesse = nullptr) const;
    // The way of the data set and of the test firmware into the DSP's loader: the check, the
    // box, the load, the line, the image.
    TransferResult zumDsp(const Hinweis& h, Ladung art, const std::function<bool()>& laden);
    // A binary image file to read or write, as the person chooses it; empty when none.
    QString binDateiWaehlen(Bediener::Wahl wahl, const QString& titel,
                            const QString& start = QStringLiteral("*.bin"));
    // Where the file dialogs of the backup and the restore start ("*.bin" in a folder).
    QString eepromStart() const;
    // The folder of the last backup or restore chosen in a dialog.
    QString m_eepromOrdner;
    QString m_eigenerOrdner;
    // A file there may be written (it is a regular file or none, and its folder takes it).
    static bool zielSchreibbar(const QString& path);
    // The set's EEPROM dump (function 997) over the line, under a progress with that label;
    // each piece also goes to stueck as it arrives.
    TransferResult dumpEmpfangen(const QString& label, QByteArray* data,
                                 const std::function<void(const QByteArray&)>& stueck = {});
    // Refuses firmware lines that no record can carry (reported); the image is emptied.
    bool firmwareTauglich(const QString& path);
    // The line for a transfer: open, or opened now when talvaro-cli asked for that.
    bool leitung(TransferResult* fehler);
    std::unique_ptr<Progress> fortschritt(const QString& label, int minimum, int maximum,
                                          double msProSchritt,
                                          const QString& einheit = QStringLiteral("Bytes"));
    double byteMs(int delayMs) const;
    LogSink logSink();
    // A restore (wiederherstellung) that breaks off says that the EEPROM is partly written.
    TransferResult sendeBild(bool zumPic, const QByteArray& bild, const QString& label,
                             bool wiederherstellung = false);
    // The parameter block into the EEPROM; after the image (nachBild) a failure says that
    // the EEPROM is incomplete.
    TransferResult parameterblockZumPic(bool nachBild);

    // Knowing what is in the EEPROM (geraetpruefung.cpp): hooks at the start and the end of
    // the writing operations, and the fingerprints of the log.
    // Begins an operation's record: no comparison, no fingerprints, no backup yet.
    void pruefungBeginnen();
    // With an, the dump is kept as a backup first. Not done: nothing may be written.
    TransferResult sichernVorSchreiben(bool an, download::VerlaufEintrag::Herkunft herkunft);
    // With the option on, the dump compared with what was just written.
    TransferResult vergleichNachSchreiben(const QByteArray& geschrieben);
    TransferResult mitDumpVergleichen(const QByteArray& datei);
    void fingerabdruck(const QString& art, const QString& datei, const QByteArray& bytes);
    void sicherungenAufraeumen();
    // A dump into the profile's history (a failure to record it is logged).
    void verzeichnen(download::VerlaufEintrag::Herkunft herkunft, const QString& datei,
                     const QByteArray& dump, bool vollstaendig);
    // A dump the person did not name a file for, kept in the backup folder and recorded; the
    // file's name or empty.
    QString dumpAblegen(download::VerlaufEintrag::Herkunft herkunft, const QByteArray& dump,
                        bool vollstaendig);
    // The area of the read-back (after its boxes and checks) and the profile's parameter
    // lines; ziel is looked at first when given.
    TransferResult bereichEmpfangen(const QString& ziel, QStringList* zeilen, QByteArray* bereich);
    // When the running operation began: the clean-up leaves what is younger.
    QDateTime m_beginn;
    QList<parameter::Abweichung> m_abweichungen;
    // The set's values of the last comparison with the panel's table.
    std::optional<ParameterTabelle> m_talvarowerte;
    std::optional<download::EepromVergleich> m_vergleich;
    QList<Fingerabdruck> m_fingerabdruecke;
    QString m_sicherung;
    // The file the running restore or comparison reads: the clean-up leaves it, even when it
    // is the oldest of the program's backups.
    QString m_quelle;

    // What the calibrations may send (geraetstrom.cpp).
    bool frame(int nummer, int wert) override;
    bool block(const QList<std::pair<int, int>>& frames,
               const std::function<bool()>& weiter) override;
    void blockSchliessen() override;
    void warten(int ms) override;
    // A (108, 1) went out and its (108, 0) did not yet: after a reconnect the DSP still
    // waits inside that block, so the line's first frame closes it.
    bool m_blockOffen = false;
    void blockVerfolgen(int nummer, int wert);
    void offenenBlockSchliessen();

    // The telegram stream (geraetstrom.cpp).
    void strombauen();
    void abfrage();
    void kalzustand();
    int m_leser = 0;
    int m_abfrageMs = 100;
    int m_abfragen = 0;
    bool m_abfrageAktiv = false;
    bool m_kalLaeuft = false;
    QTimer* m_abfragetimer = nullptr;
    Empfangsring m_ring;
    TDspDaten m_dspdaten;
    Calcurve m_monitorkurve{};
    ZfKalibrierung* m_zfkal = nullptr;
    SmKalibrierung* m_smkal = nullptr;
    QList<Arbeit*> m_arbeiten;
    // Progresses of the transfers under way, for abbrechen().
    QList<QPointer<Progress>> m_fortschritte;

    Bediener* m_bediener = nullptr;
    Modem* m_modem = nullptr;
    Link* m_link = nullptr;
    bool m_beiBedarf = false;
    bool m_wiederholen = false;
    // The last datensatzLaden read its parameter file.
    bool m_parameterGelesen = false;
    TransferResult m_leitungsfehler;
    // Why the last parameter file could not be used (marked datei).
    TransferResult m_parameterFehler;
    // The last data file of a load that failed, as its box said it.
    TransferResult m_ladefehler;
    // A file setting of the active profile: its label in the options dialog, its full path.
    struct Dateieinstellung {
        QString label;
        QString pfad;
    };
    QList<Dateieinstellung> dateieinstellungen() const;
    // The failure with the setting and profile that named its file, where one did.
    TransferResult mitHerkunft(TransferResult fehler) const;
    Vorgang m_vorgang;
    Leitungswache* m_wache = nullptr;
    portzugriff::Portfehler m_portfehler;
};
