// What both calibration wizards share: a step counter driven by its button and by the
// telegrams it listens to, the text of its step, the parameter load into the running DSP
// (closed with (108, 0) whatever ends it), the watchdog for a silent line, the error box
// and the tables it replaces keeping a copy. One calibration runs at a time; ending one in
// any way (ABBRUCH, a silence or echo error, a line drop, the last step) leads back to its
// introduction, from which START works.
#pragma once

#include "app/geraet.h"
#include "kalsender.h"

#include <QObject>
#include <QStringList>
#include <functional>

class Kalibrierung : public QObject {
    Q_OBJECT
public:
    enum class Knopf { Start, Weiter, Speichern };
    // Polls in a row in which no telegram reached the calibration: the line counts as dead.
    static constexpr int stilleAbfragen = 20;

    // The step the next click runs (0: the introduction).
    int schritt() const { return m_schritt; }
    // Under way: past its introduction.
    bool aktiv() const { return m_schritt != 0; }
    // Loading its parameters or measuring: the button waits, and so does the monitor switch.
    bool beschaeftigt() const { return m_laedt || m_folgt || misst(); }
    Knopf knopf() const { return m_knopf; }
    bool knopfFrei() const { return !m_imSchritt && !beschaeftigt(); }
    // "Die ZF-Kalibrierung", "Die S-Meter-Kalibrierung".
    virtual QString name() const = 0;
    // The step's text as it stands (HTML), one entry per line added since it was cleared.
    const QStringList& text() const { return m_text; }

    // START / WEITER! / SAVE Daten.
    virtual void weiter() = 0;
    // ABBRUCH: back to the introduction; nothing more goes to the DSP but the close of an
    // open parameter block.
    void abbrechen();

signals:
    // The text was cleared; a line was added to it.
    void textNeu();
    void textZeile(const QString& html);
    // Step, button text or the button's state changed.
    void zustand();
    void beschaeftigtGeaendert(bool beschaeftigt);

protected:
    Kalibrierung(Geraet& geraet, KalSender& sender, Geraet::Leser leser, QObject* parent);

    // A measurement is pending (the IF calibration's requests).
    virtual bool misst() const { return false; }
    // A silent or dropped line ends the run (the IF calibration). Otherwise the person's
    // work stays: the box is shown once per outage and the calibration keeps listening.
    virtual bool endetBeiStille() const { return true; }
    // Every telegram while it listens.
    virtual void telegramm(const TDspDaten& daten) = 0;
    // The introduction, its own parts reset.
    virtual void intro() = 0;
    // The title of its error boxes.
    virtual QString fehlertitel() const = 0;

    // The click at the introduction: false while the other calibration is under way (its
    // text says why this one waits) or the person kept unsaved changes.
    bool startFrei();
    void neu();
    void log(const QString& html);
    void setKnopf(Knopf k);
    // Brackets a step: the button is off meanwhile.
    void schrittBeginnt();
    void schrittEndet();
    void setLaedt(bool laedt);
    // A measurement is complete: its next step runs once the poll that brought its last
    // telegram has ended, so that the step's waits do not hold up the stream.
    void naechsterSchritt();
    // Announces what changed: the busy state to the session, the rest to the page.
    void melden();
    // The calibration's parameter file into the table (the user parameters for the S-meter,
    // else the standard ones), its parameter set to wert, the block to the DSP leaving out
    // ohne (-1: none). False when the file is missing (nothing was sent) or the calibration
    // ended meanwhile.
    bool parameterLaden(bool smeter, int wert, int ohne);
    // Starts or stops listening to the telegrams.
    void lesen(bool an);
    // The receive error box: 1 no data, 3 and 4 no echo.
    void empfangsfehler(int code);
    // Keeps the old table at pfad as "<pfad>.bak", then writes the new one; both named in the
    // log. False (and reported) when either could not be written.
    bool tabelleErsetzen(const QString& pfad, const std::function<bool()>& schreiben);
    // Ends the run: stops listening, closes an open block, resets the table.
    void beenden();

    Geraet& m_geraet;
    // The line as far as a calibration may use it.
    KalSender& m_sender;
    // The profile the run started on: its files are the run's files.
    int m_profil = 0;
    int m_schritt = 0;
    // Counts the runs: a step that waited finds out whether it was ended meanwhile.
    int m_lauf = 0;

private:
    void abgefragt(int telegramme);
    // The line fell silent or dropped: the box, and the end where the calibration ends so.
    void still();
    Geraet::Leser m_leser;
    Knopf m_knopf = Knopf::Start;
    QStringList m_text;
    bool m_imSchritt = false;
    bool m_laedt = false;
    bool m_folgt = false;
    bool m_beschaeftigtGemeldet = false;
    int m_stille = 0;
};
