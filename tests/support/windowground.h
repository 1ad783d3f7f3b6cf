// The ground of the tests that open the main window: a HOME of their own and scripted dialogs
// for the whole test case. A test class derives from it beside QObject and calls beginCase and
// endCase from its initTestCase and cleanupTestCase.
#pragma once

#include "scripteddialogs.h"
#include "testenv.h"

#include <memory>

class WindowGround {
protected:
    std::unique_ptr<TestEnv> env;
    std::unique_ptr<ScriptedDialogs> dialogs;

    void beginCase() {
        env = std::make_unique<TestEnv>();
        dialogs = std::make_unique<ScriptedDialogs>();
    }
    void endCase() {
        dialogs.reset();
        env.reset();
    }
};
