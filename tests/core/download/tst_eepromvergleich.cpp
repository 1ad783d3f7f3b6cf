// The comparison of a file with the set's EEPROM dump: the count, the first ten differences
// by address with both bytes, as the log shows them; worked out here by hand.
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
        QByteArray anders = voll;
        anders[0x0c3f] = '\xff';
        anders[0x0001] = '\x00';
        for (int i = 0; i < 10; ++i)
            anders[0xfff0 + i] = char(i);
        QStringList zeilen{"Eeprom-Vergleich: 12 Bytes verschieden (65536 Bytes verglichen)",
                           "Adresse 0001 Datei:5a Eeprom:00", "Adresse 0c3f Datei:5a Eeprom:ff"};
        for (int i = 0; i < 8; ++i)
            zeilen << QStringLiteral("Adresse fff%1 Datei:5a Eeprom:0%1").arg(i);
        QTest::newRow("twelve, ten listed")
            << voll << anders << zeilen + QStringList{"... und 2 weitere"};
        QTest::newRow("short file") << QByteArray(3000, '\x5a') << anders
                                    << QStringList{"Eeprom-Vergleich: 1 Bytes verschieden (die "
                                                   "ersten 3000 Bytes verglichen, die Datei ist "
                                                   "kuerzer als der Eeprom)",
                                                   "Adresse 0001 Datei:5a Eeprom:00"};
        // What the dump never brought is not equal, whatever it would have been.
        QTest::newRow("dump cut short") << QByteArray(3, '\x00') << QByteArray(2, '\x00')
                                        << QStringList{"Eeprom-Vergleich: 1 Bytes verschieden (die "
                                                       "ersten 3 Bytes verglichen, die Datei ist "
                                                       "kuerzer als der Eeprom)",
                                                       "Adresse 0002 Datei:00 Eeprom:ff"};
    }
    void vergleiche() {
        QFETCH(QByteArray, datei);
        QFETCH(QByteArray, eeprom);
        QFETCH(QStringList, zeilen);
        const auto v = download::EepromVergleich::vergleiche(datei, eeprom);
        QCOMPARE(v.zeilen(), zeilen);
    }
};

QTEST_GUILESS_MAIN(TestEepromVergleich)
#include "tst_eepromvergleich.moc"
