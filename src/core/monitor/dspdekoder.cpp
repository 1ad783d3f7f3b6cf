#include "dspdekoder.h"

#include "calibration/pegel.h"

int smeterzahl(int muster) {
    // The segments light from the bottom up, so a valid pattern is a run of ones.
    for (int zahl = 1; zahl <= 12; ++zahl) {
        if (muster == (1 << zahl) - 1)
            return zahl;
    }
    return 0;
}

int ad603gain(int dacstufe, const Calcurve& calcurve) {
    for (int j = 1; j <= 43; ++j) {
        if (calcurve[size_t(j)] >= double(dacstufe))
            return j - 1;
    }
    return 0;
}

int adcwert(int adcstufe) {
    return halbauf(1.5 * adcstufe);
}

void dspdatenfuellen(TDspDaten& daten, const Telegramm& t, const Calcurve& calcurve) {
    daten.wert0 = t.wort(0);
    daten.wert1 = t.wort(1);
    daten.wert2 = t.wort(2);
    daten.wert3 = t.wort(3);
    daten.wert4 = t.wort(4);
    daten.wert5 = t.wort(5);
    daten.wert6 = t.wort(6);
    daten.wert7 = t.wort(7);
    daten.sigdb = t.byte(18);
    daten.spike = t.byte(19) == 1;
    daten.adcstufe = t.byte(20) >> 4;
    daten.agcroh = t.byte(22);
    daten.rx = !t.sendet();
    daten.hang = t.hang();
    daten.smeter = smeterzahl(t.smetermuster());
    daten.ad603 = 63 - t.dacstufe();
    daten.gain = ad603gain(t.dacstufe(), calcurve);
    daten.adc = adcwert(daten.adcstufe);
    if (daten.rx)
        daten.agc = qBound(0, daten.agcroh - 28, 72);
    else
        daten.vogad = daten.agcroh - 64;
}

int dspwort(const TDspDaten& d, int n) {
    switch (n) {
    case 0:
        return d.wert0;
    case 1:
        return d.wert1;
    case 2:
        return d.wert2;
    case 3:
        return d.wert3;
    case 4:
        return d.wert4;
    case 5:
        return d.wert5;
    case 6:
        return d.wert6;
    case 7:
        return d.wert7;
    default:
        return 0;
    }
}

int gesamtgain(const TDspDaten& d) {
    return d.gain + 2 * d.agc;
}
