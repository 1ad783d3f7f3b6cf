// The session's line for tests that set delays, count waits or hold the line themselves.
#pragma once

#include "app/geraet.h"

struct GeraetZugang {
    static Link* link(const Geraet& g) { return g.link(); }
};
