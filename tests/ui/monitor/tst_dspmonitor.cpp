// The window "DSP Monitor": its form, and what it shows for telegrams decoded from the
// DSP's bytes, once fed over a real pseudo-terminal through the receive ring.
#include "calibration/empfangsring.h"
#include "link/modem.h"
#include "monitor/dspdekoder.h"
#include "monitor/dspmonitor.h"
#include "sim/ptypair.h"
#include "testenv.h"

#include <QChartView>
#include <QElapsedTimer>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QXYSeries>
#include <memory>

namespace {
// Bytes 1..22 of a telegram: the eight words, then the given single bytes.
QByteArray telegrammbytes(const std::array<int, 8>& worte,
                          const QList<std::pair<int, int>>& bytes) {
    QByteArray b(22, '\0');
    const int hoch[8] = {1, 4, 6, 8, 10, 12, 14, 16};
    for (int n = 0; n < 8; ++n) {
        b[hoch[n] - 1] = char(worte[size_t(n)] >> 8);
        b[hoch[n]] = char(worte[size_t(n)] & 0xFF);
    }
    for (const auto& [k, v] : bytes)
        b[k - 1] = char(v);
    return b;
}

// Words whose levels are 90, 84, 78, ... 48 dB (0x8000 >> n).
constexpr std::array<int, 8> stufenworte{0x8000, 0x4000, 0x2000, 0x1000,
                                         0x0800, 0x0400, 0x0200, 0x0100};

const QStringList empfangsnamen{"RX input",       "Noise blank",       "After Filter",
                                "After AGC",      "Auto notch output", "Denoiser uotput",
                                "Before AF gain", "Rx AF out"};
const QStringList sendenamen{"Mic input",   "After decimation",  "After noise gate", "After filter",
                             "After VOGAD", "After Compression", "Tx monitor out",   "Tx IF out"};
const QStringList nurempfang{"label_13",        "label_15",         "label_adc",
                             "label_agc",       "label_ad603",      "label_10",
                             "label_totalgain", "label_totalgain2", "progresstotalgain"};
} // namespace

class TestDspMonitor : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { env = std::make_unique<TestEnv>(); }
    void init() { fenster = std::make_unique<DspMonitor>(); }
    void cleanup() { fenster.reset(); }

    void formular_data();
    void formular();
    void fenster_eigenschaften();
    void zeilen();
    void minmax_data();
    void minmax();
    void reset();
    void senden_und_empfangen();
    void smetertext_data();
    void smetertext();
    void gesamtgain_data();
    void gesamtgain();
    void ueberPseudoTerminal();
    void platzieren();
    void zeitachseJetzt();

private:
    QString text(const QString& name) const {
        auto* l = fenster->findChild<QLabel*>(name);
        return l ? l->text() : QStringLiteral("<%1 fehlt>").arg(name);
    }
    int balken(const QString& name) const {
        auto* b = fenster->findChild<QProgressBar*>(name);
        return b ? b->value() : -999;
    }
    void zeige(const QByteArray& body, const Calcurve& kurve = Calcurve{}) {
        dspdatenfuellen(daten, Telegramm(body), kurve);
        fenster->getdspdaten(daten);
    }

    std::unique_ptr<TestEnv> env;
    std::unique_ptr<DspMonitor> fenster;
    TDspDaten daten;
};

void TestDspMonitor::formular_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("art");
    QTest::addColumn<QString>("anfang"); // label text or bar "max/value/format/textVisible"
    QTest::newRow("progressSmeter") << "progressSmeter"
                                    << "bar"
                                    << "12/0/S%v/0";
    for (int i = 1; i <= 8; ++i) {
        QTest::addRow("label_%d", i) << QStringLiteral("label_%1").arg(i) << "label"
                                     << "XXXX";
        QTest::addRow("progressBar_%d", i) << QStringLiteral("progressBar_%1").arg(i) << "bar"
                                           << "90/0/%vdB/1";
        QTest::addRow("labelbez_%d", i)
            << QStringLiteral("labelbez_%1").arg(i) << "label" << empfangsnamen.at(i - 1);
        for (const char* spalte : {"labelmin_", "labelmax_", "labeldiff_"})
            QTest::addRow("%s%d", spalte, i)
                << QLatin1String(spalte) + QString::number(i) << "label"
                << "XX";
    }
    const QList<std::pair<const char*, const char*>> labels{
        {"labelbez", "Test point"},    {"label", "HEX"},         {"labelmin", "Min"},
        {"labelmax", "Max"},           {"labeldiff", "DIFF"},    {"label_sigdb", "xxdB"},
        {"label_12", "S-Meter"},       {"labelsmeter", "Sx"},    {"label_9", "AD603 dac"},
        {"label_ad603", "xx"},         {"label_11", "gain"},     {"label_gain", "xxdB"},
        {"label_13", "ADC"},           {"label_adc", "xxdB"},    {"label_15", "AGC"},
        {"label_agc", "xxdB"},         {"label_10", "Gain"},     {"label_totalgain", "xxxdB"},
        {"label_totalgain2", "xxxdB"}, {"label_spike", "Spike"}, {"label_hang", "Hang"}};
    for (const auto& [n, t] : labels)
        QTest::newRow(n) << QString::fromLatin1(n) << "label" << QString::fromLatin1(t);
    QTest::newRow("progresstotalgain") << "progresstotalgain"
                                       << "bar"
                                       << "123/20/S%v/0";
    QTest::newRow("Buttonreset") << "Buttonreset"
                                 << "button"
                                 << "Reset";
    for (const char* l : {"line", "line_2", "line_3", "line_4"})
        QTest::newRow(l) << QString::fromLatin1(l) << "line"
                         << "";
}

void TestDspMonitor::formular() {
    QFETCH(QString, name);
    QFETCH(QString, art);
    QFETCH(QString, anfang);
    if (art == QLatin1String("label")) {
        QCOMPARE(text(name), anfang);
    } else if (art == QLatin1String("bar")) {
        auto* b = fenster->findChild<QProgressBar*>(name);
        QVERIFY(b);
        QCOMPARE(QStringLiteral("%1/%2/%3/%4")
                     .arg(b->maximum())
                     .arg(b->value())
                     .arg(b->format())
                     .arg(int(b->isTextVisible())),
                 anfang);
        QCOMPARE(b->invertedAppearance(), name == QLatin1String("progresstotalgain"));
    } else if (art == QLatin1String("button")) {
        auto* b = fenster->findChild<QPushButton*>(name);
        QVERIFY(b);
        QCOMPARE(b->text(), anfang);
    } else {
        QVERIFY(fenster->findChild<QFrame*>(name));
    }
}

void TestDspMonitor::fenster_eigenschaften() {
    QCOMPARE(fenster->windowTitle(), QStringLiteral("DSP Monitor"));
    QCOMPARE(fenster->size(), QSize(530, 540));
    QCOMPARE(fenster->minimumSize(), QSize(530, 290));
    QCOMPARE(fenster->font().pointSize(), 10);
    QVERIFY(fenster->isWindow());
    QVERIFY(fenster->empfangsanzeige());
    // Every widget of the form lies inside it, clear of a vertical scroll bar at 530 px.
    for (QWidget* w : fenster->findChild<QWidget*>(QStringLiteral("anzeige"))
                          ->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        QVERIFY2(QRect(0, 0, 512, 290).contains(w->geometry()), qPrintable(w->objectName()));
}

void TestDspMonitor::zeilen() {
    // Distinct words: each row shows its own word, in the order input to output.
    zeige(telegrammbytes({0x1111, 0x2222, 0x3333, 0x4444, 0x5555, 0x6666, 0x7777, 0x0088}, {}));
    const QStringList hex{"1111", "0088", "3333", "4444", "6666", "7777", "5555", "2222"};
    for (int i = 0; i < 8; ++i)
        QCOMPARE(text(QStringLiteral("label_%1").arg(i + 1)), hex.at(i));
    // Levels: 0x0088 = 136 is 42 dB (90 - round(47.6)), 0x1111 is 72 dB.
    QCOMPARE(balken(QStringLiteral("progressBar_2")), 42);
    QCOMPARE(balken(QStringLiteral("progressBar_1")), 72);
}

void TestDspMonitor::minmax_data() {
    QTest::addColumn<QList<int>>("worte"); // word 0 of each telegram in turn
    QTest::addColumn<QString>("min");
    QTest::addColumn<QString>("max");
    QTest::addColumn<QString>("diff");
    QTest::addColumn<int>("balken");
    QTest::newRow("one telegram") << QList<int>{0x0800} << "66"
                                  << "66"
                                  << "0" << 66;
    QTest::newRow("rising") << QList<int>{0x0800, 0x2000, 0x8000} << "66"
                            << "90"
                            << "24" << 90;
    QTest::newRow("falling to zero") << QList<int>{0x4000, 0x0001, 0x0000} << "0"
                                     << "84"
                                     << "84" << 0;
    QTest::newRow("above full scale: bar full, labels true") << QList<int>{0xFFFF} << "90"
                                                             << "96"
                                                             << "6" << 90;
}

void TestDspMonitor::minmax() {
    QFETCH(QList<int>, worte);
    for (int w : worte)
        zeige(telegrammbytes({w, 0, 0, 0, 0, 0, 0, 0}, {}));
    QTEST(text(QStringLiteral("labelmin_1")), "min");
    QTEST(text(QStringLiteral("labelmax_1")), "max");
    QTEST(text(QStringLiteral("labeldiff_1")), "diff");
    QTEST(balken(QStringLiteral("progressBar_1")), "balken");
    QCOMPARE(QString::number(fenster->minimum(0)), text(QStringLiteral("labelmin_1")));
    // Row 8 shows word 1, which stayed 0 throughout.
    QCOMPARE(text(QStringLiteral("labelmin_8")), QStringLiteral("0"));
    QCOMPARE(text(QStringLiteral("labelmax_8")), QStringLiteral("0"));
}

void TestDspMonitor::reset() {
    zeige(telegrammbytes({0x0010, 0x0010, 0x0010, 0x0010, 0x0010, 0x0010, 0x0010, 0x0010}, {}));
    zeige(telegrammbytes(stufenworte, {}));
    // Word 0 went from 0x0010 (24 dB) to 0x8000 (90 dB).
    QCOMPARE(text(QStringLiteral("labeldiff_1")), QStringLiteral("66"));
    QTest::mouseClick(fenster->findChild<QPushButton*>(QStringLiteral("Buttonreset")),
                      Qt::LeftButton);
    // Nothing changes until the next telegram.
    QCOMPARE(text(QStringLiteral("labeldiff_1")), QStringLiteral("66"));
    for (int n = 0; n < 8; ++n) {
        QCOMPARE(fenster->minimum(n), 90);
        QCOMPARE(fenster->maximum(n), 0);
    }
    zeige(telegrammbytes(stufenworte, {}));
    for (int i = 0; i < 8; ++i) {
        const int n = monitorzeilenworte[size_t(i)];
        const QString db = QString::number(90 - 6 * n);
        QCOMPARE(text(QStringLiteral("labelmin_%1").arg(i + 1)), db);
        QCOMPARE(text(QStringLiteral("labelmax_%1").arg(i + 1)), db);
        QCOMPARE(text(QStringLiteral("labeldiff_%1").arg(i + 1)), QStringLiteral("0"));
    }
}

void TestDspMonitor::senden_und_empfangen() {
    // Transmit (byte 3 = 0xC5: hang set, step 5), VOGAD byte 100, spike, full S-meter: the
    // indicators and the S-meter text stay empty while transmitting.
    zeige(telegrammbytes(stufenworte, {{3, 0xC5}, {19, 1}, {20, 0x3F}, {21, 0xFF}, {22, 100}}));
    QVERIFY(!fenster->empfangsanzeige());
    for (int i = 0; i < 8; ++i)
        QCOMPARE(text(QStringLiteral("labelbez_%1").arg(i + 1)), sendenamen.at(i));
    QCOMPARE(text(QStringLiteral("label_12")), QStringLiteral("Tx out"));
    QCOMPARE(text(QStringLiteral("label_9")), QStringLiteral("VOGAD"));
    for (const QString& n : nurempfang)
        QVERIFY2(fenster->findChild<QWidget*>(n)->isHidden(), qPrintable(n));
    QCOMPARE(text(QStringLiteral("labelsmeter")), QString());
    QCOMPARE(text(QStringLiteral("label_gain")), QStringLiteral("36"));
    QCOMPARE(text(QStringLiteral("label_spike")), QString());
    QCOMPARE(text(QStringLiteral("label_hang")), QString());
    QCOMPARE(balken(QStringLiteral("progressSmeter")), 12);

    // Receive again with hang (0x45) and spike.
    zeige(telegrammbytes(stufenworte, {{3, 0x45}, {19, 1}, {22, 50}}));
    QVERIFY(fenster->empfangsanzeige());
    for (int i = 0; i < 8; ++i)
        QCOMPARE(text(QStringLiteral("labelbez_%1").arg(i + 1)), empfangsnamen.at(i));
    QCOMPARE(text(QStringLiteral("label_12")), QStringLiteral("S-Meter"));
    QCOMPARE(text(QStringLiteral("label_9")), QStringLiteral("AD603 dac"));
    for (const QString& n : nurempfang)
        QVERIFY2(!fenster->findChild<QWidget*>(n)->isHidden(), qPrintable(n));
    QCOMPARE(text(QStringLiteral("label_spike")), QStringLiteral("Spike"));
    QCOMPARE(text(QStringLiteral("label_hang")), QStringLiteral("Hang"));
    QCOMPARE(text(QStringLiteral("label_ad603")), QStringLiteral("58"));
    QCOMPARE(text(QStringLiteral("label_agc")), QStringLiteral("22"));

    zeige(telegrammbytes(stufenworte, {{3, 0x05}, {19, 0}}));
    QCOMPARE(text(QStringLiteral("label_spike")), QString());
    QCOMPARE(text(QStringLiteral("label_hang")), QString());
}

void TestDspMonitor::smetertext_data() {
    QTest::addColumn<int>("byte20");
    QTest::addColumn<int>("byte21");
    QTest::addColumn<QString>("smeter");
    QTest::addColumn<int>("balken");
    QTest::addColumn<QString>("adc");
    QTest::newRow("0x31/0xFF: S9, adc 5") << 0x31 << 0xFF << "S9" << 9 << "5";
    QTest::newRow("0x7FF: +20db") << 0x07 << 0xFF << "+20db" << 11 << "0";
    QTest::newRow("0x3FF: +10db") << 0x03 << 0xFF << "+10db" << 10 << "0";
    QTest::newRow("0xFFF: +30db") << 0x0F << 0xFF << "+30db" << 12 << "0";
    QTest::newRow("nothing: S0") << 0xA0 << 0x00 << "S0" << 0 << "15";
    QTest::newRow("broken pattern: S0") << 0x00 << 0x05 << "S0" << 0 << "0";
}

void TestDspMonitor::smetertext() {
    QFETCH(int, byte20);
    QFETCH(int, byte21);
    zeige(telegrammbytes(stufenworte, {{18, 73}, {20, byte20}, {21, byte21}}));
    QTEST(text(QStringLiteral("labelsmeter")), "smeter");
    QTEST(balken(QStringLiteral("progressSmeter")), "balken");
    QTEST(text(QStringLiteral("label_adc")), "adc");
    QCOMPARE(text(QStringLiteral("label_sigdb")), QStringLiteral("73 dB"));
}

void TestDspMonitor::gesamtgain_data() {
    QTest::addColumn<int>("stufe");  // DAC step, byte 3
    QTest::addColumn<int>("byte22"); // AGC byte
    QTest::addColumn<QString>("gain");
    QTest::addColumn<QString>("agc");
    QTest::addColumn<QString>("gesamt");
    QTest::addColumn<QString>("rest");
    QTest::addColumn<int>("balken");
    // The loaded table: step k + 1 reaches k dB, so step 32 gives gain 30.
    QTest::newRow("gain 30, agc 40") << 32 << 68 << "30"
                                     << "40"
                                     << "110db"
                                     << "13db" << 13;
    QTest::newRow("gain 0, agc 72") << 0 << 110 << "0"
                                    << "72"
                                    << "144db"
                                    << "-21db" << 0;
    QTest::newRow("nothing") << 0 << 0 << "0"
                             << "0"
                             << "0db"
                             << "123db" << 123;
}

void TestDspMonitor::gesamtgain() {
    QFETCH(int, stufe);
    QFETCH(int, byte22);
    Calcurve kurve{};
    for (int k = 0; k < 64; ++k)
        kurve[size_t(k)] = k + 1;
    zeige(telegrammbytes(stufenworte, {{3, stufe}, {22, byte22}}), kurve);
    QTEST(text(QStringLiteral("label_gain")), "gain");
    QTEST(text(QStringLiteral("label_agc")), "agc");
    QTEST(text(QStringLiteral("label_totalgain")), "gesamt");
    QTEST(text(QStringLiteral("label_totalgain2")), "rest");
    QTEST(balken(QStringLiteral("progresstotalgain")), "balken");
}

void TestDspMonitor::ueberPseudoTerminal() {
    // The DSP's bytes over a real line, read in polls into the ring, found, decoded and
    // handed to the window, as the monitor's poll does.
    PtyPair pty;
    QVERIFY(pty.isValid());
    Modem modem;
    QVERIFY(modem.openPort(pty.slavePath()));
    const QByteArray strom = QByteArray(7, char(0x55)) + QByteArray("\x7E\x7E") +
                             telegrammbytes(stufenworte, {{3, 0x45}, {20, 0x31}, {21, 0xFF}}) +
                             QByteArray(2, char(0x55));
    QVERIFY(pty.write(strom));
    Empfangsring ring;
    ring.neustart();
    QElapsedTimer uhr;
    uhr.start();
    bool gezeigt = false;
    while (!gezeigt && uhr.elapsed() < 3000) {
        QTest::qWait(10);
        char puffer[256];
        ring.aufnehmen(puffer, modem.readData(puffer, int(sizeof puffer)));
        if (const auto t = ring.telegrammsuchen()) {
            dspdatenfuellen(daten, *t, Calcurve{});
            fenster->getdspdaten(daten);
            gezeigt = true;
        }
    }
    QVERIFY(gezeigt);
    QCOMPARE(text(QStringLiteral("label_1")), QStringLiteral("8000"));
    QCOMPARE(text(QStringLiteral("label_8")), QStringLiteral("4000"));
    QCOMPARE(text(QStringLiteral("labelmax_3")), QStringLiteral("78"));
    QCOMPARE(text(QStringLiteral("labelsmeter")), QStringLiteral("S9"));
    QCOMPARE(text(QStringLiteral("label_hang")), QStringLiteral("Hang"));
    QCOMPARE(text(QStringLiteral("label_ad603")), QStringLiteral("58"));
}

// A stored position on no screen any more is brought onto one; one on a screen is kept.
void TestDspMonitor::platzieren() {
    fenster->platzieren(QPoint(-5000, 9000), QSize(600, 400));
    QVERIFY(QGuiApplication::screenAt(fenster->pos() + QPoint(40, 20)));
    QCOMPARE(fenster->size(), QSize(600, 400));
    fenster->platzieren(QPoint(50, 60), QSize(10, 10));
    QCOMPARE(fenster->pos(), QPoint(50, 60));
    QCOMPARE(fenster->size(), fenster->minimumSize());
}

// The time axis ends now, not at the newest telegram: a telegram and then silence moves left
// while the silence lasts.
void TestDspMonitor::zeitachseJetzt() {
    fenster->show();
    zeige(telegrammbytes(stufenworte, {}));
    auto* chart = fenster->findChild<QChartView*>(QStringLiteral("monitorverlauf"))->chart();
    auto* linie = static_cast<QXYSeries*>(chart->series().first());
    QVERIFY(QTest::qWaitFor([&] { return linie->count() == 1 && linie->at(0).x() < -1.0; }, 2500));
}

QTEST_MAIN(TestDspMonitor)
#include "tst_dspmonitor.moc"
