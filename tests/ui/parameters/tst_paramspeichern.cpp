// Saving from the window: the user file read back, the X-parameter file and its table beside
// the configured name, the ".DPK" name that must not be overwritten, and every way a save
// can fail (box, log line, button left enabled).
#include "app/userdialogs.h"
#include "app/vantrel.h"
#include "calibration/smkalibrierung.h"
#include "fensterteil.h"
#include "parameters/parameterfile.h"
#include "parameters/parameterseite.h"
#include "sim/ptypair.h"
#include "sitzung.h"
#include "testenv.h"
#include "windowground.h"

#include <QDoubleSpinBox>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

namespace {
QString release(const QString& name) {
    return TestEnv::sampleRelease() + QLatin1Char('/') + name;
}

QStringList crlfLines(const QByteArray& bytes) {
    QStringList l = QString::fromLatin1(bytes).split(QStringLiteral("\r\n"));
    if (!l.isEmpty() && l.last().isEmpty())
        l.removeLast();
    return l;
}

QString lastLog(const vantrel& w) {
    return teil<QTextEdit>(w, "log")->toPlainText().split(QLatin1Char('\n')).last();
}
} // namespace

class TestParamSpeichern : public QObject, private WindowGround {
    Q_OBJECT

    PtyPair* pty = nullptr;
    QTemporaryDir* dir = nullptr;

    // The sample's user and X files copied into a folder of the test, so that saving may
    // replace them; xname is the X file's name there, user what the user file holds instead
    // of the sample's.
    std::unique_ptr<vantrel> window(const QString& xname = QStringLiteral("Xparams.dpk"),
                                    const QByteArray& user = {}) {
        QFile::remove(dir->filePath("USER2B2.DPK"));
        QFile::remove(dir->filePath(xname));
        if (user.isEmpty()) {
            QFile::copy(release("USER2B2.DPK"), dir->filePath("USER2B2.DPK"));
        } else {
            QFile f(dir->filePath("USER2B2.DPK"));
            if (!f.open(QIODevice::WriteOnly) || f.write(user) != user.size())
                return nullptr;
        }
        QFile::copy(release("Filters/Xparams.dpk"), dir->filePath(xname));
        env->writeConfig({QStringLiteral("rs232=") + pty->slavePath(),
                          QStringLiteral("parameterfilename=") + dir->filePath("USER2B2.DPK"),
                          QStringLiteral("xparameterfilename=") + dir->filePath(xname)});
        auto w = std::make_unique<vantrel>();
        w->parameterseite()->clickparamladen();
        w->parameterseite()->clickxparamladen();
        dialogs->clear();
        return w;
    }

    // A user and an X parameter edited and edited back, as the panel does it: the table
    // holds what the files hold, but both count as changed and not saved.
    static void hinUndZurueck(Geraet* g, int nummer) {
        const int wert = g->tabelle()[size_t(nummer)].ssbgreen;
        g->parameterAendern({{nummer, wert - 1}});
        g->parameterAendern({{nummer, wert}});
    }
    static void beideGeaendert(Geraet* g) {
        hinUndZurueck(g, 21);
        hinUndZurueck(g, 12);
        QVERIFY(g->paramGeaendert() && g->xParamGeaendert());
    }

private slots:
    void initTestCase() {
        beginCase();
        pty = new PtyPair;
        QVERIFY(pty->isValid());
    }
    void cleanupTestCase() {
        delete pty;
        endCase();
    }
    void init() {
        dialogs->clear();
        dir = new QTemporaryDir;
    }
    void cleanup() {
        delete dir;
        dir = nullptr;
    }

    // Live changes not yet saved are asked about before they could be lost: closing, another
    // profile, a calibration that loads parameters of its own. Abbrechen keeps all as it is.
    void unsavedChangesAsked_data() {
        QTest::addColumn<QString>("was");
        QTest::addColumn<int>("antwort"); // UserDialogs::Antwort
        QTest::addColumn<bool>("weiter"); // the action went ahead
        const int ja = int(UserDialogs::Antwort::Ja), nein = int(UserDialogs::Antwort::Nein),
                  ab = int(UserDialogs::Antwort::Abbrechen);
        QTest::newRow("close, Abbrechen") << "close" << ab << false;
        QTest::newRow("close, Nein") << "close" << nein << true;
        QTest::newRow("close, Ja") << "close" << ja << true;
        QTest::newRow("profile, Abbrechen") << "profile" << ab << false;
        QTest::newRow("calibration, Abbrechen") << "kal" << ab << false;
    }
    void unsavedChangesAsked() {
        QFETCH(QString, was);
        QFETCH(int, antwort);
        QFETCH(bool, weiter);
        auto w = window();
        w->show();
        QDoubleSpinBox* box = paramwert(*w, 21);
        box->setValue(box->value() == box->minimum() ? box->maximum() : box->minimum());
        QTRY_VERIFY(teil<QPushButton>(*w, "bparamsave")->isEnabled());
        const ParameterTabelle table = w->geraet()->tabelle();
        const QString ziel = dir->filePath("gesichert.dpk");
        dialogs->fileAnswers = {ziel};
        dialogs->questionAnswers = {UserDialogs::Antwort(antwort)};
        bool gegangen = false;
        if (was == "close") {
            gegangen = w->close();
        } else if (was == "profile") {
            w->auswahlvesk2();
            gegangen = w->geraet()->profil() == 1;
        } else {
            teil<QPushButton>(*w, "bsmstep")->click();
            gegangen = w->geraet()->smkal().schritt() != 0;
        }
        QCOMPARE(dialogs->boxes("question").size(), 1);
        QCOMPARE(gegangen, weiter);
        QCOMPARE(QFile::exists(ziel), antwort == int(UserDialogs::Antwort::Ja));
        dialogs->fileAnswers.clear();
        if (!weiter)
            QCOMPARE(w->geraet()->tabelle(), table);
    }

    // What was written reads back as it was: every field of every user entry, X entries and
    // unnamed ones left out.
    void userFileRoundTrip() {
        // Values without a name are not written.
        QString ohneName = QString::fromLatin1(fileBytes(release("USER2B2.DPK")));
        ohneName.replace(
            QRegularExpression(QStringLiteral("^RX bass *,"), QRegularExpression::MultilineOption),
            QStringLiteral(","));
        auto w = window(QStringLiteral("Xparams.dpk"), ohneName.toLatin1());
        QVERIFY(w);
        QVERIFY(w->geraet()->tabelle()[22].name.isEmpty());
        w->geraet()->parameterAendern({{21, 99}});
        QVERIFY(teil<QPushButton>(*w, "bparamsave")->isEnabled());
        const QString target = dir->filePath("saved.dpk");
        dialogs->fileAnswers = {target};
        w->parameterseite()->clickparamsave();

        const QList<ShownBox> save = dialogs->boxes(QStringLiteral("save"));
        QCOMPARE(save.size(), 1);
        QCOMPARE(save[0].title, QStringLiteral("USER-Parameter Speichern"));
        QCOMPARE(save[0].text, dir->filePath("USER2B2.DPK"));
        QVERIFY(!teil<QPushButton>(*w, "bparamsave")->isEnabled());

        QStringList lines;
        QVERIFY(readParameterLines(target, &lines));
        ParameterTabelle back;
        applyParameterLines(back, lines, false, {});
        for (int i = 0; i < 100; ++i) {
            const TParameter& p = w->geraet()->tabelle()[size_t(i)];
            if (p.xparam || p.name.isEmpty() || i == 0) {
                QCOMPARE(back[size_t(i)], TParameter{});
                continue;
            }
            QCOMPARE(back[size_t(i)], p);
        }
        QCOMPARE(back[21].ssbgreen, 99);
        QVERIFY(w->geraet()->tabelle()[12].xparam);
        QCOMPARE(back[12], TParameter{});
        QVERIFY(fileBytes(target).endsWith("END FILE\r\n"));
    }

    void userFileDialogCanceled() {
        auto w = window();
        beideGeaendert(w->geraet());
        QVERIFY(teil<QPushButton>(*w, "bparamsave")->isEnabled());
        w->parameterseite()->clickparamsave();
        QVERIFY(teil<QPushButton>(*w, "bparamsave")->isEnabled());
        QCOMPARE(dialogs->shown.size(), 1);
        QCOMPARE(fileBytes(dir->filePath("USER2B2.DPK")), fileBytes(release("USER2B2.DPK")));
    }

    // The X file where the user chose, the table beside the configured X file.
    void xFileAndTable() {
        auto w = window();
        beideGeaendert(w->geraet());
        QVERIFY(teil<QPushButton>(*w, "bxparamsave")->isEnabled());
        QDir().mkpath(dir->filePath("other"));
        const QString target = dir->filePath("other/mine.dpk");
        dialogs->fileAnswers = {target};
        w->parameterseite()->clickxparamsave();

        const QList<ShownBox> save = dialogs->boxes(QStringLiteral("save"));
        QCOMPARE(save.size(), 1);
        QCOMPARE(save[0].title, QStringLiteral("X-Parameter Speichern"));
        QCOMPARE(save[0].text, dir->filePath("Xparams.dpk"));
        QCOMPARE(dialogs->boxes(QStringLiteral("critical")).size(), 0);
        // Read from the sample release and written again: the same bytes.
        QCOMPARE(fileBytes(target), fileBytes(release("Filters/Xparams.dpk")));
        QVERIFY(!QFile::exists(dir->filePath("other/mine.dat")));

        // X parameters 12 (44/44), 45 (255/95), 77 (73/73): 61 fillers, then 77, 45, 12.
        const QStringList table = crlfLines(fileBytes(dir->filePath("Xparams.dat")));
        QCOMPARE(table.size(), 64);
        QCOMPARE(table.mid(0, 61), QStringList(61, QStringLiteral("000000")));
        QCOMPARE(table.mid(61), (QStringList{"4D4949", "2DFF5F", "0C2C2C"}));
        QVERIFY(!w->geraet()->xParamGeaendert());
        QVERIFY(!teil<QPushButton>(*w, "bxparamsave")->isEnabled());
    }

    // A configured name in capitals: ".dpk" is not in it, and the table must not land on
    // the X file itself.
    void upperCaseXName() {
        auto w = window(QStringLiteral("Xparams.DPK"));
        const QString xfile = dir->filePath("Xparams.DPK");
        dialogs->fileAnswers = {xfile};
        beideGeaendert(w->geraet());
        w->parameterseite()->clickxparamsave();
        QCOMPARE(fileBytes(xfile), fileBytes(release("Filters/Xparams.dpk")));
        const QStringList table = crlfLines(fileBytes(xfile + QStringLiteral(".dat")));
        QCOMPARE(table.size(), 64);
        QCOMPARE(table.last(), QStringLiteral("0C2C2C"));
        QVERIFY(!w->geraet()->xParamGeaendert());
    }

    // Saved onto the table's own name: the table steps aside rather than replace it.
    void xSavedOntoTableName() {
        auto w = window();
        const QString onto = dir->filePath("Xparams.dat");
        dialogs->fileAnswers = {onto};
        w->parameterseite()->clickxparamsave();
        QCOMPARE(fileBytes(onto), fileBytes(release("Filters/Xparams.dpk")));
        QCOMPARE(crlfLines(fileBytes(onto + QStringLiteral(".dat"))).size(), 64);
    }

    // Every failed write: the box, the same line in the log, the button still enabled, the
    // X changes still marked, and the file that was there left as it was.
    void failures_data() {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("failing"); // relative to the test folder
        QTest::newRow("user file, folder missing") << "user"
                                                   << "missing/u.dpk";
        QTest::newRow("user file onto a folder") << "user"
                                                 << "afolder";
        QTest::newRow("X file, folder missing") << "x"
                                                << "missing/x.dpk";
        QTest::newRow("X table, configured folder missing") << "table"
                                                            << "gone/Xparams.dat";
    }
    void failures() {
        QFETCH(QString, which);
        QFETCH(QString, failing);
        auto w = window();
        QDir().mkpath(dir->filePath("afolder"));
        const QString path = dir->filePath(failing);
        if (which == QLatin1String("table"))
            einstellen(w->geraet(), [&](TEinstellungen& e) {
                e.xparameterfilename[0] = dir->filePath("gone/Xparams.dpk");
            });
        const QString chosen = which == QLatin1String("table") ? dir->filePath("fine.dpk") : path;
        dialogs->fileAnswers = {chosen};
        beideGeaendert(w->geraet());
        QVERIFY(teil<QPushButton>(*w, "bparamsave")->isEnabled());
        QVERIFY(teil<QPushButton>(*w, "bxparamsave")->isEnabled());
        const QByteArray tableBefore("keep me\r\n");
        {
            QFile t(dir->filePath("Xparams.dat"));
            QVERIFY(t.open(QIODevice::WriteOnly));
            t.write(tableBefore);
        }
        if (which == QLatin1String("user"))
            w->parameterseite()->clickparamsave();
        else
            w->parameterseite()->clickxparamsave();

        // A folder is no file to replace, and the box says so.
        const QString text = (QFileInfo(path).isDir()
                                  ? QStringLiteral("\"%1\" ist keine Datei und wird nicht ersetzt!")
                                  : QStringLiteral("Datei \"%1\" kann nicht geschrieben werden!"))
                                 .arg(path);
        const QList<ShownBox> boxes = dialogs->boxes(QStringLiteral("critical"));
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].title, QStringLiteral("Speichern fehlgeschlagen!"));
        QCOMPARE(boxes[0].text, text);
        QCOMPARE(lastLog(*w), text);
        if (which == QLatin1String("user")) {
            QVERIFY(teil<QPushButton>(*w, "bparamsave")->isEnabled());
            return;
        }
        QVERIFY(teil<QPushButton>(*w, "bxparamsave")->isEnabled());
        QVERIFY(w->geraet()->xParamGeaendert());
        if (which == QLatin1String("x")) {
            // The table beside the configured file was still brought up to date.
            QCOMPARE(crlfLines(fileBytes(dir->filePath("Xparams.dat"))).size(), 64);
        } else {
            QCOMPARE(fileBytes(chosen), fileBytes(release("Filters/Xparams.dpk")));
            QCOMPARE(fileBytes(dir->filePath("Xparams.dat")), tableBefore);
        }
    }
};

QTEST_MAIN(TestParamSpeichern)
#include "tst_paramspeichern.moc"
