// Receiving the parameter area that the PIC sends by itself once the user starts its function
// 995: nothing is sent, the bytes are collected as they come until the area is complete, the
// user cancels or the line goes away. The window and talvaro-cli both run it.
#pragma once

#include "link/transferresult.h"

#include <QByteArray>

class Link;
class Progress;

namespace parameter {

// Collects kBereichGroesse bytes into bereich, which is filled with 0xFF first (1024 bytes,
// as the device's area); the caller empties the line before the set is told to send.
// Progress runs 0..kBereichGroesse and shows the count received. A cancel returns canceled
// with the bytes so far; a busy line, a port that is not open and a dropped line fail with
// the window's box.
TransferResult bereichempfangen(Link& link, Progress& progress, QByteArray* bereich);

// "Die RS232 ist nicht offen!", titled "Error!": a read-back cannot wait on a closed port.
TransferResult nichtOffenFehler();

} // namespace parameter
