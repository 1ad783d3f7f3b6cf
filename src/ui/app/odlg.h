// The options dialog: serial port, the three write delays and, per hardware profile, the
// software directory and its ten data files.
#pragma once

#include "app/einstellungen.h"

#include <QDialog>

class odlg : public QDialog {
    Q_OBJECT
public:
    explicit odlg(QWidget* parent = nullptr);
    ~odlg() override;

    void setEinstellungen(const TEinstellungen& e);
    TEinstellungen getEinstellungen() const;

private:
    TEinstellungen m_einst;
};
