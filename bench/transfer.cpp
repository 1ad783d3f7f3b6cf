// Transfer bench: the two slow downloads against the simulated set on a pseudo-terminal, timed
// against their nominal duration, the sum of every configured delay and pause they contain.
//
//   bench_transfer            "Direkt zum DSP" of the sample release at 2 ms per byte, and a
//                             4096-byte EEPROM restore at 10 ms per byte
//   bench_transfer DSP PIC N  the same with other delays (ms) and restore size
//
// Targets: wall/nominal at most 1.03, process CPU/wall at most 0.05. The set runs in this
// process, so its work counts towards the CPU time.
#include "benchutil.h"
#include "download/datensatz.h"
#include "download/dspdownload.h"
#include "download/picdownload.h"
#include "link/link.h"
#include "link/modem.h"
#include "link/progress.h"
#include "sim/simloader.h"
#include "sim/simpic.h"
#include "sim/simtransceiver.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {
using bench::cpuSeconds;
using bench::NoProgress;
struct Measure {
    double cpu0 = cpuSeconds();
    QElapsedTimer wall;
    Measure() { wall.start(); }
    bool report(const char* what, double nominalS, bool intact) const {
        const double wallS = double(wall.nsecsElapsed()) / 1e9;
        const double cpuS = cpuSeconds() - cpu0;
        const bool ok = intact && wallS / nominalS <= 1.03 && cpuS / wallS <= 0.05;
        std::printf("%-34s nominal %9.1f ms  wall %9.1f ms  wall/nominal %.4f  cpu %7.1f ms  "
                    "cpu/wall %.4f  %s\n",
                    what, nominalS * 1e3, wallS * 1e3, wallS / nominalS, cpuS * 1e3, cpuS / wallS,
                    intact ? "data intact" : "DATA WRONG");
        return ok;
    }
};

bool direktZumDsp(int dspMs) {
    SimTransceiver sim;
    SimLoader loader(&sim);
    Modem modem;
    if (!sim.isValid() || !modem.openPort(sim.portPath())) {
        std::fprintf(stderr, "bench_transfer: no pseudo-terminal line\n");
        return false;
    }
    Link link(&modem);
    link.setOpen(true);
    const int paramMs = 0;
    link.setDelays(10, dspMs, paramMs);

    DownloadImage image;
    QStringList dspzeilen;
    QStringList filterliste;
    const QString dir = QStringLiteral(TALVARO_SOURCE_DIR "/data/sample-release");
    const DatensatzStatus status =
        ladeDatensatz(image, &dspzeilen, &filterliste,
                      {dir + "/VESK2b1x.dpk", dir + "/Filters/filters.dpk", dir}, {}, {});
    if (status != DatensatzStatus::Geladen) {
        std::fprintf(stderr, "bench_transfer: sample release not found in %s\n", qPrintable(dir));
        return false;
    }
    const QByteArray& b = image.buffer;
    int programRecords = 0;
    for (qsizetype i = 0; i + 2 < b.size(); ++i)
        programRecords += (b[i] == '$' && b[i + 1] == 'D' && b[i + 2] == 'P') ? 1 : 0;
    // Frame, four pauses, one pause per "$DP", and every stream byte's delay.
    const qint64 bytes = 4 + b.size() + 4 + 6;
    const double nominalS =
        (3.0 * paramMs + (4 + programRecords) * download::kLaderPause + double(bytes) * dspMs) /
        1e3;

    NoProgress progress;
    Measure m;
    const TransferResult r = download::buffer2dsp(link, b, progress, {});
    const bool done = r.ok();
    sim.waitUntil([&] { return loader.started(); }, 1000);
    const bool intact = done && loader.image() == b && loader.checksumOk() && loader.started();
    std::printf("Direkt zum DSP: %lld bytes, %d program records, %d ms per byte\n",
                static_cast<long long>(b.size()), programRecords, dspMs);
    return m.report("  buffer2dsp", nominalS, intact);
}

bool eepromRestore(int picMs, int size) {
    SimTransceiver sim;
    SimPic pic(&sim);
    Modem modem;
    if (!sim.isValid() || !modem.openPort(sim.portPath()))
        return false;
    Link link(&modem);
    link.setOpen(true);
    link.setDelays(picMs, 2, 0);
    QByteArray data(size, '\0');
    for (int i = 0; i < size; ++i)
        data[i] = char((i * 7 + 3) & 0xFF);
    pic.function(996);
    // Seven "#", the "x" and every byte, each followed by the PIC delay.
    const double nominalS = double(8 + size) * picMs / 1e3;

    NoProgress progress;
    Measure m;
    const TransferResult r = download::buffer2pic_alt(link, data, progress, {});
    const bool intact = r.ok() && pic.eeprom().left(size) == data;
    std::printf("EEPROM restore: %d bytes, %d ms per byte\n", size, picMs);
    return m.report("  buffer2pic_alt", nominalS, intact);
}
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int dspMs = argc > 1 ? std::atoi(argv[1]) : 2;
    const int picMs = argc > 2 ? std::atoi(argv[2]) : 10;
    const int size = argc > 3 ? std::atoi(argv[3]) : 4096;
    if (dspMs <= 0 || picMs <= 0 || size <= 0) {
        std::fprintf(stderr, "usage: bench_transfer [DSP-ms PIC-ms restore-bytes]\n");
        return 2;
    }
    // Other work on the machine delays every wake-up; the figures mean little under load.
    QFile loadavg(QStringLiteral("/proc/loadavg"));
    if (loadavg.open(QIODevice::ReadOnly))
        std::printf("load average: %s", loadavg.readLine().constData());
    bool ok = direktZumDsp(dspMs);
    ok = eepromRestore(picMs, size) && ok;
    std::printf("%s\n", ok ? "targets met" : "targets MISSED");
    return ok ? 0 : 1;
}
