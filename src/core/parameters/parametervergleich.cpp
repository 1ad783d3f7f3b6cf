#include "parameters/parametervergleich.h"

#include "parameters/parametertransfer.h"

namespace parameter {

namespace {

struct Feld {
    const char* name;
    int TParameter::*wert;
};

constexpr Feld kFelder[] = {
    {"ssb-gruen", &TParameter::ssbgreen},
    {"ssb-gelb", &TParameter::ssbyellow},
    {"ssb-rot", &TParameter::ssbred},
    {"cw-gruen", &TParameter::cwgreen},
    {"cw-gelb", &TParameter::cwyellow},
    {"cw-rot", &TParameter::cwred},
    {"min", &TParameter::min},
    {"max", &TParameter::max},
    {"user", &TParameter::user},
};

} // namespace

bool imSet(const TParameter& p) {
    for (int i = 0; i < 6; ++i)
        if (p.*kFelder[i].wert != TParameter::fehlt)
            return true;
    return false;
}

QList<Abweichung> vergleiche(const ParameterTabelle& datei, const ParameterTabelle& set,
                             const ParameterTabelle& namen) {
    QList<Abweichung> liste;
    for (int n = kErste; n <= kLetzte; ++n) {
        const TParameter& d = datei[size_t(n)];
        const TParameter& s = set[size_t(n)];
        const QString name =
            !d.name.trimmed().isEmpty() ? d.name.trimmed() : namen[size_t(n)].name.trimmed();
        const bool inDatei = imSet(d);
        const bool inSet = imSet(s);
        if (inDatei != inSet) {
            liste.append({n, name, QStringLiteral("present"), inDatei ? 1 : 0, inSet ? 1 : 0});
            continue;
        }
        if (!inDatei)
            continue;
        for (const Feld& f : kFelder)
            if (d.*f.wert != s.*f.wert)
                liste.append({n, name, QString::fromLatin1(f.name), d.*f.wert, s.*f.wert});
    }
    return liste;
}

void setWerteUebernehmen(ParameterTabelle& tabelle, const ParameterTabelle& set) {
    for (int n = kErste; n <= kLetzte; ++n) {
        const TParameter& s = set[size_t(n)];
        if (!imSet(s))
            continue;
        for (const Feld& f : kFelder)
            tabelle[size_t(n)].*f.wert = s.*f.wert;
    }
}

} // namespace parameter
