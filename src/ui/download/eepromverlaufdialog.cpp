#include "download/eepromverlaufdialog.h"

#include "app/geraet.h"
#include "download/eeprombackup.h"
#include "download/eepromdiff.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTextEdit>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString herkunftText(download::VerlaufEintrag::Herkunft h) {
    using H = download::VerlaufEintrag::Herkunft;
    switch (h) {
    case H::Sicherung:
        return EepromVerlaufDialog::tr("Sicherung");
    case H::VorWiederherstellung:
        return EepromVerlaufDialog::tr("vor Wiederherstellung");
    case H::VorPicLaden:
        return EepromVerlaufDialog::tr("vor PIC-Download");
    case H::Vergleich:
        return EepromVerlaufDialog::tr("Vergleich");
    case H::VorSchreiben:
        break;
    }
    return EepromVerlaufDialog::tr("vor dem Schreiben (uebernommen)");
}

} // namespace

EepromVerlaufDialog::EepromVerlaufDialog(Geraet& geraet, QWidget* parent)
    : QDialog(parent), m_geraet(geraet) {
    setObjectName(QStringLiteral("eepromverlaufdialog"));
    setWindowTitle(tr("Eeprom-Verlauf"));
    m_tabelle = new QTableWidget(0, 7, this);
    m_tabelle->setObjectName(QStringLiteral("verlaufstabelle"));
    m_tabelle->setHorizontalHeaderLabels({tr("Zeit (UTC)"), tr("Bytes"), tr("Vollstaendig"),
                                          tr("SHA-256"), tr("Herkunft"), tr("Port"), tr("Datei")});
    m_tabelle->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tabelle->setSelectionMode(QAbstractItemView::MultiSelection);
    m_tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tabelle->verticalHeader()->hide();
    m_tabelle->horizontalHeader()->setStretchLastSection(true);
    m_hinweis = new QLabel(this);
    m_hinweis->setObjectName(QStringLiteral("verlaufhinweis"));
    m_ergebnis = new QTextEdit(this);
    m_ergebnis->setObjectName(QStringLiteral("verlaufergebnis"));
    m_ergebnis->setReadOnly(true);
    m_ergebnis->setMaximumHeight(120);

    auto* knoepfe = new QDialogButtonBox(this);
    const auto knopf = [&](const QString& text, const char* name) {
        auto* b = knoepfe->addButton(text, QDialogButtonBox::ActionRole);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    m_vergleichen = knopf(tr("Vergleichen"), "bvergleichen");
    m_wiederherstellen = knopf(tr("Wiederherstellen"), "bwiederherstellen");
    m_ordner = knopf(tr("Im Ordner zeigen"), "bimordner");
    QPushButton* schliessen = knoepfe->addButton(QDialogButtonBox::Close);
    schliessen->setObjectName(QStringLiteral("bschliessen"));
    schliessen->setText(tr("Schliessen"));
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_vergleichen, &QPushButton::clicked, this, &EepromVerlaufDialog::vergleichen);
    connect(m_wiederherstellen, &QPushButton::clicked, this,
            &EepromVerlaufDialog::wiederherstellen);
    connect(m_ordner, &QPushButton::clicked, this, &EepromVerlaufDialog::imOrdnerZeigen);
    connect(m_tabelle, &QTableWidget::itemSelectionChanged, this,
            &EepromVerlaufDialog::auswahlGeaendert);
    // Another profile has another history.
    connect(&m_geraet, &Geraet::profilGewechselt, this, &EepromVerlaufDialog::neuLaden);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabelle, 1);
    layout->addWidget(m_hinweis);
    layout->addWidget(m_ergebnis);
    layout->addWidget(knoepfe);
    resize(1000, 480);
    neuLaden();
}

void EepromVerlaufDialog::neuLaden() {
    QString fehler;
    QList<download::VerlaufEintrag> liste;
    if (!m_geraet.verlauf().lesen(&liste, &fehler))
        m_ergebnis->setPlainText(fehler);
    std::reverse(liste.begin(), liste.end());
    m_eintraege = liste;
    m_vorhanden.clear();
    m_tabelle->clearSelection();
    m_tabelle->setRowCount(int(liste.size()));
    for (int z = 0; z < liste.size(); ++z) {
        const download::VerlaufEintrag& e = liste[z];
        const bool da = e.vorhanden();
        m_vorhanden.append(da);
        const QStringList spalten{e.zeit.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                                  QString::number(e.bytes),
                                  e.vollstaendig ? tr("ja") : tr("nein (Teil)"),
                                  e.sha256.left(12),
                                  herkunftText(e.herkunft),
                                  e.port,
                                  da ? e.datei : tr("%1 (fehlt oder veraendert)").arg(e.datei)};
        for (int s = 0; s < spalten.size(); ++s) {
            auto* item = new QTableWidgetItem(spalten[s]);
            if (s == 3)
                item->setToolTip(e.sha256);
            if (!da)
                item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
            m_tabelle->setItem(z, s, item);
        }
    }
    m_tabelle->resizeColumnsToContents();
    m_hinweis->setText(liste.isEmpty() ? tr("Der Verlauf dieses Profils ist leer.")
                                       : tr("Zwei Zeilen waehlen zum Vergleichen, eine zum "
                                            "Wiederherstellen."));
    auswahlGeaendert();
}

QList<int> EepromVerlaufDialog::auswahl() const {
    QList<int> zeilen;
    for (const QModelIndex& i : m_tabelle->selectionModel()->selectedRows())
        zeilen.append(i.row());
    std::sort(zeilen.begin(), zeilen.end());
    return zeilen;
}

void EepromVerlaufDialog::auswahlGeaendert() {
    const QList<int> z = auswahl();
    m_vergleichen->setEnabled(z.size() == 2);
    m_wiederherstellen->setEnabled(z.size() == 1 && m_vorhanden.value(z.first()) &&
                                   !m_geraet.uebertragungLaeuft());
    m_ordner->setEnabled(z.size() == 1 &&
                         QFileInfo(m_eintraege.value(z.value(0)).datei).absoluteDir().exists());
}

void EepromVerlaufDialog::vergleichen() {
    const QList<int> z = auswahl();
    if (z.size() != 2)
        return;
    QByteArray dumps[2];
    for (int i = 0; i < 2; ++i) {
        const QString pfad = m_eintraege[z[i]].datei;
        if (const TransferResult r = download::eepromDateiLesen(pfad, &dumps[i]); !r.ok()) {
            m_ergebnis->setPlainText(r.text);
            return;
        }
    }
    const download::EepromDiff d = download::EepromDiff::vergleiche(dumps[0], dumps[1]);
    QStringList text{tr("A: %1").arg(m_eintraege[z[0]].datei),
                     tr("B: %1").arg(m_eintraege[z[1]].datei)};
    text << d.zeilen();
    m_ergebnis->setPlainText(text.join(QLatin1Char('\n')));
}

void EepromVerlaufDialog::wiederherstellen() {
    const QList<int> z = auswahl();
    if (z.size() != 1 || !m_vorhanden.value(z.first()))
        return;
    // The same restore as the page's button, with its boxes, its backup before and its
    // check after, as the options have them.
    const QString datei = m_eintraege[z.first()].datei;
    const TransferResult r = m_geraet.eepromWiederherstellen(datei);
    m_ergebnis->setPlainText(r.ok()            ? tr("Wiederhergestellt aus \"%1\"").arg(datei)
                             : r.wasCanceled() ? tr("Abgebrochen.")
                                               : QStringLiteral("%1: %2").arg(r.title, r.text));
    // The backup before it is in the history now.
    const QString text = m_ergebnis->toPlainText();
    neuLaden();
    m_ergebnis->setPlainText(text);
}

void EepromVerlaufDialog::imOrdnerZeigen() {
    const QList<int> z = auswahl();
    if (z.size() != 1)
        return;
    QDesktopServices::openUrl(
        QUrl::fromLocalFile(QFileInfo(m_eintraege[z.first()].datei).absolutePath()));
}
