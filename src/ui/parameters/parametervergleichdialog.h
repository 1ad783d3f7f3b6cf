// The set's parameters against the panel's table, as the session's last comparison found
// them: one row per parameter and column that differ. "Werte des Talvaro uebernehmen" takes
// the set's values into the panel as unsaved changes; nothing is sent.
#pragma once

#include <QDialog>

class Geraet;
class QPushButton;
class QTableWidget;

class ParameterVergleichDialog : public QDialog {
    Q_OBJECT
public:
    explicit ParameterVergleichDialog(Geraet& geraet, QWidget* parent = nullptr);

public slots:
    void uebernehmen();

private:
    Geraet& m_geraet;
    QTableWidget* m_tabelle = nullptr;
    QPushButton* m_uebernehmen = nullptr;
};
