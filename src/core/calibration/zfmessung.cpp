#include "zfmessung.h"

void ZfMessung::anfordern(int anzahl) {
    messung = true;
    messzaehler = anzahl;
    pegelsumme = 0;
}

void ZfMessung::sweepbeginnen() {
    calcurve.fill(0);
    gemessen.fill(false);
    anfordern(sweeptelegramme);
    dacstufe = 63;
}

ZfMessung::Antwort ZfMessung::telegramm(int zfschritt, int pegel, int echocode) {
    using Art = Antwort::Art;
    if (!messung)
        return {};
    switch (zfschritt) {
    case 3:
    case 4: {
        const int erwartet = zfschritt == 3 ? 6 : 8;
        if (echocode == erwartet) {
            messung = false;
            return {Art::Fertig};
        }
        if (--messzaehler <= 0) {
            messung = false;
            return {Art::Echofehler, zfschritt};
        }
        return {};
    }
    case 8:
    case 11:
    case 15:
        pegelsumme += pegel;
        if (--messzaehler <= 0) {
            pegelsumme /= pegeltelegramme;
            messung = false;
            return {Art::Fertig};
        }
        return {};
    case 19: {
        if (messzaehler <= pegeltelegramme)
            pegelsumme += pegel;
        if (--messzaehler > 0)
            return {};
        const double wert = qMax(0.0, pegelsumme / pegeltelegramme - pegelmin);
        // A step outside the table is never stored: the sweep only ends or goes on.
        if (dacstufe >= 0 && dacstufe < int(calcurve.size())) {
            calcurve[size_t(dacstufe)] = wert;
            gemessen[size_t(dacstufe)] = true;
        }
        pegelsumme = 0;
        messzaehler = sweeptelegramme;
        --dacstufe;
        if (dacstufe < 0) {
            messung = false;
            return {Art::Fertig};
        }
        return {Art::Dacstufe, 0, dacstufe + 1, wert};
    }
    default:
        return {};
    }
}
