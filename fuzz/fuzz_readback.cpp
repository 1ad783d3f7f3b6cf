// The read-back area on arbitrary bytes: it lands in entries 10..99 only, and the PIC's
// parameter block made from the table carries the same bytes again (the user block its
// units digit).
#include "download/picparameterblock.h"
#include "parameters/parametertabelle.h"
#include "parameters/parametertransfer.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bereich(reinterpret_cast<const char*>(data), qsizetype(size));
    ParameterTabelle tabelle;
    const ParameterTabelle leer = tabelle;
    parameter::uebernehmeBereich(tabelle, bereich);
    for (int nr = 0; nr < 10; ++nr)
        if (!(tabelle[size_t(nr)] == leer[size_t(nr)]))
            __builtin_trap();
    const QByteArray block = download::picParameterBlock(tabelle);
    if (block.size() != download::kParameterBlockGroesse)
        __builtin_trap();
    const qsizetype n = qMin<qsizetype>(bereich.size(), parameter::kBereichDaten);
    for (qsizetype k = 0; k < n; ++k) {
        const int b = int(k / parameter::kBlockLaenge);
        const int i = int(k % parameter::kBlockLaenge);
        const quint8 gesendet = quint8(block.at(b * (download::kBlockKopf + download::kBlockWerte) +
                                                download::kBlockKopf + i));
        const quint8 gelesen = quint8(bereich.at(k));
        if (b < parameter::kBloecke - 1 ? gesendet != gelesen : gesendet != gelesen % 10)
            __builtin_trap();
    }
    return 0;
}
