// The device window "Talvaro (Simulation)": the front panel of the simulated set beside the
// loader. Keys and functions that the instruction boxes name, the input signal the
// calibrations and the monitor measure, the faults the set can play, and a status line of
// what the set last did.
#pragma once

#include <QStringList>
#include <QWidget>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSlider;
class QSpinBox;
class QTimer;
class Simulation;

class SimFenster : public QWidget {
    Q_OBJECT
public:
    explicit SimFenster(Simulation& simulation, QWidget* parent = nullptr);
    ~SimFenster() override;

    // What the set last did, as the status line shows it.
    QString status() const;
    // Every status line so far, oldest first (the last kVerlaufMax).
    QStringList verlauf() const;
    static constexpr int kVerlaufMax = 200;

    // The level at the antenna in dBm the slider gives; kKeinSignal means none.
    static constexpr int kKeinSignal = -140;
    static constexpr int kSignalMax = -10;
    // The S-meter's name for a level: "S7", "S9", "S9+20 dB".
    static QString sEinheit(int dbm);
    // The IF level the set's receiver model gets for an antenna level: S9 (-73 dBm) lies
    // 26 dB above the noise.
    static double zfPegel(int dbm);

    // The widgets, for the tests and the screenshots.
    QPushButton* btaste0 = nullptr;
    QPushButton* btaste1 = nullptr;
    QPushButton* btasteraute = nullptr;
    QPushButton* bf995 = nullptr;
    QPushButton* bf996 = nullptr;
    QPushButton* bf997 = nullptr;
    QPushButton* bf999 = nullptr;
    QSlider* signalregler = nullptr;
    QLabel* signalanzeige = nullptr;
    QCheckBox* cbsenden = nullptr;
    QCheckBox* cbhang = nullptr;
    QCheckBox* cbspike = nullptr;
    QCheckBox* cbsync = nullptr;
    QCheckBox* cbecho = nullptr;
    QSpinBox* sbecho = nullptr;
    QCheckBox* cbstill = nullptr;
    QSpinBox* sbstill = nullptr;
    QCheckBox* cbtrennen = nullptr;
    QSpinBox* sbtrennen = nullptr;
    QCheckBox* cbmuell = nullptr;
    QCheckBox* cbechtzeit = nullptr;
    QPushButton* bneu = nullptr;
    QLabel* portanzeige = nullptr;
    QLabel* betriebsart = nullptr;
    QLabel* statuszeile = nullptr;
    QListWidget* verlaufliste = nullptr;

private:
    enum class Sitzung { Keine, Download, Parameter, Restore, Dump, ParameterDump };

    void bauen();
    // Connects to the parts of the set in force and gives it the panel's settings.
    void verbinden();
    // Shows text in the status line and adds it to the history; a text of a run (folge)
    // replaces the one before it when that was of a run as well.
    void melden(const QString& text, bool folge = false);
    void taste(QChar k);
    void funktion(int nummer);
    void signalGeaendert();
    void fehlerGeaendert();
    void empfangGeaendert();
    void betriebsartGeaendert();
    void sitzungBeendet();
    void auffrischen();

    Simulation& m_sim;
    QObject* m_kontext = nullptr; // owns the connections to the current set
    QTimer* m_auffrischen = nullptr;
    QStringList m_verlauf;
    Sitzung m_sitzung = Sitzung::Keine;
    int m_letzteArt = 0;
    int m_parameterWerte = -1; // frames in an open parameter block, -1: none open
    int m_picFehler = 0;
    int m_laderFehler = 0;
    bool m_leitungWeg = false;
    bool m_folge = false;
};
