// The RX and TX equalizer pages: load, the debounced band updates and the whole curve as
// they arrive on a real pseudo-terminal, save with its "$" backup, and the failure paths.
// Expected wire bytes and file lines are written out here from the device's gain table.
#include "app/vantrel.h"
#include "control/eqseite.h"
#include "fensterteil.h"
#include "sim/ptypair.h"
#include "sitzung.h"
#include "testenv.h"
#include "windowground.h"

#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>
#include <memory>

namespace {
// Slider value -> gain code, as the device's table gives it.
const char* const kCode[14] = {"7FFF00", "721500", "65AD00", "5A9E00", "50C300",
                               "47FB00", "402700", "392D00", "32F500", "2D6B00",
                               "287A00", "241300", "202700", "000000"};

QByteArray fileOf(const QList<int>& values) {
    QByteArray out;
    for (int v : values)
        out += QByteArray(kCode[-v]) + "\r\n";
    return out;
}
QList<int> mixed() {
    QList<int> v;
    for (int k = 0; k < 31; ++k)
        v.append(-((k * 3 + 1) % 14));
    return v;
}
QByteArray frame(int number, int value) {
    return QByteArray(1, char(0x7E)) + char(number) + char(value);
}
// A whole curve on the wire: preamble, high and middle byte of each band, end.
QByteArray curveWire(bool tx, const QList<int>& values, int bands = 31) {
    QByteArray out = tx ? frame(95, 1) + frame(109, 1) : frame(24, 1) + frame(109, 0);
    for (int k = 0; k < bands; ++k) {
        const QByteArray code = QByteArray::fromHex(kCode[-values[k]]);
        out += frame(110, quint8(code[0])) + frame(112, quint8(code[1]));
    }
    return out + frame(113, tx ? 1 : 0);
}
QByteArray readFile(const QString& path) {
    return fileBytes(path, "<missing>");
}
void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}
// One page as the person sees it: its sliders and timer, its buttons and labels by name.
struct Seite {
    EqSeite* eq;
    QPushButton* laden;
    QPushButton* speichern;
    QPushButton* direkt;
    QGroupBox* gb;
    QLabel* status;
    QSlider* slider(int k) const { return eq->slider(k); }
    QTimer* timer() const { return eq->timer(); }
};
Seite seite(const QWidget& w, EqSeite* eq) {
    const QString p = eq->side == eqcurve::Side::Tx ? QStringLiteral("tx") : QStringLiteral("rx");
    return {eq,
            teil<QPushButton>(w, "b" + p + "eqladen"),
            teil<QPushButton>(w, "b" + p + "eqspeichern"),
            teil<QPushButton>(w, "b" + p + "eq2pic"),
            teil<QGroupBox>(w, "gb" + p + "eq"),
            teil<QLabel>(w, p + "eqstatus")};
}
QList<int> sliders(const Seite& s) {
    QList<int> v;
    for (int k = 0; k < 31; ++k)
        v.append(s.slider(k)->value());
    return v;
}
} // namespace

class TestEqualizer : public QObject, private WindowGround {
    Q_OBJECT

    std::unique_ptr<PtyPair> pty;
    std::unique_ptr<vantrel> w;
    QByteArray wire;

    void start(const QStringList& extra = {}) {
        pty = std::make_unique<PtyPair>();
        QVERIFY(pty->isValid());
        env->writeConfig(QStringList{QStringLiteral("rs232=") + pty->slavePath()} + extra);
        w = std::make_unique<vantrel>();
        QVERIFY(w->geraet()->rs232offen());
        wire.clear();
    }
    QString path(const QString& name) const { return env->configDir() + QLatin1Char('/') + name; }
    Seite page(bool tx) const { return seite(*w, tx ? w->txeq() : w->rxeq()); }
    // Collects what reaches the transceiver's end for ms milliseconds.
    QByteArray listen(int ms) {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < ms) {
            QTest::qWait(10);
            wire += pty->readAll();
        }
        return wire;
    }
    bool waitForBytes(int n, int timeoutMs = 5000) {
        QElapsedTimer t;
        t.start();
        while (wire.size() < n && t.elapsed() < timeoutMs) {
            QTest::qWait(5);
            wire += pty->readAll();
        }
        return wire.size() >= n;
    }
    // Loads the page's file and lets the change timer run out.
    void load(bool tx) {
        QTest::mouseClick(page(tx).laden, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!page(tx).timer()->isActive(), 3000);
        listen(20);
        wire.clear();
    }

private slots:
    void initTestCase() { beginCase(); }
    void cleanupTestCase() { endCase(); }
    void init() {
        dialogs->clear();
        dialogs->cancelAt.clear();
        dialogs->fileAnswers.clear();
        QDir(env->configDir()).removeRecursively();
        QDir().mkpath(env->configDir());
    }
    void cleanup() {
        if (w)
            w->close();
        w.reset();
        pty.reset();
    }

    void sides_data() {
        QTest::addColumn<bool>("tx");
        QTest::newRow("RX") << false;
        QTest::newRow("TX") << true;
    }

    void zeroDbFileLoadsAndSavesBackIdentical_data() { sides_data(); }
    void zeroDbFileLoadsAndSavesBackIdentical() {
        QFETCH(bool, tx);
        start();
        const QString name = path(tx ? "TxEQ.dat" : "RxEQ.dat");
        const Seite s = page(tx);
        // A curve of many levels first, so that 0 dB must really be set by the second load.
        writeFile(name, fileOf(mixed()));
        load(tx);
        QCOMPARE(sliders(s), mixed());

        const QByteArray zeroDb = fileOf(QList<int>(31, 0));
        QCOMPARE(zeroDb.size(), 31 * 8);
        writeFile(name, zeroDb);
        load(tx);
        QCOMPARE(sliders(s), QList<int>(31, 0));
        QVERIFY(s.gb->isEnabled());
        QVERIFY(s.direkt->isEnabled());
        // The curve is the file's: nothing to save, but saving it writes it back as it was.
        QVERIFY(!s.speichern->isEnabled());

        QVERIFY(s.eq->eqdateispeichern());
        QCOMPARE(readFile(name), zeroDb);
        QCOMPARE(readFile(name + "$"), zeroDb);
        QVERIFY(!s.speichern->isEnabled());
        QVERIFY(dialogs->shown.isEmpty());
    }

    void linesLoadAsTheTableSays_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QList<int>>("expected");
        QList<int> unparsable(31, -5);
        unparsable[0] = 0;
        unparsable[1] = 0;
        unparsable[2] = -13;
        unparsable[3] = -13;
        unparsable[4] = -3;
        unparsable[5] = 0;
        QTest::newRow("unparsable, 0, 000000, lower case, not in table")
            << QByteArray("nix\r\n\r\n0\r\n000000\r\n5a9e00\r\n123456\r\n") +
                   fileOf(QList<int>(25, -5))
            << unparsable;
        QList<int> few(31, -7); // what the sliders held before
        few[0] = -12;
        few[1] = -1;
        QTest::newRow("fewer lines leave the rest") << fileOf({-12, -1}) << few;
        QTest::newRow("lines after the 31st are ignored")
            << fileOf(QList<int>(31, -2)) + fileOf(QList<int>(5, -13)) << QList<int>(31, -2);
    }
    void linesLoadAsTheTableSays() {
        QFETCH(QByteArray, file);
        QFETCH(QList<int>, expected);
        start();
        const Seite rx = page(false);
        for (int k = 0; k < 31; ++k)
            rx.slider(k)->setValue(-7);
        writeFile(path("RxEQ.dat"), file);
        QTest::mouseClick(rx.laden, Qt::LeftButton);
        QCOMPARE(sliders(rx), expected);
        // Loaded: the page may be edited and sent.
        QVERIFY(rx.gb->isEnabled() && rx.direkt->isEnabled());
        QVERIFY(dialogs->shown.isEmpty());
    }

    void bandUpdateOnTheWire_data() {
        QTest::addColumn<bool>("tx");
        QTest::addColumn<int>("band");
        QTest::addColumn<QList<int>>("keys"); // +1 up, -1 down, one movement each
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("RX band 1 to -3 dB") << false << 0 << QList<int>{-1, -1, -1}
                                            << QByteArray::fromHex("7E7200"
                                                                   "7E6E5A"
                                                                   "7E709E"
                                                                   "7E7100");
        QTest::newRow("TX band 12 to full cut") << true << 11 << QList<int>(13, -1)
                                                << QByteArray::fromHex("7E720B"
                                                                       "7E6E00"
                                                                       "7E7000"
                                                                       "7E7101");
        QTest::newRow("RX band 31 to -12 dB, past the floor and back")
            << false << 30 << QList<int>(14, -1) + QList<int>{1}
            << QByteArray::fromHex("7E721E"
                                   "7E6E20"
                                   "7E7027"
                                   "7E7100");
        QTest::newRow("down and back up sends nothing")
            << false << 5 << QList<int>{-1, -1, 1, 1} << QByteArray();
    }
    void bandUpdateOnTheWire() {
        QFETCH(bool, tx);
        QFETCH(int, band);
        QFETCH(QList<int>, keys);
        QFETCH(QByteArray, expected);
        start();
        writeFile(path(tx ? "TxEQ.dat" : "RxEQ.dat"), fileOf(QList<int>(31, 0)));
        load(tx);
        const Seite s = page(tx);
        // Each movement re-arms the wait, and nothing leaves while it is pending. Asking the
        // timer rather than the clock keeps this true on a slow machine too.
        auto nothingWhilePending = [&] {
            if (s.timer()->isActive())
                wire += pty->readAll();
            return !s.timer()->isActive() || wire.isEmpty();
        };
        for (int key : keys) {
            const int before = s.slider(band)->value();
            QTest::keyClick(s.slider(band), key < 0 ? Qt::Key_Down : Qt::Key_Up);
            QCOMPARE(s.status->text(), QStringLiteral("Einzelwert gesendet!"));
            if (s.slider(band)->value() != before)
                QVERIFY(s.timer()->remainingTime() > 400);
            QTest::qWait(60);
            QVERIFY(nothingWhilePending());
        }
        QVERIFY(s.timer()->isActive());
        QCOMPARE(s.timer()->interval(), 500);
        while (s.timer()->isActive()) {
            QTest::qWait(5);
            QVERIFY(nothingWhilePending());
        }
        if (!expected.isEmpty())
            QVERIFY(waitForBytes(expected.size()));
        listen(800); // and only once
        QCOMPARE(wire, expected);
        QVERIFY(s.status->text().isEmpty());
        QCOMPARE(s.speichern->isEnabled(), !expected.isEmpty());
        // The page holds the band as sent: another tick sends nothing more.
        s.eq->eqtimerstop();
        QCOMPARE(listen(100), expected);
    }

    void closedPortStillRecordsWhatWasSent() {
        env->writeConfig({QStringLiteral("rs232=/dev/talvaro-none")});
        w = std::make_unique<vantrel>();
        QVERIFY(!w->geraet()->rs232offen());
        writeFile(path("RxEQ.dat"), fileOf(mixed()));
        const Seite rx = page(false);
        QTest::mouseClick(rx.laden, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!rx.timer()->isActive(), 3000);
        // The curve is the file's: nothing to save.
        QVERIFY(!rx.speichern->isEnabled());
        // The bands count as sent: once a line is there, another tick sends nothing.
        pty = std::make_unique<PtyPair>();
        QVERIFY(pty->isValid());
        einstellen(w->geraet(), [&](TEinstellungen& e) { e.rs232 = pty->slavePath(); });
        w->neuverbinden();
        QVERIFY(w->geraet()->rs232offen());
        wire.clear();
        rx.eq->eqtimerstop();
        QCOMPARE(listen(100), QByteArray());
    }

    void wholeCurveOnTheWire_data() {
        QTest::addColumn<bool>("tx");
        QTest::addColumn<int>("cancelAt");
        QTest::addColumn<int>("bandsSent");
        QTest::newRow("RX") << false << -1 << 31;
        QTest::newRow("TX") << true << -1 << 31;
        QTest::newRow("TX cancelled at band 11") << true << 10 << 10;
    }
    void wholeCurveOnTheWire() {
        QFETCH(bool, tx);
        QFETCH(int, cancelAt);
        QFETCH(int, bandsSent);
        start();
        writeFile(path(tx ? "TxEQ.dat" : "RxEQ.dat"), fileOf(mixed()));
        load(tx);
        const Seite s = page(tx);
        dialogs->clear();
        dialogs->cancelAt = {cancelAt};
        QTest::mouseClick(s.direkt, Qt::LeftButton);
        const QByteArray expected = curveWire(tx, mixed(), bandsSent);
        QVERIFY(waitForBytes(expected.size()));
        listen(100);
        QCOMPARE(wire.toHex(' '), expected.toHex(' '));
        QCOMPARE(dialogs->progressLabels,
                 QStringList{tx ? QStringLiteral("TX Equalizer in DSP laden")
                                : QStringLiteral("RX Equalizer in DSP laden")});
        QCOMPARE(dialogs->shown.first().text, QStringLiteral("Abbrechen"));
        QCOMPARE(dialogs->progressLastValue.first(), bandsSent == 31 ? 30 : cancelAt);
        QVERIFY(s.gb->isEnabled());
        QVERIFY(s.status->text().isEmpty());
        QVERIFY(!s.timer()->isActive());
        // The bands still count as sent as before: a tick sends nothing.
        wire.clear();
        s.eq->eqtimerstop();
        QCOMPARE(listen(100), QByteArray());
    }

    void bandUpdateWaitsForTheWholeCurve() {
        // With a paced line the curve takes about a second; a band moved just before the
        // click comes due in the middle of it and must follow the curve, not split it.
        start({QStringLiteral("paramrs232writetime=5")});
        writeFile(path("RxEQ.dat"), fileOf(QList<int>(31, 0)));
        load(false);
        QTest::keyClick(w->rxeq()->slider(4), Qt::Key_Down);
        QTest::mouseClick(page(false).direkt, Qt::LeftButton);
        QList<int> curve(31, 0);
        curve[4] = -1;
        const QByteArray expected = curveWire(false, curve) + QByteArray::fromHex("7E7204"
                                                                                  "7E6E72"
                                                                                  "7E7015"
                                                                                  "7E7100");
        QVERIFY(waitForBytes(expected.size(), 8000));
        listen(700);
        QCOMPARE(wire.toHex(' '), expected.toHex(' '));
    }

    void saveKeepsTheFirstBackup_data() {
        QTest::addColumn<QString>("configured");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QByteArray>("existing");    // empty: no such file
        QTest::addColumn<QByteArray>("oldBackup");   // empty: no such file
        QTest::addColumn<QByteArray>("backupAfter"); // "<missing>": none made
        const QByteArray a = fileOf(QList<int>(31, -1));
        const QByteArray b = fileOf(QList<int>(31, -2));
        QTest::newRow("first save")
            << "RxEQ.dat"
            << "RxEQ.dat" << QByteArray() << QByteArray() << QByteArray("<missing>");
        QTest::newRow("file exists") << "RxEQ.dat"
                                     << "RxEQ.dat" << a << QByteArray() << a;
        QTest::newRow("older backup wins") << "RxEQ.dat"
                                           << "RxEQ.dat" << a << b << b;
        QTest::newRow("no .dat in the name")
            << "MeinEQ"
            << "MeinEQ.dat" << QByteArray() << QByteArray() << QByteArray("<missing>");
        QTest::newRow(".DAT is not .dat")
            << "RxEQ.DAT"
            << "RxEQ.DAT.dat" << QByteArray() << QByteArray() << QByteArray("<missing>");
        QTest::newRow(".dat inside the name") << "eq.dat.neu"
                                              << "eq.dat.neu" << a << QByteArray() << a;
    }
    void saveKeepsTheFirstBackup() {
        QFETCH(QString, configured);
        QFETCH(QString, written);
        QFETCH(QByteArray, existing);
        QFETCH(QByteArray, oldBackup);
        QFETCH(QByteArray, backupAfter);
        start({QStringLiteral("rxeqfilename=") + configured});
        if (!existing.isEmpty())
            writeFile(path(written), existing);
        if (!oldBackup.isEmpty())
            writeFile(path(written + "$"), oldBackup);
        // The file under the name as configured is not the one saved to: it stays as it is.
        const QByteArray other("andere Datei\r\n");
        if (configured != written)
            writeFile(path(configured), other);
        for (int k = 0; k < 31; ++k)
            w->rxeq()->slider(k)->setValue(mixed()[k]);
        QVERIFY(w->rxeq()->eqdateispeichern());
        QCOMPARE(readFile(path(written)), fileOf(mixed()));
        QCOMPARE(readFile(path(written + "$")), backupAfter);
        if (configured != written) {
            QCOMPARE(readFile(path(configured)), other);
            QVERIFY(!QFile::exists(path(configured + "$")));
        }
        QVERIFY(dialogs->shown.isEmpty());
    }

    void saveThatCannotBeWritten_data() { sides_data(); }
    void saveThatCannotBeWritten() {
        QFETCH(bool, tx);
        start();
        writeFile(path(tx ? "TxEQ.dat" : "RxEQ.dat"), fileOf(QList<int>(31, 0)));
        load(tx);
        const Seite s = page(tx);
        QTest::keyClick(s.slider(3), Qt::Key_Down);
        QTRY_VERIFY_WITH_TIMEOUT(s.speichern->isEnabled(), 3000);
        const QString target = QStringLiteral("keinordner/EQ.dat");
        einstellen(w->geraet(),
                   [&](TEinstellungen& e) { (tx ? e.txeqfilename : e.rxeqfilename)[0] = target; });
        QTest::mouseClick(s.speichern, Qt::LeftButton);
        const QString text =
            QStringLiteral("Datei \"%1\" kann nicht geschrieben werden!").arg(target);
        QCOMPARE(dialogs->boxes("critical").size(), 1);
        QCOMPARE(dialogs->boxes("critical").first().title,
                 QStringLiteral("Speichern fehlgeschlagen!"));
        QCOMPARE(dialogs->boxes("critical").first().text, text);
        QVERIFY(teil<QTextEdit>(*w, "log")->toPlainText().contains(text));
        QVERIFY(s.speichern->isEnabled());
        QVERIFY(!QFile::exists(path(target)));
    }

    void failedLoadLocksThePage_data() {
        QTest::addColumn<bool>("tx");
        QTest::addColumn<bool>("pendingMove");
        QTest::newRow("RX") << false << false;
        QTest::newRow("TX") << true << false;
        QTest::newRow("RX with a move still pending") << false << true;
    }
    void failedLoadLocksThePage() {
        QFETCH(bool, tx);
        QFETCH(bool, pendingMove);
        start();
        writeFile(path(tx ? "TxEQ.dat" : "RxEQ.dat"), fileOf(mixed()));
        load(tx);
        const Seite s = page(tx);
        QVERIFY(!s.speichern->isEnabled());
        QVERIFY(!w->geraet()->dateiFehler());
        if (pendingMove)
            QTest::keyClick(s.slider(0), Qt::Key_Up);
        einstellen(w->geraet(), [&](TEinstellungen& e) {
            (tx ? e.txeqfilename : e.rxeqfilename)[0] = QStringLiteral("fehlt.dat");
        });
        const QList<int> before = sliders(s);
        QTest::mouseClick(s.laden, Qt::LeftButton);
        // The full path looked at (the name is taken in the configuration folder), and the
        // setting that named it.
        const QString text = QStringLiteral("Datei \"%1\" nicht gefunden!")
                                 .arg(QFileInfo(QStringLiteral("fehlt.dat")).absoluteFilePath());
        QCOMPARE(dialogs->boxes("critical").size(), 1);
        QCOMPARE(dialogs->boxes("critical").first().title, QStringLiteral("Datei nicht gefunden!"));
        QVERIFY(dialogs->boxes("critical").first().text.startsWith(text + "<br>"));
        QVERIFY(dialogs->boxes("critical")
                    .first()
                    .text.contains(tx ? "TX-Equalizer der DSP-Software"
                                      : "RX-Equalizer der DSP-Software"));
        QVERIFY(teil<QTextEdit>(*w, "log")->toPlainText().contains(text));
        QVERIFY(w->geraet()->dateiFehler());
        QVERIFY(!s.gb->isEnabled());
        QVERIFY(!s.direkt->isEnabled());
        QVERIFY(!s.speichern->isEnabled());
        QCOMPARE(sliders(s), before);
        QTRY_VERIFY_WITH_TIMEOUT(!s.timer()->isActive(), 3000);
        // A band sent after the failed load must not offer to save an unloaded curve.
        QVERIFY(!s.speichern->isEnabled());
        // Nor is "Zum Vesk direkt" possible on a locked page.
        wire.clear();
        listen(20);
        wire.clear();
        w->rxeq()->eq2dsp();
        w->txeq()->eq2dsp();
        QCOMPARE(listen(100), QByteArray());
    }
};

QTEST_MAIN(TestEqualizer)
#include "tst_equalizer.moc"
