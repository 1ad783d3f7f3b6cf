// The equalizer curve: gain codes both ways, the file reader and writer, and the command
// frames of a band update and of a whole curve. Expected codes are written out here from the
// device's table, not taken from the code under test.
#include "control/eqcurve.h"

#include <QtTest>

using eqcurve::Frame;
using eqcurve::Side;
using Frames = QList<Frame>;

Q_DECLARE_METATYPE(Frames)

namespace {
QByteArray lines(const QByteArrayList& l, const QByteArray& end = "\r\n") {
    QByteArray out;
    for (const QByteArray& x : l)
        out += x + end;
    return out;
}
QList<int> repeat(int value, int n) {
    return QList<int>(n, value);
}
} // namespace

class TestEqCurve : public QObject {
    Q_OBJECT

private slots:
    void table_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<quint32>("code");
        const quint32 codes[] = {0x7FFF00, 0x721500, 0x65AD00, 0x5A9E00, 0x50C300,
                                 0x47FB00, 0x402700, 0x392D00, 0x32F500, 0x2D6B00,
                                 0x287A00, 0x241300, 0x202700, 0x000000};
        for (int i = 0; i < 14; ++i)
            QTest::addRow("%d dB", -i) << -i << codes[i];
    }
    void table() {
        QFETCH(int, value);
        QFETCH(quint32, code);
        QCOMPARE(eqcurve::codeForValue(value), code);
        QCOMPARE(eqcurve::valueForCode(code), value);
        QCOMPARE(code & 0xFF, 0u);
    }

    void valuesOutsideTheSliderGiveZeroDb_data() {
        QTest::addColumn<int>("value");
        QTest::newRow("1") << 1;
        QTest::newRow("-14") << -14;
        QTest::newRow("large") << 100000;
        QTest::newRow("most negative") << std::numeric_limits<int>::min();
    }
    void valuesOutsideTheSliderGiveZeroDb() {
        QFETCH(int, value);
        QCOMPARE(eqcurve::codeForValue(value), 0x7FFF00u);
    }

    void codesOutsideTheTableReadAsZeroDb_data() {
        QTest::addColumn<quint32>("code");
        QTest::newRow("low byte set") << 0x5A9E01u;
        QTest::newRow("one step above full cut") << 0x000100u;
        QTest::newRow("all ones") << 0xFFFFFFu;
        QTest::newRow("wider than 24 bits") << 0x7FFF0000u;
    }
    void codesOutsideTheTableReadAsZeroDb() {
        QFETCH(quint32, code);
        QCOMPARE(eqcurve::valueForCode(code), 0);
    }

    void line_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("value");
        QTest::newRow("upper case") << QByteArray("5A9E00") << -3;
        QTest::newRow("lower case") << QByteArray("5a9e00") << -3;
        QTest::newRow("leading zeros") << QByteArray("00402700") << -6;
        QTest::newRow("no leading zeros") << QByteArray("0") << -13;
        QTest::newRow("six zeros") << QByteArray("000000") << -13;
        QTest::newRow("with CR LF and blanks") << QByteArray(" 202700 \r\n") << -12;
        QTest::newRow("0 dB") << QByteArray("7FFF00") << 0;
        QTest::newRow("not in table") << QByteArray("123456") << 0;
        QTest::newRow("letters") << QByteArray("xyz") << 0;
        QTest::newRow("empty") << QByteArray("") << 0;
        QTest::newRow("only CR LF") << QByteArray("\r\n") << 0;
        QTest::newRow("trailing text") << QByteArray("5A9E00 dB") << 0;
        QTest::newRow("negative") << QByteArray("-5A9E00") << 0;
        QTest::newRow("overflow") << QByteArray("FFFFFFFFFFFFFFFFFFFFFF") << 0;
        QTest::newRow("code times 256") << QByteArray("5A9E0000") << 0;
        QTest::newRow("NUL inside") << QByteArray("5A\0"
                                                  "9E00",
                                                  7)
                                    << 0;
    }
    void line() {
        QFETCH(QByteArray, line);
        QFETCH(int, value);
        QCOMPARE(eqcurve::valueForLine(line), value);
    }

    void readCurve_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QList<int>>("values");
        const QByteArrayList zeroDb(31, "7FFF00");
        QTest::newRow("31 lines of 7FFF00, CR LF") << lines(zeroDb) << repeat(0, 31);
        QTest::newRow("LF only") << lines(zeroDb, "\n") << repeat(0, 31);
        QByteArray noEnd = lines(zeroDb);
        noEnd.chop(2);
        QTest::newRow("last line without end") << noEnd << repeat(0, 31);
        QTest::newRow("empty file") << QByteArray() << QList<int>();
        QTest::newRow("three lines")
            << lines({"0", "5A9E00", "202700"}) << QList<int>{-13, -3, -12};

        // Lines after the 31st stand for no slider and must not shift or overwrite any.
        QByteArrayList longer(31, "287A00");
        longer += QByteArrayList(9, "000000");
        QTest::newRow("40 lines") << lines(longer) << repeat(-10, 31);
        QByteArrayList withBlank(31, "241300");
        QTest::newRow("31 lines and a blank one") << lines(withBlank) + "\r\n" << repeat(-11, 31);
        QTest::newRow("blank line inside")
            << lines({"000000", "", "000000"}) << QList<int>{-13, 0, -13};
        QTest::newRow("endless line then a code") << QByteArray(200000, '0') + "\r\n5A9E00\r\n"
                                                  << QList<int>{0, -3};
        QTest::newRow("binary") << QByteArray("\x00\xff\x7f\r\n\x01", 6) << QList<int>{0, 0};
    }
    void readCurve() {
        QFETCH(QByteArray, file);
        QFETCH(QList<int>, values);
        QCOMPARE(eqcurve::readCurve(file), values);
    }

    void fileBytes() {
        eqcurve::Curve curve{};
        QCOMPARE(eqcurve::curveFileBytes(curve), lines(QByteArrayList(31, "7FFF00")));
        curve[0] = -13;
        curve[1] = -3;
        curve[30] = 7; // outside the slider: written as 0 dB
        QByteArrayList expected(31, "7FFF00");
        expected[0] = "000000";
        expected[1] = "5A9E00";
        QCOMPARE(eqcurve::curveFileBytes(curve), lines(expected));
    }

    void everyValueSurvivesWriteAndRead() {
        eqcurve::Curve curve{};
        for (int k = 0; k < 31; ++k)
            curve[size_t(k)] = -(k % 14);
        const QList<int> back = eqcurve::readCurve(eqcurve::curveFileBytes(curve));
        QCOMPARE(back, QList<int>(curve.begin(), curve.end()));
    }

    void bandFrames_data() {
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("band");
        QTest::addColumn<int>("value");
        QTest::addColumn<Frames>("frames");
        QTest::newRow("RX band 1 at -3 dB")
            << 0 << 0 << -3 << Frames{{114, 0}, {110, 0x5A}, {112, 0x9E}, {113, 0}};
        QTest::newRow("TX band 31 at full cut")
            << 1 << 30 << -13 << Frames{{114, 30}, {110, 0}, {112, 0}, {113, 1}};
        QTest::newRow("TX band 7 at 0 dB")
            << 1 << 6 << 0 << Frames{{114, 6}, {110, 0x7F}, {112, 0xFF}, {113, 1}};
        QTest::newRow("RX band 16 at -12 dB")
            << 0 << 15 << -12 << Frames{{114, 15}, {110, 0x20}, {112, 0x27}, {113, 0}};
    }
    void bandFrames() {
        QFETCH(int, side);
        QFETCH(int, band);
        QFETCH(int, value);
        QFETCH(Frames, frames);
        QCOMPARE(eqcurve::bandFrames(Side(side), band, value), frames);
    }

    void curveFrames_data() {
        QTest::addColumn<int>("side");
        QTest::addColumn<Frame>("first");
        QTest::addColumn<Frame>("second");
        QTest::addColumn<Frame>("last");
        QTest::newRow("RX") << 0 << Frame{24, 1} << Frame{109, 0} << Frame{113, 0};
        QTest::newRow("TX") << 1 << Frame{95, 1} << Frame{109, 1} << Frame{113, 1};
    }
    void curveFrames() {
        QFETCH(int, side);
        QFETCH(Frame, first);
        QFETCH(Frame, second);
        QFETCH(Frame, last);
        eqcurve::Curve curve{};
        for (int k = 0; k < 31; ++k)
            curve[size_t(k)] = -((k * 5) % 14);
        const Frames f = eqcurve::curveFrames(Side(side), curve);
        QCOMPARE(f.size(), 2 + 2 * 31 + 1);
        QCOMPARE(f.at(0), first);
        QCOMPARE(f.at(1), second);
        QCOMPARE(f.last(), last);
        // No band index travels with a whole curve: only high and middle byte per band.
        for (int k = 0; k < 31; ++k) {
            const quint32 code = eqcurve::codeForValue(curve[size_t(k)]);
            QCOMPARE(f.at(2 + 2 * k), Frame(110, int(code >> 16)));
            QCOMPARE(f.at(3 + 2 * k), Frame(112, int((code >> 8) & 0xFF)));
        }
    }
};

QTEST_GUILESS_MAIN(TestEqCurve)
#include "tst_eqcurve.moc"
