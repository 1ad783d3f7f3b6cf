// Writing a file the person owns: whole or not at all.
#pragma once

#include <QByteArray>
#include <QString>

// Writes bytes beside path, flushes and checks every byte, and only then puts the new file in
// place of the old one; a file that cannot be finished (a full disk, say) leaves the old one
// as it was. A path that exists and is not a regular file (a device, a directory, a FIFO) is
// never replaced. False when nothing was written.
bool dateiSchreiben(const QString& path, const QByteArray& bytes);

// Whether path may be written at all: it does not exist or is a regular file.
bool dateiErsetzbar(const QString& path);
