#include "parameters/parametereditor.h"

#include <cmath>
#include <limits>

namespace parameter {

int nachkommastellen(double x) {
    if (x < 0.1)
        return 2;
    if (x < 1.0)
        return 1;
    return 0;
}

SpinAnzeige spinAnzeige(const TParameter& p, int v) {
    SpinAnzeige a;
    a.decimals = nachkommastellen(p.x);
    a.minimum = p.min * p.x;
    a.maximum = p.max * p.x;
    a.step = p.x;
    a.wert = v * p.x;
    return a;
}

EditBereich editBereich(const TParameter& p, Modus modus, Bank bank) {
    const bool eigen = bank != Bank::Gruen && spaltenwert(p, modus, bank) != TParameter::wiegruen;
    EditBereich b;
    b.oben = qMin(p.max, eigen ? TParameter::wiegruen - 1 : TParameter::fehlt - 1);
    b.unten = qMin(p.min, b.oben);
    return b;
}

SpinAnzeige spinAnzeige(const TParameter& p, int v, const EditBereich& bereich) {
    SpinAnzeige a = spinAnzeige(p, v);
    a.minimum = qMin(bereich.unten, v) * p.x;
    a.maximum = qMax(bereich.oben, v) * p.x;
    return a;
}

// Nearest integer, a half going up toward positive infinity (-2.5 gives -2).
static std::optional<int> halbAuf(double s) {
    const double r = std::floor(s + 0.5);
    if (!std::isfinite(r) || r < double(std::numeric_limits<int>::min()) ||
        r > double(std::numeric_limits<int>::max()))
        return std::nullopt;
    return int(r);
}

std::optional<int> rohwert(double s, double x) {
    if (x == 0.0 || !std::isfinite(x))
        return std::nullopt;
    // Only the table's raw 255 means "absent": a box that shows 255 through its scale (x 3
    // and a stored 85, say) holds an ordinary value. A reset box is never edited, so it is
    // never read here.
    return halbAuf(s / x);
}

int speichereWert(TParameter& p, Modus modus, Bank bank, int r) {
    const bool cw = modus == Modus::Cw;
    int& gruen = cw ? p.cwgreen : p.ssbgreen;
    if (bank == Bank::Gruen) {
        const int vorher = gruen;
        if (vorher != TParameter::fehlt)
            gruen = r;
        return vorher;
    }
    int& wert = bank == Bank::Gelb ? (cw ? p.cwyellow : p.ssbyellow) : (cw ? p.cwred : p.ssbred);
    if (wert == TParameter::wiegruen) {
        const int vorher = gruen;
        if (vorher != TParameter::fehlt)
            gruen = r;
        return vorher;
    }
    const int vorher = wert;
    if (vorher != TParameter::fehlt)
        wert = r;
    return vorher;
}

QString nummerText(int n) {
    return QString::asprintf("%i.%i", n / 10, n % 10);
}

} // namespace parameter
