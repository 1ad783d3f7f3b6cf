// The S-meter file "scal.dat" and the AD603 table: the lines they read, the bytes they
// write, the table built from a sweep, and writes that cannot happen.
#include "calibration/ad603.h"
#include "calibration/kaldatei.h"
#include "calibration/smeterwerte.h"
#include "testenv.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <memory>

namespace {
// 26 lines with the byte b(i) at line i, written here the way the format reads.
QByteArray smeterdatei(const std::function<int(int)>& b, const char* ende = "\r\n") {
    QByteArray d;
    for (int i = 0; i < 26; ++i)
        d += "00" + QByteArray::number(b(i), 16).toUpper().rightJustified(2, '0') + "00" + ende;
    return d;
}

QByteArray lesen(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}

SmeterWerte werte(std::initializer_list<int> nf, std::initializer_list<int> ip3,
                  std::initializer_list<int> dds) {
    SmeterWerte w;
    std::copy(nf.begin(), nf.end(), w.scalnf.begin());
    std::copy(ip3.begin(), ip3.end(), w.scalip3.begin());
    std::copy(dds.begin(), dds.end(), w.scaldds.begin());
    return w;
}
} // namespace

class TestKaldateien : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { env = std::make_unique<TestEnv>(); }

    void zeilenwert_data();
    void zeilenwert();
    void zeilen_data();
    void zeilen();

    void smeterlesen_data();
    void smeterlesen();
    void smeterschreiben();
    void smeterrundreise();
    void smeterabgleichreihenfolge_data();
    void smeterabgleichreihenfolge();

    void tabelle_data();
    void tabelle();
    void ad603datei();
    void ad603lesen_data();
    void ad603lesen();
    void ad603rundreise();

    void schreibfehler_data();
    void schreibfehler();
    void beliebigeEingaben();

private:
    std::unique_ptr<TestEnv> env;
};

void TestKaldateien::zeilenwert_data() {
    QTest::addColumn<QString>("zeile");
    QTest::addColumn<int>("wert"); // -1: does not convert
    QTest::newRow("008700") << "008700" << 0x87;
    QTest::newRow("006C00") << "006C00" << 0x6C;
    QTest::newRow("lower case") << "00ab00" << 0xAB;
    QTest::newRow("rest ignored") << "12FFxyz" << 0xFF;
    QTest::newRow("just four") << "0042" << 0x42;
    QTest::newRow("three characters") << "008" << -1;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("not hexadecimal") << "00XY00" << -1;
    QTest::newRow("half hexadecimal") << "008G00" << -1;
    QTest::newRow("a sign is no digit") << "00-100" << -1;
    QTest::newRow("a blank is no digit") << "00 800" << -1;
}

void TestKaldateien::zeilenwert() {
    QFETCH(QString, zeile);
    QFETCH(int, wert);
    QCOMPARE(kalzeilenwert(zeile).value_or(-1), wert);
}

void TestKaldateien::zeilen_data() {
    QTest::addColumn<QByteArray>("inhalt");
    QTest::addColumn<QStringList>("zeilen");
    QTest::newRow("CR LF") << QByteArray("001100\r\n002200\r\n") << QStringList{"001100", "002200"};
    QTest::newRow("LF") << QByteArray("001100\n002200\n") << QStringList{"001100", "002200"};
    QTest::newRow("no end on the last")
        << QByteArray("001100\r\n002200") << QStringList{"001100", "002200"};
    QTest::newRow("empty line kept") << QByteArray("\r\n002200\r\n") << QStringList{"", "002200"};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
}

void TestKaldateien::zeilen() {
    QFETCH(QByteArray, inhalt);
    QFETCH(QStringList, zeilen);
    QCOMPARE(kalzeilen(inhalt), zeilen);
}

void TestKaldateien::smeterlesen_data() {
    QTest::addColumn<QByteArray>("inhalt");
    QTest::addColumn<SmeterWerte>("erwartet");
    QTest::addColumn<int>("genommen");

    const SmeterWerte start = werte({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11},
                                    {21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31}, {-1, -2, -3, -4});
    {
        SmeterWerte e = start;
        e.scalnf.fill(135);
        e.scalip3.fill(135);
        e.scaldds = {-20, 0, 0, 0};
        QTest::newRow("defaults as written") << smeterdatei([](int i) {
            return i < 22 ? 0x87 : i == 22 ? 0x6C : 0x80;
        }) << e << 26;
    }
    {
        SmeterWerte e = start;
        e.scaldds[0] = -10;
        QByteArray d;
        for (int i = 0; i < 22; ++i)
            d += "00" + QByteArray::number(start.wert(i), 16).rightJustified(2, '0') + "00\r\n";
        d += "007600\r\n00XX00\r\n";
        e.scaldds[1] = -2;
        QTest::newRow("007600 loads -10, bad line unchanged, two lines missing") << d << e << 23;
    }
    {
        SmeterWerte e = start;
        e.scalnf[0] = 0x87;
        e.scalnf[1] = 0x88;
        e.scalnf[2] = 0x89;
        QTest::newRow("three lines: the rest unchanged")
            << QByteArray("008700\r\n008800\n008900") << e << 3;
    }
    {
        SmeterWerte e = start;
        e.scaldds = {127, -128, 0, 1};
        QByteArray d = smeterdatei([&](int i) { return i < 22 ? start.wert(i) : 0; });
        d.replace(22 * 8, 4 * 8, "00FF00\r\n000000\r\n008000\r\n008100\r\n");
        QTest::newRow("dB row limits") << d << e << 26;
    }
    {
        SmeterWerte e = start;
        e.scalnf.fill(0x99);
        e.scalip3.fill(0x99);
        e.scaldds.fill(0x99 - 128);
        QByteArray d = smeterdatei([](int) { return 0x99; });
        d += "001100\r\n001100\r\n";
        QTest::newRow("lines beyond 26 ignored") << d << e << 26;
    }
    QTest::newRow("empty file") << QByteArray() << start << 0;
}

void TestKaldateien::smeterlesen() {
    QFETCH(QByteArray, inhalt);
    QFETCH(SmeterWerte, erwartet);
    QFETCH(int, genommen);
    SmeterWerte w = werte({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11},
                          {21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31}, {-1, -2, -3, -4});
    const auto zeilen = w.uebernehmen(kalzeilen(inhalt));
    QCOMPARE(int(std::count(zeilen.begin(), zeilen.end(), true)), genommen);
    for (int i = 0; i < SmeterWerte::zeilen; ++i)
        QCOMPARE(w.wert(i), erwartet.wert(i));
}

void TestKaldateien::smeterschreiben() {
    // The values the program starts with: 22 zeros and -20 stored as 0x6C.
    QByteArray erwartet = QByteArray("000000\r\n").repeated(22);
    erwartet += "006C00\r\n008000\r\n008000\r\n008000\r\n";
    QCOMPARE(SmeterWerte().datei(), erwartet);

    const SmeterWerte w =
        werte({135, 70, 190, 100, 101, 102, 103, 104, 105, 106, 107},
              {171, 172, 173, 174, 175, 176, 177, 178, 179, 180, 181}, {-50, 50, -10, 0});
    const QByteArray datei = w.datei();
    QCOMPARE(datei.size(), 26 * 8);
    QCOMPARE(datei.left(24), QByteArray("008700\r\n004600\r\n00BE00\r\n"));
    QCOMPARE(datei.mid(11 * 8, 8), QByteArray("00AB00\r\n"));
    QCOMPARE(datei.mid(22 * 8), QByteArray("004E00\r\n00B200\r\n007600\r\n008000\r\n"));

    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("scal.dat"));
    QVERIFY(w.schreiben(pfad));
    QCOMPARE(lesen(pfad), datei);
}

void TestKaldateien::smeterrundreise() {
    // Every byte a line can hold comes back through file and reader unchanged.
    for (int basis = 0; basis < 256; basis += 26) {
        SmeterWerte w;
        for (int i = 0; i < SmeterWerte::zeilen; ++i) {
            const int b = (basis + i) & 0xFF;
            w.setzeWert(i, i >= 22 ? b - 128 : b);
        }
        SmeterWerte zurueck = werte({}, {}, {0, 0, 0, 0});
        const auto genommen = zurueck.uebernehmen(kalzeilen(w.datei()));
        QVERIFY(std::all_of(genommen.begin(), genommen.end(), [](bool b) { return b; }));
        QVERIFY(zurueck == w);
    }
}

void TestKaldateien::smeterabgleichreihenfolge_data() {
    QTest::addColumn<QList<int>>("geaendert"); // file lines changed, in the order of the edits
    QTest::addColumn<QList<int>>("gesendet");  // bytes for command 67, one per tick
    QTest::newRow("dB, IP3, NF edited: NF, IP3, dB sent")
        << QList<int>{23, 15, 4} << QList<int>{0x88, 0x88, 0x81};
    QTest::newRow("same row in column order") << QList<int>{9, 2} << QList<int>{0x88, 0x88};
    QTest::newRow("nothing changed") << QList<int>{} << QList<int>{};
}

void TestKaldateien::smeterabgleichreihenfolge() {
    QFETCH(QList<int>, geaendert);
    QFETCH(QList<int>, gesendet);
    SmeterWerte gesendetwerte;
    gesendetwerte.scalnf.fill(135);
    gesendetwerte.scalip3.fill(135);
    SmeterWerte boxen = gesendetwerte;
    for (int zeile : geaendert)
        boxen.setzeWert(zeile, boxen.wert(zeile) + 1);
    QList<int> bytes;
    while (const auto b = smeterabgleich(boxen, gesendetwerte))
        bytes << *b;
    QCOMPARE(bytes, gesendet);
    QVERIFY(gesendetwerte == boxen);

    // The dB line 007600 read from a file is -10; after an edit back to it the tick sends
    // 0x76, the byte the file holds.
    SmeterWerte alt;
    alt.uebernehmen(kalzeilen(smeterdatei([](int i) { return i == 22 ? 0x76 : 0x87; })));
    QCOMPARE(alt.scaldds[0], -10);
    SmeterWerte neu = alt;
    alt.scaldds[0] = 0;
    QCOMPARE(smeterabgleich(neu, alt).value_or(-1), 0x76);
}

void TestKaldateien::tabelle_data() {
    QTest::addColumn<QList<double>>("kurve"); // 64 levels above the minimum
    QTest::addColumn<QList<int>>("tabelle");  // entries 1..46

    QList<double> gerade;
    for (int d = 0; d < 64; ++d)
        gerade << d;
    QList<int> geradetab{1};
    for (int t = 1; t <= 45; ++t)
        geradetab << t;
    QTest::newRow("level d at step d") << gerade << geradetab;

    QList<double> bis39;
    for (int d = 0; d < 64; ++d)
        bis39 << qMin(d * 0.75, 39.4);
    QList<int> bis39tab;
    for (int t = 0; t <= 45; ++t) {
        int d = 1;
        while (d < 64 && std::floor(bis39.at(d) + 0.5) < t)
            ++d;
        bis39tab << (d < 64 ? d : 99);
    }
    QCOMPARE(bis39tab.at(39), 52); // target 39: 0.75 * 52 = 39.0
    QCOMPARE(bis39tab.at(40), 99);
    bis39tab[39] = 63;
    QTest::newRow("maximum rounds to 39") << bis39 << bis39tab;

    QList<double> halb;
    for (int d = 0; d < 64; ++d)
        halb << d - 0.5;
    QTest::newRow("x.5 rounds up") << halb << geradetab;

    QList<double> flach(64, 0.0);
    QList<int> flachtab(46, 99);
    flachtab[0] = 63; // target 0 is reached by step 1, the last before the unreachable
    QTest::newRow("flat curve") << flach << flachtab;

    QList<double> schritt0(64, -3.0);
    schritt0[0] = 50.0;
    QList<int> schritt0tab(46, 99);
    schritt0tab[0] = 63;
    QTest::newRow("step 0 is never chosen, nothing reaches 0 dB") << schritt0 << schritt0tab;

    QList<double> unsinn(64, std::nan(""));
    unsinn[10] = 1e300;
    QList<int> unsinntab(46, 10);
    QTest::newRow("NaN and huge levels") << unsinn << unsinntab;
}

void TestKaldateien::tabelle() {
    QFETCH(QList<double>, kurve);
    QFETCH(QList<int>, tabelle);
    Calcurve c{};
    std::copy(kurve.begin(), kurve.end(), c.begin());
    const Ad603Tabelle t = ad603tabelle(c);
    QCOMPARE(t[0], 0);
    QCOMPARE(QList<int>(t.begin() + 1, t.end()), tabelle);
}

void TestKaldateien::ad603datei() {
    Ad603Tabelle t{};
    for (int i = 1; i <= 46; ++i)
        t[size_t(i)] = i < 40 ? i : 99;
    t[39] = 63;
    const QByteArray d = ::ad603datei(t);
    QCOMPARE(d.count("\r\n"), 46);
    QCOMPARE(d.size(), 46 * 8);
    QCOMPARE(d.left(16), QByteArray("000100\r\n000200\r\n"));
    QCOMPARE(d.mid(37 * 8, 24), QByteArray("002600\r\n003F00\r\n006300\r\n"));
    QCOMPARE(d.right(8), QByteArray("006300\r\n"));
}

void TestKaldateien::ad603lesen_data() {
    QTest::addColumn<QByteArray>("inhalt");
    QTest::addColumn<int>("gesetzt");
    QTest::addColumn<QList<double>>("erwartet"); // all 64 entries after reading over 7.0s
    QList<double> sieben(64, 7.0);

    QByteArray siebzig;
    QList<double> siebzigwerte;
    for (int k = 0; k < 70; ++k) {
        siebzig += "00" + QByteArray::number(k + 1, 16).toUpper().rightJustified(2, '0') + "00\r\n";
        if (k < 64)
            siebzigwerte << k + 1;
    }
    QTest::newRow("70 lines store 64") << siebzig << 64 << siebzigwerte;

    QList<double> drei = sieben;
    drei[0] = 1;
    drei[1] = 0; // does not convert
    drei[2] = 99;
    QTest::newRow("three lines, one bad")
        << QByteArray("000100\r\nkaputt\r\n006300\r\n") << 3 << drei;
    QTest::newRow("empty file") << QByteArray() << 0 << sieben;
}

void TestKaldateien::ad603lesen() {
    QFETCH(QByteArray, inhalt);
    QFETCH(int, gesetzt);
    QFETCH(QList<double>, erwartet);
    Calcurve c;
    c.fill(7.0);
    QCOMPARE(::ad603lesen(inhalt, c), gesetzt);
    QCOMPARE(QList<double>(c.begin(), c.end()), erwartet);
}

void TestKaldateien::ad603rundreise() {
    // A sweep, its table written through QSaveFile, the file read back as the monitor does:
    // entry k is the first step reaching k dB; the entries past line 46 keep their values.
    Calcurve sweep{};
    for (int d = 0; d < 64; ++d)
        sweep[size_t(d)] = 40.0 * std::sqrt(d / 63.0);
    const Ad603Tabelle t = ad603tabelle(sweep);
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("AD603.dat"));
    QVERIFY(ad603schreiben(pfad, t));
    QCOMPARE(lesen(pfad), ::ad603datei(t));

    Calcurve geladen;
    geladen.fill(-1.0);
    QVERIFY(ad603dateilesen(pfad, geladen));
    for (int k = 0; k < 46; ++k)
        QCOMPARE(geladen[size_t(k)], double(t[size_t(k + 1)]));
    for (int k = 46; k < 64; ++k)
        QCOMPARE(geladen[size_t(k)], -1.0);

    Calcurve unveraendert;
    unveraendert.fill(5.0);
    QVERIFY(!ad603dateilesen(dir.filePath(QStringLiteral("fehlt.dat")), unveraendert));
    QVERIFY(
        std::all_of(unveraendert.begin(), unveraendert.end(), [](double v) { return v == 5.0; }));
}

void TestKaldateien::schreibfehler_data() {
    QTest::addColumn<QString>("fall");
    QTest::newRow("missing folder") << "ordner";
    QTest::newRow("read-only folder keeps the old file") << "schreibgeschuetzt";
    QTest::newRow("path is a folder") << "ordnerpfad";
}

void TestKaldateien::schreibfehler() {
    QFETCH(QString, fall);
    QTemporaryDir dir;
    QString pfad;
    const QByteArray alt("altes\r\n");
    if (fall == QLatin1String("ordner")) {
        pfad = dir.filePath(QStringLiteral("nicht/da/scal.dat"));
    } else if (fall == QLatin1String("schreibgeschuetzt")) {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("ro")));
        pfad = dir.filePath(QStringLiteral("ro/scal.dat"));
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(alt);
        f.close();
        QVERIFY(QFile::setPermissions(dir.filePath(QStringLiteral("ro")),
                                      QFile::ReadOwner | QFile::ExeOwner));
        if (QFileInfo(dir.filePath(QStringLiteral("ro"))).isWritable())
            QSKIP("running with rights that ignore folder permissions");
    } else {
        pfad = dir.filePath(QStringLiteral("scal.dat"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("scal.dat")));
    }
    QVERIFY(!SmeterWerte().schreiben(pfad));
    Ad603Tabelle t{};
    QVERIFY(!ad603schreiben(pfad, t));
    if (fall == QLatin1String("schreibgeschuetzt")) {
        QCOMPARE(lesen(pfad), alt);
        QFile::setPermissions(dir.filePath(QStringLiteral("ro")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}

void TestKaldateien::beliebigeEingaben() {
    // Whatever a file holds, the readers take at most their lines and only bytes.
    QRandomGenerator zufall(815);
    const QByteArray zeichen("0123456789abcdefABCDEFxX \r\n\r\n\t-+\xff");
    for (int runde = 0; runde < 3000; ++runde) {
        QByteArray inhalt;
        const int n = int(zufall.bounded(0, 800));
        for (int i = 0; i < n; ++i)
            inhalt += zeichen.at(int(zufall.bounded(int(zeichen.size()))));
        Calcurve c;
        c.fill(-1);
        const int gesetzt = ::ad603lesen(inhalt, c);
        QVERIFY(gesetzt >= 0 && gesetzt <= 64);
        for (int k = 0; k < 64; ++k) {
            const double v = c[size_t(k)];
            QVERIFY(k < gesetzt ? v >= 0 && v <= 255 : v == -1);
        }
        SmeterWerte w;
        w.uebernehmen(kalzeilen(inhalt));
        for (int i = 0; i < SmeterWerte::zeilen; ++i)
            QVERIFY(w.dateibyte(i) >= 0 && w.dateibyte(i) <= 255);
        QCOMPARE(w.datei().size(), 26 * 8);
    }
}

QTEST_GUILESS_MAIN(TestKaldateien)
#include "tst_kaldateien.moc"
