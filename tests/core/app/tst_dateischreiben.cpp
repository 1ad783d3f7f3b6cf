// Files the person owns, as every writer of the program treats them (the atomic writer and
// the streamed serial trace): a regular file or a new one is written, anything else is left
// as it is, at once and without blocking.
#include "app/dateischreiben.h"
#include "link/serialtrace.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

class TestDateiSchreiben : public QObject {
    Q_OBJECT

private slots:
    void ziele_data() {
        QTest::addColumn<QString>("art");
        QTest::addColumn<bool>("geschrieben");
        QTest::newRow("new file") << "neu" << true;
        QTest::newRow("regular file") << "datei" << true;
        QTest::newRow("link to a file") << "link" << true;
        QTest::newRow("dangling link") << "haengend" << false;
        QTest::newRow("folder") << "ordner" << false;
        QTest::newRow("FIFO") << "fifo" << false;
        QTest::newRow("device") << "/dev/null" << false;
    }
    void ziele() {
        QFETCH(QString, art);
        QFETCH(bool, geschrieben);
        for (const bool trace : {false, true}) {
            QTemporaryDir dir;
            const QString ziel = art.startsWith('/') ? art : dir.filePath("ziel");
            const QString dort = dir.filePath("dort");
            if (art == "datei" || art == "link") {
                QFile f(art == "link" ? dort : ziel);
                QVERIFY(f.open(QIODevice::WriteOnly) && f.write("alt") == 3);
            }
            if (art == "link" || art == "haengend")
                QVERIFY(QFile::link(dort, ziel));
            if (art == "ordner")
                QVERIFY(QDir().mkdir(ziel));
            // A reader on the FIFO, so that a writer without the check fails the case
            // instead of blocking the run.
            int leser = -1;
            if (art == "fifo") {
                QCOMPARE(::mkfifo(QFile::encodeName(ziel).constData(), 0600), 0);
                leser = ::open(QFile::encodeName(ziel).constData(), O_RDONLY | O_NONBLOCK);
            }

            QElapsedTimer uhr;
            uhr.start();
            SerialTrace t;
            const bool ok = trace ? t.open(ziel) : dateiSchreiben(ziel, "neu");
            QVERIFY2(uhr.elapsed() < 1000, "the writer blocked");
            if (leser >= 0)
                ::close(leser);
            QCOMPARE(ok, geschrieben);
            QCOMPARE(dateiErsetzbar(ziel), geschrieben);
            t.attach(nullptr);
            t.note("x");
            if (art.startsWith('/'))
                continue;
            const QFileInfo info(ziel);
            // Nothing is made where a dangling link points, and a link stays a link.
            QCOMPARE(QFileInfo::exists(dort), art == "link");
            QCOMPARE(info.isSymLink(), art == "link" || art == "haengend");
            QCOMPARE(info.isDir(), art == "ordner");
            if (geschrieben) {
                QFile f(ziel);
                QVERIFY(f.open(QIODevice::ReadOnly));
                const QByteArray inhalt = f.readAll();
                QVERIFY2(trace ? inhalt.startsWith("# Talvaro serial trace") : inhalt == "neu",
                         inhalt.constData());
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestDateiSchreiben)
#include "tst_dateischreiben.moc"
