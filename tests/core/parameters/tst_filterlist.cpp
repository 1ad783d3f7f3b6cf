// The filter list and coefficient files: list lines to names and addresses, words, the
// records appended to the image with their checksum, and the data-set load around them.
#include "download/datensatz.h"
#include "parameters/filterlist.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QByteArray hex(const char* text) {
    return QByteArray::fromHex(QByteArray(text));
}

void writeFile(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    f.write(content);
}

// Checksum of 24-bit words, the device's rule written out once more.
int sum24(const QByteArray& bytes, int start) {
    int s = start;
    for (qsizetype k = 0; k + 2 < bytes.size(); k += 3)
        s = (s + 256 * quint8(bytes[k]) + quint8(bytes[k + 1]) + quint8(bytes[k + 2])) % 32768;
    return s;
}

struct Run {
    QStringList log;
    QList<TransferResult> fails;
    LogSink logSink() {
        return [this](const QString& s) { log << s; };
    }
    FailSink failSink() {
        return [this](const TransferResult& r) { fails << r; };
    }
};
} // namespace

class TestFilterList : public QObject {
    Q_OBJECT

private slots:
    void listLines_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("addressText");
        QTest::addColumn<int>("address");
        QTest::newRow("as released") << "bp1.dat ,x, 3F80"
                                     << "bp1.dat"
                                     << "3F80" << 0x3F80;
        QTest::newRow("no blank before the comma") << "bp1.dat,x,3F80"
                                                   << "bp1.da"
                                                   << "3F80" << 0x3F80;
        QTest::newRow("blanks inside") << " b p1.dat  ,x , 3F 80 "
                                       << "bp1.dat"
                                       << "3F80" << 0x3F80;
        QTest::newRow("lower case address") << "a.dat ,x,0a0b"
                                            << "a.dat"
                                            << "0a0b" << 0x0A0B;
        QTest::newRow("not hex") << "a.dat ,x, XY12"
                                 << "a.dat"
                                 << "XY12" << 0x0012;
        QTest::newRow("no comma") << "plain.dat 1200"
                                  << "plain.dat1200"
                                  << "plain.dat1200" << 0x0000;
        QTest::newRow("one comma") << "a.dat ,3F80"
                                   << "a.dat"
                                   << "a.dat,3F80" << 0x0080;
        QTest::newRow("empty") << ""
                               << ""
                               << "" << 0;
        QTest::newRow("one character address") << "a.dat ,x,7"
                                               << "a.dat"
                                               << "7" << 0x0707;
    }
    void listLines() {
        QFETCH(QString, line);
        QFETCH(QString, name);
        QFETCH(QString, addressText);
        QFETCH(int, address);
        const FilterZeile z = parseFilterZeile(line);
        QCOMPARE(z.dateiname, name);
        QCOMPARE(z.adresstext, addressText);
        QCOMPARE(z.adresse, address);
    }

    void words_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("end word") << "12A456\nABCDEF\nEND\n" << hex("12A456ABCDEF");
        QTest::newRow("no end word") << "000001\r\n000002\r\n000003" << hex("000001000002000003");
        QTest::newRow("several per line")
            << "000001 000002\t000003\r\n  000004 END" << hex("000001000002000003000004");
        QTest::newRow("seven and more characters")
            << "1234567 ABCDEF0123 END" << hex("123456ABCDEF");
        QTest::newRow("short word in the middle stops") << "111111 22222 333333" << hex("111111");
        QTest::newRow("not hex reads 0 per byte") << "12ZZ56 END" << hex("120056");
        QTest::newRow("empty") << "" << QByteArray();
        QTest::newRow("only white space") << " \r\n\t " << QByteArray();
    }
    void words() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(koeffizientenWorte(text).toHex(' '), bytes.toHex(' '));
    }

    void oneFilterRecord() {
        QTemporaryDir dir;
        writeFile(dir.filePath("Filters/bp1.dat"), "12A456\r\nABCDEF\r\nEND\r\n");
        DownloadImage image;
        image.buffer = hex("AABB");
        Run run;
        const QString ordner = filterOrdner(dir.path());
        QCOMPARE(ordner, dir.path() + "/Filters");
        QVERIFY(filterladen(image, {"bp1.dat ,x, 3F80"}, ordner, run.logSink(), run.failSink()));
        QCOMPARE(image.buffer.toHex(' '), hex("AABB 2444503F80000212A456ABCDEF0D").toHex(' '));
        QCOMPARE(image.checksumme, sum24(hex("12A456ABCDEF"), 0));
        QCOMPARE(image.wortbyte2, quint8(0xCD));
        QCOMPARE(run.log, (QStringList{QDir::toNativeSeparators(ordner + "/bp1.dat"), "3F80",
                                       "File 2 Zeilen geladen", " 16 Char im buffer"}));
        QVERIFY(run.fails.isEmpty());
    }

    void twoFiltersBackToBack() {
        QTemporaryDir dir;
        writeFile(dir.filePath("a.dat"), "010203 END");
        writeFile(dir.filePath("b.dat"), "040506 070809");
        DownloadImage image;
        image.checksumme = 100;
        Run run;
        // Without a "Filters" folder the release folder itself holds the files.
        QCOMPARE(filterOrdner(dir.path()), dir.path());
        QVERIFY(filterladen(image, {"a.dat ,x, 1000", "b.dat ,x, 2000"}, filterOrdner(dir.path()),
                            run.logSink(), run.failSink()));
        QCOMPARE(image.buffer.toHex(' '),
                 hex("24445010000001 010203 0D 24445020000002 040506070809 0D").toHex(' '));
        QCOMPARE(image.checksumme, sum24(hex("010203040506070809"), 100));
        QCOMPARE(run.log.size(), 8);
        QCOMPARE(run.log.at(3), QStringLiteral(" 11 Char im buffer"));
        QCOMPARE(run.log.at(7), QStringLiteral(" 25 Char im buffer"));
    }

    void missingFileStopsAndKeepsEarlierRecords() {
        QTemporaryDir dir;
        writeFile(dir.filePath("a.dat"), "010203 END");
        writeFile(dir.filePath("c.dat"), "0A0B0C END");
        DownloadImage image;
        image.buffer = "fw";
        Run run;
        QVERIFY(!filterladen(image, {"a.dat ,x, 1000", "b.dat ,x, 2000", "c.dat ,x, 3000"},
                             dir.path(), run.logSink(), run.failSink()));
        QCOMPARE(image.buffer.toHex(' '),
                 (QByteArray("fw") + hex("24445010000001 010203 0D")).toHex(' '));
        QCOMPARE(image.checksumme, sum24(hex("010203"), 0));
        QCOMPARE(run.fails.size(), 1);
        const QString path = QDir::toNativeSeparators(dir.path() + "/b.dat");
        QCOMPARE(run.fails.at(0).title, QStringLiteral("Datei nicht gefunden!"));
        QCOMPARE(run.fails.at(0).text,
                 QStringLiteral("Datei \"%1\" aus der Filterdatei nicht gefunden!").arg(path));
        // The path of the missing file is logged before the failure, nothing after it.
        QCOMPARE(run.log.last(), path);
    }

    void unopenableListLines_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("looksFor");
        QTest::newRow("blank line names no file") << ""
                                                  << "";
        QTest::newRow("no blank before the comma") << "bp1.dat,x,3F80"
                                                   << "bp1.da";
        QTest::newRow("a folder is no file") << "sub ,x, 3F80"
                                             << "sub";
    }
    void unopenableListLines() {
        QFETCH(QString, line);
        QFETCH(QString, looksFor);
        QTemporaryDir dir;
        writeFile(dir.filePath("bp1.dat"), "12A456 ABCDEF END");
        QDir(dir.path()).mkdir("sub");
        DownloadImage image;
        Run run;
        QVERIFY(!filterladen(image, {line}, dir.path(), run.logSink(), run.failSink()));
        QCOMPARE(run.fails.size(), 1);
        const QString path = QDir::toNativeSeparators(dir.path() + "/" + looksFor);
        // "nicht gefunden" only for what is missing.
        QCOMPARE(run.fails.at(0).text,
                 (looksFor == "sub" ? QStringLiteral("%1 ist keine Datei!")
                                    : QStringLiteral("Datei \"%1\" aus der Filterdatei nicht "
                                                     "gefunden!"))
                     .arg(path));
        QCOMPARE(run.log, QStringList{path});
        QVERIFY(image.buffer.isEmpty());
        QCOMPARE(image.checksumme, 0);
    }

    // A record's count is one byte: a longer filter continues at the following addresses.
    void longFilterIsSplit_data() {
        QTest::addColumn<int>("words");
        QTest::addColumn<QList<int>>("counts");
        QTest::newRow("255 fits") << 255 << QList<int>{255};
        QTest::newRow("256") << 256 << QList<int>{255, 1};
        QTest::newRow("600") << 600 << QList<int>{255, 255, 90};
    }
    void longFilterIsSplit() {
        QFETCH(int, words);
        QFETCH(QList<int>, counts);
        QTemporaryDir dir;
        QByteArray text;
        QByteArray bytes;
        for (int k = 0; k < words; ++k) {
            const int v = (k * 7919 + 13) & 0xFFFFFF;
            text += QByteArray::number(v, 16).rightJustified(6, '0') + "\r\n";
            bytes.append(char(v >> 16)).append(char(v >> 8)).append(char(v));
        }
        writeFile(dir.filePath("long.dat"), text);
        DownloadImage image;
        Run run;
        QVERIFY(
            filterladen(image, {"long.dat ,x, 2F00"}, dir.path(), run.logSink(), run.failSink()));
        QByteArray expected;
        int at = 0;
        for (int r = 0; r < counts.size(); ++r) {
            const int address = 0x2F00 + 255 * r;
            expected += hex("244450");
            expected.append(char(address >> 8)).append(char(address)).append('\0');
            expected.append(char(counts[r]));
            expected += bytes.mid(3 * at, 3 * counts[r]) + "\r";
            at += counts[r];
        }
        QCOMPARE(image.buffer.toHex(' '), expected.toHex(' '));
        QCOMPARE(image.checksumme, sum24(bytes, 0));
        QVERIFY(run.log.contains(QStringLiteral("File %1 Zeilen geladen").arg(words)));
        // One extra line tells of the split, and only when there is one.
        QCOMPARE(run.log.size(), counts.size() > 1 ? 5 : 4);
    }

    void dataSetWithEmptyFilterList() {
        QTemporaryDir dir;
        writeFile(dir.filePath("fw.dpk"), "head\r\n@PA\r\n0100\r\n010203\r\n#\r\n");
        writeFile(dir.filePath("filters.dpk"), "");
        DownloadImage image;
        QStringList dspzeilen;
        QStringList filterliste{"old"};
        Run run;
        const auto status =
            ladeDatensatz(image, &dspzeilen, &filterliste,
                          {dir.filePath("fw.dpk"), dir.filePath("filters.dpk"), dir.path()},
                          run.logSink(), run.failSink());
        // An empty list is said to be empty, and the image stays as it was.
        QCOMPARE(filterliste, QStringList{"old"});
        QCOMPARE(status, DatensatzStatus::Abgebrochen);
        QCOMPARE(run.fails.at(0).text,
                 QStringLiteral("Datei \"%1\" ist leer!").arg(dir.filePath("filters.dpk")));
        QVERIFY(image.buffer.isEmpty());
    }

    void dataSetMissingFiles_data() {
        QTest::addColumn<bool>("firmware");
        QTest::addColumn<bool>("list");
        QTest::newRow("no firmware") << false << true;
        QTest::newRow("no filter list") << true << false;
    }
    void dataSetMissingFiles() {
        QFETCH(bool, firmware);
        QFETCH(bool, list);
        QTemporaryDir dir;
        if (firmware)
            writeFile(dir.filePath("fw.dpk"), "head\n@DA\n3800\n1234\n#\n");
        if (list)
            writeFile(dir.filePath("filters.dpk"), "");
        DownloadImage image;
        image.buffer = "previous";
        image.checksumme = 1234;
        QStringList dspzeilen{"old firmware"};
        QStringList filterliste{"old list"};
        Run run;
        const auto status =
            ladeDatensatz(image, &dspzeilen, &filterliste,
                          {dir.filePath("fw.dpk"), dir.filePath("filters.dpk"), dir.path()},
                          run.logSink(), run.failSink());
        QCOMPARE(status, DatensatzStatus::Abgebrochen);
        QCOMPARE(image.buffer, QByteArray("previous"));
        QCOMPARE(image.checksumme, 1234);
        QCOMPARE(filterliste, QStringList{"old list"});
        QCOMPARE(dspzeilen, firmware ? (QStringList{"@DA", "3800", "1234", "#"})
                                     : QStringList{"old firmware"});
        QCOMPARE(run.fails.size(), 1);
        const QString missing = dir.filePath(firmware ? "filters.dpk" : "fw.dpk");
        QCOMPARE(run.fails.at(0).text, QStringLiteral("Datei \"%1\" nicht gefunden!").arg(missing));
    }
};

QTEST_GUILESS_MAIN(TestFilterList)
#include "tst_filterlist.moc"
