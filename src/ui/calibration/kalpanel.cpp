// What the calibrations and the monitor do to the rest of the window: the parameter panel
// while a calibration runs and after it ended, and the "DSP Monitor" switch, which follows
// the monitor window and waits while a calibration loads or measures.
#include "app/vantrel.h"
#include "monitor/dspmonitor.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QTabWidget>

void vantrel::kalparametersetzen(int nummer, int wert, bool sperren) {
    if (QDoubleSpinBox* s = paramwert[nummer])
        s->setValue(wert);
    if (!sperren)
        return;
    for (int i = 10; i < 100; ++i) {
        if (i != nummer && paramwert[i])
            paramwert[i]->setEnabled(false);
    }
}

void vantrel::kalbeendet() {
    paramreset();
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
    for (QDoubleSpinBox* s : paramwert) {
        if (!s)
            continue;
        s->setDecimals(0);
        s->setRange(0, 255);
        s->setValue(255);
        s->setEnabled(true);
    }
}

void vantrel::setdmoni() {
    if (m_monitor)
        m_monitor->einschalten(cbdmoni->isChecked());
}
