// The comparison of a file with the set's EEPROM dump: the count, the first ten differences
// by address with both bytes, as the log shows them; worked out here by hand.
#include "download/eepromdiff.h"
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

    // Two dumps as inclusive address ranges; a size difference is a range of its own even
    // where it adjoins a differing run.
    void diff_data() {
        QTest::addColumn<QByteArray>("a");
        QTest::addColumn<QByteArray>("b");
        QTest::addColumn<QList<qint64>>("bereiche"); // first, last, first, last, ...
        QTest::addColumn<qint64>("unterschiede");
        QTest::addColumn<QStringList>("zeilen");
        const QByteArray voll(65536, '\x11');
        QByteArray zwei = voll;
        for (int i = 100; i <= 109; ++i)
            zwei[i] = '\x12';
        zwei[40000] = '\x00';
        zwei[65535] = '\x00';
        QTest::newRow("equal") << voll << voll << QList<qint64>{} << qint64(0)
                               << QStringList{"Die Dateien sind gleich"};
        QTest::newRow("three runs, the last byte one of them")
            << voll << zwei << QList<qint64>{100, 109, 40000, 40000, 65535, 65535} << qint64(12)
            << QStringList{"12 Bytes verschieden in 3 Bereichen", "0064-006d", "9c40", "ffff"};
        QTest::newRow("shorter, its last byte differing")
            << QByteArray("abcd") << QByteArray("abcXef") << QList<qint64>{3, 3, 4, 5} << qint64(3)
            << QStringList{"3 Bytes verschieden in 2 Bereichen", "0003", "0004-0005"};
        QTest::newRow("empty against one byte")
            << QByteArray() << QByteArray("x") << QList<qint64>{0, 0} << qint64(1)
            << QStringList{"1 Bytes verschieden in 1 Bereichen", "0000"};
        // Every other byte: 25 ranges, 20 listed.
        QByteArray streifen(50, '\0');
        for (int i = 0; i < 50; i += 2)
            streifen[i] = '\1';
        QList<qint64> jede;
        QStringList z{"25 Bytes verschieden in 25 Bereichen"};
        for (int i = 0; i < 50; i += 2) {
            jede << i << i;
            if (z.size() <= 20)
                z << QStringLiteral("%1").arg(i, 4, 16, QChar('0'));
        }
        z << "... und 5 weitere Bereiche";
        QTest::newRow("twenty listed")
            << QByteArray(50, '\0') << streifen << jede << qint64(25) << z;
    }
    void diff() {
        QFETCH(QByteArray, a);
        QFETCH(QByteArray, b);
        QFETCH(QList<qint64>, bereiche);
        QFETCH(qint64, unterschiede);
        QFETCH(QStringList, zeilen);
        const auto d = download::EepromDiff::vergleiche(a, b);
        QList<qint64> flach;
        for (const auto& [von, bis] : d.bereiche())
            flach << von << bis;
        QCOMPARE(flach, bereiche);
        QCOMPARE(d.unterschiede(), unterschiede);
        QCOMPARE(d.gleich(), unterschiede == 0);
        QCOMPARE(d.zeilen(), zeilen);
        // The same ranges either way round.
        QCOMPARE(download::EepromDiff::vergleiche(b, a).bereiche(), d.bereiche());
    }
};

QTEST_GUILESS_MAIN(TestEepromVergleich)
#include "tst_eepromvergleich.moc"
