// The page "S-Meter-Kalibrierung": the S-meter bar, the calibration's step text and
// buttons, the group "Kalibriereinstellungen" with its 26 boxes and the chart of the table.
// It shows the state of the session's S-meter calibration, hands it the clicks and the
// boxes' values, and paces the live sending with its 200 ms timer.
#pragma once

#include "app/arbeit.h"
#include "calibration/smeterwerte.h"

#include <QWidget>

class Geraet;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTextEdit;
class QTimer;
class SmKalibrierung;
class SmKurve;

class SmKalSeite : public QWidget, public Arbeit {
    Q_OBJECT
public:
    SmKalSeite(Geraet& geraet, QWidget* parent = nullptr);
    ~SmKalSeite() override;

    // Tuning at the "SAVE Daten" step that the file does not hold yet.
    QString ungesichert() const override;
    // "SAVE Daten".
    bool sichern() override;
    // Settings still waiting for their tick go out.
    void abschliessen() override;
    void anhalten() override;

public slots:
    void clicksmstep();
    void clicksmabbruch();
    void geaendertsm();
    void tstopsmbef();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void zustandzeigen();
    void wertezeigen();
    void kurvezeigen();

    Geraet& m_geraet;
    SmKalibrierung& m_kal;
    QProgressBar* smbar = nullptr;
    QTextEdit* smtext = nullptr;
    QPushButton* bsmstep = nullptr;
    QPushButton* bsmabbruch = nullptr;
    QLabel* smlabel = nullptr;
    QGroupBox* gbkal = nullptr;
    QSpinBox* smwert[SmeterWerte::zeilen] = {};
    SmKurve* smkurve = nullptr;
    QTimer* smbeftimer = nullptr;
    // A tick is sending; one from inside its pacing would look at the same values.
    bool m_sendet = false;
    // The file's values are being put into the boxes.
    bool m_zeigt = false;
};
