// One command frame as the simulated running DSP decoded it from the line.
#pragma once

#include <QMetaType>
#include <QtGlobal>

struct SimFrame {
    int number = 0;
    int value = 0;
    // When the frame's last byte arrived, in ns on the set's clock (SimTransceiver::nowNs).
    qint64 timeNs = 0;

    bool operator==(const SimFrame& o) const { return number == o.number && value == o.value; }
};

Q_DECLARE_METATYPE(SimFrame)
