// The line watch and a USB adapter that comes back under another name: the port was
// configured by its plain name, the watch remembered the stable name the port had when it
// opened, and follows that name to the new device.
#include "link/leitungswache.h"
#include "link/link.h"
#include "link/modem.h"
#include "link/portinfo.h"
#include "sim/ptypair.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestLeitungswache : public QObject {
    Q_OBJECT
private slots:
    void followsTheStableName() {
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
        QVERIFY(link.isOpen());
        QCOMPARE(wache.festerName(), fest);

        // Pulled: udev takes the link away; plugged in again, the adapter is another device.
        alt->hangUp();
        QTRY_VERIFY(!link.isOpen());
        QVERIFY(QFile::remove(fest));
        alt.reset();
        QTest::qWait(100);
        QCOMPARE(wieder.count(), 0);
        QVERIFY(QFile::link(neu.slavePath(), fest));

        QTRY_COMPARE(wieder.count(), 1);
        QCOMPARE(wieder.at(0).at(0).toString(), fest);
        QVERIFY(link.isOpen());
        QVERIFY(modem.writeByte(0x42));
        QByteArray angekommen;
        QTRY_COMPARE(angekommen += neu.readAll(), QByteArray("B"));
        PortInfo::setByIdOrdner(QStringLiteral("/dev/serial/by-id"));
    }
};

QTEST_GUILESS_MAIN(TestLeitungswache)
#include "tst_leitungswache.moc"
