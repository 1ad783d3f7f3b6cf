// The DSP monitor's side of the main window: switching the telegram stream and the window
// on and off, the 100 ms poll that decodes each telegram for it, and the AD603 table it
// converts the DAC step with.
#include "app/vantrel.h"
#include "calibration/ad603.h"
#include "link/link.h"
#include "monitor/dspdekoder.h"
#include "monitor/dspmonitor.h"

#include <QCheckBox>
#include <QTimer>

void vantrel::setdmoni() {
    if (cbdmoni->isChecked()) {
        dspframe(52, 2);
        if (m_monitor)
            m_monitor->show();
        loadcalcurve();
        m_link->leeren();
        empfangsring.neustart();
        dspmonitimer->start(monitorintervall);
    } else {
        if (m_monitor)
            m_monitor->hide();
        m_link->leeren();
        dspmonitimer->stop();
        dspframe(52, 1);
    }
}

void vantrel::timerdspmonistop() {
    // Decoding and showing do not pump events, but the guard keeps a nested tick (from a
    // box some other slot shows meanwhile) from reading half of what this one reads.
    if (monitoraktiv)
        return;
    monitoraktiv = true;
    // While a transfer owns the line, what arrives is its answer.
    if (!m_link->transferActive()) {
        empfangslesen();
        if (const std::optional<Telegramm> t = empfangsring.telegrammsuchen()) {
            dspdatenfuellen(dspdaten, *t, calcurve);
            emit sendedspdaten(dspdaten);
        }
    }
    monitoraktiv = false;
    if (!m_closed && dspmonitimer->isActive())
        dspmonitimer->start(monitorintervall);
}

void vantrel::loadcalcurve() {
    // A file that cannot be opened leaves calcurve as it is: the IF calibration's results,
    // or zeros.
    ad603dateilesen(einst.ad603filename[TEinstellungen::clampProfile(vesknr)], calcurve);
}
