// The session over the simulated set: what it asks and tells the person through its seam,
// in order, and the behaviours both programs share through it.
#include "app/bediener.h"
#include "app/geraet.h"
#include "download/eeprombackup.h"
#include "link/link.h"
#include "link/progress.h"
#include "sim/simpic.h"
#include "sim/simtransceiver.h"
#include "sitzung.h"
#include "testenv.h"

#include "geraetzugang.h"
#include <QCryptographicHash>
#include <QDeadlineTimer>
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

    // A transfer that does not end within its own deadline is cancelled and says so: the
    // case fails with that line instead of running into the suite's timeout.
    class Fortschritt : public Progress {
    public:
        int abbruch = -1;
        int wert = 0;
        QStringList* zeilen = nullptr;
        QDeadlineTimer frist{15000};
        void setRange(int, int) override {}
        void setValue(int v) override { wert = v; }
        bool wasCanceled() const override {
            if (frist.hasExpired() && !zeilen->contains("timeout"))
                zeilen->append("timeout");
            return (abbruch >= 0 && wert >= abbruch) || frist.hasExpired();
        }
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
        f->zeilen = &zeilen;
        // The waits end on the cancel signal, which a deadline alone would never send.
        QTimer::singleShot(15050, Qt::PreciseTimer, f.get(), [p = f.get()] { emit p->canceled(); });
        if (label == abbruchLabel)
            f->abbruch = abbruchBei;
        return f;
    }
    void log(const QString& zeile) override { zeilen << QStringLiteral("log ") + zeile; }
    void meldung(Box box, const QString& titel, const QString& text) override {
        zeilen << (box == Box::Kritisch  ? QStringLiteral("critical ")
                   : box == Box::Warnung ? QStringLiteral("warning ")
                                         : QStringLiteral("error ")) +
                      titel + QStringLiteral(": ") + text;
    }
    void status(const QString& text) override { zeilen << QStringLiteral("status ") + text; }
    bool abwarten() override {
        zeilen << QStringLiteral("wait");
        return true;
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
        const QString wahl = QStringLiteral(
            "open ExEeprominhalt restaurieren: Datei fuer den externen Eeprom waehlen");
        QTest::newRow("3000 bytes")
            << 3000 << true
            << QStringList{wahl,
                           "box Datei kleiner als der Eeprom",
                           box,
                           "log Datei \"%1\": 3000 Bytes, SHA-256 "
                           "8f443c01d28819b4e19eb81e760f13e91edaf36eeb1a3db2fd41561f42fd948b",
                           "progress Daten in externen Eeprom Laden 0..3000",
                           "log Eeprom-Wiederherstellung: 3000 Bytes aus Datei \"%1\" gesendet"};
        QTest::newRow("cancelled at the box") << 65536 << false << QStringList{wahl, box};
        const QString gross = QStringLiteral("Datei \"%1\" ist groesser als der Eeprom (65536 "
                                             "Bytes)!");
        QTest::newRow("70000 bytes")
            << 70000 << true
            << QStringList{wahl, "critical Datei zu gross!: " + gross, "log " + gross};
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

    // A write that breaks off says what the EEPROM now holds, and counts what went into it:
    // the image and the block's bytes up to the drop, or the file's.
    void eepromTeilweise_data() {
        QTest::addColumn<bool>("restore");
        // The line drops after this many bytes of the block/file; below 0, the person cancels
        // there.
        QTest::addColumn<int>("nach");
        QTest::addColumn<QString>("satz");
        QTest::newRow("block of Daten + Parameter zum PIC")
            << false << 100
            << "Der Eeprom ist nicht vollstaendig: die Firmware ist geschrieben, der "
               "Parameterblock nur bis Byte %1 von 944.";
        QTest::newRow("restore") << true << 1000
                                 << "Der Eeprom ist jetzt teilweise ueberschrieben: %1 von "
                                    "3000 Bytes geschrieben.";
        QTest::newRow("restore cancelled") << true << -1000
                                           << "Der Eeprom ist jetzt teilweise ueberschrieben: "
                                              "%1 von 3000 Bytes geschrieben.";
    }
    void eepromTeilweise() {
        QFETCH(bool, restore);
        QFETCH(int, nach);
        QFETCH(QString, satz);
        SimTransceiver sim;
        SimPic pic(&sim);
        Protokoll person;
        Geraet g;
        g.setBediener(&person);
        const QString rel = TestEnv::sampleRelease();
        einstellen(g, [&](TEinstellungen& e) {
            e.rs232 = sim.portPath();
            e.picrs232writetime = 0;
            e.vorpicladensichern = e.vorwiederherstellungsichern = false;
            e.nachschreibenvergleichen = false;
            e.veskpfad[0] = rel;
            e.dspcodefilename[0] = rel + "/VESK2b1x.dpk";
            e.filterfilename[0] = rel + "/Filters/filters.dpk";
            e.parameterfilename[0] = rel + "/USER2B2.DPK";
        });
        QVERIFY(g.datensatzLaden(false));
        // The handshake's eight answers, then one echo a byte.
        const int bild = restore ? 0 : int(g.bild().buffer.size());
        const bool abbrechen = nach < 0;
        nach = qAbs(nach);
        if (abbrechen) {
            person.abbruchLabel = QStringLiteral("Daten in externen Eeprom Laden");
            person.abbruchBei = nach;
        } else {
            pic.setDropAfter(8 + bild + nach);
        }
        if (restore)
            pic.function(996);
        else
            pic.key(QLatin1Char('#'));
        QVERIFY(g.verbinden());
        const TransferResult r =
            restore ? g.eepromWiederherstellen(datei("r.bin", QByteArray(3000, 'r')))
                    : g.picLaden(false);
        QVERIFY(abbrechen ? r.wasCanceled() : r.failed());
        // The byte whose echo the drop took went out as well, or not, as the pty had it.
        const qint64 geschrieben = g.vorgang().bytes - bild;
        QVERIFY2(geschrieben == nach || geschrieben == nach + 1,
                 qPrintable(person.zeilen.join('\n')));
        // A cancel has no box: the result says it alone.
        QVERIFY2(r.text.endsWith((abbrechen ? "" : "<br>") + satz.arg(geschrieben)),
                 qPrintable(r.text));
    }

    // A restore with the backup before it and the compare after it, as the options have
    // them by default: the backup holds the old EEPROM, the EEPROM the file, the log both
    // fingerprints. Without a whole backup, nothing is written.
    void sichernSchreibenVergleichen_data() {
        QTest::addColumn<int>("abbruchBei");  // the backup's dump is cancelled there; -1: never
        QTest::addColumn<QString>("stempel"); // of the older backups
        QTest::newRow("backup, restore, compare") << -1 << "20200101";
        QTest::newRow("backup cancelled") << 1000 << "20200101";
        // A clock set back, or a folder from another PC: the one just made is still kept.
        QTest::newRow("older backups stamped later") << -1 << "20991231";
    }
    void sichernSchreibenVergleichen() {
        QFETCH(int, abbruchBei);
        QFETCH(QString, stempel);
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
        // Older backups: 21 of this profile, one of another, a file of the person's own and
        // one merely named like a backup (not the EEPROM's size).
        const QString ordner = Geraet().sicherungsordner();
        QVERIFY(QDir().mkpath(ordner));
        QStringList fremde{QStringLiteral("eeprom-HW2-20190101-000000.bin"),
                           QStringLiteral("eigene.bin"),
                           QStringLiteral("eeprom-HW1-20000101-000000.bin")};
        for (int i = 0; i < 21; ++i)
            fremde << QStringLiteral("eeprom-HW1-%1-0000%2.bin")
                          .arg(stempel)
                          .arg(i, 2, 10, QChar('0'));
        for (const QString& n : std::as_const(fremde)) {
            QFile f(QDir(ordner).filePath(n));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.resize(n.startsWith("eeprom-HW1-2000") ? 100 : SimPic::eepromSize);
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
            // What arrived is kept apart and recorded as partial; nothing old goes for it.
            QCOMPARE(dort.size(), fremde.size() + 2);
            QCOMPARE(dort.filter(QStringLiteral(".partial.bin")).size(), 1);
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
                 (QStringList{QStringLiteral("box Datei kleiner als der Eeprom"),
                              QStringLiteral("box Externen Eeprom vor dem Schreiben SICHERN"),
                              QStringLiteral("box Externen Eeprom SICHERN"),
                              QStringLiteral("box Externen Eeprom VERGLEICHEN")}));
        // After the backup the person starts 996 while the run waits, before the handshake.
        QCOMPARE(person.zeilen.indexOf(QStringLiteral("wait")),
                 person.zeilen.indexOf(QStringLiteral("box Externen Eeprom SICHERN")) + 1);
        // The newest 20 of this profile are kept by the time the history gives them (taken
        // over from the files once), the one just made and the dump of the comparison among
        // them; nothing else is touched, and every removal is logged.
        const QString neueste = QFileInfo(g.sicherung()).fileName();
        QCOMPARE(QDir(ordner).entryList({QStringLiteral("eeprom-HW1-*")}, QDir::Files).size(), 21);
        const QStringList weg{QStringLiteral("eeprom-HW1-%1-000000.bin").arg(stempel),
                              QStringLiteral("eeprom-HW1-%1-000001.bin").arg(stempel),
                              QStringLiteral("eeprom-HW1-%1-000002.bin").arg(stempel)};
        for (const QString& n : std::as_const(fremde))
            QCOMPARE(dort.contains(n), !weg.contains(n));
        QVERIFY(dort.contains(neueste));
        QCOMPARE(person.zeilen.filter("log Alte Sicherung").size(), 3);
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
            e.filterfilename[0] = datei(QStringLiteral("filter.dpk"), "fehlt.dat ,x, 1\n");
        });
        // The list names no filter that could be found; the firmware is in the image.
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

    // Nothing goes to the set or into a file that the person did not choose: a file that
    // defines no parameter, a filter past FFFF, a firmware without a word are refused, the
    // read-back before the set is asked, with a reason that says what is wrong; a list with
    // the line ends of an old Mac loads every filter; the parameters alone need no firmware.
    void dateienLesen_data() {
        QTest::addColumn<QString>("was");
        QTest::addColumn<QByteArray>("firmware"); // a path when it starts with "/"
        QTest::addColumn<QByteArray>("liste");
        QTest::addColumn<QByteArray>("parameter");
        QTest::addColumn<int>("bytes");       // sent to the set, or the image's size
        QTest::addColumn<QString>("meldung"); // of the critical box, %1 the folder
        const QByteArray fw = "FW\r\n@PA\r\n0100\r\n123456\r\n#\r\n", kopf = "h\r\nu\r\n";
        const QByteArray l = "a.dat ,x, 1000\r\nb.dat ,x, 2000\r\n";
        const QByteArray user = fileBytes(TestEnv::sampleRelease() + "/USER2B2.DPK");
        const QString keine = "Datei fehlerhaft!: Datei \"%1/p.dpk\" enthaelt keine Parameter!";
        QTest::newRow("blank line") << "send" << fw << l << kopf + "\r\n" << 0 << keine;
        QTest::newRow("firmware as parameters") << "pic" << fw << l << fw << 0 << keine;
        QTest::newRow("read-back onto a header") << "read" << fw << l << kopf << 0 << keine;
        QTest::newRow("empty") << "send" << fw << l << QByteArray() << 0
                               << "Datei leer!: Datei \"%1/p.dpk\" ist leer!";
        QTest::newRow("parameters alone") << "pic" << QByteArray("/-") << l << user << 944 << "";
        QTest::newRow("list with CR only") << "image" << QByteArray("FW\r@PA\r0100\r123456\r#\r")
                                           << QByteArray(l).replace('\n', "") << user << 50 << "";
        QTest::newRow("filter past FFFF")
            << "image" << fw << QByteArray("a.dat ,x, FFFF\r\n") << user << 0
            << "Filter fehlerhaft!: Datei \"%1/a.dat\": der Filter bei FFFF hat 2 Worte und "
               "reicht ueber die Adresse FFFF hinaus!";
        QTest::newRow("firmware without a word")
            << "image" << QByteArray("FW\r\n@PA\r\n0100\r\n#\r\n") << l << user << 0
            << "Firmware fehlerhaft!: Datei \"%1/fw.dpk\": Die Datei enthaelt keine Ladedaten!";
        QTest::newRow("device as firmware") << "image" << QByteArray("/dev/null") << l << user << 0
                                            << "Keine Datei!: /dev/null ist keine Datei!";
        // The image and its parameter block must fit the EEPROM (%1 and %2: their sizes).
        const QByteArray woerter = QByteArray("123456\r\n").repeated(25000);
        QTest::newRow("image larger than the EEPROM")
            << "pic image"
            << "FW\r\n@PA\r\n0000\r\n" + woerter + "#\r\n@PA\r\n8000\r\n" + woerter + "#\r\n"
            << l << user << 0
            << "Image zu gross!: Das Image hat %1 Bytes, mit dem Parameterblock %2 Bytes; der "
               "Eeprom fasst 65536 Bytes - nichts gesendet!";
        // A target the dump could not be kept in: the firmware column is the target here.
        QTest::newRow("backup onto a device")
            << "backup" << QByteArray("/dev/null") << l << user << 0
            << "Speichern fehlgeschlagen!: \"/dev/null\" ist keine Datei und wird nicht ersetzt!";
    }
    void dateienLesen() {
        QFETCH(QString, was);
        QFETCH(QByteArray, firmware);
        QFETCH(QByteArray, liste);
        QFETCH(QByteArray, parameter);
        QFETCH(int, bytes);
        QFETCH(QString, meldung);
        SimTransceiver sim;
        SimPic pic(&sim);
        pic.function(was == "read" ? 995 : 999);
        pic.key(QLatin1Char('1'));
        Protokoll person;
        Geraet g;
        g.setBediener(&person);
        einstellen(g, [&](TEinstellungen& e) {
            e.rs232 = sim.portPath();
            e.picrs232writetime = e.paramrs232writetime = 0;
            e.vorpicladensichern = false;
            e.veskpfad[0] = tmp.path();
            datei("a.dat", "123456 ABCDEF END");
            datei("b.dat", "111111 222222 END");
            e.dspcodefilename[0] =
                firmware.startsWith('/') ? QString(firmware) : datei("fw.dpk", firmware);
            e.filterfilename[0] = datei("l.dpk", liste);
            e.parameterfilename[0] = datei("p.dpk", parameter);
        });
        QVERIFY(g.verbinden());
        const QString bild = tmp.filePath("bild.bin");
        QFile::remove(bild);
        const TransferResult r = was == "send"        ? g.parameterDateiSenden({})
                                 : was == "pic"       ? g.picLaden(true)
                                 : was == "pic image" ? g.picLaden(false)
                                 : was == "read"      ? g.parameterLesen()
                                 : was == "backup"    ? g.eepromSichern(QString(firmware))
                                                      : g.bildSchreiben(false, bild);
        // The image's size as a load builds it.
        if (was == "pic image")
            g.datensatzLaden(false);
        const qsizetype n = g.bild().buffer.size();
        QCOMPARE(person.zeilen.filter(QRegularExpression("^critical ")),
                 meldung.isEmpty()    ? QStringList()
                 : was == "pic image" ? QStringList{"critical " + meldung.arg(n).arg(n + 944)}
                                      : QStringList{"critical " + meldung.arg(tmp.path())});
        QCOMPARE(r.datei, !r.ok());
        QCOMPARE(r.ok(), meldung.isEmpty());
        // What is refused is refused before the person is told to do anything at the set.
        QVERIFY(r.ok() || !person.zeilen.join(' ').contains("box "));
        if (was == "image")
            QCOMPARE(QFileInfo(bild).size(), qint64(bytes));
        else {
            // Fewer bytes than expected are a failure, not a case to skip.
            sim.waitForBytes(qMax(bytes, 1), bytes > 0 ? 5000 : 300);
            QCOMPARE(sim.received().size(), bytes);
        }
    }

    // The line is emptied before it is announced as there, never after: what the set sends
    // from then on (talvaro-cli's "line" event starts it) is kept.
    void leitungBereit() {
        SimTransceiver sim;
        Geraet g;
        einstellen(g, [&](TEinstellungen& e) { e.rs232 = sim.portPath(); });
        g.setOeffnenBeiBedarf(true);
        connect(&g, &Geraet::verbunden, this, [&] {
            sim.send(QByteArray("\x01\x02\x03"));
            QTest::qWait(50);
        });
        QVERIFY(g.befehl(1, 0).ok());
        char b[8];
        QCOMPARE(GeraetZugang::link(g)->readData(b, int(sizeof b)), 3);
    }

    // What the person reads says what happened: a compare that finds differences ends with
    // them, not with the dump's success; a closed port sent nothing and nothing is "Fertig";
    // a dump counts its bytes to 65536. A line after "!" must not be there.
    void meldungen_data() {
        QTest::addColumn<QString>("fall");
        QTest::addColumn<QStringList>("zeilen");
        QTest::newRow("differences")
            << "vergleich"
            << QStringList{"status Unterschiede: 3 Bytes",
                           "warning Eeprom Vergleich: Eeprom-Vergleich: 3 Bytes verschieden (die "
                           "ersten 100 Bytes verglichen, die Datei ist kuerzer als der Eeprom)"};
        QTest::newRow("port closed")
            << "zu"
            << QStringList{"log Die RS232 ist nicht offen! Nichts gesendet.",
                           "!log buffer2dsp() Fertig!", "!log parameter2dsp() Fertig!"};
        QTest::newRow("a dump counts bytes")
            << "sicherung" << QStringList{"progress ExEeprom in Datei Speichern 0..65536"};
    }
    void meldungen() {
        QFETCH(QString, fall);
        QFETCH(QStringList, zeilen);
        SimTransceiver sim;
        SimPic pic(&sim);
        Protokoll person;
        person.amGeraet = [&pic](const QString&) { pic.function(997); };
        Geraet g;
        g.setBediener(&person);
        const QString rel = TestEnv::sampleRelease();
        einstellen(g, [&](TEinstellungen& e) {
            e.rs232 = fall == "zu" ? QString() : sim.portPath();
            e.veskpfad[0] = rel;
            e.dspcodefilename[0] = rel + "/VESK2b1x.dpk";
            e.filterfilename[0] = rel + "/Filters/filters.dpk";
            e.parameterfilename[0] = rel + "/USER2B2.DPK";
        });
        QCOMPARE(g.verbinden(), fall != "zu");
        QByteArray vergleich = pic.eeprom().left(100);
        for (int i : {3, 50, 99})
            vergleich[i] = char(~vergleich[i]);
        if (fall == "vergleich")
            g.eepromVergleichen(datei("v.bin", vergleich));
        else if (fall == "zu")
            g.dspLaden({});
        else
            g.eepromSichern(tmp.filePath("dump.bin"));
        for (const QString& z : std::as_const(zeilen))
            QVERIFY2(person.zeilen.contains(z.mid(z.startsWith('!'))) != z.startsWith('!'),
                     qPrintable(z));
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
