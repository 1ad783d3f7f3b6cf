// What the calibrations and the monitor do to the rest of the window: the parameter panel
// while a calibration runs and after it ended, and the "DSP Monitor" switch, which follows
// the monitor window and waits while a calibration loads or measures.
#include "app/vantrel.h"
#include "monitor/dspmonitor.h"
#include "parameters/parameterseite.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QTabWidget>

void vantrel::kalparametersetzen(int nummer, int wert, bool sperren) {
    m_parameter->wertbox(nummer)->setValue(wert);
    if (!sperren)
        return;
    for (int i = 10; i < 100; ++i) {
        if (i != nummer)
            m_parameter->wertbox(i)->setEnabled(false);
    }
}

void vantrel::kalbeendet() {
    kalparamfreigabe();
    paramtabs->setEnabled(false);
    // The table went with the end; a monitor that is on can still be switched off.
    monitorgesperrt = false;
    cbdmoni->setEnabled(cbdmoni->isChecked());
}

void vantrel::kalmessung(bool laeuft) {
    if (laeuft && cbdmoni->isEnabled()) {
        monitorgesperrt = true;
        cbdmoni->setEnabled(false);
    } else if (!laeuft && monitorgesperrt) {
        monitorgesperrt = false;
        cbdmoni->setEnabled(true);
    }
}

void vantrel::kalparamfreigabe() {
    for (int i = 0; i < 100; ++i) {
        QDoubleSpinBox* s = m_parameter->wertbox(i);
        s->setDecimals(0);
        s->setRange(0, 255);
        s->setValue(255);
        s->setEnabled(true);
    }
}

void vantrel::setdmoni(bool an) {
    if (m_monitor)
        m_monitor->einschalten(an);
}
