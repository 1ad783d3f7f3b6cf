// The pages "RX-Equalizer" and "TX-Equalizer".
#include "app/vantrel.h"
#include "control/eqseite.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTimer>

namespace {
QLabel* label(QWidget* parent, const QString& text, const QString& name) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setAlignment(Qt::AlignCenter);
    return l;
}
} // namespace

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

    rxeq = new EqSeite(eqcurve::Side::Rx, this);
    rxeq->seite = rxeqseite;
    rxeq->gb = gbrxeq;
    rxeq->laden = brxeqladen;
    rxeq->speichern = brxeqspeichern;
    rxeq->direkt = brxeq2pic;
    rxeq->timer = rxeqtimer;
    txeq = new EqSeite(eqcurve::Side::Tx, this);
    txeq->seite = txeqseite;
    txeq->gb = gbtxeq;
    txeq->laden = btxeqladen;
    txeq->speichern = btxeqspeichern;
    txeq->direkt = btxeq2pic;
    txeq->timer = txeqtimer;

    for (EqSeite* s : {rxeq, txeq}) {
        const QString prefix =
            s->side == eqcurve::Side::Rx ? QStringLiteral("rx") : QStringLiteral("tx");
        void (vantrel::*changed)() =
            s->side == eqcurve::Side::Rx ? &vantrel::rxslideraendern : &vantrel::txslideraendern;
        for (int k = 0; k < eqcurve::kBands; ++k) {
            auto* sl = new QSlider(Qt::Vertical, s->gb);
            sl->setObjectName(prefix + QStringLiteral("slider%1").arg(k));
            sl->setRange(eqcurve::kMinValue, eqcurve::kMaxValue);
            sl->setValue(0);
            sl->setSingleStep(1);
            sl->setPageStep(3);
            sl->setTickPosition(QSlider::TicksBothSides);
            sl->setTickInterval(1);
            connect(sl, &QSlider::valueChanged, this, changed);
            s->slider[size_t(k)] = sl;
            const QString band = QString::number(k + 1);
            s->bandoben[size_t(k)] =
                label(s->gb, band, prefix + QStringLiteral("bandoben%1").arg(k));
            s->bandunten[size_t(k)] =
                label(s->gb, band, prefix + QStringLiteral("bandunten%1").arg(k));
        }
        s->hzoben = label(s->gb, tr("(x100Hz)"), prefix + QStringLiteral("hzoben"));
        s->hzunten = label(s->gb, tr("(x100Hz)"), prefix + QStringLiteral("hzunten"));
        for (int i = 0; i < 14; ++i) {
            const QString text = i < 13 ? tr("%1dB").arg(-i) : tr("-90dB");
            s->dblinks[size_t(i)] = label(s->gb, text, prefix + QStringLiteral("dblinks%1").arg(i));
            s->dbrechts[size_t(i)] =
                label(s->gb, text, prefix + QStringLiteral("dbrechts%1").arg(i));
        }
        s->status = new QLabel(s->seite);
        s->status->setObjectName(prefix + QStringLiteral("eqstatus"));
    }
}

void vantrel::layouteqseiten() {
    const int w = rxeqseite->width();
    const int h = rxeqseite->height();
    for (EqSeite* s : {rxeq, txeq}) {
        const int gw = qMax(300, w - 20);
        const int gh = qMax(200, h - 70);
        s->gb->setGeometry(10, 10, gw, gh);
        s->laden->setGeometry(10, h - 50, 160, 30);
        s->speichern->setGeometry(180, h - 50, 160, 30);
        s->direkt->setGeometry(350, h - 50, 160, 30);
        s->status->setGeometry(520, h - 50, qMax(60, w - 530), 30);

        // Scale columns of 60 px on either side, the sliders share the width between them.
        const int scale = 60;
        const int left = 10 + scale;
        const int span = gw - 2 * left;
        const double pitch = span / double(eqcurve::kBands);
        const int sw = qBound(12, int(pitch) - 2, 30);
        const int top = 44;
        const int sh = qMax(60, gh - 2 * top + 8);
        const int bandh = 16;
        for (int k = 0; k < eqcurve::kBands; ++k) {
            const int cx = left + int(pitch * (k + 0.5));
            s->slider[size_t(k)]->setGeometry(cx - sw / 2, top, sw, sh);
            s->bandoben[size_t(k)]->setGeometry(cx - 12, top - bandh - 4, 24, bandh);
            s->bandunten[size_t(k)]->setGeometry(cx - 12, top + sh + 4, 24, bandh);
        }
        s->hzoben->setGeometry(4, top - bandh - 4, scale + 4, bandh);
        s->hzunten->setGeometry(4, top + sh + 4, scale + 4, bandh);
        // The handle travels a little less than the groove; the scale follows its centre.
        const int handle = 10;
        for (int i = 0; i < 14; ++i) {
            const int y = top + handle / 2 + (sh - handle) * i / 13 - 8;
            s->dblinks[size_t(i)]->setGeometry(10, y, scale - 6, 16);
            s->dbrechts[size_t(i)]->setGeometry(gw - scale - 4, y, scale - 6, 16);
        }
    }
}
