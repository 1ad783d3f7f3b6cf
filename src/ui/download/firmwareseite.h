// The page "DSP-Firmware": the downloads into the DSP and the PIC, the EEPROM backup,
// restore and compare, the read-back, the direct command, the test firmware and the log that
// every operation writes to. Each button runs one operation of the session.
#pragma once

#include <QWidget>

class Geraet;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTextEdit;

class FirmwareSeite : public QWidget {
    Q_OBJECT
public:
    FirmwareSeite(Geraet& geraet, QWidget* parent = nullptr);

    // Appends one line to the log.
    void logzeile(const QString& text);

signals:
    // The read-back filled the table: the parameter page should be in front.
    void parameterZeigen();

public slots:
    // Loads the whole data set; false when some file of it could not be opened.
    bool clickfileladen();
    void clickdspladen();
    void clicktestladen();
    void clickpicladen();
    void clickpar2pic();
    void clickeesichern();
    void clickeerestore();
    void clickeevergleich();
    void clickparam2pc();
    void clickdspbefehl();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutfirmwareseite();

    Geraet& m_geraet;
    QGroupBox* gbruvado = nullptr;
    QGroupBox* gbquarnel = nullptr;
    QGroupBox* gbbefehl = nullptr;
    QGroupBox* gbtest = nullptr;
    QPushButton* bdspladen = nullptr;
    QPushButton* bpicladen = nullptr;
    QPushButton* bpar2pic = nullptr;
    QPushButton* beesichern = nullptr;
    QPushButton* beerestore = nullptr;
    QPushButton* bparam2pc = nullptr;
    QPushButton* beevergleich = nullptr;
    QPushButton* btestladen = nullptr;
    QPushButton* bdspbefehl = nullptr;
    QLineEdit* ebefehlnr = nullptr;
    QLineEdit* ebefehlwert = nullptr;
    QTextEdit* log = nullptr;
};
