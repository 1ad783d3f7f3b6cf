// The DSP's telegram stream as the session keeps it: one poll that reads everything the port
// has, finds every telegram in it and hands each to whoever listens (the monitor, the two
// calibrations, talvaro-cli's monitor); the stream on while one of them listens.
#include "app/geraet.h"

#include "calibration/smkalibrierung.h"
#include "calibration/zfkalibrierung.h"
#include "control/dspbefehl.h"
#include "download/transferhelfer.h"
#include "link/link.h"
#include "link/modem.h"
#include "monitor/dspdekoder.h"
#include "parameters/parametertransfer.h"

#include <QTimer>

namespace {
// A poll reads the port empty, but no more than this many chunks: the read buffer holds
// 4096 bytes, and a line that fills it faster than that is not a 9600 baud line.
constexpr int kStuecke = int(Modem::kLesepuffer / 128) + 1;
constexpr int kTelegrammAus = 1;
} // namespace

void Geraet::strombauen() {
    m_abfragetimer = new QTimer(this);
    m_abfragetimer->setObjectName(QStringLiteral("abfragetimer"));
    m_abfragetimer->setSingleShot(true);
    connect(m_abfragetimer, &QTimer::timeout, this, &Geraet::abfrage);
    connect(m_modem, &Modem::leitungWeg, this, [this] {
        if (stromAn())
            emit telegrammeAbgerissen();
    });
    KalSender& sender = *this;
    m_zfkal = new ZfKalibrierung(*this, sender, this);
    m_smkal = new SmKalibrierung(*this, sender, this);
    for (Kalibrierung* k :
         {static_cast<Kalibrierung*>(m_zfkal), static_cast<Kalibrierung*>(m_smkal)})
        connect(k, &Kalibrierung::beschaeftigtGeaendert, this, &Geraet::kalzustand);
}

// ---- what the calibrations send ------------------------------------------------------------

bool Geraet::frame(int nummer, int wert) {
    if (!rs232offen())
        return false;
    m_link->dspframe(nummer, wert);
    return !download::leitungWeg(*m_link);
}

bool Geraet::block(const QList<std::pair<int, int>>& frames, const std::function<bool()>& weiter) {
    for (const auto& [nummer, wert] : frames) {
        if (!weiter())
            return false;
        // A line that dropped takes no more frames: the block failed where it broke off,
        // and the reconnect closes what the DSP holds open.
        if (!frame(nummer, wert))
            return false;
        if (wert != 0)
            continue;
        for (size_t i = 0; i < dspbefehl::kSchalterBefehle.size(); ++i)
            if (dspbefehl::kSchalterBefehle[i] == nummer)
                emit schalterAus(int(i));
    }
    return true;
}

void Geraet::blockSchliessen() {
    if (m_blockOffen)
        frame(parameter::kCmdBlock, 0);
}

void Geraet::warten(int ms) {
    m_link->warten(ms);
}

void Geraet::blockVerfolgen(int nummer, int wert) {
    // Only a frame that reached the line counts: a close sent into a dropped line leaves
    // the DSP inside its block.
    if (nummer == parameter::kCmdBlock && m_modem->isOpen() && !m_modem->lineDropped())
        m_blockOffen = wert == 1;
}

void Geraet::offenenBlockSchliessen() {
    if (!rs232offen())
        return;
    if (m_blockOffen)
        m_link->dspframe(parameter::kCmdBlock, 0);
    // Who still listens (the S-meter tuning outlives a drop) asks the set again for the
    // stream, which a set that was switched off meanwhile no longer sends.
    if (stromAn())
        m_link->dspframe(parameter::kCmdTelegramm, parameter::kTelegrammEin);
}

void Geraet::kalzustand() {
    const bool laeuft = m_zfkal->beschaeftigt() || m_smkal->beschaeftigt();
    if (laeuft == m_kalLaeuft)
        return;
    m_kalLaeuft = laeuft;
    emit kalibrierungLaeuft(laeuft);
}

const Kalibrierung* Geraet::laufendeKalibrierung() const {
    if (m_zfkal->aktiv())
        return m_zfkal;
    if (m_smkal->aktiv())
        return m_smkal;
    return nullptr;
}

void Geraet::setAbfrageMs(int ms) {
    m_abfrageMs = qMax(1, ms);
}

void Geraet::loadcalcurve() {
    // A file that cannot be opened leaves the table as it is: the last file read, or zeros.
    ad603dateilesen(einst.ad603filename[size_t(profil())], m_monitorkurve);
}

void Geraet::lesen(Leser leser, bool an) {
    const int vorher = m_leser;
    if (an == liest(leser))
        return;
    if (an)
        m_leser |= int(leser);
    else
        m_leser &= ~int(leser);
    if (an) {
        if (leser == Leser::Monitor || leser == Leser::Programm)
            loadcalcurve();
        if (vorher == 0) {
            // Whatever came before the telegrams were switched on is not one of them.
            m_link->leeren();
            m_ring.neustart();
            m_abfragetimer->start(m_abfrageMs);
        }
        // Every reader that comes asks for the stream: a DSP that was reset meanwhile has it
        // off, and the frame costs the others nothing.
        m_link->dspframe(parameter::kCmdTelegramm, parameter::kTelegrammEin);
        if (vorher == 0 && stromAn())
            emit stromGeschaltet(true);
        return;
    }
    if (m_leser == 0) {
        m_abfragetimer->stop();
        m_link->dspframe(parameter::kCmdTelegramm, kTelegrammAus);
        emit stromGeschaltet(false);
    }
}

void Geraet::abfrage() {
    // A reader's step may wait or send, which pumps events: a poll from inside it would hand
    // on telegrams ahead of the ones this poll still holds. The outer poll re-arms.
    if (m_abfrageAktiv || !stromAn())
        return;
    // While a transfer owns the line, what arrives is its answer: left to it, and the poll
    // does not count as a silent one.
    if (m_link->transferActive()) {
        m_abfragetimer->start(m_abfrageMs);
        return;
    }
    m_abfrageAktiv = true;
    QList<Telegramm> neu;
    if (rs232offen()) {
        // Everything the port has, in chunks the ring takes without overwriting a byte it
        // has not searched yet.
        char puffer[Empfangsring::stueck];
        for (int i = 0; i < kStuecke; ++i) {
            const int n = m_link->readData(puffer, Empfangsring::stueck);
            if (n <= 0)
                break;
            m_ring.einlesen(puffer, n, &neu);
        }
    }
    ++m_abfragen;
    for (const Telegramm& t : std::as_const(neu)) {
        if (!stromAn())
            break;
        dspdatenfuellen(m_dspdaten, t, m_monitorkurve);
        emit telegramm(m_dspdaten);
    }
    m_abfrageAktiv = false;
    if (!stromAn())
        return;
    emit abgefragt(int(neu.size()));
    if (stromAn())
        m_abfragetimer->start(m_abfrageMs);
}

void Geraet::monitorAus() {
    // At the close-down: whoever listened, the stream goes off.
    m_leser = 0;
    m_abfragetimer->stop();
    m_link->leeren();
    m_link->dspframe(parameter::kCmdTelegramm, kTelegrammAus);
}

TransferResult Geraet::monitorLauf(int anzahl, const std::function<bool()>& vorbei,
                                   const std::function<void(const TDspDaten&)>& jedes) {
    m_vorgang = {};
    TransferResult r;
    if (!leitung(&r))
        return r;
    int gesehen = 0;
    const QMetaObject::Connection verbindung =
        connect(this, &Geraet::telegramm, this, [&](const TDspDaten& daten) {
            if (anzahl >= 0 && gesehen >= anzahl)
                return;
            jedes(daten);
            ++gesehen;
        });
    lesen(Leser::Programm, true);
    bool weg = false;
    while (!vorbei() && (anzahl < 0 || gesehen < anzahl)) {
        m_link->warten(20);
        if (download::leitungWeg(*m_link)) {
            weg = true;
            break;
        }
    }
    disconnect(verbindung);
    m_vorgang.frames = gesehen;
    const quint64 verworfen = m_link->verworfen();
    lesen(Leser::Programm, false);
    if (weg)
        return download::unterbrochen();
    // The stream-off kept from a full queue by the cancel: the set still sends, so the run
    // did not end as asked.
    if (m_link->verworfen() != verworfen)
        return TransferResult::canceled();
    return anzahl >= 0 && gesehen < anzahl ? TransferResult::canceled() : TransferResult::done();
}
