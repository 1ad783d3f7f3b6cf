// The parameter table to the running DSP (the selected column as a parameter block) and
// back from the PIC (its whole parameter area, sent on the set's function 995).
#include "app/userdialogs.h"
#include "app/vantrel.h"
#include "download/hinweistexte.h"
#include "link/link.h"
#include "link/modem.h"
#include "link/progress.h"
#include "parameters/paramauswahl.h"
#include "parameters/parameterempfang.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTabWidget>

namespace {
const QString kTrenner = QStringLiteral("---------------------------------");
}

void vantrel::parameter2dsp() {
    auto progress = UserDialogs::current().progress(this, tr("Parameter-Laden"), tr("Abbrechen"),
                                                    parameter::kErste, parameter::kLetzte);
    if (!paramgeladen) {
        progress->finish();
        return;
    }
    const parameter::Modus modus = parammodus(*this);
    const parameter::Bank bank = parambank(*this);
    const bool monitor = cbdmoni->isChecked();
    // The block is one transfer: frames that other editors start meanwhile wait until it is
    // closed. Begun from inside another transfer, the frames queue behind that one instead.
    const bool eigene = m_link->beginTransfer();
    dspframe(parameter::kCmdBlock, 1);
    for (int i = parameter::kErste; i <= parameter::kLetzte; ++i) {
        progress->setValue(i);
        // Cancel skips what is left of the column, but the block is still closed below, so
        // the DSP is never left waiting inside it.
        if (progress->wasCanceled())
            break;
        if (const auto v =
                parameter::sendewert(parametertabelle[size_t(i)], i, modus, bank, monitor))
            dspframe(i, *v);
    }
    dspframe(parameter::kCmdBlock, 0);
    if (eigene)
        m_link->endTransfer();
    progress->finish();
}

void vantrel::clickparam2pc() {
    const Hinweis h = hinweis::param2pc();
    if (!UserDialogs::current().information(this, h.titel, h.text, true))
        return;
    auto progress = UserDialogs::current().progress(this, tr("Parameter in Datei Speichern"),
                                                    tr("Abbrechen"), 0, parameter::kBereichGroesse);
    logzeile(tr("Parameter vom Vesk lesen"));
    logzeile(kTrenner);

    QByteArray empfang;
    const TransferResult r = parameter::bereichempfangen(*m_link, *progress, &empfang);
    if (!r.ok()) {
        progress->finish();
        if (r.failed()) {
            UserDialogs::current().about(this, r.title, r.text);
            logzeile(r.text);
        }
        return;
    }
    logzeile(tr("Fertig"));
    logzeile(kTrenner);
    progress->finish();

    // The file gives names, scales, pages and X marks; the device's values then replace its
    // values of 10..99.
    smkalaktiv = false;
    ladequelle = 0;
    paramdateilesen(einst.parameterfilename[vesknr]);
    if (dateifehler)
        return;
    parameter::uebernehmeBereich(parametertabelle, empfang.left(parameter::kBereichGroesse));
    // The device's user numbers replace the file's, and the labels must say so.
    setuserid();
    paramgeladen = true;
    paramanzeigen();
    bparamsave->setEnabled(true);
    tabs->setCurrentWidget(parameterseite);
}
