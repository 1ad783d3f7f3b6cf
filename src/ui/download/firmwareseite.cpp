// The page "DSP-Firmware": the download buttons, the direct command and the log.
#include "app/vantrel.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextEdit>

namespace {
QPushButton* button(QWidget* parent, const QString& text, const char* name) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}
QGroupBox* group(QWidget* parent, const QString& title, const char* name) {
    auto* g = new QGroupBox(title, parent);
    g->setObjectName(QString::fromLatin1(name));
    return g;
}
} // namespace

void vantrel::bauefirmwareseite() {
    firmwareseite = new QWidget();
    firmwareseite->setObjectName(QStringLiteral("firmwareseite"));
    tabs->addTab(firmwareseite, tr("DSP-Firmware", "TabWindow"));

    gbruvado = group(firmwareseite, tr("Talvaro (Ruvado + Quarnel)"), "gbruvado");
    bdspladen = button(gbruvado, tr("Direkt zum DSP"), "bdspladen");
    bpicladen = button(gbruvado, tr("Daten + Parameter zum PIC"), "bpicladen");
    bpar2pic = button(gbruvado, tr("Nur Parameter zum PIC"), "bpar2pic");
    connect(bdspladen, &QPushButton::clicked, this, &vantrel::clickdspladen);
    connect(bpicladen, &QPushButton::clicked, this, &vantrel::clickpicladen);
    connect(bpar2pic, &QPushButton::clicked, this, &vantrel::clickpar2pic);

    gbquarnel = group(firmwareseite, tr("Talvaro (nur Quarnel)"), "gbquarnel");
    beesichern = button(gbquarnel, tr("Eeprom Sicherung"), "beesichern");
    beerestore = button(gbquarnel, tr("Eeprom Wiederherstellung"), "beerestore");
    bparam2pc = button(gbquarnel, tr("Parameter Vesk -> PC"), "bparam2pc");
    connect(beesichern, &QPushButton::clicked, this, &vantrel::clickeesichern);
    connect(beerestore, &QPushButton::clicked, this, &vantrel::clickeerestore);
    connect(bparam2pc, &QPushButton::clicked, this, &vantrel::clickparam2pc);
    beevergleich = button(gbquarnel, tr("Eeprom Vergleich"), "beevergleich");
    connect(beevergleich, &QPushButton::clicked, this, &vantrel::clickeevergleich);

    gbbefehl = group(firmwareseite, tr("Befehl direkt zum DSP"), "gbbefehl");
    bdspbefehl = button(gbbefehl, tr("DSP-Befehl"), "bdspbefehl");
    ebefehlnr = new QLineEdit(gbbefehl);
    ebefehlnr->setObjectName(QStringLiteral("ebefehlnr"));
    ebefehlwert = new QLineEdit(gbbefehl);
    ebefehlwert->setObjectName(QStringLiteral("ebefehlwert"));
    connect(bdspbefehl, &QPushButton::clicked, this, &vantrel::clickdspbefehl);

    gbtest = group(firmwareseite, tr("Testprogramm zum DSP"), "gbtest");
    btestladen = button(gbtest, tr("Testsoftware"), "btestladen");
    connect(btestladen, &QPushButton::clicked, this, &vantrel::clicktestladen);

    log = new QTextEdit(firmwareseite);
    log->setObjectName(QStringLiteral("log"));
}

void vantrel::layoutfirmwareseite() {
    gbruvado->setGeometry(20, 40, 250, 150);
    bdspladen->setGeometry(20, 20, 200, 30);
    bpicladen->setGeometry(20, 60, 200, 30);
    bpar2pic->setGeometry(20, 100, 200, 30);
    gbquarnel->setGeometry(20, 200, 250, 180);
    beesichern->setGeometry(20, 20, 200, 30);
    beerestore->setGeometry(20, 60, 200, 30);
    bparam2pc->setGeometry(20, 100, 200, 30);
    beevergleich->setGeometry(20, 140, 200, 30);
    gbbefehl->setGeometry(20, 390, 250, 100);
    bdspbefehl->setGeometry(20, 20, 200, 30);
    ebefehlnr->setGeometry(20, 60, 40, 30);
    ebefehlwert->setGeometry(70, 60, 40, 30);
    gbtest->setGeometry(20, 500, 250, 70);
    btestladen->setGeometry(20, 20, 200, 30);
    // The log takes what the page leaves right of the groups.
    log->setGeometry(300, 40, qMax(350, firmwareseite->width() - 320),
                     qMax(0, firmwareseite->height() - 50));
}
