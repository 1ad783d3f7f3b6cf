// The ground of the calibration tests: a main window on the simulated set's pseudo-terminal,
// the sample release's parameter files, calibration files in a folder of the test's own, and
// a telegram poll that ticks every 10 ms instead of 100 so that a sweep takes seconds.
#pragma once

#include "app/vantrel.h"
#include "calibration/smkalibrierung.h"
#include "calibration/zfkalibrierung.h"
#include "link/link.h"
#include "scripteddialogs.h"
#include "sim/simdsp.h"
#include "sim/simtransceiver.h"
#include "testenv.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QTextEdit>
#include <memory>

class KalFenster {
public:
    TestEnv env;
    ScriptedDialogs dialoge;
    std::unique_ptr<SimTransceiver> sim;
    std::unique_ptr<SimDsp> dsp;
    std::unique_ptr<vantrel> w;

    // The calibration files of the profile, inside the configuration folder.
    QString scal() const { return env.configDir() + QStringLiteral("/kal/scal.dat"); }
    QString ad603() const { return env.configDir() + QStringLiteral("/kal/AD603.dat"); }
    QString ad603eins() const { return env.configDir() + QStringLiteral("/AD603_1.dat"); }

    // A new set (telegrams every periode ms) and a window on it; false when either failed.
    bool starten(int periode = 5, const QStringList& extra = {}) {
        w.reset();
        dsp.reset();
        sim = std::make_unique<SimTransceiver>();
        if (!sim->isValid())
            return false;
        dsp = std::make_unique<SimDsp>(sim.get());
        dsp->setPeriode(periode);
        QDir().mkpath(env.configDir() + QStringLiteral("/kal"));
        const QString rel = TestEnv::sampleRelease();
        env.writeConfig(
            QStringList{QStringLiteral("rs232=") + sim->portPath(),
                        QStringLiteral("parameterfilename=") + rel + QStringLiteral("/USER2B2.DPK"),
                        QStringLiteral("standardparameterfilename=") + rel +
                            QStringLiteral("/standard.dpk"),
                        QStringLiteral("scalfilename=") + scal(),
                        QStringLiteral("ad603filename=") + ad603()} +
            extra);
        TestEnv::clearSettings();
        dialoge.clear();
        w = std::make_unique<vantrel>();
        w->geraet()->setAbfrageMs(10);
        w->resize(1000, 800);
        w->show();
        if (!QTest::qWaitForWindowExposed(w.get()) || !w->geraet()->rs232offen())
            return false;
        sim->clearRecord();
        return true;
    }

    ZfKalibrierung& zf() const { return w->geraet()->zfkal(); }
    SmKalibrierung& sm() const { return w->geraet()->smkal(); }

    // Lets the set read what is still on its way, then forgets what it received.
    void vergessen() {
        QTest::qWait(60);
        sim->poll();
        sim->clearRecord();
    }

    static bool klick(QAbstractButton* b) {
        if (!b || !b->isVisible() || !b->isEnabled())
            return false;
        QTest::mouseClick(b, Qt::LeftButton);
        return true;
    }

    // Pumps events until done() holds or ms passed.
    static bool warte(const std::function<bool()>& done, int ms) {
        QElapsedTimer uhr;
        uhr.start();
        while (!done()) {
            if (uhr.elapsed() > ms)
                return false;
            QTest::qWait(5);
        }
        return true;
    }

    // The frames the set received since the last clearRecord, as (number, value).
    QList<std::pair<int, int>> rahmen() const { return sim->framePairs(); }
    // Values of the frames with this number, in order.
    QList<int> werte(int nummer) const {
        QList<int> r;
        for (const SimFrame& f : sim->frames())
            if (f.number == nummer)
                r.append(f.value);
        return r;
    }

    static QString text(QTextEdit* t) { return t->toPlainText(); }

    // The lines of a file as bytes, CR LF included.
    static QByteArray datei(const QString& pfad) { return fileBytes(pfad); }
};
