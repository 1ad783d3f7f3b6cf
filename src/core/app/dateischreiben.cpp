#include "app/dateischreiben.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <filesystem>

bool nameVerlustfrei(const QString& path) {
    return !path.contains(QChar::ReplacementCharacter);
}

bool dateiErsetzbar(const QString& path) {
    if (!nameVerlustfrei(path))
        return false;
    const QFileInfo info(path);
    // A dangling link would be followed to where it points: not a file the person chose.
    return !info.isSymLink() ? (!info.exists() || info.isFile()) : info.isFile();
}

bool dateiSchreiben(const QString& path, const QByteArray& bytes) {
    if (!dateiErsetzbar(path))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // The new file keeps the mode of the one it replaces (a read-only configuration stays
    // read-only). The "User" flags say what this process may do, not the mode: root may
    // write anything, and they would turn the owner's write bit on.
    if (const QFileInfo alt(path); alt.isFile())
        file.setPermissions(alt.permissions() &
                            ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser));
    // QSaveFile would commit a small file whose buffered bytes never reached the disk: the
    // flush is checked before the commit.
    if (file.write(bytes) != bytes.size() || !file.flush() ||
        file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool dateiUmbenennen(const QString& von, const QString& nach) {
    if (!dateiErsetzbar(nach))
        return false;
    // The new file takes the place of the link's target, as QSaveFile writes through a link.
    const QFileInfo ziel(nach);
    const QString echt = ziel.isSymLink() ? ziel.canonicalFilePath() : nach;
    std::error_code fehler;
#ifdef Q_OS_WIN
    std::filesystem::rename(von.toStdWString(), echt.toStdWString(), fehler);
#else
    std::filesystem::rename(QFile::encodeName(von).toStdString(),
                            QFile::encodeName(echt).toStdString(), fehler);
#endif
    return !fehler;
}
