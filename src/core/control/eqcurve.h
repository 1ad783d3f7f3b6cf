// The DSP's 31-band graphic equalizers (receive and transmit): the gain codes behind the
// slider steps, the curve file and the command frames that carry a band or a whole curve.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <array>
#include <utility>

namespace eqcurve {

enum class Side { Rx = 0, Tx = 1 };

constexpr int kBands = 31;
// Slider steps: 0 dB down to -12 dB, and -13 for the full cut ("-90dB").
constexpr int kMinValue = -13;
constexpr int kMaxValue = 0;
// The end command (113) and the whole-curve opener (109) carry the side as their value.
constexpr int kCmdBand = 114;
constexpr int kCmdHigh = 110;
constexpr int kCmdMiddle = 112;
constexpr int kCmdEnd = 113;
constexpr int kCmdOpen = 109;
constexpr int kCmdRxCurve = 24;
constexpr int kCmdTxCurve = 95;

// One slider value per band, band 0 first.
using Curve = std::array<int, kBands>;
// A command frame as (number, value).
using Frame = std::pair<int, int>;

// The 24-bit gain code of a slider value; a value outside -13..0 gives the 0 dB code.
quint32 codeForValue(int value);
// The slider value of a gain code; a code that is not in the table reads as 0 dB.
int valueForCode(quint32 code);
// One line of a curve file: hexadecimal text in either case, blanks and line end ignored.
// Text that is no hexadecimal number reads as 0 dB; the number 0 as the full cut.
int valueForLine(QByteArrayView line);

// Reads the slider values of a curve file from its first lines, at most 31; lines after the
// 31st are not read. Never fails: what cannot be read yields fewer values.
QList<int> readCurve(const QByteArray& bytes);
// The file as written: 31 lines of "%06X" with CR LF.
QByteArray curveFileBytes(const Curve& curve);

// A single-band update: band select, high and middle byte of the code, end.
QList<Frame> bandFrames(Side side, int band, int value);
// A whole-curve transfer, in its three parts and as one sequence.
QList<Frame> curveOpenFrames(Side side);
QList<Frame> curveBandFrames(int value);
Frame curveCloseFrame(Side side);
QList<Frame> curveFrames(Side side, const Curve& curve);

} // namespace eqcurve
