// Reading parameter files onto the table: data lines up to "END FILE", fields, duplicates,
// numbers outside the table, the X overlay and the reset values.
#include "parameters/parameterfile.h"

#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

namespace {
const char* kopf = "Parameter name         User#    Vesk# SSBGREEN\r\n--------------\r\n";

QString writeFile(const QTemporaryDir& dir, const QByteArray& body,
                  const char* name = "params.dpk") {
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write");
    f.write(body);
    return path;
}

// A line in the writer's layout, tabs and padding included.
QByteArray line(const char* name, int user, int nr, int g, double x = 1.0) {
    return QByteArray(QString::asprintf("%-23s, %2i ,\t %2i ,\t %3i ,\t %3i ,\t %3i ,\t %3i ,\t% "
                                        "3i ,\t% 3i ,\t% 3i ,\t% 3i ,\t %0.2f ,\t %2i\r\n",
                                        name, user, nr, g, 254, g + 1, g + 2, 254, 255, 0, 200, x,
                                        nr / 10)
                          .toLatin1());
}
} // namespace

class TestParameterFile : public QObject {
    Q_OBJECT

private slots:
    void dataLines_data() {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("logLine");
        QTest::newRow("three lines and END FILE")
            << (line("a", 1, 11, 1) + line("b", 2, 12, 2) + line("c", 3, 13, 3) + "END FILE\r\n")
            << 3 << "Parameter File 4 Zeilen geladen";
        QTest::newRow("lines after END FILE ignored")
            << (line("a", 1, 11, 1) + "  END FILE here\r\n" + line("b", 2, 12, 2)) << 1
            << "Parameter File 2 Zeilen geladen";
        QTest::newRow("no END FILE, read to the end") << (line("a", 1, 11, 1) + line("b", 2, 12, 2))
                                                      << 2 << "Parameter File 3 Zeilen geladen";
        QTest::newRow("lower case end file is data")
            << (line("a", 1, 11, 1) + "end file\r\n") << 2 << "Parameter File 3 Zeilen geladen";
        QTest::newRow("LF line ends")
            << QByteArray("x, 1, 11, 5\nEND FILE\n") << 1 << "Parameter File 2 Zeilen geladen";
        QTest::newRow("header only") << QByteArray() << 0 << "Parameter File 1 Zeilen geladen";
    }
    void dataLines() {
        QFETCH(QByteArray, body);
        QFETCH(int, count);
        QFETCH(QString, logLine);
        QTemporaryDir dir;
        QStringList lines;
        QVERIFY(readParameterLines(writeFile(dir, kopf + body), &lines));
        QCOMPARE(lines.size(), count);
        QCOMPARE(parameterFileLogLine(int(lines.size())), logLine);
    }

    void ints_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("value");
        QTest::newRow("tab blank digits blank") << "\t 123 " << 123;
        QTest::newRow("blanks inside") << " 1 2 3" << 123;
        QTest::newRow("letters") << "abc" << 0;
        QTest::newRow("digits then letters") << "12ab" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("negative") << " -5" << -5;
        QTest::newRow("decimal point") << "1.5" << 0;
        QTest::newRow("too large") << "99999999999" << 0;
    }
    void ints() {
        QFETCH(QString, field);
        QFETCH(int, value);
        QCOMPARE(parameterInt(field), value);
    }

    void doubles_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<double>("value");
        QTest::newRow("0.05") << "\t 0.05 " << 0.05;
        QTest::newRow("whole") << "\t    1 " << 1.0;
        QTest::newRow("comma is no decimal point") << "0;5" << 0.0;
        QTest::newRow("letters") << "x" << 0.0;
        QTest::newRow("nan") << "nan" << 0.0;
        QTest::newRow("inf") << "inf" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
    }
    void doubles() {
        QFETCH(QString, field);
        QFETCH(double, value);
        QCOMPARE(parameterDouble(field), value);
    }

    void fieldsOfOneLine() {
        TParameter p;
        const int nr = parseParameterLine(
            QString::fromLatin1(line("AGC decay", 23, 47, 40, 0.5)).chopped(2), &p);
        QCOMPARE(nr, 47);
        QCOMPARE(p.name, QStringLiteral("AGC decay              "));
        QCOMPARE(p.user, 23);
        QCOMPARE(p.ssbgreen, 40);
        QCOMPARE(p.ssbyellow, 254);
        QCOMPARE(p.ssbred, 41);
        QCOMPARE(p.cwgreen, 42);
        QCOMPARE(p.cwyellow, 254);
        QCOMPARE(p.cwred, 255);
        QCOMPARE(p.min, 0);
        QCOMPARE(p.max, 200);
        QCOMPARE(p.x, 0.5);
        QCOMPARE(p.page, 4);
        QCOMPARE(p.xparam, false);
    }

    void shortAndLongLines_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("nr");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("cwred");
        QTest::addColumn<int>("page");
        QTest::newRow("no comma") << "just a name" << 0 << "just a name" << 0 << 0;
        QTest::newRow("blank line") << "" << 0 << "" << 0 << 0;
        QTest::newRow("fields missing") << "n, 1, 12, 7" << 12 << "n" << 0 << 0;
        QTest::newRow("text after a 13th comma")
            << "n,1,13,1,2,3,4,5,6,7,8,9,10,junk" << 13 << "n" << 6 << 10;
    }
    void shortAndLongLines() {
        QFETCH(QString, text);
        QFETCH(int, nr);
        QFETCH(QString, name);
        QFETCH(int, cwred);
        QFETCH(int, page);
        TParameter p;
        QCOMPARE(parseParameterLine(text, &p), nr);
        QCOMPARE(p.name, name);
        QCOMPARE(p.cwred, cwred);
        QCOMPARE(p.page, page);
    }

    void overlayDuplicatesAndOutOfRange() {
        ParameterTabelle t;
        resetParameterTabelle(t);
        t[50].name = QStringLiteral("kept");
        t[50].ssbgreen = 7;
        QStringList log;
        const QStringList lines{
            QString::fromLatin1(line("first", 1, 12, 10, 0.25)).chopped(2),
            QStringLiteral("high,1,100,5"),
            QStringLiteral("low,1,-1,5"),
            QStringLiteral("second,2,12,20"),
        };
        QCOMPARE(applyParameterLines(t, lines, false, [&log](const QString& s) { log << s; }), 2);
        // The later line replaces the whole entry: nothing of the first line survives.
        TParameter expected;
        expected.name = QStringLiteral("second");
        expected.user = 2;
        expected.ssbgreen = 20;
        expected.ssbyellow = expected.ssbred = expected.cwgreen = expected.cwyellow =
            expected.cwred = expected.min = expected.max = expected.page = 0;
        expected.x = 0.0;
        QCOMPARE(t[12], expected);
        QCOMPARE(t[50].name, QStringLiteral("kept"));
        QCOMPARE(t[50].ssbgreen, 7);
        QCOMPARE(t[99], TParameter{});
        QCOMPARE(log.size(), 2);
        QVERIFY2(log.at(0).contains(QStringLiteral("Zeile 4")) &&
                     log.at(0).contains(QStringLiteral("100")),
                 qPrintable(log.at(0)));
        QVERIFY2(log.at(1).contains(QStringLiteral("Zeile 5")) &&
                     log.at(1).contains(QStringLiteral("-1")),
                 qPrintable(log.at(1)));
    }

    void xOverlayMarksOnlyItsEntries() {
        ParameterTabelle t;
        resetParameterTabelle(t);
        applyParameterLines(t, {"a,1,11,10", "b,2,12,20", "c,3,13,30"}, false, {});
        applyParameterLines(t, {"X b,9,12,99", "X d,4,45,40"}, true, {});
        QCOMPARE(t[11].xparam, false);
        QCOMPARE(t[11].ssbgreen, 10);
        QCOMPARE(t[13].xparam, false);
        QCOMPARE(t[12].xparam, true);
        QCOMPARE(t[12].ssbgreen, 99);
        QCOMPARE(t[12].user, 9);
        QCOMPARE(t[45].xparam, true);
        // The user file again clears the mark of what it names, not of the rest.
        applyParameterLines(t, {"b,2,12,20"}, false, {});
        QCOMPARE(t[12].xparam, false);
        QCOMPARE(t[12].ssbgreen, 20);
        QCOMPARE(t[45].xparam, true);
    }

    void resetValues() {
        ParameterTabelle t;
        applyParameterLines(t, {"a,1,11,10,10,10,10,10,10,0,100,0.5,3"}, true, {});
        t[0].name = QStringLiteral("zero");
        resetParameterTabelle(t);
        for (const TParameter& p : t) {
            QCOMPARE(p.name, QString());
            QCOMPARE(p.user, 0);
            for (int v : {p.ssbgreen, p.ssbyellow, p.ssbred, p.cwgreen, p.cwyellow, p.cwred, p.min,
                          p.max, p.page})
                QCOMPARE(v, 255);
            QCOMPARE(p.x, 1.0);
            QCOMPARE(p.xparam, false);
        }
    }

    void latin1AndLineEnds() {
        QTemporaryDir dir;
        QStringList crlf, lf;
        QVERIFY(readParameterLines(
            writeFile(dir, QByteArray(kopf) + "S-Meter 50\xB5V, 1, 66, 5\r\n", "a.dpk"), &crlf));
        QVERIFY(
            readParameterLines(writeFile(dir, "h\nu\nS-Meter 50\xB5V, 1, 66, 5\n", "b.dpk"), &lf));
        QCOMPARE(crlf, lf);
        QCOMPARE(crlf.at(0).left(11), QString(QStringLiteral("S-Meter 50") + QChar(0xB5)));
    }

    void missingFile() {
        QTemporaryDir dir;
        QStringList lines{"kept"};
        QVERIFY(!readParameterLines(dir.filePath(QStringLiteral("none.dpk")), &lines));
        QCOMPARE(lines, QStringList{"kept"});
    }
};

QTEST_GUILESS_MAIN(TestParameterFile)
#include "tst_parameterfile.moc"
