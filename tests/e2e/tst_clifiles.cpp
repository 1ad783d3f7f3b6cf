// talvaro-cli without a set: the command line itself, the configuration and its profiles,
// the download images against the window's own load of the same profile, and every file that
// can be missing or unwritable. Last, the loader's --trace against the simulated set.
#include "app/vantrel.h"
#include "clitest.h"
#include "download/firmwareseite.h"
#include "fensterteil.h"
#include "sim/simtransceiver.h"
#include "testenv.h"
#include "windowground.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QString release() {
    return TestEnv::sampleRelease();
}

// A copy of the sample release that a test may change.
QString copyRelease(const QString& to) {
    QDirIterator it(release(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        const QString target = to + from.mid(release().size());
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(from, target);
    }
    return to;
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}
} // namespace

class TestCliFiles : public QObject, private WindowGround {
    Q_OBJECT

    QTemporaryDir* tmp = nullptr;
    QString other; // a second release whose filter list differs from the sample's

    // ~/vantrel/vantrel.cfg: profile 1 the sample release, profile 2 the changed copy,
    // profile 3 the sample release once more, the current profile vesknr.
    void configureHome(int vesknr) {
        QMap<QString, QString> keys = releaseKeys(release());
        keys.insert(releaseKeys(other, QStringLiteral("1")));
        keys.insert(releaseKeys(release(), QStringLiteral("2")));
        keys.insert(QStringLiteral("testfilename"), release() + QStringLiteral("/Test05.dpk"));
        keys.insert(QStringLiteral("rs232"), QStringLiteral("/dev/talvaro-test-none"));
        keys.insert(QStringLiteral("vesknr"), QString::number(vesknr));
        QDir(env->configDir()).removeRecursively();
        writeConfigFile(env->configDir() + QStringLiteral("/vantrel.cfg"), keys);
    }

private slots:
    void initTestCase() {
        beginCase();
        tmp = new QTemporaryDir;
        QVERIFY(tmp->isValid());
        other = copyRelease(tmp->filePath(QStringLiteral("other")));
        // Two filters in another order: another image and another checksum.
        QVERIFY(writeBytes(other + QStringLiteral("/Filters/filters.dpk"),
                           "hp300.dat ,x, 1200\r\nbp2k4.dat ,x, 1000\r\n"));
    }
    void cleanupTestCase() {
        delete tmp;
        endCase();
    }

    // A write that cannot be finished, or a target that is not a file, keeps what was there
    // and says so: exit 2.
    void nothingLostOnWrite_data() {
        QTest::addColumn<QString>("ziel");
        QTest::newRow("full disk") << "voll.bin";
        QTest::newRow("a directory") << "ordner";
        QTest::newRow("a FIFO") << "fifo";
        // The trace of a command that reads the file: it would overwrite what is compared.
        QTest::newRow("trace onto the file read") << "spur.bin";
        // The trace where a cut dump would be kept.
        QTest::newRow("trace onto the partial backup") << "teil.bin";
    }
    void nothingLostOnWrite() {
        QFETCH(QString, ziel);
        configureHome(0);
        const QString out = tmp->filePath(ziel);
        QFile::remove(out);
        if (ziel == "ordner")
            QVERIFY(QDir().mkpath(out));
        else if (ziel == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(out).constData(), 0600), 0);
        else
            QVERIFY(writeBytes(out, "the older image"));
        QProcess p;
        p.setWorkingDirectory(tmp->path());
        // The disk is full after 512 bytes for the program: a file size limit, as a small
        // file system would set it.
        p.setChildProcessModifier([] {
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit grenze{512, 512};
            ::setrlimit(RLIMIT_FSIZE, &grenze);
        });
        QStringList args{"image", out};
        if (ziel == "spur.bin")
            args = {"--trace", "./" + ziel, "eeprom-verify", out};
        else if (ziel == "teil.bin")
            args = {"--trace", out + ".partial", "eeprom-backup", out};
        p.start(TALVARO_CLI_PATH, args);
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(p.exitCode(), 2);
        QVERIFY(QString::fromLocal8Bit(p.readAllStandardError()).contains(out));
        const QFileInfo info(out);
        if (ziel.endsWith(".bin"))
            QCOMPARE(fileBytes(out), QByteArray("the older image"));
        else
            QVERIFY(ziel == "ordner" ? info.isDir() : !info.isFile() && info.exists());
        QCOMPARE(QDir(tmp->path()).entryList({"*.bin.*", "voll.bin?*"}, QDir::Files).size(), 0);
    }

    // A name whose bytes are no UTF-8, on the command line or in the configuration, is
    // refused as such: exit 2, no file under another name, and no "nicht gefunden" for a
    // file that is there. The shell hands the bytes over as they are.
    void namesOutsideUtf8_data() {
        QTest::addColumn<QByteArray>("befehl"); // the arguments, for sh; the name's bytes by printf
        QTest::addColumn<QByteArray>("datei");  // a file made under the raw name first
        QTest::newRow("an output") << QByteArray("image \"$(printf '\\344.bin')\"") << QByteArray();
        QTest::newRow("an input that is there")
            << QByteArray("eeprom-restore \"$(printf '\\377\\376name.bin')\"")
            << QByteArray("\xff\xfename.bin");
        QTest::newRow("the firmware the configuration names")
            << QByteArray("--config raw.cfg image out.bin") << QByteArray("\xe4.dpk");
    }
    void namesOutsideUtf8() {
        QFETCH(QByteArray, befehl);
        QFETCH(QByteArray, datei);
        configureHome(0);
        QTemporaryDir dir;
        const QByteArray ort = QFile::encodeName(dir.path()) + '/';
        if (!datei.isEmpty())
            QVERIFY(QFile::copy(release() + QStringLiteral("/VESK2b1x.dpk"),
                                QFile::decodeName(ort + "x")) &&
                    ::rename((ort + "x").constData(), (ort + datei).constData()) == 0);
        // A configuration that names only a firmware, by its raw bytes: what the reader sees.
        QFile cfg(dir.filePath(QStringLiteral("raw.cfg")));
        QVERIFY(cfg.open(QIODevice::WriteOnly) &&
                cfg.write("dspcodefilename=" + ort + "\xe4.dpk\n"));
        cfg.close();
        const QStringList vorher = QDir(dir.path()).entryList(QDir::Files);
        QProcess p;
        p.setWorkingDirectory(dir.path());
        p.start(QStringLiteral("/bin/sh"),
                {QStringLiteral("-c"), QString::fromLatin1("exec \"$0\" " + befehl),
                 QStringLiteral(TALVARO_CLI_PATH)});
        QVERIFY(p.waitForFinished(20000));
        const QByteArray err = p.readAllStandardError();
        QCOMPARE(p.exitCode(), 2);
        QVERIFY2(err.contains("Dateiname ist kein gueltiges UTF-8: ") &&
                     !err.contains("nicht gefunden"),
                 err.constData());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), vorher);
        ::unlink((ort + datei).constData());
    }

    void usage_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        QTest::newRow("nothing") << QStringList{} << "Kein Befehl angegeben";
        QTest::newRow("unknown command") << QStringList{"flash"} << "Unbekannter Befehl \"flash\"";
        QTest::newRow("unknown option")
            << QStringList{"--baud", "9600", "image", "x.bin"} << "Unbekannte Option --baud";
        QTest::newRow("option of another command")
            << QStringList{"image", "x.bin", "--count", "2"} << "--count gibt es fuer \"image\"";
        QTest::newRow("missing file") << QStringList{"image"} << "nimmt 1 Argument(e), nicht 0";
        QTest::newRow("one too many")
            << QStringList{"command", "1", "2", "3"} << "nimmt 2 Argument(e), nicht 3";
        QTest::newRow("profile 4")
            << QStringList{"--profile", "4", "image", "x.bin"} << "--profile nimmt 1, 2 oder 3";
        QTest::newRow("profile without value")
            << QStringList{"image", "x.bin", "--profile"} << "--profile braucht einen Wert";
        QTest::newRow("no bank") << QStringList{"params-send", "--mode", "cw"}
                                 << "braucht --mode und --bank";
        QTest::newRow("bank blau") << QStringList{"params-send", "--mode=ssb", "--bank=blau"}
                                   << "--bank nimmt gruen, gelb oder rot";
        QTest::newRow("eq side") << QStringList{"eq-send", "mid"} << "nimmt rx oder tx";
        QTest::newRow("count 0") << QStringList{"monitor", "--count", "0"}
                                 << "--count nimmt eine Zahl ab 1";
        QTest::newRow("flag with value")
            << QStringList{"--quiet=1", "monitor"} << "--quiet nimmt keinen Wert";
        // Not a number would go out as frame 0, 0.
        QTest::newRow("command a b") << QStringList{"command", "a", "b"} << "nimmt ganze Zahlen";
    }
    // Usage errors end before anything is read or opened: exit 2, nothing on stdout.
    void usage() {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        const CliRun r = runCli(args);
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains(message.toLocal8Bit()), r.err.constData());
        QVERIFY(r.out.isEmpty());
        QVERIFY(!QFile::exists(QStringLiteral("x.bin")));
    }

    void usageJson() {
        const CliRun r = runCli({"--json", "monitor", "--count", "x"});
        QCOMPARE(r.exitCode, 2);
        QCOMPARE(r.result.value("status").toString(), QStringLiteral("usage"));
        QCOMPARE(r.result.value("exit").toInt(), 2);
        // Only JSON on stderr: every line parses.
        for (const QByteArray& line : r.err.trimmed().split('\n'))
            QVERIFY2(QJsonDocument::fromJson(line).isObject(), line.constData());
    }

    // One language a run: German, or English throughout with an English locale (the
    // window's translation), usage and messages of the session alike.
    void language_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("help");
        QTest::addColumn<QString>("missing");
        QTest::newRow("German") << "de_DE.UTF-8"
                                << QStringList{"Aufruf:", "image AUS.bin", "Exit-Status"}
                                << "nicht gefunden!";
        QTest::newRow("English") << "en_GB.UTF-8"
                                 << QStringList{"Usage:", "image OUT.bin", "Exit status"}
                                 << "not found!";
    }
    void language() {
        QFETCH(QString, locale);
        QFETCH(QStringList, help);
        QFETCH(QString, missing);
        const QByteArray alt = qgetenv("LC_ALL");
        qputenv("LC_ALL", locale.toLatin1());
        const CliRun h = runCli({"--help"});
        const CliRun f = runCli({"--config", "nirgends.cfg", "image", "x.bin"});
        qputenv("LC_ALL", alt);
        QCOMPARE(h.exitCode, 0);
        for (const QString& c : help)
            QVERIFY2(h.out.contains(c.toLocal8Bit()), h.out.constData());
        QCOMPARE(f.exitCode, 2);
        QVERIFY2(f.err.contains(missing.toLocal8Bit()), f.err.constData());
    }

    void imageMatchesWindow_data() {
        QTest::addColumn<int>("vesknr");      // configured
        QTest::addColumn<QStringList>("pre"); // options before the command
        QTest::addColumn<int>("window");      // the window's profile
        QTest::addColumn<bool>("test");
        QTest::newRow("configured profile 1") << 0 << QStringList{} << 0 << false;
        QTest::newRow("configured profile 2") << 1 << QStringList{} << 1 << false;
        QTest::newRow("--profile 2 over 1") << 0 << QStringList{"--profile", "2"} << 1 << false;
        QTest::newRow("--profile 3 over 2") << 1 << QStringList{"--profile=3"} << 2 << false;
        QTest::newRow("test image") << 1 << QStringList{} << 1 << true;
    }
    // The default configuration, a profile, and the bytes and log lines of the window's own
    // load of that profile.
    void imageMatchesWindow() {
        QFETCH(int, vesknr);
        QFETCH(QStringList, pre);
        QFETCH(int, window);
        QFETCH(bool, test);
        configureHome(window);
        QByteArray expected;
        QStringList expectedLog;
        {
            vantrel w;
            QCOMPARE(w.geraet()->profil(), window);
            teil<QTextEdit>(w, "log")->clear();
            if (test)
                QVERIFY(w.geraet()->testfirmwareLaden());
            else
                QVERIFY(w.firmwareseite()->clickfileladen());
            expected = w.geraet()->bild().buffer;
            expectedLog = teil<QTextEdit>(w, "log")->toPlainText().split(QLatin1Char('\n'));
            w.close();
        }
        // The window's load goes on with the parameter file; the image does not need it.
        if (!test)
            QVERIFY(expectedLog.takeLast().startsWith(QLatin1String("Parameter File ")));
        configureHome(vesknr);
        const QStringList config = env->readConfig();

        const QString out = tmp->filePath(QStringLiteral("image.bin"));
        QFile::remove(out);
        const CliRun r = runCli(pre + QStringList{test ? "test-image" : "image", out});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(!expected.isEmpty());
        QCOMPARE(fileBytes(out).toHex(' '), expected.toHex(' '));
        QStringList log = r.outLines;
        QCOMPARE(log.takeLast(),
                 QStringLiteral("Download-Image: %1 Bytes in Datei \"%2\" gespeichert")
                     .arg(expected.size())
                     .arg(out));
        QCOMPARE(log, expectedLog);
        // The configuration is read, never written: --profile is for this run only.
        QCOMPARE(env->readConfig(), config);
    }

    void imageMissingFiles_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("removed"); // inside the copy
        QTest::addColumn<QString>("text");
        QTest::newRow("firmware") << "image"
                                  << "VESK2b1x.dpk"
                                  << "Datei \"%1/VESK2b1x.dpk\" nicht gefunden!";
        QTest::newRow("filter list") << "image"
                                     << "Filters/filters.dpk"
                                     << "Datei \"%1/Filters/filters.dpk\" nicht gefunden!";
        QTest::newRow("coefficients") << "image"
                                      << "Filters/lp3k0.dat"
                                      << "Datei \"%1/Filters/lp3k0.dat\" aus der Filterdatei "
                                         "nicht gefunden!";
        QTest::newRow("test firmware") << "test-image"
                                       << "Test05.dpk"
                                       << "Datei \"%1/Test05.dpk\" nicht gefunden!";
    }
    // Exit 2, the window's text on stderr and in the log, and the file the user named keeps
    // what it held: an image without one of its parts must never be loaded.
    void imageMissingFiles() {
        QFETCH(QString, command);
        QFETCH(QString, removed);
        QFETCH(QString, text);
        QTemporaryDir dir;
        const QString copy = copyRelease(dir.filePath(QStringLiteral("rel")));
        QVERIFY(QFile::remove(copy + QLatin1Char('/') + removed));
        QMap<QString, QString> keys = releaseKeys(copy);
        keys.insert(QStringLiteral("testfilename"), copy + QStringLiteral("/Test05.dpk"));
        const QString cfg = writeConfigFile(dir.filePath(QStringLiteral("t.cfg")), keys);
        const QString out = dir.filePath(QStringLiteral("out.bin"));
        QVERIFY(writeBytes(out, "older image"));

        const CliRun r = runCli({"--config", cfg, command, out});
        QCOMPARE(r.exitCode, 2);
        const QString message = text.arg(QDir::toNativeSeparators(copy));
        QVERIFY2(r.outLines.contains(message), r.out.constData());
        QVERIFY2(QString::fromLocal8Bit(r.err).contains(message), r.err.constData());
        QCOMPARE(fileBytes(out), QByteArray("older image"));
    }

    void unwritableOutput() {
        const QString cfg =
            writeConfigFile(tmp->filePath(QStringLiteral("u.cfg")), releaseKeys(release()));
        const QString out = tmp->filePath(QStringLiteral("no/such/folder/x.bin"));
        const CliRun r = runCli({"--config", cfg, "--json", "image", out});
        QCOMPARE(r.exitCode, 2);
        QCOMPARE(r.result.value("title").toString(), QStringLiteral("Speichern fehlgeschlagen!"));
        QCOMPARE(r.result.value("text").toString(),
                 QStringLiteral("Datei \"%1\" kann nicht geschrieben werden!").arg(out));
        QVERIFY(!QFile::exists(out));
    }

    // Without ~/vantrel the default names are looked for there all the same, never in the
    // folder the run began in, which may hold a file of that name.
    void noVantrelFolder() {
        QDir(env->configDir()).removeRecursively();
        QTemporaryDir hier;
        QVERIFY(QFile::copy(release() + QStringLiteral("/VESK2b1x.dpk"),
                            hier.filePath(QStringLiteral("VESK2b1x.dpk"))));
        const CliRun r = runCli({"image", "x.bin"}, hier.path());
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains(QFile::encodeName(env->configDir()) + "/VESK2b1x.dpk\" nicht"),
                 r.err.constData());
        QVERIFY(!QFileInfo::exists(hier.filePath(QStringLiteral("x.bin"))));
    }

    void missingConfig() {
        const CliRun r = runCli({"--config", "nirgends.cfg", "image", "x.bin"});
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains("nirgends.cfg\" nicht gefunden!"), r.err.constData());
    }

    // Bare names in a configuration are found in its folder, as the window finds them in
    // ~/vantrel; the output file named on the command line is where the user stands.
    void relativeNames() {
        QTemporaryDir dir;
        const QString rel = copyRelease(dir.filePath(QStringLiteral("cfg")));
        const QString cfg = writeConfigFile(rel + QStringLiteral("/my.cfg"),
                                            {{"veskpfad", "."},
                                             {"dspcodefilename", "VESK2b1x.dpk"},
                                             {"filterfilename", "Filters/filters.dpk"}});
        QDir().mkpath(dir.filePath(QStringLiteral("work")));
        const CliRun r = runCli({"--config", "../cfg/my.cfg", "image", "out.bin"},
                                dir.filePath(QStringLiteral("work")));
        QCOMPARE(r.exitCode, 0);
        QVERIFY(!cfg.isEmpty());
        const QString out = dir.filePath(QStringLiteral("work/out.bin"));
        QCOMPARE(fileBytes(out).size(), 1088);
        // The same bytes as the sample release named by absolute paths.
        const CliRun a = runCli(
            {"--config",
             writeConfigFile(dir.filePath(QStringLiteral("abs.cfg")), releaseKeys(release())),
             "image", dir.filePath(QStringLiteral("abs.bin"))});
        QCOMPARE(a.exitCode, 0);
        QCOMPARE(fileBytes(out), fileBytes(dir.filePath(QStringLiteral("abs.bin"))));
    }

    // talvaro-loader --trace: the frame the window sends as it closes, in the file, and at the
    // set; the same close-down, without a box, for a signal to the running window (0: the
    // self-test closes it), and the configuration written.
    void loaderTrace_data() {
        QTest::addColumn<int>("sig");
        QTest::newRow("self-test") << 0;
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("SIGHUP") << int(SIGHUP);
    }
    void loaderTrace() {
        QFETCH(int, sig);
        SimTransceiver sim;
        QVERIFY(sim.isValid());
        env->writeConfig({QStringLiteral("rs232=") + sim.portPath()});
        const QString trace = tmp->filePath(QStringLiteral("loader%1.trace").arg(sig));
        QStringList args{"--trace", trace};
        if (!sig)
            args << "--self-test";
        CliProcess p(args, TALVARO_LOADER_PATH);
        // The window is up once its port is open (the trace is written beside its name until
        // the end).
        QVERIFY(pumpUntil([&] { return traceBisher(trace).contains("# port /"); }, 30000));
        if (sig)
            p.signal(sig);
        QVERIFY(p.waitFinished(30000));
        QCOMPARE(p.exitCode(), 0);
        QVERIFY(sim.waitForFrames(1, 2000));
        QCOMPARE(sim.frames().last().number, 52);
        QCOMPARE(sim.frames().last().value, 1);
        QVERIFY(fileBytes(env->configDir() + QStringLiteral("/vantrel.cfg")).contains("scalfile"));
        const QStringList lines = QString::fromUtf8(fileBytes(trace)).split(QLatin1Char('\n'));
        QVERIFY2(lines.contains(QStringLiteral("# port ") + sim.portPath()),
                 qPrintable(lines.join(QLatin1Char('\n'))));
        QStringList sent;
        for (const QString& l : lines)
            if (l.mid(10, 4) == QLatin1String(" TX "))
                sent.append(l.mid(14));
        QCOMPARE(sent.join(QLatin1Char(' ')), QStringLiteral("7E 34 01"));

        // A trace onto the configuration is refused with a box, after the configuration was
        // read: the window runs on the port it names, and the file stays as it was.
        const QString cfg = env->configDir() + QStringLiteral("/vantrel.cfg");
        const QByteArray vorher = fileBytes(cfg);
        CliProcess q({"--self-test", "--trace", cfg}, TALVARO_LOADER_PATH);
        QVERIFY(q.waitFinished(30000));
        QVERIFY2(q.err().contains("box: Speichern fehlgeschlagen!"), q.err().constData());
        QVERIFY(sim.waitForFrames(2, 2000));
        QCOMPARE(fileBytes(cfg), vorher);
    }
};

QTEST_MAIN(TestCliFiles)
#include "tst_clifiles.moc"
