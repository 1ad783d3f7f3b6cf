// Files the person owns, as both writers treat them (the atomic writer and the streamed
// serial trace): a regular file or a new one is written, anything else is left as it is, at
// once; a FIFO with a reader would take a writer that does not look first.
#include "app/dateischreiben.h"
#include "link/serialtrace.h"
#include "testenv.h"

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
                QVERIFY(alt.open(QIODevice::WriteOnly) && alt.write("alt") == 3);
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
};

QTEST_GUILESS_MAIN(TestDateiSchreiben)
#include "tst_dateischreiben.moc"
