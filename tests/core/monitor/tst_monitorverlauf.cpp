// The monitor's history: telegrams decoded from their bytes come out of the CSV export field
// by field, and what is older than 60 s leaves it.
#include "monitor/dspdekoder.h"
#include "monitor/monitorverlauf.h"

#include <QTest>

using Bytes = QList<std::pair<int, int>>; // (byte 1..22, value); the rest is 0

class TestMonitorVerlauf : public QObject {
    Q_OBJECT
private slots:
    // The chart's lines break where no telegram came for more than a second: a pause of the
    // stream or an outage is no slope from the last value to the next.
    void luecken_data() {
        QTest::addColumn<QList<qint64>>("zeiten");
        QTest::addColumn<QList<bool>>("luecke");
        QTest::newRow("steady 100 ms")
            << QList<qint64>{0, 100, 200, 300} << QList<bool>{false, false, false, false};
        QTest::newRow("one second is none")
            << QList<qint64>{0, 1000, 1100} << QList<bool>{false, false, false};
        QTest::newRow("a pause, an outage") << QList<qint64>{0, 100, 1101, 1200, 9000}
                                            << QList<bool>{false, false, true, false, true};
    }
    void luecken() {
        QFETCH(QList<qint64>, zeiten);
        QFETCH(QList<bool>, luecke);
        MonitorVerlauf verlauf;
        for (qint64 ms : zeiten)
            verlauf.add(TDspDaten{}, ms);
        for (int i = 0; i < zeiten.size(); ++i)
            QCOMPARE(verlauf.lueckeVor(size_t(i)), luecke.at(i));
    }

    void csv_data() {
        QTest::addColumn<QList<Bytes>>("strom");
        QTest::addColumn<QList<qint64>>("zeiten");
        QTest::addColumn<QByteArrayList>("spalte0"); // the time column of the lines kept
        // Of the last telegram: smeter, ad603, gain, adc, agc, vogad (AD603 table: step
        // k + 1 reaches k dB).
        QTest::addColumn<QList<int>>("abgeleitet");
        QTest::newRow("receive: S9, hang, spike, adc 4.5 up")
            << QList<Bytes>{{{1, 0x80},
                             {3, 0x45},
                             {16, 0x12},
                             {17, 0x34},
                             {18, 73},
                             {19, 1},
                             {20, 0x31},
                             {21, 0xFF},
                             {22, 68}}}
            << QList<qint64>{5000} << QByteArrayList{"0"} << QList<int>{9, 58, 3, 5, 40, 0};
        QTest::newRow("transmit keeps the agc of the receive before it")
            << QList<Bytes>{{{22, 110}}, {{1, 0xFF}, {2, 0xFF}, {3, 0xE0}, {19, 2}, {22, 100}}}
            << QList<qint64>{0, 100} << QByteArrayList{"0", "100"}
            << QList<int>{0, 31, 30, 0, 72, 36};
        QTest::newRow("older than 60 s leave, 60 s stay")
            << QList<Bytes>{{}, {{4, 0x01}}, {{6, 0x7F}, {20, 0xF7}, {21, 0xFF}, {22, 20}}}
            << QList<qint64>{1000, 1001, 61001} << QByteArrayList{"0", "60000"}
            << QList<int>{11, 63, 0, 23, 0, 0};
    }

    void csv() {
        QFETCH(QList<Bytes>, strom);
        QFETCH(QList<qint64>, zeiten);
        QFETCH(QByteArrayList, spalte0);
        QFETCH(QList<int>, abgeleitet);
        Calcurve kurve{};
        for (int k = 0; k < 64; ++k)
            kurve[size_t(k)] = k + 1;
        MonitorVerlauf verlauf;
        TDspDaten daten;
        QByteArray body;
        for (int i = 0; i < strom.size(); ++i) {
            body = QByteArray(22, '\0');
            for (const auto& [k, v] : strom.at(i))
                body[k - 1] = char(v);
            dspdatenfuellen(daten, Telegramm(body), kurve);
            verlauf.add(daten, zeiten.at(i));
        }

        QByteArrayList zeilen = verlauf.csv().split('\n');
        QCOMPARE(zeilen.takeFirst(),
                 QByteArray("zeit_ms;wert0;wert1;wert2;wert3;wert4;wert5;wert6;wert7;sigdb;spike;"
                            "adcstufe;agcroh;rx;hang;smeter;ad603;gain;adc;agc;vogad\r"));
        QCOMPARE(zeilen.takeLast(), QByteArray()); // the last line ends with CR LF, too
        QByteArrayList zeiten0;
        for (const QByteArray& z : zeilen)
            zeiten0 << z.split(';').first();
        QCOMPARE(zeiten0, spalte0);

        // The last line, field by field from the last telegram's bytes.
        const auto b = [&](int k) { return quint8(body.at(k - 1)); };
        QList<int> werte;
        for (int hoch : {1, 4, 6, 8, 10, 12, 14, 16})
            werte << (b(hoch) << 8 | b(hoch + 1));
        werte << b(18) << int(b(19) == 1) << (b(20) >> 4) << b(22) << int(!(b(3) & 0x80))
              << int((b(3) & 0x40) != 0) << abgeleitet;
        QByteArrayList erwartet{zeiten0.last()};
        for (int w : werte)
            erwartet << QByteArray::number(w);
        erwartet.last() += '\r';
        QCOMPARE(zeilen.last().split(';'), erwartet);
    }
};

QTEST_GUILESS_MAIN(TestMonitorVerlauf)
#include "tst_monitorverlauf.moc"
