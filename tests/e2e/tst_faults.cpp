// Faults on the line, end to end: the window against the simulated set on a real
// pseudo-terminal, the set told to drop the line, answer wrongly, fall silent or send noise.
// Every case must end with a message the user can act on, the window still alive, none of
// the user's files changed or cut short, and the next operation working as if nothing had
// happened.
#include "app/vantrel.h"
#include "calibration/zfkalibrierung.h"
#include "download/firmwareseite.h"
#include "fensterteil.h"
#include "link/link.h"
#include "link/progress.h"
#include "monitor/tdspdaten.h"
#include "scripteddialogs.h"
#include "sim/simdsp.h"
#include "sim/simloader.h"
#include "sim/simpic.h"
#include "sim/simtransceiver.h"
#include "sim/simulation.h"
#include "sitzung.h"
#include "testenv.h"

#include "geraetzugang.h"
#include <QCheckBox>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>
#include <memory>

namespace {
const QString kUnterbrochen = QStringLiteral("Die Verbindung zum Talvaro ist unterbrochen!");
const QString kKeineDaten = QStringLiteral(
    "<b>Datenempfang auf der RS232 defekt</B><BR>Es kommen vom Talvaro keine Daten zur "
    "Auswertung zum PC.<br> Eventuell ist die RS232 nicht angeschlossen oder<br> unterbrochen.");

QByteArray muster(int n, quint32 x) {
    QByteArray b(n, '\0');
    for (int i = 0; i < n; ++i) {
        x = x * 1103515245u + 12345u;
        b[i] = char(x >> 16);
    }
    return b;
}

QByteArray lesen(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}

bool schreiben(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Every file below dir with its size and digest: a file changed, cut short, added or
// removed shows as a difference.
QMap<QString, QByteArray> abdruck(const QString& dir) {
    QMap<QString, QByteArray> out;
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString p = it.next();
        const QByteArray b = lesen(p);
        out[QDir(dir).relativeFilePath(p)] =
            QByteArray::number(b.size()) + ' ' +
            QCryptographicHash::hash(b, QCryptographicHash::Sha256).toHex();
    }
    return out;
}

// The words of a telegram as the DSP lays them out (header 0x7E 0x7E, then bytes 1..22):
// word 0 from bytes 1-2, words 1..7 from bytes 4-5, 6-7, ..., 16-17, most significant first.
QList<int> worte(const QByteArray& telegramm) {
    auto b = [&](int k) { return int(quint8(telegramm.at(1 + k))); };
    QList<int> w{b(1) << 8 | b(2)};
    for (int n = 1; n < 8; ++n)
        w << (b(2 + 2 * n) << 8 | b(3 + 2 * n));
    return w;
}
// The user at the progress dialog: besides the script, "Abbrechen" once nothing has moved
// for geduldMs. It notes how long the line had been still when they gave up.
class GeduldProgress : public Progress {
public:
    GeduldProgress(std::unique_ptr<Progress> inner, int geduldMs, qint64* stille)
        : m_inner(std::move(inner)), m_stille(stille) {
        connect(m_inner.get(), &Progress::canceled, this, &Progress::canceled);
        m_seit.start();
        if (geduldMs < 0)
            return;
        m_uhr.setInterval(10);
        connect(&m_uhr, &QTimer::timeout, this, [this, geduldMs] {
            if (m_seit.elapsed() < geduldMs)
                return;
            m_uhr.stop();
            *m_stille = m_seit.elapsed();
            m_aufgegeben = true;
            emit canceled();
        });
        m_uhr.start();
    }
    void setRange(int a, int b) override { m_inner->setRange(a, b); }
    void setValue(int v) override {
        if (v != m_wert)
            m_seit.restart();
        m_wert = v;
        m_inner->setValue(v);
    }
    bool wasCanceled() const override { return m_aufgegeben || m_inner->wasCanceled(); }
    void finish() override {
        m_uhr.stop();
        m_inner->finish();
    }

private:
    std::unique_ptr<Progress> m_inner;
    qint64* m_stille;
    QTimer m_uhr;
    QElapsedTimer m_seit;
    int m_wert = -1;
    bool m_aufgegeben = false;
};

class GeduldigeDialoge : public ScriptedDialogs {
public:
    int geduldMs = -1;
    qint64 stilleMs = -1;
    std::unique_ptr<Progress> progress(QWidget* parent, const QString& label,
                                       const QString& cancelText, int minimum,
                                       int maximum) override {
        return std::make_unique<GeduldProgress>(
            ScriptedDialogs::progress(parent, label, cancelText, minimum, maximum), geduldMs,
            &stilleMs);
    }
};
} // namespace

class TestFaults : public QObject {
    Q_OBJECT

    TestEnv* env = nullptr;
    GeduldigeDialoge* dialogs = nullptr;
    std::unique_ptr<QTemporaryDir> user; // the user's own files: a release and backups
    std::unique_ptr<Simulation> sim;
    std::unique_ptr<vantrel> w;
    QMap<QString, QByteArray> vorher;

    QString datei(const QString& name) const { return user->filePath(name); }
    SimPic& pic() const { return sim->pic(); }

    // A window on a fresh set, every write delay 0, the user's files noted.
    bool starten() {
        w.reset();
        sim.reset();
        user = std::make_unique<QTemporaryDir>();
        const QString rel = datei(QStringLiteral("release"));
        QDir().mkpath(rel + QStringLiteral("/Filters"));
        QDirIterator it(TestEnv::sampleRelease(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString p = it.next();
            const QString ziel = rel + '/' + QDir(TestEnv::sampleRelease()).relativeFilePath(p);
            QDir().mkpath(QFileInfo(ziel).path());
            if (!QFile::copy(p, ziel))
                return false;
        }
        schreiben(datei(QStringLiteral("exee.bin")), "an older backup");
        schreiben(datei(QStringLiteral("image.bin")), muster(3000, 7));
        schreiben(datei(QStringLiteral("AD603.dat")), "001000\r\n002000\r\n");

        TestEnv::clearSettings();
        dialogs->clear();
        dialogs->confirmAnswers.clear();
        dialogs->fileAnswers.clear();
        dialogs->cancelAt.clear();
        dialogs->geduldMs = -1;
        dialogs->stilleMs = -1;
        sim = std::make_unique<Simulation>();
        sim->setEchtzeit(false);
        if (!sim->isValid() || !sim->konfigurieren(rel))
            return false;
        w = std::make_unique<vantrel>();
        sim->zeigen(w.get());
        GeraetZugang::link(*w->geraet())->setDelays(0, 0, 0);
        w->geraet()->setAbfrageMs(10);
        einstellen(w->geraet(), [&](TEinstellungen& e) {
            const size_t p = size_t(w->geraet()->profil());
            e.ad603filename[p] = datei(QStringLiteral("AD603.dat"));
            e.scalfilename[p] = datei(QStringLiteral("Scal.dat"));
            // The faults of the restore itself; the dumps around it are the session's own test.
            e.vorwiederherstellungsichern = false;
            e.nachschreibenvergleichen = false;
        });
        w->show();
        if (!QTest::qWaitForWindowExposed(w.get()) || !w->geraet()->rs232offen())
            return false;
        QTest::qWait(30);
        sim->sim().poll();
        sim->sim().clearRecord();
        teil<QTextEdit>(*w, "log")->clear();
        dialogs->clear();
        vorher = abdruck(user->path());
        return true;
    }

    // The set drops the line once it has received n bytes since now.
    void trennenNach(int n) {
        SimTransceiver* s = &sim->sim();
        const int start = int(s->received().size());
        auto* once = new QObject(s);
        connect(s, &SimTransceiver::bytesReceived, once, [s, start, n, once] {
            if (s->received().size() - start >= n) {
                once->deleteLater();
                QTimer::singleShot(0, s, [s] { s->hangUp(); });
            }
        });
    }

    // A fault must leave the window standing and the user's files as they were.
    void unversehrt() {
        QVERIFY(w->isVisible());
        QVERIFY(!w->geraet()->uebertragungLaeuft());
        QCOMPARE(abdruck(user->path()), vorher);
    }

    QStringList logzeilen() const { return teil<QTextEdit>(*w, "log")->toPlainText().split('\n'); }

    // Restore of image.bin into a set that runs function 996.
    void restore() {
        pic().function(996);
        dialogs->fileAnswers << datei(QStringLiteral("image.bin"));
        w->firmwareseite()->clickeerestore();
    }
    bool restoreGeht() {
        dialogs->clear();
        sim->pic().clearFaults();
        restore();
        const QByteArray image = lesen(datei(QStringLiteral("image.bin")));
        return dialogs->boxes("about").isEmpty() && pic().eeprom().left(image.size()) == image &&
               logzeilen().last().startsWith(QStringLiteral("Eeprom-Wiederherstellung: 3000 "));
    }

private slots:
    void initTestCase() {
        env = new TestEnv;
        dialogs = new GeduldigeDialoge;
    }
    void cleanup() {
        if (w)
            w->close();
        w.reset();
        sim.reset();
        user.reset();
    }
    void cleanupTestCase() {
        delete dialogs;
        delete env;
    }

    // The line drops in the middle of each transfer: the box says so, the log too, and once
    // the set is on a new line the same transfer goes through whole.
    void leitungWeg_data() {
        QTest::addColumn<QString>("was");
        QTest::newRow("Direkt zum DSP") << "dsp";
        QTest::newRow("EEPROM restore") << "restore";
        QTest::newRow("EEPROM backup") << "backup";
        QTest::newRow("read-back") << "readback";
    }
    void leitungWeg() {
        QFETCH(QString, was);
        QVERIFY(starten());
        const ParameterTabelle tabelle = w->geraet()->tabelle();
        auto lauf = [&](bool fehler) {
            if (was == "dsp") {
                if (fehler)
                    trennenNach(200);
                w->firmwareseite()->clickdspladen();
            } else if (was == "restore") {
                if (fehler)
                    pic().setDropAfter(1000);
                restore();
            } else if (was == "backup") {
                pic().setSendRate(512, 1);
                if (fehler)
                    pic().setDropAfter(20000);
                QTimer::singleShot(30, &pic(), [this] { pic().function(997); });
                dialogs->fileAnswers << datei(QStringLiteral("exee.bin"));
                w->firmwareseite()->clickeesichern();
            } else {
                pic().setSendRate(64, 1);
                if (fehler)
                    pic().setDropAfter(400);
                QTimer::singleShot(30, &pic(), [this] { pic().function(995); });
                w->firmwareseite()->clickparam2pc();
            }
        };
        lauf(true);
        const QList<ShownBox> about = dialogs->boxes("about");
        QVERIFY(!about.isEmpty());
        QCOMPARE(about.first().title, QStringLiteral("Error!"));
        // A restore that broke off says what the EEPROM now holds.
        QCOMPARE(about.first().text.section("<br>", 0, 0), kUnterbrochen);
        QCOMPARE(about.first().text.contains("Der Eeprom ist jetzt teilweise ueberschrieben"),
                 was == "restore");
        QVERIFY(logzeilen().contains(kUnterbrochen));
        // What arrived of a broken dump is kept beside the file, never in its place.
        if (was == "backup")
            QVERIFY(QFile::remove(datei(QStringLiteral("exee.bin.partial"))));
        unversehrt();
        if (was == "readback")
            QCOMPARE(w->geraet()->tabelle(), tabelle);

        // A new line, and the very same operation runs to its end.
        QVERIFY(sim->neuVerbinden());
        dialogs->clear();
        teil<QTextEdit>(*w, "log")->clear();
        lauf(false);
        QCOMPARE(dialogs->boxes("about").size(), 0);
        QCOMPARE(dialogs->boxes("critical").size(), 0);
        if (was == "dsp") {
            QVERIFY(sim->loader().started());
            QVERIFY(sim->loader().checksumOk());
            QCOMPARE(logzeilen().last(), QStringLiteral("parameter2dsp() Fertig!"));
        } else if (was == "restore") {
            const QByteArray image = lesen(datei("image.bin"));
            QVERIFY(pic().eeprom().left(image.size()) == image);
        } else if (was == "backup") {
            QCOMPARE(lesen(datei("exee.bin")), pic().eeprom());
        } else {
            // The device's values arrived: SSB green of 10..99 is block 0 of its area.
            const QByteArray werte = pic().parameterValues();
            for (int nr = 10; nr < 100; ++nr)
                QCOMPARE(w->geraet()->tabelle()[size_t(nr)].ssbgreen, int(quint8(werte[nr - 10])));
        }
    }

    // The PIC answers the handshake, but never with what it must: no sync, and a wrong echo
    // in the middle of the image. Each is an "Error!" box naming what came, and the same
    // restore then works.
    void picAntwortetFalsch_data() {
        QTest::addColumn<QString>("fehler");
        QTest::addColumn<QString>("text");
        QTest::newRow("no sync") << "sync"
                                 << "Keine Syncronisation!!!<br>\"x\" an PIC gesendet<br>\"q\" "
                                    "vom PIC empfangen.";
        QTest::newRow("wrong echo at 0x5dc") << "echo"
                                             << "";
    }
    void picAntwortetFalsch() {
        QFETCH(QString, fehler);
        QFETCH(QString, text);
        QVERIFY(starten());
        const QByteArray image = lesen(datei("image.bin"));
        if (fehler == "sync") {
            pic().setSyncLetter('q');
        } else {
            pic().setWrongEcho(1500, -1);
            const int b = quint8(image[1500]);
            text = QStringLiteral("Adresse 05dc File:%1 Pic:%2").arg(b, 0, 16).arg(b ^ 1, 0, 16);
        }
        restore();
        const QList<ShownBox> about = dialogs->boxes("about");
        QCOMPARE(about.size(), 1);
        QCOMPARE(about.first().title, QStringLiteral("Error!"));
        QCOMPARE(about.first().text, text);
        // The log shows the box's line breaks as its own.
        QVERIFY(teil<QTextEdit>(*w, "log")->toPlainText().contains(
            QString(text).replace("<br>", "\n")));
        // Nothing past the fault was written.
        QCOMPARE(pic().dataBytes(), fehler == "sync" ? 0 : 1501);
        unversehrt();
        QVERIFY(restoreGeht());
    }

    // The set falls silent: nothing ends the wait but the user's "Abbrechen", which ends it
    // at once and leaves the backup's older file or the EEPROM's rest as they were.
    void stilleBisAbbruch_data() {
        QTest::addColumn<QString>("was");
        QTest::addColumn<int>("still");
        QTest::newRow("restore, silent after 700 echoes") << "restore" << 700;
        QTest::newRow("restore, no handshake at all") << "sync" << 0;
        QTest::newRow("read-back, silent after 300") << "readback" << 300;
    }
    void stilleBisAbbruch() {
        QFETCH(QString, was);
        QFETCH(int, still);
        QVERIFY(starten());
        const ParameterTabelle tabelle = w->geraet()->tabelle();
        pic().setSilentAfter(still);
        dialogs->geduldMs = 400;
        QElapsedTimer dauer;
        dauer.start();
        if (was == "readback") {
            pic().setSendRate(64, 1);
            QTimer::singleShot(30, &pic(), [this] { pic().function(995); });
            w->firmwareseite()->clickparam2pc();
            QCOMPARE(w->geraet()->tabelle(), tabelle);
            QCOMPARE(dialogs->progressLastValue.first(), still);
        } else {
            restore();
            // The handshake's eight answers come first; the echo of the last byte written
            // is the one that never comes.
            QCOMPARE(pic().dataBytes(), qMax(0, still - 8 + 1));
        }
        // Only the user ended it: the line had been still for the whole of their patience,
        // and the transfer stopped right after they gave up.
        QVERIFY(dialogs->stilleMs >= 400);
        QVERIFY2(dauer.elapsed() < dialogs->stilleMs + 3000,
                 qPrintable(QString::number(dauer.elapsed())));
        QVERIFY(dialogs->boxes("about").isEmpty());
        unversehrt();
        if (was == "readback")
            return;
        dialogs->geduldMs = -1;
        QVERIFY(restoreGeht());
    }

    // Noise on the line while the IF calibration waits for the set: bytes that make no
    // telegram are no data, so the box says no data comes while the noise still runs; the
    // wizard is back at its start, its files are as they were, and a new start gets
    // telegrams again.
    void muellWaehrendKalibrierung() {
        QVERIFY(starten());
        teil<QTabWidget>(*w, "tabs")->setCurrentWidget(teil<QWidget>(*w, "zfseite"));
        sim->dsp().setPeriode(3600 * 1000);
        // START and the load: the set is asked for its stream, which brings only noise.
        QVERIFY(teil<QPushButton>(*w, "bzfstep")->isEnabled());
        QTest::mouseClick(teil<QPushButton>(*w, "bzfstep"), Qt::LeftButton);
        QTest::mouseClick(teil<QPushButton>(*w, "bzfstep"), Qt::LeftButton);
        QCOMPARE(w->geraet()->zfkal().schritt(), 2);
        QByteArray muell = muster(16000, 3);
        muell.replace(char(0x7E), char(0x7D));
        int gesendet = 0;
        QTimer rauschen;
        connect(&rauschen, &QTimer::timeout, this, [&] {
            if (gesendet < muell.size())
                sim->sim().send(muell.mid(gesendet, 40));
            gesendet += 40;
        });
        rauschen.start(5);
        QVERIFY(QTest::qWaitFor([&] { return !dialogs->boxes("critical").isEmpty(); }, 3000));
        QVERIFY2(gesendet < muell.size(), "noise is no data");
        rauschen.stop();
        const QList<ShownBox> critical = dialogs->boxes("critical");
        QCOMPARE(critical.size(), 1);
        QCOMPARE(critical.first().title, QStringLiteral("Fehler bei der ZF-Kalibrierung!"));
        QCOMPARE(critical.first().text, kKeineDaten);
        QCOMPARE(w->geraet()->zfkal().schritt(), 0);
        QCOMPARE(teil<QPushButton>(*w, "bzfstep")->text(), QStringLiteral("START"));
        unversehrt();

        // The set streams again: a new start gets through the echo test.
        sim->dsp().setPeriode(5);
        dialogs->clear();
        QTest::mouseClick(teil<QPushButton>(*w, "bzfstep"), Qt::LeftButton);
        QTest::mouseClick(teil<QPushButton>(*w, "bzfstep"), Qt::LeftButton);
        QTest::mouseClick(teil<QPushButton>(*w, "bzfstep"), Qt::LeftButton);
        QVERIFY(QTest::qWaitFor([&] { return w->geraet()->zfkal().schritt() == 5; }, 8000));
        QVERIFY(teil<QTextEdit>(*w, "zftext")
                    ->toPlainText()
                    .contains(QStringLiteral("Es arbeiten beide Wege.")));
        QVERIFY(dialogs->shown.isEmpty());
        QTest::mouseClick(teil<QPushButton>(*w, "bzfabbruch"), Qt::LeftButton);
    }

    // Noise between the telegrams while the monitor runs: every record the monitor gets is
    // a telegram the set sent, never one made of noise, and switching off stops the stream.
    void muellWaehrendMonitor_data() {
        QTest::addColumn<int>("bytes");
        QTest::addColumn<bool>("kopf");
        QTest::newRow("no noise") << 0 << false;
        QTest::newRow("7 bytes after each") << 7 << false;
        QTest::newRow("60 bytes after each") << 60 << false;
        QTest::newRow("60 bytes with header bytes") << 60 << true;
    }
    void muellWaehrendMonitor() {
        QFETCH(int, bytes);
        QFETCH(bool, kopf);
        QVERIFY(starten());
        sim->dsp().setPeriode(20);
        sim->dsp().setMuell(bytes, kopf);
        QObject kontext;
        QList<QList<int>> gesendet;
        connect(&sim->dsp(), &SimDsp::telegrammGesendet, &kontext,
                [&](const QByteArray& t) { gesendet << worte(t); });
        QList<QList<int>> gezeigt;
        connect(w->geraet(), &Geraet::telegramm, &kontext, [&](const TDspDaten& d) {
            gezeigt << QList<int>{d.wert0, d.wert1, d.wert2, d.wert3,
                                  d.wert4, d.wert5, d.wert6, d.wert7};
        });
        teil<QCheckBox>(*w, "cbdmoni")->setChecked(true);
        // Noise behind every telegram can hide it from the search among the latest bytes;
        // what the monitor does show must still be a telegram the set sent.
        QTest::qWait(600);
        const qsizetype waehrend = gezeigt.size();
        if (bytes == 0)
            QVERIFY(waehrend >= 10);
        // Once the noise stops the monitor shows the set's values again.
        sim->dsp().setMuell(0);
        QVERIFY(QTest::qWaitFor([&] { return gezeigt.size() >= waehrend + 10; }, 5000));
        teil<QCheckBox>(*w, "cbdmoni")->setChecked(false);
        for (const QList<int>& g : gezeigt)
            QVERIFY2(gesendet.contains(g), "a record the set never sent");
        // The stream is off: the last frame was (52, 1) and the set stops sending.
        QVERIFY(sim->sim().waitUntil([&] { return !sim->dsp().streamAn(); }, 1000));
        QVERIFY(dialogs->shown.isEmpty());
        unversehrt();
    }
};

QTEST_MAIN(TestFaults)
#include "tst_faults.moc"
