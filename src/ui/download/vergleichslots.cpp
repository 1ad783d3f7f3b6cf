// The firmware page's "Eeprom Vergleich": the session asks, compares and logs.
#include "app/vantrel.h"

void vantrel::clickeevergleich() {
    m_geraet->eepromVergleichen();
}
