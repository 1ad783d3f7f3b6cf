// The simulate mode's configuration file: made on first use with profile 1 at the sample
// release, the port set at every start, what the user changed since kept, and a release that
// moved found again. Files are read back line by line, not through the code under test.
#include "app/simconfig.h"
#include "testenv.h"

#include <QDir>
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
        const QString r = TestEnv::sampleRelease();
        Lines fresh = profileAt(r);
        fresh.insert("rs232", "/dev/pts/77");
        fresh.insert("picrs232writetime", "10");
        fresh.insert("dsprs232writetime", "2");
        fresh.insert("veskpfad1", "Pfad von SW fuer HW2");
        QTest::newRow("first start") << false << Lines{} << fresh;

        // The user chose other files and delays since; only the port follows the new line.
        Lines edited = profileAt(r);
        edited["dspcodefilename"] = r + "/Test05.dpk";
        edited["picrs232writetime"] = "3";
        edited["rs232"] = "/dev/pts/1";
        edited["veskpfad1"] = "/home/dl1abc/hw2";
        edited["meinschluessel"] = "wert=mit=gleich";
        Lines editedAfter = edited;
        editedAfter["rs232"] = "/dev/pts/77";
        QTest::newRow("later start keeps the user's changes") << true << edited << editedAfter;

        // Profile 1 names a folder that is gone (the release moved, or a file made by hand):
        // it is pointed at the release again, the other profiles stay.
        Lines moved = profileAt("/nicht/mehr/da");
        moved["veskpfad2"] = "/home/dl1abc/hw3";
        moved["vesknr"] = "2";
        moved["rs232"] = "COM1";
        Lines movedAfter = profileAt(r);
        movedAfter["veskpfad2"] = "/home/dl1abc/hw3";
        movedAfter["rs232"] = "/dev/pts/77";
        QTest::newRow("moved release is found again") << true << moved << movedAfter;

        // An empty file is a first start as well.
        QTest::newRow("empty file") << true << Lines{} << fresh;
    }
    void prepare() {
        QFETCH(bool, exists);
        QFETCH(Lines, before);
        QFETCH(Lines, after);
        const QString path = dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + ".cfg");
        QFile::remove(path);
        if (exists)
            writeLines(path, before);
        QVERIFY(simconfig::prepare(path, TestEnv::sampleRelease(), "/dev/pts/77"));
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
