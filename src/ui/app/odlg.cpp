#include "odlg.h"

#include "app/userdialogs.h"
#include "link/modem.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSerialPortInfo>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTimer>
#include <QTreeView>

namespace {
using Feld = TEinstellungen::Profile TEinstellungen::*;

// A text to translate in the context "odlg", with its disambiguation.
struct Text {
    const char* source;
    const char* comment;
};
QString uebersetzt(const Text& t) {
    return QCoreApplication::translate("odlg", t.source, t.comment);
}

struct Zeile {
    const char* name; // object names: "e<name>_<profile>", "b<name>_<profile>"
    Text label;
    Feld feld;
    void (odlg::*slot)();
    Text titel;  // file chooser title
    Text filter; // file chooser filter
};

// The rows of a profile page, in the order shown.
const Zeile kZeilenTabelle[odlg::kZeilen] = {
    {"veskpfad",
     QT_TRANSLATE_NOOP3("odlg", "Verzeichnis der Vesk-Software", "Option Dialog"),
     &TEinstellungen::veskpfad,
     &odlg::clickbveskpfad,
     {nullptr, nullptr},
     {nullptr, nullptr}},
    {"dspcodefilename", QT_TRANSLATE_NOOP3("odlg", "Datei der DSP-Software", "Option Dialog"),
     &TEinstellungen::dspcodefilename, &odlg::clickbdspcodefilename,
     QT_TRANSLATE_NOOP3("odlg", "Dateisauswahl", "Option"),
     QT_TRANSLATE_NOOP3("odlg", "DSP-Software (*.dpk *.DPK);;Alle Dateien (*.*)", "Option")},
    {"filterfilename",
     QT_TRANSLATE_NOOP3("odlg", "Daten-Dateien der DSP-Software", "Option Dialog"),
     &TEinstellungen::filterfilename, &odlg::clickbfilterfilename,
     QT_TRANSLATE_NOOP3("odlg", "Dateisauswahl", "Option"),
     QT_TRANSLATE_NOOP3("odlg", "DSP-Daten (*.dpk *.DPK);;Alle Dateien (*.*)", "Option")},
    {"ad603filename",
     QT_TRANSLATE_NOOP3("odlg", "AD603 DAC-Anpassung DSP-Software", "Option Dialog"),
     &TEinstellungen::ad603filename, &odlg::clickbad603filename,
     QT_TRANSLATE_NOOP3("odlg", "Dateisauswahl", "Option"),
     QT_TRANSLATE_NOOP3("odlg", "AD603-Daten (*.dat *.DAT);;Alle Dateien (*.*)", "Option")},
    {"parameterfilename",
     QT_TRANSLATE_NOOP3("odlg", "User-Parameter der DSP-Software", "Option Dialog"),
     &TEinstellungen::parameterfilename, &odlg::clickbparameterfilename,
     QT_TRANSLATE_NOOP3("odlg", "Dateisauswahl", "Option"),
     QT_TRANSLATE_NOOP3("odlg", "DSP-Daten (*.dpk *.DPK);;Alle Dateien (*.*)", "Option")},
    {"xparameterfilename",
     QT_TRANSLATE_NOOP3("odlg", "X-Parameter der DSP-Software", "Option Dialog"),
     &TEinstellungen::xparameterfilename, &odlg::clickbxparameterfilename,
     QT_TRANSLATE_NOOP3("odlg", "Dateisauswahl", "Option"),
     QT_TRANSLATE_NOOP3("odlg", "X-Paramter (*.dpk *.DPK);;Alle Dateien (*.*)", "Option")},
    {"standardparameterfilename",
     QT_TRANSLATE_NOOP3("odlg", "Standart-Parameter der DSP-Software", "Option Dialog"),
     &TEinstellungen::standardparameterfilename, &odlg::clickbstandardparameterfilename,
     QT_TRANSLATE_NOOP3("odlg", "Dateisauswahl", "Option"),
     QT_TRANSLATE_NOOP3("odlg", "DSP-Daten (*.dpk *.DPK);;Alle Dateien (*.*)", "Option")},
    {"rxeqfilename", QT_TRANSLATE_NOOP3("odlg", "RX-Equalizer der DSP-Software", "Option Dialog"),
     &TEinstellungen::rxeqfilename, &odlg::clickbrxeqfilename,
     QT_TRANSLATE_NOOP3("odlg", "Dateisauswahl RX-Equalizer", "Option"),
     QT_TRANSLATE_NOOP3("odlg", "DSP-Daten (*.dat *.DAT);;Alle Dateien (*.*)", "Option")},
    {"txeqfilename", QT_TRANSLATE_NOOP3("odlg", "TX-Equalizer der DSP-Software", "Option Dialog"),
     &TEinstellungen::txeqfilename, &odlg::clickbtxeqfilename,
     QT_TRANSLATE_NOOP3("odlg", "Dateisauswahl TX-Equalizer", "Option"),
     QT_TRANSLATE_NOOP3("odlg", "DSP-Daten (*.dat *.DAT);;Alle Dateien (*.*)", "Option")},
    {"scalfilename",
     QT_TRANSLATE_NOOP3("odlg", "S-Meter Kalibrierung DSP-Software", "Option Dialog"),
     &TEinstellungen::scalfilename, &odlg::clickbscalfilename,
     QT_TRANSLATE_NOOP3("odlg", "Dateisauswahl", "Option"),
     QT_TRANSLATE_NOOP3("odlg", "DSP-Daten (*.dat *.DAT);;Alle Dateien (*.*)", "Option")},
    {"testfilename", QT_TRANSLATE_NOOP3("odlg", "Testfirmware fuer den DSP", "Option Dialog"),
     &TEinstellungen::testfilename, &odlg::clickbtestfilename,
     QT_TRANSLATE_NOOP3("odlg", "Dateisauswahl", "Option"),
     QT_TRANSLATE_NOOP3("odlg", "DSP-Daten (*.dpk *.DPK);;Alle Dateien (*.*)", "Option")},
};

// The usual layout of a software release: what choosing its directory fills in, in this
// order, when the file is there.
struct Fund {
    int zeile;
    const char* datei;
    bool inFilters;
};
const Fund kFunde[] = {
    {2, "VESK2b1x.dpk", false}, {3, "filters.dpk", true},  {4, "AD603.dat", true},
    {5, "USER2B2.DPK", false},  {6, "Xparams.dpk", true},  {7, "standard.dpk", false},
    {10, "Scal.dat", true},     {11, "Test05.dpk", false}, {8, "RxEQ.dat", true},
    {9, "TxEQ.dat", true},
};
} // namespace

odlg::odlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("odlg"));
    // Fits a screen of 768 pixels with a title bar above and a panel below.
    resize(560, 620);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("odlgtabs"));
    m_tabs->setGeometry(10, 10, 540, 560);

    auto* grund = new QWidget();
    grund->setObjectName(QStringLiteral("grunddaten"));
    m_tabs->addTab(grund, tr("Grunddaten", "Option Dialog"));
    auto* gb = new QGroupBox(tr("RS232-Serielle Schnittstelle", "Option Dialog"), grund);
    gb->setObjectName(QStringLiteral("gbrs232"));
    gb->setGeometry(10, 10, 510, 110);
    auto* lport = new QLabel(tr("Schnittstelle: ", "Option Dialog"), gb);
    lport->setGeometry(10, 35, 120, 24);
    m_port = new QComboBox(gb);
    m_port->setObjectName(QStringLiteral("cbrs232"));
    m_port->setEditable(true);
    // The edit text is the port name as typed: no completion may change its case or length,
    // and confirming it must not add it to the list.
    m_port->setCompleter(nullptr);
    m_port->setInsertPolicy(QComboBox::NoInsert);
    m_port->setMaxVisibleItems(20);
    m_port->setGeometry(140, 35, 220, 24);
    // The list shows what the system knows of each port beside its name; the field takes
    // only the name.
    m_portmodell = new QStandardItemModel(0, kSpalten, this);
    m_portmodell->setHorizontalHeaderLabels(
        {tr("Port", "Option Dialog"), tr("Geraet", "Option Dialog"),
         tr("Beschreibung", "Option Dialog"), tr("Hersteller", "Option Dialog"),
         tr("USB-ID", "Option Dialog"), tr("Seriennummer", "Option Dialog")});
    auto* liste = new QTreeView(m_port);
    liste->setObjectName(QStringLiteral("portliste"));
    liste->setRootIsDecorated(false);
    liste->setUniformRowHeights(true);
    liste->setAllColumnsShowFocus(true);
    liste->setEditTriggers(QAbstractItemView::NoEditTriggers);
    liste->setSelectionBehavior(QAbstractItemView::SelectRows);
    liste->header()->setStretchLastSection(false);
    liste->setMinimumWidth(380);
    m_port->setModel(m_portmodell);
    m_port->setView(liste);
    m_port->setModelColumn(SpalteName);
    m_portinfo = new QLabel(gb);
    m_portinfo->setObjectName(QStringLiteral("lportinfo"));
    m_portinfo->setGeometry(140, 62, 360, 40);
    m_portinfo->setWordWrap(true);
    m_portinfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_portinfo->setTextFormat(Qt::PlainText);
    connect(m_port, &QComboBox::currentTextChanged, this, &odlg::portinfozeigen);
    m_portlistetimer = new QTimer(this);
    m_portlistetimer->setObjectName(QStringLiteral("portlistetimer"));
    m_portlistetimer->setInterval(kPortlisteMs);
    connect(m_portlistetimer, &QTimer::timeout, this, &odlg::portlistefuellen);
    portlistefuellen();

    auto spin = [grund](const QString& text, const char* name, int y) {
        auto* l = new QLabel(text, grund);
        l->setGeometry(10, y, 300, 24);
        auto* s = new QSpinBox(grund);
        s->setObjectName(QString::fromLatin1(name));
        s->setRange(0, 100);
        s->setGeometry(320, y, 80, 24);
        return s;
    };
    m_pic =
        spin(tr("Daten -> PIC WriteDelay (mSek): ", "Option Dialog"), "sbpicrs232writetime", 140);
    m_dsp =
        spin(tr("Daten -> DSP WriteDelay (mSek): ", "Option Dialog"), "sbdsprs232writetime", 180);
    m_param = spin(tr("Parameter -> DSP WriteDelay (mSek): ", "Option Dialog"),
                   "sbparamrs232writetime", 220);

    // Knowing what is in the EEPROM: a copy before it is written, a compare after.
    auto* gbee =
        new QGroupBox(tr("Externer Eeprom (Talvaro nach Quarnel)", "Option Dialog"), grund);
    gbee->setObjectName(QStringLiteral("gbeeprom"));
    // Below the last delay, so that its heading stands clear of that label.
    gbee->setGeometry(10, 260, 510, 130);
    auto check = [gbee](const QString& text, const char* name, int y) {
        auto* c = new QCheckBox(text, gbee);
        c->setObjectName(QString::fromLatin1(name));
        c->setGeometry(10, y, 490, 24);
        return c;
    };
    m_vergleichen = check(tr("Nach dem Schreiben vergleichen", "Option Dialog"),
                          "cbnachschreibenvergleichen", 30);
    m_vorrestore = check(tr("Vor der Wiederherstellung sichern", "Option Dialog"),
                         "cbvorwiederherstellungsichern", 60);
    m_vorpic = check(tr("Vor dem PIC-Laden sichern", "Option Dialog"), "cbvorpicladensichern", 90);

    for (int p = 0; p < 3; ++p) {
        auto* seite = new QWidget();
        seite->setObjectName(QStringLiteral("hw%1").arg(p + 1));
        m_tabs->addTab(seite, tr("Talvaro HW%1", "Option Dialog").arg(p + 1));
        for (int z = 0; z < kZeilen; ++z) {
            const Zeile& row = kZeilenTabelle[z];
            const int y = 8 + z * 46;
            auto* l = new QLabel(uebersetzt(row.label), seite);
            l->setGeometry(10, y, 500, 18);
            auto* e = new QLineEdit(seite);
            e->setObjectName(QStringLiteral("e%1_%2").arg(QLatin1String(row.name)).arg(p));
            e->setGeometry(10, y + 18, 440, 24);
            auto* b = new QPushButton(tr("...", "Option Dialog"), seite);
            b->setObjectName(QStringLiteral("b%1_%2").arg(QLatin1String(row.name)).arg(p));
            b->setAutoDefault(false);
            b->setGeometry(460, y + 18, 50, 24);
            connect(b, &QPushButton::clicked, this, row.slot);
            m_felder[size_t(p)][size_t(z)] = e;
            m_knoepfe[size_t(p)][size_t(z)] = b;
        }
    }

    m_ok = new QPushButton(tr("OK", "Option Dialog"), this);
    m_ok->setObjectName(QStringLiteral("bok"));
    m_ok->setGeometry(350, 580, 90, 30);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    m_abbruch = new QPushButton(tr("Abbrechen", "Option Dialog"), this);
    m_abbruch->setObjectName(QStringLiteral("babbruch"));
    m_abbruch->setGeometry(455, 580, 90, 30);
    m_abbruch->setAutoDefault(false);
    connect(m_abbruch, &QPushButton::clicked, this, &QDialog::reject);
}

odlg::~odlg() = default;

void odlg::portlistefuellen() {
    // Ports come and go (USB adapters): the system's part of the list is fetched anew each
    // time the dialog is filled and every second while it is open; the 256 COM items stay.
    // A system port named like one of them (Windows) describes that item instead.
    const QList<PortInfo> system = PortInfo::systemPorts();
    if (m_portlisteGefuellt && system == m_system) {
        portinfozeigen();
        return;
    }
    const QString text = m_port->currentText();
    const QString gewaehlt =
        m_port->currentIndex() >= 0 ? m_port->itemText(m_port->currentIndex()) : QString();
    m_system = system;
    // A row stores the name in its first column; for a stable name, the device it leads to
    // now stands beside it.
    auto zeile = [](const PortInfo& p, bool fest) {
        QList<QStandardItem*> z;
        for (const QString& s : {fest ? p.byId : p.name, fest ? p.name : QString(), p.description,
                                 p.manufacturer, p.usbIds(), p.serial}) {
            auto* item = new QStandardItem(s);
            item->setToolTip(p.zeile());
            z.append(item);
        }
        return z;
    };
    auto comNummer = [](const QString& name) {
        bool ok = false;
        const int n = name.startsWith(QLatin1String("COM")) ? name.mid(3).toInt(&ok) : 0;
        return ok && n >= 1 && n <= kComAnzahl ? n : 0;
    };
    m_portmodell->removeRows(0, m_portmodell->rowCount());
    QList<PortInfo> oben;
    QList<PortInfo> com(kComAnzahl);
    for (int n = 1; n <= kComAnzahl; ++n)
        com[n - 1].name = QStringLiteral("COM%1").arg(n);
    for (const PortInfo& p : system) {
        if (const int n = comNummer(p.name))
            com[n - 1] = p;
        else
            oben.append(p);
    }
    // The stable names first: chosen, they find the adapter whatever ttyUSB it gets.
    int feste = 0;
    for (const PortInfo& p : system) {
        if (!p.byId.isEmpty()) {
            m_portmodell->appendRow(zeile(p, true));
            ++feste;
        }
    }
    for (const PortInfo& p : std::as_const(oben))
        m_portmodell->appendRow(zeile(p, false));
    for (const PortInfo& p : std::as_const(com))
        m_portmodell->appendRow(zeile(p, false));
    m_systemports = feste + int(oben.size());
    m_portlisteGefuellt = true;
    if (auto* liste = qobject_cast<QTreeView*>(m_port->view()))
        for (int s = 0; s < kSpalten; ++s)
            liste->resizeColumnToContents(s);
    // The row chosen before stays chosen where it is still listed; the field keeps its text.
    const int row = gewaehlt.isEmpty() ? -1 : m_port->findText(gewaehlt, Qt::MatchExactly);
    m_port->setCurrentIndex(row);
    m_port->setEditText(text);
    portinfozeigen();
}

QString odlg::portinfotext() const {
    const QString name = m_port->currentText().trimmed();
    if (name.isEmpty())
        return {};
    const QString device = Modem::systemPortName(name);
    for (const PortInfo& p : m_system) {
        if (p.name == name || Modem::systemPortName(p.name) == device ||
            (!p.byId.isEmpty() && p.byId == device)) {
            const QStringList d = p.details();
            return d.isEmpty() ? tr("Vom System gemeldet, ohne weitere Angaben", "Option Dialog")
                               : d.join(QStringLiteral(", "));
        }
    }
    return tr("Vom System nicht gemeldet", "Option Dialog");
}

void odlg::portinfozeigen() {
    m_portinfo->setText(portinfotext());
}

void odlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_portlistetimer->start();
}

void odlg::hideEvent(QHideEvent* event) {
    m_portlistetimer->stop();
    QDialog::hideEvent(event);
}

QLineEdit* odlg::feld(int profil, int zeile) const {
    if (profil < 0 || profil > 2 || zeile < 1 || zeile > kZeilen)
        return nullptr;
    return m_felder[size_t(profil)][size_t(zeile - 1)];
}

QPushButton* odlg::knopf(int profil, int zeile) const {
    if (profil < 0 || profil > 2 || zeile < 1 || zeile > kZeilen)
        return nullptr;
    return m_knoepfe[size_t(profil)][size_t(zeile - 1)];
}

void odlg::setEinstellungen(const TEinstellungen& e) {
    m_einst = e;
    portlistefuellen();
    m_port->setEditText(e.rs232);
    m_pic->setValue(e.picrs232writetime);
    m_dsp->setValue(e.dsprs232writetime);
    m_param->setValue(e.paramrs232writetime);
    m_vergleichen->setChecked(e.nachschreibenvergleichen);
    m_vorrestore->setChecked(e.vorwiederherstellungsichern);
    m_vorpic->setChecked(e.vorpicladensichern);
    for (int p = 0; p < 3; ++p)
        for (int z = 0; z < kZeilen; ++z)
            m_felder[size_t(p)][size_t(z)]->setText((e.*(kZeilenTabelle[z].feld))[size_t(p)]);
}

TEinstellungen odlg::getEinstellungen() const {
    TEinstellungen e = m_einst;
    e.rs232 = m_port->currentText();
    e.picrs232writetime = m_pic->value();
    e.dsprs232writetime = m_dsp->value();
    e.paramrs232writetime = m_param->value();
    e.nachschreibenvergleichen = m_vergleichen->isChecked();
    e.vorwiederherstellungsichern = m_vorrestore->isChecked();
    e.vorpicladensichern = m_vorpic->isChecked();
    for (int p = 0; p < 3; ++p)
        for (int z = 0; z < kZeilen; ++z)
            (e.*(kZeilenTabelle[z].feld))[size_t(p)] = m_felder[size_t(p)][size_t(z)]->text();
    return e;
}

int odlg::profil() const {
    const int p = m_tabs->currentIndex() - 1;
    return (p >= 0 && p <= 2) ? p : -1;
}

void odlg::clickbveskpfad() {
    const int p = profil();
    qDebug("idx %i", p);
    if (p < 0)
        return;
    const QString dir = UserDialogs::current().existingDirectory(
        this, tr("Verzeichnisauswahl", "Option"), m_einst.veskpfad[size_t(p)]);
    if (dir.isEmpty())
        return;
    feld(p, 1)->setText(dir);
    m_einst.veskpfad[size_t(p)] = dir;
    const QString sep = QDir::separator();
    for (const Fund& f : kFunde) {
        QString pfad = dir + sep;
        if (f.inFilters)
            pfad += QStringLiteral("Filters") + sep;
        pfad += QLatin1String(f.datei);
        const QFileInfo info(pfad);
        if (info.isFile())
            feld(p, f.zeile)->setText(QDir::toNativeSeparators(info.absoluteFilePath()));
    }
}

void odlg::dateiwahl(int zeile) {
    const int p = profil();
    if (p < 0)
        return;
    const Zeile& row = kZeilenTabelle[zeile - 1];
    const QString datei = UserDialogs::current().openFileName(
        this, uebersetzt(row.titel), m_einst.veskpfad[size_t(p)], uebersetzt(row.filter));
    if (!datei.isEmpty())
        feld(p, zeile)->setText(datei);
}

void odlg::clickbdspcodefilename() {
    dateiwahl(2);
}
void odlg::clickbfilterfilename() {
    dateiwahl(3);
}
void odlg::clickbad603filename() {
    dateiwahl(4);
}
void odlg::clickbparameterfilename() {
    dateiwahl(5);
}
void odlg::clickbxparameterfilename() {
    dateiwahl(6);
}
void odlg::clickbstandardparameterfilename() {
    dateiwahl(7);
}
void odlg::clickbrxeqfilename() {
    dateiwahl(8);
}
void odlg::clickbtxeqfilename() {
    dateiwahl(9);
}
void odlg::clickbscalfilename() {
    dateiwahl(10);
}
void odlg::clickbtestfilename() {
    dateiwahl(11);
}
