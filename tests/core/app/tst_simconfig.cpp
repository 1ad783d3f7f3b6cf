// The simulate mode's configuration file: made on first use with profile 1 at the sample
// release, the port set at every start, what the user changed since kept, and a release that
// moved found again. Files are read back line by line, not through the code under test.
#include "app/simconfig.h"
#include "testenv.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using Lines = QMap<QString, QString>;
Q_DECLARE_METATYPE(Lines)

namespace {
Lines readLines(const QString& path) {
    Lines out;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return out;
    for (const QByteArray& l : f.readAll().split('\n'))
        if (l.contains('='))
            out.insert(QString::fromLocal8Bit(l.left(l.indexOf('='))),
                       QString::fromLocal8Bit(l.mid(l.indexOf('=') + 1)));
    return out;
}

void writeLines(const QString& path, const Lines& lines) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    for (auto it = lines.begin(); it != lines.end(); ++it)
        f.write((it.key() + '=' + it.value() + '\n').toLocal8Bit());
}

// Profile 1 at release r, as the first start must leave it.
Lines profileAt(const QString& r) {
    return {{"veskpfad", r},
            {"dspcodefilename", r + "/VESK2b1x.dpk"},
            {"filterfilename", r + "/Filters/filters.dpk"},
            {"parameterfilename", r + "/USER2B2.DPK"},
            {"xparameterfilename", r + "/Filters/Xparams.dpk"},
            {"standardparameterfilename", r + "/standard.dpk"},
            {"rxeqfilename", r + "/Filters/RxEQ.dat"},
            {"txeqfilename", r + "/Filters/TxEQ.dat"},
            {"ad603filename", r + "/Filters/AD603.dat"},
            {"scalfilename", r + "/Filters/Scal.dat"},
            {"testfilename", r + "/Test05.dpk"},
            {"vesknr", "0"}};
}
} // namespace

class TestSimConfig : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    void prepare_data() {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<Lines>("before");
        QTest::addColumn<Lines>("after"); // keys that must hold these values afterwards
        QTest::addColumn<QStringList>("origins");
        const QString r = TestEnv::sampleRelease();
        Lines fresh = profileAt(r);
        fresh.insert("rs232", "/dev/pts/77");
        fresh.insert("picrs232writetime", "10");
        fresh.insert("dsprs232writetime", "2");
        fresh.insert("veskpfad1", "Pfad von SW fuer HW2");
        QTest::newRow("first start") << false << Lines{} << fresh << QStringList();

        // The user chose other files and delays since; only the port follows the new line.
        Lines edited = profileAt(r);
        edited["dspcodefilename"] = r + "/Test05.dpk";
        edited["picrs232writetime"] = "3";
        edited["rs232"] = "/dev/pts/1";
        edited["veskpfad1"] = "/home/dl1abc/hw2";
        edited["meinschluessel"] = "wert=mit=gleich";
        Lines editedAfter = edited;
        editedAfter["rs232"] = "/dev/pts/77";
        QTest::newRow("later start keeps the user's changes")
            << true << edited << editedAfter << QStringList();

        // Profile 1 names a folder that is gone (the release moved, or a file made by hand):
        // it is pointed at the release again, the other profiles stay.
        Lines moved = profileAt("/nicht/mehr/da");
        moved["veskpfad2"] = "/home/dl1abc/hw3";
        moved["vesknr"] = "2";
        moved["rs232"] = "COM1";
        Lines movedAfter = profileAt(r);
        movedAfter["veskpfad2"] = "/home/dl1abc/hw3";
        movedAfter["rs232"] = "/dev/pts/77";
        QTest::newRow("moved release is found again")
            << true << moved << movedAfter << QStringList();

        // An empty file is a first start as well.
        QTest::newRow("empty file") << true << Lines{} << fresh << QStringList();

        // A file from before the copy names the release it was copied from: every profile's
        // folder and file inside it moves to the copy (here r); a folder that only begins
        // with the same letters, and one elsewhere, stay.
        const QString o = dir.filePath("quelle");
        QDir().mkpath(o);
        Lines old = profileAt(o);
        old["veskpfad2"] = o + "/hw3";
        old["scalfilename1"] = o + "/Filters/Scal2.dat";
        old["veskpfad1"] = o + "x/hw2";
        old["rxeqfilename1"] = "/home/dl1abc/RxEQ.dat";
        Lines oldAfter = profileAt(r);
        oldAfter["veskpfad2"] = r + "/hw3";
        oldAfter["scalfilename1"] = r + "/Filters/Scal2.dat";
        oldAfter["veskpfad1"] = o + "x/hw2";
        oldAfter["rxeqfilename1"] = "/home/dl1abc/RxEQ.dat";
        oldAfter["rs232"] = "/dev/pts/77";
        QTest::newRow("profiles in the original move to the copy")
            << true << old << oldAfter << QStringList{"/usr/share/talvaro-loader/x", o};
    }
    void prepare() {
        QFETCH(bool, exists);
        QFETCH(Lines, before);
        QFETCH(Lines, after);
        QFETCH(QStringList, origins);
        const QString path = dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + ".cfg");
        QFile::remove(path);
        if (exists)
            writeLines(path, before);
        QVERIFY(simconfig::prepare(path, TestEnv::sampleRelease(), "/dev/pts/77", origins));
        const Lines got = readLines(path);
        for (auto it = after.begin(); it != after.end(); ++it)
            QCOMPARE(got.value(it.key(), "<fehlt>"), it.value());
        // Lines are sorted as the configuration file keeps them.
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QList<QByteArray> raw = f.readAll().split('\n');
        raw.removeAll(QByteArray());
        QList<QByteArray> sorted = raw;
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(raw, sorted);
    }

    void unwritable() {
        // A folder that cannot hold the file: reported, not ignored.
        QVERIFY(!simconfig::prepare("/dev/null/vantrel-sim.cfg", TestEnv::sampleRelease(),
                                    "/dev/pts/77"));
    }

    // The copy the simulate mode works on: every file of the release byte for byte, except
    // what an earlier copy holds already (a table saved into it); a copy that cannot be made
    // says so.
    void copyRelease() {
        QTemporaryDir root;
        const QString to = simconfig::releaseCopy(root.path());
        QCOMPARE(to, root.path() + "/simulation/sample-release");
        QDir().mkpath(to + "/Filters");
        {
            QFile saved(to + "/Filters/Scal.dat");
            QVERIFY(saved.open(QIODevice::WriteOnly));
            saved.write("gespeichert\r\n");
        }
        const QString from = TestEnv::sampleRelease();
        QCOMPARE(simconfig::copyRelease(from, to), QString());
        int files = 0;
        QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString rel = QDir(from).relativeFilePath(it.next());
            QFile a(it.filePath()), b(to + '/' + rel);
            QVERIFY2(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly), qPrintable(rel));
            QCOMPARE(b.readAll(), rel == "Filters/Scal.dat" ? "gespeichert\r\n" : a.readAll());
            ++files;
        }
        QVERIFY(files >= 10);
        QVERIFY(!simconfig::copyRelease(from, "/dev/null/kopie").isEmpty());
    }

    void fileName() { QCOMPARE(simconfig::fileName(), QStringLiteral("vantrel-sim.cfg")); }

    void findRelease_data() {
        QTest::addColumn<bool>("installed");
        QTest::addColumn<bool>("source");
        QTest::addColumn<QString>("expect"); // "installed", "source" or ""
        QTest::newRow("installed copy first") << true << true << "installed";
        QTest::newRow("source tree when not installed") << false << true << "source";
        QTest::newRow("installed only") << true << false << "installed";
        QTest::newRow("neither") << false << false << "";
    }
    void findRelease() {
        QFETCH(bool, installed);
        QFETCH(bool, source);
        QFETCH(QString, expect);
        QTemporaryDir root;
        QDir(root.path()).mkpath("prefix/bin");
        const QString inst = root.filePath("prefix/share/talvaro-loader/sample-release");
        const QString src = root.filePath("src/data/sample-release");
        if (installed)
            QDir().mkpath(inst);
        if (source)
            QDir().mkpath(src);
        const QString got = simconfig::findRelease(root.filePath("prefix/bin"), src);
        const QString want = expect == "installed" ? inst : expect == "source" ? src : QString();
        QCOMPARE(got, want);
    }
};

QTEST_GUILESS_MAIN(TestSimConfig)
#include "tst_simconfig.moc"
