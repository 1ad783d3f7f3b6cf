// The page "DSP-Parameter": load and save buttons, the parameter pages, the function
// switches and the groups for bank, sideband, mode and numbering.
#include "app/vantrel.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>

void vantrel::baueparameterseite() {
    parameterseite = new QWidget();
    parameterseite->setObjectName(QStringLiteral("parameterseite"));
    tabs->addTab(parameterseite, tr("DSP-Parameter", "TabWindow"));

    auto button = [this](const QString& text, const char* name, void (vantrel::*slot)()) {
        auto* b = new QPushButton(text, parameterseite);
        b->setObjectName(QString::fromLatin1(name));
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    bparamladen = button(tr("Parameter laden"), "bparamladen", &vantrel::clickparamladen);
    bparamsave = button(tr("Parameter speichern"), "bparamsave", &vantrel::clickparamsave);
    bxparamladen = button(tr("X-Parameter laden"), "bxparamladen", &vantrel::clickxparamladen);
    bxparamsave = button(tr("X-Parameter speichern"), "bxparamsave", &vantrel::clickxparamsave);
    bxparamsave->setEnabled(false);

    cbdmoni = new QCheckBox(tr("DSP Monitor"), parameterseite);
    cbdmoni->setObjectName(QStringLiteral("cbdmoni"));
    cbdmoni->setEnabled(false);
    connect(cbdmoni, &QCheckBox::stateChanged, this, &vantrel::setdmoni);

    paramtabs = new QTabWidget(parameterseite);
    paramtabs->setObjectName(QStringLiteral("paramtabs"));
    for (int i = 0; i < 3; ++i) {
        paramseite[i] = new QWidget();
        paramseite[i]->setObjectName(QStringLiteral("paramseite%1").arg(i));
        paramtabs->addTab(paramseite[i],
                          QString::asprintf("%i - %i - %i", 3 * i + 1, 3 * i + 2, 3 * i + 3));
    }

    // One row per parameter number: 0..9 sit on the first page and are never shown, the
    // multiples of 10 wait hidden until a refresh finds a value for them.
    for (int i = 0; i < 100; ++i) {
        QWidget* seite = paramseite[i < 10 ? 0 : (i / 10 - 1) / 3];
        paramnr[i] = new QLabel(seite);
        paramnr[i]->setObjectName(QStringLiteral("paramnr%1").arg(i));
        paramwert[i] = new QDoubleSpinBox(seite);
        paramwert[i]->setObjectName(QStringLiteral("paramwert%1").arg(i));
        paramwert[i]->setDecimals(0);
        paramwert[i]->setRange(0, 255);
        paramwert[i]->setValue(255);
        paramname[i] = new QLabel(seite);
        paramname[i]->setObjectName(QStringLiteral("paramname%1").arg(i));
        if (i < 10 || i % 10 == 0) {
            paramnr[i]->hide();
            paramwert[i]->hide();
            paramname[i]->hide();
        }
        connect(paramwert[i], &QDoubleSpinBox::valueChanged, this, &vantrel::dspbefehl);
    }
    dspbeftimer->setInterval(200);
    setuserid();

    const QString texts[8] = {tr("1 Denoiser"), tr("2 Mute"),    tr("3 Noise Bl."),
                              tr("4 A-Notch"),  tr("5 M-Notch"), tr("6 Fil.6.2"),
                              tr("7 VOX"),      tr("9 RF Clip")};
    void (vantrel::*handlers[8])() = {&vantrel::setb1, &vantrel::setb2, &vantrel::setb3,
                                      &vantrel::setb4, &vantrel::setb5, &vantrel::setb6,
                                      &vantrel::setb7, &vantrel::setb9};
    const int numbers[8] = {1, 2, 3, 4, 5, 6, 7, 9};
    for (int i = 0; i < 8; ++i) {
        schalter[i] = new QCheckBox(texts[i], parameterseite);
        schalter[i]->setObjectName(QStringLiteral("cbb%1").arg(numbers[i]));
        connect(schalter[i], &QCheckBox::stateChanged, this, handlers[i]);
    }

    auto group = [this](const QString& title, const char* name) {
        auto* g = new QGroupBox(title, parameterseite);
        g->setObjectName(QString::fromLatin1(name));
        return g;
    };
    auto radio = [this](QGroupBox* g, const QString& text, const char* name,
                        void (vantrel::*slot)()) {
        auto* r = new QRadioButton(text, g);
        r->setObjectName(QString::fromLatin1(name));
        connect(r, &QRadioButton::pressed, this, slot);
        return r;
    };
    gbbank = group(tr("Parameterbank"), "gbbank");
    rbgruen = radio(gbbank, tr("Gruen"), "rbgruen", &vantrel::setparamgruppegn);
    rbgelb = radio(gbbank, tr("Gelb"), "rbgelb", &vantrel::setparamgruppege);
    rbrot = radio(gbbank, tr("Rot"), "rbrot", &vantrel::setparamgruppert);
    gbseitenband = group(tr("Seitenband"), "gbseitenband");
    rbusb = radio(gbseitenband, tr("USB"), "rbusb", &vantrel::setparamusb);
    rblsb = radio(gbseitenband, tr("LSB"), "rblsb", &vantrel::setparamlsb);
    gbmode = group(tr("Mode"), "gbmode");
    rbssb = radio(gbmode, tr("SSB"), "rbssb", &vantrel::setparamgruppessb);
    rbcw = radio(gbmode, tr("CW"), "rbcw", &vantrel::setparamgruppecw);
    gbdspid = group(tr("DSP-ID"), "gbdspid");
    rbuser = radio(gbdspid, tr("User"), "rbuser", &vantrel::setuserid);
    rbvesk = radio(gbdspid, tr("Vesk"), "rbvesk", &vantrel::setveskid);
    paramfreigabe(false);
}
