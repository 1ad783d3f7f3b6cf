#include "dspmonitor.h"

DspMonitor::DspMonitor(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("DspMonitor"));
    setWindowTitle(tr("DSP Monitor"));
    resize(530, 290);
}

DspMonitor::~DspMonitor() = default;

void DspMonitor::getdspdaten(const TDspDaten& daten) { Q_UNUSED(daten); }
