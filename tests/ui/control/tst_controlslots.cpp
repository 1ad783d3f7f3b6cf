// Direct DSP commands, the function switches and the sideband, clicked in the window and
// read back as frames at the simulated transceiver on a pseudo-terminal.
#include "app/vantrel.h"
#include "download/firmwareseite.h"
#include "fensterteil.h"
#include "link/link.h"
#include "parameters/parameterseite.h"
#include "simground.h"

#include "geraetzugang.h"
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {
QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}

// What the switches are, written down here rather than taken from the code under test.
struct SwitchRow {
    const char* name;
    int command;
    const char* ssbText;
    const char* cwText;
};
const SwitchRow kSwitches[] = {
    {"cbb1", 0x01, "1 Denoiser", "1 Denoiser"},
    {"cbb2", 0xFF, "2 Mute", "2 Mute"},
    {"cbb3", 0x03, "3 Noise Bl.", "3 Noise Bl."},
    {"cbb4", 0x04, "4 A-Notch", "4 QRO"},
    {"cbb5", 0x05, "5 M-Notch", "5 M-Notch"},
    {"cbb6", 0x06, "6 Fil.6.2", "6 Fil.6.2"},
    {"cbb7", 0x07, "7 VOX", "7 QSK"},
    {"cbb9", 0x09, "9 RF Clip", "9 CW Spot"},
};
} // namespace

class TestControlSlots : public QObject, private SimGround {
    Q_OBJECT

    // A window on the simulator's port with the given extra configuration lines, the
    // parameter page in front and its live panel enabled as a loaded parameter file would.
    std::unique_ptr<vantrel> window(const QStringList& extra = {}) {
        env->writeConfig(QStringList{QStringLiteral("rs232=") + sim->portPath()} + extra);
        auto w = std::make_unique<vantrel>();
        // Tall enough for the whole switch panel with its groups.
        w->resize(900, 800);
        w->show();
        if (!QTest::qWaitForWindowExposed(w.get()))
            return nullptr;
        teil<QTabWidget>(*w, "tabs")->setCurrentWidget(teil<QWidget>(*w, "parameterseite"));
        for (QWidget* g : {static_cast<QWidget*>(teil<QGroupBox>(*w, "gbseitenband")),
                           static_cast<QWidget*>(teil<QGroupBox>(*w, "gbmode"))})
            g->setEnabled(true);
        for (QCheckBox* cb : alleSchalter(*w))
            cb->setEnabled(true);
        sim->clearRecord();
        return w;
    }

    template <typename T> static T* find(vantrel& w, const char* name) {
        return w.findChild<T*>(QString::fromLatin1(name));
    }

    static void click(QAbstractButton* b) {
        QVERIFY(b && b->isVisible() && b->isEnabled());
        // On the indicator: a check box takes clicks on its indicator and text only, not on
        // the empty rest of its width.
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
    }

    // Everything the set received, once the line has been quiet for a moment.
    QByteArray wire(int expected) {
        sim->waitForBytes(expected, 2000);
        sim->waitForBytes(expected + 1, 100);
        return sim->received();
    }

private slots:
    void initTestCase() { beginCase(); }
    void cleanupTestCase() { endCase(); }
    void init() { QVERIFY(beginTest()); }
    void cleanup() { endTest(); }

    void directCommand_data() {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("frame");
        QTest::newRow("low 8 bits of the value") << "12"
                                                 << "300" << hex("7E0C2C");
        QTest::newRow("letters and nothing") << "abc"
                                             << "" << hex("7E0000");
        QTest::newRow("256 and -1") << "256"
                                    << "-1" << hex("7E00FF");
        QTest::newRow("hex is no number here") << "0x1F"
                                               << "7" << hex("7E0007");
        QTest::newRow("beyond int") << "99999999999"
                                    << "52" << hex("7E0034");
        QTest::newRow("half a number") << "12abc"
                                       << "1.5" << hex("7E0000");
        QTest::newRow("telegrams on") << "52"
                                      << "2" << hex("7E3402");
    }
    void directCommand() {
        QFETCH(QString, number);
        QFETCH(QString, value);
        QFETCH(QByteArray, frame);
        auto w = window();
        QVERIFY(w);
        teil<QTabWidget>(*w, "tabs")->setCurrentWidget(teil<QWidget>(*w, "firmwareseite"));
        QTest::keyClicks(find<QLineEdit>(*w, "ebefehlnr"), number);
        QTest::keyClicks(find<QLineEdit>(*w, "ebefehlwert"), value);
        click(teil<QPushButton>(*w, "bdspbefehl"));
        QCOMPARE(wire(3).toHex(' '), frame.toHex(' '));
        QCOMPARE(sim->frames().size(), 1);
        // The fields keep what was typed.
        QCOMPARE(teil<QLineEdit>(*w, "ebefehlnr")->text(), number);
    }

    // Each switch on and off: one frame each way, with its own command number.
    void functionSwitch_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("command");
        for (const SwitchRow& s : kSwitches)
            QTest::newRow(s.name) << QString::fromLatin1(s.name) << s.command;
    }
    void functionSwitch() {
        QFETCH(QString, name);
        QFETCH(int, command);
        auto w = window();
        QVERIFY(w);
        auto* box = w->findChild<QCheckBox*>(name);
        QVERIFY(box);
        const QString textBefore = box->text();
        click(box);
        QVERIFY(box->isChecked());
        QVERIFY(sim->waitForFrames(1, 2000));
        const QString textOn = box->text();
        click(box);
        QVERIFY(!box->isChecked());
        QByteArray expected;
        expected.append(char(0x7E)).append(char(command)).append(char(1));
        expected.append(char(0x7E)).append(char(command)).append(char(0));
        QCOMPARE(wire(6).toHex(' '), expected.toHex(' '));
        if (name == QLatin1String("cbb6")) {
            QCOMPARE(textOn, QStringLiteral("6 Fil.6.1"));
            QCOMPARE(box->text(), QStringLiteral("6 Fil.6.2"));
        } else {
            QCOMPARE(textOn, textBefore);
            QCOMPARE(box->text(), textBefore);
        }
    }

    void switchTextsFollowTheMode() {
        auto w = window();
        QVERIFY(w);
        for (bool cw : {true, false, true}) {
            w->parameterseite()->schaltertexte(cw);
            for (const SwitchRow& s : kSwitches) {
                if (QLatin1String(s.name) == QLatin1String("cbb6"))
                    continue;
                QCOMPARE(find<QCheckBox>(*w, s.name)->text(),
                         QString::fromLatin1(cw ? s.cwText : s.ssbText));
            }
        }
        // Labels only: nothing is sent and no switch changes.
        QCOMPARE(wire(0), QByteArray());
        for (QCheckBox* cb : alleSchalter(*w))
            QVERIFY(!cb->isChecked());
    }

    // Command 2 carries mode and sideband; a sideband press sends the value of the mode that
    // is checked, once, and nothing without a mode.
    void sideband_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QByteArray>("frame");
        QTest::newRow("CW, USB") << "rbcw"
                                 << "rbusb" << hex("7E0203");
        QTest::newRow("CW, LSB") << "rbcw"
                                 << "rblsb" << hex("7E0202");
        QTest::newRow("SSB, USB") << "rbssb"
                                  << "rbusb" << hex("7E0201");
        QTest::newRow("SSB, LSB") << "rbssb"
                                  << "rblsb" << hex("7E0200");
        QTest::newRow("no mode, USB") << ""
                                      << "rbusb" << QByteArray();
        QTest::newRow("no mode, LSB") << ""
                                      << "rblsb" << QByteArray();
    }
    void sideband() {
        QFETCH(QString, mode);
        QFETCH(QString, button);
        QFETCH(QByteArray, frame);
        auto w = window();
        QVERIFY(w);
        if (!mode.isEmpty())
            w->findChild<QRadioButton*>(mode)->setChecked(true);
        auto* pressed = w->findChild<QRadioButton*>(button);
        auto* other = button == QLatin1String("rbusb") ? teil<QRadioButton>(*w, "rblsb")
                                                       : teil<QRadioButton>(*w, "rbusb");
        // Start from the other sideband, as after a parameter load.
        other->setChecked(true);
        QCOMPARE(wire(0), QByteArray());
        click(pressed);
        QCOMPARE(wire(int(frame.size())).toHex(' '), frame.toHex(' '));
        QVERIFY(pressed->isChecked());
        QVERIFY(!other->isChecked());
        // Pressing the checked one again sends again: the DSP may have been reset meanwhile.
        sim->clearRecord();
        click(pressed);
        QCOMPARE(wire(int(frame.size())).toHex(' '), frame.toHex(' '));
        QVERIFY(pressed->isChecked());
    }

    // With "paramrs232writetime" 5 every byte of a switch's frame waits; a second switch
    // clicked by a timer slot during that wait follows whole instead of interleaving.
    void switchDuringAPacedFrame() {
        auto w = window({QStringLiteral("paramrs232writetime=5")});
        QVERIFY(w);
        QCOMPARE(GeraetZugang::link(*w->geraet())->paramDelay(), 5);
        const quint64 waits = GeraetZugang::link(*w->geraet())->waitCount();
        QTimer::singleShot(3, Qt::PreciseTimer, w.get(),
                           [&] { schalter(*w, 1)->setChecked(true); });
        QElapsedTimer clock;
        clock.start();
        click(schalter(*w, 0));
        // The click returns once its frame and the one queued behind it are out.
        QVERIFY(clock.nsecsElapsed() >= 6 * 5'000'000);
        QCOMPARE(GeraetZugang::link(*w->geraet())->waitCount() - waits, quint64(6));
        QCOMPARE(wire(6).toHex(' '), hex("7E0101 7EFF01").toHex(' '));
    }

    // Without an open port every control still works on screen, and nothing is sent.
    void portNotOpen() {
        env->writeConfig({QStringLiteral("rs232=/dev/talvaro-no-such-port"),
                          QStringLiteral("paramrs232writetime=50")});
        vantrel w;
        QVERIFY(!w.geraet()->rs232offen());
        QCOMPARE(dialogs->titles(), QStringList{QStringLiteral("RS232 readSettings()")});
        const quint64 waits = GeraetZugang::link(*w.geraet())->waitCount();
        schalter(w, 5)->setEnabled(true);
        schalter(w, 5)->setChecked(true);
        QCOMPARE(schalter(w, 5)->text(), QStringLiteral("6 Fil.6.1"));
        teil<QRadioButton>(w, "rbcw")->setChecked(true);
        w.parameterseite()->setparamusb();
        QVERIFY(teil<QRadioButton>(w, "rbusb")->isChecked());
        teil<QLineEdit>(w, "ebefehlnr")->setText(QStringLiteral("1"));
        w.firmwareseite()->clickdspbefehl();
        QCOMPARE(GeraetZugang::link(*w.geraet())->waitCount(), waits);
        QCOMPARE(wire(0), QByteArray());
    }
};

QTEST_MAIN(TestControlSlots)
#include "tst_controlslots.moc"
