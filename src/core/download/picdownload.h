// Writing the PIC's external EEPROM through the PIC: the handshake, the image byte by byte
// with every echo compared (also the EEPROM restore), and the parameter block. One byte is
// in flight at a time; each answer is awaited on readyRead until it comes or the user
// cancels, and a line that drops ends the transfer with a message.
#pragma once

#include "link/transferresult.h"
#include "parameters/parametertabelle.h"

#include <QByteArray>

class Link;
class Progress;

namespace download {

// Consecutive "#" answers the PIC must give before "x" is sent.
constexpr int kSyncFolge = 7;

// picsync: "#" until seven answers in a row are "#", then "x", which must come back.
// A step of a transfer: the caller holds the line.
TransferResult picsync(Link& link, Progress& progress);

// buffer2pic_alt: flush, picsync, then every byte of data with its echo compared; progress
// runs 0..size. With the port not open nothing happens (logged, not reported). gesendet, if
// given, gets the count of data's bytes that went on the line.
TransferResult buffer2pic_alt(Link& link, const QByteArray& data, Progress& progress,
                              const LogSink& log, qint64* gesendet = nullptr);

// parameter2pic_alt: the parameter block with its echoes, without a handshake; progress
// runs 0..944. The last byte's echo is not awaited. Port not open: nothing (logged).
TransferResult parameter2pic_alt(Link& link, const ParameterTabelle& tabelle, Progress& progress,
                                 const LogSink& log);

// The box texts.
TransferResult keineSync(quint8 antwort);
TransferResult echoFehler(qint64 index, quint8 gesendet, quint8 empfangen);
TransferResult parameterEchoFehler(int index, quint8 gesendet, quint8 empfangen);

} // namespace download
