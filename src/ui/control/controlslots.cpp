// Direct DSP commands, the function switches and the sideband: each action one frame.
#include "app/vantrel.h"
#include "control/dspbefehl.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

void vantrel::clickdspbefehl() {
    dspframe(dspbefehl::befehlsbyte(ebefehlnr->text()),
             dspbefehl::befehlsbyte(ebefehlwert->text()));
}

void vantrel::schalten(int i) {
    if (i < 0 || i >= int(dspbefehl::kSchalterBefehle.size()) || !schalter[i])
        return;
    dspframe(dspbefehl::kSchalterBefehle[size_t(i)], schalter[i]->isChecked() ? 1 : 0);
}

void vantrel::setb1() {
    schalten(0);
}
void vantrel::setb2() {
    schalten(1);
}
void vantrel::setb3() {
    schalten(2);
}
void vantrel::setb4() {
    schalten(3);
}
void vantrel::setb5() {
    schalten(4);
}

void vantrel::setb6() {
    schalten(5);
    // The label names the filter now in use, so it follows the switch.
    schalter[5]->setText(schalter[5]->isChecked() ? tr("6 Fil.6.1") : tr("6 Fil.6.2"));
}

void vantrel::setb7() {
    schalten(6);
}
void vantrel::setb9() {
    schalten(7);
}

void vantrel::schaltertexte(bool cw) {
    schalter[3]->setText(cw ? tr("4 QRO") : tr("4 A-Notch"));
    schalter[6]->setText(cw ? tr("7 QSK") : tr("7 VOX"));
    schalter[7]->setText(cw ? tr("9 CW Spot") : tr("9 RF Clip"));
}

// Sideband and mode travel together in command 2, so a sideband press sends the value for
// the mode that is checked, and nothing while none is.
void vantrel::setparamusb() {
    rbusb->setChecked(true);
    rblsb->setChecked(false);
    if (rbssb->isChecked())
        dspframe(dspbefehl::kCmdSeitenband, dspbefehl::seitenbandwert(false, true));
    if (rbcw->isChecked())
        dspframe(dspbefehl::kCmdSeitenband, dspbefehl::seitenbandwert(true, true));
}

void vantrel::setparamlsb() {
    rblsb->setChecked(true);
    rbusb->setChecked(false);
    if (rbssb->isChecked())
        dspframe(dspbefehl::kCmdSeitenband, dspbefehl::seitenbandwert(false, false));
    if (rbcw->isChecked())
        dspframe(dspbefehl::kCmdSeitenband, dspbefehl::seitenbandwert(true, false));
}
