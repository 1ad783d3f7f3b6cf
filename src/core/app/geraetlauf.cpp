// The program's life as the session sees it: the parts that hold work of the person, what is
// unsaved, whether the line is quiet, and the close-down.
#include "app/geraet.h"

#include "app/sitzungsfortschritt.h"
#include "calibration/kalibrierung.h"
#include "calibration/smkalibrierung.h"
#include "calibration/zfkalibrierung.h"
#include "link/link.h"

#include <QCoreApplication>

void Geraet::anmelden(Arbeit* arbeit) {
    if (arbeit && !m_arbeiten.contains(arbeit))
        m_arbeiten.append(arbeit);
}

void Geraet::abmelden(Arbeit* arbeit) {
    m_arbeiten.removeAll(arbeit);
}

QStringList Geraet::ungespeichert() const {
    QStringList namen;
    for (const Arbeit* a : m_arbeiten)
        if (const QString n = a->ungesichert(); !n.isEmpty())
            namen.append(n);
    return namen;
}

bool Geraet::aenderungenSichern() {
    // An edit younger than the debounce counts as well, and it reaches the set first.
    aenderungenUebernehmen();
    const QStringList offen = ungespeichert();
    if (offen.isEmpty())
        return true;
    const Bediener::Antwort a =
        m_bediener ? m_bediener->frage(
                         QCoreApplication::translate("vantrel", "Nicht gespeicherte Aenderungen"),
                         QCoreApplication::translate("vantrel",
                                                     "Nicht gespeichert: %1.<br>Vorher speichern?")
                             .arg(offen.join(QStringLiteral(", "))),
                         true)
                   : Bediener::Antwort::Nein;
    if (a == Bediener::Antwort::Abbrechen)
        return false;
    if (a == Bediener::Antwort::Nein)
        return true;
    const QList<Arbeit*> arbeiten = m_arbeiten;
    for (Arbeit* w : arbeiten)
        if (m_arbeiten.contains(w) && !w->ungesichert().isEmpty())
            w->sichern();
    // A save that was cancelled or failed keeps everything as it is.
    return ungespeichert().isEmpty();
}

bool Geraet::ruhig() const {
    return !m_link->transferActive() && !m_link->framePaced() && !m_link->pumpt();
}

bool Geraet::ruhigSonstMelden(const QString& titel) {
    if (ruhig())
        return true;
    melden(TransferResult::failed(titel, QCoreApplication::translate(
                                             "vantrel", "Es laeuft bereits eine Uebertragung!")),
           false);
    return false;
}

void Geraet::abbrechen() {
    const QList<QPointer<Progress>> laufend = m_fortschritte;
    for (const QPointer<Progress>& p : laufend)
        if (auto* f = qobject_cast<SitzungsFortschritt*>(p.data()))
            f->abbrechen();
}

bool Geraet::profilwechselFrei() {
    Kalibrierung* k = m_zfkal->aktiv()   ? static_cast<Kalibrierung*>(m_zfkal)
                      : m_smkal->aktiv() ? static_cast<Kalibrierung*>(m_smkal)
                                         : nullptr;
    if (!k)
        return true;
    // Its files are those of the profile it started on: the table it writes would land in
    // the other profile's file.
    const Bediener::Antwort a =
        m_bediener
            ? m_bediener->frage(QCoreApplication::translate("vantrel", "Profil wechseln"),
                                QCoreApplication::translate(
                                    "vantrel", "%1 laeuft noch.<br>Sie gehoert zum Profil \"%2\" "
                                               "und wird vor dem Wechsel beendet.<br>Beenden?")
                                    .arg(k->name(), einst.veskpfad[size_t(profil())]),
                                false)
            : Bediener::Antwort::Nein;
    if (a != Bediener::Antwort::Ja)
        return false;
    k->abbrechen();
    return !k->aktiv();
}

void Geraet::herunterfahren() {
    // What a debounce still holds reaches the set before anything stops.
    aenderungenUebernehmen();
    for (Arbeit* a : std::as_const(m_arbeiten))
        a->anhalten();
    // The telegrams off once, for every reader; a calibration then ends without a second
    // (52, 1) (an open block of its own it would close with (108, 0)).
    monitorAus();
    for (Kalibrierung* k :
         {static_cast<Kalibrierung*>(m_zfkal), static_cast<Kalibrierung*>(m_smkal)})
        if (k->aktiv() || k->beschaeftigt())
            k->abbrechen();
    trennen();
}
