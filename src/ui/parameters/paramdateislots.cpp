// The parameter table's files: reset, the reader behind both load buttons, and the switch
// that enables the parameter controls.
#include "app/userdialogs.h"
#include "app/vantrel.h"
#include "download/ladefehler.h"
#include "parameters/parameterfile.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

void vantrel::paramreset() {
    m_geraet->paramreset();
    for (int i = 10; i < 100; ++i) {
        QDoubleSpinBox* spin = paramwert[i];
        spin->setHidden(i % 10 == 0);
        spin->setDecimals(0);
        spin->setRange(0, 255);
        spin->setValue(255);
        spin->setEnabled(true);
        // No entry is an X parameter any more, so none stays red.
        if (spin->testAttribute(Qt::WA_SetPalette))
            spin->setPalette(QPalette());
        spin->setToolTip(QString());
        paramnr[i]->clear();
        // The names went with the table.
        paramname[i]->clear();
    }
    paramtabs->setEnabled(false);
    bparamsave->setEnabled(false);
    bxparamsave->setEnabled(false);
    cbdmoni->setEnabled(false);
    panellayout();
}

void vantrel::paramfreigabe(bool on) {
    paramtabs->setEnabled(on);
    gbbank->setEnabled(on);
    gbseitenband->setEnabled(on);
    gbmode->setEnabled(on);
    gbdspid->setEnabled(on);
    for (QCheckBox* cb : schalter)
        cb->setEnabled(on);
    cbdmoni->setEnabled(on);
}

bool vantrel::paramdateilesen(const QString& path) {
    return m_geraet->parameterDateiLesen(path);
}

void vantrel::parametergeladen() {
    setuserid();
    rbuser->setChecked(true);
    rbgruen->setChecked(true);
    rbssb->setChecked(true);
    rblsb->setChecked(true);
    paramfreigabe(true);
    paramanzeigen();
}

void vantrel::clickparamladen() {
    logzeile(QStringLiteral("---------------------------------"));
    m_geraet->userParameterLaden();
}

void vantrel::clickxparamladen() {
    ladequelle = 1;
    paramdateilesen(einst.xparameterfilename[vesknr]);
}
