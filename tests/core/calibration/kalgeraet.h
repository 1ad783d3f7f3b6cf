// The ground of the calibration and telegram tests without a window: the session on the
// simulated set's pseudo-terminal, the sample release's parameter files, calibration files
// in a folder of the test's own, a person who answers as told and notes every box, and a
// telegram poll every 10 ms so that a sweep takes seconds.
#pragma once

#include "app/bediener.h"
#include "app/geraet.h"
#include "calibration/smkalibrierung.h"
#include "calibration/zfkalibrierung.h"
#include "link/progress.h"
#include "sim/simdsp.h"
#include "sim/simtransceiver.h"
#include "testenv.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTest>
#include <memory>

class KalPerson : public Bediener {
public:
    struct Gezeigt {
        QString art, titel, text;
    };
    QList<Gezeigt> boxen;
    Antwort antwort = Antwort::Nein;

    class Still : public Progress {
    public:
        void setRange(int, int) override {}
        void setValue(int) override {}
        bool wasCanceled() const override { return false; }
    };
    bool bestaetigen(const QString& titel, const QString& text, bool) override {
        boxen.append({QStringLiteral("box"), titel, text});
        return true;
    }
    QString dateiWaehlen(Wahl, const QString&, const QString&, const QString&) override {
        return {};
    }
    std::unique_ptr<Progress> fortschritt(const QString&, int, int, double,
                                          const QString&) override {
        return std::make_unique<Still>();
    }
    void log(const QString&) override {}
    void meldung(Bediener::Box art, const QString& titel, const QString& text) override {
        boxen.append(
            {art == Bediener::Box::Kritisch ? QStringLiteral("critical") : QStringLiteral("about"),
             titel, text});
    }
    Antwort frage(const QString& titel, const QString& text, bool) override {
        boxen.append({QStringLiteral("question"), titel, text});
        return antwort;
    }
};

class KalGeraet {
public:
    TestEnv env;
    KalPerson person;
    std::unique_ptr<SimTransceiver> sim;
    std::unique_ptr<SimDsp> dsp;
    std::unique_ptr<Geraet> g;

    QString ordner() const { return env.configDir() + QStringLiteral("/kal"); }
    QString scal() const { return ordner() + QStringLiteral("/scal.dat"); }
    QString ad603() const { return ordner() + QStringLiteral("/AD603.dat"); }
    QString ad603eins() const { return env.configDir() + QStringLiteral("/AD603_1.dat"); }

    // A new set sending a telegram every periode ms and a session on it.
    bool starten(int periode = 5, int paramDelay = 0) {
        g.reset();
        dsp.reset();
        sim = std::make_unique<SimTransceiver>();
        if (!sim->isValid())
            return false;
        dsp = std::make_unique<SimDsp>(sim.get());
        dsp->setPeriode(periode);
        QDir().mkpath(ordner());
        person = KalPerson();
        g = std::make_unique<Geraet>();
        g->setBediener(&person);
        const QString rel = TestEnv::sampleRelease();
        TEinstellungen e = g->einstellungen();
        e.rs232 = sim->portPath();
        e.paramrs232writetime = paramDelay;
        e.parameterfilename[0] = rel + QStringLiteral("/USER2B2.DPK");
        e.standardparameterfilename[0] = rel + QStringLiteral("/standard.dpk");
        e.scalfilename[0] = scal();
        e.ad603filename[0] = ad603();
        g->setEinstellungen(e);
        g->setAbfrageMs(10);
        g->zfkal().setOrdner(env.configDir());
        if (!g->verbinden())
            return false;
        sim->clearRecord();
        return true;
    }

    // The line dropped: a new set on a new port, the same session.
    bool neueLeitung() {
        dsp.reset();
        sim = std::make_unique<SimTransceiver>();
        if (!sim->isValid())
            return false;
        dsp = std::make_unique<SimDsp>(sim.get());
        dsp->setPeriode(5);
        dsp->setSignalpegel(77.0);
        TEinstellungen e = g->einstellungen();
        e.rs232 = sim->portPath();
        g->setEinstellungen(e);
        return g->verbinden();
    }

    ZfKalibrierung& zf() const { return g->zfkal(); }
    SmKalibrierung& sm() const { return g->smkal(); }

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
    // Lets the set read what is still on its way.
    void nachlesen() {
        QTest::qWait(60);
        sim->poll();
    }
    QList<std::pair<int, int>> rahmen() const { return sim->framePairs(); }
    QList<int> werte(int nummer) const {
        QList<int> r;
        for (const SimFrame& f : sim->frames())
            if (f.number == nummer)
                r.append(f.value);
        return r;
    }
    QStringList titel(const QString& art) const {
        QStringList t;
        for (const KalPerson::Gezeigt& b : person.boxen)
            if (b.art == art)
                t << b.titel;
        return t;
    }
    QString text(const Kalibrierung& k) const { return k.text().join(QLatin1Char('\n')); }
};
