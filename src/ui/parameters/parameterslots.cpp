// The parameter table's operations: files, transfer, the editor panel.
#include "app/vantrel.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

void vantrel::panellayout() {
    const int w = parameterseite->width();
    const int h = parameterseite->height();
    bparamladen->setGeometry(10, 10, 150, 30);
    bparamsave->setGeometry(170, 10, 150, 30);
    bxparamladen->setGeometry(330, 10, 150, 30);
    bxparamsave->setGeometry(490, 10, 150, 30);
    const int right = qMax(200, w - 160);
    paramtabs->setGeometry(10, 50, right - 20, qMax(100, h - 60));
    int y = 50;
    cbdmoni->setGeometry(right, y, 150, 22);
    y += 28;
    for (QCheckBox* cb : schalter) {
        cb->setGeometry(right, y, 150, 22);
        y += 24;
    }
    auto place = [&](QGroupBox* g, int rows) {
        g->setGeometry(right, y, 150, 24 + 22 * rows);
        int ry = 20;
        for (QObject* o : g->children()) {
            if (auto* wdg = qobject_cast<QWidget*>(o)) {
                wdg->setGeometry(10, ry, 130, 20);
                ry += 22;
            }
        }
        y += 30 + 22 * rows;
    };
    place(gbbank, 3);
    place(gbseitenband, 2);
    place(gbmode, 2);
    place(gbdspid, 2);
}

void vantrel::clickparam2pc() {}
void vantrel::clickparamsave() {}
void vantrel::clickxparamsave() {}
void vantrel::setparamgruppegn() {}
void vantrel::setparamgruppege() {}
void vantrel::setparamgruppert() {}
void vantrel::setparamgruppessb() {}
void vantrel::setparamgruppecw() {}
void vantrel::setuserid() {}
// The panel's refresh; the editor panel fills it in.
void vantrel::paramanzeigen() {}
void vantrel::setveskid() {}
void vantrel::dspbefehl() {}
void vantrel::tstopdspbef() {
    dspbeftimer->stop();
}
