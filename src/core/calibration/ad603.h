// The AD603 gain table of the IF calibration and its file "AD603.dat": for every dB of
// gain above the minimum, the first DAC step (1..63) of the AD603 that reaches it.
#pragma once

#include <QByteArray>
#include <QList>
#include <QPointF>
#include <QString>
#include <array>

// calcurve: one double per DAC step 0..63. After the sweep it holds the level above the
// minimum at each step; loaded from the AD603 file it holds the table's entries instead.
using Calcurve = std::array<double, 64>;
// Which DAC steps a sweep has measured.
using Dacgemessen = std::array<bool, 64>;
// ad603tabelle: entry 0 is always 0; entries 1..46 are the targets 0..45 dB.
using Ad603Tabelle = std::array<int, 47>;

// Marks a gain that no DAC step reaches.
constexpr int ad603unerreicht = 99;
// Lines of an AD603 file: entries 1..46.
constexpr int ad603zeilen = 46;

// Builds the table from a sweep: entry t + 1 is the smallest step d in 1..63 whose level,
// rounded half up, is at least t (99 when none is); the entry before the first 99 from
// entry 2 on becomes 63, the last step.
Ad603Tabelle ad603tabelle(const Calcurve& calcurve);

// The file: entries 1..46 of the table, each "00%02X00" + CR LF.
QByteArray ad603datei(const Ad603Tabelle& tabelle);
bool ad603schreiben(const QString& pfad, const Ad603Tabelle& tabelle);

// The curve a file's table describes: (DAC step, gain in dB) for every entry i from 1 that a
// step reaches, the gain being i - 1; entries of 99 give no point.
QList<QPointF> ad603punkte(const QByteArray& inhalt);

// Loads a file's content into calcurve: line k (from 0) gives entry k from its third and
// fourth characters as hexadecimal; a line that does not convert gives 0. Only 64 entries
// exist: further lines are not stored; entries beyond the last line keep their values.
// Returns the number of entries set.
int ad603lesen(const QByteArray& inhalt, Calcurve& calcurve);
// The same from a file; false, and calcurve unchanged, when it cannot be opened.
bool ad603dateilesen(const QString& pfad, Calcurve& calcurve);
