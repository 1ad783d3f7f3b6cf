// The measurements the IF calibration asks the receive poll for: echo tests, averages of
// ten levels, and the sweep over the 64 DAC steps of the AD603. Fed one telegram at a
// time; the answer tells the window what to do next.
#pragma once

#include "ad603.h"

class ZfMessung {
public:
    // A request: the window's step counts telegrams down from here.
    static constexpr int echotelegramme = 50;
    static constexpr int pegeltelegramme = 10;
    // Per DAC step: the first 5 telegrams settle, the last 10 are averaged.
    static constexpr int sweeptelegramme = 15;

    // messung: a request is pending.
    bool messung = false;
    // messzaehler: telegrams still to take.
    int messzaehler = 0;
    // pegelsumme: the sum of levels; the average once a level request is complete.
    double pegelsumme = 0;
    // pegelmin: the level at the lowest gain, which the sweep measures from.
    double pegelmin = 0;
    // dacstufe: the DAC step being measured in the sweep.
    int dacstufe = 0;
    Calcurve calcurve{};
    // The steps of calcurve this sweep has stored.
    Dacgemessen gemessen{};

    // Starts a request for anzahl telegrams.
    void anfordern(int anzahl);
    // Starts the sweep at step 63 with calcurve and gemessen cleared; the window sends (107, 63).
    void sweepbeginnen();

    struct Antwort {
        enum class Art {
            Nichts,     // nothing to do
            Fertig,     // the request is complete: the wizard's next step
            Echofehler, // no echo in 50 telegrams: error box with fehlercode, then abort
            Dacstufe,   // sweep: send (107, dacstufe) and log the entry just stored
        };
        Art art = Art::Nichts;
        int fehlercode = 0;
        // Dacstufe: the entry just stored, for the log line "calcurve[index] = wert".
        int index = 0;
        double wert = 0;
    };

    // One telegram while the wizard is at step zfschritt, with its level and echo code.
    Antwort telegramm(int zfschritt, int pegel, int echocode);
};
