// What a transfer reports its progress to, and how it learns that the user cancelled.
// The window backs it with a progress dialog; talvaro-cli with a line on stderr.
#pragma once

#include "link/transferresult.h"

#include <QObject>
#include <functional>

class Progress : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~Progress() override = default;

    virtual void setRange(int minimum, int maximum) = 0;
    virtual void setValue(int value) = 0;
    virtual bool wasCanceled() const = 0;
    // Closes the dialog (or ends the progress line); the transfer is over.
    virtual void finish() {}
    // How the transfer ended, told just before finish(), for a summary that says so.
    virtual void ergebnis(const TransferResult&) {}

signals:
    // Emitted once when the user cancels, so that a wait in progress ends at once.
    void canceled();

protected:
    // Runs a display update that pumps events (a modal dialog's setValue): frames asked for
    // from in there wait behind the transfer as they do from the line's own waits.
    static void pumpend(const std::function<void()>& anzeige);
};

// A progress nobody watches and nobody cancels: for a session without a person, and for
// the self-test's dialogs.
class StillerFortschritt : public Progress {
public:
    void setRange(int, int) override {}
    void setValue(int) override {}
    bool wasCanceled() const override { return false; }
};
