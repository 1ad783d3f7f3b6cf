// The small calibration files (S-meter settings, AD603 table): text with CR LF line ends,
// one byte per line as "00%02X00". Shared reading, line formatting and saving.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// The lines of a file's content without their ends (LF, CR LF or CR); a final line end
// does not start another line.
QStringList kalzeilen(const QByteArray& inhalt);

// The byte of one line: its third and fourth characters as two hexadecimal digits (either
// case). Anything else in those places does not convert; the rest of the line is ignored.
std::optional<int> kalzeilenwert(const QString& zeile);

// One line "00%02X00" + CR LF for the low 8 bits of wert (a line holds one byte).
QByteArray kalzeile(int wert);

// The content of the file at pfad, or nothing when it cannot be read (missing, not a
// regular file, larger than a text file of the set can be).
std::optional<QByteArray> kaldateilesen(const QString& pfad);

// Writes inhalt to pfad through QSaveFile: the old file stays whole unless the new one was
// written completely. False when the file could not be written.
bool kaldateischreiben(const QString& pfad, const QByteArray& inhalt);

// Before a table at pfad is replaced: its old content goes to "<pfad>.bak", replacing the
// .bak of the time before (one generation). The .bak's path, an empty string when there was
// no old file, or nothing when the old file could not be kept.
std::optional<QString> kalsichern(const QString& pfad);
