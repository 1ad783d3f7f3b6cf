// The parameter block to the running DSP and the read-back of the PIC's parameter area,
// through the window, on a pseudo-terminal to the simulated set.
#include "app/vantrel.h"
#include "download/firmwareseite.h"
#include "fensterteil.h"
#include "link/link.h"
#include "parameters/parameterseite.h"
#include "parameters/parametervergleichdialog.h"
#include "sim/simpicparams.h"
#include "simground.h"
#include "sitzung.h"

#include "geraetzugang.h"
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

#include <memory>

using Frames = QList<std::pair<int, int>>;

namespace {
const QString kTrenner = QStringLiteral("---------------------------------");

QString userFile() {
    return TestEnv::sampleRelease() + QStringLiteral("/USER2B2.DPK");
}

QStringList logLines(const vantrel& w) {
    const QString t = teil<QTextEdit>(w, "log")->toPlainText();
    return t.isEmpty() ? QStringList() : t.split(QLatin1Char('\n'));
}

// A device table with a value pattern of its own for every parameter 10..99.
QMap<int, SimPicParam> deviceTable() {
    QMap<int, SimPicParam> t;
    for (int nr = 10; nr <= 99; ++nr) {
        SimPicParam p;
        p.ssb[0] = nr + 1;
        p.ssb[1] = nr % 3 == 0 ? 254 : nr + 2;
        p.ssb[2] = 254;
        p.cw[0] = 200 - nr;
        p.cw[1] = 254;
        p.cw[2] = nr % 4 == 0 ? 255 : 201 - nr;
        p.min = 0;
        p.max = 250;
        p.einer = (nr * 7) % 10;
        t.insert(nr, p);
    }
    t[10].einer = 7;
    t[99].einer = 4;
    // Absent in SSB green on the device, present in CW green.
    t[33].ssb[0] = 0xFF;
    return t;
}
} // namespace

class TestParamTransfer : public QObject, private SimGround {
    Q_OBJECT

    std::unique_ptr<vantrel> window(const QString& port, const QString& userPath = userFile()) {
        env->writeConfig(
            {QStringLiteral("rs232=") + port, QStringLiteral("parameterfilename=") + userPath});
        auto w = std::make_unique<vantrel>();
        w->resize(900, 800);
        w->show();
        if (!QTest::qWaitForWindowExposed(w.get()))
            return nullptr;
        teil<QTabWidget>(*w, "tabs")->setCurrentWidget(teil<QWidget>(*w, "firmwareseite"));
        teil<QTextEdit>(*w, "log")->clear();
        dialogs->clear();
        return w;
    }

    Frames frames() const { return sim->framePairs(); }

    // The column the radio buttons of these names select.
    static Geraet::Spalte spalte(const QString& mode, const QString& bank, bool monitor) {
        Geraet::Spalte s;
        s.modus = mode == QLatin1String("rbcw") ? parameter::Modus::Cw : parameter::Modus::Ssb;
        s.bank = bank == QLatin1String("rbgelb")  ? parameter::Bank::Gelb
                 : bank == QLatin1String("rbrot") ? parameter::Bank::Rot
                                                  : parameter::Bank::Gruen;
        s.monitor = monitor;
        return s;
    }

    // Until the block is closed, and a little longer to see nothing follows.
    Frames blockFrames() {
        sim->waitUntil([this] { return frames().contains({108, 0}); }, 3000);
        sim->waitForBytes(int(sim->received().size()) + 1, 200);
        return frames();
    }

private slots:
    void initTestCase() { beginCase(); }
    void cleanupTestCase() { endCase(); }
    void init() { QVERIFY(beginTest()); }
    void cleanup() { endTest(); }

    // The column the buttons select, as frames; 52 and the 254 rule included.
    void parameterBlock_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("bank");
        QTest::addColumn<bool>("monitor");
        QTest::addColumn<Frames>("inner");
        // Table below: 23 (40, 254 yellow, 12 red; CW 90 / 254 / 255), 30 (5 in SSB green
        // only), 52 (9 everywhere), everything else 255.
        QTest::newRow("SSB Gruen") << "rbssb"
                                   << "rbgruen" << false << Frames{{23, 40}, {30, 5}, {52, 9}};
        QTest::newRow("SSB Gelb: 254 as green") << "rbssb"
                                                << "rbgelb" << false << Frames{{23, 40}, {52, 9}};
        QTest::newRow("CW Rot: 255 sends nothing") << "rbcw"
                                                   << "rbrot" << false << Frames{{52, 9}};
        QTest::newRow("CW Gelb with the monitor on")
            << "rbcw"
            << "rbgelb" << true << Frames{{23, 90}, {52, 2}};
    }
    void parameterBlock() {
        QFETCH(QString, mode);
        QFETCH(QString, bank);
        QFETCH(bool, monitor);
        QFETCH(Frames, inner);
        auto w = window(sim->portPath());
        QVERIFY(w);
        ParameterTabelle t;
        resetParameterTabelle(t);
        TParameter& p = t[23];
        p.ssbgreen = 40;
        p.ssbyellow = 254;
        p.ssbred = 12;
        p.cwgreen = 90;
        p.cwyellow = 254;
        p.cwred = 255;
        t[30].ssbgreen = 5;
        for (int* v : {&t[52].ssbgreen, &t[52].ssbyellow, &t[52].ssbred, &t[52].cwgreen,
                       &t[52].cwyellow, &t[52].cwred})
            *v = 9;
        t[5].ssbgreen = 1; // below 10: never sent
        Geraet* g = w->geraet();
        QVERIFY(tabelleLaden(*g, t, env->home()));
        // The column shown, the monitor as its switch would have it; nothing sent yet.
        g->spalteSetzen(spalte(mode, bank, monitor));
        sim->clearRecord();

        g->parameterSenden(g->spalte());
        Frames expected = inner;
        expected.prepend({108, 1});
        expected.append({108, 0});
        QCOMPARE(blockFrames(), expected);
        QCOMPARE(sim->received().size(), 3 * expected.size());
        QCOMPARE(sim->received().left(3), QByteArray::fromHex("7E6C01"));
        QCOMPARE(dialogs->progressLabels, QStringList{QStringLiteral("Parameter-Laden")});
        // The progress counts frames, the block's opening and closing ones included.
        QCOMPARE(dialogs->progressLastValue.last(), int(expected.size()));
        QVERIFY(!w->geraet()->uebertragungLaeuft());
    }

    // Every entry 255: the block is still opened and closed.
    void emptyColumnStillFramed() {
        auto w = window(sim->portPath());
        QVERIFY(w);
        ParameterTabelle t;
        resetParameterTabelle(t);
        // A name only: the file has a line, every bank of the entry stays 255.
        t[10].name = QStringLiteral("leer");
        Geraet* g = w->geraet();
        QVERIFY(tabelleLaden(*g, t, env->home()));
        g->spalteSetzen(spalte("rbssb", "rbgruen", false));
        sim->clearRecord();
        g->parameterSenden(g->spalte());
        QCOMPARE(blockFrames(), (Frames{{108, 1}, {108, 0}}));
    }

    // A cancel in the progress does not cut the block short: a column half sent would leave
    // the DSP with a mix of two, so the whole column goes out and the block is closed.
    void cancelClosesTheBlock() {
        auto w = window(sim->portPath());
        QVERIFY(w);
        ParameterTabelle t;
        resetParameterTabelle(t);
        for (int i = 10; i < 100; ++i)
            t[size_t(i)].ssbgreen = i;
        Geraet* g = w->geraet();
        QVERIFY(tabelleLaden(*g, t, env->home()));
        g->spalteSetzen(spalte("rbssb", "rbgruen", false));
        sim->clearRecord();
        dialogs->cancelAt = {40};
        g->parameterSenden(g->spalte());
        Frames expected{{108, 1}};
        for (int i = 10; i < 100; ++i)
            expected.append({i, i});
        expected.append({108, 0});
        QCOMPARE(blockFrames(), expected);
    }

    // The whole area from the set: values into the table, names and scales from the file,
    // the panel shown, the page switched and the save button open; nothing sent.
    void readBack() {
        auto w = window(sim->portPath());
        QVERIFY(w);
        // Bytes that were waiting before the function started are not part of the area.
        QVERIFY(sim->send(QByteArray("\x01\x02\x03 stale", 9)));
        QTest::qWait(20);
        SimPicParams pic(sim.get());
        const QMap<int, SimPicParam> table = deviceTable();
        pic.setTable(table);
        pic.function995(60);
        sim->clearRecord();
        w->firmwareseite()->clickparam2pc();

        QCOMPARE(pic.sentBytes(), 1023);
        QVERIFY(!sim->waitForBytes(1, 200));
        const QList<ShownBox> info = dialogs->boxes(QStringLiteral("information"));
        QCOMPARE(info.size(), 1);
        QCOMPARE(info[0].title, QStringLiteral("Lesen der Paramter vom Talvaro (Quarnel)"));
        QVERIFY(info[0].withCancel);
        QVERIFY(info[0].text.startsWith(
            QLatin1String("<b>Alle Parameter werden vom Talvaro(Quarnel) zum </b><br>")));
        QVERIFY(info[0].text.contains(QLatin1String("Funktion mit <b>\"995\"</b> starten<br>")));
        QVERIFY(info[0].text.endsWith(
            QLatin1String("gewechselt und das \"Speichern\" der Datei freigegeben.<br><br>")));
        QCOMPARE(dialogs->progressLabels.first(), QStringLiteral("Parameter in Datei Speichern"));
        QCOMPARE(dialogs->boxes(QStringLiteral("critical")).size(), 0);
        QCOMPARE(dialogs->boxes(QStringLiteral("about")).size(), 0);
        QCOMPARE(logLines(*w), (QStringList{QStringLiteral("Parameter vom Vesk lesen"), kTrenner,
                                            QStringLiteral("Fertig"), kTrenner,
                                            QStringLiteral("Parameter File 84 Zeilen geladen")}));

        for (int nr = 10; nr <= 99; ++nr) {
            const SimPicParam& s = table[nr];
            const TParameter& p = w->geraet()->tabelle()[size_t(nr)];
            QCOMPARE(p.ssbgreen, s.ssb[0]);
            QCOMPARE(p.ssbyellow, s.ssb[1]);
            QCOMPARE(p.ssbred, s.ssb[2]);
            QCOMPARE(p.cwgreen, s.cw[0]);
            QCOMPARE(p.cwyellow, s.cw[1]);
            QCOMPARE(p.cwred, s.cw[2]);
            QCOMPARE(p.max, s.max);
            QCOMPARE(p.min, s.min);
            QCOMPARE(p.user, nr / 10 * 10 + s.einer);
        }
        QCOMPARE(w->geraet()->tabelle()[10].user, 17);
        QCOMPARE(w->geraet()->tabelle()[99].user, 94);
        // The file gave what the device does not send.
        QCOMPARE(w->geraet()->tabelle()[13].name.trimmed(), QStringLiteral("AGC hang"));
        QCOMPARE(w->geraet()->tabelle()[13].x, 0.5);

        QVERIFY(w->geraet()->paramGeladen());
        QCOMPARE(teil<QTabWidget>(*w, "tabs")->currentWidget(),
                 teil<QWidget>(*w, "parameterseite"));
        QVERIFY(teil<QPushButton>(*w, "bparamsave")->isEnabled());
        QVERIFY(teil<QRadioButton>(*w, "rbssb")->isChecked() &&
                teil<QRadioButton>(*w, "rbgruen")->isChecked());
        QCOMPARE(paramwert(*w, 13)->value(), 14 * 0.5);
        QCOMPARE(paramnr(*w, 10)->text(), QStringLiteral("1.7"));
        QVERIFY(paramwert(*w, 33)->isHidden());
        QVERIFY(!paramwert(*w, 34)->isHidden());
        // 33 is there in CW.
        QTest::mouseClick(teil<QRadioButton>(*w, "rbcw"), Qt::LeftButton, {},
                          QPoint(6, teil<QRadioButton>(*w, "rbcw")->height() / 2));
        QVERIFY(!paramwert(*w, 33)->isHidden());
        QCOMPARE(paramwert(*w, 33)->value(), double(200 - 33));

        // The read-back itself sent nothing; the line only saw the CW press afterwards.
        QCOMPARE(blockFrames().first(), (std::pair<int, int>(2, 2)));
    }

    // "Mit Talvaro vergleichen" on the page: the set's differences by name and column, and
    // "Werte des Talvaro uebernehmen" puts its values into the panel as unsaved changes
    // without sending a byte.
    void compareWithSet() {
        auto w = window(sim->portPath());
        QVERIFY(w);
        QVERIFY(w->geraet()->userParameterLaden());
        QVERIFY(!w->geraet()->paramGeaendert());
        teil<QTabWidget>(*w, "tabs")->setCurrentWidget(teil<QWidget>(*w, "parameterseite"));
        SimPicParams pic(sim.get());
        pic.setTable(deviceTable());
        pic.function995(60);
        sim->clearRecord();
        QTest::mouseClick(teil<QPushButton>(*w, "bparamvergleich"), Qt::LeftButton);
        QCOMPARE(dialogs->boxes(QStringLiteral("information")).size(), 1);
        auto* d = w->findChild<ParameterVergleichDialog*>();
        QVERIFY(d);
        auto* tabelle = d->findChild<QTableWidget*>(QStringLiteral("vergleichtabelle"));
        QStringList zeile33;
        for (int r = 0; r < tabelle->rowCount(); ++r)
            if (tabelle->item(r, 0)->text() == QLatin1String("33") &&
                tabelle->item(r, 2)->text() == QLatin1String("SSB Gruen"))
                for (int c = 0; c < 5; ++c)
                    zeile33 << tabelle->item(r, c)->text();
        QCOMPARE(zeile33.value(4), QStringLiteral("255"));
        QCOMPARE(zeile33.value(1), w->geraet()->tabelle()[33].name.trimmed());
        QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("buebernehmen")),
                          Qt::LeftButton);
        QCOMPARE(w->geraet()->tabelle()[20].ssbgreen, 21);
        QCOMPARE(w->geraet()->tabelle()[33].ssbgreen, 255);
        QCOMPARE(w->geraet()->tabelle()[10].user, 17);
        QVERIFY(w->geraet()->paramGeaendert());
        QVERIFY(!sim->waitForBytes(1, 200));
    }

    // A value outside the box's range is kept as received: the box shows it clamped, but
    // nothing is stored or sent until the person edits a box, and then only that one.
    void readBackAsReceived() {
        auto w = window(sim->portPath());
        QVERIFY(w);
        SimPicParams pic(sim.get());
        QMap<int, SimPicParam> table = deviceTable();
        table[20].ssb[0] = 240;
        table[20].max = 100;
        pic.setTable(table);
        pic.function995(60);
        sim->clearRecord();
        w->firmwareseite()->clickparam2pc();
        QTest::qWait(400);
        QCOMPARE(w->geraet()->tabelle()[20].ssbgreen, 240);
        QCOMPARE(sim->received().size(), 0);
        QDoubleSpinBox* box = paramwert(*w, 21);
        box->setValue(box->value() == box->minimum() ? box->maximum() : box->minimum());
        QVERIFY(sim->waitForBytes(3, 1000));
        QTest::qWait(100);
        QCOMPARE(sim->framePairs().size(), 1);
        QCOMPARE(sim->framePairs().first().first, 21);
        QCOMPARE(w->geraet()->tabelle()[20].ssbgreen, 240);
    }

    // Cancelled while the set has stopped part-way: nothing changes.
    void readBackCanceled() {
        auto w = window(sim->portPath());
        QVERIFY(w);
        w->parameterseite()->clickparamladen();
        teil<QTabWidget>(*w, "tabs")->setCurrentWidget(teil<QWidget>(*w, "firmwareseite"));
        teil<QTextEdit>(*w, "log")->clear();
        dialogs->clear();
        const ParameterTabelle before = w->geraet()->tabelle();
        const double shown = paramwert(*w, 21)->value();
        SimPicParams pic(sim.get());
        pic.setTable(deviceTable());
        pic.setStopAfter(300);
        pic.function995(30);
        dialogs->cancelAt = {300};
        w->firmwareseite()->clickparam2pc();
        QCOMPARE(pic.sentBytes(), 300);
        QCOMPARE(w->geraet()->tabelle(), before);
        QCOMPARE(paramwert(*w, 21)->value(), shown);
        QCOMPARE(logLines(*w), (QStringList{QStringLiteral("Parameter vom Vesk lesen"), kTrenner}));
        QCOMPARE(teil<QTabWidget>(*w, "tabs")->currentWidget(), teil<QWidget>(*w, "firmwareseite"));
        QVERIFY(!teil<QPushButton>(*w, "bparamsave")->isEnabled());
        QVERIFY(!w->geraet()->uebertragungLaeuft());
        QCOMPARE(dialogs->shown.size(), 2); // the question and the progress, nothing more
    }

    // Ways the read-back ends before it has the area: a box says why and the table keeps
    // what it held.
    void readBackFails_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::newRow("answered Cancel") << "cancel" << QString() << QString();
        QTest::newRow("port not open") << "closed"
                                       << "Error!"
                                       << "Die RS232 ist nicht offen!";
        QTest::newRow("line drops") << "drop"
                                    << "Error!"
                                    << "Die Verbindung zum Talvaro ist unterbrochen!";
        QTest::newRow("another transfer") << "busy"
                                          << "Error!"
                                          << "Es laeuft bereits eine Uebertragung!";
        QTest::newRow("user file missing afterwards")
            << "nofile"
            << "Datei nicht gefunden!"
            << "Datei \"" + TestEnv::sampleRelease() + "/none.dpk\" nicht gefunden!";
    }
    void readBackFails() {
        QFETCH(QString, how);
        QFETCH(QString, title);
        QFETCH(QString, text);
        const QString port =
            how == QLatin1String("closed") ? QStringLiteral("/dev/talvaro-none") : sim->portPath();
        const QString user = how == QLatin1String("nofile")
                                 ? TestEnv::sampleRelease() + QStringLiteral("/none.dpk")
                                 : userFile();
        auto w = window(port, user);
        QVERIFY(w);
        const ParameterTabelle before = w->geraet()->tabelle();
        SimPicParams pic(sim.get());
        pic.setTable(deviceTable());
        if (how == QLatin1String("drop")) {
            pic.setStopAfter(400);
            connect(&pic, &SimPicParams::finished, sim.get(), [this] { sim->hangUp(); });
        }
        pic.function995(30);
        if (how == QLatin1String("cancel"))
            dialogs->confirmAnswers = {false};
        if (how == QLatin1String("busy"))
            QVERIFY(GeraetZugang::link(*w->geraet())->beginTransfer());
        w->firmwareseite()->clickparam2pc();
        if (how == QLatin1String("busy"))
            GeraetZugang::link(*w->geraet())->endTransfer();

        QCOMPARE(w->geraet()->tabelle(), before);
        QVERIFY(!teil<QPushButton>(*w, "bparamsave")->isEnabled());
        QCOMPARE(teil<QTabWidget>(*w, "tabs")->currentWidget(), teil<QWidget>(*w, "firmwareseite"));
        if (how == QLatin1String("cancel")) {
            QCOMPARE(dialogs->shown.size(), 1);
            QCOMPARE(logLines(*w), QStringList());
            return;
        }
        const QList<ShownBox> boxes = dialogs->boxes(
            how == QLatin1String("nofile") ? QStringLiteral("critical") : QStringLiteral("about"));
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].title, title);
        QCOMPARE(boxes[0].text, text);
        QCOMPARE(logLines(*w).last(), text);
        QVERIFY(!w->geraet()->uebertragungLaeuft());
    }
};

QTEST_MAIN(TestParamTransfer)
#include "tst_paramtransfer.moc"
