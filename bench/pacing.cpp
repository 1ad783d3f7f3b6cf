// Pacing bench: sends N bytes through the paced sender, each followed by its delay, to the
// simulated transceiver on a pseudo-terminal, and reports how close the wall time comes to
// the nominal N x delay and how much processor time the waiting costs.
//
//   bench_pacing                 runs 1000 bytes at 2 ms and 300 bytes at 10 ms
//   bench_pacing N MS [N MS ...] runs the given pairs
//
// Targets: wall/nominal at most 1.03, process CPU/wall at most 0.05.
#include "benchutil.h"
#include "link/link.h"
#include "link/modem.h"
#include "sim/simtransceiver.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {
using bench::cpuSeconds;
struct Run {
    int bytes;
    int delayMs;
};

bool runOne(const Run& run) {
    SimTransceiver sim;
    Modem modem;
    if (!sim.isValid() || !modem.openPort(sim.portPath())) {
        std::fprintf(stderr, "bench_pacing: no pseudo-terminal line\n");
        return false;
    }
    Link link(&modem);
    link.setOpen(true);
    link.setDelays(run.delayMs, run.delayMs, run.delayMs);

    // Write to write on the Link's own clock: what the pacing itself achieved.
    std::vector<double> periods;
    qint64 lastWrite = -1;
    QObject::connect(&link, &Link::byteWritten, &link, [&](int, qint64 t) {
        if (lastWrite >= 0)
            periods.push_back(double(t - lastWrite) / 1e6);
        lastWrite = t;
    });

    // The receiver sees bytes only as the waits pump events; the set's own work counts
    // towards the process's CPU time, as it would for a loader with the set in-process.
    const double cpu0 = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    for (int i = 0; i < run.bytes; ++i)
        link.sendedsp(i & 0xFF);
    const double wallS = double(wall.nsecsElapsed()) / 1e9;
    const double cpuS = cpuSeconds() - cpu0;
    sim.waitForBytes(run.bytes, 2000);

    const QList<qint64>& t = sim.arrivalTimes();
    std::vector<double> gaps;
    for (qsizetype i = 1; i < t.size(); ++i)
        gaps.push_back(double(t[i] - t[i - 1]) / 1e6);
    std::sort(gaps.begin(), gaps.end());
    const double nominalS = double(run.bytes) * run.delayMs / 1e3;
    bool intact = sim.received().size() == run.bytes;
    for (qsizetype i = 0; intact && i < sim.received().size(); ++i)
        intact = quint8(sim.received()[i]) == quint8(i & 0xFF);

    std::printf("%5d bytes at %2d ms: nominal %8.1f ms  wall %8.1f ms  wall/nominal %.4f  "
                "cpu %7.1f ms  cpu/wall %.4f\n",
                run.bytes, run.delayMs, nominalS * 1e3, wallS * 1e3, wallS / nominalS, cpuS * 1e3,
                cpuS / wallS);
    std::sort(periods.begin(), periods.end());
    if (!periods.empty())
        std::printf("      write to write: min %.3f  median %.3f  p99 %.3f  max %.3f ms\n",
                    periods.front(), periods[periods.size() / 2],
                    periods[periods.size() * 99 / 100], periods.back());
    if (!gaps.empty())
        std::printf("      at the set: %lld bytes %s, gap min %.3f  median %.3f  max %.3f ms\n",
                    static_cast<long long>(sim.received().size()),
                    intact ? "in order" : "NOT as sent", gaps.front(), gaps[gaps.size() / 2],
                    gaps.back());
    return intact && wallS / nominalS <= 1.03 && cpuS / wallS <= 0.05;
}
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    std::vector<Run> runs;
    for (int i = 1; i + 1 < argc; i += 2) {
        const int n = std::atoi(argv[i]);
        const int ms = std::atoi(argv[i + 1]);
        if (n > 0 && ms > 0)
            runs.push_back({n, ms});
    }
    if (runs.empty())
        runs = {{1000, 2}, {300, 10}};
    bool ok = true;
    for (const Run& r : runs)
        ok = runOne(r) && ok;
    std::printf("%s\n", ok ? "targets met" : "targets MISSED");
    return ok ? 0 : 1;
}
