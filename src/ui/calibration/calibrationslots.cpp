// Receive polling during the calibrations: the 100 ms poll that collects the DSP's bytes,
// finds the status telegrams among them and hands its level to the wizard that runs, and the
// error box both wizards share.
#include "app/userdialogs.h"
#include "app/vantrel.h"
#include "calibration/pegel.h"
#include "link/link.h"

#include <QGroupBox>
#include <QProgressBar>
#include <QTimer>

namespace {
// Polls in a row without a byte after which the line counts as dead (two seconds).
constexpr int kStillePolls = 20;

int balkenwert(int db) {
    // A bar ignores values outside its range and would keep showing the last one.
    return qBound(0, db, 90);
}
} // namespace

void vantrel::empfangslesen() {
    m_geraet->empfangslesen();
}

void vantrel::tstopempfangRS232() {
    // A step run from here may wait or send, which pumps events: a tick from inside it would
    // hand the next telegram to a step that has not finished yet.
    if (empfangaktiv)
        return;
    empfangaktiv = true;
    // While a transfer owns the line, what arrives is its answer; it is left to it and the
    // tick does not count as a silent one.
    const bool lesen = !m_geraet->link()->transferActive();
    if (lesen) {
        empfangslesen();
        // Every telegram complete by now goes to the wizard, in the order they came; a step
        // it starts gets the ones behind it.
        while (!m_closed) {
            const std::optional<Telegramm> t = empfangsring.telegrammsuchen();
            if (!t)
                break;
            telegrammauswerten(*t);
        }
    }
    empfangaktiv = false;
    if (m_closed)
        return;
    empfangtimer->start(empfangintervall);
    // The monitor's poll counts the same silence, so the count may pass 20 between two
    // ticks of this one.
    if (lesen && empfangsring.leerabfragen() >= kStillePolls) {
        empfangtimer->stop();
        empfangsfehler(1);
        clickifabbruch();
    }
}

void vantrel::telegrammauswerten(const Telegramm& t) {
    const int p = pegel(t.pegelwort());
    if (m_geraet->smKalAktiv())
        smbar->setValue(balkenwert(t.smeterbyte()));
    else
        zfbar->setValue(balkenwert(p));

    // The first telegram of the S-meter calibration shows that both directions work.
    if (smschritt == 2) {
        gbkal->setEnabled(true);
        clicksmstep();
    }

    if (!zfmessung.messung)
        return;
    const ZfMessung::Antwort a = zfmessung.telegramm(zfschritt, p, t.echocode());
    switch (a.art) {
    case ZfMessung::Antwort::Art::Nichts:
        break;
    case ZfMessung::Antwort::Art::Fertig:
        clickifstep();
        break;
    case ZfMessung::Antwort::Art::Echofehler:
        empfangsfehler(a.fehlercode);
        clickifabbruch();
        break;
    case ZfMessung::Antwort::Art::Dacstufe:
        zfkurvezeigen();
        dspframe(107, zfmessung.dacstufe);
        zflog(QString::asprintf("calcurve[%i] = %2.2f", a.index, a.wert));
        break;
    }
}

void vantrel::empfangsfehler(int code) {
    const QString text =
        code == 1
            ? tr("<b>Datenempfang auf der RS232 defekt</B><BR>Es kommen vom Talvaro keine Daten "
                 "zur Auswertung zum PC.<br> Eventuell ist die RS232 nicht angeschlossen "
                 "oder<br> unterbrochen.")
            : tr("<b>Fehler im Datentelegramm vom Talvaro</B><BR>Es wird ein Zeichen als Echo "
                 "erwartet, welches aber<br> nicht kommt.");
    UserDialogs::current().critical(this,
                                    m_geraet->smKalAktiv()
                                        ? tr("Fehler bei der S-Meter-Kalibrierung!")
                                        : tr("Fehler bei der ZF-Kalibrierung!"),
                                    text);
}
