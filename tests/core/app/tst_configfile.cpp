// The configuration file: its key=value store and the settings record read and written
// through it, as the window does at start and at close.
#include "app/configfile.h"
#include "app/einstellungen.h"
#include "testenv.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestConfigFile : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }

    void write(const QString& name, const QByteArray& bytes) {
        QFile f(path(name));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    QByteArray read(const QString& name) {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void readsWithDefaults_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << QByteArray("rs232=COM3\n") << "rs232"
                               << "COM3";
        QTest::newRow("crlf") << QByteArray("rs232=COM3\r\nvesknr=1\r\n") << "rs232"
                              << "COM3";
        QTest::newRow("value with =") << QByteArray("veskpfad=C:/a=b/c\n") << "veskpfad"
                                      << "C:/a=b/c";
        QTest::newRow("trailing blank kept") << QByteArray("rs232=COM2 \n") << "rs232"
                                             << "COM2 ";
        QTest::newRow("missing key") << QByteArray("rs232=COM3\n") << "veskpfad"
                                     << "DEF";
        QTest::newRow("prefix of another key")
            << QByteArray("standardparameterfilename=s.dpk\nxparameterfilename=x.dpk\n")
            << "parameterfilename"
            << "DEF";
        QTest::newRow("after empty line ignored")
            << QByteArray("a=1\nb=2\n\nveskpfad=lost\n") << "veskpfad"
            << "DEF";
        QTest::newRow("after line without = ignored")
            << QByteArray("a=1\nnoequals\nveskpfad=lost\n") << "veskpfad"
            << "DEF";
        QTest::newRow("two lines, first after sorting")
            << QByteArray("rs232=COM9\nrs232=COM10\n") << "rs232"
            << "COM10";
    }
    void readsWithDefaults() {
        QFETCH(QByteArray, file);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        write("a.cfg", file);
        ConfigFile cfg;
        cfg.load(path("a.cfg"));
        QCOMPARE(cfg.readString(key, QStringLiteral("DEF")), expected);
        QVERIFY(!cfg.changed());
    }

    void readInt_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("expected");
        QTest::newRow("number") << QByteArray("picrs232writetime=25\n") << 25;
        QTest::newRow("letters read 0") << QByteArray("picrs232writetime=abc\n") << 0;
        QTest::newRow("missing gives default") << QByteArray("x=1\n") << 10;
        QTest::newRow("negative") << QByteArray("picrs232writetime=-4\n") << -4;
    }
    void readInt() {
        QFETCH(QByteArray, file);
        QFETCH(int, expected);
        write("i.cfg", file);
        ConfigFile cfg;
        cfg.load(path("i.cfg"));
        QCOMPARE(cfg.readInt(QStringLiteral("picrs232writetime"), 10), expected);
    }

    void saveSortsAndKeepsUnknownKeys() {
        write("s.cfg", "zeta=1\nAlpha=2\nrs232=COM1\n");
        {
            ConfigFile cfg;
            cfg.load(path("s.cfg"));
            cfg.writeString(QStringLiteral("rs232"), QStringLiteral("COM7"));
            cfg.writeInt(QStringLiteral("vesknr"), 2);
            QVERIFY(cfg.save());
        }
        QCOMPARE(read("s.cfg"), QByteArray("Alpha=2\nrs232=COM7\nvesknr=2\nzeta=1\n"));
    }

    void saveWithoutChangeWritesNothing() {
        write("n.cfg", "b=1\na=2\n");
        ConfigFile cfg;
        cfg.load(path("n.cfg"));
        QVERIFY(cfg.save());
        QCOMPARE(read("n.cfg"), QByteArray("b=1\na=2\n"));
    }

    void twoRs232LinesReplaceOnlyTheFirst() {
        write("r.cfg", "rs232=COM9\nrs232=COM10\n");
        ConfigFile cfg;
        cfg.load(path("r.cfg"));
        cfg.writeString(QStringLiteral("rs232"), QStringLiteral("COM5"));
        QVERIFY(cfg.save());
        // COM10 sorted first and was replaced; COM9 stays, and now "rs232=COM5" sorts first.
        QCOMPARE(read("r.cfg"), QByteArray("rs232=COM5\nrs232=COM9\n"));
    }

    void failedWriteIsReported() {
        ConfigFile cfg;
        cfg.load(path("no-such-dir/x.cfg"));
        cfg.writeInt(QStringLiteral("a"), 1);
        QVERIFY(!cfg.save());
        QVERIFY(!cfg.changed());
    }

    void otherTypes() {
        ConfigFile cfg;
        cfg.load(path("t.cfg"));
        cfg.writeDouble(QStringLiteral("d"), 1.5);
        cfg.writeBool(QStringLiteral("b"), true);
        cfg.writeLong(QStringLiteral("l"), 1234567890L);
        QCOMPARE(cfg.readDouble(QStringLiteral("d"), 0), 1.5);
        QCOMPARE(cfg.readString(QStringLiteral("d"), {}), QStringLiteral("1.500000"));
        QCOMPARE(cfg.readBool(QStringLiteral("b"), false), true);
        QCOMPARE(cfg.readLong(QStringLiteral("l"), 0), 1234567890L);
    }

    void defaultRecordWrites39SortedLines() {
        ConfigFile cfg;
        cfg.load(path("d.cfg"));
        TEinstellungen().write(cfg, 0);
        QVERIFY(cfg.save());
        const QList<QByteArray> lines = read("d.cfg").split('\n');
        QCOMPARE(lines.size(), 40); // 39 lines and the empty piece after the last line feed
        QCOMPARE(lines.at(0), QByteArray("ad603filename1=AD603.dat"));
        QCOMPARE(lines.at(1), QByteArray("ad603filename2=AD603.dat"));
        QCOMPARE(lines.at(2), QByteArray("ad603filename=AD603.dat"));
        QCOMPARE(lines.at(3), QByteArray("dspcodefilename1=VESK2b1x.dpk"));
        const int vesknr = int(lines.indexOf("vesknr=0"));
        QVERIFY(vesknr >= 0);
        QCOMPARE(lines.at(vesknr + 1), QByteArray("veskpfad1=Pfad von SW fuer HW2"));
        QCOMPARE(lines.at(vesknr + 2), QByteArray("veskpfad2=Pfad von SW fuer HW3"));
        QCOMPARE(lines.at(vesknr + 3), QByteArray("veskpfad=Pfad von SW fuer HW1"));
        // The EEPROM's backup and compare around a write: on, but not before a PIC download.
        QVERIFY(lines.contains("eepromnachschreibenvergleichen=1"));
        QVERIFY(lines.contains("eepromvorwiederherstellungsichern=1"));
        QVERIFY(lines.contains("eepromvorpicladensichern=0"));
        QList<QByteArray> sorted = lines.mid(0, 39);
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(sorted, lines.mid(0, 39));
    }

    void testFileKeepsTheThirdProfile() {
        TEinstellungen e;
        e.testfilename = {QStringLiteral("a.dpk"), QStringLiteral("b.dpk"),
                          QStringLiteral("c.dpk")};
        ConfigFile cfg;
        cfg.load(path("tf.cfg"));
        e.write(cfg, 0);
        QVERIFY(cfg.save());
        ConfigFile again;
        again.load(path("tf.cfg"));
        TEinstellungen r;
        r.read(again, nullptr);
        for (int p = 0; p < 3; ++p)
            QCOMPARE(r.testfilename[p], QStringLiteral("c.dpk"));
    }

    void outOfRangeValuesAreKeptSafe_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("vesknr");
        QTest::addColumn<int>("pic");
        QTest::newRow("profile 3") << QByteArray("vesknr=3\n") << 0 << 10;
        QTest::newRow("profile -1") << QByteArray("vesknr=-1\n") << 0 << 10;
        QTest::newRow("profile 2") << QByteArray("vesknr=2\n") << 2 << 10;
        QTest::newRow("negative delay") << QByteArray("picrs232writetime=-5\n") << 0 << 0;
        QTest::newRow("large delay to the dialog's 100")
            << QByteArray("picrs232writetime=150\n") << 0 << 100;
    }
    void outOfRangeValuesAreKeptSafe() {
        QFETCH(QByteArray, file);
        QFETCH(int, vesknr);
        QFETCH(int, pic);
        write("o.cfg", file);
        ConfigFile cfg;
        cfg.load(path("o.cfg"));
        TEinstellungen e;
        int n = -7;
        e.read(cfg, &n);
        QCOMPARE(n, vesknr);
        QCOMPARE(e.picrs232writetime, pic);
        ConfigFile out;
        out.load(path("o2.cfg"));
        e.write(out, n);
        QCOMPARE(out.readInt(QStringLiteral("vesknr"), -1), vesknr);
    }

    // What the program does not read stays in the file as it was: lines below a blank line,
    // and bytes that are no UTF-8, through a read and a write of every setting.
    void writesBackWhatItDoesNotRead_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("kept");
        QTest::newRow("below a blank line")
            << QByteArray("rs232=COM2\n\n# meine Notiz\ndsprs232writetime=7\n")
            << QByteArray("\n# meine Notiz\ndsprs232writetime=7\n");
        QTest::newRow("Latin-1 file name")
            << QByteArray("dspcodefilename=/home/j\xF6rg/VESK.dpk\n")
            << QByteArray("dspcodefilename=/home/j\xF6rg/VESK.dpk\n");
    }
    void writesBackWhatItDoesNotRead() {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, kept);
        write("k.cfg", file);
        {
            ConfigFile cfg;
            cfg.load(path("k.cfg"));
            TEinstellungen e;
            int n = 0;
            e.read(cfg, &n);
            e.write(cfg, n);
        }
        QFile f(path("k.cfg"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray out = f.readAll();
        QVERIFY2(out.contains(kept), out.constData());
    }
};

QTEST_GUILESS_MAIN(TestConfigFile)
#include "tst_configfile.moc"
