#include "eqseite.h"

#include <QSlider>

eqcurve::Curve EqSeite::werte() const {
    eqcurve::Curve c{};
    for (int i = 0; i < eqcurve::kBands; ++i)
        c[size_t(i)] = slider[size_t(i)] ? slider[size_t(i)]->value() : 0;
    return c;
}
