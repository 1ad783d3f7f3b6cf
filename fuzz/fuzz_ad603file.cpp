// The AD603 file on arbitrary bytes: at most 64 entries set, each a byte or 0, entries past
// the file's end untouched; a table built from any curve reads back as itself.
#include "calibration/ad603.h"
#include "calibration/kaldatei.h"
#include "monitor/dspdekoder.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    Calcurve curve;
    curve.fill(-7.0);
    const int gesetzt = ad603lesen(bytes, curve);
    if (gesetzt < 0 || gesetzt > 64 || gesetzt > kalzeilen(bytes).size())
        __builtin_trap();
    for (int k = 0; k < 64; ++k) {
        const double v = curve[size_t(k)];
        if (k < gesetzt ? (v < 0 || v > 255) : v != -7.0)
            __builtin_trap();
    }
    for (int stufe = 0; stufe < 64; ++stufe) {
        const int g = ad603gain(stufe, curve);
        if (g < 0 || g > 42)
            __builtin_trap();
    }

    // The same bytes as a sweep: any levels (NaN and infinities too) give a table of steps.
    Calcurve sweep{};
    std::memcpy(sweep.data(), data, qMin(size, sizeof(sweep)));
    const Ad603Tabelle tabelle = ad603tabelle(sweep);
    if (tabelle[0] != 0)
        __builtin_trap();
    for (size_t t = 1; t < tabelle.size(); ++t)
        if (tabelle[t] != ad603unerreicht && (tabelle[t] < 1 || tabelle[t] > 63))
            __builtin_trap();
    const QByteArray datei = ad603datei(tabelle);
    Calcurve zurueck{};
    if (ad603lesen(datei, zurueck) != ad603zeilen)
        __builtin_trap();
    for (int k = 0; k < ad603zeilen; ++k)
        if (zurueck[size_t(k)] != double(tabelle[size_t(k + 1)]))
            __builtin_trap();
    return 0;
}
