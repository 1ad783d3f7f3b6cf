#include "odlg.h"

odlg::odlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("odlg"));
    resize(560, 720);
}

odlg::~odlg() = default;

void odlg::setEinstellungen(const TEinstellungen& e) {
    m_einst = e;
}

TEinstellungen odlg::getEinstellungen() const {
    return m_einst;
}
