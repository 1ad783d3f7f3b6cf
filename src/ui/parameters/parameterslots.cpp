// The live parameter editor: refresh of the panel for the selected mode and bank, its
// layout, the bank, mode and numbering buttons, and the debounced sending of edits.
#include "app/vantrel.h"
#include "control/dspbefehl.h"
#include "parameters/parametereditor.h"

#include <QCheckBox>
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

void vantrel::panellayout() {
    if (!paramtabs || !paramwert[99])
        return;
    // The three groups of a page are its columns; the visible rows of a group close up
    // from the top, so the page is only as tall as its longest group.
    int zeilenMax = 0;
    for (int g = 1; g <= 9; ++g) {
        const int x = (g - 1) % 3 * kSpaltenbreite;
        int k = 0;
        for (int i = g * 10; i < g * 10 + 10; ++i) {
            if (paramwert[i]->isHidden())
                continue;
            const int y = 20 + kZeilenabstand * k;
            paramnr[i]->setGeometry(x + 5, y, 30, 30);
            paramwert[i]->setGeometry(x + 40, y, 55, 30);
            paramname[i]->setGeometry(x + 97, y, kSpaltenbreite - 100, 30);
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
        schalter[k]->setGeometry(10 + k / 4 * 150, 10 + k % 4 * 35, 145, 30);
}

void vantrel::paramanzeigen() {
    // Showing the table is no edit: it neither stores nor sends anything.
    std::vector<std::unique_ptr<QSignalBlocker>> still;
    for (QDoubleSpinBox* spin : paramwert)
        still.push_back(std::make_unique<QSignalBlocker>(spin));
    for (int i = 0; i < 100; ++i) {
        if (immerVerborgen(i) || zehner(i)) {
            paramwert[i]->hide();
            paramnr[i]->hide();
        }
        nullstellung(paramwert[i]);
        m_angezeigt[size_t(i)] = paramwert[i]->value();
    }
    const parameter::Modus modus = parammodus();
    const parameter::Bank bank = parambank();
    m_panelmodus = modus;
    m_panelbank = bank;
    for (int i = parameter::kErste; i <= parameter::kLetzte; ++i) {
        paramwert[i]->hide();
        paramnr[i]->hide();
        paramname[i]->hide();
        paramzeigen(i, parameter::anzeigewert(parametertabelle[size_t(i)], modus, bank));
    }
    panellayout();
}

void vantrel::paramzeigen(int i, int v) {
    if (i < parameter::kErste || i > parameter::kLetzte)
        return;
    QDoubleSpinBox* spin = paramwert[i];
    QLabel* nr = paramnr[i];
    spin->hide();
    nr->hide();
    if (v == TParameter::fehlt)
        return;
    const TParameter& p = parametertabelle[size_t(i)];
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
    paramname[i]->show();
    const parameter::SpinAnzeige a = parameter::spinAnzeige(p, v);
    spin->setDecimals(a.decimals);
    spin->setMinimum(a.minimum);
    spin->setMaximum(a.maximum);
    spin->setSingleStep(a.step);
    {
        const QSignalBlocker still(spin);
        spin->setValue(a.wert);
    }
    // A value outside the box's range shows clamped; only an edit of the box itself may
    // store and send what it then shows.
    m_angezeigt[size_t(i)] = spin->value();
    spin->setToolTip(p.name);
    paramname[i]->setText(p.name);
}

void vantrel::spaltewechseln() {
    if (!paramgeladen)
        return;
    // Stored, not sent: the new column follows as a whole block.
    paramuebernehmen();
}

void vantrel::setparamgruppegn() {
    spaltewechseln();
    rbgruen->setChecked(true);
    paramanzeigen();
    parameter2dsp();
}

void vantrel::setparamgruppege() {
    spaltewechseln();
    rbgelb->setChecked(true);
    paramanzeigen();
    parameter2dsp();
}

void vantrel::setparamgruppert() {
    spaltewechseln();
    rbrot->setChecked(true);
    paramanzeigen();
    parameter2dsp();
}

void vantrel::setparamgruppessb() {
    spaltewechseln();
    rbssb->setChecked(true);
    if (rblsb->isChecked())
        dspframe(dspbefehl::kCmdSeitenband, dspbefehl::seitenbandwert(false, false));
    if (rbusb->isChecked())
        dspframe(dspbefehl::kCmdSeitenband, dspbefehl::seitenbandwert(false, true));
    paramanzeigen();
    parameter2dsp();
    schaltertexte(false);
}

void vantrel::setparamgruppecw() {
    spaltewechseln();
    rbcw->setChecked(true);
    if (rblsb->isChecked())
        dspframe(dspbefehl::kCmdSeitenband, dspbefehl::seitenbandwert(true, false));
    if (rbusb->isChecked())
        dspframe(dspbefehl::kCmdSeitenband, dspbefehl::seitenbandwert(true, true));
    paramanzeigen();
    parameter2dsp();
    schaltertexte(true);
}

// Renumbering drops the "X" marks until the next refresh puts them back.
void vantrel::setuserid() {
    for (int i = parameter::kErste; i <= parameter::kLetzte; ++i)
        paramnr[i]->setText(parameter::nummerText(parametertabelle[size_t(i)].user));
}

void vantrel::setveskid() {
    for (int i = parameter::kErste; i <= parameter::kLetzte; ++i)
        paramnr[i]->setText(parameter::nummerText(i));
}

void vantrel::dspbefehl() {
    if (paramgeladen)
        dspbeftimer->start(200);
}

void vantrel::tstopdspbef() {
    // Stopped first: a change made while the frames below are paced starts the timer again,
    // and that later run sends it.
    dspbeftimer->stop();
    if (dspbefaktiv) {
        // A run is still sending further down the stack; look again once it is done.
        dspbeftimer->start(200);
        return;
    }
    dspbefaktiv = true;
    // Every edit is stored before the first frame is paced: a bank or mode chosen while
    // the frames go out shows the table with these edits in their own column.
    for (const auto& [nummer, wert] : paramuebernehmen())
        dspframe(nummer, wert);
    dspbefaktiv = false;
}

QList<std::pair<int, int>> vantrel::paramuebernehmen() {
    QList<std::pair<int, int>> faellig;
    for (int i = parameter::kErste; i <= parameter::kLetzte; ++i) {
        TParameter& p = parametertabelle[size_t(i)];
        if (paramwert[i]->value() == m_angezeigt[size_t(i)]) {
            if (smkalaktiv && i == 68)
                break;
            continue;
        }
        m_angezeigt[size_t(i)] = paramwert[i]->value();
        // A scale of 0 maps every raw value to 0 and back to nothing: such an entry is
        // neither stored nor sent.
        const auto r = parameter::rohwert(paramwert[i]->value(), p.x);
        const int vorher = r ? parameter::speichereWert(p, m_panelmodus, m_panelbank, *r) : 0;
        // The S-meter calibration owns 68 and above while it runs.
        if (smkalaktiv && i == 68)
            break;
        if (!r || *r == vorher)
            continue;
        if (p.xparam) {
            xparamgeaendert = true;
            bxparamsave->setEnabled(true);
        } else {
            bparamsave->setEnabled(true);
        }
        faellig.append({i, *r & 0xFF});
    }
    return faellig;
}
