// The ground of the tests that put a window on the simulated set: besides the HOME and the
// scripted dialogs of the whole test case, a freshly started set and a clean settings store
// for every test function. Call beginTest and endTest from init and cleanup.
#pragma once

#include "sim/simtransceiver.h"
#include "windowground.h"

#include <memory>

class SimGround : protected WindowGround {
protected:
    std::unique_ptr<SimTransceiver> sim;

    void endCase() {
        sim.reset();
        WindowGround::endCase();
    }
    // False when no pseudo-terminal could be had for the set.
    bool beginTest() {
        TestEnv::clearSettings();
        dialogs->clear();
        sim = std::make_unique<SimTransceiver>();
        return sim->isValid();
    }
    void endTest() { sim.reset(); }
};
