// Reading parameter files (user, X and standard parameters): two header lines, then data
// lines of 13 comma-separated fields up to a line holding "END FILE". A read overlays the
// file onto the table; entries the file does not name keep what they held.
#pragma once

#include "link/transferresult.h"
#include "parameters/parametertabelle.h"

#include <QString>
#include <QStringList>

// The data lines of the file (the two header lines skipped, nothing from the "END FILE" line
// on). False, with lines untouched, when the file cannot be opened.
bool readParameterLines(const QString& path, QStringList* lines);

// The data lines of a parameter file that is to be used: a failure (marked datei) when it
// cannot be read, is empty, or defines no parameter of 1..99 (blank lines, comments and
// lines without a comma fill entry 0 only; a firmware or a curve named as parameter file
// has nothing else).
TransferResult leseParameterDatei(const QString& path, QStringList* lines);

// How many lines define a parameter of 1..99.
int definierteParameter(const QStringList& lines);

// The same for file contents already read.
QStringList parameterLines(const QByteArray& data);

// "Parameter File <N> Zeilen geladen", N being the number of data lines plus one.
QString parameterFileLogLine(int dataLines);

// A number field: blanks removed, surrounding white space ignored, base 10; anything that is
// not a number gives 0.
int parameterInt(const QString& field);
// The x field: a decimal fraction with "."; anything else (also nan and inf) gives 0.
double parameterDouble(const QString& field);

// One data line as an entry (its xparam mark left false); returns the line's Vesk#, which
// the caller checks before storing.
int parseParameterLine(const QString& line, TParameter* entry);

// Stores every line in order into the entry its Vesk# names, marked with xparam; a later
// line for the same number replaces the whole entry. A line whose Vesk# is outside 0..99 is
// skipped with one log line. Returns the number of entries stored.
int applyParameterLines(ParameterTabelle& tabelle, const QStringList& lines, bool xparam,
                        const LogSink& log);
