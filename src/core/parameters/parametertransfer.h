// Moving the parameter table to and from the device: which column the mode and bank select,
// the command frames that send that column to the running DSP, and the parameter area that
// the PIC sends back on its function 995.
#pragma once

#include "parameters/parametertabelle.h"

#include <QByteArray>
#include <QList>
#include <optional>
#include <utility>

namespace parameter {

enum class Modus { Ssb, Cw };
enum class Bank { Gruen, Gelb, Rot };

// Parameter numbers that travel over the line; 0..9 never do.
constexpr int kErste = 10;
constexpr int kLetzte = 99;

// Command 108 opens (1) and closes (0) a parameter block on the DSP.
constexpr int kCmdBlock = 108;
// Command 52 switches the DSP's telegrams; 2 is on. While the monitor runs the block must
// not switch them off again.
constexpr int kCmdTelegramm = 52;
constexpr int kTelegrammEin = 2;

// The raw value the table holds for the mode and bank, 254 and 255 included.
int spaltenwert(const TParameter& p, Modus modus, Bank bank);
int gruenwert(const TParameter& p, Modus modus);
// The value the panel shows: 254 in Gelb or Rot stands for the green value of the mode.
int anzeigewert(const TParameter& p, Modus modus, Bank bank);

// The value byte sent for parameter nummer, or nothing when the column holds 255.
std::optional<int> sendewert(const TParameter& p, int nummer, Modus modus, Bank bank, bool monitor);

using Frame = std::pair<int, int>;
// The whole column as frames: (108, 1), one frame per parameter 10..99 that has a value,
// (108, 0). With the monitor on, 52 always goes as 2.
QList<Frame> parameterFrames(const ParameterTabelle& tabelle, Modus modus, Bank bank, bool monitor);

// The parameter area of the read-back: 1023 bytes stored, the first 810 of them data in nine
// blocks of 90 (parameters 10..99): SSB Gruen, Gelb, Rot, upper limit, lower limit, CW Gruen,
// Gelb, Rot, units digit of the user number.
constexpr int kBereichGroesse = 1023;
constexpr int kBlockLaenge = 90;
constexpr int kBloecke = 9;
constexpr int kBereichDaten = kBloecke * kBlockLaenge;

// Copies the area into entries 10..99 (names, scale, page and X mark stay). Bytes are taken
// as 0..255; a short area changes only what it holds.
void uebernehmeBereich(ParameterTabelle& tabelle, const QByteArray& bereich);

} // namespace parameter
