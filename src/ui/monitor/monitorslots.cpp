// The DSP monitor's poll on the main window's side.
#include "app/vantrel.h"

#include <QTimer>

void vantrel::setdmoni() {}
void vantrel::timerdspmonistop() { dspmonitimer->stop(); }
void vantrel::loadcalcurve() {}
