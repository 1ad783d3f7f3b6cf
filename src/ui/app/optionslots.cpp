// The options dialog seen from the main window: fill it, run it, take its values.
#include "app/odlg.h"
#include "app/userdialogs.h"
#include "app/vantrel.h"

void vantrel::meinst() {
    m_odlg->setEinstellungen(m_geraet->einstellungen());
    m_odlg->exec();
    setactiontexts();
}

void vantrel::meinstsave() {
    m_geraet->setEinstellungen(m_odlg->getEinstellungen());
    writeSettings();
    if (!m_geraet->verbinden())
        portfehlerzeigen(tr("Einstellungen"), tr("Die RS232 laesst sich nicht oeffnen!"));
    setFocus();
}
