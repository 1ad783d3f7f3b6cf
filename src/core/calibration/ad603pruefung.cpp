#include "ad603pruefung.h"

#include <QCoreApplication>

Ad603Befund ad603pruefen(const Calcurve& kurve, const Dacgemessen& gemessen,
                         const Ad603Tabelle& tabelle) {
    Ad603Befund b;
    // The highest measured level below the step at hand; a step without a measurement is
    // a hole, not a fall, and does not lift the line the others are held to.
    double hoechster = gemessen[0] ? kurve[0] : 0.0;
    for (int d = 1; d < int(kurve.size()); ++d) {
        const double wert = kurve[size_t(d)];
        if (!gemessen[size_t(d)]) {
            b.ohneMesswert.append(d);
            continue;
        }
        if (const double fall = hoechster - wert; fall > ad603falltoleranz && fall > b.fall) {
            b.fallstufe = d;
            b.fall = fall;
        }
        hoechster = qMax(hoechster, wert);
    }
    // Flat stretches among the measured steps 1..63: from each start, as far as the level
    // stays within ad603flachdb of it.
    for (int a = 1; a < int(kurve.size()); ++a) {
        if (!gemessen[size_t(a)])
            continue;
        int bis = a;
        for (int d = a + 1; d < int(kurve.size()) && gemessen[size_t(d)]; ++d) {
            if (kurve[size_t(d)] - kurve[size_t(a)] >= ad603flachdb)
                break;
            bis = d;
        }
        if (bis - a + 1 >= ad603flachstufen && bis - a > b.flachbis - b.flachab) {
            b.flachab = a;
            b.flachbis = bis;
        }
    }
    for (int i = 1; i <= ad603zeilen; ++i)
        b.fuellwerte += tabelle[size_t(i)] == ad603unerreicht ? 1 : 0;
    return b;
}

QStringList Ad603Befund::texte() const {
    QStringList t;
    if (luecken())
        t << QCoreApplication::translate("vantrel", "DAC-Stufen ohne Messwert: %1 (z. B. Stufe %2)")
                 .arg(ohneMesswert.size())
                 .arg(ohneMesswert.first());
    if (faellt())
        t << QCoreApplication::translate("vantrel", "Die Kurve faellt bei Stufe %1 um %2 dB")
                 .arg(fallstufe)
                 .arg(fall, 0, 'f', 1);
    if (flach())
        t << QCoreApplication::translate("vantrel",
                                         "Die Kurve steigt von Stufe %1 bis Stufe %2 nicht")
                 .arg(flachab)
                 .arg(flachbis);
    if (meistFuellwerte())
        t << QCoreApplication::translate("vantrel", "%1 von 46 Tabellenwerten sind Fuellwerte (99)")
                 .arg(fuellwerte);
    return t;
}
