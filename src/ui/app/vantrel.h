// The main window: every widget of the six pages and every timer, over the session (Geraet)
// that owns the line, the settings, the download image, the parameter table and the
// calibration state. Its slots read the widgets, call the session and refresh the widgets;
// their bodies live beside their subsystem (download/, parameters/, ...).
#pragma once

#include "app/einstellungen.h"
#include "app/geraet.h"
#include "download/downloadimage.h"
#include "parameters/parametertabelle.h"

#include <QDir>
#include <QMainWindow>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>

struct Hinweis;
class QAction;
class QLabel;
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

    // ---- calibration ----------------------------------------------------------------------
    // A calibration set parameter nummer; with sperren, the other boxes wait meanwhile.
    void kalparametersetzen(int nummer, int wert, bool sperren);

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
    // monitor
    void setdmoni();

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
    // A calibration ended: the panel back to its empty state, the monitor switch usable
    // while the monitor is on.
    void kalbeendet();
    void kalparamfreigabe();
    // While a calibration loads or measures, the monitor switch is off; afterwards as it was.
    void kalmessung(bool laeuft);
    bool monitorgesperrt = false;
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
    QTimer* rxeqtimer = nullptr;
    QTimer* txeqtimer = nullptr;

private:
    // ---- widgets --------------------------------------------------------------------------
    QTabWidget* tabs = nullptr;
    QWidget* firmwareseite = nullptr;
    QWidget* parameterseite = nullptr;
    QWidget* rxeqseite = nullptr;
    QWidget* txeqseite = nullptr;

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

    QTextEdit* log = nullptr;
    // The panel's row of parameter number i (0..99): number label, spin box, name label.
    QLabel* paramnr[100] = {};
    QDoubleSpinBox* paramwert[100] = {};
    QLabel* paramname[100] = {};
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
