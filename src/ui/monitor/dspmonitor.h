// The window "DSP Monitor": live levels at the DSP's test points from its status telegrams,
// with minimum, maximum and spread since the last reset, the S-meter, the AD603, ADC and
// AGC settings, the total gain and the Spike and Hang indicators. Below them a chart of the
// S-meter level and the AGC over the last 60 s, with "Pause" and a CSV export of that history.
#pragma once

#include "monitor/monitorverlauf.h"
#include "monitor/tdspdaten.h"

#include <QElapsedTimer>
#include <QWidget>
#include <array>
#include <memory>
#include <vector>

class Geraet;
class QChartView;
class QLineSeries;
class QPushButton;
class QTimer;
class QValueAxis;

namespace Ui {
class DspMonitor;
}

class DspMonitor : public QWidget {
    Q_OBJECT
public:
    // With a session, the window listens to its telegrams while it is switched on.
    explicit DspMonitor(Geraet* geraet = nullptr, QWidget* parent = nullptr);
    ~DspMonitor() override;

    // Receive (true) or transmit presentation, as the last telegram asked for.
    bool empfangsanzeige() const { return m_rx; }
    // Minimum and maximum level of word n (0..7) since the last reset.
    int minimum(int wort) const;
    int maximum(int wort) const;

    // The telegrams the chart shows and the export writes: recorded while not paused.
    const MonitorVerlauf& verlauf() const { return m_verlauf; }
    // Shows daten and records it as arrived at ms on the window's clock; getdspdaten passes
    // jetzt(). The chart follows within one poll interval.
    void aufnehmen(const TDspDaten& daten, qint64 ms);
    // The window's clock: ms since it was made.
    qint64 jetzt() const { return m_uhr.elapsed(); }

    // On: shown, and the session's telegrams are read for it (the stream runs). Off: hidden,
    // and the stream stops unless another reader listens. Closing the window switches it off.
    void einschalten(bool an);
    bool eingeschaltet() const { return m_an; }
    // Puts the window at a stored position and size, brought onto a screen when no screen
    // shows its title bar any more.
    void platzieren(QPoint ort, QSize groesse);

public slots:
    void getdspdaten(const TDspDaten& daten);
    void on_Buttonreset_clicked();
    // "Pause"/"Weiter": while paused the chart stands and the history records nothing, so
    // that what is exported is what the chart shows.
    void clickpause(bool pause);
    // "Exportieren…": the history as CSV into a file the user chooses, whole or not at all.
    void clickexport();

signals:
    // Switched on or off (also by its title bar or a line that dropped): the switch follows.
    void geschaltet(bool an);
    // The export could not write path; the main window reports it (box and log).
    void speicherfehler(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void setzemodus(bool rx);
    void anzeigen(const TDspDaten& daten);
    void baueverlauf();
    void neuzeichnenplanen();
    void zeichneverlauf();
    QLineSeries* linie(bool agc);

    std::unique_ptr<Ui::DspMonitor> ui;
    std::array<int, 8> m_min;
    std::array<int, 8> m_max;
    bool m_rx = true;

    MonitorVerlauf m_verlauf;
    QElapsedTimer m_uhr;
    bool m_pause = false;
    // When the pause began, on m_uhr.
    qint64 m_angehalten = 0;
    QChartView* m_sicht = nullptr;
    // One series per stretch without a gap; the AGC line also breaks while transmitting.
    std::vector<QLineSeries*> m_smeterlinien;
    std::vector<QLineSeries*> m_agclinien;
    Geraet* m_geraet = nullptr;
    bool m_an = false;
    QValueAxis* m_zeitachse = nullptr;
    QValueAxis* m_pegelachse = nullptr;
    QPushButton* m_bpause = nullptr;
    QTimer* m_zeichentimer = nullptr;
    QElapsedTimer m_gezeichnet;
};
