// Decoding the DSP's status telegram into the monitor's record, byte by byte as the DSP
// lays it out, and the S-meter, gain and ADC conversions.
#include "calibration/ad603.h"
#include "calibration/telegramm.h"
#include "monitor/dspdekoder.h"
#include "testenv.h"

#include <QTest>
#include <memory>

namespace {
// Bytes 1..22 of a telegram with the given bytes set and every other byte 0.
Telegramm telegramm(const QList<std::pair<int, int>>& bytes) {
    QByteArray b(22, '\0');
    for (const auto& [k, v] : bytes)
        b[k - 1] = char(v);
    return Telegramm(b);
}

// calcurve as loaded from an AD603 file whose line k holds the step for k dB.
Calcurve geladen(int (*stufe)(int)) {
    Calcurve c{};
    for (int k = 0; k < 64; ++k)
        c[size_t(k)] = stufe(k);
    return c;
}
} // namespace

class TestDspDekoder : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { env = std::make_unique<TestEnv>(); }

    void smeter_data();
    void smeter();
    void felder_data();
    void felder();
    void worte();
    void agcundvogadbleiben();
    void gain_data();
    void gain();
    void adc_data();
    void adc();

private:
    std::unique_ptr<TestEnv> env;
};

void TestDspDekoder::smeter_data() {
    QTest::addColumn<int>("muster");
    QTest::addColumn<int>("zahl");
    const int gueltig[12] = {0x001, 0x003, 0x007, 0x00F, 0x01F, 0x03F,
                             0x07F, 0x0FF, 0x1FF, 0x3FF, 0x7FF, 0xFFF};
    for (int i = 0; i < 12; ++i)
        QTest::addRow("0x%03X", gueltig[i]) << gueltig[i] << i + 1;
    QTest::newRow("nothing lit") << 0x000 << 0;
    QTest::newRow("gap at the bottom") << 0x002 << 0;
    QTest::newRow("gap inside") << 0x00D << 0;
    QTest::newRow("top without bottom") << 0xFFE << 0;
    QTest::newRow("beyond 12 bits") << 0x1FFF << 0;
    QTest::newRow("negative") << -1 << 0;
}

void TestDspDekoder::smeter() {
    QFETCH(int, muster);
    QFETCH(int, zahl);
    QCOMPARE(smeterzahl(muster), zahl);
}

void TestDspDekoder::felder_data() {
    QTest::addColumn<QList<int>>("bytes"); // pairs: byte number, value
    QTest::addColumn<bool>("rx");
    QTest::addColumn<bool>("hang");
    QTest::addColumn<int>("ad603");
    QTest::addColumn<int>("adcstufe");
    QTest::addColumn<int>("adc");
    QTest::addColumn<int>("smeter");
    QTest::addColumn<int>("agc");   // before: 11
    QTest::addColumn<int>("vogad"); // before: 22
    QTest::addColumn<bool>("spike");
    QTest::addColumn<int>("sigdb");

    QTest::newRow("0x85: transmit, no hang, step 5")
        << QList<int>{3, 0x85, 22, 100} << false << false << 58 << 0 << 0 << 0 << 11 << 36 << false
        << 0;
    QTest::newRow("0x45: receive with hang, step 5") << QList<int>{3, 0x45, 22, 100} << true << true
                                                     << 58 << 0 << 0 << 0 << 72 << 22 << false << 0;
    QTest::newRow("0x31/0xFF: adc 5, S9") << QList<int>{20, 0x31, 21, 0xFF, 22, 28} << true << false
                                          << 63 << 3 << 5 << 9 << 0 << 22 << false << 0;
    QTest::newRow("0x07/0xFF: S-meter 11") << QList<int>{20, 0x07, 21, 0xFF} << true << false << 63
                                           << 0 << 0 << 11 << 0 << 22 << false << 0;
    QTest::newRow("agc from 20 is 0")
        << QList<int>{22, 20} << true << false << 63 << 0 << 0 << 0 << 0 << 22 << false << 0;
    QTest::newRow("agc from 110 is 72")
        << QList<int>{22, 110} << true << false << 63 << 0 << 0 << 0 << 72 << 22 << false << 0;
    QTest::newRow("agc from 50 is 22")
        << QList<int>{22, 50} << true << false << 63 << 0 << 0 << 0 << 22 << 22 << false << 0;
    QTest::newRow("vogad below zero") << QList<int>{3, 0x80, 22, 10} << false << false << 63 << 0
                                      << 0 << 0 << 11 << -54 << false << 0;
    QTest::newRow("spike 1, step 63, ADC 15")
        << QList<int>{19, 1, 3, 0x3F, 20, 0xF0, 18, 56} << true << false << 0 << 15 << 23 << 0 << 0
        << 22 << true << 56;
    QTest::newRow("spike byte 2 is no spike") << QList<int>{19, 2, 18, 255} << true << false << 63
                                              << 0 << 0 << 0 << 0 << 22 << false << 255;
    QTest::newRow("all bits: transmit, hang")
        << QList<int>{3, 0xFF, 20, 0xFF, 21, 0xFF, 22, 0xFF} << false << true << 0 << 15 << 23 << 12
        << 11 << 191 << false << 0;
}

void TestDspDekoder::felder() {
    QFETCH(QList<int>, bytes);
    QList<std::pair<int, int>> paare;
    for (int i = 0; i + 1 < bytes.size(); i += 2)
        paare.append({bytes.at(i), bytes.at(i + 1)});
    TDspDaten d;
    d.agc = 11;
    d.vogad = 22;
    dspdatenfuellen(d, telegramm(paare), Calcurve{});
    QTEST(d.rx, "rx");
    QTEST(d.hang, "hang");
    QTEST(d.ad603, "ad603");
    QTEST(d.adcstufe, "adcstufe");
    QTEST(d.adc, "adc");
    QTEST(d.smeter, "smeter");
    QTEST(d.agc, "agc");
    QTEST(d.vogad, "vogad");
    QTEST(d.spike, "spike");
    QTEST(d.sigdb, "sigdb");
    int b22 = 0;
    for (const auto& [k, v] : paare)
        if (k == 22)
            b22 = v;
    QCOMPARE(d.agcroh, b22);
}

void TestDspDekoder::worte() {
    // Every word distinct, with byte 3 between word 0 and word 1.
    const QByteArray b = QByteArray::fromHex("0102 C5 0405 0607 0809 0A0B 0C0D 0E0F 1011"
                                             " 12 13 14 15 16");
    QCOMPARE(b.size(), 22);
    TDspDaten d;
    dspdatenfuellen(d, Telegramm(b), Calcurve{});
    const QList<int> worte{d.wert0, d.wert1, d.wert2, d.wert3, d.wert4, d.wert5, d.wert6, d.wert7};
    QCOMPARE(worte, (QList<int>{0x0102, 0x0405, 0x0607, 0x0809, 0x0A0B, 0x0C0D, 0x0E0F, 0x1011}));
    for (int n = 0; n < 8; ++n)
        QCOMPARE(dspwort(d, n), worte.at(n));
    QCOMPARE(dspwort(d, 8), 0);
    QCOMPARE(d.sigdb, 0x12);
    QCOMPARE(d.agcroh, 0x16);
    QCOMPARE(d.ad603, 63 - 5);
    QVERIFY(!d.rx && d.hang);
    QCOMPARE(Telegramm(b).pegelwort(), 0x0607);
    QCOMPARE(Telegramm(b).echocode(), 1);
    // The row order of the window: input to output.
    QCOMPARE(QList<int>(monitorzeilenworte.begin(), monitorzeilenworte.end()),
             (QList<int>{0, 7, 2, 3, 5, 6, 4, 1}));
}

void TestDspDekoder::agcundvogadbleiben() {
    // A receive telegram leaves vogad alone and a transmit telegram agc: each shows the
    // value of the last telegram of its own direction.
    TDspDaten d;
    dspdatenfuellen(d, telegramm({{22, 60}}), Calcurve{});
    QCOMPARE(d.agc, 32);
    dspdatenfuellen(d, telegramm({{3, 0x80}, {22, 70}}), Calcurve{});
    QCOMPARE(d.vogad, 6);
    QCOMPARE(d.agc, 32);
    dspdatenfuellen(d, telegramm({{22, 29}}), Calcurve{});
    QCOMPARE(d.agc, 1);
    QCOMPARE(d.vogad, 6);
}

void TestDspDekoder::gain_data() {
    QTest::addColumn<Calcurve>("kurve");
    QTest::addColumn<int>("stufe");
    QTest::addColumn<int>("gain");
    // Line k of the file: step k + 1 reaches k dB.
    const Calcurve linear = geladen([](int k) { return k + 1; });
    QTest::newRow("step 0: entry 1 is 2") << linear << 0 << 0;
    QTest::newRow("step 2: first j with entry >= 2 is 1") << linear << 2 << 0;
    QTest::newRow("step 3") << linear << 3 << 1;
    QTest::newRow("step 30") << linear << 30 << 28;
    QTest::newRow("step 44: entry 43") << linear << 44 << 42;
    QTest::newRow("step 45: beyond entry 43") << linear << 45 << 0;
    const Calcurve doppelt = geladen([](int k) { return 2 * k; });
    QTest::newRow("two steps per dB, step 9") << doppelt << 9 << 4;
    QTest::newRow("two steps per dB, step 10") << doppelt << 10 << 4;
    QTest::newRow("zeros everywhere") << Calcurve{} << 5 << 0;
}

void TestDspDekoder::gain() {
    QFETCH(Calcurve, kurve);
    QFETCH(int, stufe);
    QFETCH(int, gain);
    QCOMPARE(ad603gain(stufe, kurve), gain);
    // The same through a telegram: DAC step in bits 5..0 of byte 3.
    TDspDaten d;
    dspdatenfuellen(d, telegramm({{3, 0x40 | stufe}}), kurve);
    QCOMPARE(d.gain, gain);
}

void TestDspDekoder::adc_data() {
    QTest::addColumn<int>("stufe");
    QTest::addColumn<int>("db");
    QTest::newRow("0") << 0 << 0;
    QTest::newRow("1: 1.5 up") << 1 << 2;
    QTest::newRow("2") << 2 << 3;
    QTest::newRow("3: 4.5 up") << 3 << 5;
    QTest::newRow("15: 22.5 up") << 15 << 23;
}

void TestDspDekoder::adc() {
    QFETCH(int, stufe);
    QFETCH(int, db);
    QCOMPARE(adcwert(stufe), db);
}

QTEST_GUILESS_MAIN(TestDspDekoder)
#include "tst_dspdekoder.moc"
