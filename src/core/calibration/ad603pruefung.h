// The plausibility check of a finished AD603 sweep, before its table is written: steps that
// hold no measurement, a curve that falls where it should rise, and a table that is mostly
// filler. Each finding comes with a short German line for the log and the question.
#pragma once

#include "ad603.h"

#include <QList>
#include <QStringList>

// A step may lie this far below a lower step before the curve counts as falling: the levels
// are whole dB, so an average of ten may move by one between neighbours.
constexpr double ad603falltoleranz = 1.0;

struct Ad603Befund {
    // Steps 1..63 that were not measured or whose level did not rise above the minimum.
    QList<int> ohneMesswert;
    // The step lying farthest below the highest measured step beneath it, and by how much;
    // -1 while the curve nowhere falls by more than the tolerance.
    int fallstufe = -1;
    double fall = 0;
    // Entries 1..46 of the table that no step reaches.
    int fuellwerte = 0;

    bool luecken() const { return !ohneMesswert.isEmpty(); }
    bool faellt() const { return fallstufe >= 0; }
    bool meistFuellwerte() const { return 2 * fuellwerte > ad603zeilen; }
    bool gut() const { return !luecken() && !faellt() && !meistFuellwerte(); }
    // One German line per raised flag, in that order; empty when the curve looks right.
    QStringList texte() const;
};

// Checks a sweep: the levels above the minimum per DAC step, which steps it measured, and
// the table built from them. Step 0 is the reference and never lacks a measurement.
Ad603Befund ad603pruefen(const Calcurve& kurve, const Dacgemessen& gemessen,
                         const Ad603Tabelle& tabelle);
