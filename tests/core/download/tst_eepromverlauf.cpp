// The backup folder's history and its clean-up: only what the history says the program
// made goes, oldest by recorded time; names, foreign files, the files of another running
// program and a file changed since are left alone.
#include "download/eepromverlauf.h"

#include <QtTest>

using download::EepromVerlauf;
using download::VerlaufEintrag;

class TestEepromVerlauf : public QObject {
    Q_OBJECT

    static QString sha(const QByteArray& b) {
        return QString::fromLatin1(QCryptographicHash::hash(b, QCryptographicHash::Sha256).toHex());
    }
    static QByteArray dump(int n) { return QByteArray(65536, char(n)); }
    static void schreiben(const QString& pfad, const QByteArray& bytes, const QDateTime& mtime) {
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(bytes), bytes.size());
        QVERIFY(f.setFileTime(mtime, QFileDevice::FileModificationTime));
    }
    // A record of a dump a program of this version made now (its file written first).
    static VerlaufEintrag eintrag(const QString& pfad, const QByteArray& bytes,
                                  const QDateTime& zeit) {
        schreiben(pfad, bytes, zeit);
        VerlaufEintrag e;
        e.zeit = zeit;
        e.bytes = bytes.size();
        e.vollstaendig = true;
        e.sha256 = sha(bytes);
        e.herkunft = VerlaufEintrag::Herkunft::VorWiederherstellung;
        e.port = QStringLiteral("/dev/ttyUSB0");
        e.datei = pfad;
        return e;
    }

private slots:
    void aufraeumen_data() {
        QTest::addColumn<int>("behalten");
        QTest::addColumn<bool>("fremde");
        QTest::addColumn<bool>("anderesProgramm");
        QTest::addColumn<bool>("geaendert");
        // The oldest is read by a restore: 1 this operation's (named through a link), 2 one
        // of another program (it holds the file's read lock).
        QTest::addColumn<int>("gelesen");
        // Of the twenty old backups, by age (0 the oldest), those that go.
        QTest::addColumn<QList<int>>("entfernt");
        // Twenty backups named for 2099 whose names rank the other way round than their age.
        QTest::newRow("future names") << 20 << false << false << false << 0 << QList<int>{0};
        // Files the history does not name stay, however old and however named.
        QTest::newRow("foreign files") << 20 << true << false << false << 0 << QList<int>{0};
        // What another program recorded a minute ago (its write still running) and what it
        // recorded since this operation began are kept, even when only one is to stay.
        QList<int> alle;
        for (int i = 0; i < 20; ++i)
            alle << i;
        QTest::newRow("two programs") << 1 << false << true << false << 0 << alle;
        // The oldest no longer holds what was recorded: it stays, the next one goes.
        QTest::newRow("a changed file") << 20 << false << false << true << 0 << QList<int>{1};
        QTest::newRow("the file restored") << 20 << false << false << false << 1 << QList<int>{1};
        QTest::newRow("the file another program restores")
            << 20 << false << false << false << 2 << QList<int>{1};
    }
    void aufraeumen() {
        QFETCH(int, behalten);
        QFETCH(bool, fremde);
        QFETCH(bool, anderesProgramm);
        QFETCH(bool, geaendert);
        QFETCH(int, gelesen);
        QFETCH(QList<int>, entfernt);
        QTemporaryDir tmp;
        const QDir ordner(tmp.path());
        const QDateTime jetzt = QDateTime::currentDateTimeUtc();
        QStringList alt; // by age, oldest first
        for (int i = 0; i < 20; ++i) {
            const QString name = ordner.filePath(
                QStringLiteral("eeprom-HW1-20991231-0000%1.bin").arg(19 - i, 2, 10, QChar('0')));
            schreiben(name, dump(i), jetzt.addDays(-2).addSecs(60 * i));
            alt << name;
        }
        EepromVerlauf verlauf(tmp.path(), 0);
        QList<VerlaufEintrag> liste;
        QVERIFY(verlauf.lesen(&liste));
        QCOMPARE(liste.size(), 20);
        QCOMPARE(liste.first().datei, alt.first());
        // Part of a dump this program kept a day ago: it neither counts nor goes.
        VerlaufEintrag teil = eintrag(ordner.filePath(QStringLiteral("teil.partial.bin")),
                                      dump(70).left(100), jetzt.addDays(-1));
        teil.vollstaendig = false;
        QVERIFY(verlauf.eintragen(teil));

        QStringList bleiben;
        if (fremde) {
            // After the history began: not the program's, though named and sized like it.
            for (const char* n : {"eeprom-HW1-20000101-000000.bin",
                                  "eeprom-HW2-20000101-000000.bin", "eigene.bin"}) {
                schreiben(ordner.filePath(QLatin1String(n)), dump(99), jetzt.addYears(-10));
                bleiben << ordner.filePath(QLatin1String(n));
            }
        }
        if (geaendert) {
            QFile f(alt.first());
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.seek(100));
            QCOMPARE(f.write("x", 1), 1);
        }
        const QDateTime beginn = jetzt.addSecs(-5);
        if (anderesProgramm) {
            const QString vorher = ordner.filePath(QStringLiteral("eeprom-HW1-a.bin"));
            const QString seither = ordner.filePath(QStringLiteral("eeprom-HW1-b.bin"));
            QVERIFY(verlauf.eintragen(eintrag(vorher, dump(50), jetzt.addSecs(-60))));
            QVERIFY(verlauf.eintragen(eintrag(seither, dump(51), jetzt.addSecs(-1))));
            bleiben << vorher << seither;
        }
        // This operation's own backup, stamped by a clock now in 2026.
        const QString eigene = ordner.filePath(QStringLiteral("eeprom-HW1-20261207-120000.bin"));
        QVERIFY(verlauf.eintragen(eintrag(eigene, dump(60), jetzt)));
        bleiben << eigene << teil.datei;

        QString fehler;
        const QString quelle = ordner.filePath(QStringLiteral("zurueck.bin"));
        if (gelesen == 1)
            QVERIFY(QFile::link(alt.first(), quelle));
        std::optional<download::Lesesperre> anderer;
        if (gelesen == 2)
            anderer.emplace(alt.first());
        const EepromVerlauf::Aufraeumen a = verlauf.aufraeumen(
            behalten, beginn, {eigene, gelesen == 1 ? quelle : QString()}, &fehler);
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
        QStringList erwartet;
        for (int i : std::as_const(entfernt))
            erwartet << alt[i];
        QCOMPARE(a.entfernt, erwartet);
        QCOMPARE(a.veraendert, geaendert ? QStringList{alt.first()} : QStringList{});
        for (int i = 0; i < 20; ++i)
            QCOMPARE(QFileInfo::exists(alt[i]), !entfernt.contains(i));
        for (const QString& b : std::as_const(bleiben))
            QVERIFY2(QFileInfo::exists(b), qPrintable(b));
        // The history keeps every record, and the one of a changed file says so.
        QVERIFY(verlauf.lesen(&liste));
        QCOMPARE(liste.size(), 22 + (anderesProgramm ? 2 : 0));
        for (int i = 0; i < 20; ++i)
            QCOMPARE(liste[i].vorhanden(), !entfernt.contains(i) && !(geaendert && i == 0));
    }

    // Two runs in the same second: one takes a name by its ".partial" (a backup before a
    // write), the other by the file (a dump kept whole); neither takes the other's name.
    void platzNehmen() {
        QTemporaryDir tmp;
        for (const bool vorlaeufig : {false, true}) {
            const QString erster = EepromVerlauf::ersterName(tmp.path(), 0, QStringLiteral(".bin"));
            QFile anderer(vorlaeufig ? erster : erster + QStringLiteral(".partial"));
            QVERIFY(anderer.open(QIODevice::WriteOnly));
            const QString name =
                EepromVerlauf::platzNehmen(tmp.path(), 0, QStringLiteral(".bin"), vorlaeufig);
            QVERIFY(!name.isEmpty() && name != erster);
            QVERIFY(QFileInfo::exists(vorlaeufig ? name + QStringLiteral(".partial") : name));
        }
    }

    // Backups of an older version whose file times lie ahead (copied from a PC whose clock
    // ran ahead) are taken over as made now, and still go first: twenty stay after one run.
    void zukunftUebernommen() {
        QTemporaryDir tmp;
        const QDateTime jetzt = QDateTime::currentDateTimeUtc();
        for (int i = 0; i < 3; ++i)
            schreiben(tmp.filePath(QStringLiteral("eeprom-HW1-20990101-00000%1.bin").arg(i)),
                      dump(i), jetzt.addYears(70));
        EepromVerlauf verlauf(tmp.path(), 0);
        const QString eigene = tmp.filePath(QStringLiteral("eeprom-HW1-20261208-120000.bin"));
        QVERIFY(verlauf.eintragen(eintrag(eigene, dump(9), jetzt)));
        QCOMPARE(verlauf.aufraeumen(3, jetzt.addSecs(-60), {eigene}).entfernt.size(), 1);
        QVERIFY(QFileInfo::exists(eigene));
    }

    // An index that is not one is neither overwritten nor taken as empty: nothing is
    // attributed, so nothing goes.
    void kaputterIndex() {
        QTemporaryDir tmp;
        EepromVerlauf verlauf(tmp.path(), 2);
        const QString alt =
            QDir(tmp.path()).filePath(QStringLiteral("eeprom-HW3-20200101-000000.bin"));
        schreiben(alt, dump(1), QDateTime::currentDateTimeUtc().addDays(-1));
        QFile index(verlauf.indexPfad());
        QVERIFY(index.open(QIODevice::WriteOnly));
        index.write("{\"records\": [");
        index.close();
        QList<VerlaufEintrag> liste;
        QString fehler;
        QVERIFY(!verlauf.lesen(&liste, &fehler));
        QVERIFY(fehler.contains(QStringLiteral("beschaedigt")));
        QVERIFY(!verlauf.eintragen(eintrag(QDir(tmp.path()).filePath(QStringLiteral("neu.bin")),
                                           dump(2), QDateTime::currentDateTimeUtc())));
        QVERIFY(verlauf.aufraeumen(0, QDateTime::currentDateTimeUtc(), {}).entfernt.isEmpty());
        QVERIFY(QFileInfo::exists(alt));
        QCOMPARE(index.size(), 13);
    }
};

QTEST_GUILESS_MAIN(TestEepromVerlauf)
#include "tst_eepromverlauf.moc"
