// The session over the simulated set: what it asks and tells the person through its seam,
// in order, and the behaviours both programs share through it.
#include "app/bediener.h"
#include "app/geraet.h"
#include "link/progress.h"
#include "sim/simpic.h"
#include "sim/simtransceiver.h"
#include "testenv.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

// Records every call as one line and answers as told.
class Protokoll : public Bediener {
public:
    QStringList zeilen;
    bool ok = true;
    QString datei;

    class Fortschritt : public Progress {
    public:
        void setRange(int, int) override {}
        void setValue(int) override {}
        bool wasCanceled() const override { return false; }
    };

    bool bestaetigen(const QString& titel, const QString&, bool) override {
        zeilen << QStringLiteral("box ") + titel;
        return ok;
    }
    QString dateiWaehlen(Wahl wahl, const QString& titel, const QString&, const QString&) override {
        zeilen << (wahl == Wahl::Oeffnen ? QStringLiteral("open ") : QStringLiteral("save ")) +
                      titel;
        return datei;
    }
    std::unique_ptr<Progress> fortschritt(const QString& label, int minimum, int maximum, double,
                                          const QString&) override {
        zeilen << QStringLiteral("progress %1 %2..%3").arg(label).arg(minimum).arg(maximum);
        return std::make_unique<Fortschritt>();
    }
    void log(const QString& zeile) override { zeilen << QStringLiteral("log ") + zeile; }
    void meldung(Box box, const QString& titel, const QString& text) override {
        zeilen << (box == Box::Kritisch ? QStringLiteral("critical ") : QStringLiteral("error ")) +
                      titel + QStringLiteral(": ") + text;
    }
};

} // namespace

class TestGeraet : public QObject {
    Q_OBJECT

    QTemporaryDir tmp;

    QString datei(const QString& name, const QByteArray& inhalt) {
        const QString pfad = tmp.filePath(name);
        QFile f(pfad);
        if (!f.open(QIODevice::WriteOnly) || f.write(inhalt) != inhalt.size())
            return {};
        return pfad;
    }

private slots:
    // The seam in the order the person meets it, and the EEPROM gets the chosen file or
    // nothing: a file larger than the EEPROM is refused before a byte goes out.
    void restore_data() {
        QTest::addColumn<int>("groesse");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QStringList>("erwartet");
        const QString box = QStringLiteral("box Externen Eeprom SICHERN");
        const QString wahl = QStringLiteral("open ExEeprominhalt restaurieren");
        QTest::newRow("3000 bytes")
            << 3000 << true
            << QStringList{box, wahl, "box Datei kleiner als der Eeprom",
                           "progress Daten in externen Eeprom Laden 0..3000",
                           "log Eeprom-Wiederherstellung: 3000 Bytes aus Datei \"%1\" gesendet"};
        QTest::newRow("cancelled at the box") << 3000 << false << QStringList{box};
        const QString gross = QStringLiteral("Datei \"%1\" ist groesser als der Eeprom (65536 "
                                             "Bytes)!");
        QTest::newRow("70000 bytes")
            << 70000 << true
            << QStringList{box, wahl, "critical Datei zu gross!: " + gross, "log " + gross};
    }
    void restore() {
        QFETCH(int, groesse);
        QFETCH(bool, ok);
        QFETCH(QStringList, erwartet);
        SimTransceiver sim;
        QVERIFY(sim.isValid());
        SimPic pic(&sim);
        pic.function(996);
        Protokoll person;
        person.ok = ok;
        person.datei = datei(QStringLiteral("r.bin"), QByteArray(groesse, '\x33'));
        Geraet g;
        g.setBediener(&person);
        g.einst.rs232 = sim.portPath();
        g.einst.picrs232writetime = 0;
        QVERIFY(g.verbinden());
        const TransferResult r = g.eepromWiederherstellen();
        for (QString& z : erwartet)
            z = z.arg(person.datei);
        QCOMPARE(person.zeilen, erwartet);
        QCOMPARE(r.ok(), ok && groesse <= 65536);
        QCOMPARE(r.datei, groesse > 65536);
        if (!r.ok())
            QVERIFY(!sim.waitForBytes(1, 100));
        else
            QVERIFY(pic.eeprom().left(groesse) == QByteArray(groesse, '\x33'));
    }

    // The image of a set of files is the same whatever was built before it, as the set's
    // loader starts afresh at every power-on.
    void bildOhneVorgeschichte() {
        // A data segment first: its words take the middle byte of the last program word.
        const QString test =
            datei(QStringLiteral("test.dpk"), "Test\r\n@DA\r\n0000\r\n1234\r\n#\r\n");
        Geraet frisch;
        frisch.einst.testfilename[0] = test;
        QVERIFY(frisch.testfirmwareLaden());
        Geraet nachher;
        nachher.einst.testfilename[0] = test;
        nachher.einst.dspcodefilename[0] =
            datei(QStringLiteral("fw.dpk"), "FW\r\n@PA\r\n0100\r\n12AB34\r\n#\r\n");
        nachher.einst.filterfilename[0] = datei(QStringLiteral("filter.dpk"), "");
        // The empty list names no filter that could be found; the firmware is in the image.
        nachher.datensatzLaden(false);
        QVERIFY(nachher.downloadimage.buffer.startsWith("$DP"));
        QVERIFY(nachher.testfirmwareLaden());
        QCOMPARE(nachher.downloadimage.checksumme, frisch.downloadimage.checksumme);
        QCOMPARE(nachher.downloadimage.buffer.toHex(), frisch.downloadimage.buffer.toHex());
    }

    // A firmware text that no record can carry is refused before anything is written; the
    // line ends of old editors and a UTF-16 text give the image of the plain text.
    void firmware_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("gleich"); // the image of the plain text, else refused
        const QByteArray wort = "123456\r\n";
        QTest::newRow("CR only") << QByteArray("FW\r@PA\r0100\r123456\r#\r") << true;
        QByteArray utf16("\xFF\xFE");
        for (char c : QByteArray("FW\r\n@PA\r\n0100\r\n123456\r\n#\r\n"))
            utf16 += QByteArray(1, c) + '\0';
        QTest::newRow("UTF-16") << utf16 << true;
        QTest::newRow("70000 words") << "FW\r\n@PA\r\n0100\r\n" + wort.repeated(70000) + "#\r\n"
                                     << false;
        QTest::newRow("past FFFF") << "FW\r\n@PA\r\nFFF0\r\n" + wort.repeated(17) + "#\r\n"
                                   << false;
        QTest::newRow("no load record") << QByteArray("FW\r\n") << false;
    }
    void firmware() {
        QFETCH(QByteArray, text);
        QFETCH(bool, gleich);
        Protokoll person;
        Geraet g;
        g.setBediener(&person);
        g.einst.testfilename[0] = datei(QStringLiteral("t.dpk"), text);
        const QString ziel = tmp.filePath(QStringLiteral("image.bin"));
        QFile::remove(ziel);
        const TransferResult r = g.bildSchreiben(true, ziel);
        QCOMPARE(r.ok(), gleich);
        if (!gleich) {
            QVERIFY(r.datei && !QFile::exists(ziel));
            QCOMPARE(person.zeilen.filter("critical Firmware fehlerhaft!").size(), 1);
            return;
        }
        Geraet plain;
        plain.einst.testfilename[0] =
            datei(QStringLiteral("p.dpk"), "FW\r\n@PA\r\n0100\r\n123456\r\n#\r\n");
        QVERIFY(plain.testfirmwareLaden());
        QCOMPARE(g.downloadimage.buffer.toHex(), plain.downloadimage.buffer.toHex());
    }

    // What goes to the PIC is what the person chose: a parameter file without a parameter
    // line sends nothing; the parameters alone need no filter coefficients.
    void nurParameter_data() {
        QTest::addColumn<QByteArray>("parameter");
        QTest::addColumn<bool>("gesendet");
        QTest::newRow("empty parameter file") << QByteArray() << false;
        QTest::newRow("filter missing")
            << fileBytes(TestEnv::sampleRelease() + "/USER2B2.DPK") << true;
    }
    void nurParameter() {
        QFETCH(QByteArray, parameter);
        QFETCH(bool, gesendet);
        SimTransceiver sim;
        QVERIFY(sim.isValid());
        SimPic pic(&sim);
        pic.function(999);
        pic.key(QLatin1Char('1'));
        Geraet g;
        g.einst.rs232 = sim.portPath();
        g.einst.picrs232writetime = 0;
        g.einst.veskpfad[0] = tmp.path();
        g.einst.dspcodefilename[0] =
            datei(QStringLiteral("n.dpk"), "FW\r\n@PA\r\n0100\r\n123456\r\n#\r\n");
        g.einst.filterfilename[0] = datei(QStringLiteral("nf.dpk"), "fehlt.dat ,x, 1000\r\n");
        g.einst.parameterfilename[0] = datei(QStringLiteral("np.dpk"), parameter);
        QVERIFY(g.verbinden());
        QCOMPARE(g.picLaden(true).ok(), gesendet);
        QCOMPARE(sim.waitForBytes(944, 2000), gesendet);
    }
};

QTEST_MAIN(TestGeraet)
#include "tst_geraet.moc"
