// The firmware page's transfers: the download straight into the DSP, the download into the
// PIC's external EEPROM, and the EEPROM backup and restore. The session runs each; the
// window readies its panel before and shows what came of it after.
#include "app/userdialogs.h"
#include "app/vantrel.h"
#include "download/hinweistexte.h"

#include <QCheckBox>
#include <QRadioButton>

void vantrel::clickdspladen() {
    // The freshly loaded DSP starts with every function off, bank green, SSB and LSB; the
    // panel shows that before the user is even asked. Switches that were on say so to the
    // DSP through their own slots. A download held back by unsaved X parameters leaves the
    // panel as it is.
    if (!xparamgeaendert) {
        for (QCheckBox* s : schalter)
            if (s)
                s->setChecked(false);
        for (QRadioButton* r : {rbgruen, rbssb, rblsb})
            if (r)
                r->setChecked(true);
        schaltertexte(false);
        paramanzeigen();
    }
    m_geraet->dspLaden(spalte());
}

void vantrel::clicktestladen() {
    m_geraet->testLaden();
}

void vantrel::clickpicladen() {
    m_geraet->picLaden(false);
}

void vantrel::clickpar2pic() {
    m_geraet->picLaden(true);
}

void vantrel::clickeesichern() {
    m_geraet->eepromSichern();
}

void vantrel::clickeerestore() {
    m_geraet->eepromWiederherstellen();
}
