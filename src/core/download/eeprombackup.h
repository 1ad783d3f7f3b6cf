// Receiving the dump of the PIC's external EEPROM (its function 997). The PC only listens:
// the bytes are collected as they come until all 65536 are there, the user cancels or the
// line drops.
#pragma once

#include "link/transferresult.h"

#include <QByteArray>
#include <functional>

class Link;
class Progress;

namespace download {

constexpr int kEepromGroesse = 65536;

// Each piece of the dump as it was kept, for a file that takes it while it comes.
using DumpStueck = std::function<void(const QByteArray&)>;

// Appends what arrives to data, up to kEepromGroesse bytes in all, and hands each piece kept
// to stueck (if any). Progress runs 0..65536 and holds the count of bytes kept; a cancel
// keeps exactly that many. Done only when data is complete; a port that is not open or a
// dropped line fail at once.
TransferResult eepromsichern(Link& link, Progress& progress, QByteArray* data,
                             const DumpStueck& stueck = {});

// A file to restore or to compare with: a regular file of 1..65536 bytes; a longer one
// would wrap round in the EEPROM and overwrite its start, an empty one would be "equal" to
// anything. A failure (marked datei) says why.
TransferResult eepromDateiLesen(const QString& path, QByteArray* data);

// The log line for a backup that ends early: how much of the EEPROM the file holds.
QString sicherungUnvollstaendig(const QString& path, qint64 bytes);

} // namespace download
