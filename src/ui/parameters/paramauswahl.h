// The mode and bank that the panel's radio buttons select, for the panel and the transfer.
#pragma once

#include "app/vantrel.h"
#include "parameters/parametertransfer.h"

#include <QRadioButton>

inline parameter::Modus parammodus(const vantrel& w) {
    return w.rbcw->isChecked() ? parameter::Modus::Cw : parameter::Modus::Ssb;
}

// Green unless Gelb or Rot is checked: a read or a download checks one of them before any
// of this runs.
inline parameter::Bank parambank(const vantrel& w) {
    if (w.rbgelb->isChecked())
        return parameter::Bank::Gelb;
    if (w.rbrot->isChecked())
        return parameter::Bank::Rot;
    return parameter::Bank::Gruen;
}
