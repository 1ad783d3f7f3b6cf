// The RX and TX equalizers: load, save, live and whole-curve sending. Both pages run the
// same code; only their side, texts and file name differ.
#include "app/dateischreiben.h"
#include "app/userdialogs.h"
#include "app/vantrel.h"
#include "control/eqcurve.h"
#include "control/eqseite.h"
#include "link/link.h"
#include "link/progress.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

namespace {
// A slider movement is sent once the user has let go for this long.
constexpr int kRuhezeitMs = 500;

bool istRx(const EqSeite& s) {
    return s.side == eqcurve::Side::Rx;
}
} // namespace

void vantrel::clickrxeqladen() {
    eqdateiladen(*rxeq);
}
void vantrel::clicktxeqladen() {
    eqdateiladen(*txeq);
}
void vantrel::clickrxeq2pic() {
    eq2dsp(*rxeq);
}
void vantrel::clicktxeq2pic() {
    eq2dsp(*txeq);
}
void vantrel::clickrxeqspeichern() {
    eqdateispeichern(*rxeq);
}
void vantrel::clicktxeqspeichern() {
    eqdateispeichern(*txeq);
}
void vantrel::rxslideraendern() {
    eqslideraendern(*rxeq);
}
void vantrel::txslideraendern() {
    eqslideraendern(*txeq);
}
void vantrel::timerrxeqstop() {
    eqtimerstop(*rxeq);
}
void vantrel::timertxeqstop() {
    eqtimerstop(*txeq);
}

void vantrel::eqdateiladen(EqSeite& s) {
    eqcurve::Curve kurve{};
    QList<int> werte;
    if (!m_geraet->eqDateiLesen(s.side, &kurve, &werte)) {
        s.speichern->setEnabled(false);
        s.gb->setEnabled(false);
        s.direkt->setEnabled(false);
        s.geladen = false;
        return;
    }
    // Only 31 sliders exist: the reader stops after the 31st line.
    for (int k = 0; k < werte.size() && k < eqcurve::kBands; ++k)
        s.slider[size_t(k)]->setValue(werte[k]);
    s.geladen = true;
    s.gb->setEnabled(true);
    s.direkt->setEnabled(true);
}

void vantrel::eqslideraendern(EqSeite& s) {
    s.status->setText(tr("Einzelwert gesendet!"));
    s.timer->start(kRuhezeitMs);
}

void vantrel::eqtimerstop(EqSeite& s) {
    s.timer->stop();
    if (s.sendet) {
        // Frames of this page are still on their way; a band update in between would split
        // them. Look again once the line is free.
        s.timer->start(kRuhezeitMs);
        return;
    }
    s.sendet = true;
    // A band update is four frames that belong together: as a transfer of its own, frames
    // that other editors start meanwhile wait until all four are out.
    const bool eigene = m_link->beginTransfer();
    for (int k = 0; k < eqcurve::kBands; ++k) {
        const int wert = s.slider[size_t(k)]->value();
        if (wert == s.gesendet[size_t(k)])
            continue;
        s.gesendet[size_t(k)] = wert;
        for (const auto& [nummer, w] : eqcurve::bandFrames(s.side, k, wert))
            dspframe(nummer, w);
        if (s.geladen)
            s.speichern->setEnabled(true);
    }
    if (eigene)
        m_link->endTransfer();
    s.status->clear();
    s.sendet = false;
}

void vantrel::eq2dsp(EqSeite& s) {
    if (!s.gb->isEnabled())
        return;
    s.status->setText(tr("ONLINE mit VESK!"));
    s.gb->setEnabled(false);
    s.sendet = true;
    m_geraet->eqSenden(s.side, s.werte());
    s.status->clear();
    s.gb->setEnabled(true);
    s.sendet = false;
}

void vantrel::eqdateispeichern(EqSeite& s) {
    const int p = TEinstellungen::clampProfile(vesknr);
    QString name = istRx(s) ? einst.rxeqfilename[p] : einst.txeqfilename[p];
    if (!name.contains(QLatin1String(".dat")))
        name += QLatin1String(".dat");
    // The first save keeps the former curve as "<name>$". An older backup is never
    // replaced: then the copy fails and only the file itself is overwritten. The file itself
    // stays whole until the new curve is completely written.
    if (QFile::exists(name))
        QFile::copy(name, name + QLatin1Char('$'));
    if (dateiSchreiben(name, eqcurve::curveFileBytes(s.werte()))) {
        s.speichern->setEnabled(false);
        return;
    }
    speicherfehler(name);
}
