// The main window as a shell: menu, tool bar, tabs, status bar, profile switch and
// close-down, around one class per tab page. The pages talk to the session (Geraet), which
// owns the line, the settings, the download image, the parameter table and their flags.
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

    // The configuration file name inside the configuration folder ("vantrel.cfg" unless
    // told otherwise).
    static QString& configFileName();
    // After the first show: with no configuration file, or with files of the active profile
    // missing, the log and a box say what is missing and the way to the profile settings.
    void erststartpruefen();

    // Reads the configuration file. One that is there but cannot be read (no permission, too
    // large, not a file) is said in the log and a box; the window runs on the defaults and
    // never writes over that file.
    void readSettings();
    // Writes the configuration file; false (and the box shown) when it could not be written.
    // After a configuration that could not be read, only a changed setting is written, and
    // only where the person chooses.
    bool writeSettings();
    // The configuration file the window reads and writes.
    QString konfigurationsdatei() const;

    // The window is closing: a signal's close asks nothing, and no wait for room in a full
    // driver queue holds the close up (what a block must end with goes to the port's buffer).
    bool ohneFragen() const { return m_ohneFragen; }
    bool endet() const { return m_ohneFragen || m_endet; }
    // Why the configuration could not be read at start; empty when it was read or is missing.
    const QString& konfigurationsfehler() const { return m_konfigFehler; }
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
    // "Anleitung" and "USB-Adapter" of the menu "Hilfe": the user documentation, installed or
    // in the source tree.
    void hilfe(const QString& name);
    void meinst();
    void meinstsave();
    void setAText(const QString& text);
    void auswahlvesk1();
    void auswahlvesk2();
    void auswahlvesk3();
    // "Neu verbinden": the configured port closed and opened again.
    void neuverbinden();
    // The close-down without boxes (SIGTERM, SIGINT, SIGHUP): open boxes are closed as
    // cancelled, pending edits sent, the configuration written, (52, 1), the port closed.
    void signalbeenden();
    // "Eeprom-Verlauf": the profile's history of dumps (one dialog at a time).
    void eepromverlauf();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void setprofile(int n);
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
    // A close waits until the line is quiet (a block reaches its end, a transfer its cancel)
    // and is tried again by this timer.
    QTimer* m_schliessen = nullptr;
    // The close of a signal: nothing is asked.
    bool m_ohneFragen = false;
    // The close-down runs (its frames pump events).
    bool m_schliesst = false;
    // A close waits for the line to be quiet; false again when the person keeps the window.
    bool m_endet = false;
    // A configuration that could not be read: the reason, the settings the window started
    // on, and where the person chose to keep changed settings (empty: not asked yet).
    QString m_konfigFehler;
    TEinstellungen m_startEinstellungen;
    int m_startProfil = 0;
    QString m_konfigZiel;
    bool m_konfigGefragt = false;

    QDir configdir;
    QAction* exitAct = nullptr;
    QAction* optionAct = nullptr;
    QAction* aboutAct = nullptr;
    QAction* aboutQtAct = nullptr;
    QAction* vesk1Act = nullptr;
    QAction* vesk2Act = nullptr;
    QAction* vesk3Act = nullptr;
    QAction* neuverbindenAct = nullptr;
    QAction* verlaufAct = nullptr;
};
