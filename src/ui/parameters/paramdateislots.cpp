// The parameter table's files: reset, the reader behind both load buttons, and the switch
// that enables the parameter controls.
#include "app/userdialogs.h"
#include "app/vantrel.h"
#include "download/ladefehler.h"
#include "parameters/parameterfile.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

void vantrel::paramreset() {
    resetParameterTabelle(parametertabelle);
    // The spin boxes of 10..99 go back to 0..255, value 255, 0 decimals, enabled, multiples
    // of 10 hidden, number labels empty: the panel's own reset, once it has them.
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
    // While smkalaktiv is set these lines belong in the S-meter calibration log as well.
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
