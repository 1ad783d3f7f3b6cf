// The parameter editor panel in the window, on a pseudo-terminal to the simulated set: the
// spin boxes' scaling, the debounced live send and what it stores, the 254 rule, the
// S-meter calibration's cut-off, numbering, bank and mode buttons with their frames, the
// X parameters' colour and the layout.
#include "app/vantrel.h"
#include "fensterteil.h"
#include "link/link.h"
#include "parameters/parameterseite.h"
#include "simground.h"
#include "sitzung.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include <memory>
#include <utility>

using Frames = QList<std::pair<int, int>>;

namespace {
QString release(const QString& name) {
    return TestEnv::sampleRelease() + QLatin1Char('/') + name;
}

// The data lines of a parameter file as number -> fields, read here in a plain way of its
// own rather than by the loader's reader.
QMap<int, QStringList> fileEntries(const QString& path) {
    QFile f(path);
    QMap<int, QStringList> out;
    if (!f.open(QIODevice::ReadOnly))
        return out;
    const QStringList lines = QString::fromLatin1(f.readAll()).split(QStringLiteral("\r\n"));
    for (const QString& l : lines.mid(2)) {
        if (l.contains(QLatin1String("END FILE")))
            break;
        QStringList fields = l.split(QLatin1Char(','));
        for (QString& s : fields)
            s = s.trimmed();
        out.insert(fields.value(2).toInt(), fields);
    }
    return out;
}

// Column 3..8 of a file line: SSB G, Y, R, CW G, Y, R.
int column(const QStringList& fields, bool cw, int bank) {
    return fields.value(3 + (cw ? 3 : 0) + bank).toInt();
}
} // namespace

class TestParameterPanel : public QObject, private SimGround {
    Q_OBJECT

    // A window on the simulator's port with the sample release's user file loaded, the
    // parameter page in front and the line quiet.
    std::unique_ptr<vantrel> window(const QStringList& extra = {}) {
        env->writeConfig(
            QStringList{QStringLiteral("rs232=") + sim->portPath(),
                        QStringLiteral("parameterfilename=") + release("USER2B2.DPK"),
                        QStringLiteral("xparameterfilename=") + release("Filters/Xparams.dpk")} +
            extra);
        auto w = std::make_unique<vantrel>();
        w->resize(900, 800);
        w->show();
        if (!QTest::qWaitForWindowExposed(w.get()))
            return nullptr;
        teil<QTabWidget>(*w, "tabs")->setCurrentWidget(teil<QWidget>(*w, "parameterseite"));
        w->parameterseite()->clickparamladen();
        quiet(*w);
        return w;
    }

    // Lets a pending live-send run finish and forgets what the set received so far.
    void quiet(vantrel& w) {
        QTRY_VERIFY_WITH_TIMEOUT(!w.parameterseite()->befehltimer()->isActive(), 2000);
        sim->waitForBytes(1 << 20, 50);
        sim->clearRecord();
    }

    Frames frames() const { return sim->framePairs(); }

    // The frames once the line has stayed quiet for a while after n of them arrived.
    Frames framesSettled(int n) {
        sim->waitForFrames(n, 3000);
        sim->waitForFrames(n + 1, 400);
        return frames();
    }

    // Entry i with one SSB green value and the editor's limits, shown in SSB Gruen.
    static void setEntry(ParameterTabelle& t, int i, int green, int min, int max, double x) {
        TParameter& p = t[size_t(i)];
        p.ssbgreen = green;
        p.min = min;
        p.max = max;
        p.x = x;
        p.xparam = false;
    }

    // The table t in the window, loaded from a file that holds it.
    bool laden(vantrel& w, const ParameterTabelle& t) {
        return tabelleLaden(*w.geraet(), t, env->home());
    }

    static void press(QRadioButton* r) {
        QVERIFY(r && r->isVisible() && r->isEnabled());
        QTest::mouseClick(r, Qt::LeftButton, {}, QPoint(6, r->height() / 2));
    }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale::c());
        beginCase();
    }
    void cleanupTestCase() { endCase(); }
    void init() { QVERIFY(beginTest()); }
    void cleanup() { endTest(); }

    // What a spin box shows for a scale, and the frame a new value sends 200 ms later.
    void scaledSpinBox_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("max");
        QTest::addColumn<int>("raw");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("shownMax");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("newValue");
        QTest::addColumn<int>("sent");
        QTest::newRow("x 0.5") << 0.5 << 100 << 40 << 1 << 50.0 << "20.0" << 20.5 << 41;
        QTest::newRow("x 0.05") << 0.05 << 200 << 36 << 2 << 10.0 << "1.80" << 1.85 << 37;
        QTest::newRow("x 0.1") << 0.1 << 127 << 14 << 1 << 12.7 << "1.4" << 12.7 << 127;
        QTest::newRow("x 2") << 2.0 << 100 << 30 << 0 << 200.0 << "60" << 62.0 << 31;
        QTest::newRow("x 1") << 1.0 << 253 << 190 << 0 << 253.0 << "190" << 0.0 << 0;
        QTest::newRow("x 10, value beyond a byte")
            << 10.0 << 127 << 95 << 0 << 1270.0 << "950" << 1000.0 << 100;
        // 255 in a box is an ordinary value unless the table holds 255; formerly these were
        // stored and sent as 255, and the row vanished as "absent".
        QTest::newRow("x 10, 255 typed")
            << 10.0 << 127 << 95 << 0 << 1270.0 << "950" << 255.0 << 26;
        QTest::newRow("x 3, 255 shown for 85")
            << 3.0 << 85 << 80 << 0 << 255.0 << "240" << 255.0 << 85;
    }
    void scaledSpinBox() {
        QFETCH(double, x);
        QFETCH(int, max);
        QFETCH(int, raw);
        QFETCH(int, decimals);
        QFETCH(double, shownMax);
        QFETCH(QString, text);
        QFETCH(double, newValue);
        QFETCH(int, sent);
        auto w = window();
        QVERIFY(w);
        ParameterTabelle t = w->geraet()->tabelle();
        setEntry(t, 23, raw, 0, max, x);
        QVERIFY(laden(*w, t));
        quiet(*w);
        QDoubleSpinBox* s = paramwert(*w, 23);
        QVERIFY(!s->isHidden());
        QCOMPARE(s->decimals(), decimals);
        QCOMPARE(s->minimum(), 0.0);
        QCOMPARE(s->maximum(), shownMax);
        QCOMPARE(s->singleStep(), x);
        QCOMPARE(s->text(), text);
        // Showing the table sent nothing: every value could be shown as it is.
        QCOMPARE(frames(), Frames{});

        s->setValue(newValue);
        QVERIFY(w->parameterseite()->befehltimer()->isActive());
        QCOMPARE(sim->received().size(), 0);
        QCOMPARE(framesSettled(1), (Frames{{23, sent}}));
        QCOMPARE(w->geraet()->tabelle()[23].ssbgreen, sent);
        QVERIFY(teil<QPushButton>(*w, "bparamsave")->isEnabled());
        QVERIFY(!teil<QPushButton>(*w, "bxparamsave")->isEnabled());
        QVERIFY(!w->parameterseite()->befehltimer()->isActive());
    }

    // The arrow key steps by x, as a user turning the box would.
    void keyStepsByScale() {
        auto w = window();
        QVERIFY(w);
        ParameterTabelle t = w->geraet()->tabelle();
        setEntry(t, 13, 56, 0, 127, 0.5);
        QVERIFY(laden(*w, t));
        quiet(*w);
        QDoubleSpinBox* s = paramwert(*w, 13);
        s->setFocus();
        for (int k = 0; k < 3; ++k)
            QTest::keyClick(s, Qt::Key_Up);
        QCOMPARE(s->value(), 29.5);
        QCOMPARE(framesSettled(1), (Frames{{13, 59}}));
    }

    // Bank Gelb: a 254 entry shows green and a change goes into green, yellow stays 254.
    void yellowSameAsGreen() {
        auto w = window();
        QVERIFY(w);
        ParameterTabelle t = w->geraet()->tabelle();
        TParameter& p = t[23];
        p.ssbgreen = 40;
        p.ssbyellow = 254;
        p.min = 0;
        p.max = 100;
        p.x = 1;
        QVERIFY(laden(*w, t));
        press(teil<QRadioButton>(*w, "rbgelb"));
        QVERIFY(teil<QRadioButton>(*w, "rbgelb")->isChecked());
        quiet(*w);
        QDoubleSpinBox* s = paramwert(*w, 23);
        QCOMPARE(s->value(), 40.0);
        s->setValue(45);
        QCOMPARE(framesSettled(1), (Frames{{23, 45}}));
        QCOMPARE(w->geraet()->tabelle()[23].ssbgreen, 45);
        QCOMPARE(w->geraet()->tabelle()[23].ssbyellow, 254);
        // Back to Gruen: the same value is there.
        press(teil<QRadioButton>(*w, "rbgruen"));
        QCOMPARE(paramwert(*w, 23)->value(), 45.0);
    }

    // Turned and turned back within 200 ms: the run finds no difference.
    void backAndForthSendsNothing() {
        auto w = window();
        QVERIFY(w);
        QDoubleSpinBox* s = paramwert(*w, 21);
        const double old = s->value();
        const int table = w->geraet()->tabelle()[21].ssbgreen;
        s->setValue(old + 3);
        QTest::qWait(80);
        s->setValue(old + 1);
        QTest::qWait(80);
        s->setValue(old);
        QVERIFY(w->parameterseite()->befehltimer()->isActive());
        QTRY_VERIFY_WITH_TIMEOUT(!w->parameterseite()->befehltimer()->isActive(), 2000);
        sim->waitForBytes(1, 300);
        QCOMPARE(sim->received(), QByteArray());
        QCOMPARE(w->geraet()->tabelle()[21].ssbgreen, table);
        QVERIFY(!teil<QPushButton>(*w, "bparamsave")->isEnabled());
    }

    // A table value beyond max: the box shows it as stored, and showing is no edit; the
    // table keeps its value and nothing is sent.
    void clampedValueIsOnlyShown() {
        auto w = window();
        QVERIFY(w);
        ParameterTabelle t = w->geraet()->tabelle();
        setEntry(t, 23, 120, 0, 100, 1);
        QVERIFY(laden(*w, t));
        QCOMPARE(paramwert(*w, 23)->value(), 120.0);
        QVERIFY(!w->parameterseite()->befehltimer()->isActive());
        QVERIFY(!sim->waitForBytes(1, 300));
        QCOMPARE(w->geraet()->tabelle()[23].ssbgreen, 120);
    }

    // While the S-meter calibration runs, 68 is stored but not sent and nothing from 69 on
    // is even stored; below 68 works as ever.
    void smeterCalibrationStopsAt68() {
        auto w = window();
        QVERIFY(w);
        ParameterTabelle t = w->geraet()->tabelle();
        for (int i : {35, 68, 75})
            setEntry(t, i, 50, 0, 200, 1);
        QVERIFY(laden(*w, t));
        // The S-meter calibration's own load of the same table makes it the owner of 68 on.
        einstellen(w->geraet(), [&](TEinstellungen& e) {
            e.parameterfilename[0] = env->home() + QStringLiteral("/tabelle-user.dpk");
        });
        QVERIFY(w->geraet()->kalParameterLaden(true));
        quiet(*w);
        paramwert(*w, 75)->setValue(60);
        paramwert(*w, 68)->setValue(61);
        paramwert(*w, 35)->setValue(62);
        QCOMPARE(framesSettled(1), (Frames{{35, 62}}));
        QCOMPARE(w->geraet()->tabelle()[35].ssbgreen, 62);
        QCOMPARE(w->geraet()->tabelle()[68].ssbgreen, 61);
        QCOMPARE(w->geraet()->tabelle()[75].ssbgreen, 50);
    }

    // A scale of 0 shows 0, and the live send neither stores nor sends for it.
    void zeroScaleIsLeftAlone() {
        auto w = window();
        QVERIFY(w);
        ParameterTabelle t = w->geraet()->tabelle();
        setEntry(t, 23, 40, 0, 100, 0.0);
        setEntry(t, 24, 40, 0, 100, 1.0);
        QVERIFY(laden(*w, t));
        QDoubleSpinBox* s = paramwert(*w, 23);
        QVERIFY(!s->isHidden());
        QCOMPARE(s->value(), 0.0);
        QCOMPARE(s->text(), QStringLiteral("0.00"));
        quiet(*w);
        paramwert(*w, 24)->setValue(41);
        QCOMPARE(framesSettled(1), (Frames{{24, 41}}));
        QCOMPARE(w->geraet()->tabelle()[23].ssbgreen, 40);
        // A whole column still sends the raw table value: x plays no part there.
        sim->clearRecord();
        w->geraet()->parameterSenden(w->geraet()->spalte());
        QVERIFY(sim->waitUntil([this] { return frames().contains({108, 0}); }, 3000));
        QVERIFY(frames().contains(std::pair<int, int>(23, 40)));
    }

    // A change while the previous run's frames are being paced is not lost.
    void changeDuringSendGoesOutLater() {
        auto w = window({QStringLiteral("paramrs232writetime=15")});
        QVERIFY(w);
        // The change comes from an event handled while the run waits between bytes, as a
        // user's turn of the box would, and to a box the run has passed already.
        bool changed = false;
        connect(sim.get(), &SimTransceiver::bytesReceived, w.get(), [&] {
            if (changed)
                return;
            changed = true;
            paramwert(*w, 11)->setValue(paramwert(*w, 11)->value() + 1);
        });
        paramwert(*w, 21)->setValue(paramwert(*w, 21)->value() + 1);
        paramwert(*w, 22)->setValue(paramwert(*w, 22)->value() + 1);
        const Frames f = framesSettled(3);
        QCOMPARE(f.size(), 3);
        QCOMPARE(f.at(0).first, 21);
        QCOMPARE(f.at(1).first, 22);
        QCOMPARE(f.at(2).first, 11);
        QCOMPARE(f.at(2).second, w->geraet()->tabelle()[11].ssbgreen);
    }

    // Edits belong to the column the panel showed: another bank or mode chosen before the
    // debounced run or while its frames are paced stores none of them elsewhere and loses
    // none.
    void columnChangeKeepsEdits_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("waehrend");
        QTest::newRow("Gelb before the run") << "rbgelb" << false;
        QTest::newRow("Gelb while paced") << "rbgelb" << true;
        QTest::newRow("CW while paced") << "rbcw" << true;
    }
    void columnChangeKeepsEdits() {
        QFETCH(QString, button);
        QFETCH(bool, waehrend);
        auto w = window({QStringLiteral("paramrs232writetime=20")});
        QVERIFY(w);
        const QList<int> nummern{11, 12, 13, 14, 15, 16, 17, 18, 19, 21, 22, 23, 24, 25, 26, 27};
        ParameterTabelle t = w->geraet()->tabelle();
        for (int i : nummern) {
            setEntry(t, i, 50, 0, 200, 1);
            t[size_t(i)].ssbyellow = 60;
            t[size_t(i)].cwgreen = 70;
        }
        QVERIFY(laden(*w, t));
        quiet(*w);
        bool gedrueckt = false;
        if (waehrend)
            connect(sim.get(), &SimTransceiver::bytesReceived, w.get(), [&] {
                if (!std::exchange(gedrueckt, true))
                    press(w->findChild<QRadioButton*>(button));
            });
        for (int i : nummern)
            paramwert(*w, i)->setValue(50 + i);
        if (!waehrend)
            press(w->findChild<QRadioButton*>(button));
        QTRY_VERIFY_WITH_TIMEOUT(!w->parameterseite()->befehltimer()->isActive(), 5000);
        QCOMPARE(gedrueckt, waehrend);
        for (int i : nummern) {
            const TParameter& p = w->geraet()->tabelle()[size_t(i)];
            QCOMPARE(p.ssbgreen, 50 + i);
            QCOMPARE(p.ssbyellow, 60);
            QCOMPARE(p.cwgreen, 70);
        }
    }

    void numbering() {
        auto w = window();
        QVERIFY(w);
        const auto user = fileEntries(release("USER2B2.DPK"));
        press(teil<QRadioButton>(*w, "rbvesk"));
        for (int i = 10; i < 100; ++i)
            QCOMPARE(paramnr(*w, i)->text(), QStringLiteral("%1.%2").arg(i / 10).arg(i % 10));
        press(teil<QRadioButton>(*w, "rbuser"));
        for (auto it = user.begin(); it != user.end(); ++it) {
            const int u = it.value().at(1).toInt();
            QCOMPARE(paramnr(*w, it.key())->text(),
                     QStringLiteral("%1.%2").arg(u / 10).arg(u % 10));
        }
        // Numbering sends nothing.
        QCOMPARE(sim->received(), QByteArray());
    }

    // Mode and bank buttons: command 2 for mode and sideband, then the whole new column as a
    // block, built here from the file.
    void modeAndBank_data() {
        QTest::addColumn<QString>("sideband");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("cw");
        QTest::addColumn<int>("bank");
        QTest::addColumn<int>("command2");
        QTest::newRow("CW while LSB") << "rblsb"
                                      << "rbcw" << true << 0 << 2;
        QTest::newRow("CW while USB") << "rbusb"
                                      << "rbcw" << true << 0 << 3;
        QTest::newRow("SSB while USB") << "rbusb"
                                       << "rbssb" << false << 0 << 1;
        QTest::newRow("Rot in SSB") << "rblsb"
                                    << "rbrot" << false << 2 << -1;
        QTest::newRow("Gelb in SSB") << "rblsb"
                                     << "rbgelb" << false << 1 << -1;
    }
    void modeAndBank() {
        QFETCH(QString, sideband);
        QFETCH(QString, button);
        QFETCH(bool, cw);
        QFETCH(int, bank);
        QFETCH(int, command2);
        auto w = window();
        QVERIFY(w);
        w->findChild<QRadioButton*>(sideband)->setChecked(true);
        press(w->findChild<QRadioButton*>(button));
        Frames expected;
        if (command2 >= 0)
            expected.append({2, command2});
        expected.append({108, 1});
        const auto user = fileEntries(release("USER2B2.DPK"));
        for (auto it = user.begin(); it != user.end(); ++it) {
            if (it.key() < 10)
                continue;
            int v = column(it.value(), cw, bank);
            if (v == 255)
                continue;
            if (bank > 0 && v == 254)
                v = column(it.value(), cw, 0);
            expected.append({it.key(), v});
        }
        expected.append({108, 0});
        QCOMPARE(framesSettled(int(expected.size())), expected);
        QCOMPARE(schalter(*w, 3)->text(),
                 cw ? QStringLiteral("4 QRO") : QStringLiteral("4 A-Notch"));
        QCOMPARE(schalter(*w, 6)->text(), cw ? QStringLiteral("7 QSK") : QStringLiteral("7 VOX"));
        QCOMPARE(schalter(*w, 7)->text(),
                 cw ? QStringLiteral("9 CW Spot") : QStringLiteral("9 RF Clip"));
        // The panel shows the column: a parameter absent in it is hidden.
        for (auto it = user.begin(); it != user.end(); ++it)
            QCOMPARE(paramwert(*w, it.key())->isHidden(), column(it.value(), cw, bank) == 255);
        QCOMPARE(dialogs->progressLabels.last(), QStringLiteral("Parameter-Laden"));
    }

    // Which boxes a refresh shows: 0..9 never, a multiple of 10 when it has a value, every
    // other number only with a value.
    void visibility() {
        auto w = window();
        QVERIFY(w);
        ParameterTabelle t = w->geraet()->tabelle();
        t[5].ssbgreen = 3;
        t[30].ssbgreen = 255;
        t[90].ssbgreen = 17;
        t[90].max = 100;
        QVERIFY(laden(*w, t));
        QVERIFY(paramwert(*w, 5)->isHidden());
        QVERIFY(paramnr(*w, 5)->isHidden());
        QVERIFY(paramwert(*w, 30)->isHidden());
        QVERIFY(!paramwert(*w, 90)->isHidden());
        QVERIFY(!paramwert(*w, 20)->isHidden()); // "Filter group" from the file
        QVERIFY(!paramname(*w, 20)->isHidden());
        QCOMPARE(paramname(*w, 20)->text().trimmed(), QStringLiteral("Filter group"));
        QCOMPARE(paramwert(*w, 20)->toolTip(), paramname(*w, 20)->text());
        QVERIFY(paramwert(*w, 99)->isHidden() == (w->geraet()->tabelle()[99].ssbgreen == 255));
    }

    // X parameters turn red with an "X" on their number; a later read of the user file and
    // a reset take both away again.
    void xParametersRedAndBack() {
        auto w = window();
        QVERIFY(w);
        const QColor normal = paramwert(*w, 12)->palette().color(QPalette::Button);
        const QPalette::ColorRole role = paramwert(*w, 12)->backgroundRole();
        QVERIFY(normal != QColor(Qt::red));
        w->parameterseite()->clickxparamladen();
        QCOMPARE(paramwert(*w, 12)->palette().color(QPalette::Button), QColor(Qt::red));
        QCOMPARE(paramwert(*w, 12)->palette().color(QPalette::Disabled, QPalette::Button),
                 QColor(Qt::red));
        QVERIFY(paramnr(*w, 12)->text().endsWith(QLatin1Char('X')));
        QCOMPARE(paramnr(*w, 12)->text().count(QLatin1Char('X')), 1);
        QVERIFY(paramnr(*w, 77)->text().endsWith(QLatin1Char('X')));
        QCOMPARE(paramwert(*w, 11)->palette().color(QPalette::Button), normal);
        // A refresh keeps one "X".
        w->parameterseite()->paramanzeigen();
        QCOMPARE(paramnr(*w, 12)->text().count(QLatin1Char('X')), 1);

        // A live change of an X parameter marks the X file as changed.
        quiet(*w);
        paramwert(*w, 12)->setValue(paramwert(*w, 12)->value() + 1);
        QCOMPARE(framesSettled(1).size(), 1);
        QVERIFY(w->geraet()->xParamGeaendert());
        QVERIFY(teil<QPushButton>(*w, "bxparamsave")->isEnabled());
        QVERIFY(!teil<QPushButton>(*w, "bparamsave")->isEnabled());

        w->parameterseite()->clickparamladen();
        QVERIFY(!w->geraet()->tabelle()[12].xparam);
        QCOMPARE(paramwert(*w, 12)->palette().color(QPalette::Button), normal);
        QVERIFY(!paramwert(*w, 12)->testAttribute(Qt::WA_SetPalette));
        QCOMPARE(paramwert(*w, 12)->backgroundRole(), role);
        QVERIFY(!paramnr(*w, 12)->text().contains(QLatin1Char('X')));
        QCOMPARE(paramwert(*w, 77)->palette().color(QPalette::Button), normal);
        QVERIFY(!paramnr(*w, 77)->text().contains(QLatin1Char('X')));

        w->auswahlvesk2();
        for (int i = 10; i < 100; ++i) {
            QVERIFY(!paramwert(*w, i)->testAttribute(Qt::WA_SetPalette));
            QCOMPARE(paramwert(*w, i)->value(), 255.0);
            QCOMPARE(paramwert(*w, i)->isHidden(), i % 10 == 0);
            QCOMPARE(paramnr(*w, i)->text(), QString());
            QCOMPARE(paramname(*w, i)->text(), QString());
        }
    }

    // Without a loaded table nothing is stored or sent.
    void notLoadedSendsNothing() {
        env->writeConfig({QStringLiteral("rs232=") + sim->portPath()});
        vantrel w;
        QVERIFY(!w.geraet()->paramGeladen());
        paramwert(w, 21)->setValue(17);
        QVERIFY(!w.parameterseite()->befehltimer()->isActive());
        w.geraet()->parameterSenden(w.geraet()->spalte());
        sim->waitForBytes(1, 300);
        QCOMPARE(sim->received(), QByteArray());
        QCOMPARE(w.geraet()->tabelle()[21], TParameter{});
    }

    // Rows close up within their group; the page is as tall as the longest group.
    void layout() {
        auto w = window();
        QVERIFY(w);
        int longest = 0;
        for (int g = 1; g <= 9; ++g) {
            int k = 0;
            for (int i = g * 10; i < g * 10 + 10; ++i) {
                if (paramwert(*w, i)->isHidden())
                    continue;
                const int x = (g - 1) % 3 * 270;
                const int y = 20 + 35 * k;
                QCOMPARE(paramnr(*w, i)->geometry(), QRect(x + 5, y, 30, 30));
                QCOMPARE(paramwert(*w, i)->geometry(), QRect(x + 40, y, 55, 30));
                // The name fills its column up to the next group (170 of 270 px); the former
                // 300 px ran into the next column and past the page.
                QCOMPARE(paramname(*w, i)->geometry(), QRect(x + 97, y, 170, 30));
                QCOMPARE(paramwert(*w, i)->parentWidget(), paramseite(*w, (g - 1) / 3));
                ++k;
            }
            longest = qMax(longest, k);
        }
        QCOMPARE(teil<QTabWidget>(*w, "paramtabs")->geometry(),
                 QRect(10, 160, 830, 35 * longest + 50));
        QCOMPARE(teil<QGroupBox>(*w, "gbbank")->geometry(), QRect(320, 10, 110, 90));
        // Inside its 110 px group box (formerly 150 px, past the box's edge).
        QCOMPARE(teil<QRadioButton>(*w, "rbrot")->geometry(), QRect(10, 60, 95, 20));
        QCOMPARE(teil<QGroupBox>(*w, "gbseitenband")->geometry(), QRect(440, 10, 90, 70));
        QCOMPARE(teil<QGroupBox>(*w, "gbmode")->geometry(), QRect(440, 80, 90, 70));
        QCOMPARE(teil<QGroupBox>(*w, "gbdspid")->geometry(), QRect(540, 10, 70, 70));
        QCOMPARE(teil<QPushButton>(*w, "bparamsave")->geometry(), QRect(640, 40, 190, 30));
        QCOMPARE(teil<QPushButton>(*w, "bxparamladen")->geometry(), QRect(640, 80, 190, 30));
        QCOMPARE(teil<QCheckBox>(*w, "cbdmoni")->geometry(), QRect(640, 140, 190, 30));
        QCOMPARE(teil<QTabWidget>(*w, "paramtabs")->tabText(1), QStringLiteral("4 - 5 - 6"));
    }
};

QTEST_MAIN(TestParameterPanel)
#include "tst_parameterpanel.moc"
