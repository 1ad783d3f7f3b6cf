#include "parameters/parameterseite.h"

#include "app/bediener.h"
#include "control/dspbefehl.h"
#include "parameters/parametereditor.h"
#include "parameters/parametervergleichdialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTimer>

#include <memory>
#include <vector>

namespace {
constexpr int kSpaltenbreite = 270;
constexpr int kZeilenabstand = 35;
// A burst of box changes goes out this long after the last one.
constexpr int kRuhezeitMs = 200;

bool immerVerborgen(int i) {
    return i < 10;
}
bool zehner(int i) {
    return i % 10 == 0;
}

void nullstellung(QDoubleSpinBox* s) {
    s->setDecimals(0);
    s->setRange(0, 255);
    s->setValue(255);
}
} // namespace

ParameterSeite::ParameterSeite(Geraet& geraet, QWidget* parent)
    : QWidget(parent), m_geraet(geraet) {
    setObjectName(QStringLiteral("parameterseite"));
    bauen();
    connect(&m_geraet, &Geraet::parameterGeladen, this, &ParameterSeite::parametergeladen);
    connect(&m_geraet, &Geraet::tabelleZurueckgesetzt, this, &ParameterSeite::paramreset);
    connect(&m_geraet, &Geraet::parameterGesperrt, this, &ParameterSeite::paramreset);
    connect(&m_geraet, &Geraet::speicherstandGeaendert, this, &ParameterSeite::speicherstandzeigen);
    connect(&m_geraet, &Geraet::spalteGewechselt, this, &ParameterSeite::paramanzeigen);
    connect(&m_geraet, &Geraet::dspNeustart, this, &ParameterSeite::dspneustart);
    connect(&m_geraet, &Geraet::schalterAus, this, [this](int i) {
        // The frame is out already: the box only follows what the DSP has now.
        QSignalBlocker still(schalter[size_t(i)]);
        schalter[size_t(i)]->setChecked(false);
        if (i == 5)
            schalter[5]->setText(tr("6 Fil.6.2"));
    });
    connect(&m_geraet, &Geraet::kalibrierparameter, this, &ParameterSeite::kalparametersetzen);
    connect(&m_geraet, &Geraet::kalibrierungLaeuft, this, &ParameterSeite::kalmessung);
    connect(&m_geraet, &Geraet::kalibrierungBeendet, this, &ParameterSeite::kalbeendet);
    paramfreigabe(false);
    paramreset();
    m_geraet.anmelden(this);
}

ParameterSeite::~ParameterSeite() {
    m_geraet.abmelden(this);
}

QString ParameterSeite::ungesichert() const {
    QStringList namen;
    if (m_geraet.paramGeaendert())
        namen.append(tr("Parameter"));
    if (m_geraet.xParamGeaendert())
        namen.append(tr("X-Parameter"));
    return namen.join(QStringLiteral(", "));
}

bool ParameterSeite::sichern() {
    if (m_geraet.paramGeaendert())
        clickparamsave();
    if (m_geraet.xParamGeaendert())
        clickxparamsave();
    return !m_geraet.paramGeaendert() && !m_geraet.xParamGeaendert();
}

void ParameterSeite::abschliessen() {
    // Before a load, a profile switch, a calibration or the close, an edit younger than the
    // debounce is stored and sent like any other: the set must have what the table says.
    if (!dspbeftimer->isActive())
        return;
    dspbeftimer->stop();
    m_geraet.framesSenden(paramuebernehmen());
}

void ParameterSeite::anhalten() {
    dspbeftimer->stop();
}

void ParameterSeite::bauen() {
    auto button = [this](const QString& text, const char* name, void (ParameterSeite::*slot)()) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    bparamladen = button(tr("Parameter laden"), "bparamladen", &ParameterSeite::clickparamladen);
    bparamsave = button(tr("Parameter speichern"), "bparamsave", &ParameterSeite::clickparamsave);
    bxparamladen =
        button(tr("X-Parameter laden"), "bxparamladen", &ParameterSeite::clickxparamladen);
    bxparamsave =
        button(tr("X-Parameter speichern"), "bxparamsave", &ParameterSeite::clickxparamsave);
    bxparamsave->setEnabled(false);
    bparamvergleich = button(tr("Mit Talvaro vergleichen"), "bparamvergleich",
                             &ParameterSeite::clickparamvergleich);

    cbdmoni = new QCheckBox(tr("DSP Monitor"), this);
    cbdmoni->setObjectName(QStringLiteral("cbdmoni"));
    cbdmoni->setEnabled(false);
    connect(cbdmoni, &QCheckBox::stateChanged, this,
            [this] { emit monitorGeschaltet(cbdmoni->isChecked()); });

    paramtabs = new QTabWidget(this);
    paramtabs->setObjectName(QStringLiteral("paramtabs"));
    // The comparison concerns the whole table: it sits in the corner of the table's tabs,
    // where the page's fixed places leave room.
    paramtabs->setCornerWidget(bparamvergleich, Qt::TopRightCorner);
    for (int i = 0; i < 3; ++i) {
        paramseite[size_t(i)] = new QWidget();
        paramseite[size_t(i)]->setObjectName(QStringLiteral("paramseite%1").arg(i));
        paramtabs->addTab(paramseite[size_t(i)],
                          QString::asprintf("%i - %i - %i", 3 * i + 1, 3 * i + 2, 3 * i + 3));
    }

    // One row per parameter number: 0..9 sit on the first page and are never shown, the
    // multiples of 10 wait hidden until a refresh finds a value for them.
    for (int i = 0; i < 100; ++i) {
        QWidget* seite = paramseite[size_t(i < 10 ? 0 : (i / 10 - 1) / 3)];
        auto* nr = new QLabel(seite);
        nr->setObjectName(QStringLiteral("paramnr%1").arg(i));
        auto* wert = new QDoubleSpinBox(seite);
        wert->setObjectName(QStringLiteral("paramwert%1").arg(i));
        nullstellung(wert);
        auto* name = new QLabel(seite);
        name->setObjectName(QStringLiteral("paramname%1").arg(i));
        if (immerVerborgen(i) || zehner(i)) {
            nr->hide();
            wert->hide();
            name->hide();
        }
        connect(wert, &QDoubleSpinBox::valueChanged, this, &ParameterSeite::dspbefehl);
        paramnr[size_t(i)] = nr;
        paramwert[size_t(i)] = wert;
        paramname[size_t(i)] = name;
    }
    dspbeftimer = new QTimer(this);
    dspbeftimer->setObjectName(QStringLiteral("dspbeftimer"));
    dspbeftimer->setInterval(kRuhezeitMs);
    connect(dspbeftimer, &QTimer::timeout, this, &ParameterSeite::tstopdspbef);
    setuserid();
    bauenSchalter();
}

void ParameterSeite::bauenSchalter() {
    const QString texts[8] = {tr("1 Denoiser"), tr("2 Mute"),    tr("3 Noise Bl."),
                              tr("4 A-Notch"),  tr("5 M-Notch"), tr("6 Fil.6.2"),
                              tr("7 VOX"),      tr("9 RF Clip")};
    void (ParameterSeite::*handlers[8])() = {&ParameterSeite::setb1, &ParameterSeite::setb2,
                                             &ParameterSeite::setb3, &ParameterSeite::setb4,
                                             &ParameterSeite::setb5, &ParameterSeite::setb6,
                                             &ParameterSeite::setb7, &ParameterSeite::setb9};
    for (int i = 0; i < 8; ++i) {
        schalter[size_t(i)] = new QCheckBox(texts[i], this);
        schalter[size_t(i)]->setObjectName(
            QStringLiteral("cbb%1").arg(dspbefehl::kSchalterNummern[size_t(i)]));
        connect(schalter[size_t(i)], &QCheckBox::stateChanged, this, handlers[i]);
    }

    auto group = [this](const QString& title, const char* name) {
        auto* g = new QGroupBox(title, this);
        g->setObjectName(QString::fromLatin1(name));
        return g;
    };
    auto radio = [this](QGroupBox* g, const QString& text, const char* name,
                        void (ParameterSeite::*slot)()) {
        auto* r = new QRadioButton(text, g);
        r->setObjectName(QString::fromLatin1(name));
        connect(r, &QRadioButton::pressed, this, slot);
        return r;
    };
    gbbank = group(tr("Parameterbank"), "gbbank");
    rbgruen = radio(gbbank, tr("Gruen"), "rbgruen", &ParameterSeite::setparamgruppegn);
    rbgelb = radio(gbbank, tr("Gelb"), "rbgelb", &ParameterSeite::setparamgruppege);
    rbrot = radio(gbbank, tr("Rot"), "rbrot", &ParameterSeite::setparamgruppert);
    gbseitenband = group(tr("Seitenband"), "gbseitenband");
    rbusb = radio(gbseitenband, tr("USB"), "rbusb", &ParameterSeite::setparamusb);
    rblsb = radio(gbseitenband, tr("LSB"), "rblsb", &ParameterSeite::setparamlsb);
    gbmode = group(tr("Mode"), "gbmode");
    rbssb = radio(gbmode, tr("SSB"), "rbssb", &ParameterSeite::setparamgruppessb);
    rbcw = radio(gbmode, tr("CW"), "rbcw", &ParameterSeite::setparamgruppecw);
    gbdspid = group(tr("DSP-ID"), "gbdspid");
    rbuser = radio(gbdspid, tr("User"), "rbuser", &ParameterSeite::setuserid);
    rbvesk = radio(gbdspid, tr("Vesk"), "rbvesk", &ParameterSeite::setveskid);
}

void ParameterSeite::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    panellayout();
}

void ParameterSeite::panellayout() {
    // The three groups of a page are its columns; the visible rows of a group close up
    // from the top, so the page is only as tall as its longest group.
    int zeilenMax = 0;
    for (int g = 1; g <= 9; ++g) {
        const int x = (g - 1) % 3 * kSpaltenbreite;
        int k = 0;
        for (int i = g * 10; i < g * 10 + 10; ++i) {
            if (paramwert[size_t(i)]->isHidden())
                continue;
            const int y = 20 + kZeilenabstand * k;
            paramnr[size_t(i)]->setGeometry(x + 5, y, 30, 30);
            paramwert[size_t(i)]->setGeometry(x + 40, y, 55, 30);
            paramname[size_t(i)]->setGeometry(x + 97, y, kSpaltenbreite - 100, 30);
            ++k;
        }
        zeilenMax = qMax(zeilenMax, k);
    }
    paramtabs->setGeometry(10, 160, 830, kZeilenabstand * zeilenMax + 50);

    gbbank->setGeometry(320, 10, 110, 90);
    rbgruen->setGeometry(10, 20, 95, 20);
    rbgelb->setGeometry(10, 40, 95, 20);
    rbrot->setGeometry(10, 60, 95, 20);
    gbseitenband->setGeometry(440, 10, 90, 70);
    rbusb->setGeometry(10, 20, 75, 20);
    rblsb->setGeometry(10, 40, 75, 20);
    gbmode->setGeometry(440, 80, 90, 70);
    rbssb->setGeometry(10, 20, 75, 20);
    rbcw->setGeometry(10, 40, 75, 20);
    gbdspid->setGeometry(540, 10, 70, 70);
    rbuser->setGeometry(10, 20, 55, 20);
    rbvesk->setGeometry(10, 40, 55, 20);
    bparamladen->setGeometry(640, 10, 190, 30);
    bparamsave->setGeometry(640, 40, 190, 30);
    bxparamladen->setGeometry(640, 80, 190, 30);
    bxparamsave->setGeometry(640, 110, 190, 30);
    cbdmoni->setGeometry(640, 140, 190, 30);
    // The switches fill the free corner left of the groups, two columns of four.
    for (int k = 0; k < 8; ++k)
        schalter[size_t(k)]->setGeometry(10 + k / 4 * 150, 10 + k % 4 * 35, 145, 30);
}

// ---- the table shown -----------------------------------------------------------------------

void ParameterSeite::paramreset() {
    dspbeftimer->stop();
    for (int i = 10; i < 100; ++i) {
        QDoubleSpinBox* spin = paramwert[size_t(i)];
        const QSignalBlocker still(spin);
        spin->setHidden(zehner(i));
        nullstellung(spin);
        spin->setEnabled(true);
        // No entry is an X parameter any more, so none stays red.
        if (spin->testAttribute(Qt::WA_SetPalette))
            spin->setPalette(QPalette());
        spin->setToolTip(QString());
        m_angezeigt[size_t(i)] = spin->value();
        paramnr[size_t(i)]->clear();
        // The names went with the table.
        paramname[size_t(i)]->clear();
    }
    paramtabs->setEnabled(false);
    cbdmoni->setEnabled(false);
    speicherstandzeigen();
    panellayout();
}

void ParameterSeite::paramfreigabe(bool on) {
    paramtabs->setEnabled(on);
    gbbank->setEnabled(on);
    gbseitenband->setEnabled(on);
    gbmode->setEnabled(on);
    gbdspid->setEnabled(on);
    for (QCheckBox* cb : schalter)
        cb->setEnabled(on);
    cbdmoni->setEnabled(on);
    // A comparison needs a table in the panel: an empty one differs everywhere.
    bparamvergleich->setEnabled(on);
}

void ParameterSeite::speicherstandzeigen() {
    bparamsave->setEnabled(m_geraet.paramGeaendert());
    bxparamsave->setEnabled(m_geraet.xParamGeaendert());
}

void ParameterSeite::parametergeladen() {
    setuserid();
    rbuser->setChecked(true);
    rbgruen->setChecked(true);
    rbssb->setChecked(true);
    rblsb->setChecked(true);
    paramfreigabe(true);
    speicherstandzeigen();
    // A read shows green SSB; the session's column follows (and refreshes the panel).
    m_geraet.spalteSetzen(gewaehlt());
}

void ParameterSeite::dspneustart() {
    // Switches that were on say so to the DSP through their own slots.
    for (QCheckBox* s : schalter)
        s->setChecked(false);
    for (QRadioButton* r : {rbgruen, rbssb, rblsb})
        r->setChecked(true);
    schaltertexte(false);
}

void ParameterSeite::paramanzeigen() {
    // Showing the table is no edit: it neither stores nor sends anything.
    std::vector<std::unique_ptr<QSignalBlocker>> still;
    for (QDoubleSpinBox* spin : paramwert)
        still.push_back(std::make_unique<QSignalBlocker>(spin));
    for (int i = 0; i < 100; ++i) {
        if (immerVerborgen(i) || zehner(i)) {
            paramwert[size_t(i)]->hide();
            paramnr[size_t(i)]->hide();
        }
        nullstellung(paramwert[size_t(i)]);
        m_angezeigt[size_t(i)] = paramwert[size_t(i)]->value();
    }
    const Geraet::Spalte& s = m_geraet.spalte();
    for (int i = parameter::kErste; i <= parameter::kLetzte; ++i) {
        paramwert[size_t(i)]->hide();
        paramnr[size_t(i)]->hide();
        paramname[size_t(i)]->hide();
        paramzeigen(i, parameter::anzeigewert(m_geraet.tabelle()[size_t(i)], s.modus, s.bank));
    }
    panellayout();
}

void ParameterSeite::paramzeigen(int i, int v) {
    if (i < parameter::kErste || i > parameter::kLetzte)
        return;
    QDoubleSpinBox* spin = paramwert[size_t(i)];
    QLabel* nr = paramnr[size_t(i)];
    spin->hide();
    nr->hide();
    if (v == TParameter::fehlt)
        return;
    const TParameter& p = m_geraet.tabelle()[size_t(i)];
    if (p.xparam) {
        QPalette rot = spin->palette();
        rot.setColor(QPalette::Button, Qt::red);
        spin->setPalette(rot);
        spin->setBackgroundRole(QPalette::Window);
        spin->repaint();
        if (!nr->text().contains(QLatin1Char('X')))
            nr->setText(nr->text() + QLatin1Char('X'));
    } else {
        // An entry that a later read no longer marks loses its colour and its letter.
        if (spin->testAttribute(Qt::WA_SetPalette))
            spin->setPalette(QPalette());
        if (nr->text().endsWith(QLatin1Char('X')))
            nr->setText(nr->text().chopped(1));
    }
    spin->show();
    nr->show();
    paramname[size_t(i)]->show();
    // The box shows what the table holds, also outside the range an edit may reach.
    const Geraet::Spalte& s = m_geraet.spalte();
    const parameter::SpinAnzeige a =
        parameter::spinAnzeige(p, v, parameter::editBereich(p, s.modus, s.bank));
    {
        const QSignalBlocker still(spin);
        spin->setDecimals(a.decimals);
        spin->setMinimum(a.minimum);
        spin->setMaximum(a.maximum);
        spin->setSingleStep(a.step);
        spin->setValue(a.wert);
    }
    m_angezeigt[size_t(i)] = spin->value();
    spin->setToolTip(p.name);
    paramname[size_t(i)]->setText(p.name);
}

// ---- live edits ----------------------------------------------------------------------------

bool ParameterSeite::editsOffen() const {
    return dspbeftimer->isActive();
}

void ParameterSeite::dspbefehl() {
    if (m_geraet.paramGeladen())
        dspbeftimer->start(kRuhezeitMs);
}

void ParameterSeite::tstopdspbef() {
    // Stopped first: a change made while the frames below are paced starts the timer again,
    // and that later run sends it.
    dspbeftimer->stop();
    if (dspbefaktiv) {
        // A run is still sending further down the stack; look again once it is done.
        dspbeftimer->start(kRuhezeitMs);
        return;
    }
    dspbefaktiv = true;
    // Every edit is stored before the first frame is paced; a column shown meanwhile drops
    // what of this one has not gone out yet.
    m_geraet.framesSenden(paramuebernehmen());
    dspbefaktiv = false;
}

QList<std::pair<int, int>> ParameterSeite::paramuebernehmen() {
    QList<std::pair<int, int>> edits;
    const Geraet::Spalte& s = m_geraet.spalte();
    for (int i = parameter::kErste; i <= parameter::kLetzte; ++i) {
        QDoubleSpinBox* spin = paramwert[size_t(i)];
        // The S-meter calibration owns 69 and above while it runs: their boxes wait.
        if (m_geraet.smKalAktiv() && i > Geraet::kSmKalErster)
            break;
        if (spin->isHidden() || spin->value() == m_angezeigt[size_t(i)])
            continue;
        const TParameter& p = m_geraet.tabelle()[size_t(i)];
        // A scale of 0 maps every raw value to 0 and back to nothing: such an entry is
        // neither stored nor sent.
        const auto r = parameter::rohwert(spin->value(), p.x);
        if (!r) {
            m_angezeigt[size_t(i)] = spin->value();
            continue;
        }
        // What the person edits stays within what keeps its meaning; the box says so.
        const int roh = parameter::editBereich(p, s.modus, s.bank).begrenzt(*r);
        if (roh != *r) {
            const QSignalBlocker still(spin);
            spin->setValue(roh * p.x);
        }
        m_angezeigt[size_t(i)] = spin->value();
        edits.append({i, roh});
    }
    return m_geraet.parameterAendern(edits);
}

// ---- column, numbering, switches -----------------------------------------------------------

Geraet::Spalte ParameterSeite::gewaehlt() const {
    Geraet::Spalte s;
    s.modus = rbcw->isChecked() ? parameter::Modus::Cw : parameter::Modus::Ssb;
    s.bank = rbgelb->isChecked()  ? parameter::Bank::Gelb
             : rbrot->isChecked() ? parameter::Bank::Rot
                                  : parameter::Bank::Gruen;
    return s;
}

void ParameterSeite::spaltewaehlen(parameter::Modus modus, parameter::Bank bank) {
    // The edits of the column shown are stored there before another is shown.
    m_geraet.aenderungenUebernehmen();
    Geraet::Spalte s = gewaehlt();
    s.modus = modus;
    s.bank = bank;
    m_geraet.spalteWaehlen(s);
}

void ParameterSeite::setparamgruppegn() {
    rbgruen->setChecked(true);
    spaltewaehlen(gewaehlt().modus, parameter::Bank::Gruen);
}

void ParameterSeite::setparamgruppege() {
    rbgelb->setChecked(true);
    spaltewaehlen(gewaehlt().modus, parameter::Bank::Gelb);
}

void ParameterSeite::setparamgruppert() {
    rbrot->setChecked(true);
    spaltewaehlen(gewaehlt().modus, parameter::Bank::Rot);
}

void ParameterSeite::setparamgruppessb() {
    m_geraet.aenderungenUebernehmen();
    rbssb->setChecked(true);
    if (rblsb->isChecked() || rbusb->isChecked())
        m_geraet.seitenband(false, rbusb->isChecked());
    spaltewaehlen(parameter::Modus::Ssb, gewaehlt().bank);
    schaltertexte(false);
}

void ParameterSeite::setparamgruppecw() {
    m_geraet.aenderungenUebernehmen();
    rbcw->setChecked(true);
    if (rblsb->isChecked() || rbusb->isChecked())
        m_geraet.seitenband(true, rbusb->isChecked());
    spaltewaehlen(parameter::Modus::Cw, gewaehlt().bank);
    schaltertexte(true);
}

// Renumbering drops the "X" marks until the next refresh puts them back.
void ParameterSeite::setuserid() {
    for (int i = parameter::kErste; i <= parameter::kLetzte; ++i)
        paramnr[size_t(i)]->setText(parameter::nummerText(m_geraet.tabelle()[size_t(i)].user));
}

void ParameterSeite::setveskid() {
    for (int i = parameter::kErste; i <= parameter::kLetzte; ++i)
        paramnr[size_t(i)]->setText(parameter::nummerText(i));
}

void ParameterSeite::schalten(int i) {
    m_geraet.schalten(i, schalter[size_t(i)]->isChecked());
}

void ParameterSeite::setb1() {
    schalten(0);
}
void ParameterSeite::setb2() {
    schalten(1);
}
void ParameterSeite::setb3() {
    schalten(2);
}
void ParameterSeite::setb4() {
    schalten(3);
}
void ParameterSeite::setb5() {
    schalten(4);
}

void ParameterSeite::setb6() {
    schalten(5);
    // The label names the filter now in use, so it follows the switch.
    schalter[5]->setText(schalter[5]->isChecked() ? tr("6 Fil.6.1") : tr("6 Fil.6.2"));
}

void ParameterSeite::setb7() {
    schalten(6);
}
void ParameterSeite::setb9() {
    schalten(7);
}

void ParameterSeite::schaltertexte(bool cw) {
    schalter[3]->setText(cw ? tr("4 QRO") : tr("4 A-Notch"));
    schalter[6]->setText(cw ? tr("7 QSK") : tr("7 VOX"));
    schalter[7]->setText(cw ? tr("9 CW Spot") : tr("9 RF Clip"));
}

// Sideband and mode travel together in command 2, so a sideband press sends the value for
// the mode that is checked, and nothing while none is.
void ParameterSeite::setparamusb() {
    rbusb->setChecked(true);
    rblsb->setChecked(false);
    if (rbssb->isChecked() || rbcw->isChecked())
        m_geraet.seitenband(rbcw->isChecked(), true);
}

void ParameterSeite::setparamlsb() {
    rblsb->setChecked(true);
    rbusb->setChecked(false);
    if (rbssb->isChecked() || rbcw->isChecked())
        m_geraet.seitenband(rbcw->isChecked(), false);
}

// ---- calibrations and the monitor --------------------------------------------------------

void ParameterSeite::kalparametersetzen(int nummer, int wert, bool sperren) {
    paramzeigen(nummer, wert);
    if (!sperren)
        return;
    for (int i = parameter::kErste; i <= parameter::kLetzte; ++i)
        paramwert[size_t(i)]->setEnabled(i == nummer);
}

void ParameterSeite::kalmessung(bool laeuft) {
    if (laeuft && cbdmoni->isEnabled()) {
        monitorgesperrt = true;
        cbdmoni->setEnabled(false);
    } else if (!laeuft && monitorgesperrt) {
        monitorgesperrt = false;
        cbdmoni->setEnabled(true);
    }
}

void ParameterSeite::kalbeendet() {
    // The table went with the end; a monitor that is on can still be switched off.
    monitorgesperrt = false;
    cbdmoni->setEnabled(cbdmoni->isChecked());
}

void ParameterSeite::monitorZeigen(bool an) {
    cbdmoni->setChecked(an);
}

// ---- files ---------------------------------------------------------------------------------

void ParameterSeite::clickparamladen() {
    m_geraet.log(QStringLiteral("---------------------------------"));
    m_geraet.userParameterLaden();
}

void ParameterSeite::clickxparamladen() {
    m_geraet.xParameterLaden();
}

void ParameterSeite::clickparamsave() {
    m_geraet.aenderungenUebernehmen();
    Bediener* b = m_geraet.bediener();
    const QString name =
        b ? b->dateiWaehlen(Bediener::Wahl::Speichern, tr("USER-Parameter Speichern", "FileDialog"),
                            m_geraet.einstellungen().parameterfilename[size_t(m_geraet.profil())],
                            tr("Parameter (*.dpk *.DPK);;Alle Dateien (*.*)", "FileDialog"))
          : QString();
    if (!name.isEmpty())
        m_geraet.parameterSpeichern(name);
}

void ParameterSeite::clickxparamsave() {
    m_geraet.aenderungenUebernehmen();
    Bediener* b = m_geraet.bediener();
    const QString name =
        b ? b->dateiWaehlen(Bediener::Wahl::Speichern, tr("X-Parameter Speichern", "FileDialog"),
                            m_geraet.einstellungen().xparameterfilename[size_t(m_geraet.profil())],
                            tr("X-Parameter (*.dpk *.DPK);;Alle Dateien (*.*)", "FileDialog"))
          : QString();
    if (!name.isEmpty())
        m_geraet.xParameterSpeichern(name);
}

void ParameterSeite::clickparamvergleich() {
    if (!m_geraet.paramGeladen() || !m_geraet.parameterVergleichen().ok())
        return;
    auto* d = new ParameterVergleichDialog(m_geraet, this);
    d->setAttribute(Qt::WA_DeleteOnClose);
    // Modal to the main window only: the simulated set's panel stays usable.
    d->setWindowModality(Qt::WindowModal);
    d->show();
}
