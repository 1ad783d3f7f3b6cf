// The pages "RX-Equalizer" and "TX-Equalizer".
#include "app/vantrel.h"

#include <QGroupBox>
#include <QPushButton>
#include <QTabWidget>

void vantrel::baueeqseiten() {
    auto page = [this](const QString& title, const char* name) {
        auto* w = new QWidget();
        w->setObjectName(QString::fromLatin1(name));
        tabs->addTab(w, title);
        return w;
    };
    auto button = [this](QWidget* parent, const QString& text, const char* name,
                         void (vantrel::*slot)()) {
        auto* b = new QPushButton(text, parent);
        b->setObjectName(QString::fromLatin1(name));
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    rxeqseite = page(tr("RX-Equalizer", "TabWindow"), "rxeqseite");
    gbrxeq = new QGroupBox(tr("Equalizer RX"), rxeqseite);
    gbrxeq->setObjectName(QStringLiteral("gbrxeq"));
    gbrxeq->setEnabled(false);
    brxeqladen = button(rxeqseite, tr("RX-Datei laden"), "brxeqladen", &vantrel::clickrxeqladen);
    brxeqspeichern =
        button(rxeqseite, tr("RX-Datei speichern"), "brxeqspeichern", &vantrel::clickrxeqspeichern);
    brxeq2pic = button(rxeqseite, tr("Zum \"Vesk\" direkt"), "brxeq2pic", &vantrel::clickrxeq2pic);
    brxeqspeichern->setEnabled(false);
    brxeq2pic->setEnabled(false);

    txeqseite = page(tr("TX-Equalizer", "TabWindow"), "txeqseite");
    gbtxeq = new QGroupBox(tr("Equalizer TX"), txeqseite);
    gbtxeq->setObjectName(QStringLiteral("gbtxeq"));
    gbtxeq->setEnabled(false);
    btxeqladen = button(txeqseite, tr("TX-Datei laden"), "btxeqladen", &vantrel::clicktxeqladen);
    btxeqspeichern =
        button(txeqseite, tr("TX-Datei speichern"), "btxeqspeichern", &vantrel::clicktxeqspeichern);
    btxeq2pic = button(txeqseite, tr("Zum \"Vesk\" direkt"), "btxeq2pic", &vantrel::clicktxeq2pic);
    btxeqspeichern->setEnabled(false);
    btxeq2pic->setEnabled(false);
}

void vantrel::layouteqseiten() {
    const int w = rxeqseite->width();
    const int h = rxeqseite->height();
    for (auto [gb, laden, speichern, direkt] :
         {std::tuple{gbrxeq, brxeqladen, brxeqspeichern, brxeq2pic},
          std::tuple{gbtxeq, btxeqladen, btxeqspeichern, btxeq2pic}}) {
        gb->setGeometry(10, 10, qMax(100, w - 20), qMax(100, h - 70));
        laden->setGeometry(10, h - 50, 160, 30);
        speichern->setGeometry(180, h - 50, 160, 30);
        direkt->setGeometry(350, h - 50, 160, 30);
    }
}
