// The options dialog seen from the main window: fill it, run it, take its values.
#include "app/fensterbediener.h"
#include "app/odlg.h"
#include "app/userdialogs.h"
#include "app/vantrel.h"
#include "calibration/kalibrierung.h"

void vantrel::meinst() {
    // New settings reopen the port: not under a block or a transfer that still runs (its
    // progress closed, the window free again), which would end with a cut frame.
    if (!m_geraet->ruhigSonstMelden(tr("Einstellungen")))
        return;
    // A calibration keeps the port and the files it started with until it ends.
    if (const Kalibrierung* k = m_geraet->laufendeKalibrierung()) {
        m_bediener->meldung(Bediener::Box::Info, tr("Einstellungen"),
                            tr("%1 laeuft noch.<br>Die Einstellungen lassen sich nach ihrem "
                               "Ende aendern.")
                                .arg(k->name()));
        return;
    }
    m_odlg->setEinstellungen(m_geraet->einstellungen());
    m_odlg->exec();
    setactiontexts();
}

void vantrel::meinstsave() {
    // What a debounce still holds goes out on the line and into the table of the settings
    // it was made under.
    m_geraet->aenderungenUebernehmen();
    m_geraet->setEinstellungen(m_odlg->getEinstellungen());
    writeSettings();
    if (!m_geraet->verbinden())
        portfehlerzeigen(tr("Einstellungen"), tr("Die RS232 laesst sich nicht oeffnen!"));
    setFocus();
}
