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
    resetParameterTabelle(parametertabelle);
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

void vantrel::paramlogzeile(const QString& text) {
    logzeile(text);
    // The S-meter calibration loads the parameters itself: its log shows what was read.
    if (smkalaktiv)
        smlog(text);
}

bool vantrel::paramdateilesen(const QString& path) {
    QStringList zeilen;
    if (!readParameterLines(path, &zeilen)) {
        const TransferResult fehler = dateiNichtGefunden(path);
        UserDialogs::current().critical(this, fehler.title, fehler.text);
        paramlogzeile(fehler.text);
        dateifehler = true;
        return false;
    }
    paramlogzeile(parameterFileLogLine(int(zeilen.size())));
    applyParameterLines(parametertabelle, zeilen, ladequelle != 0,
                        [this](const QString& s) { paramlogzeile(s); });
    // Once some data file failed, the panel stays as it is: the table may be incomplete.
    if (!dateifehler) {
        setuserid();
        rbuser->setChecked(true);
        rbgruen->setChecked(true);
        rbssb->setChecked(true);
        rblsb->setChecked(true);
        paramgeladen = true;
        paramfreigabe(true);
        paramanzeigen();
    }
    return true;
}

void vantrel::clickparamladen() {
    logzeile(QStringLiteral("---------------------------------"));
    smkalaktiv = false;
    ladequelle = 0;
    paramdateilesen(einst.parameterfilename[vesknr]);
}

void vantrel::clickxparamladen() {
    ladequelle = 1;
    paramdateilesen(einst.xparameterfilename[vesknr]);
}
