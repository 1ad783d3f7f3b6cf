#include "dspmonitor.h"

#include "app/dateischreiben.h"
#include "app/geraet.h"
#include "app/userdialogs.h"
#include "calibration/pegel.h"
#include "monitor/dspdekoder.h"
#include "ui_dspmonitor.h"

#include <QChart>
#include <QChartView>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <QValueAxis>
#include <cmath>

namespace {
constexpr int pegelmin = 90;
constexpr int pegelmax = 0;
// The form of the present display, and the window's default size with the chart below it.
// The form's widgets end at x = 510, so a vertical scroll bar (up to 18 px wide) fits beside
// them at the window's minimum width and nothing needs scrolling sideways.
constexpr QSize anzeigegroesse(530, 290);
constexpr int anzeigebreitemin = 512;
constexpr QSize standardgroesse(530, 540);
// The chart is redrawn at most this often: once per poll.
constexpr int zeichenabstandMs = 100;
// How often the chart moves on while no telegram comes.
constexpr int stillabstandMs = 500;
constexpr qsizetype agclinienmax = 32;
const QColor smeterfarbe(0x1f, 0x5f, 0xbf);
const QColor agcfarbe(0xd0, 0x60, 0x10);
} // namespace

DspMonitor::DspMonitor(Geraet* geraet, QWidget* parent)
    : QWidget(parent), ui(new Ui::DspMonitor), m_geraet(geraet) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("DspMonitor"));
    // A bar's figure stands half on the filled part and half on the empty one: it gets one
    // dark colour on a light fill, so that no letter changes colour where the fill ends.
    for (QProgressBar* b : findChildren<QProgressBar*>()) {
        QPalette p = b->palette();
        p.setColor(QPalette::Highlight, QColor(0x9c, 0xc8, 0xee));
        p.setColor(QPalette::HighlightedText, p.color(QPalette::WindowText));
        p.setColor(QPalette::Text, p.color(QPalette::WindowText));
        b->setPalette(p);
    }
    m_min.fill(pegelmin);
    m_max.fill(pegelmax);
    connect(ui->Buttonreset, &QPushButton::clicked, this, &DspMonitor::on_Buttonreset_clicked);
    baueverlauf();
    m_uhr.start();
    if (!m_geraet)
        return;
    connect(m_geraet, &Geraet::telegramm, this, [this](const TDspDaten& daten) {
        if (m_an)
            getdspdaten(daten);
    });
    connect(m_geraet, &Geraet::telegrammeAbgerissen, this, [this] { einschalten(false); });
}

void DspMonitor::einschalten(bool an) {
    if (an == m_an) {
        setVisible(an);
        return;
    }
    m_an = an;
    setVisible(an);
    if (m_geraet)
        m_geraet->lesen(Geraet::Leser::Monitor, an);
    emit geschaltet(an);
}

void DspMonitor::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    einschalten(false);
}

void DspMonitor::platzieren(QPoint ort, QSize groesse) {
    resize(groesse.expandedTo(minimumSize()));
    // A position stored on a screen that is gone would put the window out of reach.
    if (!QGuiApplication::screenAt(ort + QPoint(40, 20)))
        if (const QScreen* s = QGuiApplication::primaryScreen())
            ort = s->availableGeometry().topLeft() + QPoint(60, 60);
    move(ort);
}

void DspMonitor::baueverlauf() {
    // The form keeps its fixed positions in a panel of its own; the chart and its buttons go
    // below it, and all of it scrolls when the window is smaller than that.
    auto* anzeige = new QWidget;
    anzeige->setObjectName(QStringLiteral("anzeige"));
    for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        w->setParent(anzeige);
        w->show();
    }
    anzeige->setFixedHeight(anzeigegroesse.height());
    anzeige->setMinimumWidth(anzeigebreitemin);

    auto* chart = new QChart;
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(2, 2, 2, 2));
    chart->legend()->setAlignment(Qt::AlignTop);
    chart->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
    QFont schrift = font();
    schrift.setPointSize(8);
    chart->legend()->setFont(schrift);

    m_zeitachse = new QValueAxis;
    m_zeitachse->setTitleText(tr("Zeit [s]"));
    m_zeitachse->setRange(-MonitorVerlauf::spanneMs / 1000.0, 0);
    m_zeitachse->setTickType(QValueAxis::TicksDynamic);
    m_zeitachse->setTickAnchor(0);
    m_zeitachse->setTickInterval(10);
    m_zeitachse->setLabelFormat(QStringLiteral("%d"));
    m_pegelachse = new QValueAxis;
    m_pegelachse->setTitleText(tr("Pegel [dB]"));
    m_pegelachse->setRange(0, 100);
    m_pegelachse->setTickType(QValueAxis::TicksDynamic);
    m_pegelachse->setTickAnchor(0);
    m_pegelachse->setTickInterval(20);
    m_pegelachse->setLabelFormat(QStringLiteral("%d"));
    for (QValueAxis* achse : {m_zeitachse, m_pegelachse}) {
        achse->setLabelsFont(schrift);
        achse->setTitleFont(schrift);
    }
    chart->addAxis(m_zeitachse, Qt::AlignBottom);
    chart->addAxis(m_pegelachse, Qt::AlignLeft);

    m_sicht = new QChartView(chart);
    m_sicht->setObjectName(QStringLiteral("monitorverlauf"));
    m_sicht->setRenderHint(QPainter::Antialiasing);
    m_sicht->setMinimumHeight(180);
    // The first line of each stands in the legend.
    linie(false);
    linie(true);

    m_bpause = new QPushButton(tr("Pause"));
    m_bpause->setObjectName(QStringLiteral("bpause"));
    m_bpause->setCheckable(true);
    auto* bexport = new QPushButton(tr("Exportieren…"));
    bexport->setObjectName(QStringLiteral("bexport"));
    connect(m_bpause, &QPushButton::toggled, this, &DspMonitor::clickpause);
    connect(bexport, &QPushButton::clicked, this, &DspMonitor::clickexport);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->setContentsMargins(6, 0, 6, 6);
    knoepfe->addStretch();
    knoepfe->addWidget(m_bpause);
    knoepfe->addWidget(bexport);

    auto* inhalt = new QWidget;
    auto* spalte = new QVBoxLayout(inhalt);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(4);
    spalte->addWidget(anzeige);
    spalte->addWidget(m_sicht, 1);
    spalte->addLayout(knoepfe);

    auto* rollbereich = new QScrollArea;
    rollbereich->setObjectName(QStringLiteral("monitorrollbereich"));
    rollbereich->setFrameShape(QFrame::NoFrame);
    rollbereich->setWidgetResizable(true);
    rollbereich->setWidget(inhalt);
    auto* aussen = new QVBoxLayout(this);
    aussen->setContentsMargins(0, 0, 0, 0);
    aussen->addWidget(rollbereich);

    setMinimumSize(anzeigegroesse);
    resize(standardgroesse);

    m_zeichentimer = new QTimer(this);
    m_zeichentimer->setSingleShot(true);
    connect(m_zeichentimer, &QTimer::timeout, this, &DspMonitor::zeichneverlauf);
}

QLineSeries* DspMonitor::linie(bool agc) {
    auto* linie = new QLineSeries;
    linie->setName(agc ? tr("AGC") : tr("S-Meter"));
    linie->setPen(agc ? QPen(agcfarbe, 2, Qt::DashLine) : QPen(smeterfarbe, 2));
    QChart* chart = m_sicht->chart();
    chart->addSeries(linie);
    linie->attachAxis(m_zeitachse);
    linie->attachAxis(m_pegelachse);
    std::vector<QLineSeries*>& linien = agc ? m_agclinien : m_smeterlinien;
    // One entry in the legend for all the stretches.
    if (!linien.empty())
        for (QLegendMarker* m : chart->legend()->markers(linie))
            m->setVisible(false);
    linien.push_back(linie);
    return linie;
}

DspMonitor::~DspMonitor() = default;

int DspMonitor::minimum(int wort) const {
    return wort >= 0 && wort < 8 ? m_min[size_t(wort)] : 0;
}

int DspMonitor::maximum(int wort) const {
    return wort >= 0 && wort < 8 ? m_max[size_t(wort)] : 0;
}

void DspMonitor::on_Buttonreset_clicked() {
    m_min.fill(pegelmin);
    m_max.fill(pegelmax);
}

void DspMonitor::setzemodus(bool rx) {
    m_rx = rx;
    QLabel* const namen[8] = {ui->labelbez_1, ui->labelbez_2, ui->labelbez_3, ui->labelbez_4,
                              ui->labelbez_5, ui->labelbez_6, ui->labelbez_7, ui->labelbez_8};
    if (rx) {
        const QString texte[8] = {
            tr("RX input"),          tr("Noise blank"),     tr("After Filter"),   tr("After AGC"),
            tr("Auto notch output"), tr("Denoiser uotput"), tr("Before AF gain"), tr("Rx AF out")};
        for (int i = 0; i < 8; ++i)
            namen[i]->setText(texte[i]);
        ui->label_12->setText(tr("S-Meter"));
        ui->label_9->setText(tr("AD603 dac"));
    } else {
        const QString texte[8] = {
            tr("Mic input"),   tr("After decimation"),  tr("After noise gate"), tr("After filter"),
            tr("After VOGAD"), tr("After Compression"), tr("Tx monitor out"),   tr("Tx IF out")};
        for (int i = 0; i < 8; ++i)
            namen[i]->setText(texte[i]);
        ui->label_12->setText(tr("Tx out"));
        ui->label_9->setText(tr("VOGAD"));
    }
    // ADC, AGC, AD603 step and the total gain belong to the receive path only.
    QWidget* const nurempfang[] = {
        ui->label_13,        ui->label_15,         ui->label_adc,
        ui->label_agc,       ui->label_ad603,      ui->label_10,
        ui->label_totalgain, ui->label_totalgain2, ui->progresstotalgain};
    for (QWidget* w : nurempfang)
        w->setVisible(rx);
}

void DspMonitor::getdspdaten(const TDspDaten& daten) {
    aufnehmen(daten, jetzt());
}

void DspMonitor::aufnehmen(const TDspDaten& daten, qint64 ms) {
    anzeigen(daten);
    if (m_pause)
        return;
    m_verlauf.add(daten, ms);
    neuzeichnenplanen();
}

void DspMonitor::clickpause(bool pause) {
    m_pause = pause;
    m_angehalten = jetzt();
    m_bpause->setText(pause ? tr("Weiter") : tr("Pause"));
    if (!pause)
        neuzeichnenplanen();
}

void DspMonitor::clickexport() {
    const QString name = UserDialogs::current().saveFileName(
        this, tr("Monitorverlauf exportieren", "FileDialog"), QStringLiteral("monitorverlauf.csv"),
        tr("CSV-Dateien (*.csv);;Alle Dateien (*.*)", "FileDialog"));
    if (name.isEmpty())
        return;
    if (!dateiSchreiben(name, m_verlauf.csv()))
        emit speicherfehler(name);
}

void DspMonitor::neuzeichnenplanen() {
    // A poll hands over every telegram that came meanwhile: one redraw serves them all.
    const qint64 seit = m_gezeichnet.isValid() ? m_gezeichnet.elapsed() : zeichenabstandMs;
    const int in = int(qBound(qint64(0), zeichenabstandMs - seit, qint64(zeichenabstandMs)));
    if (m_zeichentimer->isActive() && m_zeichentimer->remainingTime() <= in)
        return;
    m_zeichentimer->start(in);
}

void DspMonitor::zeichneverlauf() {
    if (m_verlauf.isEmpty() || !isVisible())
        return;
    m_gezeichnet.start();
    // Time runs to 0 now, not at the newest telegram: an outage shows while it lasts, the
    // lines drawing back from the right edge. So the chart moves on without telegrams too.
    // The AGC is the receive path's: transmit telegrams carry none, so its line breaks
    // there rather than show a stale value.
    // Paused, it stands at the moment of the pause.
    const qint64 jetzt = qMax(m_pause ? m_angehalten : this->jetzt(), m_verlauf.neuestes().ms);
    if (!m_pause)
        m_zeichentimer->start(stillabstandMs);
    QList<QList<QPointF>> smeter;
    QList<QList<QPointF>> agc;
    bool empfang = false;
    int tief = 0;
    int hoch = 100;
    for (size_t i = 0; i < m_verlauf.size(); ++i) {
        const auto& e = m_verlauf.at(i);
        const double x = double(e.ms - jetzt) / 1000.0;
        // Where no telegram came for a while, both lines leave a gap.
        const bool luecke = m_verlauf.lueckeVor(i);
        if (i == 0 || luecke)
            smeter.append(QList<QPointF>());
        smeter.last().append(QPointF(x, e.daten.sigdb));
        tief = qMin(tief, e.daten.sigdb);
        hoch = qMax(hoch, qMax(e.daten.sigdb, e.daten.agc));
        if (e.daten.rx) {
            if (!empfang || luecke)
                agc.append(QList<QPointF>());
            agc.last().append(QPointF(x, e.daten.agc));
        }
        empfang = e.daten.rx;
    }
    // A receive bit that flaps or a line that stutters must not pile up series: the oldest
    // stretches then join.
    for (QList<QList<QPointF>>* abschnitte : {&smeter, &agc}) {
        while (abschnitte->size() > agclinienmax) {
            (*abschnitte)[1] = abschnitte->at(0) + abschnitte->at(1);
            abschnitte->removeFirst();
        }
    }
    for (const bool istAgc : {false, true}) {
        const QList<QList<QPointF>>& abschnitte = istAgc ? agc : smeter;
        std::vector<QLineSeries*>& linien = istAgc ? m_agclinien : m_smeterlinien;
        while (linien.size() < size_t(abschnitte.size()))
            linie(istAgc);
        for (size_t i = 0; i < linien.size(); ++i)
            linien[i]->replace(i < size_t(abschnitte.size()) ? abschnitte.at(qsizetype(i))
                                                             : QList<QPointF>{});
    }
    // Whole steps of 20 dB, so the axis does not twitch with every telegram.
    m_pegelachse->setRange(20.0 * std::floor(tief / 20.0), 20.0 * std::ceil(hoch / 20.0));
}

void DspMonitor::anzeigen(const TDspDaten& daten) {
    if (daten.rx != m_rx)
        setzemodus(daten.rx);

    QLabel* const hex[8] = {ui->label_1, ui->label_2, ui->label_3, ui->label_4,
                            ui->label_5, ui->label_6, ui->label_7, ui->label_8};
    QProgressBar* const balken[8] = {ui->progressBar_1, ui->progressBar_2, ui->progressBar_3,
                                     ui->progressBar_4, ui->progressBar_5, ui->progressBar_6,
                                     ui->progressBar_7, ui->progressBar_8};
    QLabel* const mins[8] = {ui->labelmin_1, ui->labelmin_2, ui->labelmin_3, ui->labelmin_4,
                             ui->labelmin_5, ui->labelmin_6, ui->labelmin_7, ui->labelmin_8};
    QLabel* const maxs[8] = {ui->labelmax_1, ui->labelmax_2, ui->labelmax_3, ui->labelmax_4,
                             ui->labelmax_5, ui->labelmax_6, ui->labelmax_7, ui->labelmax_8};
    QLabel* const diffs[8] = {ui->labeldiff_1, ui->labeldiff_2, ui->labeldiff_3, ui->labeldiff_4,
                              ui->labeldiff_5, ui->labeldiff_6, ui->labeldiff_7, ui->labeldiff_8};
    for (int zeile = 0; zeile < 8; ++zeile) {
        const int n = monitorzeilenworte[size_t(zeile)];
        const int wort = dspwort(daten, n);
        const int db = pegel(wort);
        hex[zeile]->setText(QString::asprintf("%04X", unsigned(wort)));
        // The bar ignores values beyond its range; a word above 32768 fills it instead,
        // while the labels show the true level.
        balken[zeile]->setValue(qBound(balken[zeile]->minimum(), db, balken[zeile]->maximum()));
        if (db > m_max[size_t(n)])
            m_max[size_t(n)] = db;
        if (db < m_min[size_t(n)])
            m_min[size_t(n)] = db;
        maxs[zeile]->setText(QString::number(m_max[size_t(n)]));
        mins[zeile]->setText(QString::number(m_min[size_t(n)]));
        diffs[zeile]->setText(QString::number(m_max[size_t(n)] - m_min[size_t(n)]));
    }

    ui->label_sigdb->setText(tr("%1 dB").arg(daten.sigdb));
    if (daten.rx) {
        if (daten.smeter >= 10)
            ui->labelsmeter->setText(tr("+%1db").arg(10 * daten.smeter - 90));
        else
            ui->labelsmeter->setText(tr("S%1").arg(daten.smeter));
        ui->label_gain->setText(QString::number(daten.gain));
    } else {
        ui->labelsmeter->clear();
        ui->label_gain->setText(QString::number(daten.vogad));
    }
    ui->progressSmeter->setValue(
        qBound(ui->progressSmeter->minimum(), daten.smeter, ui->progressSmeter->maximum()));
    ui->label_ad603->setText(QString::number(daten.ad603));
    ui->label_adc->setText(QString::number(daten.adc));
    ui->label_agc->setText(QString::number(daten.agc));

    const int gesamt = gesamtgain(daten);
    ui->label_totalgain->setText(tr("%1db").arg(gesamt));
    ui->label_totalgain2->setText(tr("%1db").arg(gesamtgainmax - gesamt));
    ui->progresstotalgain->setValue(qBound(0, gesamtgainmax - gesamt, gesamtgainmax));

    ui->label_spike->setText(daten.rx && daten.spike ? tr("Spike") : QString());
    ui->label_hang->setText(daten.rx && daten.hang ? tr("Hang") : QString());
}
