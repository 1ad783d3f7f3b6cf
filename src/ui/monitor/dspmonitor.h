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
    explicit DspMonitor(QWidget* parent = nullptr);
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

public slots:
    void getdspdaten(const TDspDaten& daten);
    void on_Buttonreset_clicked();
    // "Pause"/"Weiter": while paused the chart stands and the history records nothing, so
    // that what is exported is what the chart shows.
    void clickpause(bool pause);
    // "Exportieren…": the history as CSV into a file the user chooses, whole or not at all.
    void clickexport();

signals:
    // The export could not write path; the main window reports it (box and log).
    void speicherfehler(const QString& path);

private:
    void setzemodus(bool rx);
    void anzeigen(const TDspDaten& daten);
    void baueverlauf();
    void neuzeichnenplanen();
    void zeichneverlauf();
    QLineSeries* agclinie();

    std::unique_ptr<Ui::DspMonitor> ui;
    std::array<int, 8> m_min;
    std::array<int, 8> m_max;
    bool m_rx = true;

    MonitorVerlauf m_verlauf;
    QElapsedTimer m_uhr;
    bool m_pause = false;
    QChartView* m_sicht = nullptr;
    QLineSeries* m_smeterlinie = nullptr;
    // The AGC line breaks while transmitting: one series per receive stretch.
    std::vector<QLineSeries*> m_agclinien;
    QValueAxis* m_zeitachse = nullptr;
    QValueAxis* m_pegelachse = nullptr;
    QPushButton* m_bpause = nullptr;
    QTimer* m_zeichentimer = nullptr;
    QElapsedTimer m_gezeichnet;
};
