// The plausibility check of a finished AD603 sweep, before its table is written: steps that
// hold no measurement, a curve that falls where it should rise or stays flat where the AD603
// rises, and a table that is mostly
// filler. Each finding comes with a short German line for the log and the question.
#pragma once

#include "ad603.h"

#include <QList>
#include <QStringList>

// A step may lie this far below a lower step before the curve counts as falling: the levels
// are whole dB, so an average of ten may move by one between neighbours.
constexpr double ad603falltoleranz = 1.0;

// The AD603 rises about 0.5 dB per DAC step at its ends and more in its middle: this many
// steps in a row that rise by less than ad603flachdb in all are stuck (a DAC that does not
// move, the calibration mode off, a clipping level), not an AD603.
constexpr int ad603flachstufen = 8;
constexpr double ad603flachdb = 1.0;

struct Ad603Befund {
    // Steps 1..63 that the sweep did not measure. A step measured at the minimum level is
    // measured: the lowest steps may lie there.
    QList<int> ohneMesswert;
    // The step lying farthest below the highest measured step beneath it, and by how much;
    // -1 while the curve nowhere falls by more than the tolerance.
    int fallstufe = -1;
    double fall = 0;
    // The longest stretch of measured steps from flachab to flachbis (at least
    // ad603flachstufen steps) rising by less than ad603flachdb; -1 while there is none.
    int flachab = -1;
    int flachbis = -1;
    // Entries 1..46 of the table that no step reaches.
    int fuellwerte = 0;

    bool luecken() const { return !ohneMesswert.isEmpty(); }
    bool faellt() const { return fallstufe >= 0; }
    bool flach() const { return flachab >= 0; }
    bool meistFuellwerte() const { return 2 * fuellwerte > ad603zeilen; }
    // One German line per raised flag, in that order; empty when the curve looks right.
    QStringList texte() const;
};

// Checks a sweep: the levels above the minimum per DAC step, which steps it measured, and
// the table built from them. Step 0 is the reference and never lacks a measurement.
Ad603Befund ad603pruefen(const Calcurve& kurve, const Dacgemessen& gemessen,
                         const Ad603Tabelle& tabelle);
