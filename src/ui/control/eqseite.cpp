#include "control/eqseite.h"

#include "app/dateischreiben.h"
#include "app/geraet.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

namespace {
// A slider movement is sent once the person has let go for this long.
constexpr int kRuhezeitMs = 500;

QLabel* label(QWidget* parent, const QString& text, const QString& name) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setAlignment(Qt::AlignCenter);
    return l;
}
} // namespace

EqSeite::EqSeite(Geraet& geraet, eqcurve::Side s, QWidget* parent)
    : QWidget(parent), side(s), m_geraet(geraet) {
    const bool rx = side == eqcurve::Side::Rx;
    const QString prefix = rx ? QStringLiteral("rx") : QStringLiteral("tx");
    setObjectName(prefix + QStringLiteral("eqseite"));
    auto button = [this](const QString& text, const QString& name) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        return b;
    };
    m_gb = new QGroupBox(rx ? tr("Equalizer RX") : tr("Equalizer TX"), this);
    m_gb->setObjectName(QStringLiteral("gb") + prefix + QStringLiteral("eq"));
    m_gb->setEnabled(false);
    m_laden = button(rx ? tr("RX-Datei laden") : tr("TX-Datei laden"),
                     QStringLiteral("b") + prefix + QStringLiteral("eqladen"));
    m_speichern = button(rx ? tr("RX-Datei speichern") : tr("TX-Datei speichern"),
                         QStringLiteral("b") + prefix + QStringLiteral("eqspeichern"));
    m_direkt =
        button(tr("Zum \"Vesk\" direkt"), QStringLiteral("b") + prefix + QStringLiteral("eq2pic"));
    m_speichern->setEnabled(false);
    m_direkt->setEnabled(false);
    connect(m_laden, &QPushButton::clicked, this, &EqSeite::eqdateiladen);
    connect(m_speichern, &QPushButton::clicked, this, &EqSeite::eqdateispeichern);
    connect(m_direkt, &QPushButton::clicked, this, &EqSeite::eq2dsp);

    for (int k = 0; k < eqcurve::kBands; ++k) {
        auto* sl = new QSlider(Qt::Vertical, m_gb);
        sl->setObjectName(prefix + QStringLiteral("slider%1").arg(k));
        sl->setRange(eqcurve::kMinValue, eqcurve::kMaxValue);
        sl->setValue(0);
        sl->setSingleStep(1);
        sl->setPageStep(3);
        sl->setTickPosition(QSlider::TicksBothSides);
        sl->setTickInterval(1);
        connect(sl, &QSlider::valueChanged, this, &EqSeite::eqslideraendern);
        m_slider[size_t(k)] = sl;
        const QString band = QString::number(k + 1);
        m_bandoben[size_t(k)] = label(m_gb, band, prefix + QStringLiteral("bandoben%1").arg(k));
        m_bandunten[size_t(k)] = label(m_gb, band, prefix + QStringLiteral("bandunten%1").arg(k));
    }
    m_hzoben = label(m_gb, tr("(x100Hz)"), prefix + QStringLiteral("hzoben"));
    m_hzunten = label(m_gb, tr("(x100Hz)"), prefix + QStringLiteral("hzunten"));
    for (int i = 0; i < 14; ++i) {
        const QString text = i < 13 ? tr("%1dB").arg(-i) : tr("-90dB");
        m_dblinks[size_t(i)] = label(m_gb, text, prefix + QStringLiteral("dblinks%1").arg(i));
        m_dbrechts[size_t(i)] = label(m_gb, text, prefix + QStringLiteral("dbrechts%1").arg(i));
    }
    m_status = new QLabel(this);
    m_status->setObjectName(prefix + QStringLiteral("eqstatus"));
    m_timer = new QTimer(this);
    m_timer->setObjectName(prefix + QStringLiteral("eqtimer"));
    connect(m_timer, &QTimer::timeout, this, &EqSeite::eqtimerstop);
    // What was loaded for another profile is not this profile's curve.
    connect(&m_geraet, &Geraet::profilGewechselt, this, &EqSeite::verwerfen);
    layouteqseite();
    m_geraet.anmelden(this);
}

eqcurve::Curve EqSeite::werte() const {
    eqcurve::Curve c{};
    for (int i = 0; i < eqcurve::kBands; ++i)
        c[size_t(i)] = m_slider[size_t(i)]->value();
    return c;
}

EqSeite::~EqSeite() {
    m_geraet.abmelden(this);
}

QString EqSeite::ungesichert() const {
    if (!ungespeichert())
        return {};
    return side == eqcurve::Side::Rx ? tr("RX-Equalizer") : tr("TX-Equalizer");
}

void EqSeite::abschliessen() {
    // Frames of this page on their way further down the stack are left to that run.
    if (m_timer->isActive() && !m_sendet)
        eqtimerstop();
}

void EqSeite::anhalten() {
    m_timer->stop();
}

bool EqSeite::ungespeichert() const {
    return m_speichern->isEnabled();
}

void EqSeite::speicherstand() {
    m_speichern->setEnabled(m_geladen && werte() != m_datei);
}

void EqSeite::verwerfen() {
    m_timer->stop();
    m_geladen = false;
    m_gb->setEnabled(false);
    m_direkt->setEnabled(false);
    m_speichern->setEnabled(false);
}

void EqSeite::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layouteqseite();
}

void EqSeite::layouteqseite() {
    const int w = width();
    const int h = height();
    const int gw = qMax(300, w - 20);
    const int gh = qMax(200, h - 70);
    m_gb->setGeometry(10, 10, gw, gh);
    m_laden->setGeometry(10, h - 50, 160, 30);
    m_speichern->setGeometry(180, h - 50, 160, 30);
    m_direkt->setGeometry(350, h - 50, 160, 30);
    m_status->setGeometry(520, h - 50, qMax(60, w - 530), 30);

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
        m_slider[size_t(k)]->setGeometry(cx - sw / 2, top, sw, sh);
        m_bandoben[size_t(k)]->setGeometry(cx - 12, top - bandh - 4, 24, bandh);
        m_bandunten[size_t(k)]->setGeometry(cx - 12, top + sh + 4, 24, bandh);
    }
    m_hzoben->setGeometry(4, top - bandh - 4, scale + 4, bandh);
    m_hzunten->setGeometry(4, top + sh + 4, scale + 4, bandh);
    // The handle travels a little less than the groove; the scale follows its centre.
    const int handle = 10;
    for (int i = 0; i < 14; ++i) {
        const int y = top + handle / 2 + (sh - handle) * i / 13 - 8;
        m_dblinks[size_t(i)]->setGeometry(10, y, scale - 6, 16);
        m_dbrechts[size_t(i)]->setGeometry(gw - scale - 4, y, scale - 6, 16);
    }
}

void EqSeite::eqdateiladen() {
    eqcurve::Curve kurve{};
    QList<int> werte;
    if (!m_geraet.eqDateiLesen(side, &kurve, &werte)) {
        verwerfen();
        return;
    }
    // Only 31 sliders exist: the reader stops after the 31st line. The sliders' changes go
    // out to the DSP as edits do, but a curve just read is no unsaved change.
    for (int k = 0; k < werte.size() && k < eqcurve::kBands; ++k)
        m_slider[size_t(k)]->setValue(werte[k]);
    m_datei = this->werte();
    m_geladen = true;
    m_gb->setEnabled(true);
    m_direkt->setEnabled(true);
    speicherstand();
}

void EqSeite::eqslideraendern() {
    m_status->setText(tr("Einzelwert gesendet!"));
    m_timer->start(kRuhezeitMs);
}

void EqSeite::eqtimerstop() {
    m_timer->stop();
    if (m_sendet) {
        // Frames of this page are still on their way; a band update in between would split
        // them. Look again once the line is free.
        m_timer->start(kRuhezeitMs);
        return;
    }
    m_sendet = true;
    for (int k = 0; k < eqcurve::kBands; ++k) {
        const int wert = m_slider[size_t(k)]->value();
        if (wert == m_gesendet[size_t(k)])
            continue;
        m_gesendet[size_t(k)] = wert;
        m_geraet.eqBand(side, k, wert);
    }
    speicherstand();
    m_status->clear();
    m_sendet = false;
}

void EqSeite::eq2dsp() {
    if (!m_gb->isEnabled())
        return;
    m_status->setText(tr("ONLINE mit VESK!"));
    m_gb->setEnabled(false);
    m_sendet = true;
    m_geraet.eqSenden(side, werte());
    m_status->clear();
    m_gb->setEnabled(true);
    m_sendet = false;
}

bool EqSeite::eqdateispeichern() {
    const TEinstellungen& e = m_geraet.einstellungen();
    const size_t p = size_t(m_geraet.profil());
    QString name = side == eqcurve::Side::Rx ? e.rxeqfilename[p] : e.txeqfilename[p];
    if (!name.contains(QLatin1String(".dat")))
        name += QLatin1String(".dat");
    // The first save keeps the former curve as "<name>$". An older backup is never
    // replaced: then the copy fails and only the file itself is overwritten. The file itself
    // stays whole until the new curve is completely written.
    if (QFile::exists(name))
        QFile::copy(name, name + QLatin1Char('$'));
    const eqcurve::Curve kurve = werte();
    if (!dateiSchreiben(name, eqcurve::curveFileBytes(kurve))) {
        m_geraet.speicherfehler(name);
        return false;
    }
    m_datei = kurve;
    speicherstand();
    return true;
}
