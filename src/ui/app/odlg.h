// The options dialog: serial port, the three write delays and, per hardware profile, the
// software directory and its ten data files.
#pragma once

#include "app/einstellungen.h"
#include "link/portinfo.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QStandardItemModel;
class QTimer;
class QPushButton;
class QSpinBox;
class QTabWidget;

class odlg : public QDialog {
    Q_OBJECT
public:
    explicit odlg(QWidget* parent = nullptr);
    ~odlg() override;

    // Rows per profile page, counted from 1: the directory first, then the ten files.
    static constexpr int kZeilen = 11;
    // The port list holds these after whatever ports the system reports.
    static constexpr int kComAnzahl = 256;
    // Columns of the port list: the name (what is stored), the device a stable name leads
    // to, then what the system knows.
    enum Spalte {
        SpalteName,
        SpalteGeraet,
        SpalteBeschreibung,
        SpalteHersteller,
        SpalteUsb,
        SpalteSerie,
        kSpalten
    };
    // How often the list is fetched anew while the dialog is open.
    static constexpr int kPortlisteMs = 1000;

    void setEinstellungen(const TEinstellungen& e);
    TEinstellungen getEinstellungen() const;

    // The widgets, for the window's tests and tools.
    QTabWidget* seiten() const { return m_tabs; }
    QComboBox* schnittstelle() const { return m_port; }
    QSpinBox* picdelay() const { return m_pic; }
    QSpinBox* dspdelay() const { return m_dsp; }
    QSpinBox* paramdelay() const { return m_param; }
    // Row 1..11 of profile 0..2; null outside.
    QLineEdit* feld(int profil, int zeile) const;
    QPushButton* knopf(int profil, int zeile) const;
    QPushButton* okknopf() const { return m_ok; }
    QPushButton* abbruchknopf() const { return m_abbruch; }

    // What the system knows of the port whose name stands in the port field, in a line.
    QString portinfotext() const;

public slots:
    void clickbveskpfad();
    void clickbdspcodefilename();
    void clickbfilterfilename();
    void clickbad603filename();
    void clickbparameterfilename();
    void clickbxparameterfilename();
    void clickbstandardparameterfilename();
    void clickbrxeqfilename();
    void clickbtxeqfilename();
    void clickbscalfilename();
    void clickbtestfilename();

private:
    // The profile of the page in front (page 0 holds the port); -1 on page 0.
    int profil() const;
    void dateiwahl(int zeile);
    // The system's part of the port list anew, the name typed and the row chosen kept.
    void portlistefuellen();
    void portinfozeigen();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    TEinstellungen m_einst;
    QTabWidget* m_tabs = nullptr;
    QComboBox* m_port = nullptr;
    QSpinBox* m_pic = nullptr;
    QSpinBox* m_dsp = nullptr;
    QSpinBox* m_param = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_abbruch = nullptr;
    std::array<std::array<QLineEdit*, kZeilen>, 3> m_felder{};
    std::array<std::array<QPushButton*, kZeilen>, 3> m_knoepfe{};
    // How many items at the top of the port list came from the system: first the stable
    // names of the adapters that have one, then the ports by the system's names.
    int m_systemports = 0;

    // The EEPROM's backup and compare around a write.
    QCheckBox* m_vergleichen = nullptr;
    QCheckBox* m_vorrestore = nullptr;
    QCheckBox* m_vorpic = nullptr;

    QStandardItemModel* m_portmodell = nullptr;
    QLabel* m_portinfo = nullptr;
    QTimer* m_portlistetimer = nullptr;
    // The system's ports as last shown.
    QList<PortInfo> m_system;
    bool m_portlisteGefuellt = false;
};
