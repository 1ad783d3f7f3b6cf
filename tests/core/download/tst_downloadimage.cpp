// The download image: firmware text to load records, the checksum with its carried middle
// byte, the checksum record, and reading firmware files.
#include "download/downloadimage.h"
#include "download/firmwarefile.h"
#include "download/linereader.h"
#include "parameters/parameterfile.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
QByteArray hex(const char* text) {
    return QByteArray::fromHex(QByteArray(text));
}

QStringList lines(const char* text) {
    return QString::fromLatin1(text).split(QLatin1Char('|'));
}

// n program words 000001, 000002, ... as text lines and as bytes.
QStringList programWords(int n, QByteArray* bytes) {
    QStringList out;
    for (int k = 1; k <= n; ++k) {
        out << QString::asprintf("%06X", k * 0x010203);
        const int v = k * 0x010203;
        bytes->append(char((v >> 16) & 0xFF));
        bytes->append(char((v >> 8) & 0xFF));
        bytes->append(char(v & 0xFF));
    }
    return out;
}

QByteArray record(const char* head, const QByteArray& words) {
    return hex(head) + words + QByteArray(1, '\r');
}
} // namespace

class TestDownloadImage : public QObject {
    Q_OBJECT

private slots:
    void zeroSegmentSplitsAt48() {
        QByteArray words;
        const QStringList fw =
            QStringList{"@PA", "0000"} + programWords(50, &words) + QStringList{"#"};
        DownloadImage image;
        QStringList log;
        image.dspfileparsen(fw, [&log](const QString& s) { log << s; });
        const QByteArray expected =
            record("2444503FC00030", words.left(144)) + record("24445000300002", words.mid(144));
        QCOMPARE(image.buffer.toHex(' '), expected.toHex(' '));
        QCOMPARE(image.buffer.size(), 7 + 144 + 1 + 7 + 6 + 1);
        QCOMPARE(log, QStringList{QStringLiteral("166 Char im buffer")});
    }

    void records_data() {
        QTest::addColumn<QString>("firmware");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("data segment") << "@DA|3800|1234|ABCD|#" << hex("2444443800000212 34ABCD0D");
        QTest::newRow("program at 0100")
            << "@PA|0100|123456|ABCDEF|000001|#" << hex("24445001000003123456ABCDEF0000010D");
        QTest::newRow("blanks ignored")
            << "@ PA|01 00|12 34 56|#" << hex("2444500100000112345 60D");
        QTest::newRow("header only needs @PA somewhere")
            << "seg @PA x|0200|010203|# rest ignored" << hex("244450020000010102030D");
        QTest::newRow("anything else is data memory")
            << "@pa|3800|0102|#" << hex("24444438000001 01020D");
        QTest::newRow("short and bad fields read 0")
            << "@PA|0100|12|ZZ3456|#" << hex("2444500100000212000000 34560D");
        QTest::newRow("missing # runs to the end")
            << "@DA|3800|1234|5678" << hex("24444438000002123456780D");
        QTest::newRow("missing address line ends the parse")
            << "@DA|3800|1111|#|@PA" << hex("2444443800000111110D");
        QTest::newRow("empty segment") << "@DA|3800|#" << hex("24444438000000 0D");
        QTest::newRow("two segments back to back")
            << "@PA|0100|AABBCC|#|@DA|3800|DDEE|#"
            << hex("2444500100000 1AABBCC0D 24444438000001DDEE0D");
        QTest::newRow("address of three characters")
            << "@DA|380|0102|#" << hex("24444438800001 01020D");
        QTest::newRow("only the empty line of a header-only file") << "" << QByteArray();
    }
    void records() {
        QFETCH(QString, firmware);
        QFETCH(QByteArray, expected);
        DownloadImage image;
        image.dspfileparsen(firmware.split(QLatin1Char('|')), {});
        QCOMPARE(image.buffer.toHex(' '), expected.toHex(' '));
    }

    void shortZeroSegmentIsOneRecord_data() {
        QTest::addColumn<int>("words");
        QTest::newRow("3 words") << 3;
        QTest::newRow("47 words") << 47;
        QTest::newRow("no words") << 0;
    }
    void shortZeroSegmentIsOneRecord() {
        QFETCH(int, words);
        QByteArray bytes;
        const QStringList fw = QStringList{"@PA", "0000"} + programWords(words, &bytes) +
                               QStringList{"#", "@DA", "3800", "0001", "#"};
        DownloadImage image;
        QStringList log;
        image.dspfileparsen(fw, [&log](const QString& s) { log << s; });
        QByteArray head = hex("2444503FC0");
        head.append(char(0));
        head.append(char(words));
        QCOMPARE(image.buffer.toHex(' '),
                 (head + bytes + "\r" + hex("244444380000010001 0D")).toHex(' '));
        QCOMPARE(log.size(), 2);
        QVERIFY2(log.at(0).contains(QString::number(words)) &&
                     log.at(0).contains(QStringLiteral("3FC0")),
                 qPrintable(log.at(0)));
    }

    void exactly48WordsGivesEmptySecondRecord() {
        QByteArray bytes;
        DownloadImage image;
        image.dspfileparsen(
            QStringList{"@PA", "0000"} + programWords(48, &bytes) + QStringList{"#"}, {});
        QCOMPARE(image.buffer.toHex(' '),
                 (hex("2444503FC00030") + bytes + "\r" + hex("24445000300000 0D")).toHex(' '));
    }

    void checksumSequence() {
        DownloadImage image;
        image.dspfileparsen(lines("@PA|0100|123456|#"), {});
        QCOMPARE(image.checksumme, 4746);
        image.dspfileparsen(lines("@PA|0100|FFFFFF|#"), {});
        QCOMPARE(image.checksumme, 5000);
    }

    // A 16-bit word takes the middle byte of the last 24-bit word parsed before it, across
    // segments and across loads; only the sum sees it, not the record.
    void dataWordCarriesMiddleByte_data() {
        QTest::addColumn<QStringList>("loads");
        QTest::addColumn<int>("expected");
        QTest::newRow("fresh registers: middle 0")
            << QStringList{"@DA|3800|1234|#"} << (0x12 * 256 + 0x34);
        QTest::newRow("after a program word") << QStringList{"@PA|0100|0A7F00|#|@DA|3800|1234|#"}
                                              << (0x0A * 256 + 0x7F + 0x12 * 256 + 0x7F + 0x34);
        QTest::newRow("across loads")
            << QStringList{"@PA|0100|00C800|#", "@DA|3800|0001|#"} << (0xC8 + 0xC8 + 0x01);
        QTest::newRow("wraps at 32768")
            << QStringList{"@PA|0100|FF0000|FF0000|#"} << ((0xFF00 * 2) % 32768);
    }
    void dataWordCarriesMiddleByte() {
        QFETCH(QStringList, loads);
        QFETCH(int, expected);
        DownloadImage image;
        for (const QString& l : loads)
            image.dspfileparsen(l.split(QLatin1Char('|')), {});
        QCOMPARE(image.checksumme, expected);
    }

    void checksumRecord_data() {
        QTest::addColumn<int>("sum");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("5000") << 5000 << hex("24445037FE0001138800 0D");
        QTest::newRow("0") << 0 << hex("24445037FE0001000000 0D");
        QTest::newRow("32767") << 32767 << hex("24445037FE00017FFF00 0D");
    }
    void checksumRecord() {
        QFETCH(int, sum);
        QFETCH(QByteArray, expected);
        DownloadImage image;
        image.buffer = "xy";
        image.checksumme = sum;
        QStringList log;
        image.checksummeanhaengen([&log](const QString& s) { log << s; });
        QCOMPARE(image.buffer.toHex(' '), (QByteArray("xy") + expected).toHex(' '));
        QCOMPARE(log, QStringList{QStringLiteral("Checksumme %1").arg(sum)});
    }

    void clearKeepsSumAndRegisters() {
        DownloadImage image;
        image.dspfileparsen(lines("@PA|0100|123456|#"), {});
        image.zwischenpuffer = "abc";
        image.clear();
        QVERIFY(image.buffer.isEmpty());
        QVERIFY(image.zwischenpuffer.isEmpty());
        QCOMPARE(image.checksumme, 4746);
        QCOMPARE(image.wortbyte2, quint8(0x34));
    }

    void hexFields_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("value");
        QTest::newRow("upper") << "AB" << 0xAB;
        QTest::newRow("lower") << "ef" << 0xEF;
        QTest::newRow("one digit") << "7" << 7;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("letter") << "1G" << 0;
        QTest::newRow("minus") << "-1" << 0;
        QTest::newRow("plus") << "+F" << 0;
        QTest::newRow("tab") << "\t1" << 0;
        QTest::newRow("latin-1 letter") << QString::fromLatin1("\xB5"
                                                               "1")
                                        << 0;
    }
    void hexFields() {
        QFETCH(QString, field);
        QFETCH(int, value);
        QCOMPARE(int(DownloadImage::hexField(field)), value);
    }

    void firmwareFiles_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("logLine");
        QTest::newRow("CR LF, ESC line ends")
            << QByteArray("head\r\n@PA\r\n0100\r\n\x1b end\r\n@DA\r\n")
            << QStringList{"@PA", "0100"} << "DSP File 3 Zeilen geladen";
        QTest::newRow("LF, no ESC")
            << QByteArray("head\n@DA\n3800\n1234\n#\n") << QStringList{"@DA", "3800", "1234", "#"}
            << "DSP File 5 Zeilen geladen";
        QTest::newRow("ESC in the middle of a line")
            << QByteArray("head\nA\nB\nxx\x1byy\nC\n") << QStringList{"A", "B"}
            << "DSP File 3 Zeilen geladen";
        QTest::newRow("header only")
            << QByteArray("head\r\n") << QStringList{""} << "DSP File 2 Zeilen geladen";
        QTest::newRow("no line end at the end")
            << QByteArray("head\r\nA\r\nB") << QStringList{"A", "B"} << "DSP File 3 Zeilen geladen";
        QTest::newRow("ESC right after the header")
            << QByteArray("head\n\x1b\nA\n") << QStringList{} << "DSP File 1 Zeilen geladen";
    }
    void firmwareFiles() {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, expected);
        QFETCH(QString, logLine);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("fw.dpk"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
        f.close();
        QStringList got{"old"};
        QStringList log;
        QVERIFY(readFirmwareFile(path, &got, [&log](const QString& s) { log << s; }).ok());
        QCOMPARE(got, expected);
        QCOMPARE(log, QStringList{logLine});
    }

    void missingFirmwareKeepsLines() {
        QTemporaryDir dir;
        QStringList got{"old"};
        QStringList log;
        QVERIFY(!readFirmwareFile(dir.filePath(QStringLiteral("none.dpk")), &got,
                                  [&log](const QString& s) { log << s; })
                     .ok());
        QVERIFY(!readFirmwareFile(dir.path(), &got, {}).ok());
        QCOMPARE(got, QStringList{"old"});
        QVERIFY(log.isEmpty());
    }

    // Every text file is read alike whatever wrote it: the line ends of Unix, DOS and old
    // Macs, and the byte-order marks of UTF-8 and UTF-16.
    void zeilenenden_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::newRow("LF") << QByteArray("a\xB5\n\nc\n");
        QTest::newRow("CR LF") << QByteArray("a\xB5\r\n\r\nc\r\n");
        QTest::newRow("CR") << QByteArray("a\xB5\r\rc\r");
        QTest::newRow("UTF-8 mark") << QByteArray("\xEF\xBB\xBF"
                                                  "a\xC2\xB5\r\n\r\nc");
        QTest::newRow("UTF-16 LE") << QByteArray("\xFF\xFE"
                                                 "a\0\xB5\0\r\0\r\0c\0",
                                                 12);
        QTest::newRow("UTF-16 BE") << QByteArray("\xFE\xFF\0a\0\xB5\0\n\0\n\0c", 12);
    }
    void zeilenenden() {
        QFETCH(QByteArray, data);
        QCOMPARE(LineReader::zeilen(data),
                 (QStringList{QStringLiteral("a") + QChar(0xB5), QString(), QStringLiteral("c")}));
    }

    // What the text readers take: no NUL bytes (unless a UTF-16 mark says so), at most the
    // size bound; the firmware, filter list and parameter readers refuse the rest with it.
    void textLesen_data() {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<int>("fehler"); // LineReader::Fehler
        using F = LineReader::Fehler;
        QTest::newRow("binary") << QByteArray("head\n\x00\x01\x02\n", 9) << int(F::KeinText);
        QTest::newRow("UTF-16 LE without a mark")
            << QByteArray("h\0e\0a\0d\0\n\0", 10) << int(F::KeinText);
        QTest::newRow("UTF-16 LE with its mark")
            << QByteArray("\xFF\xFEh\0e\0a\0d\0\n\0", 12) << int(F::Keiner);
        QTest::newRow("at the bound")
            << QByteArray(LineReader::kMaxGroesse, '\n') << int(F::Keiner);
        QTest::newRow("one byte past the bound")
            << QByteArray(LineReader::kMaxGroesse + 1, '\n') << int(F::ZuGross);
    }
    void textLesen() {
        QFETCH(QByteArray, inhalt);
        QFETCH(int, fehler);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("text.dpk"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(inhalt) == inhalt.size() && f.flush());
        QByteArray gelesen;
        QCOMPARE(int(LineReader::textLesen(path, &gelesen)), fehler);
        QCOMPARE(gelesen.size(), fehler == int(LineReader::Fehler::Keiner) ? inhalt.size() : 0);
        if (fehler != int(LineReader::Fehler::KeinText))
            return;
        QStringList zeilen{"alt"};
        for (const TransferResult& r :
             {readFirmwareFile(path, &zeilen, {}), readListFile(path, &zeilen),
              leseParameterDatei(path, &zeilen)})
            QVERIFY2(r.datei && r.text.contains("ist keine Textdatei"), qPrintable(r.text));
        QCOMPARE(zeilen, QStringList{"alt"});
    }
};

QTEST_GUILESS_MAIN(TestDownloadImage)
#include "tst_downloadimage.moc"
