#include "app/simconfig.h"

#include "app/configfile.h"
#include "app/einstellungen.h"

#include <QDir>
#include <QFileInfo>

namespace simconfig {

QString fileName() {
    return QStringLiteral("vantrel-sim.cfg");
}

QString findRelease(const QString& applicationDir, const QString& sourceRelease) {
    const QString installed =
        QDir::cleanPath(applicationDir + QStringLiteral("/../share/talvaro-loader/sample-release"));
    for (const QString& dir : {installed, sourceRelease})
        if (!dir.isEmpty() && QFileInfo(dir).isDir())
            return QFileInfo(dir).absoluteFilePath();
    return {};
}

void pointAtRelease(ConfigFile& cfg, const QString& releaseDir) {
    int vesknr = 0;
    TEinstellungen e;
    e.read(cfg, &vesknr);
    const QDir d(QFileInfo(releaseDir).absoluteFilePath());
    const auto f = [&d](const char* name) { return d.filePath(QString::fromLatin1(name)); };
    e.veskpfad[0] = d.absolutePath();
    e.dspcodefilename[0] = f("VESK2b1x.dpk");
    e.filterfilename[0] = f("Filters/filters.dpk");
    e.parameterfilename[0] = f("USER2B2.DPK");
    e.xparameterfilename[0] = f("Filters/Xparams.dpk");
    e.standardparameterfilename[0] = f("standard.dpk");
    e.rxeqfilename[0] = f("Filters/RxEQ.dat");
    e.txeqfilename[0] = f("Filters/TxEQ.dat");
    e.ad603filename[0] = f("Filters/AD603.dat");
    e.scalfilename[0] = f("Filters/Scal.dat");
    // One key serves all three profiles; the file keeps the last one written.
    e.testfilename.fill(f("Test05.dpk"));
    e.write(cfg, 0);
}

bool prepare(const QString& path, const QString& releaseDir, const QString& port) {
    ConfigFile cfg;
    const bool neu = !QFileInfo::exists(path);
    cfg.load(path);
    int vesknr = 0;
    TEinstellungen e;
    e.read(cfg, &vesknr);
    if ((neu || !QFileInfo(e.veskpfad[0]).isDir()) && !releaseDir.isEmpty())
        pointAtRelease(cfg, releaseDir);
    cfg.writeString(QStringLiteral("rs232"), port);
    return cfg.save();
}

} // namespace simconfig
