// What a part of a program holds for the session's transitions (a close, a profile switch, a
// load, a calibration start, a silence, a line drop): the window's pages answer it, and the
// session walks them instead of being reached into.
#pragma once

#include <QString>

class Arbeit {
public:
    virtual ~Arbeit() = default;

    // What no file holds yet, named for the question before it is lost ("Equalizer-Kurve
    // RX", say); empty when nothing is unsaved.
    virtual QString ungesichert() const { return {}; }
    // Saves what ungesichert() names; false when a save did not happen (cancelled, failed).
    virtual bool sichern() { return true; }
    // Edits held back by a debounce are stored and sent now, before the transition goes on.
    virtual void abschliessen() {}
    // Nothing more goes out from it: its timers stop.
    virtual void anhalten() {}
};
