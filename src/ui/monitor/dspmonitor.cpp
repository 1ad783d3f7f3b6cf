#include "dspmonitor.h"

#include "calibration/pegel.h"
#include "monitor/dspdekoder.h"
#include "ui_dspmonitor.h"

namespace {
constexpr int pegelmin = 90;
constexpr int pegelmax = 0;
} // namespace

DspMonitor::DspMonitor(QWidget* parent) : QWidget(parent), ui(new Ui::DspMonitor) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("DspMonitor"));
    m_min.fill(pegelmin);
    m_max.fill(pegelmax);
    connect(ui->Buttonreset, &QPushButton::clicked, this, &DspMonitor::on_Buttonreset_clicked);
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
