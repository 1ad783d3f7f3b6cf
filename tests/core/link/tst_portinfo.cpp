// What the port list says of a port: the line of "talvaro-cli ports" and its JSON object, and
// the stable names, from a folder that stands in for /dev/serial/by-id.
#include "link/portinfo.h"
#include "sim/ptypair.h"

#include <QJsonDocument>
#include <QTemporaryDir>
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

    void stableNames() {
        PtyPair a;
        PtyPair b;
        QTemporaryDir byId;
        const QString la = byId.filePath("usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0");
        const QString lb = byId.filePath("usb-1a86_USB_Serial-if00-port0");
        // Of two links to one device the first by name; a link to nowhere and a plain file
        // are no ports.
        QVERIFY(QFile::link(a.slavePath(), la));
        QVERIFY(QFile::link(a.slavePath(), byId.filePath("usb-Z-second-name")));
        QVERIFY(QFile::link(b.slavePath(), lb));
        QVERIFY(QFile::link("/dev/talvaro-gone", byId.filePath("usb-gone")));
        QFile plain(byId.filePath("usb-plain"));
        QVERIFY(plain.open(QIODevice::WriteOnly));

        const QHash<QString, QString> expected{{a.slavePath(), la}, {b.slavePath(), lb}};
        QCOMPARE(PortInfo::byIdNamen(byId.path()), expected);
        // Found through any name of the device.
        QTemporaryDir other;
        QVERIFY(QFile::link(b.slavePath(), other.filePath("talvaro")));
        QCOMPARE(PortInfo::byIdFuer(other.filePath("talvaro"), byId.path()), lb);
        QCOMPARE(PortInfo::byIdFuer("/dev/null", byId.path()), QString());

        // The system does not report pseudo-terminals: here they are listed by their links.
        const QList<PortInfo> ports = PortInfo::systemPorts(byId.path());
        const QString na = a.slavePath().mid(5);
        qsizetype at = -1;
        for (qsizetype i = 0; i < ports.size(); ++i)
            if (ports[i].name == na)
                at = i;
        QVERIFY(at >= 0);
        QCOMPARE(ports[at].byId, la);
        QCOMPARE(ports[at].zeile(), na + "  fester Name " + la);
        QCOMPARE(QJsonDocument(ports[at].json()).toJson(QJsonDocument::Compact),
                 R"({"byId":")" + la.toUtf8() +
                     R"(","description":null,"manufacturer":null,)"
                     R"("name":")" +
                     na.toUtf8() + R"(","pid":null,"serial":null,"vid":null})");
    }
};

QTEST_GUILESS_MAIN(TestPortInfo)
#include "tst_portinfo.moc"
