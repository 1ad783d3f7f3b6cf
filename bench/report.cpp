// Benchmark report: the loader's slow and heavy operations, each run in a child process of
// its own so that its peak memory is its own, printed as one table.
//
//   bench_report               every row
//   bench_report NAME ...      only the rows named (dsp, restore, backup, readback, image,
//                              start, sweep, monitor)
//
// Rows: "Direkt zum DSP" of the sample release at the default 2 ms per byte; an EEPROM
// restore at the default 10 ms per byte; the EEPROM backup and the parameter read-back with
// the set sending at the pace of a real line (9600 baud, two stop bits); a 1 MiB firmware
// text built into a download image; the start of the main window until it is shown; the IF
// sweep of the window against the set at 10 telegrams per second with the monitor open beside
// it, and the monitor's delay from a telegram's last byte to its display meanwhile. The set runs in
// the child too, so its work counts towards CPU time. Targets for the paced transfers (restore,
// DSP): wall/nominal at most 1.03, CPU/wall at most 0.05; for the sweep wall/nominal at most 1.10;
// for the monitor a delay of at most one poll (100 ms) at the 95th percentile.
#include "app/userdialogs.h"
#include "app/vantrel.h"
#include "benchutil.h"
#include "calibration/zfkalibrierung.h"
#include "download/datensatz.h"
#include "download/downloadimage.h"
#include "download/dspdownload.h"
#include "download/eeprombackup.h"
#include "download/firmwarefile.h"
#include "download/picdownload.h"
#include "link/link.h"
#include "link/modem.h"
#include "link/progress.h"
#include "monitor/dspmonitor.h"
#include "parameters/parameterempfang.h"
#include "parameters/parametertransfer.h"
#include "sim/simdsp.h"
#include "sim/simloader.h"
#include "sim/simpic.h"
#include "sim/simtransceiver.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
using bench::cpuSeconds;
using bench::NoProgress;
// The pace of a real line for what the set sends by itself: 11 bits per byte at 9600 baud
// is 873 bytes per second, which the set gives as 7 bytes every 8 ms.
constexpr int kLinieBytes = 7;
constexpr int kLinieMs = 8;
constexpr int kRestoreBytes = 2048;

// What a child measured: the row's text, nominal (0: none), wall and CPU seconds, and
// whether the data came through intact.
struct Zeile {
    char was[64] = {};
    double nominal = 0;
    double wall = 0;
    double cpu = 0;
    int intakt = 0;
};

struct Uhr {
    double cpu0 = cpuSeconds();
    QElapsedTimer wall;
    Uhr() { wall.start(); }
    Zeile ende(const char* was, double nominal, bool intakt) const {
        Zeile z;
        std::snprintf(z.was, sizeof z.was, "%s", was);
        z.wall = double(wall.nsecsElapsed()) / 1e9;
        z.cpu = cpuSeconds() - cpu0;
        z.nominal = nominal;
        z.intakt = intakt ? 1 : 0;
        return z;
    }
};

struct Leitung {
    SimTransceiver sim;
    Modem modem;
    Link link{&modem};
    bool offen() {
        link.setOpen(sim.isValid() && modem.openPort(sim.portPath()));
        return link.isOpen();
    }
};

Zeile direktZumDsp() {
    Leitung l;
    SimLoader loader(&l.sim);
    if (!l.offen())
        return {};
    const int dspMs = 2;
    l.link.setDelays(10, dspMs, 0);
    DownloadImage image;
    QStringList dspzeilen, filterliste;
    const QString dir = QStringLiteral(TALVARO_SOURCE_DIR "/data/sample-release");
    if (ladeDatensatz(image, &dspzeilen, &filterliste,
                      {dir + "/VESK2b1x.dpk", dir + "/Filters/filters.dpk", dir}, {},
                      {}) != DatensatzStatus::Geladen)
        return {};
    const QByteArray& b = image.buffer;
    int programmsaetze = 0;
    for (qsizetype i = 0; i + 2 < b.size(); ++i)
        programmsaetze += (b[i] == '$' && b[i + 1] == 'D' && b[i + 2] == 'P') ? 1 : 0;
    // The frame, four pauses, one pause per program record, every byte's delay.
    const qint64 bytes = 4 + b.size() + 4 + 6;
    const double nominal =
        ((4 + programmsaetze) * download::kLaderPause + double(bytes) * dspMs) / 1e3;
    NoProgress p;
    Uhr uhr;
    const TransferResult r = download::buffer2dsp(l.link, b, p, {});
    l.sim.waitUntil([&] { return loader.started(); }, 1000);
    const bool intakt = r.ok() && loader.image() == b && loader.checksumOk() && loader.started();
    char was[64];
    std::snprintf(was, sizeof was, "Direkt zum DSP (%lld B, 2 ms)",
                  static_cast<long long>(b.size()));
    return uhr.ende(was, nominal, intakt);
}

Zeile eepromRestore() {
    Leitung l;
    SimPic pic(&l.sim);
    if (!l.offen())
        return {};
    const int picMs = 10;
    l.link.setDelays(picMs, 2, 0);
    QByteArray data(kRestoreBytes, '\0');
    for (int i = 0; i < kRestoreBytes; ++i)
        data[i] = char((i * 7 + 3) & 0xFF);
    pic.function(996);
    const double nominal = double(8 + kRestoreBytes) * picMs / 1e3;
    NoProgress p;
    Uhr uhr;
    const TransferResult r = download::buffer2pic_alt(l.link, data, p, {});
    const bool intakt = r.ok() && pic.eeprom().left(kRestoreBytes) == data;
    return uhr.ende("EEPROM restore (2048 B, 10 ms)", nominal, intakt);
}

// The set sends n bytes at the line's pace: its last turn ends this long after the first.
double liniendauer(int n) {
    return double((n + kLinieBytes - 1) / kLinieBytes - 1) * kLinieMs / 1e3;
}

Zeile eepromBackup() {
    Leitung l;
    SimPic pic(&l.sim);
    if (!l.offen())
        return {};
    for (int i = 0; i < SimPic::eepromSize; ++i)
        pic.eeprom()[i] = char((i * 13 + 5) & 0xFF);
    pic.setSendRate(kLinieBytes, kLinieMs);
    QTimer::singleShot(0, &pic, [&pic] { pic.function(997); });
    QByteArray data;
    NoProgress p;
    Uhr uhr;
    const TransferResult r = download::eepromsichern(l.link, p, &data);
    return uhr.ende("EEPROM backup (65536 B, line pace)", liniendauer(SimPic::eepromSize),
                    r.ok() && data == pic.eeprom());
}

Zeile readBack() {
    Leitung l;
    SimPic pic(&l.sim);
    if (!l.offen())
        return {};
    pic.setSendRate(kLinieBytes, kLinieMs);
    QTimer::singleShot(0, &pic, [&pic] { pic.function(995); });
    QByteArray bereich;
    NoProgress p;
    Uhr uhr;
    const TransferResult r = parameter::bereichempfangen(l.link, p, &bereich);
    const bool intakt =
        r.ok() && bereich.left(parameter::kBereichGroesse) ==
                      pic.eeprom().mid(SimPic::parameterArea, parameter::kBereichGroesse);
    return uhr.ende("Read-back (1023 B, line pace)", liniendauer(parameter::kBereichGroesse),
                    intakt);
}

// A firmware text of at least 1 MiB: program blocks of 64 words at rising addresses (never
// 0, whose block the loader splits). bloecke counts them.
QByteArray firmwaretext(int* bloecke) {
    QByteArray t("Talvaro DSP-Software bench\r\n");
    int adresse = 0x0100;
    quint32 x = 1;
    while (t.size() < (1 << 20)) {
        t += "@PA\r\n" + QByteArray::number(adresse, 16).rightJustified(4, '0').toUpper() + "\r\n";
        for (int i = 0; i < 64; ++i) {
            x = x * 1103515245u + 12345u;
            t += QByteArray::number((x >> 8) & 0xFFFFFF, 16).rightJustified(6, '0').toUpper() +
                 "\r\n";
        }
        t += "#\r\n";
        ++*bloecke;
        adresse = adresse >= 0x3000 ? 0x0100 : adresse + 64;
    }
    return t;
}

Zeile image() {
    int bloecke = 0;
    const QByteArray text = firmwaretext(&bloecke);
    Uhr uhr;
    DownloadImage image;
    image.dspfileparsen(firmwareZeilen(text), {});
    image.checksummeanhaengen({});
    // Per block a record of a 7-byte header, 64 words of three bytes and CR; then the
    // checksum record with its one word.
    const bool intakt = image.buffer.size() == qsizetype(bloecke) * (7 + 64 * 3 + 1) + 7 + 3 + 1 &&
                        image.buffer.endsWith('\r');
    char was[64];
    std::snprintf(was, sizeof was, "Image from %lld B firmware text",
                  static_cast<long long>(text.size()));
    return uhr.ende(was, 0, intakt);
}

// Boxes would wait for a click; the bench answers none and shows none.
class StilleDialoge : public UserDialogs {
public:
    void about(QWidget*, const QString&, const QString&) override {}
    bool information(QWidget*, const QString&, const QString&, bool) override { return false; }
    void critical(QWidget*, const QString&, const QString&) override {}
    void aboutQt(QWidget*) override {}
    QString openFileName(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    QString existingDirectory(QWidget*, const QString&, const QString&) override { return {}; }
    std::unique_ptr<Progress> progress(QWidget*, const QString&, const QString&, int,
                                       int) override {
        return std::make_unique<NoProgress>();
    }
};

Zeile start(QElapsedTimer seitExec, double cpuBeiExec) {
    SimTransceiver sim;
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    QDir(home.path()).mkpath(QStringLiteral("vantrel"));
    QFile cfg(home.filePath(QStringLiteral("vantrel/vantrel.cfg")));
    const QString rel = QStringLiteral(TALVARO_SOURCE_DIR "/data/sample-release");
    if (cfg.open(QIODevice::WriteOnly))
        cfg.write(("rs232=" + sim.portPath() + "\nveskpfad=" + rel + "\n").toLocal8Bit());
    cfg.close();
    StilleDialoge dialoge;
    UserDialogs::install(&dialoge);
    bool gezeigt = false;
    double wall = 0;
    double cpu = 0;
    {
        vantrel w;
        w.show();
        QElapsedTimer grenze;
        grenze.start();
        while (!gezeigt && grenze.elapsed() < 10000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            gezeigt = w.windowHandle() && w.windowHandle()->isExposed();
        }
        wall = double(seitExec.nsecsElapsed()) / 1e9;
        cpu = cpuSeconds() - cpuBeiExec;
        w.close();
    }
    UserDialogs::install(nullptr);
    Zeile z;
    std::snprintf(z.was, sizeof z.was, "Start until the window is shown");
    z.wall = wall;
    z.cpu = cpu;
    z.intakt = gezeigt ? 1 : 0;
    return z;
}

// A window on a set that sends a telegram every 100 ms, its configuration in a folder of
// its own, boxes answered by nobody.
struct Fensterplatz {
    SimTransceiver sim;
    SimDsp dsp{&sim};
    QTemporaryDir home;
    StilleDialoge dialoge;
    std::unique_ptr<vantrel> w;
    Fensterplatz() {
        dsp.setPeriode(100);
        qputenv("HOME", home.path().toLocal8Bit());
        QDir(home.path()).mkpath(QStringLiteral("vantrel"));
        QFile cfg(home.filePath(QStringLiteral("vantrel/vantrel.cfg")));
        if (cfg.open(QIODevice::WriteOnly))
            cfg.write(
                ("rs232=" + sim.portPath() + "\nad603filename=" + home.path() + "/AD603.dat\n")
                    .toLocal8Bit());
        cfg.close();
        UserDialogs::install(&dialoge);
        w = std::make_unique<vantrel>();
    }
    ~Fensterplatz() {
        w.reset();
        UserDialogs::install(nullptr);
    }
    // Sleeps in an event loop, looking every 20 ms, until fertig() holds or ms passed.
    bool warten(const std::function<bool()>& fertig, int ms) {
        QEventLoop schleife;
        QElapsedTimer uhr;
        uhr.start();
        QTimer blick;
        QObject::connect(&blick, &QTimer::timeout, &schleife, [&] {
            if (fertig() || uhr.elapsed() >= ms)
                schleife.quit();
        });
        blick.start(20);
        if (!fertig())
            schleife.exec();
        return fertig();
    }
};

// The IF sweep from its step on, as "WEITER!" starts it (64 DAC steps of 15 telegrams each),
// with the monitor window open beside it: both read the one telegram stream. The sweep row's
// nominal is the time the set needs to send those 960 telegrams; the monitor row's wall is
// the 95th percentile of the delay from the set putting a telegram on the line to the
// monitor window getting it, meanwhile, against one poll.
Zeile sweepMitMonitor(bool monitorZeile) {
    Fensterplatz f;
    if (!f.sim.isValid() || !f.w->geraet()->rs232offen())
        return {};
    vantrel& w = *f.w;
    Geraet& g = *w.geraet();
    f.dsp.setSignalpegel(77.0);
    auto* schalter = w.findChild<QCheckBox*>(QStringLiteral("cbdmoni"));
    if (!schalter || !w.dspmonitor())
        return {};
    QElapsedTimer uhr;
    uhr.start();
    std::deque<qint64> gesendet;
    std::vector<qint64> verzug;
    int gezeigt = 0;
    bool messen = false;
    QObject::connect(&f.dsp, &SimDsp::telegrammGesendet, &w, [&](const QByteArray&) {
        if (messen)
            gesendet.push_back(uhr.nsecsElapsed());
    });
    // The monitor window takes each telegram from the session's signal, as this does.
    QObject::connect(&g, &Geraet::telegramm, &w, [&](const TDspDaten&) {
        if (!messen || !w.dspmonitor()->eingeschaltet())
            return;
        ++gezeigt;
        if (gesendet.empty())
            return;
        verzug.push_back(uhr.nsecsElapsed() - gesendet.front());
        gesendet.pop_front();
    });
    // Measured from a poll on: by then every telegram the set sent has been read.
    QObject::connect(&g, &Geraet::abgefragt, &w, [&](int) { messen = true; });
    schalter->setEnabled(true);
    schalter->setChecked(true);
    if (!f.warten([&] { return messen; }, 5000))
        return {};
    ZfKalibrierung& zf = g.zfkal();
    zf.setSchritt(18);
    Uhr sweepuhr;
    const double cpu0 = cpuSeconds();
    QTimer::singleShot(0, &w, [&zf] { zf.weiter(); });
    const bool fertig = f.warten([&zf] { return zf.schritt() >= 20; }, 400000);
    const double laufzeit = double(uhr.nsecsElapsed()) / 1e9;
    const double cpu = cpuSeconds() - cpu0;
    const double nominal = 64.0 * ZfMessung::sweeptelegramme * f.dsp.periode() / 1e3;
    // The table rises from the lowest gain to the highest, as the set's curve does.
    const bool intakt = fertig && zf.messung().calcurve[63] > zf.messung().calcurve[0] + 30;
    if (!monitorZeile) {
        const Zeile z = sweepuhr.ende("IF sweep, monitor open (960 telegrams)", nominal, intakt);
        schalter->setChecked(false);
        return z;
    }
    schalter->setChecked(false);
    Zeile z;
    std::snprintf(z.was, sizeof z.was, "Monitor delay p95 during the sweep");
    if (!fertig || verzug.empty())
        return z;
    std::sort(verzug.begin(), verzug.end());
    z.wall = double(verzug[verzug.size() * 95 / 100]) / 1e9;
    z.nominal = 0.1;
    z.cpu = cpu / laufzeit * z.wall;
    // Every telegram sent was shown, none is left over beyond the one on its way.
    z.intakt = intakt && gesendet.size() <= 1 && gezeigt >= 960 ? 1 : 0;
    return z;
}

Zeile sweep() {
    return sweepMitMonitor(false);
}

Zeile monitor() {
    return sweepMitMonitor(true);
}

struct Fall {
    const char* name;
    Zeile (*lauf)();
    // Runs with a QApplication, offscreen unless the platform is set.
    bool fenster = false;
};
const Fall kFaelle[] = {{"dsp", direktZumDsp},    {"restore", eepromRestore},
                        {"backup", eepromBackup}, {"readback", readBack},
                        {"image", image},         {"start", nullptr, true},
                        {"sweep", sweep, true},   {"monitor", monitor, true}};

// Runs one row in a child: the child writes its Zeile into a pipe, the parent takes its
// peak memory from wait4.
bool kind(const Fall& f, char* argv0, Zeile* z, long* maxrssKb) {
    int fd[2];
    if (pipe(fd) != 0)
        return false;
    const pid_t pid = fork();
    if (pid < 0)
        return false;
    if (pid == 0) {
        close(fd[0]);
        QElapsedTimer seit;
        seit.start();
        const double cpu0 = cpuSeconds();
        int argc = 1;
        char* args[] = {argv0, nullptr};
        Zeile r;
        if (!f.fenster) {
            QCoreApplication app(argc, args);
            r = f.lauf();
        } else {
            qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty()
                                           ? QByteArray("offscreen")
                                           : qgetenv("QT_QPA_PLATFORM"));
            QApplication app(argc, args);
            r = f.lauf ? f.lauf() : start(seit, cpu0);
        }
        const bool ok = write(fd[1], &r, sizeof r) == ssize_t(sizeof r);
        close(fd[1]);
        _exit(ok ? 0 : 1);
    }
    close(fd[1]);
    const bool gelesen = read(fd[0], z, sizeof *z) == ssize_t(sizeof *z);
    close(fd[0]);
    int status = 0;
    rusage ru{};
    wait4(pid, &status, 0, &ru);
    *maxrssKb = ru.ru_maxrss;
    return gelesen && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
} // namespace

int main(int argc, char* argv[]) {
    QFile loadavg(QStringLiteral("/proc/loadavg"));
    if (loadavg.open(QIODevice::ReadOnly))
        std::printf("load average before: %s", loadavg.readLine().constData());
    loadavg.close();
    std::printf("| %-38s | %10s | %10s | %12s | %8s | %9s | %-6s |\n", "operation", "nominal ms",
                "wall ms", "wall/nominal", "CPU/wall", "peak MiB", "data");
    std::printf("|%s|%s|%s|%s|%s|%s|%s|\n", "----------------------------------------",
                "------------", "------------", "--------------", "----------", "-----------",
                "--------");
    bool ok = true;
    for (const Fall& f : kFaelle) {
        bool gewaehlt = argc == 1;
        for (int i = 1; i < argc; ++i)
            gewaehlt = gewaehlt || std::strcmp(argv[i], f.name) == 0;
        if (!gewaehlt)
            continue;
        Zeile z;
        long kb = 0;
        if (!kind(f, argv[0], &z, &kb) || z.wall <= 0) {
            std::printf("| %-38s | %10s | %10s | %12s | %8s | %9s | %-6s |\n", f.name, "-", "-",
                        "-", "-", "-", "FAILED");
            ok = false;
            continue;
        }
        const bool getaktet =
            std::strcmp(f.name, "dsp") == 0 || std::strcmp(f.name, "restore") == 0;
        char nominal[32] = "-", verhaeltnis[32] = "-";
        if (z.nominal > 0) {
            std::snprintf(nominal, sizeof nominal, "%.1f", z.nominal * 1e3);
            std::snprintf(verhaeltnis, sizeof verhaeltnis, "%.4f", z.wall / z.nominal);
        }
        std::printf("| %-38s | %10s | %10.1f | %12s | %8.4f | %9.1f | %-6s |\n", z.was, nominal,
                    z.wall * 1e3, verhaeltnis, z.cpu / z.wall, double(kb) / 1024.0,
                    z.intakt ? "intact" : "WRONG");
        ok = ok && z.intakt;
        if (getaktet)
            ok = ok && z.wall / z.nominal <= 1.03 && z.cpu / z.wall <= 0.05;
        if (std::strcmp(f.name, "sweep") == 0)
            ok = ok && z.wall / z.nominal <= 1.10;
        if (std::strcmp(f.name, "monitor") == 0)
            ok = ok && z.wall <= z.nominal;
    }
    if (loadavg.open(QIODevice::ReadOnly))
        std::printf("load average after: %s", loadavg.readLine().constData());
    std::printf("%s\n", ok ? "targets met" : "targets MISSED");
    return ok ? 0 : 1;
}
