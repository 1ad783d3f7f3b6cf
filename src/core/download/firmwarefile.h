// The firmware text file (also the test firmware): a header line, then segments, ended by the
// first line that holds ESC (0x1B) or by the end of the file.
#pragma once

#include "link/transferresult.h"

#include <QString>
#include <QStringList>

// Reads the lines after the header into dspzeilen and logs "DSP File <n> Zeilen geladen",
// n counting the header but not the ESC line. A failure, with dspzeilen untouched, when the
// file cannot be read or is empty.
TransferResult readFirmwareFile(const QString& path, QStringList* dspzeilen, const LogSink& log);

// What makes the firmware lines unfit for a load, or empty: a segment whose words do not fit
// a record's 16-bit count or run past address FFFF, or not one data word at all.
QString firmwareFehler(const QStringList& dspzeilen);

// The lines after the header of firmware text already read, up to the first ESC line.
QStringList firmwareZeilen(const QByteArray& data);

// The lines of a text file as the loader reads a list: to the end of the file. A failure
// when the file cannot be read or is empty.
TransferResult readListFile(const QString& path, QStringList* lines);
