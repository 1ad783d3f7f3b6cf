// The parameter table to the running DSP (the selected column as a parameter block) and
// back from the PIC (its whole parameter area, sent on the set's function 995).
#include "app/userdialogs.h"
#include "app/vantrel.h"
#include "download/hinweistexte.h"
#include "link/link.h"
#include "link/modem.h"
#include "link/progress.h"
#include "parameters/parameterempfang.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace {
const QString kTrenner = QStringLiteral("---------------------------------");
}

parameter::Modus vantrel::parammodus() const {
    return rbcw->isChecked() ? parameter::Modus::Cw : parameter::Modus::Ssb;
}

parameter::Bank vantrel::parambank() const {
    if (rbgelb->isChecked())
        return parameter::Bank::Gelb;
    if (rbrot->isChecked())
        return parameter::Bank::Rot;
    return parameter::Bank::Gruen;
}

Geraet::Spalte vantrel::spalte() const {
    Geraet::Spalte s;
    s.modus = parammodus();
    s.bank = parambank();
    s.monitor = cbdmoni->isChecked();
    return s;
}

void vantrel::parameter2dsp() {
    m_geraet->parameterSenden(spalte());
}

void vantrel::clickparam2pc() {
    if (!m_geraet->parameterLesen().ok())
        return;
    bparamsave->setEnabled(true);
    tabs->setCurrentWidget(parameterseite);
}
