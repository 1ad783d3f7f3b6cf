#include "download/firmwareseite.h"

#include "app/geraet.h"
#include "control/dspbefehl.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
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

FirmwareSeite::FirmwareSeite(Geraet& geraet, QWidget* parent) : QWidget(parent), m_geraet(geraet) {
    setObjectName(QStringLiteral("firmwareseite"));
    gbruvado = group(this, tr("Talvaro (Ruvado + Quarnel)"), "gbruvado");
    bdspladen = button(gbruvado, tr("Direkt zum DSP"), "bdspladen");
    bpicladen = button(gbruvado, tr("Daten + Parameter zum PIC"), "bpicladen");
    bpar2pic = button(gbruvado, tr("Nur Parameter zum PIC"), "bpar2pic");
    connect(bdspladen, &QPushButton::clicked, this, &FirmwareSeite::clickdspladen);
    connect(bpicladen, &QPushButton::clicked, this, &FirmwareSeite::clickpicladen);
    connect(bpar2pic, &QPushButton::clicked, this, &FirmwareSeite::clickpar2pic);

    gbquarnel = group(this, tr("Talvaro (nur Quarnel)"), "gbquarnel");
    beesichern = button(gbquarnel, tr("Eeprom Sicherung"), "beesichern");
    beerestore = button(gbquarnel, tr("Eeprom Wiederherstellung"), "beerestore");
    bparam2pc = button(gbquarnel, tr("Parameter Vesk -> PC"), "bparam2pc");
    beevergleich = button(gbquarnel, tr("Eeprom Vergleich"), "beevergleich");
    connect(beesichern, &QPushButton::clicked, this, &FirmwareSeite::clickeesichern);
    connect(beerestore, &QPushButton::clicked, this, &FirmwareSeite::clickeerestore);
    connect(bparam2pc, &QPushButton::clicked, this, &FirmwareSeite::clickparam2pc);
    connect(beevergleich, &QPushButton::clicked, this, &FirmwareSeite::clickeevergleich);

    gbbefehl = group(this, tr("Befehl direkt zum DSP"), "gbbefehl");
    bdspbefehl = button(gbbefehl, tr("DSP-Befehl"), "bdspbefehl");
    ebefehlnr = new QLineEdit(gbbefehl);
    ebefehlnr->setObjectName(QStringLiteral("ebefehlnr"));
    ebefehlwert = new QLineEdit(gbbefehl);
    ebefehlwert->setObjectName(QStringLiteral("ebefehlwert"));
    connect(bdspbefehl, &QPushButton::clicked, this, &FirmwareSeite::clickdspbefehl);

    gbtest = group(this, tr("Testprogramm zum DSP"), "gbtest");
    btestladen = button(gbtest, tr("Testsoftware"), "btestladen");
    connect(btestladen, &QPushButton::clicked, this, &FirmwareSeite::clicktestladen);

    log = new QTextEdit(this);
    log->setObjectName(QStringLiteral("log"));
    layoutfirmwareseite();
}

void FirmwareSeite::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutfirmwareseite();
}

void FirmwareSeite::layoutfirmwareseite() {
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
    log->setGeometry(300, 40, qMax(350, width() - 320), qMax(0, height() - 50));
}

void FirmwareSeite::logzeile(const QString& text) {
    log->append(text);
}

bool FirmwareSeite::clickfileladen() {
    return m_geraet.datensatzLaden();
}

void FirmwareSeite::clickdspladen() {
    // The freshly loaded DSP starts with bank green, SSB and LSB.
    m_geraet.dspLaden(Geraet::Spalte{});
}

void FirmwareSeite::clicktestladen() {
    m_geraet.testLaden();
}

void FirmwareSeite::clickpicladen() {
    m_geraet.picLaden(false);
}

void FirmwareSeite::clickpar2pic() {
    m_geraet.picLaden(true);
}

void FirmwareSeite::clickeesichern() {
    m_geraet.eepromSichern();
}

void FirmwareSeite::clickeerestore() {
    m_geraet.eepromWiederherstellen();
}

void FirmwareSeite::clickeevergleich() {
    m_geraet.eepromVergleichen();
}

void FirmwareSeite::clickparam2pc() {
    if (m_geraet.parameterLesen().ok())
        emit parameterZeigen();
}

void FirmwareSeite::clickdspbefehl() {
    m_geraet.befehl(dspbefehl::befehlsbyte(ebefehlnr->text()),
                    dspbefehl::befehlsbyte(ebefehlwert->text()));
}
