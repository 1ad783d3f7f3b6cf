#include "kalibrierung.h"

#include "download/transferhelfer.h"
#include "kalablauf.h"
#include "kaldatei.h"
#include "parameters/parametertransfer.h"

#include <QCoreApplication>
#include <QTimer>

Kalibrierung::Kalibrierung(Geraet& geraet, KalSender& sender, Geraet::Leser leser, QObject* parent)
    : QObject(parent), m_geraet(geraet), m_sender(sender), m_leser(leser) {
    connect(&m_geraet, &Geraet::telegramm, this, [this](const TDspDaten& daten) {
        if (m_geraet.liest(m_leser))
            telegramm(daten);
    });
    connect(&m_geraet, &Geraet::abgefragt, this, &Kalibrierung::abgefragt);
    connect(&m_geraet, &Geraet::telegrammeAbgerissen, this, [this] {
        if (!m_geraet.liest(m_leser))
            return;
        // A drop and the silence around it are one outage: one box.
        if (m_stille >= stilleAbfragen && !endetBeiStille())
            return;
        m_stille = stilleAbfragen;
        still();
    });
}

void Kalibrierung::still() {
    if (!endetBeiStille()) {
        empfangsfehler(1);
        return;
    }
    // The stream goes off before the box: nothing counts on while the person reads it.
    lesen(false);
    empfangsfehler(1);
    abbrechen();
}

void Kalibrierung::abgefragt(int telegramme) {
    if (!m_geraet.liest(m_leser))
        return;
    if (telegramme > 0) {
        m_stille = 0;
        return;
    }
    // Counted on past the limit, so that a silence that lasts shows its box once.
    if (++m_stille != stilleAbfragen)
        return;
    still();
}

void Kalibrierung::lesen(bool an) {
    m_stille = 0;
    m_geraet.lesen(m_leser, an);
}

bool Kalibrierung::startFrei() {
    if (const Kalibrierung* andere = m_geraet.laufendeKalibrierung(); andere && andere != this) {
        log(QCoreApplication::translate("vantrel", "<br><b>%1 laeuft gerade.</b><br>Diese "
                                                   "Kalibrierung wartet, bis sie beendet oder "
                                                   "abgebrochen ist.")
                .arg(andere->name()));
        return false;
    }
    // The calibration loads parameters of its own: unsaved live changes are asked about first.
    if (!m_geraet.aenderungenSichern())
        return false;
    m_profil = m_geraet.profil();
    return true;
}

void Kalibrierung::neu() {
    m_text.clear();
    emit textNeu();
}

void Kalibrierung::log(const QString& html) {
    m_text.append(html);
    emit textZeile(html);
}

void Kalibrierung::setKnopf(Knopf k) {
    m_knopf = k;
}

void Kalibrierung::schrittBeginnt() {
    m_imSchritt = true;
    melden();
}

void Kalibrierung::schrittEndet() {
    m_imSchritt = false;
    melden();
}

void Kalibrierung::setLaedt(bool laedt) {
    m_laedt = laedt;
    melden();
}

void Kalibrierung::naechsterSchritt() {
    m_folgt = true;
    melden();
    const int lauf = m_lauf;
    QTimer::singleShot(0, this, [this, lauf] {
        if (lauf != m_lauf || !m_folgt)
            return;
        m_folgt = false;
        weiter();
    });
}

void Kalibrierung::melden() {
    if (beschaeftigt() != m_beschaeftigtGemeldet) {
        m_beschaeftigtGemeldet = beschaeftigt();
        emit beschaeftigtGeaendert(m_beschaeftigtGemeldet);
    }
    emit zustand();
}

bool Kalibrierung::parameterLaden(bool smeter, int wert, int ohne) {
    const int lauf = m_lauf;
    // A missing or empty file stops here, with its box, as a missing table does: nothing of
    // a reset table may go to the DSP as if it were chosen.
    if (!m_geraet.kalParameterLaden(smeter))
        return false;
    if (lauf != m_lauf)
        return false;
    m_geraet.kalParameterSetzen(kal::kKalParameter, wert, true);
    setLaedt(true);
    // Each frame's pacing pumps events: once the run has ended, nothing more goes out (the
    // end closed the block already).
    const bool gesendet = m_sender.block(kalparameterrahmen(m_geraet.tabelle(), ohne),
                                         [&] { return lauf == m_lauf; });
    if (lauf != m_lauf)
        return false;
    setLaedt(false);
    if (!gesendet) {
        // Part of the block is not in the DSP: the step must not say it worked.
        const TransferResult r = download::unterbrochen();
        log(r.text);
        if (Bediener* b = m_geraet.bediener())
            b->meldung(Bediener::Box::Kritisch, fehlertitel(), r.text);
        return false;
    }
    return true;
}

void Kalibrierung::empfangsfehler(int code) {
    const QString text =
        code == 1 ? QCoreApplication::translate(
                        "vantrel",
                        "<b>Datenempfang auf der RS232 defekt</B><BR>Es kommen vom Talvaro keine "
                        "Daten zur Auswertung zum PC.<br> Eventuell ist die RS232 nicht "
                        "angeschlossen oder<br> unterbrochen.")
                  : QCoreApplication::translate(
                        "vantrel", "<b>Fehler im Datentelegramm vom Talvaro</B><BR>Es wird ein "
                                   "Zeichen als Echo erwartet, welches aber<br> nicht kommt.");
    if (Bediener* b = m_geraet.bediener())
        b->meldung(Bediener::Box::Kritisch, fehlertitel(), text);
}

bool Kalibrierung::tabelleErsetzen(const QString& pfad, const std::function<bool()>& schreiben) {
    const std::optional<QString> bak = kalsichern(pfad);
    if (!bak) {
        // Without the copy the old table would be gone: it stays as it is.
        m_geraet.speicherfehler(pfad + QStringLiteral(".bak"));
        return false;
    }
    if (!schreiben()) {
        m_geraet.speicherfehler(pfad);
        return false;
    }
    if (!bak->isEmpty())
        m_geraet.log(QCoreApplication::translate(
                         "vantrel", "Datei \"%1\" ersetzt, die bisherige ist jetzt \"%2\".")
                         .arg(pfad, *bak));
    return true;
}

void Kalibrierung::beenden() {
    ++m_lauf;
    m_laedt = false;
    lesen(false);
    // A block the load opened and did not close would leave the DSP waiting inside it.
    m_sender.blockSchliessen();
    m_geraet.kalibrierungEnde();
}

void Kalibrierung::abbrechen() {
    m_folgt = false;
    // Nothing is under way (the other calibration may be): only the introduction again.
    if (!aktiv() && !beschaeftigt() && !m_geraet.liest(m_leser)) {
        intro();
        melden();
        return;
    }
    beenden();
    m_imSchritt = false;
    setKnopf(Knopf::Start);
    intro();
    melden();
}
