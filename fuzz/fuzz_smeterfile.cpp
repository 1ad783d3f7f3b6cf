// The S-meter file on arbitrary bytes: only lines that convert are taken, every value stays
// a byte, and what was taken survives a write and a second read unchanged.
#include "calibration/kaldatei.h"
#include "calibration/smeterwerte.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList zeilen = kalzeilen(bytes);
    SmeterWerte werte;
    const SmeterWerte vorher = werte;
    const auto genommen = werte.uebernehmen(zeilen);
    for (int i = 0; i < SmeterWerte::zeilen; ++i) {
        const std::optional<int> v = i < zeilen.size() ? kalzeilenwert(zeilen[i]) : std::nullopt;
        if (genommen[size_t(i)] != v.has_value())
            __builtin_trap();
        if (!genommen[size_t(i)] && werte.wert(i) != vorher.wert(i))
            __builtin_trap();
        if (werte.dateibyte(i) < 0 || werte.dateibyte(i) > 255)
            __builtin_trap();
    }
    const QByteArray datei = werte.datei();
    if (datei.size() != SmeterWerte::zeilen * 8)
        __builtin_trap();
    SmeterWerte zurueck;
    zurueck.uebernehmen(kalzeilen(datei));
    if (zurueck.datei() != datei)
        __builtin_trap();
    SmeterWerte gesendet = vorher;
    for (int n = 0; n <= SmeterWerte::zeilen; ++n) {
        const std::optional<int> b = smeterabgleich(werte, gesendet);
        if (!b)
            break;
        if (*b < 0 || *b > 255 || n == SmeterWerte::zeilen)
            __builtin_trap();
    }
    return 0;
}
