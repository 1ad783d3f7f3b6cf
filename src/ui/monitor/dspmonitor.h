// The window "DSP Monitor": live levels at the DSP's test points from its status telegrams.
#pragma once

#include "monitor/tdspdaten.h"

#include <QWidget>

class DspMonitor : public QWidget {
    Q_OBJECT
public:
    explicit DspMonitor(QWidget* parent = nullptr);
    ~DspMonitor() override;

public slots:
    void getdspdaten(const TDspDaten& daten);
};
