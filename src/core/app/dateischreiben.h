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

// Puts the finished file von in place of nach in one step (the old one, if any, is replaced
// as a whole); nach follows a link to its file. False, with both left as they were, when
// nach is no regular file or the rename fails.
bool dateiUmbenennen(const QString& von, const QString& nach);

// Whether a name came through as given: bytes that are no UTF-8 turn into replacement
// characters, and the file of that name is another one.
bool nameVerlustfrei(const QString& path);
