// The comparison of a file with the set's EEPROM dump: the count, the first differences by
// address with both bytes, and the log lines, worked out here by hand.
#include "download/eepromvergleich.h"

#include <QtTest>

class TestEepromVergleich : public QObject {
    Q_OBJECT

private slots:
    void vergleiche_data() {
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<QByteArray>("eeprom");
        QTest::addColumn<QStringList>("zeilen");
        const QByteArray voll(65536, '\x5a');
        QTest::newRow("equal") << voll << voll
                               << QStringList{"Eeprom-Vergleich: gleich (65536 Bytes verglichen)"};
        QByteArray drei = voll;
        drei[0x0c3f] = '\xff';
        drei[0x0001] = '\x00';
        drei[0xffff] = '\x5b';
        QTest::newRow("three differences")
            << voll << drei
            << QStringList{"Eeprom-Vergleich: 3 Bytes verschieden (65536 Bytes verglichen)",
                           "Adresse 0001 Datei:5a Eeprom:00", "Adresse 0c3f Datei:5a Eeprom:ff",
                           "Adresse ffff Datei:5a Eeprom:5b"};
        QByteArray zwoelf = voll;
        for (int i = 0; i < 12; ++i)
            zwoelf[100 + 7 * i] = char(i);
        QStringList zehn{"Eeprom-Vergleich: 12 Bytes verschieden (65536 Bytes verglichen)"};
        for (int i = 0; i < 10; ++i)
            zehn << QStringLiteral("Adresse %1 Datei:5a Eeprom:0%2")
                        .arg(100 + 7 * i, 4, 16, QLatin1Char('0'))
                        .arg(i);
        zehn << "... und 2 weitere";
        QTest::newRow("twelve: ten listed") << voll << zwoelf << zehn;
        QTest::newRow("short file")
            << QByteArray(3000, '\x5a') << drei
            << QStringList{"Eeprom-Vergleich: 1 Bytes verschieden (die ersten 3000 Bytes "
                           "verglichen, die Datei ist kuerzer als der Eeprom)",
                           "Adresse 0001 Datei:5a Eeprom:00"};
        // What the dump never brought is not equal, whatever it would have been.
        QTest::newRow("dump cut short")
            << QByteArray(4, '\x00') << QByteArray(2, '\x00')
            << QStringList{"Eeprom-Vergleich: 2 Bytes verschieden (die ersten 4 Bytes "
                           "verglichen, die Datei ist kuerzer als der Eeprom)",
                           "Adresse 0002 Datei:00 Eeprom:ff", "Adresse 0003 Datei:00 Eeprom:ff"};
    }
    void vergleiche() {
        QFETCH(QByteArray, datei);
        QFETCH(QByteArray, eeprom);
        QFETCH(QStringList, zeilen);
        const auto v = download::EepromVergleich::vergleiche(datei, eeprom);
        QCOMPARE(v.zeilen(), zeilen);
        QCOMPARE(v.gleich(), zeilen.size() == 1);
        QCOMPARE(v.kuerzer(), datei.size() < 65536);
        QCOMPARE(v.erste().size(), qMin(10, v.unterschiede()));
    }
};

QTEST_GUILESS_MAIN(TestEepromVergleich)
#include "tst_eepromvergleich.moc"
