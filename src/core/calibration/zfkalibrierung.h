// The IF-gain calibration of the AD603 as a sequence of 24 steps: it loads the standard
// parameters, tests both directions of the line by an echo, guides the person through the
// trimmers RV1 and RV2, measures noise, test signal and minimum gain, sweeps the 64 DAC
// steps and, once the curve passed its check or the person accepted its doubts, writes the
// gain table as "AD603_1.dat" in the configuration folder and as the profile's AD603 file.
// Driven by weiter() (the button) and by the telegrams it listens to.
#pragma once

#include "ad603.h"
#include "kalibrierung.h"
#include "zfmessung.h"

#include <QList>
#include <QPointF>

class ZfKalibrierung : public Kalibrierung {
    Q_OBJECT
public:
    ZfKalibrierung(Geraet& geraet, KalSender& sender, QObject* parent = nullptr);

    QString name() const override;
    void weiter() override;

    // The measurement state: requests, the sweep's curve and which steps it measured.
    const ZfMessung& messung() const { return m_messung; }
    // The level of the test signal (step 11).
    double pegelmax() const { return m_pegelmax; }
    const Ad603Tabelle& tabelle() const { return m_tabelle; }
    // The profile's table as it stood when the sweep began, as (DAC step, dB) points.
    const QList<QPointF>& alteTabelle() const { return m_alteTabelle; }
    // Where "AD603_1.dat" goes; the working directory (the configuration folder) if empty.
    void setOrdner(const QString& ordner) { m_ordner = ordner; }
    // The full name of "AD603_1.dat" in that folder.
    QString ad603eins() const;

    // For tests and benches that start at a later step: the step the next click runs and
    // the measurement state it finds there.
    void setSchritt(int schritt) { m_schritt = schritt; }
    ZfMessung& messungFuerTest() { return m_messung; }

signals:
    // The sweep stored a step (or began): the curve is to be drawn again.
    void kurveGeaendert();
    // The profile's table was read as the sweep began.
    void alteTabelleGelesen();

protected:
    bool misst() const override { return m_messung.messung; }
    void telegramm(const TDspDaten& daten) override;
    void intro() override;
    QString fehlertitel() const override;

private:
    bool laden();
    void alteTabelleLesen();
    // Checks the sweep's curve and table; with a doubt the person decides. True when the
    // table is to be written.
    bool kurvepruefen();
    bool speichern(const QString& pfad);

    ZfMessung m_messung;
    double m_pegelmax = 0;
    Ad603Tabelle m_tabelle{};
    QList<QPointF> m_alteTabelle;
    QString m_ordner;
};
