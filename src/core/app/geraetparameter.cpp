// The session's parameter table: the column shown and sent, live edits, the files it is
// read from and saved to, the read-back and the parameter block.
#include "app/geraet.h"

#include "app/bediener.h"
#include "app/dateischreiben.h"
#include "control/dspbefehl.h"
#include "download/datensatz.h"
#include "download/dspdownload.h"
#include "download/eeprombackup.h"
#include "download/firmwarefile.h"
#include "download/hinweistexte.h"
#include "download/ladefehler.h"
#include "download/linereader.h"
#include "download/picdownload.h"
#include "download/picparameterblock.h"
#include "download/transferhelfer.h"
#include "link/leitungswache.h"
#include "link/link.h"
#include "link/modem.h"
#include "link/progress.h"
#include "parameters/parametereditor.h"
#include "parameters/parameterempfang.h"
#include "parameters/parameterfile.h"
#include "parameters/parametervergleich.h"
#include "parameters/parameterwriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTimer>

namespace {

QString trennlinie() {
    return QStringLiteral("---------------------------------");
}

} // namespace

// ---- the column and live edits -------------------------------------------------------------

void Geraet::aenderungenUebernehmen() {
    // A part may leave or come while another sends (its frames pump events).
    const QList<Arbeit*> arbeiten = m_arbeiten;
    for (Arbeit* a : arbeiten)
        if (m_arbeiten.contains(a))
            a->abschliessen();
}

void Geraet::spalteSetzen(const Spalte& s) {
    aenderungenUebernehmen();
    m_spalte = s;
    ++m_spaltenwechsel;
    emit spalteGewechselt();
}

TransferResult Geraet::spalteWaehlen(const Spalte& s) {
    spalteSetzen(s);
    return parameterSenden(m_spalte);
}

int Geraet::editOben(int i) const {
    if (i < parameter::kErste || i > parameter::kLetzte)
        return 0;
    return parameter::editBereich(parametertabelle[size_t(i)], m_spalte.modus, m_spalte.bank).oben;
}

QList<std::pair<int, int>> Geraet::parameterAendern(const QList<std::pair<int, int>>& rohwerte) {
    QList<std::pair<int, int>> faellig;
    if (!paramgeladen)
        return faellig;
    bool user = m_paramgeaendert;
    bool x = xparamgeaendert;
    for (const auto& [i, roh] : rohwerte) {
        if (i < parameter::kErste || i > parameter::kLetzte)
            continue;
        // The S-meter calibration owns 68 and above while it runs; 68 is still stored.
        if (smkalaktiv && i > kSmKalErster)
            break;
        TParameter& p = parametertabelle[size_t(i)];
        const int r = parameter::editBereich(p, m_spalte.modus, m_spalte.bank).begrenzt(roh);
        const int vorher = parameter::speichereWert(p, m_spalte.modus, m_spalte.bank, r);
        if (smkalaktiv && i == kSmKalErster)
            break;
        if (r == vorher || vorher == TParameter::fehlt)
            continue;
        (p.xparam ? x : user) = true;
        faellig.append({i, r & 0xFF});
    }
    setParamGeaendert(user, x);
    return faellig;
}

TransferResult Geraet::framesSenden(const QList<std::pair<int, int>>& frames) {
    TransferResult r;
    if (frames.isEmpty() || !leitung(&r))
        return r;
    const int spalte = m_spaltenwechsel;
    const bool offen = rs232offen();
    const quint64 verworfen = m_link->verworfen();
    for (const auto& [nummer, wert] : frames) {
        // Another column was shown meanwhile and went out as a whole block: a frame of the
        // old one after it would leave the set with a mix of both.
        if (spalte != m_spaltenwechsel)
            break;
        m_link->dspframe(nummer, wert);
    }
    if (offen && download::leitungWeg(*m_link))
        return download::unterbrochen();
    // A cancel ended the wait for room in a full queue: the frame never went out.
    if (m_link->verworfen() != verworfen)
        return TransferResult::canceled();
    return r;
}

// ---- saving the table ----------------------------------------------------------------------

TransferResult Geraet::parameterSpeichern(const QString& ziel) {
    const QByteArray bytes = parameter::parameterDatei(parametertabelle, parameter::DateiArt::User);
    if (!dateiSchreiben(ziel, bytes))
        return speicherfehler(ziel);
    setParamGeaendert(false, xparamgeaendert);
    return TransferResult::done();
}

TransferResult Geraet::xParameterSpeichern(const QString& ziel) {
    const bool ok =
        dateiSchreiben(ziel, parameter::parameterDatei(parametertabelle, parameter::DateiArt::X));
    TransferResult r = ok ? TransferResult::done() : speicherfehler(ziel);
    // The table goes beside the configured X-parameter file, wherever this one was saved;
    // should the person have saved onto the table's own name, it steps aside once more.
    QString tabelle = parameter::xTabellenName(einst.xparameterfilename[size_t(profil())]);
    if (QFileInfo(tabelle).absoluteFilePath() == QFileInfo(ziel).absoluteFilePath())
        tabelle += QLatin1String(".dat");
    if (!dateiSchreiben(tabelle, parameter::xParameterTabelle(parametertabelle)))
        return speicherfehler(tabelle);
    // Only a save that wrote both files counts: the changes are kept until then.
    if (ok)
        setParamGeaendert(m_paramgeaendert, false);
    return r;
}

// ---- loads ---------------------------------------------------------------------------------

bool Geraet::parameterDateiLesen(const QString& path) {
    const auto paramlog = [this](const QString& s) {
        log(s);
        emit parameterzeile(s);
    };
    // A file without one parameter line (empty, cut off, not a parameter file) would leave
    // the table as the reset left it: 255 everywhere, sent as if chosen.
    QStringList zeilen;
    if (TransferResult fehler = leseParameterDatei(path, &zeilen); !fehler.ok()) {
        fehler = mitHerkunft(fehler);
        m_ladefehler = fehler;
        if (m_bediener)
            m_bediener->meldung(Bediener::Box::Kritisch, fehler.title, fehler.text);
        paramlog(fehler.text);
        dateifehler = true;
        m_parameterFehler = fehler;
        return false;
    }
    paramlog(parameterFileLogLine(int(zeilen.size())));
    applyParameterLines(parametertabelle, zeilen, ladequelle != 0, paramlog);
    // Once some data file of this load failed, the table may be incomplete: it is not
    // offered for use.
    if (!dateifehler) {
        // The X file's load leaves the user file's changes unsaved, and the other way round.
        geladenMelden(ladequelle == 0, ladequelle != 0);
    } else if (paramgeladen) {
        // The table now holds part of a failed load: no longer offered for use.
        paramgeladen = false;
        emit parameterGesperrt();
    }
    return true;
}

void Geraet::geladenMelden(bool user, bool x) {
    paramgeladen = true;
    // What the table holds now is what that file holds.
    setParamGeaendert(m_paramgeaendert && !user, xparamgeaendert && !x);
    emit parameterGeladen();
}

TransferResult Geraet::bereichEmpfangen(const QString& ziel, QStringList* zeilen,
                                        QByteArray* empfang) {
    // The parameter file gives names, scales, pages and X marks, and the target must take
    // the result: both are looked at before the set is asked to send. Without one named
    // parameter the area would be received only to be dropped.
    const QString pfad = einst.parameterfilename[size_t(profil())];
    if (TransferResult r = leseParameterDatei(pfad, zeilen); !r.ok()) {
        melden(r, true);
        return r;
    }
    if (!ziel.isEmpty() && !zielSchreibbar(ziel))
        return speicherfehler(ziel);
    // Emptied before the box: once it is shown, the set may send, and nothing of that may
    // be lost.
    if (rs232offen())
        m_link->leeren();
    const Hinweis h = hinweis::param2pc();
    if (!bestaetigt(h))
        return abgelehnt();
    TransferResult r;
    if (!leitung(&r))
        return r;
    auto progress =
        fortschritt(QCoreApplication::translate("vantrel", "Parameter in Datei Speichern"), 0,
                    parameter::kBereichGroesse, byteMs(0));
    log(QCoreApplication::translate("vantrel", "Parameter vom Vesk lesen"));
    log(trennlinie());
    r = parameter::bereichempfangen(*m_link, *progress, empfang);
    progress->ergebnis(r);
    progress->finish();
    if (!r.ok()) {
        melden(r, false);
        return r;
    }
    log(QCoreApplication::translate("vantrel", "Fertig"));
    log(trennlinie());
    return r;
}

TransferResult Geraet::parameterLesen(const QString& ziel) {
    m_vorgang = {};
    QStringList zeilen;
    QByteArray empfang;
    const TransferResult r = bereichEmpfangen(ziel, &zeilen, &empfang);
    if (!r.ok())
        return r;

    // The area arrived whole: it is applied whatever an earlier load left behind.
    aenderungenUebernehmen();
    smkalaktiv = false;
    ladequelle = 0;
    dateifehler = false;
    m_ladefehler = {};
    const auto paramlog = [this](const QString& s) {
        log(s);
        emit parameterzeile(s);
    };
    paramlog(parameterFileLogLine(int(zeilen.size())));
    applyParameterLines(parametertabelle, zeilen, false, paramlog);
    // The device's values then replace the file's values of 10..99, exactly as they came.
    parameter::uebernehmeBereich(parametertabelle, empfang.left(parameter::kBereichGroesse));
    geladenMelden(true, true);
    // The set's values are not in any file yet.
    setParamGeaendert(true, xparamgeaendert);
    if (!ziel.isEmpty()) {
        const QByteArray bytes =
            parameter::parameterDatei(parametertabelle, parameter::DateiArt::User);
        if (!dateiSchreiben(ziel, bytes))
            return speicherfehler(ziel);
        m_vorgang.datei = ziel;
        m_vorgang.bytes = bytes.size();
        log(QCoreApplication::translate("vantrel",
                                        "Parameter-Datei: %1 Bytes in Datei \"%2\" gespeichert")
                .arg(bytes.size())
                .arg(ziel));
    }
    return r;
}

TransferResult Geraet::parameterSenden(const Spalte& spalte) {
    TransferResult r;
    if (paramgeladen && !leitung(&r))
        return r;
    // While the monitor window listens, the block must not switch the telegrams off.
    const bool monitor = spalte.monitor || liest(Leser::Monitor);
    // The progress counts frames, the block's opening and closing ones included, as they go.
    const QList<parameter::Frame> block =
        parameter::parameterFrames(parametertabelle, spalte.modus, spalte.bank, monitor);
    auto progress =
        fortschritt(QCoreApplication::translate("vantrel", "Parameter-Laden"), 0, int(block.size()),
                    3 * byteMs(m_link->paramDelay()), QStringLiteral("Frames"));
    if (!paramgeladen) {
        progress->finish();
        return TransferResult::done();
    }
    // A line that drops meanwhile is marked closed at once: it was open, so it broke off.
    const bool offen = rs232offen();
    // Frames that went on the line, not those meant to: after a drop none go.
    int frames = 0;
    const QMetaObject::Connection zaehler =
        connect(m_link, &Link::frameSent, this, [&frames] { ++frames; });
    // The block is one transfer: frames that other editors start meanwhile wait until it is
    // closed. Begun from inside another transfer, the frames queue behind that one instead.
    // A cancel does not end it: a block cut short would leave the DSP with a mix of two
    // columns.
    const bool eigene = m_link->beginTransfer();
    // Not even in a full driver queue: its frames then wait in the port's buffer.
    const Link::Ganz ganz(*m_link);
    progress->setValue(0);
    for (qsizetype k = 0; k < block.size(); ++k) {
        m_link->dspframe(block[k].first, block[k].second);
        progress->setValue(int(k + 1));
    }
    disconnect(zaehler);
    if (eigene)
        m_link->endTransfer();
    progress->finish();
    m_vorgang.frames = frames;
    // Frames to a port that went away are lost without a word; say so.
    if (offen && download::leitungWeg(*m_link))
        return download::unterbrochen();
    // Interrupted (talvaro-cli's Ctrl-C): the block ran to its end, and the run still did
    // not finish as asked.
    if (m_bediener && m_bediener->aufgegeben())
        return TransferResult::canceled();
    return TransferResult::done();
}

bool Geraet::userParameterLaden() {
    if (!ruhigSonstMelden(QCoreApplication::translate("vantrel", "Parameter laden")))
        return false;
    aenderungenUebernehmen();
    smkalaktiv = false;
    ladequelle = 0;
    dateifehler = false;
    m_ladefehler = {};
    return parameterDateiLesen(einst.parameterfilename[size_t(profil())]);
}

bool Geraet::kalParameterLaden(bool smeter) {
    aenderungenUebernehmen();
    // Edits made since START would be overwritten by this load: asked about again.
    if ((m_paramgeaendert || xparamgeaendert) && !aenderungenSichern())
        return false;
    smkalaktiv = smeter;
    ladequelle = 0;
    // A load of its own: a missing S-meter file just reported is not the parameter file's
    // failure, and must not keep the table from the panel.
    dateifehler = false;
    return parameterDateiLesen(smeter ? einst.parameterfilename[size_t(profil())]
                                      : einst.standardparameterfilename[size_t(profil())]);
}

void Geraet::kalParameterSetzen(int nummer, int wert, bool sperren) {
    if (nummer < parameter::kErste || nummer > parameter::kLetzte)
        return;
    parametertabelle[size_t(nummer)].ssbgreen = wert;
    emit kalibrierparameter(nummer, wert, sperren);
}

void Geraet::kalibrierungEnde() {
    smkalaktiv = false;
    paramreset();
    emit kalibrierungBeendet();
}

bool Geraet::xParameterLaden() {
    if (!ruhigSonstMelden(QCoreApplication::translate("vantrel", "X-Parameter laden")))
        return false;
    aenderungenUebernehmen();
    ladequelle = 1;
    // A load of its own: what failed before it (another file, an equalizer) is not its
    // failure.
    dateifehler = false;
    m_ladefehler = {};
    const bool ok = parameterDateiLesen(einst.xparameterfilename[size_t(profil())]);
    ladequelle = 0;
    return ok;
}

TransferResult Geraet::parameterDateiSenden(const Spalte& spalte) {
    m_vorgang = {};
    if (!userParameterLaden())
        return m_parameterFehler;
    TransferResult r = parameterSenden(spalte);
    melden(r, false);
    if (r.ok() && rs232offen())
        log(QCoreApplication::translate("vantrel", "parameter2dsp() Fertig!"));
    return r;
}

// ---- the set's parameters against a table ------------------------------------------------

TransferResult Geraet::parameterVergleichen(const QString& datei) {
    m_vorgang = {};
    m_abweichungen.clear();
    m_talvarowerte.reset();
    // The file to compare with is read before anything is asked of the person or the set.
    ParameterTabelle mit;
    if (datei.isEmpty()) {
        aenderungenUebernehmen();
        mit = parametertabelle;
    } else {
        resetParameterTabelle(mit);
        QStringList zeilen;
        if (TransferResult r = leseParameterDatei(datei, &zeilen); !r.ok()) {
            melden(r, true);
            return r;
        }
        applyParameterLines(mit, zeilen, false, [](const QString&) {});
        m_vorgang.datei = datei;
    }
    QStringList zeilen;
    QByteArray empfang;
    if (TransferResult r = bereichEmpfangen({}, &zeilen, &empfang); !r.ok())
        return r;
    ParameterTabelle namen;
    resetParameterTabelle(namen);
    applyParameterLines(namen, zeilen, false, [](const QString&) {});
    ParameterTabelle set;
    resetParameterTabelle(set);
    parameter::uebernehmeBereich(set, empfang.left(parameter::kBereichGroesse));
    m_abweichungen = parameter::vergleiche(mit, set, namen);
    if (datei.isEmpty())
        m_talvarowerte = set;
    log(m_abweichungen.isEmpty()
            ? QCoreApplication::translate("vantrel", "Parameter-Vergleich: gleich")
            : QCoreApplication::translate("vantrel", "Parameter-Vergleich: %1 Unterschiede")
                  .arg(m_abweichungen.size()));
    return TransferResult::done();
}

bool Geraet::talvaroWerteUebernehmen() {
    if (!m_talvarowerte || !paramgeladen)
        return false;
    aenderungenUebernehmen();
    parameter::setWerteUebernehmen(parametertabelle, *m_talvarowerte);
    m_talvarowerte.reset();
    m_abweichungen.clear();
    emit parameterGeladen();
    // Only the panel has them now: unsaved, and not sent (the set holds them already).
    setParamGeaendert(true, xparamgeaendert);
    return true;
}
