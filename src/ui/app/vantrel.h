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
    // "Eeprom-Verlauf": the profile's history of dumps (one dialog at a time).
    void eepromverlauf();

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
    QAction* verlaufAct = nullptr;
};
