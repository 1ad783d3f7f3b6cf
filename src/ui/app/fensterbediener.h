// The person at the window, as the session sees it: the boxes, file choosers and progress
// dialogs of the dialog seam, and the log on the page "DSP-Firmware".
#pragma once

#include "app/bediener.h"

class vantrel;

class FensterBediener : public Bediener {
public:
    explicit FensterBediener(vantrel& fenster) : m_fenster(fenster) {}

    bool bestaetigen(const QString& titel, const QString& text, bool mitAbbrechen) override;
    QString dateiWaehlen(Wahl wahl, const QString& titel, const QString& start,
                         const QString& filter) override;
    std::unique_ptr<Progress> fortschritt(const QString& label, int minimum, int maximum,
                                          double msProSchritt, const QString& einheit) override;
    void log(const QString& zeile) override;
    void meldung(Box box, const QString& titel, const QString& text) override;
    Antwort frage(const QString& titel, const QString& text, bool abbrechbar) override;
    void status(const QString& text) override;
    // While the window closes: a signal's close answers every question with no and shows
    // failures in the log only; any close ends a wait for room in a full driver queue.
    bool aufgegeben() const override;

private:
    vantrel& m_fenster;
};
