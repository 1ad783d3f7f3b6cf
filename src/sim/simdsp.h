// The running DSP of the simulated set as the calibration and the monitor see it: the status
// telegram stream (on with command 52 value 2, off with value 1) and the levels it reports.
// A small receiver model stands behind the telegram: the AD603 on the IF board follows the DAC
// step of command 107 along a monotone gain curve of about 40 dB, the IF level is the noise
// and the input signal amplified by it, the S-meter reads the antenna level corrected by the
// last setting of command 67, and command 57 comes back as the echo code. Transmit, hang and
// spike are set by hand, and garbage can be put on the line between telegrams.
// The telegram is built here byte by byte on its own; nothing is shared with the loader's
// decoder, so a fault there cannot hide behind the same fault here.
#pragma once

#include "simpart.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <array>
#include <random>

class QTimer;
class SimConsole;
class SimTransceiver;
struct SimFrame;

class SimDsp : public QObject, public SimPart {
    Q_OBJECT
public:
    static constexpr int dacstufen = 64;
    // The AD603's gain from DAC step 0 to step 63.
    static constexpr double gainbereich = 40.0;

    // Plugs into sim as the part of the running DSP; leaves again when destroyed.
    explicit SimDsp(SimTransceiver* sim, QObject* parent = nullptr);
    ~SimDsp() override;

    // A load or a PIC session resets the DSP: the stream stops and the settings that the
    // loader sent are gone (the levels the user set at the set stay).
    void enter() override;
    void leave() override;
    void byte(quint8, qint64) override {}

    // ---- the stream ------------------------------------------------------------------------
    // Time between two telegrams in ms (at least 1).
    void setPeriode(int ms);
    int periode() const { return m_periode; }
    bool streamAn() const { return m_streamAn; }
    // Telegrams put on the line since the set was made.
    int telegrammeGesendet() const { return m_gesendet; }
    // The 24 bytes (header and bytes 1..22) of the telegram the DSP would send now.
    QByteArray telegramm();

    // ---- the receiver model ----------------------------------------------------------------
    // The AD603's gain at DAC step d (0..63) in dB above step 0; monotone, 0 at step 0.
    static double ad603gain(int dacstufe);
    // A gain curve of the set's own in place of the model: 64 gains in dB above step 0, as a
    // worn or faulty IF board would show them; an empty list (or any other length) brings
    // the model back. Stays through a reset of the DSP, as the board does.
    void setAd603Kurve(const QList<double>& kurve);
    // The gain in force at DAC step d: the set's own curve, or the model.
    double verstaerkung(int dacstufe) const;
    // Noise and input signal as the IF level (dB as the level word shows it) at DAC step 63.
    // A signal below -100 dB counts as none.
    void setRauschpegel(double db) { m_rauschen = db; }
    void setSignalpegel(double db) { m_signal = db; }
    double rauschpegel() const { return m_rauschen; }
    double signalpegel() const { return m_signal; }
    // Random spread of each telegram's IF level, +-db (0: every telegram alike).
    void setSchwankung(double db) { m_schwankung = db; }
    // The IF level at DAC step d without the spread, and the level word it gives.
    double ifpegel(int dacstufe) const;
    int pegelwort(int dacstufe) const;
    // The DAC step in force: the one of command 107 (0..63), or the DSP's own choice
    // (autoDac) after 107 with 64 or more and at start.
    int dacstufe() const { return m_dacfest >= 0 ? m_dacfest : m_autodac; }
    void setAutoDac(int stufe) { m_autodac = qBound(0, stufe, 63); }

    // The S-meter: the level at the antenna in dBm, and the setting of command 67 at which
    // the S-meter reads right (-73 dBm gives 56 dB). Each step of the setting moves the
    // reading by half a dB.
    void setEingangDbm(double dbm) { m_eingang = dbm; }
    void setSmeterRichtig(int einstellung) { m_smrichtig = einstellung; }
    // The reading (byte 18) as it stands, and the S-meter count 0..12 of the bar segments.
    int smeterdb() const;
    int smeterstufe() const;
    // The last setting of command 67 in force (the right one until one came).
    int smeterEinstellung() const { return m_smeinstellung; }

    void setSenden(bool an) { m_senden = an; }
    void setHang(bool an) { m_hang = an; }
    void setSpike(bool an) { m_spike = an; }
    // The ADC setting shown in the high nibble of byte 20 until a command 57 came.
    void setAdcStufe(int stufe) { m_adcstufe = stufe & 0x0F; }
    // The microphone level while transmitting.
    void setMikrofonpegel(double db) { m_mikrofon = db; }

    // ---- what the loader sent --------------------------------------------------------------
    // Parameter values of frames 10..99, -1 where none came since the DSP started.
    int parameter(int nummer) const;
    // Values of command 67 in order of arrival.
    const QList<int>& smeterEinstellungen() const { return m_smliste; }
    // The echo code the telegrams carry now (the high nibble of byte 20).
    int echocode() const;
    // The last value of command 55 (IF calibration mode), -1 while none came.
    int zfmodus() const { return m_zfmodus; }

    // ---- faults ----------------------------------------------------------------------------
    // Bytes of garbage put on the line after each telegram; with kopfbytes also the 0x7E
    // that a header is made of.
    void setMuell(int bytes, bool kopfbytes = false);
    // Command 57 shows in the telegrams only this many telegrams after it came.
    void setEchoVerzoegerung(int telegramme) { m_echoverzoegerung = qMax(0, telegramme); }
    // Command 57 with this value is not understood (-1: every value is).
    void setEchoTaub(int wert) { m_echotaub = wert; }

    // The words of talvaro-sim for the person at the set: "telegramme <ms>|an|aus",
    // "signal <dB>|aus", "rauschen <dB>", "eingang <dBm>", "senden an|aus", "hang an|aus",
    // "spike an|aus", "muell <n>".
    void addCommands(SimConsole& console);

signals:
    void telegrammGesendet(const QByteArray& telegramm);

private:
    void frame(const SimFrame& f);
    void senden();
    void streamSchalten(bool an);
    void zuruecksetzen();
    static int wortfuer(double db);

    SimTransceiver* m_sim;
    QTimer* m_timer;
    std::mt19937 m_zufall{4711};
    int m_periode = 60;
    bool m_streamAn = false;
    int m_gesendet = 0;

    QList<double> m_ad603kurve;
    double m_rauschen = 24.0;
    double m_signal = -200.0;
    double m_schwankung = 0.0;
    int m_dacfest = -1;
    int m_autodac = 63;
    double m_eingang = -73.0;
    int m_smrichtig = 135;
    int m_smeinstellung = 135;
    bool m_senden = false;
    bool m_hang = false;
    bool m_spike = false;
    int m_adcstufe = 2;
    double m_mikrofon = 50.0;

    std::array<int, 100> m_parameter{};
    QList<int> m_smliste;
    int m_echo = -1;
    int m_echoNeu = -1;
    int m_echoAb = 0;
    int m_zfmodus = -1;

    int m_muell = 0;
    bool m_muellKopf = false;
    int m_echoverzoegerung = 0;
    int m_echotaub = -1;
};
