// The session over the simulated set: what it asks and tells the person through its seam,
// in order, and the behaviours both programs share through it.
#include "app/bediener.h"
#include "app/geraet.h"
#include "download/eeprombackup.h"
#include "link/progress.h"
#include "sim/simpic.h"
#include "sim/simtransceiver.h"
#include "sitzung.h"
#include "testenv.h"

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

namespace {

// Records every call as one line and answers as told.
class Protokoll : public Bediener {
public:
    QStringList zeilen;
    bool ok = true;
    QString datei;
    // What the person does at the set when a box tells them to (its title).
    std::function<void(const QString&)> amGeraet;
    // The progress whose label this is cancels once it reaches abbruchBei.
    QString abbruchLabel;
    int abbruchBei = -1;

    class Fortschritt : public Progress {
    public:
        int abbruch = -1;
        int wert = 0;
        void setRange(int, int) override {}
        void setValue(int v) override { wert = v; }
        bool wasCanceled() const override { return abbruch >= 0 && wert >= abbruch; }
    };

    bool bestaetigen(const QString& titel, const QString&, bool) override {
        zeilen << QStringLiteral("box ") + titel;
        if (ok && amGeraet)
            amGeraet(titel);
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
        auto f = std::make_unique<Fortschritt>();
        if (label == abbruchLabel)
            f->abbruch = abbruchBei;
        return f;
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
            << QStringList{box,
                           wahl,
                           "box Datei kleiner als der Eeprom",
                           "log Datei \"%1\": 3000 Bytes, SHA-256 "
                           "8f443c01d28819b4e19eb81e760f13e91edaf36eeb1a3db2fd41561f42fd948b",
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
        einstellen(g, [&](TEinstellungen& e) {
            e.rs232 = sim.portPath();
            e.picrs232writetime = 0;
            // The plain restore; the backup and compare around it are shown below.
            e.vorwiederherstellungsichern = false;
            e.nachschreibenvergleichen = false;
        });
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

    // A restore with the backup before it and the compare after it, as the options have
    // them by default: the backup holds the old EEPROM, the EEPROM the file, the log both
    // fingerprints. Without a whole backup, nothing is written.
    void sichernSchreibenVergleichen_data() {
        QTest::addColumn<int>("abbruchBei"); // the backup's dump is cancelled there; -1: never
        QTest::newRow("backup, restore, compare") << -1;
        QTest::newRow("backup cancelled") << 1000;
    }
    void sichernSchreibenVergleichen() {
        QFETCH(int, abbruchBei);
        TestEnv env; // the backups go to this HOME's vantrel/sicherungen
        SimTransceiver sim;
        QVERIFY(sim.isValid());
        SimPic pic(&sim);
        QRandomGenerator zufall(21);
        QByteArray alt(SimPic::eepromSize, 0);
        for (char& c : alt)
            c = char(zufall.bounded(256));
        pic.eeprom() = alt;
        QByteArray neu(4096, 0);
        for (char& c : neu)
            c = char(zufall.bounded(256));
        const QString quelle = datei(QStringLiteral("neu.bin"), neu);
        // Older backups: 21 of this profile, one of another, and a file of the person's own.
        const QString ordner = Geraet::sicherungsordner();
        QVERIFY(QDir().mkpath(ordner));
        QStringList fremde{QStringLiteral("eeprom-HW2-20190101-000000.bin"),
                           QStringLiteral("eigene.bin")};
        for (int i = 0; i < 21; ++i)
            fremde << QStringLiteral("eeprom-HW1-20200101-0000%1.bin").arg(i, 2, 10, QChar('0'));
        for (const QString& n : std::as_const(fremde)) {
            QFile f(QDir(ordner).filePath(n));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        Protokoll person;
        person.abbruchLabel = QStringLiteral("Eeprom vor dem Schreiben sichern");
        person.abbruchBei = abbruchBei;
        person.amGeraet = [&pic](const QString& titel) {
            // "996" for the restore, "997" for the dump before and after it; the warning of
            // a short file asks nothing of the set.
            if (titel == QLatin1String("Externen Eeprom SICHERN"))
                pic.function(996);
            else if (titel.startsWith(QLatin1String("Externen Eeprom")))
                pic.function(997);
        };
        Geraet g;
        g.setBediener(&person);
        einstellen(g, [&](TEinstellungen& e) {
            e.rs232 = sim.portPath();
            e.picrs232writetime = 0;
        });
        QVERIFY(g.einstellungen().vorwiederherstellungsichern &&
                g.einstellungen().nachschreibenvergleichen);
        QVERIFY(g.verbinden());
        const TransferResult r = g.eepromWiederherstellen(quelle);
        const QStringList dort = QDir(ordner).entryList(QDir::Files, QDir::Name);

        if (abbruchBei >= 0) {
            QVERIFY(r.wasCanceled());
            QCOMPARE(pic.syncBytes(), 0);
            QVERIFY(pic.eeprom() == alt);
            QVERIFY(g.sicherung().isEmpty());
            QCOMPARE(dort.size(), fremde.size());
            QCOMPARE(
                person.zeilen.last(),
                QStringLiteral(
                    "log Sicherung vor dem Schreiben nicht vollstaendig - nichts geschrieben!"));
            return;
        }
        QVERIFY(r.ok());
        QVERIFY(fileBytes(g.sicherung()) == alt);
        QVERIFY(pic.eeprom() == neu + alt.mid(neu.size()));
        const auto sha = [](const QByteArray& b) {
            return QString::fromLatin1(
                QCryptographicHash::hash(b, QCryptographicHash::Sha256).toHex());
        };
        QVERIFY(person.zeilen.contains(
            QStringLiteral("log Eeprom-Sicherung \"%1\": 65536 Bytes, SHA-256 %2")
                .arg(g.sicherung(), sha(alt))));
        QVERIFY(person.zeilen.contains(
            QStringLiteral("log Datei \"%1\": 4096 Bytes, SHA-256 %2").arg(quelle, sha(neu))));
        QCOMPARE(person.zeilen.last(),
                 QStringLiteral("log Eeprom-Vergleich: gleich (die ersten 4096 Bytes verglichen, "
                                "die Datei ist kuerzer als der Eeprom)"));
        QCOMPARE(person.zeilen.filter(QRegularExpression(QStringLiteral("^box "))),
                 (QStringList{QStringLiteral("box Externen Eeprom vor dem Schreiben SICHERN"),
                              QStringLiteral("box Externen Eeprom SICHERN"),
                              QStringLiteral("box Datei kleiner als der Eeprom"),
                              QStringLiteral("box Externen Eeprom VERGLEICHEN")}));
        // The newest 20 of this profile are kept; nothing else is touched.
        const QString neueste = QFileInfo(g.sicherung()).fileName();
        QCOMPARE(QDir(ordner).entryList({QStringLiteral("eeprom-HW1-*")}, QDir::Files).size(), 20);
        const QStringList weg{QStringLiteral("eeprom-HW1-20200101-000000.bin"),
                              QStringLiteral("eeprom-HW1-20200101-000001.bin")};
        for (const QString& n : std::as_const(fremde))
            QCOMPARE(dort.contains(n), !weg.contains(n));
        QVERIFY(dort.contains(neueste));
    }

    // The image of a set of files is the same whatever was built before it, as the set's
    // loader starts afresh at every power-on.
    void bildOhneVorgeschichte() {
        // A data segment first: its words take the middle byte of the last program word.
        const QString test =
            datei(QStringLiteral("test.dpk"), "Test\r\n@DA\r\n0000\r\n1234\r\n#\r\n");
        Geraet frisch;
        einstellen(frisch, [&](TEinstellungen& e) { e.testfilename[0] = test; });
        QVERIFY(frisch.testfirmwareLaden());
        Geraet nachher;
        einstellen(nachher, [&](TEinstellungen& e) {
            e.testfilename[0] = test;
            e.dspcodefilename[0] =
                datei(QStringLiteral("fw.dpk"), "FW\r\n@PA\r\n0100\r\n12AB34\r\n#\r\n");
            e.filterfilename[0] = datei(QStringLiteral("filter.dpk"), "");
        });
        // The empty list names no filter that could be found; the firmware is in the image.
        nachher.datensatzLaden(false);
        QVERIFY(nachher.bild().buffer.startsWith("$DP"));
        QVERIFY(nachher.testfirmwareLaden());
        QCOMPARE(nachher.bild().checksumme, frisch.bild().checksumme);
        QCOMPARE(nachher.bild().buffer.toHex(), frisch.bild().buffer.toHex());
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
        einstellen(g, [&](TEinstellungen& e) {
            e.testfilename[0] = datei(QStringLiteral("t.dpk"), text);
        });
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
        einstellen(plain, [&](TEinstellungen& e) {
            e.testfilename[0] =
                datei(QStringLiteral("p.dpk"), "FW\r\n@PA\r\n0100\r\n123456\r\n#\r\n");
        });
        QVERIFY(plain.testfirmwareLaden());
        QCOMPARE(g.bild().buffer.toHex(), plain.bild().buffer.toHex());
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
        einstellen(g, [&](TEinstellungen& e) {
            e.rs232 = sim.portPath();
            e.picrs232writetime = 0;
            e.veskpfad[0] = tmp.path();
            e.dspcodefilename[0] =
                datei(QStringLiteral("n.dpk"), "FW\r\n@PA\r\n0100\r\n123456\r\n#\r\n");
            e.filterfilename[0] = datei(QStringLiteral("nf.dpk"), "fehlt.dat ,x, 1000\r\n");
            e.parameterfilename[0] = datei(QStringLiteral("np.dpk"), parameter);
        });
        QVERIFY(g.verbinden());
        QCOMPARE(g.picLaden(true).ok(), gesendet);
        QCOMPARE(sim.waitForBytes(944, 2000), gesendet);
    }

    // A "%" in a file name is no place holder of the log line it stands in.
    void prozentImNamen() {
        QCOMPARE(
            download::sicherungUnvollstaendig(QStringLiteral("a%3b.bin"), 5),
            QStringLiteral(
                "Eeprom-Sicherung unvollstaendig: Datei \"a%3b.bin\" enthaelt 5 von 65536 Bytes"));
    }
};

QTEST_MAIN(TestGeraet)
#include "tst_geraet.moc"
