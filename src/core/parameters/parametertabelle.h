// The table of the DSP's 100 parameters, indexed by parameter number (the file's "Vesk#").
// It never changes size; a reset returns every entry to the values of a fresh TParameter.
#pragma once

#include "parameters/tparameter.h"

#include <array>

using ParameterTabelle = std::array<TParameter, 100>;

// Every entry back to its reset values (empty name, banks, limits and page 255, x 1.0).
void resetParameterTabelle(ParameterTabelle& tabelle);

// True when n names an entry of the table.
constexpr bool istParameterNummer(int n) {
    return n >= 0 && n < 100;
}
