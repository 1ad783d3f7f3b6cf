// Writing parameter files (the user file and the X-parameter file) in the format the reader
// takes, and the X-parameter table file: one line "%02X%02X%02X" of number, SSB green and CW
// green per X parameter behind "000000" fillers. Everything as bytes (Latin-1, CR LF).
#pragma once

#include "parameters/parametertabelle.h"

#include <QByteArray>
#include <QString>

namespace parameter {

enum class DateiArt { User, X };

extern const char* const kKopfzeile;
extern const char* const kUnterstrich;

// The width of the name field: 23 in the user file, 24 in the X-parameter file.
constexpr int namensbreite(DateiArt art) {
    return art == DateiArt::X ? 24 : 23;
}

// One data line of entry p as number nummer, with its CR LF. The name is padded, never cut;
// x keeps two decimals below 1.0 (0 excepted) and is a whole number otherwise.
QByteArray parameterZeile(const TParameter& p, int nummer, DateiArt art);

// The whole file: header, underline, the entries 1..99 that belong to it, "END FILE". The
// user file takes every named entry that is not an X parameter, the X file every X
// parameter, named or not.
QByteArray parameterDatei(const ParameterTabelle& tabelle, DateiArt art);

// The X-parameter table: 64 - n lines "000000" (n the X parameters among 11..99, none when n
// is 64 or more), then each X parameter from 99 down to 0. Values go in as their low 8 bits,
// so every line keeps its six digits.
QByteArray xParameterTabelle(const ParameterTabelle& tabelle);

// The table file beside a configured X-parameter file: every ".dpk" replaced by ".dat"; a
// name that this leaves unchanged (no ".dpk", or ".DPK") gets ".dat" appended, so that the
// table never lands on the X-parameter file itself.
QString xTabellenName(const QString& xparameterDatei);

} // namespace parameter
