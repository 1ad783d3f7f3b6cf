#include "smkalseite.h"

#include "app/geraet.h"
#include "calibration/smkalibrierung.h"
#include "smkurve.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTextEdit>
#include <QTimer>

SmKalSeite::SmKalSeite(Geraet& geraet, QWidget* parent)
    : QWidget(parent), m_geraet(geraet), m_kal(geraet.smkal()) {
    setObjectName(QStringLiteral("smseite"));
    auto label = [](QWidget* parent, const QString& t, const char* name) {
        auto* l = new QLabel(t, parent);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    smbar = new QProgressBar(this);
    smbar->setObjectName(QStringLiteral("smbar"));
    smbar->setRange(0, 90);
    smbar->setValue(0);
    smbar->setFormat(QStringLiteral("%vdB"));
    smtext = new QTextEdit(this);
    smtext->setObjectName(QStringLiteral("smtext"));
    smtext->setReadOnly(true);
    bsmstep = new QPushButton(this);
    bsmstep->setObjectName(QStringLiteral("bsmstep"));
    connect(bsmstep, &QPushButton::clicked, this, &SmKalSeite::clicksmstep);
    bsmabbruch = new QPushButton(QCoreApplication::translate("vantrel", "ABBRUCH"), this);
    bsmabbruch->setObjectName(QStringLiteral("bsmabbruch"));
    connect(bsmabbruch, &QPushButton::clicked, this, &SmKalSeite::clicksmabbruch);
    smlabel = label(this, QCoreApplication::translate("vantrel", "Pegelanzeige der Messungen"),
                    "smlabel");
    gbkal = new QGroupBox(QCoreApplication::translate("vantrel", "Kalibriereinstellungen"), this);
    gbkal->setObjectName(QStringLiteral("gbkal"));

    // Columns: the bands for the NF and IP3 rows; the first four also carry the DDS headers
    // of the dB row.
    static const char* const baender[SmeterWerte::baender] = {
        QT_TRANSLATE_NOOP("vantrel", ">29MHz"), QT_TRANSLATE_NOOP("vantrel", "10m"),
        QT_TRANSLATE_NOOP("vantrel", "12m"),    QT_TRANSLATE_NOOP("vantrel", "15m"),
        QT_TRANSLATE_NOOP("vantrel", "17m"),    QT_TRANSLATE_NOOP("vantrel", "60m"),
        QT_TRANSLATE_NOOP("vantrel", "20m"),    QT_TRANSLATE_NOOP("vantrel", "30m"),
        QT_TRANSLATE_NOOP("vantrel", "40m"),    QT_TRANSLATE_NOOP("vantrel", "80m"),
        QT_TRANSLATE_NOOP("vantrel", "160m")};
    static const char* const dds[SmeterWerte::ddsanzahl] = {
        QT_TRANSLATE_NOOP("vantrel", "DDS72"), QT_TRANSLATE_NOOP("vantrel", "DDS43"),
        QT_TRANSLATE_NOOP("vantrel", "DDS23"), QT_TRANSLATE_NOOP("vantrel", "DDS79")};
    for (int k = 0; k < SmeterWerte::baender; ++k)
        label(gbkal, QCoreApplication::translate("vantrel", baender[k]),
              QStringLiteral("smband_%1").arg(k).toLatin1().constData());
    for (int k = 0; k < SmeterWerte::ddsanzahl; ++k)
        label(gbkal, QCoreApplication::translate("vantrel", dds[k]),
              QStringLiteral("smdds_%1").arg(k).toLatin1().constData());
    QStringList spalten;
    for (const char* b : baender)
        spalten << QCoreApplication::translate("vantrel", b);
    for (const char* d : dds)
        spalten << QCoreApplication::translate("vantrel", d);
    smkurve = new SmKurve(spalten, this);
    smkurve->setObjectName(QStringLiteral("smkurve"));
    label(gbkal, QCoreApplication::translate("vantrel", "IP3"), "smzeile_ip3");
    label(gbkal, QCoreApplication::translate("vantrel", "NF"), "smzeile_nf");
    label(gbkal, QCoreApplication::translate("vantrel", "dB"), "smzeile_db");
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
        connect(s, &QSpinBox::valueChanged, this, &SmKalSeite::geaendertsm);
        smwert[i] = s;
    }
    smbeftimer = new QTimer(this);
    smbeftimer->setObjectName(QStringLiteral("smbeftimer"));
    connect(smbeftimer, &QTimer::timeout, this, &SmKalSeite::tstopsmbef);

    for (const QString& zeile : m_kal.text())
        smtext->append(zeile);
    connect(&m_kal, &Kalibrierung::textNeu, smtext, &QTextEdit::clear);
    connect(&m_kal, &Kalibrierung::textZeile, smtext, &QTextEdit::append);
    connect(&m_kal, &Kalibrierung::zustand, this, &SmKalSeite::zustandzeigen);
    connect(&m_kal, &SmKalibrierung::werteGelesen, this, &SmKalSeite::wertezeigen);
    // During the S-meter calibration (and after it, until another load) the telegrams'
    // S-meter byte drives this bar.
    connect(&m_geraet, &Geraet::telegramm, this, [this](const TDspDaten& daten) {
        if (m_geraet.smKalAktiv())
            smbar->setValue(qBound(0, daten.sigdb, 90));
    });
    kurvezeigen();
    zustandzeigen();
    m_geraet.anmelden(this);
}

SmKalSeite::~SmKalSeite() {
    m_geraet.abmelden(this);
}

QString SmKalSeite::ungesichert() const {
    if (!m_kal.aktiv() || m_kal.knopf() != Kalibrierung::Knopf::Speichern)
        return {};
    for (int i = 0; i < SmeterWerte::zeilen; ++i) {
        const std::optional<int>& datei = m_kal.datei()[size_t(i)];
        if (!datei || *datei != m_kal.boxen().wert(i))
            return QCoreApplication::translate("vantrel", "S-Meter-Kalibrierung");
    }
    return {};
}

bool SmKalSeite::sichern() {
    if (!ungesichert().isEmpty() && m_kal.knopfFrei())
        m_kal.weiter();
    return ungesichert().isEmpty();
}

void SmKalSeite::abschliessen() {
    if (!smbeftimer->isActive() || m_sendet)
        return;
    smbeftimer->stop();
    m_sendet = true;
    while (m_kal.abgleichen()) {
    }
    m_sendet = false;
}

void SmKalSeite::anhalten() {
    smbeftimer->stop();
}

void SmKalSeite::clicksmstep() {
    m_kal.weiter();
}

void SmKalSeite::clicksmabbruch() {
    m_kal.abbrechen();
}

void SmKalSeite::zustandzeigen() {
    const char* texte[] = {QT_TRANSLATE_NOOP("vantrel", "START"),
                           QT_TRANSLATE_NOOP("vantrel", "WEITER!"),
                           QT_TRANSLATE_NOOP("vantrel", "SAVE Daten")};
    bsmstep->setText(QCoreApplication::translate("vantrel", texte[int(m_kal.knopf())]));
    bsmstep->setEnabled(m_kal.knopfFrei());
    gbkal->setEnabled(m_kal.gruppeFrei());
    if (m_kal.schritt() == 0)
        smbeftimer->stop();
}

void SmKalSeite::wertezeigen() {
    // The boxes take the file's values first; then what they show is handed back at once,
    // a value beyond a box's range as the box shows it.
    m_zeigt = true;
    for (int i = 0; i < SmeterWerte::zeilen; ++i)
        smwert[i]->setValue(m_kal.boxen().wert(i));
    m_zeigt = false;
    smkurve->setzeDatei(m_kal.datei());
    geaendertsm();
}

void SmKalSeite::kurvezeigen() {
    std::array<int, SmeterWerte::zeilen> werte{};
    for (int i = 0; i < SmeterWerte::zeilen; ++i)
        werte[size_t(i)] = smwert[i]->value();
    smkurve->setzeAktuell(werte);
}

void SmKalSeite::geaendertsm() {
    kurvezeigen();
    if (m_zeigt)
        return;
    bool senden = false;
    for (int i = 0; i < SmeterWerte::zeilen; ++i)
        senden = m_kal.setzeBox(i, smwert[i]->value()) || senden;
    if (senden)
        smbeftimer->start(200);
}

void SmKalSeite::tstopsmbef() {
    if (m_sendet)
        return;
    m_sendet = true;
    if (!m_kal.abgleichen())
        smbeftimer->stop();
    m_sendet = false;
}

void SmKalSeite::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int w = width();
    const int h = height();
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
