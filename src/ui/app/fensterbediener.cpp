#include "app/fensterbediener.h"

#include "app/transferstatus.h"
#include "app/userdialogs.h"
#include "app/vantrel.h"
#include "link/progress.h"

#include <QStatusBar>

bool FensterBediener::bestaetigen(const QString& titel, const QString& text, bool mitAbbrechen) {
    if (m_fenster.ohneFragen())
        return false;
    return UserDialogs::current().information(&m_fenster, titel, text, mitAbbrechen);
}

bool FensterBediener::aufgegeben() const {
    return m_fenster.endet();
}

QString FensterBediener::dateiWaehlen(Wahl wahl, const QString& titel, const QString& start,
                                      const QString& filter) {
    if (m_fenster.ohneFragen())
        return {};
    return wahl == Wahl::Oeffnen
               ? UserDialogs::current().openFileName(&m_fenster, titel, start, filter)
               : UserDialogs::current().saveFileName(&m_fenster, titel, start, filter);
}

std::unique_ptr<Progress> FensterBediener::fortschritt(const QString& label, int minimum,
                                                       int maximum, double msProSchritt,
                                                       const QString&) {
    // The status bar measures the pace from the window's own line; until it can, the session
    // knows what a step costs.
    auto p = UserDialogs::current().progress(&m_fenster, label, vantrel::tr("Abbrechen"), minimum,
                                             maximum);
    if (auto* status = qobject_cast<TransferStatus*>(p.get()))
        status->setErwartet(msProSchritt);
    return p;
}

void FensterBediener::log(const QString& zeile) {
    m_fenster.logzeile(zeile);
}

void FensterBediener::meldung(Box box, const QString& titel, const QString& text) {
    // The session logs its failures itself; a signal's close shows no box.
    if (m_fenster.ohneFragen())
        return;
    if (box == Box::Kritisch)
        UserDialogs::current().critical(&m_fenster, titel, text);
    else if (box == Box::Warnung)
        UserDialogs::current().warning(&m_fenster, titel, text);
    else
        UserDialogs::current().about(&m_fenster, titel, text);
}

Bediener::Antwort FensterBediener::frage(const QString& titel, const QString& text,
                                         bool abbrechbar) {
    if (m_fenster.ohneFragen())
        return Antwort::Nein;
    switch (UserDialogs::current().frage(&m_fenster, titel, text, abbrechbar)) {
    case UserDialogs::Antwort::Ja:
        return Antwort::Ja;
    case UserDialogs::Antwort::Nein:
        return Antwort::Nein;
    case UserDialogs::Antwort::Abbrechen:
        break;
    }
    return Antwort::Abbrechen;
}

void FensterBediener::status(const QString& text) {
    m_fenster.statusBar()->showMessage(text);
}
