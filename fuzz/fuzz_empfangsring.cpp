// The receive ring on arbitrary byte chunks: the first byte of the input sets how the rest
// is cut into poll reads (empty polls included), and every poll searches until nothing more
// is found. Every telegram found is 22 bytes that did arrive behind two 0x7E, the ring keeps
// exactly the bytes behind it, the indices stay in the ring, and decoding it for the monitor
// stays within the ranges the monitor window is built for (the total gain may pass its
// bar's 123 dB; the window limits the bar).
#include "calibration/empfangsring.h"
#include "monitor/dspdekoder.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const int schnitt = data[0] % 40; // 0: one poll brings nothing between every byte
    ++data;
    --size;
    Empfangsring ring;
    ring.neustart();
    Calcurve curve{};
    for (int k = 0; k < 64; ++k)
        curve[size_t(k)] = k;
    TDspDaten daten;
    QByteArray alles; // every byte since the ring's index was last reset
    size_t pos = 0;
    while (pos < size) {
        const size_t n = schnitt == 0 ? 1 : qMin<size_t>(size_t(schnitt), size - pos);
        if (schnitt == 0)
            ring.aufnehmen(QByteArray());
        ring.aufnehmen(reinterpret_cast<const char*>(data + pos), int(n));
        alles.append(reinterpret_cast<const char*>(data + pos), qsizetype(n));
        pos += n;
        if (ring.leerabfragen() != 0 || ring.empfangsindex() < 0 ||
            ring.empfangsindex() >= Empfangsring::groesse || ring.empfangen() < 0 ||
            ring.empfangen() > 2 * Empfangsring::groesse)
            __builtin_trap();
        if (ring.wartenderKopf() < -1 || ring.wartenderKopf() >= Empfangsring::groesse)
            __builtin_trap();
        while (const std::optional<Telegramm> t = ring.telegrammsuchen()) {
            const QByteArray body = t->body();
            if (body.size() != Telegramm::laenge)
                __builtin_trap();
            // The telegram is a run of received bytes behind its header, and what the ring
            // keeps are the bytes that came after it.
            const qsizetype rest = ring.empfangen();
            if (rest > alles.size() ||
                !alles.chopped(rest).endsWith(QByteArray(2, char(0x7E)) + body))
                __builtin_trap();
            if (t->position() < 0 || t->position() >= Empfangsring::groesse)
                __builtin_trap();
            if (ring.empfangsindex() != rest)
                __builtin_trap();
            alles = alles.right(rest);
            dspdatenfuellen(daten, *t, curve);
            for (int w = 0; w < 8; ++w)
                if (dspwort(daten, w) < 0 || dspwort(daten, w) > 0xFFFF)
                    __builtin_trap();
            if (daten.smeter < 0 || daten.smeter > 12 || daten.ad603 < 0 || daten.ad603 > 63 ||
                daten.agc < 0 || daten.agc > 72 || daten.gain < 0 || daten.gain > 42 ||
                gesamtgain(daten) < 0 || gesamtgain(daten) > 42 + 2 * 72)
                __builtin_trap();
        }
    }
    ring.aufnehmen(QByteArray());
    if (ring.leerabfragen() != 1)
        __builtin_trap();
    return 0;
}
