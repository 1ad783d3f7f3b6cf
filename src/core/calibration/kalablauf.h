// Fixed rules of the two calibration wizards that do not need a window: the parameter block
// they load into the running DSP before measuring, and the window the IF calibration's test
// signal level must lie in.
#pragma once

#include "parameters/parametertabelle.h"

#include <QList>
#include <utility>

// The frames of the load: (108, 1); (n, 0) for the function switches n = 1..9; (n, v) for
// n = 10..99 with v the SSB/Gruen value of entry n, leaving out the number ohne (-1: none)
// and the values 255 that mark a parameter absent; (108, 0).
QList<std::pair<int, int>> kalparameterrahmen(const ParameterTabelle& tabelle, int ohne = -1);

// The level of the test signal at step 11 of the IF calibration.
enum class Pegelbereich { ZuNiedrig, Gut, ZuHoch };
constexpr double pegelfenstermin = 73.0;
constexpr double pegelfenstermax = 80.0;
// Both ends belong to the window.
Pegelbereich pegelpruefen(double mittelwert);
