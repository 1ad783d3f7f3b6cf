// Knowing what is in the EEPROM: the comparison of the set's dump with a file, the backup
// kept before a write, the comparison after it, and the fingerprints in the log.
#include "app/bediener.h"
#include "app/geraet.h"
#include "calibration/zfkalibrierung.h"
#include "download/eeprombackup.h"
#include "download/hinweistexte.h"
#include "download/ladefehler.h"
#include "link/link.h"
#include "link/progress.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

using Herkunft = download::VerlaufEintrag::Herkunft;

QString Geraet::sicherungsordner() const {
    if (!m_eigenerOrdner.isEmpty())
        return QDir(m_eigenerOrdner).filePath(QStringLiteral("sicherungen"));
    return QDir::home().filePath(QStringLiteral("vantrel/sicherungen"));
}

void Geraet::setEigenerOrdner(const QString& ordner) {
    m_eigenerOrdner = ordner;
    m_zfkal->setOrdner(ordner);
}

void Geraet::fingerabdruck(const QString& art, const QString& datei, const QByteArray& bytes) {
    m_fingerabdruecke.append({art, datei, bytes.size(), download::sha256(bytes)});
    QString was;
    if (art == QLatin1String("image"))
        was = QCoreApplication::translate("vantrel", "Download-Image");
    else if (art == QLatin1String("backup"))
        was = QCoreApplication::translate("vantrel", "Eeprom-Sicherung \"%1\"").arg(datei);
    else if (art == QLatin1String("eeprom"))
        was = QCoreApplication::translate("vantrel", "Eeprom-Inhalt");
    else
        was = QCoreApplication::translate("vantrel", "Datei \"%1\"").arg(datei);
    log(was + QStringLiteral(": ") + download::fingerabdruck(bytes));
}

TransferResult Geraet::mitDumpVergleichen(const QByteArray& datei) {
    QByteArray dump;
    TransferResult r = dumpEmpfangen(
        QCoreApplication::translate("vantrel", "Eeprom mit Datei vergleichen"), &dump);
    // What arrived is in the history, whole or not.
    if (!dump.isEmpty())
        dumpAblegen(Herkunft::Vergleich, dump, r.ok());
    if (!r.ok()) {
        melden(r, false);
        // Half a dump proves nothing: not a byte of it is taken as equal.
        log(QCoreApplication::translate(
            "vantrel", "Eeprom-Vergleich: Eeprom nicht vollstaendig gelesen - nichts verglichen!"));
        return r;
    }
    fingerabdruck(QStringLiteral("eeprom"), {}, dump);
    const download::EepromVergleich v = download::EepromVergleich::vergleiche(datei, dump);
    m_vergleich = v;
    for (const QString& z : v.zeilen())
        log(z);
    if (v.gleich())
        return r;
    // The log holds the verdict and the addresses already; the box only says it.
    r = TransferResult::failed(QCoreApplication::translate("vantrel", "Eeprom Vergleich"),
                               v.zusammenfassung());
    // The dump itself went well; the transfer's "Fertig" is not the verdict.
    if (m_bediener) {
        m_bediener->status(
            QCoreApplication::translate("vantrel", "Unterschiede: %1 Bytes").arg(v.unterschiede()));
        m_bediener->meldung(Bediener::Box::Warnung, r.title, r.text);
    }
    return r;
}

TransferResult Geraet::eepromVergleichen(const QString& datei) {
    m_vorgang = {};
    pruefungBeginnen();
    if (rs232offen())
        m_link->leeren();
    QString name = datei;
    QByteArray inhalt;
    // No program's clean-up takes the file away while it is compared.
    std::optional<download::Lesesperre> sperre;
    const auto lesen = [&]() {
        sperre.emplace(name);
        TransferResult r = download::eepromDateiLesen(name, &inhalt);
        melden(r, true);
        return r;
    };
    // A file named on the command line is read before anything is asked.
    if (!name.isEmpty()) {
        if (const TransferResult r = lesen(); !r.ok())
            return r;
    }
    const Hinweis h = hinweis::eeVergleich(false);
    if (!bestaetigt(h))
        return abgelehnt();
    if (name.isEmpty()) {
        name = binDateiWaehlen(
            Bediener::Wahl::Oeffnen,
            QCoreApplication::translate("vantrel", "ExEeprominhalt vergleichen", "FileDialog"));
        if (name.isEmpty())
            return TransferResult::canceled();
        if (const TransferResult r = lesen(); !r.ok())
            return r;
    }
    m_vorgang.datei = name;
    m_vorgang.bytes = inhalt.size();
    m_quelle = name;
    fingerabdruck(QStringLiteral("file"), name, inhalt);
    return mitDumpVergleichen(inhalt);
}

TransferResult Geraet::vergleichNachSchreiben(const QByteArray& geschrieben) {
    if (!einst.nachschreibenvergleichen)
        return TransferResult::done();
    // What the set sent before it was asked to dump is no part of the dump.
    if (rs232offen())
        m_link->leeren();
    if (!bestaetigt(hinweis::eeVergleich(true))) {
        log(QCoreApplication::translate(
            "vantrel", "Eeprom-Vergleich nach dem Schreiben abgebrochen - nichts verglichen!"));
        return abgelehnt();
    }
    return mitDumpVergleichen(geschrieben);
}

void Geraet::pruefungBeginnen() {
    m_beginn = QDateTime::currentDateTimeUtc();
    m_vergleich.reset();
    m_fingerabdruecke.clear();
    m_sicherung.clear();
    m_quelle.clear();
}

TransferResult Geraet::sichernVorSchreiben(bool an, Herkunft herkunft) {
    if (!an)
        return TransferResult::done();
    using download::EepromVerlauf;
    const QString ordner = sicherungsordner();
    // The name is taken by creating its ".partial": two runs in the same second (two sets on
    // two ports) never share one. The dump goes into the partial file and takes the backup's
    // name only when it is whole, so a run killed meanwhile leaves no backup that is none.
    // Where it cannot be made, the set is not even asked: a dump that cannot be kept would
    // let the write go ahead without one.
    QString name = EepromVerlauf::platzNehmen(ordner, profil(), QStringLiteral(".bin"), true);
    QFile platz(name + QStringLiteral(".partial"));
    if (name.isEmpty() || !platz.open(QIODevice::WriteOnly | QIODevice::ExistingOnly)) {
        if (!name.isEmpty())
            platz.remove();
        log(QCoreApplication::translate("vantrel",
                                        "Keine Sicherung moeglich - nichts geschrieben!"));
        return speicherfehler(
            name.isEmpty() ? EepromVerlauf::ersterName(ordner, profil(), QStringLiteral(".bin"))
                           : name);
    }
    struct Platzhalter {
        QString pfad;
        bool behalten = false;
        ~Platzhalter() {
            if (!behalten)
                QFile::remove(pfad);
        }
    } platzhalter{platz.fileName()};
    if (rs232offen())
        m_link->leeren();
    if (!bestaetigt(hinweis::eeSicherungVorSchreiben())) {
        log(QCoreApplication::translate(
            "vantrel", "Sicherung vor dem Schreiben abgebrochen - nichts geschrieben!"));
        return abgelehnt();
    }
    // The dump streams into the partial file as it comes.
    QByteArray dump;
    bool gesichert = true;
    const TransferResult r =
        dumpEmpfangen(QCoreApplication::translate("vantrel", "Eeprom vor dem Schreiben sichern"),
                      &dump, [&](const QByteArray& stueck) {
                          gesichert =
                              gesichert && platz.write(stueck) == stueck.size() && platz.flush();
                      });
    if (!r.ok()) {
        // What arrived is kept under a name of its own: it is not a backup to go back to.
        if (!dump.isEmpty())
            dumpAblegen(herkunft, dump, false);
        melden(r, false);
        log(QCoreApplication::translate(
            "vantrel", "Sicherung vor dem Schreiben nicht vollstaendig - nichts geschrieben!"));
        return r;
    }
    // Renamed without replacing: a file that took the name meanwhile stays, and the whole
    // dump gets the next free one.
    platz.close();
    bool ok = gesichert && platz.error() == QFile::NoError;
    if (ok && !QFile::rename(platz.fileName(), name)) {
        name = EepromVerlauf::platzNehmen(ordner, profil(), QStringLiteral(".bin"));
        ok = !name.isEmpty() && dateiSchreiben(name, dump);
        if (!ok && !name.isEmpty())
            QFile::remove(name);
    }
    if (!ok) {
        log(QCoreApplication::translate("vantrel",
                                        "Keine Sicherung moeglich - nichts geschrieben!"));
        return speicherfehler(name);
    }
    m_sicherung = name;
    log(QCoreApplication::translate("vantrel", "Eeprom-Sicherung vor dem Schreiben in Datei \"%1\"")
            .arg(name));
    fingerabdruck(QStringLiteral("backup"), name, dump);
    verzeichnen(herkunft, name, dump, true);
    sicherungenAufraeumen();
    return r;
}

void Geraet::verzeichnen(Herkunft herkunft, const QString& datei, const QByteArray& dump,
                         bool vollstaendig) {
    download::VerlaufEintrag e;
    e.zeit = QDateTime::currentDateTimeUtc();
    e.bytes = dump.size();
    e.vollstaendig = vollstaendig;
    e.sha256 = download::sha256(dump);
    e.herkunft = herkunft;
    e.port = einst.rs232;
    e.datei = datei;
    QString fehler;
    if (!verlauf().eintragen(e, &fehler))
        log(fehler);
}

QString Geraet::dumpAblegen(Herkunft herkunft, const QByteArray& dump, bool vollstaendig) {
    const QString name = download::EepromVerlauf::platzNehmen(
        sicherungsordner(), profil(),
        vollstaendig ? QStringLiteral(".bin") : QStringLiteral(".partial.bin"));
    if (name.isEmpty() || !dateiSchreiben(name, dump)) {
        if (!name.isEmpty())
            QFile::remove(name);
        log(QCoreApplication::translate(
            "vantrel", "Der Eeprom-Inhalt kann nicht im Verlauf abgelegt werden!"));
        return {};
    }
    log(QCoreApplication::translate("vantrel", "Eeprom-Inhalt (%1 Bytes) abgelegt in Datei \"%2\"")
            .arg(dump.size())
            .arg(name));
    verzeichnen(herkunft, name, dump, vollstaendig);
    // Part of a dump is no backup to go back to: it never pushes a whole one out.
    if (vollstaendig)
        sicherungenAufraeumen();
    return name;
}

void Geraet::sicherungenAufraeumen() {
    // Only what the history says this program made goes, oldest by recorded time; the one
    // just made, the file this operation reads, what is younger than this operation, what
    // another program has just recorded and a file changed since are kept.
    QString fehler;
    const download::EepromVerlauf::Aufraeumen a =
        verlauf().aufraeumen(kSicherungenBehalten, m_beginn, {m_sicherung, m_quelle}, &fehler);
    if (!fehler.isEmpty())
        log(fehler);
    for (const QString& pfad : a.entfernt)
        log(QCoreApplication::translate("vantrel", "Alte Sicherung \"%1\" entfernt").arg(pfad));
    for (const QString& pfad : a.nichtEntfernt)
        log(QCoreApplication::translate("vantrel",
                                        "Alte Sicherung \"%1\" kann nicht entfernt werden")
                .arg(pfad));
    for (const QString& pfad : a.veraendert)
        log(QCoreApplication::translate("vantrel",
                                        "Alte Sicherung \"%1\" wurde veraendert und bleibt")
                .arg(pfad));
}
