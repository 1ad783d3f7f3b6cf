// Keeps watch over the line after it drops (cable pulled, adapter gone): the Link counts as
// closed at once, and the same port is tried again once a second, quietly, until it opens or
// another port is configured. A USB adapter often comes back under another name (ttyUSB1 for
// ttyUSB0): the watch remembers the stable name the port had when it opened and follows it.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class Link;
class Modem;
class QTimer;

class Leitungswache : public QObject {
    Q_OBJECT
public:
    // konfiguriert gives the port name in force at the moment it is asked.
    Leitungswache(Modem* modem, Link* link, std::function<QString()> konfiguriert,
                  QObject* parent = nullptr);

    // Whether a dropped port is tried again (the window: yes; talvaro-cli ends instead).
    void setWiederholen(bool on);
    void setIntervall(int ms);
    // An open was asked for (options, "Neu verbinden"): a port that opened, or another port
    // than the one lost, ends the retries; the lost one failing again keeps them going.
    void geoeffnet(const QString& port, bool ok);
    // The stable name of the port last opened; empty when it had none (or is one itself).
    QString festerName() const { return m_fest; }
    // No more attempts until the next drop (the line closed on purpose).
    void beenden();

signals:
    void verloren(const QString& port);
    void wieder(const QString& port);

private:
    void weg();
    void versuch();

    QPointer<Modem> m_modem;
    QPointer<Link> m_link;
    std::function<QString()> m_konfiguriert;
    QTimer* m_timer = nullptr;
    bool m_wiederholen = false;
    QString m_port;
    QString m_fest;
};
