// The session's live control of the running DSP: command frames, function switches,
// sideband, and the equalizer curves with their files.
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
#include "parameters/parameterwriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTimer>

TransferResult Geraet::eqSenden(eqcurve::Side side, const eqcurve::Curve& kurve) {
    const QString label = side == eqcurve::Side::Rx
                              ? QCoreApplication::translate("vantrel", "RX Equalizer in DSP laden")
                              : QCoreApplication::translate("vantrel", "TX Equalizer in DSP laden");
    TransferResult r;
    if (!leitung(&r))
        return r;
    auto progress = fortschritt(label, 0, eqcurve::kBands, 3 * byteMs(m_link->paramDelay()) * 4,
                                QStringLiteral("Frames"));
    const bool offen = rs232offen();
    bool abgebrochen = false;
    const bool eigene = m_link->beginTransfer();
    Link::Abbruch abbruch(*m_link, progress.get());
    for (const auto& [nummer, w] : eqcurve::curveOpenFrames(side))
        m_link->dspframe(nummer, w);
    for (int k = 0; k < eqcurve::kBands; ++k) {
        progress->setValue(k);
        // A cancelled curve still gets its end command, so the DSP is not left waiting in
        // the middle of a transfer; the bands not sent keep their former gains there.
        if (progress->wasCanceled()) {
            abgebrochen = true;
            break;
        }
        for (const auto& [nummer, w] : eqcurve::curveBandFrames(kurve[size_t(k)]))
            m_link->dspframe(nummer, w);
    }
    const auto [nummer, w] = eqcurve::curveCloseFrame(side);
    {
        const Link::Ganz ganz(*m_link);
        m_link->dspframe(nummer, w);
    }
    if (eigene)
        m_link->endTransfer();
    progress->finish();
    if (offen && download::leitungWeg(*m_link)) {
        r = download::unterbrochen();
        melden(r, false);
        return r;
    }
    return abgebrochen ? TransferResult::canceled() : TransferResult::done();
}

bool Geraet::eqDateiLesen(eqcurve::Side side, eqcurve::Curve* kurve, QList<int>* werte) {
    const int p = profil();
    const QString name =
        side == eqcurve::Side::Rx ? einst.rxeqfilename[size_t(p)] : einst.txeqfilename[size_t(p)];
    QByteArray inhalt;
    if (const LineReader::Fehler f = LineReader::dateiLesen(name, &inhalt);
        f != LineReader::Fehler::Keiner) {
        ladefehler(lesefehler(name, f));
        return false;
    }
    const QList<int> gelesen = eqcurve::readCurve(inhalt);
    *kurve = eqcurve::Curve{};
    for (qsizetype k = 0; k < gelesen.size() && k < eqcurve::kBands; ++k)
        (*kurve)[size_t(k)] = gelesen[k];
    if (werte)
        *werte = gelesen;
    m_vorgang.datei = name;
    return true;
}

TransferResult Geraet::eqDateiSenden(eqcurve::Side side) {
    m_vorgang = {};
    eqcurve::Curve kurve{};
    if (!eqDateiLesen(side, &kurve)) {
        // The box said why; the result carries the same words.
        TransferResult r = m_ladefehler;
        r.datei = true;
        return r;
    }
    const TransferResult r = eqSenden(side, kurve);
    melden(r, false);
    return r;
}

TransferResult Geraet::befehl(int nummer, int wert) {
    return framesSenden({{nummer, wert}});
}

TransferResult Geraet::schalten(int i, bool an) {
    if (i < 0 || i >= int(dspbefehl::kSchalterBefehle.size()))
        return TransferResult::done();
    return framesSenden({{dspbefehl::kSchalterBefehle[size_t(i)], an ? 1 : 0}});
}

TransferResult Geraet::seitenband(bool cw, bool usb) {
    return framesSenden({{dspbefehl::kCmdSeitenband, dspbefehl::seitenbandwert(cw, usb)}});
}

TransferResult Geraet::eqBand(eqcurve::Side side, int band, int wert) {
    TransferResult r;
    if (!leitung(&r))
        return r;
    // A band update is four frames that belong together: as a transfer of its own, frames
    // that other editors start meanwhile wait until all four are out.
    const bool offen = rs232offen();
    const bool eigene = m_link->beginTransfer();
    for (const auto& [nummer, w] : eqcurve::bandFrames(side, band, wert))
        m_link->dspframe(nummer, w);
    if (eigene)
        m_link->endTransfer();
    if (offen && download::leitungWeg(*m_link))
        return download::unterbrochen();
    return r;
}

bool Geraet::uebertragungLaeuft() const {
    return m_link->transferActive();
}

int Geraet::letzteVerzoegerung() const {
    return m_link->lastDelay();
}
