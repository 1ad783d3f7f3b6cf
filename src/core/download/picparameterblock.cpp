#include "download/picparameterblock.h"

#include <QtGlobal>

namespace download {

QByteArray picParameterBlock(const ParameterTabelle& tabelle) {
    // The order in which the PIC lays the columns into its EEPROM: the upper limits before
    // the lower ones, as the read-back returns them.
    using Spalte = int TParameter::*;
    static constexpr Spalte spalten[kBloecke - 1] = {
        &TParameter::ssbgreen, &TParameter::ssbyellow, &TParameter::ssbred,   &TParameter::max,
        &TParameter::min,      &TParameter::cwgreen,   &TParameter::cwyellow, &TParameter::cwred,
    };
    QByteArray block;
    block.reserve(kParameterBlockGroesse);
    for (int b = 0; b < kBloecke; ++b) {
        block.append(kBlockKopf - 1, '#');
        block.append('\r');
        for (int nr = 10; nr < 100; ++nr) {
            const TParameter& p = tabelle[size_t(nr)];
            int wert = 0xFF;
            if (!p.xparam) {
                // The user block carries only the units digit; the tens come from the
                // parameter number when the device sends the area back.
                wert = b < kBloecke - 1 ? p.*spalten[b] : qAbs(p.user) % 10;
            }
            block.append(char(wert & 0xFF));
        }
    }
    block.append(kBlockSchluss, '#');
    return block;
}

} // namespace download
