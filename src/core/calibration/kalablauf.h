// Fixed rules of the two calibration wizards that do not need a window: the parameter block
// they load into the running DSP before measuring, and the window the IF calibration's test
// signal level must lie in.
#pragma once

#include "parameters/parametertabelle.h"

#include <QList>
#include <utility>

// The commands the calibrations send, beside the parameter block (108) and the telegram
// stream (52) of the parameter transfer.
namespace kal {
// The function switches 1..9, all off while calibrating.
constexpr int kSchalterErster = 1;
constexpr int kSchalterLetzter = 9;
// 55: the DSP's IF calibration mode, 3 on and 0 off.
constexpr int kCmdZfModus = 55;
constexpr int kZfModusAn = 3;
constexpr int kZfModusAus = 0;
// 57: a code the DSP sends back in the high nibble of telegram byte 20 (the line test).
constexpr int kCmdEcho = 57;
constexpr int kEchoHin = 6;
constexpr int kEchoZurueck = 8;
// 107: the AD603's DAC step 0..63; 64 hands the AD603 back to the DSP.
constexpr int kCmdDac = 107;
constexpr int kDacFrei = 64;
// 67: one S-meter setting, its value only.
constexpr int kCmdSmeter = 67;
// The parameter each calibration runs with, and its value there: IF 70, S-meter 60.
constexpr int kKalParameter = 21;
constexpr int kZfParameterWert = 70;
constexpr int kSmParameterWert = 60;
// "S-Meter cal 6.4", cleared at the end of the S-meter calibration.
constexpr int kSmCalParameter = 64;
// Left out of the S-meter load.
constexpr int kSmOhne = 68;
} // namespace kal

// The frames of the load: (108, 1); (n, 0) for the function switches n = 1..9; (n, v) for
// n = 10..99 with v the SSB/Gruen value of entry n, leaving out the number ohne (-1: none)
// and the values 255 that mark a parameter absent; (108, 0).
QList<std::pair<int, int>> kalparameterrahmen(const ParameterTabelle& tabelle, int ohne = -1);

// The level of the test signal at step 11 of the IF calibration.
enum class Pegelbereich { ZuNiedrig, Gut, ZuHoch };
constexpr double pegelfenstermin = 73.0;
constexpr double pegelfenstermax = 80.0;
// Both ends belong to the window.
Pegelbereich pegelpruefen(double mittelwert);
