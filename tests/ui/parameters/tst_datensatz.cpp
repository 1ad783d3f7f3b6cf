// Loading the sample release through the main window: the download image byte for byte
// against an expectation derived here from the files, the log in its order, the parameter
// table and panel, the two load buttons, and every file that can be missing.
#include "app/vantrel.h"
#include "download/firmwareseite.h"
#include "fensterteil.h"
#include "parameters/parameterseite.h"
#include "sim/ptypair.h"
#include "sitzung.h"
#include "testenv.h"
#include "windowground.h"

#include <QCheckBox>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QMap>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

namespace {
QString release() {
    return TestEnv::sampleRelease();
}

QStringList fileLines(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList out = QString::fromLatin1(f.readAll()).split(QLatin1Char('\n'));
    for (QString& l : out)
        if (l.endsWith(QLatin1Char('\r')))
            l.chop(1);
    if (!out.isEmpty() && out.last().isEmpty())
        out.removeLast();
    return out;
}

int byteAt(const QString& s, int from) {
    return s.mid(from, 2).toInt(nullptr, 16);
}

// What the data set of a release folder must become, worked out from the files in a plain
// way of its own: the loader's code is not asked.
struct Expected {
    QByteArray image;
    QStringList log;
};

Expected derive(const QString& dir) {
    Expected e;
    int sum = 0;
    int middle = 0;
    auto addWord = [&](int hi, int mid, int lo) { sum = (sum + hi * 256 + mid + lo) % 32768; };
    auto header = [&](char mem, int address, int count) {
        e.image += QByteArray("$D") + mem;
        e.image += char(address / 256);
        e.image += char(address % 256);
        e.image += char(count / 256);
        e.image += char(count % 256);
    };

    QStringList fw = fileLines(dir + "/VESK2b1x.dpk");
    int esc = 0;
    while (esc < fw.size() && !fw[esc].contains(QChar(0x1b)))
        ++esc;
    e.log << QStringLiteral("DSP File %1 Zeilen geladen").arg(esc);
    fw = fw.mid(1, esc - 1);
    for (QString& l : fw)
        l.replace(QLatin1String(" "), QString());

    const QStringList list = fileLines(dir + "/Filters/filters.dpk");
    e.log << list << QStringLiteral("Filter-File %1 Zeilen geladen").arg(list.size());

    for (int i = 0; i < fw.size();) {
        const bool program = fw[i].startsWith(QLatin1String("@PA"));
        const int address = fw[i + 1].toInt(nullptr, 16);
        i += 2;
        QByteArray words;
        while (fw[i] != QLatin1String("#") && !fw[i].startsWith(QLatin1String("#"))) {
            const QString& w = fw[i++];
            if (program) {
                middle = byteAt(w, 2);
                addWord(byteAt(w, 0), middle, byteAt(w, 4));
                words += char(byteAt(w, 0)) + QByteArray(1, char(middle)) + char(byteAt(w, 4));
            } else {
                addWord(byteAt(w, 0), middle, byteAt(w, 2));
                words += char(byteAt(w, 0)) + QByteArray(1, char(byteAt(w, 2)));
            }
        }
        ++i;
        if (program && address == 0) {
            header('P', 0x3FC0, 48);
            e.image += words.left(144) + '\r';
            header('P', 0x0030, int(words.size() / 3) - 48);
            e.image += words.mid(144) + '\r';
        } else {
            header(program ? 'P' : 'D', address, int(words.size() / (program ? 3 : 2)));
            e.image += words + '\r';
        }
    }
    e.log << QStringLiteral("%1 Char im buffer").arg(e.image.size());

    for (const QString& entry : list) {
        const QString name = entry.section(QLatin1Char(','), 0, 0).trimmed();
        const QString addressText = entry.section(QLatin1Char(','), 2).trimmed();
        const int address = addressText.toInt(nullptr, 16);
        const QString path = QDir::toNativeSeparators(dir + "/Filters/" + name);
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        QByteArray words;
        for (const QString& w :
             QString::fromLatin1(f.readAll())
                 .split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
            if (w.size() < 6)
                break;
            middle = byteAt(w, 2);
            addWord(byteAt(w, 0), middle, byteAt(w, 4));
            words += char(byteAt(w, 0)) + QByteArray(1, char(middle)) + char(byteAt(w, 4));
        }
        header('P', address, int(words.size() / 3));
        e.image += words + '\r';
        e.log << path << addressText
              << QStringLiteral("File %1 Zeilen geladen").arg(words.size() / 3)
              << QStringLiteral(" %1 Char im buffer").arg(e.image.size());
    }
    header('P', 0x37FE, 1);
    e.image += char(sum / 256);
    e.image += char(sum % 256);
    e.image += '\0';
    e.image += '\r';
    e.log << QStringLiteral("Checksumme %1").arg(sum);
    return e;
}

// Data lines of a parameter file: after the two header lines, up to "END FILE".
QStringList paramLines(const QString& path) {
    QStringList l = fileLines(path).mid(2);
    const qsizetype end = l.indexOf(QStringLiteral("END FILE"));
    return end < 0 ? l : l.mid(0, end);
}

QStringList logLines(const vantrel& w) {
    return teil<QTextEdit>(w, "log")->toPlainText().split(QLatin1Char('\n'));
}
} // namespace

class TestDatensatz : public QObject, private WindowGround {
    Q_OBJECT

    PtyPair* pty = nullptr;

    // Profile 0 pointed at the sample release (or at dir), with some keys replaced.
    void configure(const QMap<QString, QString>& replace = {}, const QString& dir = release()) {
        QMap<QString, QString> keys{
            {"rs232", pty->slavePath()},
            {"veskpfad", dir},
            {"dspcodefilename", dir + "/VESK2b1x.dpk"},
            {"filterfilename", dir + "/Filters/filters.dpk"},
            {"parameterfilename", dir + "/USER2B2.DPK"},
            {"xparameterfilename", dir + "/Filters/Xparams.dpk"},
            {"standardparameterfilename", dir + "/standard.dpk"},
        };
        for (auto it = replace.begin(); it != replace.end(); ++it)
            keys[it.key()] = it.value();
        QStringList lines;
        for (auto it = keys.begin(); it != keys.end(); ++it)
            lines << it.key() + "=" + it.value();
        QDir(env->configDir()).removeRecursively();
        env->writeConfig(lines);
        dialogs->clear();
    }

private slots:
    void initTestCase() {
        beginCase();
        pty = new PtyPair;
        QVERIFY(pty->isValid());
        QVERIFY(QFile::exists(release() + "/VESK2b1x.dpk"));
    }
    void cleanupTestCase() {
        delete pty;
        endCase();
    }

    void sampleReleaseLoads() {
        configure();
        vantrel w;
        QVERIFY(w.geraet()->rs232offen());
        QVERIFY(!teil<QTabWidget>(w, "paramtabs")->isEnabled());
        // The S-meter calibration's load made it the owner of 68 and above.
        QVERIFY(w.geraet()->kalParameterLaden(true));
        QVERIFY(w.geraet()->smKalAktiv());
        teil<QTextEdit>(w, "log")->clear();

        QVERIFY(w.firmwareseite()->clickfileladen());
        QVERIFY(w.geraet()->datensatzGeladen());
        const Expected e = derive(release());
        QCOMPARE(w.geraet()->bild().buffer.toHex(' '), e.image.toHex(' '));
        QCOMPARE(w.geraet()->filterListe().size(), 3);

        const QStringList user = paramLines(release() + "/USER2B2.DPK");
        const QString sha = QString::fromLatin1(
            QCryptographicHash::hash(e.image, QCryptographicHash::Sha256).toHex());
        const QStringList erwartet =
            e.log +
            QStringList{
                QStringLiteral("Download-Image: %1 Bytes, SHA-256 %2").arg(e.image.size()).arg(sha),
                QStringLiteral("Parameter File %1 Zeilen geladen").arg(user.size() + 1)};
        QCOMPARE(logLines(w), erwartet);
        QVERIFY(dialogs->shown.isEmpty());

        // The user parameters are in the table, none marked X, and the panel is open.
        QVERIFY(!w.geraet()->smKalAktiv());
        QVERIFY(w.geraet()->paramGeladen());
        int named = 0;
        for (const TParameter& p : w.geraet()->tabelle())
            named += p.name.isEmpty() ? 0 : 1;
        QCOMPARE(named, user.size());
        for (const QString& l : user) {
            const int nr = l.section(QLatin1Char(','), 2, 2).trimmed().toInt();
            const TParameter& p = w.geraet()->tabelle()[nr];
            QCOMPARE(p.name, l.section(QLatin1Char(','), 0, 0));
            QCOMPARE(p.ssbgreen, l.section(QLatin1Char(','), 3, 3).trimmed().toInt());
            QCOMPARE(p.cwred, l.section(QLatin1Char(','), 8, 8).trimmed().toInt());
            QCOMPARE(p.x, l.section(QLatin1Char(','), 11, 11).trimmed().toDouble());
            QVERIFY(!p.xparam);
        }
        QVERIFY(teil<QTabWidget>(w, "paramtabs")->isEnabled());
        QVERIFY(teil<QGroupBox>(w, "gbbank")->isEnabled() &&
                teil<QGroupBox>(w, "gbmode")->isEnabled() &&
                teil<QGroupBox>(w, "gbseitenband")->isEnabled() &&
                teil<QGroupBox>(w, "gbdspid")->isEnabled());
        QVERIFY(teil<QRadioButton>(w, "rbuser")->isChecked() &&
                teil<QRadioButton>(w, "rbgruen")->isChecked() &&
                teil<QRadioButton>(w, "rbssb")->isChecked() &&
                teil<QRadioButton>(w, "rblsb")->isChecked());
        w.close();
    }

    // The registers carry over into the next load, so a second load of the same set gives
    // the same image only because the sum starts at 0 again.
    void secondLoadSameImage() {
        configure();
        vantrel w;
        QVERIFY(w.firmwareseite()->clickfileladen());
        const QByteArray first = w.geraet()->bild().buffer;
        QVERIFY(w.firmwareseite()->clickfileladen());
        QCOMPARE(w.geraet()->bild().buffer, first);
        w.close();
    }

    void missingFiles_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("removed");
        QTest::addColumn<QString>("boxText");
        QTest::addColumn<bool>("imageBuilt");
        QTest::newRow("firmware") << "dspcodefilename"
                                  << "VESK2b1x.dpk"
                                  << "Datei \"%1/VESK2b1x.dpk\" nicht gefunden!" << false;
        QTest::newRow("filter list") << "filterfilename"
                                     << "Filters/filters.dpk"
                                     << "Datei \"%1/Filters/filters.dpk\" nicht gefunden!" << false;
        QTest::newRow("coefficient file")
            << ""
            << "Filters/lp3k0.dat"
            << "Datei \"%1/Filters/lp3k0.dat\" aus der Filterdatei nicht gefunden!" << true;
        QTest::newRow("parameter file") << "parameterfilename"
                                        << "USER2B2.DPK"
                                        << "Datei \"%1/USER2B2.DPK\" nicht gefunden!" << true;
    }
    void missingFiles() {
        QFETCH(QString, key);
        QFETCH(QString, removed);
        QFETCH(QString, boxText);
        QFETCH(bool, imageBuilt);
        QTemporaryDir copy;
        const QString dir = copy.path();
        QDir().mkpath(dir + "/Filters");
        for (const QString& name : QDir(release()).entryList(QDir::Files))
            QVERIFY(QFile::copy(release() + "/" + name, dir + "/" + name));
        for (const QString& name : QDir(release() + "/Filters").entryList(QDir::Files))
            QVERIFY(QFile::copy(release() + "/Filters/" + name, dir + "/Filters/" + name));
        QVERIFY(QFile::remove(dir + "/" + removed));
        configure({}, dir);

        vantrel w;
        // An image and a table of earlier loads.
        einstellen(w.geraet(), [&](TEinstellungen& e) { e.testfilename[0] = dir + "/Test05.dpk"; });
        QVERIFY(w.geraet()->testfirmwareLaden());
        const DownloadImage previous = w.geraet()->bild();
        ParameterTabelle before;
        resetParameterTabelle(before);
        before[11].name = QStringLiteral("before");
        QVERIFY(tabelleLaden(*w.geraet(), before, copy.path()));
        dialogs->clear();
        teil<QTextEdit>(w, "log")->clear();
        QVERIFY(!w.firmwareseite()->clickfileladen());
        QVERIFY(!w.geraet()->datensatzGeladen());
        QVERIFY(w.geraet()->dateiFehler());

        const QString text = boxText.arg(dir);
        QCOMPARE(dialogs->shown.size(), 1);
        QCOMPARE(dialogs->shown.at(0).kind, QStringLiteral("critical"));
        QCOMPARE(dialogs->shown.at(0).title, QStringLiteral("Datei nicht gefunden!"));
        // A missing file of a setting goes on with the setting that named it.
        QVERIFY2(dialogs->shown.at(0).text.startsWith(text), qPrintable(dialogs->shown.at(0).text));
        QVERIFY(logLines(w).contains(text));

        if (!imageBuilt) {
            QCOMPARE(w.geraet()->bild().buffer, previous.buffer);
            QCOMPARE(w.geraet()->bild().checksumme, previous.checksumme);
            QCOMPARE(w.geraet()->tabelle()[11].name, QStringLiteral("before"));
            // The load stopped at the box: its two lines end the log.
            QCOMPARE(logLines(w).at(logLines(w).size() - 2), text);
            if (key == QLatin1String("filterfilename"))
                QCOMPARE(w.geraet()->dspZeilen().first(), QStringLiteral("@PA"));
        } else if (key.isEmpty()) {
            // The filters before the missing one stay, the checksum record closes the image,
            // and the parameters are read all the same but leave the panel closed.
            const QByteArray b = w.geraet()->bild().buffer;
            QVERIFY(b.endsWith('\r'));
            QCOMPARE(b.mid(b.size() - 11, 5), QByteArray("$DP\x37\xFE"));
            QVERIFY(b.contains(QByteArray("$DP\x10\x00\x00\x28", 7)));
            QVERIFY(!b.contains(QByteArray("$DP\x11\x00", 5)));
            QVERIFY(!b.contains(QByteArray("$DP\x12\x00", 5)));
            QVERIFY(!teil<QTabWidget>(w, "paramtabs")->isEnabled());
            QVERIFY(!w.geraet()->paramGeladen());
            QVERIFY(!w.geraet()->tabelle()[13].name.isEmpty());
        } else {
            // A parameter file that is not there leaves the earlier table as it was, and
            // offered as it was.
            QCOMPARE(w.geraet()->bild().buffer, derive(dir).image);
            QCOMPARE(w.geraet()->tabelle()[11].name, QStringLiteral("before"));
            QVERIFY(w.geraet()->paramGeladen());
        }
        w.close();
    }

    void loadButtons() {
        configure();
        vantrel w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        teil<QTabWidget>(w, "tabs")->setCurrentWidget(teil<QWidget>(w, "parameterseite"));
        QVERIFY(w.geraet()->kalParameterLaden(true));
        teil<QTextEdit>(w, "log")->clear();
        QTest::mouseClick(teil<QPushButton>(w, "bparamladen"), Qt::LeftButton);
        const QStringList user = paramLines(release() + "/USER2B2.DPK");
        QCOMPARE(
            logLines(w),
            (QStringList{QStringLiteral("---------------------------------"),
                         QStringLiteral("Parameter File %1 Zeilen geladen").arg(user.size() + 1)}));
        QVERIFY(!w.geraet()->smKalAktiv());
        QVERIFY(w.geraet()->paramGeladen());
        const ParameterTabelle userTable = w.geraet()->tabelle();

        QTest::mouseClick(teil<QPushButton>(w, "bxparamladen"), Qt::LeftButton);
        const QStringList x = paramLines(release() + "/Filters/Xparams.dpk");
        QCOMPARE(logLines(w).size(), 3);
        QCOMPARE(logLines(w).last(),
                 QStringLiteral("Parameter File %1 Zeilen geladen").arg(x.size() + 1));
        QList<int> xnumbers;
        for (const QString& l : x)
            xnumbers << l.section(QLatin1Char(','), 2, 2).trimmed().toInt();
        QCOMPARE(xnumbers, (QList<int>{12, 45, 77}));
        for (int nr = 0; nr < 100; ++nr) {
            const TParameter& p = w.geraet()->tabelle()[nr];
            if (xnumbers.contains(nr)) {
                QVERIFY(p.xparam);
                QVERIFY(p.name.startsWith(QLatin1String("X ")));
            } else {
                QCOMPARE(p, userTable[nr]);
            }
        }
        w.close();
    }

    void missingParameterFileThenGoodRead() {
        configure({{"parameterfilename", release() + "/none.dpk"}});
        vantrel w;
        w.parameterseite()->clickparamladen();
        QVERIFY(w.geraet()->dateiFehler());
        QCOMPARE(dialogs->boxes("critical").size(), 1);
        QVERIFY(
            dialogs->boxes("critical")
                .at(0)
                .text.startsWith(
                    QStringLiteral("Datei \"%1/none.dpk\" nicht gefunden!<br>").arg(release())));
        QCOMPARE(w.geraet()->tabelle()[11], TParameter{});
        QVERIFY(!w.geraet()->paramGeladen());

        // The flag tells of the last load: a later good read fills the table and opens the
        // panel.
        einstellen(w.geraet(),
                   [](TEinstellungen& e) { e.parameterfilename[0] = release() + "/USER2B2.DPK"; });
        w.parameterseite()->clickparamladen();
        QCOMPARE(w.geraet()->tabelle()[11].name.trimmed(), QStringLiteral("AGC attack"));
        QVERIFY(!w.geraet()->dateiFehler());
        QVERIFY(w.geraet()->paramGeladen());
        QVERIFY(teil<QTabWidget>(w, "paramtabs")->isEnabled());
        QVERIFY(teil<QGroupBox>(w, "gbbank")->isEnabled());
        QVERIFY(teil<QRadioButton>(w, "rbgruen")->isChecked());
        QCOMPARE(dialogs->boxes("critical").size(), 1);
        w.close();
    }

    void profileChangeResets() {
        configure();
        vantrel w;
        QVERIFY(w.firmwareseite()->clickfileladen());
        const QByteArray image = w.geraet()->bild().buffer;
        // The profile in use keeps both.
        w.auswahlvesk1();
        QCOMPARE(w.geraet()->bild().buffer, image);
        QVERIFY(!w.geraet()->tabelle()[11].name.isEmpty());
        w.auswahlvesk2();
        QVERIFY(w.geraet()->bild().buffer.isEmpty());
        for (const TParameter& p : w.geraet()->tabelle())
            QCOMPARE(p, TParameter{});
        QVERIFY(!teil<QTabWidget>(w, "paramtabs")->isEnabled());
        QVERIFY(!teil<QPushButton>(w, "bparamsave")->isEnabled());
        QVERIFY(!teil<QCheckBox>(w, "cbdmoni")->isEnabled());
        // The flag survives a reset.
        QVERIFY(w.geraet()->paramGeladen());
        w.close();
    }

    void numberOutsideTableIsLogged() {
        QTemporaryDir dir;
        QFile f(dir.filePath("bad.dpk"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("h\r\nu\r\nok,1,15,9\r\ntoo high,1,100,9\r\nEND FILE\r\n");
        f.close();
        configure({{"parameterfilename", dir.filePath("bad.dpk")}});
        vantrel w;
        teil<QTextEdit>(w, "log")->clear();
        w.parameterseite()->clickparamladen();
        const QStringList log = logLines(w);
        QCOMPARE(log.size(), 3);
        QCOMPARE(log.at(1), QStringLiteral("Parameter File 3 Zeilen geladen"));
        QVERIFY2(log.at(2).contains(QStringLiteral("100")), qPrintable(log.at(2)));
        QCOMPARE(w.geraet()->tabelle()[15].name, QStringLiteral("ok"));
        QVERIFY(w.geraet()->paramGeladen());
        w.close();
    }
};

QTEST_MAIN(TestDatensatz)
#include "tst_datensatz.moc"
