// The window and talvaro-cli run one session: the same operation against a freshly started
// set puts the same bytes on the line, whichever program started it, as their traces show.
#include "app/vantrel.h"
#include "clitest.h"
#include "download/firmwareseite.h"
#include "link/serialtrace.h"
#include "sim/simloader.h"
#include "sim/simpic.h"
#include "sim/simtransceiver.h"
#include "windowground.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <optional>

namespace {

struct Set {
    SimTransceiver sim;
    SimLoader loader{&sim};
    SimPic pic{&sim};
};

// What the PC sent, from the TX lines of a trace.
QByteArray gesendet(const QString& trace) {
    QByteArray out;
    for (const QString& l : QString::fromUtf8(fileBytes(trace)).split('\n'))
        if (l.mid(10, 4) == QLatin1String(" TX "))
            out += QByteArray::fromHex(l.mid(14).toLatin1());
    return out;
}

} // namespace

class TestCliGleich : public QObject, protected WindowGround {
    Q_OBJECT

    QTemporaryDir tmp;
    QByteArray eeprom;

    QString file(const QString& name) const { return tmp.filePath(name); }

    QMap<QString, QString> keys(const Set& set) const {
        QMap<QString, QString> k = releaseKeys(TestEnv::sampleRelease());
        k.insert(QStringLiteral("rs232"), set.sim.portPath());
        for (const char* d : {"picrs232writetime", "dsprs232writetime", "paramrs232writetime"})
            k.insert(QLatin1String(d), QStringLiteral("0"));
        // The same plain restore in both programs, without the dumps around it.
        k.insert(QStringLiteral("eepromvorwiederherstellungsichern"), QStringLiteral("0"));
        k.insert(QStringLiteral("eepromnachschreibenvergleichen"), QStringLiteral("0"));
        return k;
    }

    // The set as the person readies it before the operation, and what it starts once the
    // program listens.
    static void vorher(Set& set, const QString& op) {
        set.pic.eeprom().fill('\x5A');
        if (op == "pic")
            set.pic.key(QLatin1Char('#'));
        if (op == "restore")
            set.pic.function(996);
    }
    static void sobaldOffen(Set& set, const QString& op) {
        if (op == "backup")
            set.pic.function(997);
        if (op == "readback")
            set.pic.function(995);
    }

    QByteArray imFenster(const QString& op) {
        Set set;
        vorher(set, op);
        writeConfigFile(env->configDir() + QStringLiteral("/vantrel.cfg"), keys(set));
        dialogs->clear();
        vantrel w;
        SerialTrace trace;
        const QString pfad = file(QStringLiteral("fenster-%1.trace").arg(op));
        if (!trace.open(pfad))
            return {};
        w.geraet()->mitschreiben(trace);
        if (op == "backup")
            dialogs->fileAnswers << file(QStringLiteral("fenster.bin"));
        if (op == "restore")
            dialogs->fileAnswers << file(QStringLiteral("restore.bin"));
        QTimer::singleShot(30, &set.sim, [&set, op] { sobaldOffen(set, op); });
        if (op == "dsp")
            w.firmwareseite()->clickdspladen();
        else if (op == "pic")
            w.firmwareseite()->clickpicladen();
        else if (op == "restore")
            w.firmwareseite()->clickeerestore();
        else if (op == "backup")
            w.firmwareseite()->clickeesichern();
        else
            w.firmwareseite()->clickparam2pc();
        // Read before the close, which switches the telegrams off; until the trace ends it is
        // written beside its name.
        const QByteArray bytes = gesendet(trace.neueDatei());
        w.close();
        return bytes;
    }

    std::optional<QByteArray> imCli(const QString& op, const QStringList& args) {
        Set set;
        vorher(set, op);
        const QString cfg = writeConfigFile(file(QStringLiteral("cli.cfg")), keys(set));
        const QString pfad = file(QStringLiteral("cli-%1.trace").arg(op));
        CliProcess p(QStringList{"--config", cfg, "--json", "--trace", pfad} + args);
        if (!p.waitEvent(QStringLiteral("line")))
            return std::nullopt;
        sobaldOffen(set, op);
        if (!p.waitFinished() || p.exitCode() != 0)
            return std::nullopt;
        return gesendet(pfad);
    }

private slots:
    void initTestCase() {
        beginCase();
        QVERIFY(tmp.isValid());
        QRandomGenerator g(7);
        eeprom.resize(3000);
        for (char& c : eeprom)
            c = char(g.bounded(256));
        QFile f(file(QStringLiteral("restore.bin")));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(eeprom) == eeprom.size());
    }
    void cleanupTestCase() { endCase(); }

    void gleicheBytes_data() {
        QTest::addColumn<QString>("op");
        QTest::addColumn<QStringList>("args");
        QTest::newRow("Direkt zum DSP") << "dsp" << QStringList{"dsp-download"};
        QTest::newRow("PIC download") << "pic" << QStringList{"pic-download"};
        QTest::newRow("restore") << "restore" << QStringList{"eeprom-restore", file("restore.bin")};
        QTest::newRow("backup") << "backup" << QStringList{"eeprom-backup", file("cli.bin")};
        QTest::newRow("read-back") << "readback" << QStringList{"params-readback", file("cli.dpk")};
    }
    void gleicheBytes() {
        QFETCH(QString, op);
        QFETCH(QStringList, args);
        const QByteArray fenster = imFenster(op);
        const std::optional<QByteArray> cli = imCli(op, args);
        QVERIFY(cli);
        QCOMPARE(cli->toHex(' '), fenster.toHex(' '));
        // The backup and the read-back only listen; the others must have sent something.
        QCOMPARE(fenster.isEmpty(), op == "backup" || op == "readback");
        if (op == "backup")
            QCOMPARE(fileBytes(file("cli.bin")), fileBytes(file("fenster.bin")));
    }
};

QTEST_MAIN(TestCliGleich)
#include "tst_cligleich.moc"
