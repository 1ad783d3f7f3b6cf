// How the session asks and tells the person at the set: instruction boxes, a file to choose,
// the progress of a transfer, the log and the boxes of failures. The window answers with its
// dialogs and its log; talvaro-cli with its output, its arguments and its console progress.
#pragma once

#include "link/transferresult.h"

#include <QString>
#include <memory>

class Progress;

class Bediener {
public:
    virtual ~Bediener() = default;

    // An instruction box (rich text: <b>, <br>). With Cancel: true when the person pressed OK.
    virtual bool bestaetigen(const QString& titel, const QString& text, bool mitAbbrechen) = 0;

    enum class Wahl { Oeffnen, Speichern };
    // A file to read or to write; empty when none was chosen.
    virtual QString dateiWaehlen(Wahl wahl, const QString& titel, const QString& start,
                                 const QString& filter) = 0;

    // The progress of a transfer over minimum..maximum, one step expected to take msProSchritt
    // at the configured delays (for the time left before there is a rate to measure).
    virtual std::unique_ptr<Progress> fortschritt(const QString& label, int minimum, int maximum,
                                                  double msProSchritt, const QString& einheit) = 0;

    // One line of the log.
    virtual void log(const QString& zeile) = 0;

    // A box with one OK button: Kritisch for a file that cannot be read or written, Fehler
    // for the "Error!" box of a transfer, Info for what the person asked to see, Warnung for a
    // result the person must heed (an EEPROM that differs from its file).
    enum class Box { Kritisch, Fehler, Info, Warnung };
    virtual void meldung(Box box, const QString& titel, const QString& text) = 0;

    // A warning before something the person may not have meant; true to go on. The window
    // asks with OK and Cancel; a program without a person says it and goes on.
    virtual bool warnen(const QString& titel, const QString& text) {
        return bestaetigen(titel, text, true);
    }

    // A question with Ja, Nein and (abbrechbar) Abbrechen. Without Abbrechen it asks whether
    // to go on despite a doubt, and Nein is the default. Nobody to ask answers Nein.
    enum class Antwort { Ja, Nein, Abbrechen };
    virtual Antwort frage(const QString& titel, const QString& text, bool abbrechbar) {
        Q_UNUSED(titel);
        Q_UNUSED(text);
        Q_UNUSED(abbrechbar);
        return Antwort::Nein;
    }

    // How an operation ended, in a few words, where the person looks for it (the window's
    // status bar); a program that prints its result anyway may leave it.
    virtual void status(const QString& text) { Q_UNUSED(text); }

    // The person has asked to stop before the line was even opened (Ctrl-C in a terminal).
    virtual bool aufgegeben() const { return false; }

    // After the box just shown the person starts the set's function while the run waits:
    // the PC leads the handshake that follows, and the set must listen before it begins. The
    // window's box waited for its OK already; false when the person gave up.
    virtual bool abwarten() { return true; }
};
