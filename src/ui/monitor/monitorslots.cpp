// The DSP monitor's side of the main window: switching the telegram stream and the window
// on and off, the 100 ms poll that decodes each telegram for it, and the AD603 table of its
// own it converts the DAC step with.
#include "app/vantrel.h"
#include "calibration/ad603.h"
#include "link/link.h"
#include "monitor/dspdekoder.h"
#include "monitor/dspmonitor.h"

#include <QCheckBox>
#include <QTimer>

void vantrel::setdmoni() {
    if (cbdmoni->isChecked()) {
        if (m_monitor)
            m_monitor->show();
        m_geraet->monitorEin();
        dspmonitimer->start(monitorintervall);
    } else {
        if (m_monitor)
            m_monitor->hide();
        dspmonitimer->stop();
        // A calibration's poll lives on the same telegrams: they keep coming, and its
        // bytes are not thrown away.
        if (!empfangtimer->isActive())
            m_geraet->monitorAus();
    }
}

void vantrel::timerdspmonistop() {
    // Decoding and showing do not pump events, but the guard keeps a nested tick (from a
    // box some other slot shows meanwhile) from reading half of what this one reads.
    if (monitoraktiv)
        return;
    monitoraktiv = true;
    // Every telegram complete by now is shown, in order: the last one stays on display.
    for (auto daten = m_geraet->monitorLesen(); daten && !m_closed;
         daten = m_geraet->monitorNaechstes())
        emit sendedspdaten(*daten);
    monitoraktiv = false;
    if (!m_closed && dspmonitimer->isActive())
        dspmonitimer->start(monitorintervall);
}

void vantrel::loadcalcurve() {
    m_geraet->loadcalcurve();
}
