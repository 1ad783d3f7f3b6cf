#include "app/dateischreiben.h"

#include <QFileInfo>
#include <QSaveFile>

bool dateiErsetzbar(const QString& path) {
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
    // QSaveFile would commit a small file whose buffered bytes never reached the disk: the
    // flush is checked before the commit.
    if (file.write(bytes) != bytes.size() || !file.flush() ||
        file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
