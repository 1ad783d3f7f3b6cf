// A parameter table compared with the set's parameter area, by parameter number and field:
// the six columns, the limits and the user number. A parameter one side has and the other
// lacks is one row of its own (field "present").
#pragma once

#include "parameters/parametertabelle.h"

#include <QList>
#include <QString>

namespace parameter {

struct Abweichung {
    int parameter = 0;
    QString name;
    // "ssb-gruen", "ssb-gelb", "ssb-rot", "cw-gruen", "cw-gelb", "cw-rot", "min", "max",
    // "user", or "present" (then datei and set are 1 or 0).
    QString feld;
    int datei = 0;
    int set = 0;
};

// A parameter is there when one of its six columns holds a value (not 255): the set knows
// no more of it, so a named entry without a value is as absent as a missing one.
bool imSet(const TParameter& p);

// The differences over the area's parameters (10..99) in number and field order; the name
// is the table's, else namen's (the profile's parameter file).
QList<Abweichung> vergleiche(const ParameterTabelle& datei, const ParameterTabelle& set,
                             const ParameterTabelle& namen);

// The set's values of the area's parameters into tabelle, as far as the set has them
// (names, scale, page and X mark stay).
void setWerteUebernehmen(ParameterTabelle& tabelle, const ParameterTabelle& set);

} // namespace parameter
