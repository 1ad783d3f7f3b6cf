// talvaro-screenshots: pictures of the loader for the documentation. It runs the loader in
// simulate mode in a throw-away home folder, loads the sample release into the simulated set
// and grabs every page of the main window, the device window and the monitor, in German and
// with the given translation. On a display (scripts/screenshots runs it on a virtual one of
// 1366 x 768 with a window manager) the pages and a transfer are pictured as the whole
// screen, the set's panel beside the main window as the simulate mode places it; offscreen,
// each window alone.
#include "app/autodialogs.h"
#include "app/odlg.h"
#include "app/startup.h"
#include "app/userdialogs.h"
#include "app/vantrel.h"
#include "calibration/smkalibrierung.h"
#include "calibration/telegramm.h"
#include "calibration/zfkalibrierung.h"
#include "download/eepromverlauf.h"
#include "download/eepromverlaufdialog.h"
#include "link/progress.h"
#include "monitor/dspdekoder.h"
#include "monitor/dspmonitor.h"
#include "parameters/parametervergleichdialog.h"
#include "sim/simdsp.h"
#include "sim/simfenster.h"
#include "sim/simpic.h"
#include "sim/simulation.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSlider>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>

#include <cmath>
#include <cstdio>
#include <utility>

namespace {
void pause(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool save(QWidget* w, const QString& path) {
    const bool ok = w->grab().save(path);
    std::fprintf(stderr, "%s %s\n", ok ? "saved" : "FAILED", qPrintable(path));
    return ok;
}

// The whole screen, windows, frames and boxes as a person sees them; false when there is no
// screen to picture (offscreen).
bool g_bildschirm = false;

bool bildschirm(const QString& path) {
    const QPixmap bild = QGuiApplication::primaryScreen()->grabWindow(0);
    const bool ok = bild.save(path);
    std::fprintf(stderr, "%s %s (%dx%d)\n", ok ? "saved" : "FAILED", qPrintable(path), bild.width(),
                 bild.height());
    return ok;
}

// The main window as a page shows it: the screen on a display, else the window.
bool seite(QWidget* w, const QString& path) {
    return g_bildschirm ? bildschirm(path) : save(w, path);
}

// The boxes answer themselves, but a transfer shows its real progress dialog, and one
// instruction box can be shown for real, pictured with the screen and cancelled.
class Bilddialoge : public AutoDialogs {
public:
    // Where the next instruction box is pictured; empty: it answers itself.
    QString boxBild;
    bool boxOk = true;

    bool information(QWidget* parent, const QString& title, const QString& text,
                     bool withCancel) override {
        if (boxBild.isEmpty())
            return AutoDialogs::information(parent, title, text, withCancel);
        QTimer::singleShot(800, [this, pfad = std::exchange(boxBild, {})] {
            boxOk = bildschirm(pfad);
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->reject();
        });
        return RealDialogs().information(parent, title, text, withCancel);
    }
    // Where the next open dialog is pictured with the screen; empty: it answers itself.
    QString dateiBild;
    QString openFileName(QWidget* parent, const QString& title, const QString& dir,
                         const QString& filter) override {
        if (dateiBild.isEmpty())
            return AutoDialogs::openFileName(parent, title, dir, filter);
        QTimer::singleShot(1000, [this, pfad = std::exchange(dateiBild, {})] {
            boxOk = bildschirm(pfad);
            if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                d->reject();
        });
        return RealDialogs().openFileName(parent, title, dir, filter);
    }
    std::unique_ptr<Progress> progress(QWidget* parent, const QString& label,
                                       const QString& cancelText, int minimum,
                                       int maximum) override {
        return RealDialogs().progress(parent, label, cancelText, minimum, maximum);
    }
};
Bilddialoge* g_dialoge = nullptr;

// A wizard's page in front, "START" and the load clicked, then up to 10 s for its step
// count to reach ziel (the set's first telegram moves it on by itself).
void assistentLaden(vantrel& w, const char* seite, const char* knopf, const Kalibrierung& kal,
                    int ziel) {
    w.findChild<QTabWidget*>(QStringLiteral("tabs"))
        ->setCurrentWidget(w.findChild<QWidget*>(QString::fromLatin1(seite)));
    auto* weiter = w.findChild<QPushButton*>(QString::fromLatin1(knopf));
    weiter->click();
    pause(100);
    weiter->click();
    for (int i = 0; i < 100 && kal.schritt() < ziel; ++i)
        pause(100);
}

// One round of pictures in the language in force; suffix "de" or "en".
bool pictures(const QString& out, const QString& suffix, const QString& release) {
    bool ok = true;
    // The simulate mode works on its own copy of the release, in the throw-away home.
    Simulation sim;
    sim.konfigurieren(release);
    vantrel w;
    // The size of a first start: the smallest that holds every control of every page. The
    // panel goes beside it before either is shown, as talvaro-loader --simulate does.
    w.resize(w.minimumSizeHint());
    SimFenster* f = sim.zeigen(&w);
    w.show();
    f->cbechtzeit->setChecked(false);
    pause(g_bildschirm ? 800 : 100);

    // A download with the configured pace, pictured half way: the status bar's figures.
    f->btaste0->click();
    QTimer::singleShot(2500, &w, [&] { ok &= seite(&w, out + "/transfer-" + suffix + ".png"); });
    w.findChild<QPushButton*>(QStringLiteral("bdspladen"))->click();
    pause(300);

    // An instruction box over the main window, the panel beside it free to take the keys the
    // box asks for.
    if (g_bildschirm) {
        g_dialoge->boxBild = out + "/anleitung-" + suffix + ".png";
        w.findChild<QPushButton*>(QStringLiteral("bpar2pic"))->click();
        ok &= g_dialoge->boxOk;
        pause(200);
        // The restore begins with the file: its dialog says what the file is for.
        g_dialoge->dateiBild = out + "/restore-datei-" + suffix + ".png";
        w.findChild<QPushButton*>(QStringLiteral("beerestore"))->click();
        ok &= g_dialoge->boxOk;
        pause(200);
    }

    static const char* names[] = {"firmware", "parameter", "rxeq", "txeq", "zf", "smeter"};
    for (int i = 0; i < w.findChild<QTabWidget*>(QStringLiteral("tabs"))->count() && i < 6; ++i) {
        w.findChild<QTabWidget*>(QStringLiteral("tabs"))->setCurrentIndex(i);
        pause(g_bildschirm ? 400 : 150);
        ok &= seite(&w, QStringLiteral("%1/main-%2-%3-%4.png")
                            .arg(out)
                            .arg(i + 1)
                            .arg(QLatin1String(names[i]), suffix));
    }
    ok &= save(f, out + "/device-" + suffix + ".png");

    // The monitor's history: the minute before the monitor is switched on, on the window's
    // clock, with a signal that comes and goes and a short transmission, from the set's model.
    {
        DspMonitor* mon = w.dspmonitor();
        mon->show();
        SimDsp& dsp = sim.dsp();
        TDspDaten d;
        const qint64 t0 = mon->jetzt();
        for (int i = 0; i < 600; ++i) {
            dsp.setEingangDbm(-85.0 + 20.0 * std::sin(i / 45.0));
            dsp.setSignalpegel(40.0 + 15.0 * std::sin(i / 30.0));
            dsp.setSenden(i > 380 && i < 440);
            dspdatenfuellen(d, Telegramm(dsp.telegramm().mid(2)), w.geraet()->monitorkurve());
            mon->aufnehmen(d, t0 - (599 - i) * 100);
        }
        dsp.setSenden(false);
    }

    // The monitor with the set's telegrams and a signal at S9+20.
    f->signalregler->setValue(-53);
    w.findChild<QTabWidget*>(QStringLiteral("tabs"))->setCurrentIndex(1);
    w.findChild<QCheckBox*>(QStringLiteral("cbdmoni"))->click();
    pause(1500);
    ok &= save(w.dspmonitor(), out + "/monitor-" + suffix + ".png");
    ok &= save(w.dspmonitor(), out + "/monitor-verlauf-" + suffix + ".png");
    w.findChild<QCheckBox*>(QStringLiteral("cbdmoni"))->click();

    // The S-meter wizard at its tuning step, against the set's telegrams: the file's table
    // and a few values turned away from it.
    {
        assistentLaden(w, "smseite", "bsmstep", w.geraet()->smkal(), 3);
        const std::pair<const char*, int> gedreht[] = {
            {"smnf_2", 9}, {"smnf_6", -7}, {"smip3_4", 12}, {"smip3_9", -10}, {"smdb_1", 6}};
        for (const auto& [name, um] : gedreht)
            if (auto* box = w.findChild<QSpinBox*>(QString::fromLatin1(name)))
                box->setValue(box->value() + um);
        pause(400);
        ok &= save(&w, out + "/smeter-tabelle-" + suffix + ".png");
        w.findChild<QPushButton*>(QStringLiteral("bsmabbruch"))->click();
        pause(100);
    }

    // The IF wizard after its sweep against the set's model: the new curve beside the
    // profile's table, before it is written. The steps before the sweep are skipped; the
    // minimum level is the set's own at DAC step 0.
    {
        SimDsp& dsp = sim.dsp();
        dsp.setPeriode(5);
        dsp.setSignalpegel(77.0);
        w.geraet()->setAbfrageMs(10);
        ZfKalibrierung& zf = w.geraet()->zfkal();
        assistentLaden(w, "zfseite", "bzfstep", zf, 2);
        zf.messungFuerTest().pegelmin = dsp.ifpegel(0);
        zf.setSchritt(18);
        zf.weiter();
        for (int i = 0; i < 600 && zf.schritt() < 20; ++i)
            pause(100);
        pause(300);
        ok &= save(&w, out + "/zf-kurve-" + suffix + ".png");
        w.findChild<QPushButton*>(QStringLiteral("bzfabbruch"))->click();
        pause(100);
    }

    // The set's parameters against the panel: the set's area as the panel's table with a few
    // values changed at the set, read back through function 995 of the panel.
    {
        w.findChild<QTabWidget*>(QStringLiteral("tabs"))->setCurrentIndex(1);
        w.geraet()->userParameterLaden();
        QByteArray& ee = sim.pic().eeprom();
        const ParameterTabelle& t = w.geraet()->tabelle();
        for (int n = 10; n <= 99; ++n) {
            const TParameter& p = t[size_t(n)];
            const int werte[9] = {p.ssbgreen, p.ssbyellow, p.ssbred, p.max,      p.min,
                                  p.cwgreen,  p.cwyellow,  p.cwred,  p.user % 10};
            for (int b = 0; b < 9; ++b)
                ee[SimPic::parameterArea + b * 90 + n - 10] = char(werte[b]);
        }
        const std::pair<int, int> geaendert[] = {{10, 0}, {13, 5}, {20, 2}, {35, 0}, {41, 7}};
        for (const auto& [n, b] : geaendert) {
            char& c = ee[SimPic::parameterArea + b * 90 + n - 10];
            c = char(quint8(c) == 255 ? 12 : (quint8(c) + 17) % 250);
        }
        QTimer::singleShot(300, f->bf995, &QPushButton::click);
        w.findChild<QPushButton*>(QStringLiteral("bparamvergleich"))->click();
        pause(600);
        if (auto* d = w.findChild<ParameterVergleichDialog*>()) {
            ok &= g_bildschirm ? bildschirm(out + "/parameter-vergleich-" + suffix + ".png")
                               : save(d, out + "/parameter-vergleich-" + suffix + ".png");
            d->close();
        } else {
            std::fprintf(stderr, "FAILED no parameter comparison\n");
            ok = false;
        }
        pause(100);
    }

    // The EEPROM history: dumps of a few weeks (backups, the backups before writes, a
    // comparison, one that broke off and one whose file was deleted), two of them compared.
    {
        const QString ordner = w.geraet()->sicherungsordner();
        // Each language's round its own history.
        QDir(ordner).removeRecursively();
        QDir().mkpath(ordner);
        download::EepromVerlauf verlauf(ordner, w.geraet()->profil());
        using H = download::VerlaufEintrag::Herkunft;
        const struct {
            int tage;
            H herkunft;
            int bytes;
            const char* name;
        } dumps[] = {
            {40, H::Sicherung, 65536, "vor-umbau.bin"},
            {33, H::VorPicLaden, 65536, nullptr},
            {21, H::VorWiederherstellung, 65536, nullptr},
            {20, H::Vergleich, 65536, nullptr},
            {12, H::Sicherung, 23040, "abend.bin.partial"},
            {5, H::VorWiederherstellung, 65536, "geloescht.bin"},
            {1, H::VorPicLaden, 65536, nullptr},
        };
        QByteArray inhalt = sim.pic().eeprom();
        int k = 0;
        for (const auto& d : dumps) {
            // Each a little different from the one before: a parameter or a stretch of code.
            ++k;
            for (int i = 0; i < 40; ++i)
                inhalt[(0x1200 * k + 7 * i) % 65536] = char(k * 31 + i);
            download::VerlaufEintrag e;
            e.zeit = QDateTime::currentDateTimeUtc().addDays(-d.tage).addSecs(-3600 * k);
            e.datei = d.name ? QDir(ordner).filePath(QLatin1String(d.name))
                             : download::EepromVerlauf::platzNehmen(
                                   ordner, w.geraet()->profil(), QStringLiteral("-%1.bin").arg(k));
            e.bytes = d.bytes;
            e.vollstaendig = d.bytes == 65536;
            e.herkunft = d.herkunft;
            e.port = QStringLiteral("/dev/ttyUSB0");
            e.sha256 = download::sha256(inhalt.left(d.bytes));
            Geraet::dateiSchreiben(e.datei, inhalt.left(d.bytes));
            verlauf.eintragen(e);
        }
        QFile::remove(QDir(ordner).filePath(QStringLiteral("geloescht.bin")));
        w.findChild<QAction*>(QStringLiteral("verlaufAct"))->trigger();
        pause(300);
        if (auto* d = w.findChild<EepromVerlaufDialog*>()) {
            auto* tabelle = d->findChild<QTableWidget*>(QStringLiteral("verlaufstabelle"));
            tabelle->selectRow(0);
            tabelle->selectRow(3);
            d->findChild<QPushButton*>(QStringLiteral("bvergleichen"))->click();
            pause(g_bildschirm ? 400 : 100);
            ok &= g_bildschirm ? bildschirm(out + "/eeprom-verlauf-" + suffix + ".png")
                               : save(d, out + "/eeprom-verlauf-" + suffix + ".png");
            d->close();
        } else {
            std::fprintf(stderr, "FAILED no history dialog\n");
            ok = false;
        }
        pause(100);
    }

    // The options dialog with its port list open: what the system knows of each port. The
    // list is a window of its own, painted over the dialog where it stands.
    odlg* d = w.optionsdialog();
    d->setEinstellungen(w.geraet()->einstellungen());
    d->seiten()->setCurrentIndex(0);
    d->show();
    pause(150);
    // On the screen of 1366 x 768 as the window manager places it: title bar to buttons.
    if (g_bildschirm) {
        pause(600);
        ok &= bildschirm(out + "/optionen-" + suffix + ".png");
        d->seiten()->setCurrentIndex(1);
        pause(300);
        ok &= bildschirm(out + "/optionen-hw1-" + suffix + ".png");
        d->seiten()->setCurrentIndex(0);
        pause(150);
    }
    d->schnittstelle()->showPopup();
    pause(150);
    QPixmap bild = d->grab();
    {
        QWidget* liste = d->schnittstelle()->view()->window();
        QPainter maler(&bild);
        maler.drawPixmap(liste->mapToGlobal(QPoint()) - d->mapToGlobal(QPoint()), liste->grab());
    }
    d->schnittstelle()->hidePopup();
    d->hide();
    const QString datei = out + "/optionen-ports-" + suffix + ".png";
    const bool gespeichert = bild.save(datei);
    std::fprintf(stderr, "%s %s\n", gespeichert ? "saved" : "FAILED", qPrintable(datei));
    ok &= gespeichert;
    w.close();
    return ok;
}
} // namespace

int main(int argc, char* argv[]) {
    // The loader's configuration and settings go to a folder of their own.
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toLocal8Bit());
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: talvaro-screenshots OUTDIR RELEASEDIR QMFILE\n");
        return 2;
    }
    // The window changes into its configuration folder: every path is made absolute first.
    const QString out = QDir(args[1]).absolutePath();
    const QString release = QDir(args[2]).absolutePath();
    const QString qm = QFileInfo(args[3]).absoluteFilePath();
    QDir().mkpath(out);
    Bilddialoge dialogs;
    UserDialogs::install(&dialogs);
    g_dialoge = &dialogs;
    // Named and drawn as talvaro-loader does it.
    QCoreApplication::setApplicationName(QStringLiteral("Talvaro-Loader"));
    QApplication::setWindowIcon(programmIcon());
    g_bildschirm = QGuiApplication::platformName() != QLatin1String("offscreen") &&
                   QGuiApplication::platformName() != QLatin1String("minimal");

    QTranslator qtDeutsch;
    if (qtDeutschLaden(qtDeutsch))
        QCoreApplication::installTranslator(&qtDeutsch);
    bool ok = pictures(out, "de", release);
    QCoreApplication::removeTranslator(&qtDeutsch);
    QTranslator en;
    if (!en.load(qm)) {
        std::fprintf(stderr, "cannot load %s\n", qPrintable(qm));
        return 1;
    }
    QCoreApplication::installTranslator(&en);
    ok &= pictures(out, "en", release);
    return ok ? 0 : 1;
}
