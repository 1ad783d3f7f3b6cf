// The arithmetic of the live parameter editor: how a raw value is shown in a spin box (scaled
// by x, with its decimals and limits), how a shown value turns back into a raw one, where a
// live edit is stored, and the text of a number label.
#pragma once

#include "parameters/parametertransfer.h"

#include <QString>
#include <optional>

namespace parameter {

// 0 for x 1.0 and above, 1 below 1.0, 2 below 0.1.
int nachkommastellen(double x);

// What a spin box gets for entry p showing raw value v, in the order it must be set.
struct SpinAnzeige {
    int decimals = 0;
    double minimum = 0;
    double maximum = 0;
    double step = 0;
    double wert = 0;
};
SpinAnzeige spinAnzeige(const TParameter& p, int v);

// The raw values an edit of p may store into the column of the mode and bank: min up to
// max, but never 255 (the parameter would vanish) nor 254 where that means "as green" (in
// Gelb or Rot, for an entry with a value of its own).
struct EditBereich {
    int unten = 0;
    int oben = 0;
    int begrenzt(int r) const { return r < unten ? unten : (r > oben ? oben : r); }
};
EditBereich editBereich(const TParameter& p, Modus modus, Bank bank);

// As above for a box that edits within bereich; its range also takes in v, so that a
// stored value outside the edit range shows as it is rather than clamped.
SpinAnzeige spinAnzeige(const TParameter& p, int v, const EditBereich& bereich);

// The raw value of a spin box showing s for scale x: s / x rounded, halves up, whatever s
// is (255 included). Nothing for x 0, which has no inverse, or for a quotient no int can
// hold.
std::optional<int> rohwert(double s, double x);

// Stores raw value r for the mode and bank and returns the value it replaces. Green: stored
// unless green is 255. Gelb, Rot: a 254 entry stores into green (unless green is 255) and
// stays 254; otherwise stored unless the bank's value is 255. The value returned is the one
// compared against: green's for a 254 entry.
int speichereWert(TParameter& p, Modus modus, Bank bank, int r);

// "%i.%i" of n / 10 and n % 10, truncating toward zero: 23 gives "2.3".
QString nummerText(int n);

} // namespace parameter
