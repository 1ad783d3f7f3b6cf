// The pages "ZF-Kalibrierung (AD603)" and "S-Meter-Kalibrierung".
#include "app/vantrel.h"

#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTextEdit>

void vantrel::bauekalseiten() {
    auto page = [this](const QString& title, const char* name) {
        auto* w = new QWidget();
        w->setObjectName(QString::fromLatin1(name));
        tabs->addTab(w, title);
        return w;
    };
    auto bar = [](QWidget* parent, const char* name) {
        auto* b = new QProgressBar(parent);
        b->setObjectName(QString::fromLatin1(name));
        b->setRange(0, 90);
        b->setValue(0);
        b->setFormat(QStringLiteral("%vdB"));
        return b;
    };
    auto text = [](QWidget* parent, const char* name) {
        auto* t = new QTextEdit(parent);
        t->setObjectName(QString::fromLatin1(name));
        t->setReadOnly(true);
        return t;
    };
    auto button = [this](QWidget* parent, const QString& t, const char* name,
                         void (vantrel::*slot)()) {
        auto* b = new QPushButton(t, parent);
        b->setObjectName(QString::fromLatin1(name));
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    auto label = [](QWidget* parent, const QString& t, const char* name) {
        auto* l = new QLabel(t, parent);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };

    zfseite = page(tr("ZF-Kalibrierung (AD603)", "TabWindow"), "zfseite");
    zfbar = bar(zfseite, "zfbar");
    zftext = text(zfseite, "zftext");
    bzfstep = button(zfseite, tr("START"), "bzfstep", &vantrel::clickifstep);
    bzfabbruch = button(zfseite, tr("ABBRUCH"), "bzfabbruch", &vantrel::clickifabbruch);
    zflabel = label(zfseite, tr("Pegelanzeige der Messungen"), "zflabel");

    smseite = page(tr("S-Meter-Kalibrierung", "TabWindow"), "smseite");
    smbar = bar(smseite, "smbar");
    smtext = text(smseite, "smtext");
    bsmstep = button(smseite, tr("START"), "bsmstep", &vantrel::clicksmstep);
    bsmabbruch = button(smseite, tr("ABBRUCH"), "bsmabbruch", &vantrel::clicksmabbruch);
    smlabel = label(smseite, tr("Pegelanzeige der Messungen"), "smlabel");
    gbkal = new QGroupBox(tr("Kalibriereinstellungen"), smseite);
    gbkal->setObjectName(QStringLiteral("gbkal"));
}

void vantrel::layoutkalseiten() {
    const int w = zfseite->width();
    const int h = zfseite->height();
    zflabel->setGeometry(20, 10, 300, 20);
    zfbar->setGeometry(20, 35, qMax(100, w - 40), 25);
    zftext->setGeometry(20, 70, qMax(100, w - 40), qMax(60, h - 130));
    bzfstep->setGeometry(20, h - 50, 120, 30);
    bzfabbruch->setGeometry(160, h - 50, 120, 30);

    smlabel->setGeometry(20, 10, 300, 20);
    smbar->setGeometry(20, 35, qMax(100, w - 40), 25);
    const int textw = qMax(100, w / 2 - 30);
    smtext->setGeometry(20, 70, textw, qMax(60, h - 130));
    gbkal->setGeometry(40 + textw, 70, qMax(100, w - textw - 60), qMax(60, h - 130));
    bsmstep->setGeometry(20, h - 50, 120, 30);
    bsmabbruch->setGeometry(160, h - 50, 120, 30);
}
