// What the port list says of a port: the line of "talvaro-cli ports" and its JSON object.
#include "link/portinfo.h"

#include <QJsonDocument>
#include <QtTest>

class TestPortInfo : public QObject {
    Q_OBJECT
private slots:
    void lineAndJson() {
        const PortInfo usb{"ttyUSB0", "FT232R USB UART", "FTDI", 0x0403, 0x6001, "A50285BI"};
        QCOMPARE(usb.zeile(),
                 "ttyUSB0  FT232R USB UART, FTDI, USB 0403:6001, Seriennummer A50285BI");
        QCOMPARE(QJsonDocument(usb.json()).toJson(QJsonDocument::Compact),
                 R"({"description":"FT232R USB UART","manufacturer":"FTDI","name":"ttyUSB0",)"
                 R"("pid":24577,"serial":"A50285BI","vid":1027})");
        const PortInfo bare{"COM4", {}, {}, 0x0001, {}, {}};
        QCOMPARE(bare.zeile(), "COM4  USB 0001");
        QCOMPARE(QJsonDocument(bare.json()).toJson(QJsonDocument::Compact),
                 R"({"description":null,"manufacturer":null,"name":"COM4","pid":null,)"
                 R"("serial":null,"vid":1})");
    }
};

QTEST_GUILESS_MAIN(TestPortInfo)
#include "tst_portinfo.moc"
