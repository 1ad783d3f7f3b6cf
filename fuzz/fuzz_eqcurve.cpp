// The equalizer curve reader on arbitrary file contents: at most 31 values, each a slider
// step, and whatever it read survives a write and a second read unchanged.
#include "control/eqcurve.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QList<int> values =
        eqcurve::readCurve(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (values.size() > eqcurve::kBands)
        __builtin_trap();
    eqcurve::Curve curve{};
    for (qsizetype k = 0; k < values.size(); ++k) {
        if (values[k] < eqcurve::kMinValue || values[k] > eqcurve::kMaxValue)
            __builtin_trap();
        curve[size_t(k)] = values[k];
    }
    const QList<int> back = eqcurve::readCurve(eqcurve::curveFileBytes(curve));
    if (back != QList<int>(curve.begin(), curve.end()))
        __builtin_trap();
    return 0;
}
