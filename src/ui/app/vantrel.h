// The main window as a shell: menu, tool bar, tabs, status bar, profile switch and
// close-down, around one class per tab page. The pages talk to the session (Geraet), which
// owns the line, the settings, the download image, the parameter table and their flags.
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
class FirmwareSeite;
class ParameterSeite;
class odlg;

class FensterBediener;

class vantrel : public QMainWindow {
    Q_OBJECT
    Geraet* const m_geraet;
    std::unique_ptr<FensterBediener> m_bediener;

public:
    explicit vantrel(QWidget* parent = nullptr);
    ~vantrel() override;

    // ---- the shell: configuration, profiles, title, pages ---------------------------------
    // The smallest page that holds every control of every page.
    static constexpr QSize kSeiteMin{850, 580};
    static constexpr const char* versionText = "V1.18";
    static constexpr const char* dateText = " vom 17.11.2014";

    QDir configdir;
    // The configuration file name inside configdir ("vantrel.cfg" unless told otherwise).
    static QString& configFileName();

    void readSettings();
    // Writes the configuration file; false (and the box shown) when it could not be written.
    bool writeSettings();
    void setactiontexts();

    // Appends one line to the log on the page "DSP-Firmware".
    void logzeile(const QString& text);

    // The session: the set as the program sees it.
    Geraet* geraet() const { return m_geraet; }
    DspMonitor* dspmonitor() const { return m_monitor; }
    odlg* optionsdialog() const { return m_odlg; }
    FirmwareSeite* firmwareseite() const { return m_firmware; }
    ParameterSeite* parameterseite() const { return m_parameter; }
    EqSeite* rxeq() const { return m_rxeq; }
    EqSeite* txeq() const { return m_txeq; }

public slots:
    void about();
    void meinst();
    void meinstsave();
    void setAText(const QString& text);
    void auswahlvesk1();
    void auswahlvesk2();
    void auswahlvesk3();
    // "Neu verbinden": the configured port closed and opened again.
    void neuverbinden();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void setprofile(int n);
    // Live changes to parameters, X parameters or an equalizer curve not saved yet.
    bool ungespeichert() const;
    // Asks whether to save them first (Ja / Nein / Abbrechen); false when the person
    // cancelled or a save did not happen, and nothing may be lost.
    bool aenderungensichern();
    void createactions();
    // A port that did not open: why, into the log, and the sentence with the reason in a box.
    void portfehlerzeigen(const QString& titel, const QString& satz);

    QTabWidget* tabs = nullptr;
    FirmwareSeite* m_firmware = nullptr;
    ParameterSeite* m_parameter = nullptr;
    EqSeite* m_rxeq = nullptr;
    EqSeite* m_txeq = nullptr;
    DspMonitor* m_monitor = nullptr;
    odlg* m_odlg = nullptr;
    bool m_closed = false;

public:
    QAction* exitAct = nullptr;
    QAction* optionAct = nullptr;
    QAction* aboutAct = nullptr;
    QAction* aboutQtAct = nullptr;
    QAction* vesk1Act = nullptr;
    QAction* vesk2Act = nullptr;
    QAction* vesk3Act = nullptr;
    QAction* neuverbindenAct = nullptr;

    // ==== the calibration pages and the monitor, until they are classes of their own ====
    // The DSP's bytes, shared by the calibration poll and the monitor poll.
    Empfangsring& empfangsring;
    // The IF wizard's measurement requests and its DAC sweep; calcurve is the sweep's
    // table, monitorkurve the monitor's own.
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
    // The S-meter file into the boxes; false (and a box) when it cannot be opened.
    bool smdateilesen();
    // Writes the S-meter file from the last-sent values; false (and reported) on failure.
    bool smdateischreiben();
    // The wizards' text areas.
    void smlog(const QString& html);
    void zflog(const QString& html);
    // The last telegram decoded, kept between telegrams.
    TDspDaten& dspdaten;
    // The monitor poll's period in ms (100; tests shorten it).
    int monitorintervall = 100;

    QTimer* smbeftimer = nullptr;
    QTimer* empfangtimer = nullptr;
    QTimer* dspmonitimer = nullptr;

signals:
    void sendedspdaten(const TDspDaten& daten);

public slots:
    void tstopempfangRS232();
    void clicksmstep();
    void clicksmabbruch();
    void geaendertsm();
    void tstopsmbef();
    void clickifstep();
    void clickifabbruch();
    void setdmoni();
    void timerdspmonistop();
    void loadcalcurve();

private:
    void bauekalseiten();
    void layoutkalseiten();
    void bauezfkurve();
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
    void zfkurvezeigen();
    void zftabellezeigen();
    // Step 11: checks the sweep's curve and table; with a doubt the person decides.
    bool zfkurvepruefen();
    // Keeps the old table as "<pfad>.bak", then writes the new one; the log names both.
    bool kaltabelleersetzen(const QString& pfad, const std::function<bool()>& schreiben);
    int smlauf = 0;
    int zflauf = 0;
    bool empfangaktiv = false;
    bool monitoraktiv = false;
    bool smbefaktiv = false;
    void dspframe(int number, int value);

    QWidget* zfseite = nullptr;
    QWidget* smseite = nullptr;
    QCheckBox* cbdmoni = nullptr;
    QTabWidget* paramtabs = nullptr;
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
    // The 26 S-meter spin boxes in file order: NF row, IP3 row, dB row.
    QSpinBox* smwert[SmeterWerte::zeilen] = {};
    SmKurve* smkurve = nullptr;
    // The chart follows the boxes.
    void smkurvezeigen();
};
