// The S-meter calibration as a sequence of four steps: it loads the S-meter file and the
// user parameters into the DSP, switches its telegrams on, lets the person tune the 26
// settings live (one command 67 per 200 ms tick of the page) while the S-meter byte is
// shown, and writes the settings back to the file, keeping the old one as ".bak".
#pragma once

#include "kalibrierung.h"
#include "smeterwerte.h"

#include <array>
#include <optional>

class SmKalibrierung : public Kalibrierung {
    Q_OBJECT
public:
    SmKalibrierung(Geraet& geraet, KalSender& sender, QObject* parent = nullptr);

    QString name() const override;
    void weiter() override;

    // The group "Kalibriereinstellungen" may be edited (from the first telegram on).
    bool gruppeFrei() const { return m_gruppeFrei; }
    // The values the boxes show, and those last sent (scalnf, scalip3, scaldds).
    const SmeterWerte& boxen() const { return m_boxen; }
    const SmeterWerte& gesendet() const { return m_gesendet; }
    // What the file gave, line by line (nothing where a line was missing or unreadable).
    const std::array<std::optional<int>, SmeterWerte::zeilen>& datei() const { return m_datei; }
    // The file was read: from then on changes go to the DSP.
    bool scalgeladen() const { return m_scalgeladen; }
    const QStringList& scalzeilen() const { return m_scalzeilen; }

    // A box changed: true when it is to go to the DSP (the page starts its 200 ms timer).
    bool setzeBox(int zeile, int wert);
    // One tick of the live sending: at most one setting goes out (NF row, IP3 row, dB row,
    // each in column order); one the line did not take stays unsent. False when none
    // differed: the page stops its timer.
    bool abgleichen();
    // Reads the profile's S-meter file into the boxes and the last-sent values; false (and
    // its box and log line; the calibration goes on) when it cannot be opened.
    bool dateilesen();

signals:
    // The file's values were read into the boxes.
    void werteGelesen();

protected:
    void telegramm(const TDspDaten& daten) override;
    // The tuning is the person's work: a silence or a drop does not take it away.
    bool endetBeiStille() const override { return false; }
    void intro() override;
    QString fehlertitel() const override;

private:
    bool laden();
    QString scalname() const;

    SmeterWerte m_boxen;
    SmeterWerte m_gesendet;
    std::array<std::optional<int>, SmeterWerte::zeilen> m_datei{};
    QStringList m_scalzeilen;
    bool m_scalgeladen = false;
    // The profile of the last run, whose scal.dat the values came from (-1: none yet).
    int m_wertProfil = -1;
    bool m_gruppeFrei = false;
    bool m_parameterzeilen = false;
};
