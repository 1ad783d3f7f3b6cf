#include "parameters/parametertabelle.h"

void resetParameterTabelle(ParameterTabelle& tabelle) {
    tabelle.fill(TParameter{});
}
