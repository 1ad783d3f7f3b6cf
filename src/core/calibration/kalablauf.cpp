#include "kalablauf.h"

#include "parameters/parametertransfer.h"

QList<std::pair<int, int>> kalparameterrahmen(const ParameterTabelle& tabelle, int ohne) {
    QList<std::pair<int, int>> rahmen;
    rahmen.append({parameter::kCmdBlock, 1});
    for (int n = kal::kSchalterErster; n <= kal::kSchalterLetzter; ++n)
        rahmen.append({n, 0});
    for (int n = 10; n <= 99; ++n) {
        const int v = tabelle[size_t(n)].ssbgreen;
        if (n == ohne || v == TParameter::fehlt)
            continue;
        rahmen.append({n, v});
    }
    rahmen.append({parameter::kCmdBlock, 0});
    return rahmen;
}

Pegelbereich pegelpruefen(double mittelwert) {
    if (mittelwert < pegelfenstermin)
        return Pegelbereich::ZuNiedrig;
    if (mittelwert > pegelfenstermax)
        return Pegelbereich::ZuHoch;
    return Pegelbereich::Gut;
}
