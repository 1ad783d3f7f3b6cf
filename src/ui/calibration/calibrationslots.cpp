// Receive polling and the S-meter and IF-gain calibration wizards.
#include "app/vantrel.h"

#include <QTimer>

void vantrel::tstopempfangRS232() { empfangtimer->stop(); }
void vantrel::clicksmstep() {}
void vantrel::clicksmabbruch() {}
void vantrel::geaendertsm() {}
void vantrel::tstopsmbef() { smbeftimer->stop(); }
void vantrel::clickifstep() {}
void vantrel::clickifabbruch() {}
