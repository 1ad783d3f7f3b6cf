// The person at talvaro-cli, as the session sees it: boxes are printed and taken as
// confirmed, files come from the arguments, progress goes to stderr, log lines to stdout,
// failures to stderr and into the JSON result. Ctrl-C cancels.
#pragma once

#include "app/bediener.h"

class Interrupt;
class Output;

class CliBediener : public Bediener {
public:
    CliBediener(Output& out, Interrupt& interrupt) : m_out(out), m_interrupt(interrupt) {}

    bool bestaetigen(const QString& titel, const QString& text, bool mitAbbrechen) override;
    QString dateiWaehlen(Wahl wahl, const QString& titel, const QString& start,
                         const QString& filter) override;
    std::unique_ptr<Progress> fortschritt(const QString& label, int minimum, int maximum,
                                          double msProSchritt, const QString& einheit) override;
    void log(const QString& zeile) override;
    void meldung(Box box, const QString& titel, const QString& text) override;
    bool aufgegeben() const override;
    // On a terminal (without --json): Enter once the set has been started (Ctrl-C gives up).
    // A script's run goes on at once, as after its first box.
    bool abwarten() override;
    // Said on stderr and kept for the result; the command goes on.
    bool warnen(const QString& titel, const QString& text) override;
    const QString& warnung() const { return m_warnung; }

    // The last box of a failure, for the result.
    const QString& titel() const { return m_titel; }
    const QString& text() const { return m_text; }

private:
    Output& m_out;
    Interrupt& m_interrupt;
    QString m_titel;
    QString m_text;
    QString m_warnung;
    // The last box's text as said on stderr, until its log line has come.
    QString m_gesagt;
};
