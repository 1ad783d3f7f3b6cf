#include "kalablauf.h"

QList<std::pair<int, int>> kalparameterrahmen(const ParameterTabelle& tabelle, int ohne) {
    QList<std::pair<int, int>> rahmen;
    rahmen.append({108, 1});
    for (int n = 1; n <= 9; ++n)
        rahmen.append({n, 0});
    for (int n = 10; n <= 99; ++n) {
        const int v = tabelle[size_t(n)].ssbgreen;
        if (n == ohne || v == TParameter::fehlt)
            continue;
        rahmen.append({n, v});
    }
    rahmen.append({108, 0});
    return rahmen;
}

Pegelbereich pegelpruefen(double mittelwert) {
    if (mittelwert < pegelfenstermin)
        return Pegelbereich::ZuNiedrig;
    if (mittelwert > pegelfenstermax)
        return Pegelbereich::ZuHoch;
    return Pegelbereich::Gut;
}
