// Files the person owns, as both writers treat them (the atomic writer and the streamed
// serial trace): a regular file or a new one is written, anything else is left as it is, at
// once; a FIFO with a reader would take a writer that does not look first. And a run's files
// by identity: nothing it writes is one of the files it reads.
#include "app/dateirollen.h"
#include "app/dateischreiben.h"
#include "app/geraet.h"
#include "link/serialtrace.h"
#include "testenv.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}
} // namespace

class TestDateiSchreiben : public QObject {
    Q_OBJECT

private slots:
    void ziele_data() {
        QTest::addColumn<QString>("art");
        QTest::addColumn<bool>("geschrieben");
        for (const char* a : {"neu", "datei", "link"})
            QTest::newRow(a) << a << true;
        for (const char* a : {"haengend", "ordner", "fifo", "/dev/null"})
            QTest::newRow(a) << a << false;
    }
    void ziele() {
        QFETCH(QString, art);
        QFETCH(bool, geschrieben);
        for (const bool trace : {false, true}) {
            QTemporaryDir dir;
            const QString ziel = art.startsWith('/') ? art : dir.filePath("ziel");
            const QString dort = dir.filePath("dort");
            QFile alt(art == "link" ? dort : ziel);
            if (art == "datei" || art == "link")
                QVERIFY(alt.open(QIODevice::WriteOnly) && alt.write("alt") == 3 && alt.flush());
            if (art == "link" || art == "haengend")
                QVERIFY(QFile::link(dort, ziel));
            if (art == "ordner")
                QVERIFY(QDir().mkdir(ziel));
            const QByteArray pfad = QFile::encodeName(ziel);
            const int leser = art == "fifo" && ::mkfifo(pfad.constData(), 0600) == 0
                                  ? ::open(pfad.constData(), O_RDONLY | O_NONBLOCK)
                                  : -1;
            QElapsedTimer uhr;
            uhr.start();
            SerialTrace t;
            QCOMPARE(trace ? t.open(ziel) : dateiSchreiben(ziel, "neu"), geschrieben);
            QVERIFY(uhr.elapsed() < 1000);
            // The old trace stays whole until the new one is: it takes the name at the end.
            if (trace && geschrieben) {
                QCOMPARE(fileBytes(art == "link" ? dort : ziel),
                         QByteArray(art == "neu" ? "" : "alt"));
                QVERIFY(t.close());
                QCOMPARE(QDir(dir.path()).entryList({"*.partial"}), QStringList());
            }
            ::close(leser);
            if (art.startsWith('/'))
                continue;
            // Nothing is made where a dangling link points, and a link stays a link.
            QCOMPARE(QFileInfo::exists(dort), art == "link");
            QCOMPARE(QFileInfo(ziel).isSymLink(), art == "link" || art == "haengend");
            if (geschrieben)
                QVERIFY(trace ? fileBytes(ziel).startsWith("# Talvaro serial trace")
                              : fileBytes(ziel) == "neu");
        }
    }

    // The files a run writes against those it reads, by what they are: rows name the trace
    // and what it is (empty: none of the run's files). The output is always "out.bin", new.
    void rollen_data() {
        QTest::addColumn<QString>("spur");
        QTest::addColumn<QString>("ist");
        for (const auto& [spur, ist] : std::initializer_list<std::pair<const char*, const char*>>{
                 {"rel/fw.dpk", "ist die Firmware dieses Profils"},
                 {"rel/./user.dpk", "ist die Parameterdatei dieses Profils"},
                 // Named inside the filter list, not in the profile.
                 {"rel/Filters/lp3k0.dat",
                  "ist die Filterdatei \"lp3k0.dat\" aus der Filterliste dieses Profils"},
                 // A link to the configuration: the same file only by stat, not by lstat.
                 {"symlink", "ist die Konfiguration"},
                 {"hardlink", "ist die Firmware dieses Profils"},
                 // Two new files through a linked folder: the same canonical folder and name.
                 {"ordnerlink/out.bin", "ist die Ausgabe dieses Befehls"},
                 {"zwei.dpk", "ist die Firmware des Profils 2"},
                 {"sicherungen/verlauf-HW1.json", "ist der Eeprom-Verlauf dieses Profils"},
                 {"spur.txt", ""}})
            QTest::newRow(spur) << spur << ist;
    }
    void rollen() {
        QFETCH(QString, spur);
        QFETCH(QString, ist);
        QTemporaryDir dir;
        const auto pfad = [&dir](const char* n) { return dir.filePath(n); };
        QVERIFY(QDir().mkpath(pfad("rel/Filters")));
        QVERIFY(QDir().mkpath(pfad("sicherungen")));
        for (const char* n :
             {"vantrel.cfg", "rel/fw.dpk", "rel/user.dpk", "rel/Filters/lp3k0.dat", "zwei.dpk"})
            QVERIFY(writeFile(pfad(n), "x"));
        QVERIFY(writeFile(pfad("rel/filters.dpk"), "lp3k0.dat ,x, 1000\r\n"));
        QVERIFY(QFile::link(pfad("vantrel.cfg"), pfad("symlink")));
        QCOMPARE(::link(QFile::encodeName(pfad("rel/fw.dpk")).constData(),
                        QFile::encodeName(pfad("hardlink")).constData()),
                 0);
        QVERIFY(QFile::link(dir.path(), pfad("ordnerlink")));
        TEinstellungen e;
        e.dspcodefilename = {pfad("rel/fw.dpk"), pfad("zwei.dpk"), {}};
        e.filterfilename[0] = pfad("rel/filters.dpk");
        e.veskpfad[0] = pfad("rel");
        e.parameterfilename[0] = pfad("rel/user.dpk");
        Geraet g;
        g.setEinstellungen(e, 0);
        g.setEigenerOrdner(dir.path());

        Dateirollen rollen;
        rollen.gelesen(pfad("vantrel.cfg"), "die Konfiguration");
        for (int p = 0; p < 3; ++p)
            g.dateienSammeln(rollen, p);
        rollen.geschrieben(pfad("out.bin"), "die Ausgabe dieses Befehls");
        rollen.geschrieben(pfad(qPrintable(spur)), "der Trace");
        const QString konflikt = rollen.konflikt();
        QVERIFY2(ist.isEmpty() ? konflikt.isEmpty()
                               : konflikt.startsWith("Der Trace \"") && konflikt.contains(ist),
                 qPrintable(konflikt));
    }
};

QTEST_GUILESS_MAIN(TestDateiSchreiben)
#include "tst_dateischreiben.moc"
