// "Eeprom-Verlauf": the profile's EEPROM dumps as a table. Two rows are compared as address
// ranges; one row is restored (the session's restore with its boxes, backup and check) or
// shown in its folder. A record whose file is gone or changed stays listed and cannot be
// restored.
#pragma once

#include "download/eepromverlauf.h"

#include <QDialog>
#include <QList>

class Geraet;
class QLabel;
class QPushButton;
class QTableWidget;
class QTextEdit;

class EepromVerlaufDialog : public QDialog {
    Q_OBJECT
public:
    explicit EepromVerlaufDialog(Geraet& geraet, QWidget* parent = nullptr);

    // The records as the table shows them, newest first.
    const QList<download::VerlaufEintrag>& eintraege() const { return m_eintraege; }

public slots:
    // Reads the history again (after a restore, another profile).
    void neuLaden();
    void vergleichen();
    void wiederherstellen();
    void imOrdnerZeigen();

private:
    void auswahlGeaendert();
    QList<int> auswahl() const;

    Geraet& m_geraet;
    QList<download::VerlaufEintrag> m_eintraege;
    QList<bool> m_vorhanden;
    QTableWidget* m_tabelle = nullptr;
    QLabel* m_hinweis = nullptr;
    QTextEdit* m_ergebnis = nullptr;
    QPushButton* m_vergleichen = nullptr;
    QPushButton* m_wiederherstellen = nullptr;
    QPushButton* m_ordner = nullptr;
};
