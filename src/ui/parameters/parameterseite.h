// The page "DSP-Parameter": the live editor of the session's parameter table (one column of
// mode and bank at a time), its load and save buttons, the function switches, sideband,
// numbering and the "DSP Monitor" switch. Edits are stored and sent by the session; the page
// shows what the table holds.
#pragma once

#include "app/arbeit.h"
#include "app/geraet.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTimer;

class ParameterSeite : public QWidget, public Arbeit {
    Q_OBJECT
public:
    ParameterSeite(Geraet& geraet, QWidget* parent = nullptr);
    ~ParameterSeite() override;

    // The user parameters and the X parameters, each unsaved by its own flag.
    QString ungesichert() const override;
    bool sichern() override;
    // An edit younger than the debounce: stored and sent.
    void abschliessen() override;
    void anhalten() override;

    // Refreshes the whole panel for the column the session shows.
    void paramanzeigen();
    // Shows parameter i with raw value v (255: hidden).
    void paramzeigen(int i, int v);
    void panellayout();
    // The panel's controls usable (a table is loaded) or not.
    void paramfreigabe(bool on);
    // Labels switches 4, 7 and 9 for the mode, SSB or CW (cw true); sends nothing.
    void schaltertexte(bool cw);
    // Edits the boxes hold that the session has not taken yet.
    bool editsOffen() const;

    QTimer* befehltimer() const { return dspbeftimer; }
    QDoubleSpinBox* wertbox(int i) const { return paramwert[size_t(i)]; }

signals:
    // The "DSP Monitor" switch was turned on or off.
    void monitorGeschaltet(bool an);

public slots:
    // The monitor window went on or off by itself (its title bar, a dropped line).
    void monitorZeigen(bool an);
    void clickparamladen();
    void clickxparamladen();
    void clickparamsave();
    void clickxparamsave();
    // "Mit Talvaro vergleichen": the read-back's way into a table of the differences.
    void clickparamvergleich();
    void setparamgruppegn();
    void setparamgruppege();
    void setparamgruppert();
    void setparamgruppessb();
    void setparamgruppecw();
    void setuserid();
    void setveskid();
    void dspbefehl();
    void tstopdspbef();
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

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void bauen();
    void bauenSchalter();
    // The table was emptied: every box back to its empty state.
    void paramreset();
    // A read filled the table: shown from green SSB, LSB, user numbers.
    void parametergeladen();
    void speicherstandzeigen();
    // Sends switch i's state (index into schalter) as its command: 1 checked, 0 not.
    void schalten(int i);
    // The freshly loaded DSP: every switch off, green SSB LSB shown.
    void dspneustart();
    // The column the radio buttons select; the monitor as the switch says.
    Geraet::Spalte gewaehlt() const;
    // Stores every edited box into the column shown and gives the frames that are due.
    QList<std::pair<int, int>> paramuebernehmen();
    void spaltewaehlen(parameter::Modus modus, parameter::Bank bank);
    // What a calibration does to the panel: a parameter it sets (with sperren, the other
    // boxes wait), the monitor switch waiting while it loads or measures, its end.
    void kalparametersetzen(int nummer, int wert, bool sperren);
    void kalmessung(bool laeuft);
    void kalbeendet();
    bool monitorgesperrt = false;

    Geraet& m_geraet;
    // What each parameter box showed when the table was last shown or sent from it.
    std::array<double, 100> m_angezeigt{};
    // A tstopdspbef() run is sending; a tick meanwhile comes back later.
    bool dspbefaktiv = false;

    QTimer* dspbeftimer = nullptr;
    QPushButton* bparamladen = nullptr;
    QPushButton* bparamsave = nullptr;
    QPushButton* bxparamladen = nullptr;
    QPushButton* bxparamsave = nullptr;
    QPushButton* bparamvergleich = nullptr;
    QCheckBox* cbdmoni = nullptr;
    QTabWidget* paramtabs = nullptr;
    std::array<QWidget*, 3> paramseite{};
    // the eight function switches 1..7 and 9, in that order
    std::array<QCheckBox*, 8> schalter{};
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
    // The row of parameter number i (0..99): number label, spin box, name label.
    std::array<QLabel*, 100> paramnr{};
    std::array<QDoubleSpinBox*, 100> paramwert{};
    std::array<QLabel*, 100> paramname{};
};
