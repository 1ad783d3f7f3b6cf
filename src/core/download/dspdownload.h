// The direct download into the DSP's loader: the command frame that readies the DSP, the
// start bytes, every byte of the image with a pause before each program record, the end
// bytes and the start record. The loader never answers, so nothing is read.
#pragma once

#include "link/transferresult.h"

#include <QByteArray>

class Link;
class Progress;

namespace download {

// The loader needs this long after the frame, the start bytes, every program record
// header, the end bytes and the start record.
constexpr int kLaderPause = 200;
// The command frame sent to the DSP before a load.
constexpr int kCmdLaden = 111;

// buffer2dsp. Progress runs 0..size; a cancel stops before the next byte and sends neither
// the end bytes nor the start record. With the port not open nothing is written, but the
// pauses still pass (the end bytes go to the closed port) and the log says so. gesendet, if
// given, gets the count of the buffer's bytes that went on the line.
TransferResult buffer2dsp(Link& link, const QByteArray& buffer, Progress& progress,
                          const LogSink& log, qint64* gesendet = nullptr);

} // namespace download
