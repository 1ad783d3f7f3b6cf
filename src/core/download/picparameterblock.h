// The parameter block the PIC keeps in its external EEPROM: nine column blocks of the table
// (SSB banks, upper and lower limits, CW banks, units digit of the user number), each behind
// thirteen "#" and a CR, closed by eight "#".
#pragma once

#include "parameters/parametertabelle.h"

#include <QByteArray>

namespace download {

constexpr int kBlockKopf = 14;  // 13 x "#" and CR
constexpr int kBlockWerte = 90; // parameters 10..99
constexpr int kBloecke = 9;
constexpr int kBlockSchluss = 8; // closing "#"
constexpr int kParameterBlockGroesse = kBloecke * (kBlockKopf + kBlockWerte) + kBlockSchluss;
static_assert(kParameterBlockGroesse == 944);

// The 944 bytes; an X parameter is 0xFF in every block, the user block included.
QByteArray picParameterBlock(const ParameterTabelle& tabelle);

} // namespace download
