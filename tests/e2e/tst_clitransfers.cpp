// talvaro-cli against the simulated set on a pseudo-terminal: every command that uses the
// line, what arrives at the set, the files it leaves, the failures with their exit status and
// texts, SIGINT as the cancel button, the trace and the progress on stderr. Expectations are
// worked out here from the sample files, not asked of the loader's code.
#include "app/vantrel.h"
#include "clitest.h"
#include "download/firmwareseite.h"
#include "parameters/parameterseite.h"
#include "scripteddialogs.h"
#include "sim/simloader.h"
#include "sim/simpic.h"
#include "sim/simtransceiver.h"
#include "testenv.h"

#include <QJsonArray>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include <unistd.h>

namespace {
QString release() {
    return TestEnv::sampleRelease();
}

// One data line of the user parameter file, read the plain way.
struct Zeile {
    int user = 0, nr = 0;
    int ssb[3] = {}, cw[3] = {};
    int min = 0, max = 0;
};

QList<Zeile> userParameters() {
    QList<Zeile> out;
    const QList<QByteArray> lines = fileBytes(release() + "/USER2B2.DPK").split('\n');
    for (qsizetype i = 2; i < lines.size(); ++i) {
        if (lines[i].startsWith("END FILE"))
            break;
        const QList<QByteArray> f = lines[i].split(',');
        if (f.size() < 13)
            continue;
        auto n = [&](int k) { return f[k].trimmed().toInt(); };
        out.append({n(1), n(2), {n(3), n(4), n(5)}, {n(6), n(7), n(8)}, n(9), n(10)});
    }
    return out;
}

using Frames = QList<std::pair<int, int>>;

// The column of mode and bank as the DSP gets it: 255 sends nothing, 254 in Gelb or Rot the
// green value.
Frames parameterFrames(bool cw, int bank) {
    QMap<int, int> werte;
    for (const Zeile& z : userParameters()) {
        if (z.nr < 10 || z.nr > 99)
            continue;
        const int* col = cw ? z.cw : z.ssb;
        int v = col[bank];
        if (v == 255)
            continue;
        if (bank > 0 && v == 254)
            v = col[0];
        werte[z.nr] = v & 0xFF;
    }
    Frames f{{108, 1}};
    for (auto it = werte.begin(); it != werte.end(); ++it)
        f.append({it.key(), it.value()});
    f.append({108, 0});
    return f;
}

// The PIC's parameter block of the user file: nine columns behind 13 "#" and CR, then 8 "#".
// Entries the file does not name hold 255 everywhere but the user digit, 0.
QByteArray parameterBlock() {
    QMap<int, Zeile> z;
    for (const Zeile& e : userParameters())
        z[e.nr] = e;
    QByteArray b;
    for (int block = 0; block < 9; ++block) {
        b += QByteArray(13, '#') + '\r';
        for (int nr = 10; nr < 100; ++nr) {
            int v = block == 8 ? 0 : 255;
            if (z.contains(nr)) {
                const Zeile& e = z[nr];
                const int werte[9] = {e.ssb[0], e.ssb[1], e.ssb[2], e.max,      e.min,
                                      e.cw[0],  e.cw[1],  e.cw[2],  e.user % 10};
                v = werte[block];
            }
            b += char(v);
        }
    }
    return b + QByteArray(8, '#');
}

QByteArray randomBytes(int n, quint32 seed) {
    QRandomGenerator g(seed);
    QByteArray b(n, '\0');
    for (char& c : b)
        c = char(g.bounded(256));
    return b;
}

// A status telegram: 7E 7E, then bytes 1..22 as the DSP numbers them.
QByteArray telegram(const int (&w)[8], int byte3, int sig, int spike, int byte20, int byte21,
                    int byte22) {
    QByteArray t("\x7E\x7E");
    auto word = [&](int v) {
        t += char(v >> 8);
        t += char(v & 0xFF);
    };
    word(w[0]);
    t += char(byte3);
    for (int k = 1; k < 8; ++k)
        word(w[k]);
    t += char(sig);
    t += char(spike);
    t += char(byte20);
    t += char(byte21);
    t += char(byte22);
    return t;
}
} // namespace

class TestCliTransfers : public QObject {
    Q_OBJECT

    TestEnv* env = nullptr;
    QTemporaryDir* tmp = nullptr;
    std::unique_ptr<SimTransceiver> sim;
    std::unique_ptr<SimLoader> loader;
    std::unique_ptr<SimPic> pic;
    QString cfg;
    QByteArray image;     // the sample release's download image
    QByteArray testImage; // and its test firmware's

    // A configuration on the simulator's port, the sample release as profile 1.
    QString configure(const QMap<QString, QString>& extra = {}) {
        QMap<QString, QString> keys = releaseKeys(release());
        keys.insert(QStringLiteral("testfilename"), release() + QStringLiteral("/Test05.dpk"));
        keys.insert(QStringLiteral("rs232"), sim->portPath());
        keys.insert(QStringLiteral("picrs232writetime"), QStringLiteral("0"));
        keys.insert(QStringLiteral("dsprs232writetime"), QStringLiteral("0"));
        keys.insert(QStringLiteral("paramrs232writetime"), QStringLiteral("0"));
        for (auto it = extra.begin(); it != extra.end(); ++it)
            keys.insert(it.key(), it.value());
        return writeConfigFile(tmp->filePath(QStringLiteral("t.cfg")), keys);
    }
    QString file(const QString& name) const { return tmp->filePath(name); }

private slots:
    void initTestCase() {
        env = new TestEnv;
        tmp = new QTemporaryDir;
        QVERIFY(tmp->isValid());
        const QString c = writeConfigFile(file("files.cfg"), releaseKeys(release()));
        QCOMPARE(runCli({"--config", c, "image", file("image.bin")}).exitCode, 0);
        image = fileBytes(file("image.bin"));
        writeConfigFile(c, {{"testfilename", release() + "/Test05.dpk"}});
        QCOMPARE(runCli({"--config", c, "test-image", file("test.bin")}).exitCode, 0);
        testImage = fileBytes(file("test.bin"));
        QVERIFY(image.size() > 1000 && testImage.size() > 100);
    }
    void cleanupTestCase() {
        delete tmp;
        delete env;
    }
    void init() {
        sim = std::make_unique<SimTransceiver>();
        QVERIFY(sim->isValid());
        loader = std::make_unique<SimLoader>(sim.get());
        pic = std::make_unique<SimPic>(sim.get());
        cfg = configure();
    }
    void cleanup() {
        pic.reset();
        loader.reset();
        sim.reset();
    }

    // The whole image into the loader, the parameters after it to the started DSP; the trace
    // holds exactly the bytes the set received.
    void dspDownload() {
        CliProcess p({"--config", cfg, "--json", "--trace", file("dsp.trace"), "dsp-download"});
        QVERIFY(p.waitFinished());
        QCOMPARE(p.exitCode(), 0);
        QVERIFY(loader->started());
        QCOMPARE(loader->image().toHex(' '), image.toHex(' '));
        QVERIFY(loader->checksumOk());
        QVERIFY(loader->errors().isEmpty());
        QVERIFY(sim->waitForFrames(2, 2000));
        QCOMPARE(sim->framePairs(), (Frames{{111, 0}} + parameterFrames(false, 0)));

        const QStringList out = p.outLines();
        QCOMPARE(out.first(), QStringLiteral("Laden DSP-FW direkt"));
        QVERIFY(out.contains(
            QStringLiteral("3. Nach \"POWER ON\" beim Hochlauf die \"Taste 0\" druecken")));
        const qsizetype b = out.indexOf(QStringLiteral("buffer2dsp() Fertig!"));
        QVERIFY(b > 0 && out.indexOf(QStringLiteral("parameter2dsp() Fertig!")) > b);
        QVERIFY(out.contains(QStringLiteral("Checksumme %1")
                                 .arg(int(quint8(image.at(image.size() - 4))) * 256 +
                                      quint8(image.at(image.size() - 3)))));

        // Progress of the stream: rising, ending at the image's size.
        int last = -1;
        QJsonObject final;
        for (const QJsonObject& e : p.events(QStringLiteral("progress"))) {
            if (e.value("label").toString() != QLatin1String("DSP-FW Laden"))
                continue;
            QVERIFY(e.value("value").toInt() >= last);
            last = e.value("value").toInt();
            final = e;
        }
        QCOMPARE(final.value("value").toInt(), int(image.size()));
        QCOMPARE(final.value("percent").toInt(), 100);
        QVERIFY(final.value("last").toBool());
        QCOMPARE(p.result().value("status").toString(), QStringLiteral("done"));

        QByteArray sent;
        for (const QString& l : QString::fromUtf8(fileBytes(file("dsp.trace"))).split('\n'))
            if (l.mid(10, 4) == QLatin1String(" TX "))
                sent += QByteArray::fromHex(l.mid(14).toLatin1());
        QCOMPARE(sent.toHex(), sim->received().toHex());
    }

    // The test firmware alone, paced by the configured DSP delay: no byte of the stream
    // follows the one before sooner than that, and no parameters follow it.
    void testDownloadPaced() {
        cfg = configure({{"dsprs232writetime", "3"}});
        const CliRun r = runCli({"--config", cfg, "--trace", file("test.trace"), "test-download"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(loader->image(), testImage);
        QVERIFY(loader->checksumOk());
        QCOMPARE(sim->framePairs(), (Frames{{111, 0}}));
        QVERIFY(r.outLines.contains(QStringLiteral("buffer2dsp() Fertig!")));
        QVERIFY(!r.out.contains("parameter2dsp"));
        // Human progress on stderr, a line at a time when stderr is not a terminal.
        QVERIFY2(r.err.contains(QStringLiteral("DSP-FW Laden: 100% %1/%1 Bytes")
                                    .arg(testImage.size())
                                    .toLocal8Bit()),
                 r.err.constData());

        QList<double> times;
        for (const QString& l : QString::fromUtf8(fileBytes(file("test.trace"))).split('\n'))
            if (l.mid(10, 4) == QLatin1String(" TX "))
                times.append(l.left(10).trimmed().toDouble());
        QCOMPARE(times.size(), int(sim->received().size()));
        // The frame before the stream goes at the parameter delay, 0 here. A stamp is taken
        // once its byte is handed over, so a slow hand-over may shorten the gap after it;
        // the pace itself shows in the median.
        QList<double> gaps;
        for (qsizetype i = 4; i < times.size(); ++i)
            gaps.append(times[i] - times[i - 1]);
        std::sort(gaps.begin(), gaps.end());
        const double median = gaps.at(gaps.size() / 2);
        QVERIFY2(median >= 2.95 && median < 4.0, qPrintable(QString::number(median)));
    }

    void quietMeansNoProgress() {
        const CliRun r = runCli({"--config", cfg, "--quiet", "test-download"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(!r.err.contains("DSP-FW Laden"));
        QVERIFY(r.outLines.contains(QStringLiteral("buffer2dsp() Fertig!")));
    }

    void picDownload_data() {
        QTest::addColumn<bool>("paramsOnly");
        QTest::newRow("image and block") << false;
        QTest::newRow("block only") << true;
    }
    void picDownload() {
        QFETCH(bool, paramsOnly);
        pic->key(paramsOnly ? QLatin1Char('1') : QLatin1Char('#'));
        QStringList args{"--config", cfg, "--trace", file("pic.trace"), "pic-download"};
        if (paramsOnly)
            args << "--params-only";
        const CliRun r = runCli(args);
        QCOMPARE(r.exitCode, 0);
        // The trace has every answer the set gave, but perhaps the echo of the block's last
        // byte, which nobody waits for.
        QByteArray answers;
        for (const QString& l : QString::fromUtf8(fileBytes(file("pic.trace"))).split('\n'))
            if (l.mid(10, 4) == QLatin1String(" RX "))
                answers += QByteArray::fromHex(l.mid(14).toLatin1());
        QVERIFY(sim->sentBytes().startsWith(answers));
        QVERIFY(sim->sentBytes().size() - answers.size() <= 1);
        QVERIFY(answers.size() >= 943);
        QVERIFY(pic->errors().isEmpty());
        QCOMPARE(pic->imageBytes(), paramsOnly ? 0 : int(image.size()));
        if (!paramsOnly)
            QCOMPARE(pic->eeprom().left(image.size()), image);
        QCOMPARE(pic->parameterBlock().toHex(' '), parameterBlock().toHex(' '));
        QCOMPARE(r.outLines.first(), paramsOnly
                                         ? QStringLiteral("Laden Parameter in PIC ext. Eeprom")
                                         : QStringLiteral("Laden DSP-FW in PIC ext. Eeprom"));
        QCOMPARE(r.outLines.contains(QStringLiteral("buffer2pic_alt() Fertig!")), !paramsOnly);
        QCOMPARE(r.outLines.last(), QStringLiteral("parameter2pic_alt() Fertig!"));
    }

    void picFailures_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("paramsOnly");
        QTest::addColumn<QString>("text"); // the box text, %1 and %2 the bytes at 0x2A
        QTest::newRow("no sync") << "sync" << false
                                 << "Keine Syncronisation!!!<br>\"x\" an PIC gesendet<br>\"z\" vom "
                                    "PIC empfangen.";
        QTest::newRow("wrong echo in image") << "echo" << false << "Adresse 002a File:%1 Pic:%2";
        QTest::newRow("wrong echo in block")
            << "echo" << true << "Byte-Nr:002A zum Pic gesendet:%1Antwort vom Pic:%2";
        QTest::newRow("line drops")
            << "drop" << false << "Die Verbindung zum Talvaro ist unterbrochen!";
    }
    // Exit 1 with the window's box text on stderr (as plain text) and in the log, and after a
    // failed image no parameter block.
    void picFailures() {
        QFETCH(QString, fault);
        QFETCH(bool, paramsOnly);
        QFETCH(QString, text);
        if (fault == QLatin1String("sync"))
            pic->setSyncLetter('z');
        else if (fault == QLatin1String("echo"))
            pic->setWrongEcho(0x2A);
        else
            pic->setDropAfter(100);
        pic->key(paramsOnly ? QLatin1Char('1') : QLatin1Char('#'));
        // The byte at 0x2A comes back with its lowest bit flipped: lower-case hex in the
        // image's box, upper-case in the block's.
        const quint8 sent = quint8(paramsOnly ? parameterBlock().at(0x2A) : image.at(0x2A));
        if (text.contains(QLatin1String("%1"))) {
            QString a = QString::number(sent, 16);
            QString b = QString::number(sent ^ 1, 16);
            if (paramsOnly) {
                a = a.toUpper();
                b = b.toUpper();
            }
            text = text.arg(a, b);
        }
        QStringList args{"--config", cfg, "pic-download"};
        if (paramsOnly)
            args << "--params-only";
        const CliRun r = runCli(args);
        QVERIFY2(r.exitCode == 1, (r.out + r.err).constData());
        // No raw <br> on a terminal, in the log on stdout nor in the box on stderr.
        QString plain = text;
        plain.replace(QLatin1String("<br>"), QLatin1String("\n"));
        QVERIFY2(QString::fromLocal8Bit(r.out).contains(plain), r.out.constData());
        QVERIFY2(QString::fromLocal8Bit(r.err).contains(plain), r.err.constData());
        if (!paramsOnly) {
            QVERIFY(pic->parameterBlock().isEmpty());
            QVERIFY(!r.out.contains("parameter2pic_alt"));
        }
    }

    // A set that stops answering keeps the transfer waiting until SIGINT, which ends it as
    // the cancel button does.
    void picSilenceInterrupted() {
        pic->setSilentAfter(60);
        pic->key(QLatin1Char('#'));
        CliProcess p({"--config", cfg, "--json", "pic-download"});
        QVERIFY(pumpUntil([&] { return sim->received().size() >= 60; }, 10000));
        QTest::qWait(300);
        p.interrupt();
        QVERIFY(p.waitFinished(10000));
        QCOMPARE(p.exitCode(), 1);
        QCOMPARE(p.result().value("status").toString(), QStringLiteral("canceled"));
        // Seven "#" and "x" of the handshake, then the image bytes that got their echo.
        const int imageBytes = int(sim->received().size()) - 8;
        QVERIFY2(p.outLines().contains(QStringLiteral("Abgebrochen nach %1 von %2 Bytes")
                                           .arg(imageBytes)
                                           .arg(image.size())),
                 p.out().constData());
        QVERIFY(pic->parameterBlock().isEmpty());
    }

    void eepromBackup() {
        pic->eeprom() = randomBytes(SimPic::eepromSize, 997);
        const QString out = file("backup.bin");
        QFile::remove(out);
        CliProcess p({"--config", cfg, "--json", "eeprom-backup", out});
        QVERIFY(p.waitEvent(QStringLiteral("line")));
        pic->function(997);
        QVERIFY(p.waitFinished());
        QCOMPARE(p.exitCode(), 0);
        QVERIFY(fileBytes(out) == pic->eeprom());
        QCOMPARE(
            p.outLines().last(),
            QStringLiteral("Eeprom-Sicherung: 65536 Bytes in Datei \"%1\" gespeichert").arg(out));
        QVERIFY(!QFile::exists(out + ".partial"));
    }

    // Started with stdout and stderr closed (from a cron job, say), the backup still runs to
    // its end: nothing the program opens takes the place of a standard stream.
    void eepromBackupWithoutStreams() {
        pic->eeprom() = randomBytes(SimPic::eepromSize, 11);
        const QString out = file("ohne.bin");
        const QString trace = file("ohne.trace");
        QFile::remove(out);
        QProcess p;
        p.setChildProcessModifier([] {
            ::close(1);
            ::close(2);
            for (int fd = 3; fd < 1024; ++fd)
                ::fcntl(fd, F_SETFD, FD_CLOEXEC);
        });
        p.start(TALVARO_CLI_PATH, {"--config", cfg, "--trace", trace, "eeprom-backup", out});
        // The trace names the port once it is open; until the run ends it is written beside
        // its name.
        QVERIFY(pumpUntil([&] { return traceBisher(trace).contains("# port /"); }, 20000));
        QTest::qWait(200);
        pic->function(997);
        QVERIFY(pumpUntil([&] { return p.state() == QProcess::NotRunning; }, 30000));
        QCOMPARE(p.exitCode(), 0);
        QVERIFY(fileBytes(out) == pic->eeprom());
        QVERIFY(fileBytes(trace).contains("# port /") && traceBisher(trace).isEmpty());
    }

    void eepromBackupInterrupted_data() {
        QTest::addColumn<bool>("sending");
        QTest::addColumn<bool>("killed"); // SIGKILL in place of Ctrl-C
        QTest::newRow("while the dump comes") << true << false;
        QTest::newRow("before anything came") << false << false;
        QTest::newRow("killed while the dump comes") << true << true;
    }
    // What arrived is kept as OUT.partial and said so; the file the user named, an older
    // backup here, is not touched.
    void eepromBackupInterrupted() {
        QFETCH(bool, sending);
        QFETCH(bool, killed);
        pic->eeprom() = randomBytes(SimPic::eepromSize, 42);
        pic->setSendRate(64, 10);
        const QString out = file("older.bin");
        QFile f(out);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("older backup") == 12);
        f.close();
        // A partial of an earlier run: nothing received keeps it.
        QFile g(out + ".partial");
        QVERIFY(g.open(QIODevice::WriteOnly | QIODevice::Truncate) && g.write("earlier") == 7);
        g.close();
        CliProcess p({"--config", cfg, "--json", "eeprom-backup", out});
        QVERIFY(p.waitEvent(QStringLiteral("line")));
        if (sending) {
            pic->function(997);
            QVERIFY(p.waitEvent(QStringLiteral("progress"), 20000, [](const QJsonObject& e) {
                return e.value("value").toInt() >= 1000;
            }));
        } else {
            QTest::qWait(300);
        }
        if (killed) {
            // What arrived so far is in the file the dump streams into, beside the others.
            p.killHard();
            QVERIFY(p.waitFinished(10000));
            const QFileInfoList strom = QDir(tmp->path()).entryInfoList({"older.bin.*.partial"});
            const QByteArray da = strom.size() == 1 ? fileBytes(strom[0].filePath()) : "";
            QVERIFY(da.size() >= 1000 && da == pic->eeprom().left(da.size()));
            QCOMPARE(fileBytes(out) + fileBytes(out + ".partial"),
                     QByteArray("older backupearlier"));
            return;
        }
        p.interrupt();
        QVERIFY(p.waitFinished(10000));
        QCOMPARE(p.exitCode(), 1);
        const QJsonObject r = p.result();
        QCOMPARE(r.value("status").toString(), QStringLiteral("canceled"));
        const int n = r.value("bytes").toInt();
        QVERIFY(sending ? n >= 1000 && n < SimPic::eepromSize : n == 0);
        QCOMPARE(fileBytes(out), QByteArray("older backup"));
        QCOMPARE(r.value("partial").toBool(), sending);
        if (!sending) {
            QCOMPARE(fileBytes(out + ".partial"), QByteArray("earlier"));
            QCOMPARE(
                p.outLines().last(),
                QStringLiteral("Eeprom-Sicherung: nichts empfangen - keine Datei geschrieben"));
            return;
        }
        QVERIFY(fileBytes(out + ".partial") == pic->eeprom().left(n));
        QCOMPARE(QFileInfo(out + ".partial").size(), qint64(n));
        QCOMPARE(p.outLines().last(),
                 QStringLiteral("Eeprom-Sicherung unvollstaendig: Datei \"%1.partial\" enthaelt "
                                "%2 von 65536 Bytes")
                     .arg(out)
                     .arg(n));
    }

    // A line that drops mid-dump is a failure: exit 1, the named file is not written, what
    // arrived is kept beside it.
    void eepromBackupLineDrops() {
        pic->setSendRate(64, 10);
        const QString out = file("dropped.bin");
        QFile::remove(out);
        CliProcess p({"--config", cfg, "--json", "eeprom-backup", out});
        QVERIFY(p.waitEvent(QStringLiteral("line")));
        pic->function(997);
        // The line drops once the program has taken part of the dump, whatever the timing.
        QVERIFY(p.waitEvent(QStringLiteral("progress"), 20000,
                            [](const QJsonObject& e) { return e.value("value").toInt() >= 1000; }));
        const int gesendet = pic->sentBytes();
        sim->hangUp();
        QVERIFY(p.waitFinished(20000));
        QCOMPARE(p.exitCode(), 1);
        QCOMPARE(p.result().value("text").toString(),
                 QStringLiteral("Die Verbindung zum Talvaro ist unterbrochen!"));
        // What still stood in the line when it dropped is gone with it.
        const int got = p.result().value("bytes").toInt();
        QVERIFY2(got >= 1000 && got <= gesendet,
                 qPrintable(QStringLiteral("%1 of %2").arg(got).arg(gesendet)));
        QVERIFY(!QFile::exists(out));
        QCOMPARE(QFileInfo(out + ".partial").size(), qint64(got));
    }

    void eepromRestore_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("3000 bytes") << 3000;
        QTest::newRow("empty file") << 0;
        QTest::newRow("larger than the EEPROM") << 65537;
    }
    void eepromRestore() {
        QFETCH(int, size);
        const QByteArray data = randomBytes(size, 996);
        const QString in = file("restore.bin");
        QFile f(in);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(data);
        f.close();
        pic->function(996);
        const CliRun r = runCli({"--config", cfg, "eeprom-restore", in});
        // An empty file and one larger than the EEPROM are refused before the line is
        // touched; a short one is said.
        if (size == 0 || size > 65536) {
            QCOMPARE(r.exitCode, 2);
            QCOMPARE(pic->syncBytes(), 0);
            return;
        }
        QVERIFY(r.err.contains("Warnung: Datei"));
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(pic->syncBytes(), 8);
        QCOMPARE(pic->dataBytes(), size);
        QVERIFY(pic->eeprom().left(size) == data);
        QCOMPARE(r.outLines.last(),
                 QStringLiteral("Eeprom-Wiederherstellung: %1 Bytes aus Datei \"%2\" gesendet")
                     .arg(size)
                     .arg(in));
    }

    // Twenty backups whose names say 2099 (a clock set back, a folder from another PC), then
    // two restores with a backup first: one after the other in the same second, or at once on
    // two ports. Each run's backup stays and holds its set's EEPROM; only old files go, and
    // the history lists them all.
    void backupsHold_data() {
        QTest::addColumn<bool>("gleichzeitig");
        QTest::newRow("one after the other") << false;
        QTest::newRow("at once on two ports") << true;
    }
    void backupsHold() {
        QFETCH(bool, gleichzeitig);
        QDir ordner(env->home() + QStringLiteral("/vantrel/sicherungen"));
        ordner.removeRecursively();
        QVERIFY(QDir().mkpath(ordner.path()));
        for (int i = 0; i < 20; ++i) {
            QFile f(ordner.filePath(QString::asprintf("eeprom-HW1-20991231-%06d.bin", i)));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(randomBytes(65536, 100 + i)) == 65536);
        }
        const QString in = file("r.bin");
        QFile r(in);
        QVERIFY(r.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                r.write(randomBytes(2048, 5)) == 2048);
        r.close();
        QFile::remove(file("eins.cfg"));
        QVERIFY(QFile::copy(configure(), file("eins.cfg")));
        SimTransceiver zweitSim;
        SimPic zweitPic(&zweitSim);
        const QString cfgs[2] = {file("eins.cfg"), configure({{"rs232", zweitSim.portPath()}})};
        SimPic* pics[2] = {pic.get(), &zweitPic};
        QByteArray vorher[2];
        std::unique_ptr<CliProcess> p[2];
        bool gestartet[2][2] = {};
        for (int k = 0; k < 2; ++k) {
            vorher[k] = randomBytes(65536, 60 + k);
            pics[k]->eeprom() = vorher[k];
        }
        const auto laufen = [&](int k) {
            p[k] = std::make_unique<CliProcess>(
                QStringList{"--config", cfgs[k], "--json", "eeprom-restore", in, "--backup-first"});
        };
        // The person at each set: 997 once the line is open, 996 once the dump is out (before
        // the restore's first byte arrives).
        const auto ende = [&](int k) {
            for (int j = 0; j < 2; ++j) {
                if (!p[j])
                    continue;
                if (!gestartet[j][0] && !p[j]->events(QStringLiteral("line")).isEmpty())
                    gestartet[j][0] = pics[j]->function(997);
                if (gestartet[j][0] && !gestartet[j][1] && pics[j]->sentBytes() >= 65536)
                    gestartet[j][1] = pics[j]->function(996);
            }
            return p[k]->waitFinished(0);
        };
        laufen(0);
        if (gleichzeitig)
            laufen(1);
        QVERIFY(pumpUntil([&] { return ende(0) && (!gleichzeitig || ende(1)); }, 120000));
        if (!gleichzeitig) {
            laufen(1);
            QVERIFY(pumpUntil([&] { return ende(1); }, 120000));
        }
        for (int k = 0; k < 2; ++k) {
            QCOMPARE(p[k]->exitCode(), 0);
            const QString backup = p[k]->result().value("backup").toString();
            QVERIFY2(fileBytes(backup) == vorher[k], qPrintable(backup));
        }
        QCOMPARE(ordner.entryList({"eeprom-HW1-2099*"}, QDir::Files).size(), 18);
        const CliRun h = runCli({"--config", cfgs[1], "--json", "history"});
        QCOMPARE(h.exitCode, 0);
        const QJsonArray liste = QJsonDocument::fromJson(h.out).array();
        QCOMPARE(liste.size(), 22);
        int da = 0, eigene = 0;
        for (const QJsonValue& v : liste) {
            da += v["present"].toBool() ? 1 : 0;
            eigene += v["origin"] == "before-restore" && v["present"].toBool() ? 1 : 0;
        }
        QCOMPARE(da, 20);
        QCOMPARE(eigene, 2);
    }

    void nothingSentWithoutItsFile_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("missing");
        QTest::newRow("restore") << QStringList{"eeprom-restore", "fehlt.bin"} << "fehlt.bin";
        QTest::newRow("params-send")
            << QStringList{"params-send", "--mode", "ssb", "--bank", "rot"} << "USER2B2.DPK";
        QTest::newRow("params-readback")
            << QStringList{"params-readback", "x.dpk"} << "USER2B2.DPK";
        QTest::newRow("eq-send") << QStringList{"eq-send", "tx"} << "TxEQ.dat";
        QTest::newRow("dsp-download") << QStringList{"dsp-download"} << "VESK2b1x.dpk";
        QTest::newRow("pic-download") << QStringList{"pic-download"} << "USER2B2.DPK";
    }
    // A file of the command that cannot be read: exit 2, its name in the window's text, and
    // not one byte on the line.
    void nothingSentWithoutItsFile() {
        QFETCH(QStringList, args);
        QFETCH(QString, missing);
        QMap<QString, QString> keys;
        for (const auto& [k, v] : releaseKeys(release()).asKeyValueRange())
            keys.insert(k, v.endsWith(missing) ? file("nowhere/") + missing : v);
        cfg = configure(keys);
        pic->function(996);
        const CliRun r = runCli(QStringList{"--config", cfg} + args, tmp->path());
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains(missing.toLocal8Bit() + "\" nicht gefunden!"), r.err.constData());
        QTest::qWait(50);
        sim->poll();
        QVERIFY(sim->received().isEmpty());
        QVERIFY(!QFile::exists(file("x.dpk")));
    }

    void paramsSend_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("bank");
        QTest::addColumn<bool>("cw");
        QTest::addColumn<int>("column");
        QTest::newRow("ssb gruen") << "ssb"
                                   << "gruen" << false << 0;
        QTest::newRow("ssb gelb") << "SSB"
                                  << "gelb" << false << 1;
        QTest::newRow("cw rot") << "cw"
                                << "rot" << true << 2;
    }
    void paramsSend() {
        QFETCH(QString, mode);
        QFETCH(QString, bank);
        QFETCH(bool, cw);
        QFETCH(int, column);
        const CliRun r = runCli({"--config", cfg, "params-send", "--mode", mode, "--bank", bank});
        QCOMPARE(r.exitCode, 0);
        const Frames expected = parameterFrames(cw, column);
        QVERIFY(sim->waitForFrames(int(expected.size()), 2000));
        QCOMPARE(sim->framePairs(), expected);
        QCOMPARE(r.outLines.last(), QStringLiteral("parameter2dsp() Fertig!"));
    }

    // The read-back writes the file the window writes with its read-back and its save.
    void paramsReadbackMatchesWindow() {
        // Every value a byte of its own, so that a block in the wrong place shows.
        QByteArray area(SimPic::parameterAreaSize, char(0x5A));
        for (int k = 0; k < 810; ++k)
            area[k] = char((k * 7 + 3) % 256);
        area[720] = 7; // user digit of parameter 10
        area[809] = 4; // and of 99
        pic->eeprom().replace(SimPic::parameterArea, area.size(), area);

        QByteArray expected;
        {
            ScriptedDialogs dialogs;
            QStringList lines{QStringLiteral("rs232=") + sim->portPath()};
            for (const auto& [k, v] : releaseKeys(release()).asKeyValueRange())
                lines << k + QLatin1Char('=') + v;
            env->writeConfig(lines);
            vantrel w;
            QVERIFY(w.geraet()->rs232offen());
            QTimer::singleShot(300, pic.get(), [this] { pic->function(995); });
            w.firmwareseite()->clickparam2pc();
            QVERIFY(w.geraet()->paramGeladen());
            dialogs.fileAnswers << file("window.dpk");
            w.parameterseite()->clickparamsave();
            expected = fileBytes(file("window.dpk"));
            w.close();
        }
        QVERIFY(expected.size() > 1000);

        const QString out = file("cli.dpk");
        CliProcess p({"--config", cfg, "--json", "params-readback", out});
        QVERIFY(p.waitEvent(QStringLiteral("line")));
        QTest::qWait(300);
        pic->function(995);
        QVERIFY(p.waitFinished());
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(fileBytes(out), expected);
        const QStringList log = p.outLines();
        const qsizetype start = log.indexOf(QStringLiteral("Parameter vom Vesk lesen"));
        QVERIFY(start > 0);
        QCOMPARE(log.mid(start + 2, 2),
                 (QStringList{QStringLiteral("Fertig"),
                              QStringLiteral("---------------------------------")}));
        // Read back here the plain way: 99 carries user 94, 11 the SSB green byte at offset 1.
        int seen = 0;
        for (const QByteArray& line : fileBytes(out).split('\n')) {
            const QList<QByteArray> f = line.split(',');
            if (f.size() < 13)
                continue;
            if (f[2].trimmed() == "99") {
                QCOMPARE(f[1].trimmed().toInt(), 94);
                ++seen;
            }
            if (f[2].trimmed() == "11") {
                QCOMPARE(f[3].trimmed().toInt(), 10);
                ++seen;
            }
        }
        QCOMPARE(seen, 2);
    }

    // SIGINT in the middle of a parameter block: the block runs to its (108, 0), and the run
    // still did not end as asked (exit 1).
    void paramsSendInterrupted() {
        cfg = configure({{QStringLiteral("paramrs232writetime"), QStringLiteral("3")}});
        CliProcess p(
            {"--config", cfg, "--json", "params-send", "--mode", "ssb", "--bank", "gruen"});
        QVERIFY(sim->waitForFrames(10, 10000));
        p.interrupt();
        QVERIFY(p.waitFinished(10000));
        QCOMPARE(p.exitCode(), 1);
        QCOMPARE(p.result().value("status").toString(), QStringLiteral("canceled"));
        QCOMPARE(p.result().value("text").toString(),
                 QStringLiteral("Der Lauf wurde unterbrochen."));
        QVERIFY(sim->waitForFrames(int(parameterFrames(false, 0).size()), 2000));
        QCOMPARE(sim->framePairs(), parameterFrames(false, 0));
    }

    // A second signal, of another kind than the first (a stop after Ctrl-C), ends the run at
    // once, block or not.
    void secondSignalEndsAtOnce() {
        cfg = configure({{QStringLiteral("paramrs232writetime"), QStringLiteral("50")}});
        CliProcess p({"--config", cfg, "params-send", "--mode", "ssb", "--bank", "gruen"});
        QVERIFY(sim->waitForFrames(2, 10000));
        p.interrupt();
        QTest::qWait(100);
        p.signal(SIGTERM);
        QVERIFY(p.waitFinished(2000));
        QCOMPARE(p.exitCode(), -1);
    }

    // SIGINT while the set has not sent: exit 1, and no file at all.
    void paramsReadbackInterrupted() {
        const QString out = file("never.dpk");
        QFile::remove(out);
        CliProcess p({"--config", cfg, "--json", "params-readback", out});
        QVERIFY(p.waitEvent(QStringLiteral("line")));
        QTest::qWait(200);
        p.interrupt();
        QVERIFY(p.waitFinished(10000));
        QCOMPARE(p.exitCode(), 1);
        QCOMPARE(p.result().value("status").toString(), QStringLiteral("canceled"));
        QVERIFY(!QFile::exists(out));
        QVERIFY(!p.out().contains("Fertig"));
    }

    void eqSend_data() {
        QTest::addColumn<QString>("side");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<Frames>("expected");
        // Band k at code table entry k % 14; six digits, any case.
        QByteArray full;
        Frames bands;
        const char* codes[14] = {"7FFF00", "721500", "65ad00", "5A9E00", "50C300",
                                 "47FB00", "402700", "392D00", "32F500", "2D6B00",
                                 "287A00", "241300", "202700", "000000"};
        for (int k = 0; k < 31; ++k) {
            full += QByteArray(codes[k % 14]) + "\r\n";
            const int code = QByteArray(codes[k % 14]).toInt(nullptr, 16);
            bands << std::pair{110, code >> 16} << std::pair{112, (code >> 8) & 0xFF};
        }
        QTest::newRow("rx") << "rx" << full
                            << (Frames{{24, 1}, {109, 0}} + bands + Frames{{113, 0}});
        QTest::newRow("tx") << "TX" << full
                            << (Frames{{95, 1}, {109, 1}} + bands + Frames{{113, 1}});
        // Two lines: the other 29 bands stay at 0 dB; a code outside the table reads as 0 dB.
        Frames shortBands{{110, 0x00}, {112, 0x00}, {110, 0x7F}, {112, 0xFF}};
        for (int k = 2; k < 31; ++k)
            shortBands << std::pair{110, 0x7F} << std::pair{112, 0xFF};
        QTest::newRow("short file") << "rx" << QByteArray("0\r\n123456\r\n")
                                    << (Frames{{24, 1}, {109, 0}} + shortBands + Frames{{113, 0}});
    }
    void eqSend() {
        QFETCH(QString, side);
        QFETCH(QByteArray, content);
        QFETCH(Frames, expected);
        const QString eq = file("eq.dat");
        QFile f(eq);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
        f.close();
        cfg = configure({{"rxeqfilename", eq}, {"txeqfilename", eq}});
        const CliRun r = runCli({"--config", cfg, "eq-send", side});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(sim->waitForFrames(int(expected.size()), 2000));
        QCOMPARE(sim->framePairs(), expected);
    }

    void command_data() {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("v");
        QTest::newRow("52 2") << "52"
                              << "2" << 52 << 2;
        QTest::newRow("low 8 bits") << "256"
                                    << "-1" << 0 << 255;
        QTest::newRow("300 and 0") << "300"
                                   << "0" << 44 << 0;
    }
    void command() {
        QFETCH(QString, number);
        QFETCH(QString, value);
        QFETCH(int, n);
        QFETCH(int, v);
        const CliRun r = runCli({"--config", cfg, "command", number, value});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(sim->waitForBytes(3, 2000));
        QCOMPARE(sim->received(), QByteArray("\x7E") + char(n) + char(v));
    }

    void portMissing() {
        const CliRun r =
            runCli({"--config", cfg, "--port", "/dev/talvaro-none", "command", "1", "1"});
        QCOMPARE(r.exitCode, 1);
        QVERIFY(r.err.contains("Die RS232 ist nicht offen!"));
        QVERIFY(r.err.contains("/dev/talvaro-none"));
    }

    // The monitor prints each telegram's record and switches the telegrams off with (52, 2)
    // undone by (52, 1). The set sends the next telegram once the last one is printed, each
    // with two bytes after it, so that every poll finds exactly one whole telegram.
    void monitor() {
        // AD603 table: entry 2 is the first to reach DAC step 2, entry 3 step 5.
        const QString ad603 = file("ad603.dat");
        QFile f(ad603);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("000000\r\n000100\r\n000300\r\n000600\r\n002000\r\n");
        f.close();
        cfg = configure({{"ad603filename", ad603}});
        const int w[8] = {0x8000, 1, 2, 0x0800, 4, 5, 6, 0xFFFF};
        const QList<QByteArray> telegrams{
            telegram(w, 0x45, 33, 1, 0x31, 0xFF, 50),  // receiving, hang, DAC 5, S9
            telegram(w, 0x85, 20, 0, 0x07, 0xFF, 100), // transmitting: VOGAD, AGC kept
            telegram(w, 0x02, 7, 0, 0x00, 0x03, 110),  // receiving again, AGC limited
        };
        bool on = false;
        connect(sim.get(), &SimTransceiver::frameReceived, this, [&](const SimFrame& fr) {
            if (fr.number == 52 && fr.value == 2)
                on = true;
        });
        CliProcess p({"--config", cfg, "monitor", "--count", "3"});
        QVERIFY(pumpUntil([&] { return on; }, 10000));
        // Past the flush that follows the switch.
        QTest::qWait(300);
        for (int k = 0; k < 3; ++k) {
            sim->send(telegrams[k] + QByteArray(2, '\0'));
            QVERIFY(pumpUntil([&] { return p.out().count('\n') > k; }, 5000));
        }
        QVERIFY(p.waitFinished(10000));
        QCOMPARE(p.exitCode(), 0);
        const QString words = QStringLiteral("32768\t1\t2\t2048\t4\t5\t6\t65535\t");
        QCOMPARE(p.outLines(), (QStringList{words + "33\t1\t3\t50\t1\t1\t9\t58\t2\t5\t22\t0",
                                            words + "20\t0\t0\t100\t0\t0\t11\t58\t2\t0\t22\t36",
                                            words + "7\t0\t0\t110\t1\t0\t2\t61\t1\t0\t72\t36"}));
        QVERIFY(sim->waitForFrames(2, 2000));
        QCOMPARE(sim->framePairs().first(), std::pair(52, 2));
        QCOMPARE(sim->framePairs().last(), std::pair(52, 1));
    }

    void monitorEnded_data() {
        QTest::addColumn<QStringList>("count");
        QTest::addColumn<bool>("pipe"); // the reader goes away instead of a SIGINT
        QTest::addColumn<int>("exitCode");
        QTest::newRow("Ctrl-C") << QStringList{} << false << 0;
        QTest::newRow("Ctrl-C, fewer than asked") << QStringList{"--count", "1000"} << false << 1;
        QTest::newRow("reader gone") << QStringList{} << true << 1;
    }
    // Ctrl-C, or a reader of stdout that has gone away (a failure: the telegrams are lost),
    // ends the monitor; the telegrams are switched off in every case.
    void monitorEnded() {
        QFETCH(QStringList, count);
        QFETCH(bool, pipe);
        QFETCH(int, exitCode);
        const int w[8] = {1, 2, 3, 4, 5, 6, 7, 8};
        QTimer sender;
        connect(&sender, &QTimer::timeout, this,
                [&] { sim->send(telegram(w, 0, 0, 0, 0, 0, 28) + QByteArray(2, '\0')); });
        sender.start(100);
        // "| head -n 1" in a shell that hands on the monitor's own exit status.
        const QString piped = QStringLiteral("'%1' --config '%2' monitor | head -n 1; "
                                             "exit ${PIPESTATUS[0]}")
                                  .arg(QStringLiteral(TALVARO_CLI_PATH), cfg);
        CliProcess p(pipe ? QStringList{"-c", piped}
                          : QStringList{"--config", cfg, "monitor"} + count,
                     pipe ? QStringLiteral("/bin/bash") : QStringLiteral(TALVARO_CLI_PATH));
        QVERIFY(pumpUntil([&] { return p.out().count('\n') >= 1; }, 10000));
        if (!pipe)
            p.interrupt();
        QVERIFY(p.waitFinished(10000));
        sender.stop();
        QCOMPARE(p.exitCode(), exitCode);
        QVERIFY(sim->waitForFrames(2, 2000));
        QCOMPARE(sim->framePairs().last(), std::pair(52, 1));
    }
};

QTEST_MAIN(TestCliTransfers)
#include "tst_clitransfers.moc"
