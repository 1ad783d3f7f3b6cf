// --help and --version of the three programs as a package check or a user on a headless
// machine starts them: no display, no Qt platform, and a HOME of their own that must stay
// empty. Last, the loader's usage errors, which need the QApplication and so a platform.
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

class TestCliHelp : public QObject {
    Q_OBJECT

private slots:
    void answers_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("platform"); // QT_QPA_PLATFORM; empty: unset
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out"); // the whole of stdout, or how a line of it begins
        QTest::addColumn<QString>("err"); // a part of stderr; empty: stderr is empty

        const QString cli = QStringLiteral(TALVARO_CLI_PATH);
        const QString loader = QStringLiteral(TALVARO_LOADER_PATH);
        const QString sim = QStringLiteral(TALVARO_SIM_PATH);
        const QString v = QStringLiteral(" V" TALVARO_VERSION "\n");
        QTest::newRow("cli --version")
            << cli << QStringList{"--version"} << QString() << 0 << "talvaro-cli" + v << QString();
        QTest::newRow("cli COMMAND --help: its options from the table")
            << cli << QStringList{"pic-download", "--help"} << QString() << 0
            << "  --backup-first       vor dem ersten geschriebenen Byte" << QString();
        QTest::newRow("loader --version") << loader << QStringList{"--version"} << QString() << 0
                                          << "talvaro-loader" + v << QString();
        QTest::newRow("loader -v after a translation")
            << loader << QStringList{"talvaro_en.qm", "-v"} << QString() << 0
            << "talvaro-loader" + v << QString();
        QTest::newRow("loader --help") << loader << QStringList{"--simulate", "--help"} << QString()
                                       << 0 << "  --trace DATEI   " << QString();
        // Qt's own options are not read letter by letter: "-stylesheet" holds no -h.
        QTest::newRow("loader -h among Qt's options")
            << loader << QStringList{"-stylesheet", "a.qss", "-h"} << QString() << 0
            << "Aufruf: talvaro-loader [OPTIONEN] [DATEI.qm]" << QString();
        QTest::newRow("sim --version")
            << sim << QStringList{"--version"} << QString() << 0 << "talvaro-sim" + v << QString();
        QTest::newRow("sim --help") << sim << QStringList{"-h"} << QString() << 0
                                    << "  quit, ende                   beenden" << QString();
        QTest::newRow("sim unknown option") << sim << QStringList{"--port", "x"} << QString() << 2
                                            << QString() << "Unbekannte Option --port";

        const QString offscreen = QStringLiteral("offscreen");
        QTest::newRow("loader unknown option")
            << loader << QStringList{"--simulte"} << offscreen << 2 << QString()
            << "talvaro-loader: Unbekannte Option --simulte\n";
        QTest::newRow("loader --trace without file")
            << loader << QStringList{"--self-test", "--trace"} << offscreen << 2 << QString()
            << "Option --trace braucht einen Wert";
        QTest::newRow("loader switch with a value")
            << loader << QStringList{"-self-test=1"} << offscreen << 2 << QString()
            << "Option -self-test nimmt keinen Wert";
    }
    void answers() {
        QFETCH(QString, program);
        QFETCH(QStringList, args);
        QFETCH(QString, platform);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);

        QTemporaryDir home;
        QVERIFY(home.isValid());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QLatin1String(name));
        if (!platform.isEmpty())
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral(".config")));
        QProcess p;
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(home.path());
        p.start(program, args);
        QVERIFY(p.waitForFinished(20000));
        const QString stdOut = QString::fromLocal8Bit(p.readAllStandardOutput());
        const QString stdErr = QString::fromLocal8Bit(p.readAllStandardError());
        const QStringList lines = stdOut.split(QLatin1Char('\n'));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), exitCode);
        if (out.endsWith(QLatin1Char('\n')))
            QCOMPARE(stdOut, out);
        else
            QVERIFY2(std::any_of(lines.begin(), lines.end(),
                                 [&out](const QString& l) { return l.startsWith(out); }),
                     qPrintable(stdOut));
        // An empty err: nothing at all on stderr.
        if (err.isEmpty())
            QCOMPARE(stdErr, QString());
        else
            QVERIFY2(stdErr.contains(err), qPrintable(stdErr));
        // Neither the configuration folder nor a settings file nor a trace came to be.
        QCOMPARE(
            QDir(home.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList());
    }

    // Every command of the table (as --help lists it) has its place in docs/talvaro-cli.md
    // and in the man page.
    void everyCommandDocumented() {
        QProcess p;
        p.start(QStringLiteral(TALVARO_CLI_PATH), {QStringLiteral("--help")});
        QVERIFY(p.waitForFinished(20000));
        const QString hilfe = QString::fromUtf8(p.readAllStandardOutput());
        const auto lesen = [](const char* rel) {
            QFile f(QStringLiteral(TALVARO_SOURCE_DIR "/") + QLatin1String(rel));
            return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
        };
        const QString md = lesen("docs/talvaro-cli.md"), man = lesen("docs/man/talvaro-cli.1");
        // A command's line in --help: two blanks and its name, between "Befehle:" and the
        // next empty line; in the man page ".B", ".BI" or ".BR" and the name with "\-".
        const QString befehle =
            hilfe.section(QStringLiteral("Befehle:\n"), 1).section("\n\n", 0, 0);
        int n = 0;
        for (const QRegularExpressionMatch& m :
             QRegularExpression(QStringLiteral("^  ([a-z-]+)"), QRegularExpression::MultilineOption)
                 .globalMatch(befehle)) {
            const QString name = m.captured(1), roff = QString(name).replace('-', "\\-");
            ++n;
            QVERIFY2(md.contains("| `" + name) &&
                         man.contains(QRegularExpression(
                             "^\\.B[IR]? \"?" + QRegularExpression::escape(roff) + "( |$)",
                             QRegularExpression::MultilineOption)),
                     qPrintable(name));
        }
        QVERIFY(n >= 14);
    }
};

QTEST_GUILESS_MAIN(TestCliHelp)
#include "tst_clihelp.moc"
