// What the port list says of a port: the line of "talvaro-cli ports" and its JSON object; the
// stable names, from a folder that stands in for /dev/serial/by-id, and the line watch that
// follows one when the adapter comes back as another device.
#include "link/leitungswache.h"
#include "link/link.h"
#include "link/modem.h"
#include "link/portinfo.h"
#include "sim/ptypair.h"

#include <QJsonDocument>
#include <QSignalSpy>
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
        // Of two links to one device the first by name; a link to nowhere is no port.
        QVERIFY(QFile::link(a.slavePath(), la));
        QVERIFY(QFile::link(a.slavePath(), byId.filePath("usb-Z-second-name")));
        QVERIFY(QFile::link(b.slavePath(), lb));
        QVERIFY(QFile::link("/dev/talvaro-gone", byId.filePath("usb-gone")));

        const QHash<QString, QString> expected{{a.slavePath(), la}, {b.slavePath(), lb}};
        QCOMPARE(PortInfo::byIdNamen(byId.path()), expected);

        // The system does not report pseudo-terminals: here they are listed by their links.
        const QList<PortInfo> ports = PortInfo::systemPorts(byId.path());
        const QString na = a.slavePath().mid(5);
        const auto it = std::find_if(ports.begin(), ports.end(),
                                     [&](const PortInfo& p) { return p.name == na; });
        QVERIFY(it != ports.end());
        QCOMPARE(it->byId, la);
        QCOMPARE(it->zeile(), na + "  fester Name " + la);
        QCOMPARE(it->json().value("byId").toString(), la);
    }

    // Configured by its plain name, the port is found again by the stable name it had when
    // it opened; pulled and plugged in, the adapter is another device.
    void watchFollowsTheStableName() {
        auto alt = std::make_unique<PtyPair>();
        PtyPair neu;
        QTemporaryDir byId;
        const QString fest = byId.filePath("usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0");
        QVERIFY(QFile::link(alt->slavePath(), fest));
        PortInfo::setByIdOrdner(byId.path());
        const QString konfiguriert = alt->slavePath();
        Modem modem;
        Link link(&modem);
        Leitungswache wache(&modem, &link, [&] { return konfiguriert; });
        wache.setWiederholen(true);
        wache.setIntervall(20);
        QSignalSpy wieder(&wache, &Leitungswache::wieder);
        link.setOpen(modem.openPort(konfiguriert));
        wache.geoeffnet(konfiguriert, link.isOpen());
        QCOMPARE(wache.festerName(), fest);

        alt->hangUp();
        QTRY_VERIFY(!link.isOpen());
        QVERIFY(QFile::remove(fest));
        alt.reset();
        QVERIFY(QFile::link(neu.slavePath(), fest));
        QTRY_COMPARE(wieder.count(), 1);
        QCOMPARE(wieder.at(0).at(0).toString(), fest);
        QVERIFY(link.isOpen() && modem.writeByte(0x42));
        QByteArray angekommen;
        QTRY_COMPARE(angekommen += neu.readAll(), QByteArray("B"));
        PortInfo::setByIdOrdner(QStringLiteral("/dev/serial/by-id"));
    }
};

QTEST_GUILESS_MAIN(TestPortInfo)
#include "tst_portinfo.moc"
