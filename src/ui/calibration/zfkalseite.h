// The page "ZF-Kalibrierung (AD603)": the IF level bar, the calibration's step text, its
// two buttons and the chart of the sweep against the table in force. It shows the state of
// the session's IF calibration and hands it the clicks.
#pragma once

#include <QWidget>

class Geraet;
class QChartView;
class QLabel;
class QLineSeries;
class QProgressBar;
class QPushButton;
class QTextEdit;
class ZfKalibrierung;

class ZfKalSeite : public QWidget {
    Q_OBJECT
public:
    ZfKalSeite(Geraet& geraet, QWidget* parent = nullptr);

public slots:
    void clickifstep();
    void clickifabbruch();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void bauekurve();
    void zustandzeigen();
    void kurvezeigen();
    void tabellezeigen();

    Geraet& m_geraet;
    ZfKalibrierung& m_kal;
    QProgressBar* zfbar = nullptr;
    QTextEdit* zftext = nullptr;
    QPushButton* bzfstep = nullptr;
    QPushButton* bzfabbruch = nullptr;
    QLabel* zflabel = nullptr;
    QChartView* zfkurve = nullptr;
    QLineSeries* zfmesspunkte = nullptr;
    QLineSeries* zftabellenpunkte = nullptr;
};
