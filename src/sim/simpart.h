// One part of the simulated set that listens to the line while its mode is in force: the DSP
// loader and the PIC plug in here, each in its own files, without touching SimTransceiver.
#pragma once

#include <QtGlobal>

class SimPart {
public:
    virtual ~SimPart() = default;

    // The set switched to this part's mode: start from a clean state (no half record).
    virtual void enter() {}
    // The set switched away from this part's mode.
    virtual void leave() {}
    // One byte from the loader, with its arrival time in ns on the set's clock.
    virtual void byte(quint8 value, qint64 timeNs) = 0;
};
