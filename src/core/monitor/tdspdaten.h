// One decoded DSP status telegram: the eight test-point words, signal level, spike, the
// receive/transmit and hang flags, S-meter count, AD603 step and gain, ADC, AGC, VOGAD.
#pragma once

#include <QMetaType>

struct TDspDaten {
    int wert0 = 0, wert1 = 0, wert2 = 0, wert3 = 0, wert4 = 0, wert5 = 0, wert6 = 0, wert7 = 0;
    int sigdb = 0;
    bool spike = false;
    int adcstufe = 0;
    int agcroh = 0;
    bool rx = true;
    bool hang = false;
    int smeter = 0;
    int ad603 = 0;
    int gain = 0;
    int adc = 0;
    int agc = 0;
    int vogad = 0;
};

Q_DECLARE_METATYPE(TDspDaten)
