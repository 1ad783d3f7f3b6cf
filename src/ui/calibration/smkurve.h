// The S-meter table as a chart: per band the NF and IP3 corrections on the left axis, the
// four DDS deviations in dB on the right, the values being tuned as solid lines and the
// loaded file's as dashed lines of the same colour.
#pragma once

#include "calibration/smeterwerte.h"

#include <QtCharts/QChartView>
#include <array>
#include <optional>

class QLineSeries;

class SmKurve : public QChartView {
    Q_OBJECT
public:
    // spalten: the eleven bands, then the four DDS columns, as the page heads them.
    explicit SmKurve(const QStringList& spalten, QWidget* parent = nullptr);

    // The 26 values as the boxes show them, in file order.
    void setzeAktuell(const std::array<int, SmeterWerte::zeilen>& werte);
    // The file's values; a line the file did not give has no point. No file: no lines.
    void setzeDatei(const std::array<std::optional<int>, SmeterWerte::zeilen>& werte);

    // Series k (0 NF, 1 IP3, 2 dB) of the tuned values or, with datei, of the file's.
    const QLineSeries* reihe(int k, bool datei) const;

private:
    // Series d (0 the boxes, 1 the file) of every row from the 26 values in file order.
    void setze(size_t d, const std::array<std::optional<int>, SmeterWerte::zeilen>& werte);
    void achsenanpassen();
    std::array<std::array<QLineSeries*, 2>, 3> m_reihen{};
};
