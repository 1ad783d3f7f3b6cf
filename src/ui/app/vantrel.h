// The main window: every widget of the six pages and every timer, over the session (Geraet)
// that owns the line, the settings, the download image, the parameter table and the
// calibration state. Its slots read the widgets, call the session and refresh the widgets;
// their bodies live beside their subsystem (download/, parameters/, ...).
#pragma once

#include "app/einstellungen.h"
#include "app/geraet.h"
#include "calibration/empfangsring.h"
#include "calibration/smeterwerte.h"
#include "calibration/zfmessung.h"
#include "download/downloadimage.h"
#include "monitor/tdspdaten.h"
#include "parameters/parametertabelle.h"

#include <QDir>
#include <QMainWindow>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>

struct Hinweis;
class QAction;
class QChartView;
class QLineSeries;
class QLabel;
class QProgressBar;
class QSpinBox;
class QRadioButton;
class QCheckBox;
class QDoubleSpinBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTextEdit;
class QTimer;
class QTranslator;
class DspMonitor;
class SmKurve;
class EqSeite;
class Link;
class Modem;
class odlg;

class FensterBediener;

class vantrel : public QMainWindow {
    Q_OBJECT
    // First of all members: the references into it below are bound to it.
    Geraet* const m_geraet;
    std::unique_ptr<FensterBediener> m_bediener;

public:
    explicit vantrel(QWidget* parent = nullptr);
    ~vantrel() override;

    // ---- app: configuration, profiles, title --------------------------------------------
    // The smallest page that holds every control of every page.
    static constexpr QSize kSeiteMin{850, 580};
    static constexpr const char* versionText = "V1.18";
    static constexpr const char* dateText = " vom 17.11.2014";

    TEinstellungen& einst;
    int& vesknr;
    QDir configdir;
    // The configuration file name inside configdir ("vantrel.cfg" unless told otherwise).
    static QString& configFileName();

    void readSettings();
    // Writes the configuration file; false (and the box shown) when it could not be written.
    bool writeSettings();
    void setactiontexts();
    // Lays out every page for the current window size.
    void layoutalles();

    // Appends one line to the log on the page "DSP-Firmware".
    void logzeile(const QString& text);

    // The session: the set as the program sees it.
    Geraet* geraet() const { return m_geraet; }
    Modem* modem() const { return m_geraet->modem(); }
    Link* link() const { return m_geraet->link(); }
    bool rs232offen() const;
    DspMonitor* dspmonitor() const { return m_monitor; }
    odlg* optionsdialog() const { return m_odlg; }

    // ---- link: paced senders, delegated to the Link -------------------------------------
    void warten(int ms);
    void sendepic(int value);
    void sendedsp(int value);
    void sendeparam(int value);
    void dspframe(int number, int value);
    bool rs232leeren();

    // ---- download (firmware page) -------------------------------------------------------
    // The download image (buffer, zwischenpuffer, checksumme, wortbyte1..3).
    DownloadImage& downloadimage;
    QStringList& dspzeilen;
    QStringList& filterliste;
    // Reads a firmware file (also the test firmware) into dspzeilen; a file that cannot be
    // opened is reported (box, log, dateifehler) and gives false.
    bool dspdateilesen(const QString& path);
    void dspfileparsen();
    void checksummeanhaengen();
    // Shows a file that could not be opened: critical box, log line, dateifehler.
    void ladefehler(const TransferResult& fehler);
    // True when the last clickfileladen() read every file of the data set.
    bool& datensatzgeladen;

    // ---- parameters ---------------------------------------------------------------------
    void bufferloeschen();
    void paramreset();
    void paramfreigabe(bool on);
    void panellayout();
    ParameterTabelle& parametertabelle;
    // Reads a parameter file onto the table; false when it cannot be opened (reported).
    bool paramdateilesen(const QString& path);
    // Refreshes the whole panel for the selected mode and bank.
    void paramanzeigen();
    bool& paramgeladen;
    bool& dateifehler;
    int& ladequelle;
    bool& smkalaktiv;
    bool& xparamgeaendert;
    // Shows parameter i with raw value v (255: hidden).
    void paramzeigen(int i, int v);
    // Sends the selected mode and bank's column as a parameter block.
    void parameter2dsp();
    // A file the user owns could not be written: critical box "Speichern fehlgeschlagen!"
    // and the same text in the log. For every writer of the program.
    void speicherfehler(const QString& path);
    // A tstopdspbef() run is sending; a tick meanwhile comes back later.
    bool dspbefaktiv = false;

    // ---- control (switches, equalizers) -------------------------------------------------
    // Labels switches 4, 7 and 9 for the mode, SSB or CW (cw true); sends nothing.
    void schaltertexte(bool cw);
    // Sends switch i's state (index into schalter) as its command: 1 checked, 0 not.
    void schalten(int i);
    // The equalizer pages with their sliders, last-sent values and loaded flags.
    EqSeite* rxeq = nullptr;
    EqSeite* txeq = nullptr;
    void eqdateiladen(EqSeite& s);
    void eqslideraendern(EqSeite& s);
    void eqtimerstop(EqSeite& s);
    void eq2dsp(EqSeite& s);
    void eqdateispeichern(EqSeite& s);

    // ---- calibration --------------------------------------------------------------------
    // The DSP's bytes, shared by the calibration poll and the monitor poll.
    Empfangsring& empfangsring;
    // The IF wizard's measurement requests and its DAC sweep (messung, messzaehler,
    // pegelsumme, pegelmin, dacstufe); calcurve is the sweep's table, monitorkurve the
    // monitor's own.
    ZfMessung& zfmessung;
    Calcurve& calcurve;
    Calcurve& monitorkurve;
    Ad603Tabelle& ad603tabelle;
    double pegelmax = 0;
    int smschritt = 0;
    int zfschritt = 0;
    // The S-meter file has been read; until then no setting is sent live.
    bool scalgeladen = false;
    QStringList scalzeilen;
    // The S-meter settings last sent (scalnf, scalip3, scaldds).
    SmeterWerte& smgesendet;
    // The values the S-meter spin boxes show, in the same order.
    SmeterWerte smboxen() const;
    // The calibration poll's period in ms (100; tests shorten it).
    int empfangintervall = 100;
    // Shows the receive error box for code 1 (no data), 3 or 4 (no echo 6 or 8).
    void empfangsfehler(int code);
    // Reads the S-meter file of the active profile into the boxes and the last-sent values.
    // The S-meter file into the boxes; false (and a box) when it cannot be opened.
    bool smdateilesen();
    // Writes the S-meter file from the last-sent values; false (and reported) on failure.
    bool smdateischreiben();
    // The wizards' text areas.
    void smlog(const QString& html);
    void zflog(const QString& html);

    // ---- monitor ------------------------------------------------------------------------
    // The last telegram decoded, kept between telegrams (agc and vogad change only with
    // their direction).
    TDspDaten& dspdaten;
    // The monitor poll's period in ms (100; tests shorten it).
    int monitorintervall = 100;

signals:
    void sendedspdaten(const TDspDaten& daten);

public slots:
    // app
    void about();
    void meinst();
    void meinstsave();
    void setAText(const QString& text);
    void auswahlvesk1();
    void auswahlvesk2();
    void auswahlvesk3();
    void actrepainttimer();
    // link
    void testtimerstop();
    // download
    // Loads the whole data set; false when some file of it could not be opened.
    bool clickfileladen();
    void clickdspladen();
    void clicktestladen();
    void clickpicladen();
    void clickpar2pic();
    void clickeesichern();
    void clickeerestore();
    // parameters
    void clickparamladen();
    void clickxparamladen();
    void clickparam2pc();
    void clickparamsave();
    void clickxparamsave();
    void setparamgruppegn();
    void setparamgruppege();
    void setparamgruppert();
    void setparamgruppessb();
    void setparamgruppecw();
    void setuserid();
    void setveskid();
    void dspbefehl();
    void tstopdspbef();
    // control
    void clickdspbefehl();
    void setb1();
    void setb2();
    void setb3();
    void setb4();
    void setb5();
    void setb6();
    void setb7();
    void setb9();
    void setparamusb();
    void setparamlsb();
    void clickrxeqladen();
    void clicktxeqladen();
    void clickrxeq2pic();
    void clicktxeq2pic();
    void clickrxeqspeichern();
    void clicktxeqspeichern();
    void rxslideraendern();
    void txslideraendern();
    void timerrxeqstop();
    void timertxeqstop();
    // calibration
    void tstopempfangRS232();
    void clicksmstep();
    void clicksmabbruch();
    void geaendertsm();
    void tstopsmbef();
    void clickifstep();
    void clickifabbruch();
    // monitor
    void setdmoni();
    void timerdspmonistop();
    void loadcalcurve();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void setprofile(int n);
    // Live changes to parameters, X parameters or an equalizer curve not saved yet.
    bool ungespeichert() const;
    // Asks whether to save them first (Ja / Nein / Abbrechen); false when the person
    // cancelled or a save did not happen, and nothing may be lost.
    bool aenderungensichern();
    // A parameter file or a read-back filled the table: the panel shows it, from bank Gruen
    // in SSB and LSB with the user numbers.
    void parametergeladen();
    // The column the mode, bank and monitor switch select.
    Geraet::Spalte spalte() const;
    // The mode and bank the panel's radio buttons select. Green unless Gelb or Rot is
    // checked: a read or a download checks one of them before any of this runs.
    parameter::Modus parammodus() const;
    parameter::Bank parambank() const;
    // Page builders and their layouts, one per subsystem.
    void bauefirmwareseite();
    void layoutfirmwareseite();
    void baueparameterseite();
    void baueeqseiten();
    void layouteqseiten();
    void bauekalseiten();
    void layoutkalseiten();
    void bauezfkurve();
    // calibration helpers
    void empfangslesen();
    void telegrammauswerten(const Telegramm& t);
    void smintro();
    void zfintro();
    // False when the S-meter file is missing: nothing was sent.
    bool smladefolge(int lauf);
    void zfladefolge(int lauf);
    // The load's parameter frames; false when the wizard was aborted on the way.
    bool kalparametersenden(int ohne, bool smeter, int lauf);
    void kalparametersetzen(int nummer, int wert);
    void kalparamfreigabe();
    // While a wizard measures, the monitor switch is off; afterwards as it was.
    void kalmessung(bool laeuft);
    // A wizard ended: the monitor switch usable while the monitor is on.
    void kalende();
    bool monitorgesperrt = false;
    // Before an echo request: what came during the wait before it is dropped, unread.
    void echobeginnen();
    bool ad603speichern(const QString& pfad);
    // The chart of the IF page: the steps the sweep has measured so far, and the curve of
    // the profile's AD603 file as it stood when the sweep began (none without a file).
    void zfkurvezeigen();
    void zftabellezeigen();
    // Step 11: checks the sweep's curve and table; with a doubt the person decides. True
    // when the table is to be written.
    bool zfkurvepruefen();
    // Keeps the old table as "<pfad>.bak", then writes the new one; the log names both.
    bool kaltabelleersetzen(const QString& pfad, const std::function<bool()>& schreiben);
    // Counts the wizards' aborts: a step that waited finds out whether it was aborted.
    int smlauf = 0;
    int zflauf = 0;
    bool empfangaktiv = false;
    bool monitoraktiv = false;
    bool smbefaktiv = false;
    // What each parameter box showed when the table was last shown or sent from it.
    std::array<double, 100> m_angezeigt{};
    // The mode and bank the boxes show: their edits belong to this column, whatever the
    // radio buttons say by the time they are taken.
    parameter::Modus m_panelmodus = parameter::Modus::Ssb;
    parameter::Bank m_panelbank = parameter::Bank::Gruen;
    // Stores every edited box into the shown column and gives the frames that are due.
    QList<std::pair<int, int>> paramuebernehmen();
    // Before the panel shows another column, edits of the one it shows are stored.
    void spaltewechseln();
    void createactions();

public:
    QAction* exitAct = nullptr;
    QAction* optionAct = nullptr;
    QAction* aboutAct = nullptr;
    QAction* aboutQtAct = nullptr;
    QAction* vesk1Act = nullptr;
    QAction* vesk2Act = nullptr;
    QAction* vesk3Act = nullptr;

    QTimer* testtimer = nullptr;
    QTimer* repainttimer = nullptr;
    QTimer* dspbeftimer = nullptr;
    QTimer* smbeftimer = nullptr;
    QTimer* empfangtimer = nullptr;
    QTimer* rxeqtimer = nullptr;
    QTimer* txeqtimer = nullptr;
    QTimer* dspmonitimer = nullptr;

private:
    // ---- widgets --------------------------------------------------------------------------
    QTabWidget* tabs = nullptr;
    QWidget* firmwareseite = nullptr;
    QWidget* parameterseite = nullptr;
    QWidget* rxeqseite = nullptr;
    QWidget* txeqseite = nullptr;
    QWidget* zfseite = nullptr;
    QWidget* smseite = nullptr;

    QGroupBox* gbruvado = nullptr;
    QGroupBox* gbquarnel = nullptr;
    QGroupBox* gbbefehl = nullptr;
    QGroupBox* gbtest = nullptr;
    QPushButton* bdspladen = nullptr;
    QPushButton* bpicladen = nullptr;
    QPushButton* bpar2pic = nullptr;
    QPushButton* beesichern = nullptr;
    QPushButton* beerestore = nullptr;
    QPushButton* bparam2pc = nullptr;
    QPushButton* btestladen = nullptr;
    QPushButton* bdspbefehl = nullptr;
    QLineEdit* ebefehlnr = nullptr;
    QLineEdit* ebefehlwert = nullptr;

    // parameter page
    QPushButton* bparamladen = nullptr;
    QPushButton* bparamsave = nullptr;
    QPushButton* bxparamladen = nullptr;
    QPushButton* bxparamsave = nullptr;
    QCheckBox* cbdmoni = nullptr;
    QTabWidget* paramtabs = nullptr;
    QWidget* paramseite[3] = {nullptr, nullptr, nullptr};
    // the eight function switches 1..7 and 9, in that order
    QCheckBox* schalter[8] = {nullptr, nullptr, nullptr, nullptr,
                              nullptr, nullptr, nullptr, nullptr};
    QGroupBox* gbbank = nullptr;
    QGroupBox* gbseitenband = nullptr;
    QGroupBox* gbmode = nullptr;
    QGroupBox* gbdspid = nullptr;
    QRadioButton* rbgruen = nullptr;
    QRadioButton* rbgelb = nullptr;
    QRadioButton* rbrot = nullptr;
    QRadioButton* rbusb = nullptr;
    QRadioButton* rblsb = nullptr;
    QRadioButton* rbssb = nullptr;
    QRadioButton* rbcw = nullptr;
    QRadioButton* rbuser = nullptr;
    QRadioButton* rbvesk = nullptr;

    // equalizer pages
    QGroupBox* gbrxeq = nullptr;
    QGroupBox* gbtxeq = nullptr;
    QPushButton* brxeqladen = nullptr;
    QPushButton* brxeqspeichern = nullptr;
    QPushButton* brxeq2pic = nullptr;
    QPushButton* btxeqladen = nullptr;
    QPushButton* btxeqspeichern = nullptr;
    QPushButton* btxeq2pic = nullptr;

    // calibration pages
    QProgressBar* zfbar = nullptr;
    QTextEdit* zftext = nullptr;
    QPushButton* bzfstep = nullptr;
    QPushButton* bzfabbruch = nullptr;
    QLabel* zflabel = nullptr;
    QChartView* zfkurve = nullptr;
    QLineSeries* zfmesspunkte = nullptr;
    QLineSeries* zftabellenpunkte = nullptr;
    QProgressBar* smbar = nullptr;
    QTextEdit* smtext = nullptr;
    QPushButton* bsmstep = nullptr;
    QPushButton* bsmabbruch = nullptr;
    QLabel* smlabel = nullptr;
    QGroupBox* gbkal = nullptr;

    QTextEdit* log = nullptr;
    // The panel's row of parameter number i (0..99): number label, spin box, name label.
    QLabel* paramnr[100] = {};
    QDoubleSpinBox* paramwert[100] = {};
    QLabel* paramname[100] = {};
    // The 26 S-meter spin boxes in file order: NF row, IP3 row, dB row.
    QSpinBox* smwert[SmeterWerte::zeilen] = {};
    SmKurve* smkurve = nullptr;
    // The chart follows the boxes.
    void smkurvezeigen();

    // ---- app: finding and keeping the port ------------------------------------------------
public slots:
    // "Neu verbinden": the configured port closed and opened again.
    void neuverbinden();

private:
    // A port that did not open: why, into the log, and the sentence with the reason in a box.
    void portfehlerzeigen(const QString& titel, const QString& satz);
    QAction* m_neuverbindenAct = nullptr;

private:
    Modem* m_modem = nullptr;
    Link* m_link = nullptr;
    DspMonitor* m_monitor = nullptr;
    odlg* m_odlg = nullptr;
    bool m_closed = false;

    // ---- download: knowing what is in the EEPROM -----------------------------------------
public slots:
    // "Eeprom Vergleich": the set's dump compared with a file; nothing is written.
    void clickeevergleich();

private:
    QPushButton* beevergleich = nullptr;
};
