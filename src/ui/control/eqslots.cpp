// The RX and TX equalizers: load, save, live and whole-curve sending. Both pages run the
// same code; only their side, texts and file name differ.
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
#include <QSaveFile>
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
    const int p = TEinstellungen::clampProfile(vesknr);
    const QString name = istRx(s) ? einst.rxeqfilename[p] : einst.txeqfilename[p];
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        const QString text = tr("Datei \"%1\" nicht gefunden!").arg(name);
        UserDialogs::current().critical(this, tr("Datei nicht gefunden!"), text);
        logzeile(text);
        dateifehler = true;
        s.speichern->setEnabled(false);
        s.gb->setEnabled(false);
        s.direkt->setEnabled(false);
        s.geladen = false;
        return;
    }
    // Only 31 sliders exist: the reader stops after the 31st line.
    const QList<int> werte = eqcurve::readCurve(file);
    file.close();
    for (int k = 0; k < werte.size(); ++k)
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
    const QString label =
        istRx(s) ? tr("RX Equalizer in DSP laden") : tr("TX Equalizer in DSP laden");
    auto progress =
        UserDialogs::current().progress(this, label, tr("Abbrechen"), 0, eqcurve::kBands);
    s.status->setText(tr("ONLINE mit VESK!"));
    s.gb->setEnabled(false);
    s.sendet = true;
    const eqcurve::Curve kurve = s.werte();
    const bool eigene = m_link->beginTransfer();
    for (const auto& [nummer, w] : eqcurve::curveOpenFrames(s.side))
        dspframe(nummer, w);
    for (int k = 0; k < eqcurve::kBands; ++k) {
        progress->setValue(k);
        // A cancelled curve still gets its end command, so the DSP is not left waiting in
        // the middle of a transfer; the bands not sent keep their former gains there.
        if (progress->wasCanceled())
            break;
        for (const auto& [nummer, w] : eqcurve::curveBandFrames(kurve[size_t(k)]))
            dspframe(nummer, w);
    }
    const auto [nummer, w] = eqcurve::curveCloseFrame(s.side);
    dspframe(nummer, w);
    if (eigene)
        m_link->endTransfer();
    s.status->clear();
    s.gb->setEnabled(true);
    progress->finish();
    s.sendet = false;
}

void vantrel::eqdateispeichern(EqSeite& s) {
    const int p = TEinstellungen::clampProfile(vesknr);
    QString name = istRx(s) ? einst.rxeqfilename[p] : einst.txeqfilename[p];
    if (!name.contains(QLatin1String(".dat")))
        name += QLatin1String(".dat");
    // The first save keeps the former curve as "<name>$". An older backup is never
    // replaced: then the rename fails and only the file itself is overwritten.
    if (QFile::exists(name))
        QFile::rename(name, name + QLatin1Char('$'));
    const QByteArray bytes = eqcurve::curveFileBytes(s.werte());
    QSaveFile file(name);
    const bool ok =
        file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    if (ok) {
        s.speichern->setEnabled(false);
        return;
    }
    speicherfehler(name);
}
