// talvaro-cli eeprom-verify against the simulated set: the verdict on stdout, the exit status
// and the JSON result, computed here from the two byte strings.
#include "clitest.h"
#include "sim/simpic.h"
#include "sim/simtransceiver.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

class TestCliVergleich : public QObject {
    Q_OBJECT

    TestEnv env;
    QTemporaryDir tmp;

    static QByteArray zufall(int n, quint32 seed) {
        QRandomGenerator g(seed);
        QByteArray b(n, 0);
        for (char& c : b)
            c = char(g.bounded(256));
        return b;
    }
    static QString sha(const QByteArray& b) {
        return QString::fromLatin1(QCryptographicHash::hash(b, QCryptographicHash::Sha256).toHex());
    }

private slots:
    void eepromVerify_data() {
        QTest::addColumn<int>("groesse"); // of the file; -1: there is none
        QTest::addColumn<QList<int>>("geaendert");
        QTest::addColumn<bool>("abbrechen"); // Ctrl-C while the dump comes
        QTest::addColumn<int>("exit");
        QTest::newRow("equal") << 65536 << QList<int>{} << false << 0;
        QTest::newRow("one byte") << 65536 << QList<int>{0x1234} << false << 1;
        QList<int> viele;
        for (int i = 0; i < 25; ++i)
            viele << 0xFFFF - 2600 * i;
        QTest::newRow("25 differences") << 65536 << viele << false << 1;
        QTest::newRow("short file") << 3000 << QList<int>{} << false << 0;
        QTest::newRow("short file, its last byte") << 3000 << QList<int>{2999} << false << 1;
        QTest::newRow("dump cancelled") << 65536 << QList<int>{} << true << 1;
        QTest::newRow("no file") << -1 << QList<int>{} << false << 2;
    }
    void eepromVerify() {
        QFETCH(int, groesse);
        QFETCH(QList<int>, geaendert);
        QFETCH(bool, abbrechen);
        QFETCH(int, exit);
        SimTransceiver sim;
        QVERIFY(sim.isValid());
        SimPic pic(&sim);
        const QByteArray eeprom = zufall(SimPic::eepromSize, 21);
        pic.eeprom() = eeprom;
        QByteArray inhalt = eeprom.left(qMax(groesse, 0));
        for (int a : geaendert)
            inhalt[a] = char(~inhalt[a]);
        const QString datei = tmp.filePath(QStringLiteral("vergleich.bin"));
        QFile::remove(datei);
        if (groesse >= 0) {
            QFile f(datei);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(inhalt) == inhalt.size());
        }
        const QString cfg = writeConfigFile(tmp.filePath(QStringLiteral("t.cfg")),
                                            {{QStringLiteral("rs232"), sim.portPath()}});

        CliProcess p({"--config", cfg, "--json", "eeprom-verify", datei});
        if (groesse >= 0) {
            QVERIFY(p.waitEvent(QStringLiteral("line")));
            // Slow enough that Ctrl-C comes while the dump is still under way.
            if (abbrechen)
                pic.setSendRate(64, 10);
            pic.function(997);
            if (abbrechen) {
                QVERIFY(p.waitEvent(QStringLiteral("progress"), 20000, [](const QJsonObject& e) {
                    return e.value("value").toInt() >= 1000;
                }));
                p.interrupt();
            }
        }
        QVERIFY(p.waitFinished());
        QCOMPARE(p.exitCode(), exit);
        const QJsonObject r = p.result();
        const QStringList out = p.outLines();
        if (groesse < 0 || abbrechen) {
            // Nothing compared is nothing equal.
            QVERIFY(!r.contains("equal"));
            QVERIFY(out.filter(QStringLiteral("Eeprom-Vergleich: gleich")).isEmpty());
            QCOMPARE(r.value("status").toString(),
                     abbrechen ? QStringLiteral("canceled") : QStringLiteral("failed"));
            return;
        }

        std::sort(geaendert.begin(), geaendert.end());
        const QString umfang = groesse < 65536
                                   ? QStringLiteral("die ersten %1 Bytes verglichen, die Datei ist "
                                                    "kuerzer als der Eeprom")
                                         .arg(groesse)
                                   : QStringLiteral("65536 Bytes verglichen");
        QStringList erwartet{geaendert.isEmpty()
                                 ? QStringLiteral("Eeprom-Vergleich: gleich (%1)").arg(umfang)
                                 : QStringLiteral("Eeprom-Vergleich: %1 Bytes verschieden (%2)")
                                       .arg(geaendert.size())
                                       .arg(umfang)};
        QJsonArray adressen;
        for (int a : geaendert.mid(0, 10)) {
            erwartet << QString::asprintf("Adresse %04x Datei:%02x Eeprom:%02x", a,
                                          quint8(inhalt[a]), quint8(eeprom[a]));
            adressen << a;
        }
        if (geaendert.size() > 10)
            erwartet << QStringLiteral("... und %1 weitere").arg(geaendert.size() - 10);
        QCOMPARE(out.mid(out.size() - erwartet.size()), erwartet);

        QCOMPARE(r.value("equal").toBool(), geaendert.isEmpty());
        QCOMPARE(r.value("differences").toInt(), geaendert.size());
        QJsonArray erste;
        for (const QJsonValue& v : r.value("firstDifferences").toArray())
            erste << v.toObject().value("address");
        QCOMPARE(erste, adressen);
        QCOMPARE(r.value("bytesCompared").toInt(), groesse);
        QCOMPARE(r.value("shortFile").toBool(), groesse < 65536);
        // Both sides' fingerprints, in the log and in the result.
        QVERIFY(out.contains(QStringLiteral("Datei \"%1\": %2 Bytes, SHA-256 %3")
                                 .arg(datei)
                                 .arg(groesse)
                                 .arg(sha(inhalt))));
        QVERIFY(out.contains(
            QStringLiteral("Eeprom-Inhalt: 65536 Bytes, SHA-256 %1").arg(sha(eeprom))));
        QStringList abdruecke;
        for (const QJsonValue& v : r.value("fingerprints").toArray())
            abdruecke << v.toObject().value("sha256").toString();
        QCOMPARE(abdruecke, (QStringList{sha(inhalt), sha(eeprom)}));
        // Nothing was written: the set received not one byte.
        sim.poll();
        QVERIFY(sim.received().isEmpty());
    }
};

QTEST_MAIN(TestCliVergleich)
#include "tst_clivergleich.moc"
