#include "app/simconfig.h"

#include "app/configfile.h"
#include "app/einstellungen.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace simconfig {

QString fileName() {
    return QStringLiteral("vantrel-sim.cfg");
}

QStringList releaseOrigins(const QString& applicationDir, const QString& sourceRelease) {
    QStringList out{QDir::cleanPath(applicationDir +
                                    QStringLiteral("/../share/talvaro-loader/sample-release"))};
    if (!sourceRelease.isEmpty())
        out.append(QFileInfo(sourceRelease).absoluteFilePath());
    return out;
}

QString findRelease(const QString& applicationDir, const QString& sourceRelease) {
    for (const QString& dir : releaseOrigins(applicationDir, sourceRelease))
        if (QFileInfo(dir).isDir())
            return QFileInfo(dir).absoluteFilePath();
    return {};
}

QString releaseCopy(const QString& configDir) {
    return QDir(configDir).filePath(QStringLiteral("simulation/sample-release"));
}

namespace {
QString angelegt(const QString& ordner) {
    return QCoreApplication::translate("vantrel", "Ordner \"%1\" kann nicht angelegt werden!")
        .arg(ordner);
}
} // namespace

QString copyRelease(const QString& from, const QString& to) {
    const QDir quelle(from);
    if (!quelle.exists())
        return QCoreApplication::translate("vantrel", "Ordner \"%1\" nicht gefunden!").arg(from);
    if (!QDir().mkpath(to))
        return angelegt(to);
    QDirIterator it(from, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString datei = it.next();
        const QString ziel = QDir(to).filePath(quelle.relativeFilePath(datei));
        // Whatever is there already, file or not, stays as it is.
        if (QFileInfo::exists(ziel) || QFileInfo(ziel).isSymLink())
            continue;
        if (!QDir().mkpath(QFileInfo(ziel).absolutePath()))
            return angelegt(QFileInfo(ziel).absolutePath());
        // QFile::copy writes a temporary file beside the target and renames it: a copy that
        // fails half way leaves no half file behind.
        QFile f(datei);
        if (!f.copy(ziel))
            return QCoreApplication::translate("vantrel",
                                               "Datei \"%1\" kann nicht geschrieben werden!")
                .arg(ziel);
        // An installed release may be read-only; the copy is the person's to change.
        QFile::setPermissions(ziel, QFile::permissions(ziel) | QFileDevice::WriteOwner);
    }
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

namespace {
// Moves every folder and file of the profiles that lies inside one of origins to the same
// place in releaseDir; true when one moved.
bool umziehen(TEinstellungen& e, const QString& releaseDir, const QStringList& origins) {
    const QString ziel = QFileInfo(releaseDir).absoluteFilePath();
    bool geaendert = false;
    const auto umzug = [&](QString& pfad) {
        if (pfad.isEmpty() || QDir::isRelativePath(pfad))
            return;
        const QString p = QDir::cleanPath(pfad);
        for (const QString& o : origins) {
            const QString herkunft = QDir::cleanPath(o);
            if (herkunft.isEmpty() || herkunft == ziel)
                continue;
            if (p == herkunft || p.startsWith(herkunft + QLatin1Char('/'))) {
                pfad = ziel + p.mid(herkunft.size());
                geaendert = true;
                return;
            }
        }
    };
    for (TEinstellungen::Profile* profil :
         {&e.veskpfad, &e.dspcodefilename, &e.filterfilename, &e.parameterfilename,
          &e.xparameterfilename, &e.standardparameterfilename, &e.rxeqfilename, &e.txeqfilename,
          &e.ad603filename, &e.scalfilename, &e.testfilename})
        for (QString& pfad : *profil)
            umzug(pfad);
    return geaendert;
}
} // namespace

bool prepare(const QString& path, const QString& releaseDir, const QString& port,
             const QStringList& origins) {
    ConfigFile cfg;
    const bool neu = !QFileInfo::exists(path);
    cfg.load(path);
    int vesknr = 0;
    TEinstellungen e;
    e.read(cfg, &vesknr);
    if (!releaseDir.isEmpty()) {
        if (neu || !QFileInfo(e.veskpfad[0]).isDir()) {
            pointAtRelease(cfg, releaseDir);
            e.read(cfg, &vesknr);
        }
        if (umziehen(e, releaseDir, origins))
            e.write(cfg, vesknr);
    }
    cfg.writeString(QStringLiteral("rs232"), port);
    return cfg.save();
}

} // namespace simconfig
