#include "parameters/parametervergleichdialog.h"

#include "app/geraet.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QString feldText(const QString& feld) {
    static const QHash<QString, const char*> texte{
        {QStringLiteral("ssb-gruen"), QT_TRANSLATE_NOOP("ParameterVergleichDialog", "SSB Gruen")},
        {QStringLiteral("ssb-gelb"), QT_TRANSLATE_NOOP("ParameterVergleichDialog", "SSB Gelb")},
        {QStringLiteral("ssb-rot"), QT_TRANSLATE_NOOP("ParameterVergleichDialog", "SSB Rot")},
        {QStringLiteral("cw-gruen"), QT_TRANSLATE_NOOP("ParameterVergleichDialog", "CW Gruen")},
        {QStringLiteral("cw-gelb"), QT_TRANSLATE_NOOP("ParameterVergleichDialog", "CW Gelb")},
        {QStringLiteral("cw-rot"), QT_TRANSLATE_NOOP("ParameterVergleichDialog", "CW Rot")},
        {QStringLiteral("min"), QT_TRANSLATE_NOOP("ParameterVergleichDialog", "Minimum")},
        {QStringLiteral("max"), QT_TRANSLATE_NOOP("ParameterVergleichDialog", "Maximum")},
        {QStringLiteral("user"), QT_TRANSLATE_NOOP("ParameterVergleichDialog", "User-Nummer")},
        {QStringLiteral("present"), QT_TRANSLATE_NOOP("ParameterVergleichDialog", "vorhanden")},
    };
    return ParameterVergleichDialog::tr(texte.value(feld, "?"));
}

} // namespace

ParameterVergleichDialog::ParameterVergleichDialog(Geraet& geraet, QWidget* parent)
    : QDialog(parent), m_geraet(geraet) {
    setObjectName(QStringLiteral("parametervergleichdialog"));
    setWindowTitle(tr("Mit Talvaro vergleichen"));
    const QList<parameter::Abweichung>& liste = m_geraet.parameterAbweichungen();
    auto* kopf = new QLabel(
        liste.isEmpty() ? tr("Die Parameter im Talvaro sind dieselben wie im Panel.")
                        : tr("%1 Unterschiede zwischen Panel und Talvaro:").arg(liste.size()),
        this);
    kopf->setObjectName(QStringLiteral("vergleichkopf"));
    m_tabelle = new QTableWidget(int(liste.size()), 5, this);
    m_tabelle->setObjectName(QStringLiteral("vergleichtabelle"));
    m_tabelle->setHorizontalHeaderLabels(
        {tr("Parameter"), tr("Name"), tr("Spalte"), tr("Panel"), tr("Talvaro")});
    m_tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tabelle->verticalHeader()->hide();
    m_tabelle->horizontalHeader()->setStretchLastSection(true);
    for (int z = 0; z < liste.size(); ++z) {
        const parameter::Abweichung& a = liste[z];
        const bool da = a.feld == QLatin1String("present");
        const auto wert = [&](int v) {
            return da ? (v ? tr("ja") : tr("nein")) : QString::number(v);
        };
        const QStringList spalten{QString::number(a.parameter), a.name, feldText(a.feld),
                                  wert(a.datei), wert(a.set)};
        for (int s = 0; s < spalten.size(); ++s)
            m_tabelle->setItem(z, s, new QTableWidgetItem(spalten[s]));
    }
    m_tabelle->resizeColumnsToContents();

    auto* knoepfe = new QDialogButtonBox(this);
    m_uebernehmen =
        knoepfe->addButton(tr("Werte des Talvaro uebernehmen"), QDialogButtonBox::ActionRole);
    m_uebernehmen->setObjectName(QStringLiteral("buebernehmen"));
    m_uebernehmen->setAutoDefault(false);
    // Only a table the panel shows can take them.
    m_uebernehmen->setEnabled(!liste.isEmpty() && m_geraet.paramGeladen());
    QPushButton* schliessen = knoepfe->addButton(QDialogButtonBox::Close);
    schliessen->setObjectName(QStringLiteral("bschliessen"));
    schliessen->setText(tr("Schliessen"));
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_uebernehmen, &QPushButton::clicked, this, &ParameterVergleichDialog::uebernehmen);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(kopf);
    layout->addWidget(m_tabelle, 1);
    layout->addWidget(knoepfe);
    resize(640, 480);
}

void ParameterVergleichDialog::uebernehmen() {
    if (m_geraet.talvaroWerteUebernehmen())
        accept();
}
