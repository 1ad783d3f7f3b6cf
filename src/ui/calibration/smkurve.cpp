#include "smkurve.h"

#include <QPen>
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QChart>
#include <QtCharts/QLegend>
#include <QtCharts/QLegendMarker>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <algorithm>
#include <cmath>

namespace {
// Where a file line sits on the category axis: the NF and IP3 rows over the bands, the dB
// row over the four DDS columns that follow them.
int spalte(int zeile) {
    return zeile < SmeterWerte::baender ? zeile : zeile - SmeterWerte::baender;
}

int reihenr(int zeile) {
    return zeile < SmeterWerte::baender ? 0 : zeile < 2 * SmeterWerte::baender ? 1 : 2;
}
} // namespace

SmKurve::SmKurve(const QStringList& spalten, QWidget* parent) : QChartView(parent) {
    auto* chart = new QChart;
    chart->setMargins(QMargins(2, 2, 2, 2));
    chart->legend()->setAlignment(Qt::AlignBottom);
    // The legend draws each line as it is drawn: solid for the boxes, dashed for the file.
    chart->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
    auto* x = new QBarCategoryAxis;
    x->append(spalten);
    x->setLabelsAngle(-90);
    auto* links = new QValueAxis;
    links->setRange(70, 190);
    links->setTickType(QValueAxis::TicksDynamic);
    links->setTickAnchor(0);
    links->setTickInterval(20);
    links->setLabelFormat(QStringLiteral("%d"));
    links->setTitleText(tr("Einstellung"));
    auto* rechts = new QValueAxis;
    rechts->setRange(-60, 60);
    rechts->setTickType(QValueAxis::TicksDynamic);
    rechts->setTickAnchor(0);
    rechts->setTickInterval(20);
    rechts->setLabelFormat(QStringLiteral("%d"));
    rechts->setTitleText(tr("dB"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(links, Qt::AlignLeft);
    chart->addAxis(rechts, Qt::AlignRight);

    const QString namen[3] = {tr("NF"), tr("IP3"), tr("dB")};
    const QColor farben[3] = {QColor(0x1f, 0x5f, 0xbf), QColor(0xd0, 0x60, 0x10),
                              QColor(0x20, 0x90, 0x40)};
    for (int k = 0; k < 3; ++k) {
        for (int d = 0; d < 2; ++d) {
            auto* s = new QLineSeries;
            s->setName(d ? tr("%1 (Datei)").arg(namen[k]) : namen[k]);
            QPen pen(farben[k]);
            pen.setWidthF(d ? 1.5 : 2.5);
            pen.setStyle(d ? Qt::DashLine : Qt::SolidLine);
            s->setPen(pen);
            s->setPointsVisible(true);
            chart->addSeries(s);
            s->attachAxis(x);
            s->attachAxis(k < 2 ? links : rechts);
            m_reihen[size_t(k)][size_t(d)] = s;
        }
    }
    setChart(chart);
    setRenderHint(QPainter::Antialiasing);
}

void SmKurve::setzeAktuell(const std::array<int, SmeterWerte::zeilen>& werte) {
    std::array<std::optional<int>, SmeterWerte::zeilen> alle;
    std::copy(werte.begin(), werte.end(), alle.begin());
    setze(0, alle);
}

void SmKurve::setzeDatei(const std::array<std::optional<int>, SmeterWerte::zeilen>& werte) {
    setze(1, werte);
}

void SmKurve::setze(size_t d, const std::array<std::optional<int>, SmeterWerte::zeilen>& werte) {
    std::array<QList<QPointF>, 3> punkte;
    for (int i = 0; i < SmeterWerte::zeilen; ++i)
        if (werte[size_t(i)])
            punkte[size_t(reihenr(i))].append(QPointF(spalte(i), *werte[size_t(i)]));
    for (size_t k = 0; k < 3; ++k)
        m_reihen[k][d]->replace(punkte[k]);
    achsenanpassen();
}

void SmKurve::achsenanpassen() {
    // The boxes' ranges, widened in steps of 20 to a file value beyond them: no point is
    // ever drawn outside the chart.
    const std::pair<double, double> bereich[2] = {{70, 190}, {-60, 60}};
    for (int achse = 0; achse < 2; ++achse) {
        auto [lo, hi] = bereich[achse];
        const size_t erste = achse ? 2 : 0;
        for (size_t k = erste; k < (achse ? 3u : 2u); ++k)
            for (const auto* s : m_reihen[k])
                for (const QPointF& p : s->points()) {
                    lo = qMin(lo, 20 * std::floor(p.y() / 20));
                    hi = qMax(hi, 20 * std::ceil(p.y() / 20));
                }
        if (auto* y = qobject_cast<QValueAxis*>(m_reihen[erste][0]->attachedAxes().last()))
            y->setRange(lo, hi);
    }
}

const QLineSeries* SmKurve::reihe(int k, bool datei) const {
    return m_reihen[size_t(qBound(0, k, 2))][datei ? 1 : 0];
}
