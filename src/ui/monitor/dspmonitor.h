// The window "DSP Monitor": live levels at the DSP's test points from its status telegrams,
// with minimum, maximum and spread since the last reset, the S-meter, the AD603, ADC and
// AGC settings, the total gain and the Spike and Hang indicators.
#pragma once

#include "monitor/tdspdaten.h"

#include <QWidget>
#include <array>
#include <memory>

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

public slots:
    void getdspdaten(const TDspDaten& daten);
    void on_Buttonreset_clicked();

private:
    void setzemodus(bool rx);

    std::unique_ptr<Ui::DspMonitor> ui;
    std::array<int, 8> m_min;
    std::array<int, 8> m_max;
    bool m_rx = true;
};
