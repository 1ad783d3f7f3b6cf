// The options dialog seen from the main window: fill it, run it, take its values.
#include "app/odlg.h"
#include "app/userdialogs.h"
#include "app/vantrel.h"
#include "link/modem.h"
#include "link/portzugriff.h"

void vantrel::meinst() {
    m_odlg->setEinstellungen(einst);
    m_odlg->exec();
    setactiontexts();
}

void vantrel::meinstsave() {
    einst = m_odlg->getEinstellungen();
    writeSettings();
    m_geraet->verbinden();
    if (!rs232offen()) {
        if (const QString h = portzugriff::hinweis(*m_modem, einst.rs232); !h.isEmpty())
            logzeile(h);
        UserDialogs::current().about(this, tr("Einstellungen"),
                                     tr("Die RS232 laesst sich nicht oeffnen!"));
    }
    setFocus();
}
