// The firmware page's operations: data-set load, direct DSP download, EEPROM download,
// backup and restore.
#include "app/vantrel.h"

void vantrel::clickdspladen() {}
void vantrel::clicktestladen() {}
void vantrel::clickpicladen() {}
void vantrel::clickpar2pic() {}
void vantrel::clickeesichern() {}
void vantrel::clickeerestore() {}
