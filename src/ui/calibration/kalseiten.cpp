// The pages "ZF-Kalibrierung (AD603)" and "S-Meter-Kalibrierung".
#include "app/vantrel.h"
#include "kalseite.h"
#include "smkurve.h"

#include <QChartView>
#include <QGroupBox>
#include <QLabel>
#include <QLegend>
#include <QLineSeries>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextEdit>
#include <QValueAxis>

void vantrel::bauekalseiten() {
    auto page = [this](const QString& title, const char* name) {
        auto* w = new KalSeite([this] {
            if (smseite && gbkal && smwert[SmeterWerte::zeilen - 1])
                layoutkalseiten();
        });
        w->setObjectName(QString::fromLatin1(name));
        tabs->addTab(w, title);
        return w;
    };
    auto bar = [](QWidget* parent, const char* name) {
        auto* b = new QProgressBar(parent);
        b->setObjectName(QString::fromLatin1(name));
        b->setRange(0, 90);
        b->setValue(0);
        b->setFormat(QStringLiteral("%vdB"));
        return b;
    };
    auto text = [](QWidget* parent, const char* name) {
        auto* t = new QTextEdit(parent);
        t->setObjectName(QString::fromLatin1(name));
        t->setReadOnly(true);
        return t;
    };
    auto button = [this](QWidget* parent, const QString& t, const char* name,
                         void (vantrel::*slot)()) {
        auto* b = new QPushButton(t, parent);
        b->setObjectName(QString::fromLatin1(name));
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    auto label = [](QWidget* parent, const QString& t, const char* name) {
        auto* l = new QLabel(t, parent);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };

    zfseite = page(tr("ZF-Kalibrierung (AD603)", "TabWindow"), "zfseite");
    zfbar = bar(zfseite, "zfbar");
    zftext = text(zfseite, "zftext");
    bzfstep = button(zfseite, tr("START"), "bzfstep", &vantrel::clickifstep);
    bzfabbruch = button(zfseite, tr("ABBRUCH"), "bzfabbruch", &vantrel::clickifabbruch);
    zflabel = label(zfseite, tr("Pegelanzeige der Messungen"), "zflabel");
    bauezfkurve();

    smseite = page(tr("S-Meter-Kalibrierung", "TabWindow"), "smseite");
    smbar = bar(smseite, "smbar");
    smtext = text(smseite, "smtext");
    bsmstep = button(smseite, tr("START"), "bsmstep", &vantrel::clicksmstep);
    bsmabbruch = button(smseite, tr("ABBRUCH"), "bsmabbruch", &vantrel::clicksmabbruch);
    smlabel = label(smseite, tr("Pegelanzeige der Messungen"), "smlabel");
    gbkal = new QGroupBox(tr("Kalibriereinstellungen"), smseite);
    gbkal->setObjectName(QStringLiteral("gbkal"));

    // Columns: the bands for the NF and IP3 rows; the first four also carry the DDS headers
    // of the dB row.
    static const char* const baender[SmeterWerte::baender] = {
        QT_TR_NOOP(">29MHz"), QT_TR_NOOP("10m"), QT_TR_NOOP("12m"), QT_TR_NOOP("15m"),
        QT_TR_NOOP("17m"),    QT_TR_NOOP("60m"), QT_TR_NOOP("20m"), QT_TR_NOOP("30m"),
        QT_TR_NOOP("40m"),    QT_TR_NOOP("80m"), QT_TR_NOOP("160m")};
    static const char* const dds[SmeterWerte::ddsanzahl] = {
        QT_TR_NOOP("DDS72"), QT_TR_NOOP("DDS43"), QT_TR_NOOP("DDS23"), QT_TR_NOOP("DDS79")};
    for (int k = 0; k < SmeterWerte::baender; ++k)
        label(gbkal, tr(baender[k]), QStringLiteral("smband_%1").arg(k).toLatin1().constData());
    for (int k = 0; k < SmeterWerte::ddsanzahl; ++k)
        label(gbkal, tr(dds[k]), QStringLiteral("smdds_%1").arg(k).toLatin1().constData());
    QStringList spalten;
    for (const char* b : baender)
        spalten << tr(b);
    for (const char* d : dds)
        spalten << tr(d);
    smkurve = new SmKurve(spalten, smseite);
    smkurve->setObjectName(QStringLiteral("smkurve"));
    label(gbkal, tr("IP3"), "smzeile_ip3");
    label(gbkal, tr("NF"), "smzeile_nf");
    label(gbkal, tr("dB"), "smzeile_db");
    for (int i = 0; i < SmeterWerte::zeilen; ++i) {
        auto* s = new QSpinBox(gbkal);
        if (i < SmeterWerte::baender) {
            s->setObjectName(QStringLiteral("smnf_%1").arg(i));
            s->setRange(70, 190);
            s->setValue(135);
        } else if (i < 2 * SmeterWerte::baender) {
            s->setObjectName(QStringLiteral("smip3_%1").arg(i - SmeterWerte::baender));
            s->setRange(70, 190);
            s->setValue(135);
        } else {
            const int k = i - 2 * SmeterWerte::baender;
            s->setObjectName(QStringLiteral("smdb_%1").arg(k));
            s->setRange(-50, 50);
            s->setValue(k == 0 ? -20 : 0);
        }
        s->setSingleStep(1);
        connect(s, &QSpinBox::valueChanged, this, &vantrel::geaendertsm);
        smwert[i] = s;
    }
    gbkal->setEnabled(false);
    smkurvezeigen();

    zfintro();
    smintro();
}

void vantrel::bauezfkurve() {
    auto* chart = new QChart;
    chart->setMargins(QMargins(2, 2, 2, 2));
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
    // The old table dashed beneath, the measurement solid with its points above it.
    zftabellenpunkte = new QLineSeries(chart);
    zftabellenpunkte->setName(tr("AD603-Tabelle"));
    zftabellenpunkte->setPen(QPen(QColor(0xc0, 0x39, 0x2b), 2, Qt::DashLine));
    zfmesspunkte = new QLineSeries(chart);
    zfmesspunkte->setName(tr("Messung"));
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
    for (QValueAxis* a : {achse(tr("DAC-Stufe"), 63.5, 8, Qt::AlignBottom),
                          achse(tr("Pegel [dB]"), 50.5, 10, Qt::AlignLeft)}) {
        zftabellenpunkte->attachAxis(a);
        zfmesspunkte->attachAxis(a);
    }
    zfkurve = new QChartView(chart, zfseite);
    zfkurve->setObjectName(QStringLiteral("zfkurve"));
    zfkurve->setRenderHint(QPainter::Antialiasing);
    // No table until a sweep begins.
    zftabellenpunkte->setVisible(false);
}

void vantrel::layoutkalseiten() {
    int w = zfseite->width();
    int h = zfseite->height();
    zflabel->setGeometry(20, 10, 300, 20);
    zfbar->setGeometry(20, 35, qMax(100, w - 40), 25);
    // The log on the left, the chart beside it: both as high as the page allows.
    const int breite = qMax(200, w - 50);
    const int logbreite = breite * 9 / 20;
    zftext->setGeometry(20, 70, logbreite, qMax(60, h - 130));
    zfkurve->setGeometry(30 + logbreite, 70, breite - logbreite, qMax(60, h - 130));
    bzfstep->setGeometry(20, h - 50, 120, 30);
    bzfabbruch->setGeometry(160, h - 50, 120, 30);

    w = smseite->width();
    h = smseite->height();
    smlabel->setGeometry(20, 10, 300, 20);
    smbar->setGeometry(20, 35, qMax(100, w - 40), 25);
    // The settings take the full width below the text: eleven columns need it.
    const int gbh = 150;
    const int gby = qMax(130, h - 60 - gbh);
    // The text on the left, the chart of the table beside it.
    const int textbreite = qMax(100, (w - 40) * 2 / 5);
    smtext->setGeometry(20, 70, textbreite, qMax(50, gby - 80));
    smkurve->setGeometry(30 + textbreite, 60, qMax(100, w - 50 - textbreite), qMax(50, gby - 65));
    gbkal->setGeometry(20, gby, qMax(100, w - 40), gbh);
    bsmstep->setGeometry(20, h - 50, 120, 30);
    bsmabbruch->setGeometry(160, h - 50, 120, 30);

    const int links = 40;
    // At the smallest window a column just holds a three-digit box; the headers may reach
    // into the next column, whose own header is short.
    const int spalte = qMax(44, (gbkal->width() - links - 10) / SmeterWerte::baender);
    const int zeilen[3] = {42, 70, 118};
    auto setze = [this](const QString& name, int x, int y, int breite) {
        if (auto* l = gbkal->findChild<QLabel*>(name))
            l->setGeometry(x, y, breite, 20);
    };
    for (int k = 0; k < SmeterWerte::baender; ++k)
        setze(QStringLiteral("smband_%1").arg(k), links + k * spalte, 20, spalte + 10);
    // The DDS headers sit above the dB row, in the columns of the first four bands.
    for (int k = 0; k < SmeterWerte::ddsanzahl; ++k)
        setze(QStringLiteral("smdds_%1").arg(k), links + k * spalte, zeilen[2] - 20, spalte - 2);
    setze(QStringLiteral("smzeile_ip3"), 8, zeilen[0] + 3, links - 8);
    setze(QStringLiteral("smzeile_nf"), 8, zeilen[1] + 3, links - 8);
    setze(QStringLiteral("smzeile_db"), 8, zeilen[2] + 3, links - 8);
    for (int i = 0; i < SmeterWerte::zeilen; ++i) {
        int zeile = 0;
        int k = i;
        if (i < SmeterWerte::baender) {
            zeile = 1;
        } else if (i < 2 * SmeterWerte::baender) {
            k = i - SmeterWerte::baender;
        } else {
            zeile = 2;
            k = i - 2 * SmeterWerte::baender;
        }
        smwert[i]->setGeometry(links + k * spalte, zeilen[zeile], spalte - 4, 24);
    }
}
