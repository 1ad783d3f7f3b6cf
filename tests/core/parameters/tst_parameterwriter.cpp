// Writing parameter files and the X-parameter table: byte-exact lines, the release's own
// files reproduced, what is left out, a write-read round trip, and the table file's lines.
#include "parameters/parameterfile.h"
#include "parameters/parameterwriter.h"
#include "testenv.h"

#include <QFile>
#include <QtTest>

using namespace parameter;

Q_DECLARE_METATYPE(TParameter)

namespace {
QString release(const char* name) {
    return QStringLiteral(TALVARO_SOURCE_DIR "/data/sample-release/") + QLatin1String(name);
}

ParameterTabelle readTable(const QByteArray& bytes, bool xparam = false, ParameterTabelle t = {}) {
    applyParameterLines(t, parameterLines(bytes), xparam, {});
    return t;
}

ParameterTabelle leer() {
    ParameterTabelle t;
    resetParameterTabelle(t);
    return t;
}

TParameter full(const QString& name, int user, std::array<int, 6> b, int min, int max, double x,
                int page) {
    TParameter p;
    p.name = name;
    p.user = user;
    p.ssbgreen = b[0];
    p.ssbyellow = b[1];
    p.ssbred = b[2];
    p.cwgreen = b[3];
    p.cwyellow = b[4];
    p.cwred = b[5];
    p.min = min;
    p.max = max;
    p.x = x;
    p.page = page;
    return p;
}

QStringList lines(const QByteArray& bytes) {
    QStringList l = QString::fromLatin1(bytes).split(QStringLiteral("\r\n"));
    if (!l.isEmpty() && l.last().isEmpty())
        l.removeLast();
    return l;
}
} // namespace

class TestParameterWriter : public QObject {
    Q_OBJECT

private slots:
    // Lines written out by hand: the field widths, the blank before positive numbers in the
    // last four columns, the two kinds of x and the name field's width per file.
    void lineBytes_data() {
        QTest::addColumn<TParameter>("p");
        QTest::addColumn<int>("nummer");
        QTest::addColumn<bool>("x");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("x below 1 keeps two decimals")
            << full("AGC hang", 17, {56, 254, 254, 56, 254, 254}, 0, 127, 0.5, 1) << 13 << false
            << QByteArray("AGC hang               , 17 ,\t 13 ,\t  56 ,\t 254 ,\t 254 ,\t  56 ,\t"
                          " 254 ,\t 254 ,\t  0 ,\t 127 ,\t 0.50 ,\t  1\r\n");
        QTest::newRow("x from 1 up is whole, four wide")
            << full("CW pitch", 45, {255, 255, 255, 95, 6, 102}, 0, 127, 10, 4) << 45 << true
            << QByteArray("CW pitch                , 45 ,\t 45 ,\t 255 ,\t 255 ,\t 255 ,\t  95 ,\t"
                          "  6 ,\t 102 ,\t  0 ,\t 127 ,\t   10 ,\t  4\r\n");
        QTest::newRow("0.333 is cut to 0.33, negatives keep their sign")
            << full("n", -5, {-1, 0, 1, 2, -3, 1000}, -3, 1000, 0.333, -1) << 7 << false
            << QByteArray("n                      , -5 ,\t  7 ,\t  -1 ,\t   0 ,\t   1 ,\t   2 ,\t"
                          " -3 ,\t 1000 ,\t -3 ,\t 1000 ,\t 0.33 ,\t -1\r\n");
        QTest::newRow("x 0 is written whole")
            << full("zero", 1, {1, 1, 1, 1, 1, 1}, 0, 1, 0.0, 1) << 99 << false
            << QByteArray("zero                   ,  1 ,\t 99 ,\t   1 ,\t   1 ,\t   1 ,\t   1 ,\t"
                          "  1 ,\t  1 ,\t  0 ,\t  1 ,\t    0 ,\t  1\r\n");
        // Ties round to even as C's printf does: 2.5 -> 2, 3.5 -> 4, 0.125 -> 0.12.
        QTest::newRow("2.5 rounds to even")
            << full("r", 1, {1, 1, 1, 1, 1, 1}, 0, 1, 2.5, 1) << 11 << false
            << QByteArray("r                      ,  1 ,\t 11 ,\t   1 ,\t   1 ,\t   1 ,\t   1 ,\t"
                          "  1 ,\t  1 ,\t  0 ,\t  1 ,\t    2 ,\t  1\r\n");
        QTest::newRow("3.5 rounds to even")
            << full("r", 1, {1, 1, 1, 1, 1, 1}, 0, 1, 3.5, 1) << 11 << false
            << QByteArray("r                      ,  1 ,\t 11 ,\t   1 ,\t   1 ,\t   1 ,\t   1 ,\t"
                          "  1 ,\t  1 ,\t  0 ,\t  1 ,\t    4 ,\t  1\r\n");
        QTest::newRow("0.125 rounds to even")
            << full("r", 1, {1, 1, 1, 1, 1, 1}, 0, 1, 0.125, 1) << 11 << false
            << QByteArray("r                      ,  1 ,\t 11 ,\t   1 ,\t   1 ,\t   1 ,\t   1 ,\t"
                          "  1 ,\t  1 ,\t  0 ,\t  1 ,\t 0.12 ,\t  1\r\n");
        QTest::newRow("long name is never cut")
            << full("A name far longer than the field", 1, {1, 1, 1, 1, 1, 1}, 0, 1, 1, 1) << 11
            << true
            << QByteArray("A name far longer than the field,  1 ,\t 11 ,\t   1 ,\t   1 ,\t   1 ,\t"
                          "   1 ,\t  1 ,\t  1 ,\t  0 ,\t  1 ,\t    1 ,\t  1\r\n");
        QTest::newRow("name in Latin-1")
            << full(QStringLiteral("Lautst\u00e4rke"), 1, {1, 1, 1, 1, 1, 1}, 0, 1, 1, 1) << 11
            << false
            << QByteArray(
                   "Lautst\xe4rke             ,  1 ,\t 11 ,\t   1 ,\t   1 ,\t   1 ,\t   1 ,\t"
                   "  1 ,\t  1 ,\t  0 ,\t  1 ,\t    1 ,\t  1\r\n");
    }
    void lineBytes() {
        QFETCH(TParameter, p);
        QFETCH(int, nummer);
        QFETCH(bool, x);
        QFETCH(QByteArray, line);
        QCOMPARE(parameterZeile(p, nummer, x ? DateiArt::X : DateiArt::User), line);
    }

    // The release's files were written by a generator of their own; reading one and writing
    // it again must give the same bytes.
    void releaseFilesReproduced_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("x");
        QTest::newRow("user file") << release("USER2B2.DPK") << false;
        QTest::newRow("standard file") << release("standard.dpk") << false;
        QTest::newRow("X-parameter file") << release("Filters/Xparams.dpk") << true;
    }
    void releaseFilesReproduced() {
        QFETCH(QString, path);
        QFETCH(bool, x);
        const QByteArray original = fileBytes(path);
        QVERIFY(!original.isEmpty());
        const ParameterTabelle t = readTable(original, x, leer());
        QCOMPARE(parameterDatei(t, x ? DateiArt::X : DateiArt::User), original);
    }

    void headerAndEnd() {
        const QStringList l = lines(parameterDatei(leer(), DateiArt::User));
        QCOMPARE(l.size(), 3);
        QCOMPARE(l[0].size(), 116);
        QCOMPARE(l[1].size(), 116);
        QVERIFY(l[0].startsWith(QLatin1String("Parameter name         User#")));
        QVERIFY(l[1].startsWith(QLatin1String("--------------         -----")));
        QCOMPARE(l[2], QStringLiteral("END FILE"));
    }

    // Which entries each file takes, by number.
    void selection_data() {
        QTest::addColumn<bool>("x");
        QTest::addColumn<QList<int>>("written");
        QTest::newRow("user file") << false << QList<int>{1, 11, 99};
        QTest::newRow("X file") << true << QList<int>{12, 13, 45};
    }
    void selection() {
        QFETCH(bool, x);
        QFETCH(QList<int>, written);
        ParameterTabelle t = leer();
        auto set = [&t](int nr, const char* name, bool xp) {
            t[size_t(nr)] = full(QString::fromLatin1(name), nr, {nr, 1, 1, 1, 1, 1}, 0, 200, 1, 1);
            t[size_t(nr)].xparam = xp;
        };
        set(0, "entry zero", false);
        set(1, "one", false);
        set(11, "eleven", false);
        set(99, "last", false);
        set(12, "X named", true);
        set(45, "X other", true);
        set(13, "", true);
        // Values without a name: the user file leaves them out.
        t[20].ssbgreen = 77;
        QList<int> got;
        const QStringList l = lines(parameterDatei(t, x ? DateiArt::X : DateiArt::User));
        for (const QString& s : l.mid(2, l.size() - 3))
            got << s.section(QLatin1Char(','), 2, 2).trimmed().toInt();
        QCOMPARE(got, written);
    }

    // What the reader makes of what the writer wrote: every field back, names padded, x
    // with two decimals below 1.0 and whole from 1.0 up.
    void roundTrip_data() {
        QTest::addColumn<TParameter>("p");
        QTest::addColumn<double>("xBack");
        QTest::newRow("plain") << full("AGC", 19, {190, 254, 254, 190, 254, 254}, 0, 253, 1, 1)
                               << 1.0;
        QTest::newRow("x 0.05") << full("VOGAD", 33, {36, 254, 254, 255, 255, 255}, 0, 127, 0.05, 3)
                                << 0.05;
        QTest::newRow("x 0.333") << full("third", 1, {1, 2, 3, 4, 5, 6}, 0, 9, 0.333, 2) << 0.33;
        QTest::newRow("x 0.005 rounds up")
            << full("tiny", 1, {1, 2, 3, 4, 5, 6}, 0, 9, 0.005, 2) << 0.01;
        QTest::newRow("x 12.7 whole") << full("big", 1, {1, 2, 3, 4, 5, 6}, 0, 9, 12.7, 2) << 13.0;
        QTest::newRow("negatives")
            << full("neg", -12, {-1, -2, -3, -4, -5, -6}, -100, -1, -0.5, -9) << -0.5;
        QTest::newRow("blanks around the name")
            << full("  two  words ", 5, {1, 1, 1, 1, 1, 1}, 0, 1, 1, 1) << 1.0;
    }
    void roundTrip() {
        QFETCH(TParameter, p);
        QFETCH(double, xBack);
        for (const DateiArt art : {DateiArt::User, DateiArt::X}) {
            ParameterTabelle t = leer();
            p.xparam = art == DateiArt::X;
            t[57] = p;
            const ParameterTabelle back =
                readTable(parameterDatei(t, art), art == DateiArt::X, leer());
            TParameter want = p;
            want.name = p.name.leftJustified(namensbreite(art));
            want.x = xBack;
            QCOMPARE(back[57].x, xBack);
            QCOMPARE(back[57], want);
            for (int i = 0; i < 100; ++i)
                if (i != 57)
                    QCOMPARE(back[size_t(i)], TParameter{});
        }
    }

    void xTable_data() {
        QTest::addColumn<QList<int>>("xnumbers");
        QTest::addColumn<QStringList>("tail");
        QTest::addColumn<int>("fillers");
        QTest::newRow("12 and 45") << QList<int>{12, 45} << QStringList{"2DC80A", "0C0C0D"} << 62;
        QTest::newRow("none") << QList<int>{} << QStringList{} << 64;
        QTest::newRow("99 and 11") << QList<int>{11, 99} << QStringList{"636364", "0B0B0C"} << 62;
        QTest::newRow("below 11 written, not counted")
            << QList<int>{3, 10, 50} << QStringList{"323233", "0A0A0B", "030304"} << 63;
    }
    void xTable() {
        QFETCH(QList<int>, xnumbers);
        QFETCH(QStringList, tail);
        QFETCH(int, fillers);
        ParameterTabelle t = leer();
        for (int nr : xnumbers) {
            t[size_t(nr)].xparam = true;
            t[size_t(nr)].ssbgreen = nr;
            t[size_t(nr)].cwgreen = nr + 1;
        }
        if (xnumbers.contains(45)) {
            t[45].ssbgreen = 200;
            t[45].cwgreen = 10;
        }
        const QByteArray bytes = xParameterTabelle(t);
        QVERIFY(bytes.endsWith("\r\n") || bytes.isEmpty());
        const QStringList l = lines(bytes);
        QCOMPARE(l.size(), fillers + tail.size());
        for (int k = 0; k < fillers; ++k)
            QCOMPARE(l[k], QStringLiteral("000000"));
        QCOMPARE(l.mid(fillers), tail);
    }

    void xTableFullAndOdd() {
        ParameterTabelle t = leer();
        for (int nr = 11; nr <= 99; ++nr)
            t[size_t(nr)].xparam = true;
        t[50].ssbgreen = 0x1FF; // more than a byte: only its low 8 bits
        t[50].cwgreen = -1;
        const QStringList l = lines(xParameterTabelle(t));
        QCOMPARE(l.size(), 89);
        QCOMPARE(l.first(), QStringLiteral("63FFFF"));
        QCOMPARE(l[49], QStringLiteral("32FFFF"));
        for (const QString& s : l)
            QCOMPARE(s.size(), 6);
    }

    void tableFileName_data() {
        QTest::addColumn<QString>("configured");
        QTest::addColumn<QString>("table");
        QTest::newRow("lower case .dpk") << "/r/Filters/Xparams.dpk"
                                         << "/r/Filters/Xparams.dat";
        QTest::newRow("upper case .DPK gets .dat appended") << "/r/Filters/Xparams.DPK"
                                                            << "/r/Filters/Xparams.DPK.dat";
        QTest::newRow("no extension") << "Xparams"
                                      << "Xparams.dat";
        QTest::newRow("every .dpk replaced") << "/a.dpk/x.dpk"
                                             << "/a.dat/x.dat";
        QTest::newRow(".dat already") << "x.dat"
                                      << "x.dat.dat";
    }
    void tableFileName() {
        QFETCH(QString, configured);
        QFETCH(QString, table);
        QCOMPARE(xTabellenName(configured), table);
        QVERIFY(xTabellenName(configured) != configured);
    }
};

QTEST_GUILESS_MAIN(TestParameterWriter)
#include "tst_parameterwriter.moc"
