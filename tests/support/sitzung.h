// The session's state reached the way the person reaches it: settings edited as the options
// dialog edits them, files loaded and entries edited, never written into from outside.
#pragma once

#include "app/geraet.h"

#include <utility>

// A copy of the settings edited and given back whole, so the session announces the change.
template <class F> void einstellen(Geraet& g, F&& aendern) {
    TEinstellungen e = g.einstellungen();
    aendern(e);
    g.setEinstellungen(e);
}
template <class F> void einstellen(Geraet* g, F&& aendern) {
    einstellen(*g, std::forward<F>(aendern));
}

// An X parameter changed and not saved: the profile's X file loaded and the first of its
// entries with a value moved by one in the column shown. The number of that entry, or -1
// when the file could not be loaded or has no such entry.
inline int xParameterAendern(Geraet& g) {
    if (!g.xParameterLaden())
        return -1;
    for (int i = 10; i < 100; ++i) {
        const TParameter& p = g.tabelle()[size_t(i)];
        if (!p.xparam || p.ssbgreen == TParameter::fehlt)
            continue;
        const int neu = p.ssbgreen > p.min ? p.ssbgreen - 1 : p.ssbgreen + 1;
        if (neu > g.editOben(i))
            continue;
        g.parameterAendern({{i, neu}});
        return g.xParamGeaendert() ? i : -1;
    }
    return -1;
}

// A parameter file as the release's files are laid out: two header lines, one line for each
// entry of t that is not in its reset state (name, user#, number, the six banks, min, max,
// x, page), "END FILE".
QByteArray parameterdatei(const ParameterTabelle& t, bool x = false);
// The table t in the session the way a person gets it there: the table emptied, its user
// entries written into ordner as the profile's user parameter file and loaded, its X entries
// (xparam) as the profile's X file and loaded after them; the settings are as they were
// afterwards. False when a load failed.
bool tabelleLaden(Geraet& g, const ParameterTabelle& t, const QString& ordner);
