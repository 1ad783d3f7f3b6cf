// The ground of the tests that put a window on the simulated set: a HOME of their own and
// scripted dialogs for the whole test case, a freshly started set and a clean settings store
// for every test function. A test class derives from it beside QObject and calls these four
// from its initTestCase, cleanupTestCase, init and cleanup.
#pragma once

#include "scripteddialogs.h"
#include "sim/simtransceiver.h"
#include "testenv.h"

#include <memory>

class SimGround {
protected:
    std::unique_ptr<TestEnv> env;
    std::unique_ptr<ScriptedDialogs> dialogs;
    std::unique_ptr<SimTransceiver> sim;

    void beginCase() {
        env = std::make_unique<TestEnv>();
        dialogs = std::make_unique<ScriptedDialogs>();
    }
    void endCase() {
        sim.reset();
        dialogs.reset();
        env.reset();
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
