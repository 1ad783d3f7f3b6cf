#include "zfkalseite.h"

#include "app/geraet.h"
#include "calibration/pegel.h"
#include "calibration/zfkalibrierung.h"

#include <QChartView>
#include <QCoreApplication>
#include <QLabel>
#include <QLegend>
#include <QLineSeries>
#include <QProgressBar>
#include <QPushButton>
#include <QTextEdit>
#include <QValueAxis>
#include <cmath>

ZfKalSeite::ZfKalSeite(Geraet& geraet, QWidget* parent)
    : QWidget(parent), m_geraet(geraet), m_kal(geraet.zfkal()) {
    setObjectName(QStringLiteral("zfseite"));
    zfbar = new QProgressBar(this);
    zfbar->setObjectName(QStringLiteral("zfbar"));
    zfbar->setRange(0, 90);
    zfbar->setValue(0);
    zfbar->setFormat(QStringLiteral("%vdB"));
    zftext = new QTextEdit(this);
    zftext->setObjectName(QStringLiteral("zftext"));
    zftext->setReadOnly(true);
    bzfstep = new QPushButton(this);
    bzfstep->setObjectName(QStringLiteral("bzfstep"));
    connect(bzfstep, &QPushButton::clicked, this, &ZfKalSeite::clickifstep);
    bzfabbruch = new QPushButton(QCoreApplication::translate("vantrel", "ABBRUCH"), this);
    bzfabbruch->setObjectName(QStringLiteral("bzfabbruch"));
    connect(bzfabbruch, &QPushButton::clicked, this, &ZfKalSeite::clickifabbruch);
    zflabel =
        new QLabel(QCoreApplication::translate("vantrel", "Pegelanzeige der Messungen"), this);
    zflabel->setObjectName(QStringLiteral("zflabel"));
    bauekurve();

    for (const QString& zeile : m_kal.text())
        zftext->append(zeile);
    connect(&m_kal, &Kalibrierung::textNeu, zftext, &QTextEdit::clear);
    connect(&m_kal, &Kalibrierung::textZeile, zftext, &QTextEdit::append);
    connect(&m_kal, &Kalibrierung::zustand, this, &ZfKalSeite::zustandzeigen);
    connect(&m_kal, &ZfKalibrierung::kurveGeaendert, this, &ZfKalSeite::kurvezeigen);
    connect(&m_kal, &ZfKalibrierung::alteTabelleGelesen, this, &ZfKalSeite::tabellezeigen);
    // The bar follows every telegram the session reads, whoever asked for them; during the
    // S-meter calibration that one's bar does.
    connect(&m_geraet, &Geraet::telegramm, this, [this](const TDspDaten& daten) {
        if (!m_geraet.smKalAktiv())
            zfbar->setValue(qBound(0, pegel(daten.wert2), 90));
    });
    zustandzeigen();
}

void ZfKalSeite::clickifstep() {
    m_kal.weiter();
}

void ZfKalSeite::clickifabbruch() {
    m_kal.abbrechen();
}

void ZfKalSeite::zustandzeigen() {
    bzfstep->setText(m_kal.knopf() == Kalibrierung::Knopf::Start
                         ? QCoreApplication::translate("vantrel", "START")
                         : QCoreApplication::translate("vantrel", "WEITER!"));
    bzfstep->setEnabled(m_kal.knopfFrei());
}

void ZfKalSeite::bauekurve() {
    auto* chart = new QChart;
    chart->setMargins(QMargins(2, 2, 2, 2));
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
    // The old table dashed beneath, the measurement solid with its points above it.
    zftabellenpunkte = new QLineSeries(chart);
    zftabellenpunkte->setName(QCoreApplication::translate("vantrel", "AD603-Tabelle"));
    zftabellenpunkte->setPen(QPen(QColor(0xc0, 0x39, 0x2b), 2, Qt::DashLine));
    zfmesspunkte = new QLineSeries(chart);
    zfmesspunkte->setName(QCoreApplication::translate("vantrel", "Messung"));
    zfmesspunkte->setPen(QPen(QColor(0x1f, 0x5f, 0xbf), 2));
    zfmesspunkte->setPointsVisible(true);
    chart->addSeries(zftabellenpunkte);
    chart->addSeries(zfmesspunkte);
    auto achse = [chart](const QString& titel, double bis, double schritt, Qt::Alignment wo) {
        auto* a = new QValueAxis(chart);
        a->setTitleText(titel);
        // Half a unit beyond both ends, so that no point at the edge is cut in half.
        a->setRange(-0.5, bis);
        a->setLabelFormat(QStringLiteral("%d"));
        a->setTickType(QValueAxis::TicksDynamic);
        a->setTickAnchor(0);
        a->setTickInterval(schritt);
        chart->addAxis(a, wo);
        return a;
    };
    for (QValueAxis* a :
         {achse(QCoreApplication::translate("vantrel", "DAC-Stufe"), 63.5, 8, Qt::AlignBottom),
          achse(QCoreApplication::translate("vantrel", "Pegel [dB]"), 50.5, 10, Qt::AlignLeft)}) {
        zftabellenpunkte->attachAxis(a);
        zfmesspunkte->attachAxis(a);
    }
    zfkurve = new QChartView(chart, this);
    zfkurve->setObjectName(QStringLiteral("zfkurve"));
    zfkurve->setRenderHint(QPainter::Antialiasing);
    // No table until a sweep begins.
    zftabellenpunkte->setVisible(false);
}

void ZfKalSeite::kurvezeigen() {
    const ZfMessung& m = m_kal.messung();
    QList<QPointF> punkte;
    double hoechster = 0;
    for (int d = 0; d < int(m.calcurve.size()); ++d) {
        if (!m.gemessen[size_t(d)])
            continue;
        punkte.append(QPointF(d, m.calcurve[size_t(d)]));
        hoechster = qMax(hoechster, m.calcurve[size_t(d)]);
    }
    zfmesspunkte->replace(punkte);
    // 50 dB hold the table's 45 and a normal sweep; a sweep without its minimum reaches higher.
    for (QAbstractAxis* a : zfkurve->chart()->axes(Qt::Vertical))
        a->setMax(qMax(50.0, std::ceil(hoechster / 10.0) * 10.0) + 0.5);
}

void ZfKalSeite::tabellezeigen() {
    zftabellenpunkte->replace(m_kal.alteTabelle());
    zftabellenpunkte->setVisible(!m_kal.alteTabelle().isEmpty());
}

void ZfKalSeite::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int w = width();
    const int h = height();
    zflabel->setGeometry(20, 10, 300, 20);
    zfbar->setGeometry(20, 35, qMax(100, w - 40), 25);
    // The log on the left, the chart beside it: both as high as the page allows.
    const int breite = qMax(200, w - 50);
    const int logbreite = breite * 9 / 20;
    zftext->setGeometry(20, 70, logbreite, qMax(60, h - 130));
    zfkurve->setGeometry(30 + logbreite, 70, breite - logbreite, qMax(60, h - 130));
    bzfstep->setGeometry(20, h - 50, 120, 30);
    bzfabbruch->setGeometry(160, h - 50, 120, 30);
}
